#pragma once

#include <QListView>

// The device list's view. Groups are only ever added at the end, mostly below
// what is on screen; the plain list view lays out and repaints everything it
// shows for each one. This one repaints only the rows that came in.
class DeviceListView : public QListView
{
    Q_OBJECT

public:
    explicit DeviceListView(QWidget *parent = nullptr);

    void doItemsLayout() override;

protected slots:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

private:
    // Rows appended since the last layout; -1 when anything else changed.
    int m_firstAppended = -1;
    bool m_onlyAppended = false;
};
