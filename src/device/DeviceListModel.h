#pragma once

#include "model/StructDeviceItem.h"

#include <QAbstractListModel>
#include <QVector>

// The channel groups of the device list, one row per group in ascending id
// order, with the texts their cards show. The page keeps the ids; the model
// only keeps the rows in step with them.
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

    explicit DeviceListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // Qt::DisplayRole and Qt::AccessibleTextRole read the whole card as one
    // sentence: the group name, its recording share when it records on
    // motion, and its values.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Adds the group in id order (at the end for a new, highest id); false
    // when the id is already there.
    bool insertGroup(long long id, const StructDeviceItem &item);
    // False when there is no such group.
    bool removeGroup(long long id);
    void clear();
    // A PAL/NTSC switch gave the group this frame rate and bitrate.
    bool updateFrameRateAndRate(long long id, const QString &frameRate, double bitrate);

    // The row of the id, -1 when there is none.
    int rowOf(long long id) const;
    long long idAt(int row) const;
    StructDeviceItem groupAt(int row) const;

private:
    struct Row
    {
        long long id = 0;
        StructDeviceItem item;
        bool rateConverted = false;
    };

    // The first row whose id is not below id.
    QVector<Row>::const_iterator lowerBound(long long id) const;

    QVector<Row> m_rows;
};
