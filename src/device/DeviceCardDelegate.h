#pragma once

#include <QCache>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QString>
#include <QStyledItemDelegate>

#include <memory>

class QAbstractItemView;

namespace NM_Vantor {
class DeviceItemWidget;
}

// Shows the rows of a DeviceListModel as the cards of their groups. One
// hidden card, set up for each row in turn, paints every row; the row under
// the mouse and the row the keyboard is on get a real card as persistent
// editor, so that their delete buttons can be clicked, tabbed to and read by
// screen readers. Thousands of rows thus cost a handful of widgets.
class DeviceCardDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Installs itself on the view and follows the mouse over it.
    explicit DeviceCardDelegate(QAbstractItemView *view);
    ~DeviceCardDelegate() override;

    // Every row is this high; the cards are as wide as the view.
    void setRowHeight(int height);
    int rowHeight() const { return m_rowHeight; }

    // The real card of the row, brought up as the mouse over the row brings
    // it; none for a row that is not there.
    NM_Vantor::DeviceItemWidget *cardForRow(int row);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

signals:
    // A card's delete button was clicked.
    void deleteClicked(long long id, int channelGroupNumber);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The item as the list draws it under a card: no text of its own.
    void initItemOption(QStyleOptionViewItem *option, const QModelIndex &index) const;
    QRect cardRect(const QStyleOptionViewItem &itemOption) const;
    // The list's background colour when it is opaque; invalid otherwise.
    QColor opaqueBackdrop() const;
    // The row's background and its card, drawn in place.
    void drawRow(QPainter *painter, const QStyleOptionViewItem &itemOption, const QModelIndex &index) const;
    // The hidden card, showing the row at that size.
    NM_Vantor::DeviceItemWidget *stampFor(const QModelIndex &index, const QSize &size) const;
    NM_Vantor::DeviceItemWidget *openCard(const QModelIndex &index);
    NM_Vantor::DeviceItemWidget *cardAt(const QModelIndex &index) const;
    void setHoverIndex(const QModelIndex &index);
    void setKeyRow(int row, bool closeLater);
    bool moveKeyRow(QObject *deleteButton, int step);
    // Moves the focus to the widget before or after the list; false when there is none.
    bool leaveList(bool forward);
    void scheduleSync();
    void sync();

    QAbstractItemView *m_view = nullptr;
    int m_rowHeight = 0;
    mutable std::unique_ptr<NM_Vantor::DeviceItemWidget> m_stamp;
    // Images of the rows last drawn, by row, size, state and content.
    mutable QCache<QString, QPixmap> m_rowImages;
    // The row under the mouse and the row whose delete button is in the tab
    // order; each has a real card.
    QPersistentModelIndex m_hoverIndex;
    QPersistentModelIndex m_keyIndex;
    // Where the keyboard's row was when it was removed.
    int m_removedKeyRow = -1;
    bool m_syncQueued = false;
};
