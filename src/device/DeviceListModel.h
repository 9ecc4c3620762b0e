#pragma once

#include "model/StructDeviceItem.h"

#include <QAbstractListModel>
#include <QVector>

// The channel groups of the device list, one row per group in the order the
// list shows them, with the texts their cards show. The page keeps the ids;
// the model keeps the rows and their order.
class DeviceListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        // The group's page-local id (qlonglong).
        IdRole = Qt::UserRole + 1,
        // The whole StructDeviceItem.
        GroupRole,
        // The card's title: the group name.
        ChannelNameRole,
        // The five value texts in the card's order (QStringList).
        ValueTextsRole,
        // Their tool tips, empty where a value shows none (QStringList).
        ValueToolTipsRole,
        // Whether a PAL/NTSC switch converted the group (bool): its card then
        // reads the frame rate and the whole bitrate the switch left.
        RateConvertedRole,
    };

    // One row as it stands, to take out and put back (undo).
    struct Row
    {
        long long id = 0;
        StructDeviceItem item;
        bool rateConverted = false;
    };

    explicit DeviceListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // Qt::DisplayRole and Qt::AccessibleTextRole read the whole card as one
    // sentence: the group name, its recording share when it records on
    // motion, its values and, for a group keeping its own retention, that
    // retention in words.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Appends the group; false when the id is already there.
    bool insertGroup(long long id, const StructDeviceItem &item);
    // Puts the row at that position (clamped to the list); false when its id
    // is already there.
    bool insertRow(int position, const Row &row);
    // Appends many rows with one notification.
    void appendRows(const QVector<Row> &rows);
    // False when there is no such group.
    bool removeGroup(long long id);
    void clear();
    // A PAL/NTSC switch gave the group this frame rate and bitrate.
    bool updateFrameRateAndRate(long long id, const QString &frameRate, double bitrate);
    // The group becomes this row's content, keeping its place.
    bool replaceRow(const Row &row);

    // The row of the id, -1 when there is none.
    int rowOf(long long id) const;
    long long idAt(int row) const;
    StructDeviceItem groupAt(int row) const;
    Row rowAt(int row) const;
    // The groups in the order shown.
    QVector<StructDeviceItem> groups() const;

private:
    QVector<Row> m_rows;
    // Whether the ids still ascend down the list, as they do until a group is
    // put between others: the row of an id is then found by halving.
    bool m_idsAscending = true;
};
