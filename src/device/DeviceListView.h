#pragma once

#include <QListView>

class QAction;

// The device list's view. Groups are mostly added at the end, below what is
// on screen; the plain list view lays out and repaints everything it shows for
// each one, this one repaints only the rows that came in.
//
// The keyboard moves the current card (arrows, Home, End, Page Up and Down);
// F2, Enter or a double click edits it, Ctrl+D duplicates it and Delete
// deletes it, the same commands as its context menu. The view only asks: the
// page that owns the groups does it.
class DeviceListView : public QListView
{
    Q_OBJECT

public:
    explicit DeviceListView(QWidget *parent = nullptr);
    ~DeviceListView() override;

    void doItemsLayout() override;

    // The commands on the current card, as the context menu offers them.
    QAction *editAction() const { return m_edit; }
    QAction *duplicateAction() const { return m_duplicate; }
    QAction *deleteAction() const { return m_delete; }

signals:
    void editRequested(int row);
    void duplicateRequested(int row);
    void deleteRequested(int row);

protected slots:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QAction *addCommand(const QKeySequence &shortcut, const char *objectName, void (DeviceListView::*request)(int));
    void retranslate();
    // Focus only while there are cards to act on.
    void followRowCount();

    QAction *m_edit = nullptr;
    QAction *m_duplicate = nullptr;
    QAction *m_delete = nullptr;
    // Rows appended since the last layout; -1 when anything else changed.
    int m_firstAppended = -1;
    bool m_onlyAppended = false;
};
