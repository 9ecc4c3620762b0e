#include "device/DeviceListModel.h"

#include "device/DeviceItemWidget.h"

#include <algorithm>

using NM_Vantor::DeviceItemWidget;

DeviceListModel::DeviceListModel(QObject *parent) : QAbstractListModel(parent) {}

int DeviceListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant DeviceListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        // Read in the order the card shows it: the name, the share of a group
        // recorded on motion, the values.
        QString title = row.item.strChannelName;
        const QString recording = DeviceItemWidget::recordingText(row.item);
        if (!recording.isEmpty())
            title += QStringLiteral(", ") + recording;
        return title + QStringLiteral(": ") +
               DeviceItemWidget::valueTexts(row.item, row.rateConverted).join(QStringLiteral(", "));
    }
    case IdRole:
        return row.id;
    case GroupRole:
        return QVariant::fromValue(row.item);
    case ChannelNameRole:
        return row.item.strChannelName;
    case ValueTextsRole:
        return DeviceItemWidget::valueTexts(row.item, row.rateConverted);
    case ValueToolTipsRole:
        return DeviceItemWidget::valueToolTips(row.item, row.rateConverted);
    case RateConvertedRole:
        return row.rateConverted;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> DeviceListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(IdRole, QByteArrayLiteral("id"));
    names.insert(GroupRole, QByteArrayLiteral("group"));
    names.insert(ChannelNameRole, QByteArrayLiteral("channelName"));
    names.insert(ValueTextsRole, QByteArrayLiteral("valueTexts"));
    names.insert(ValueToolTipsRole, QByteArrayLiteral("valueToolTips"));
    names.insert(RateConvertedRole, QByteArrayLiteral("rateConverted"));
    return names;
}

QVector<DeviceListModel::Row>::const_iterator DeviceListModel::lowerBound(long long id) const
{
    return std::lower_bound(m_rows.cbegin(), m_rows.cend(), id,
                            [](const Row &row, long long value) { return row.id < value; });
}

bool DeviceListModel::insertGroup(long long id, const StructDeviceItem &item)
{
    const auto at = lowerBound(id);
    if (at != m_rows.cend() && at->id == id)
        return false;
    const int row = int(at - m_rows.cbegin());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(row, Row{id, item, false});
    endInsertRows();
    return true;
}

bool DeviceListModel::removeGroup(long long id)
{
    const int row = rowOf(id);
    if (row < 0)
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.remove(row);
    endRemoveRows();
    return true;
}

void DeviceListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

bool DeviceListModel::updateFrameRateAndRate(long long id, const QString &frameRate, double bitrate)
{
    const int row = rowOf(id);
    if (row < 0)
        return false;
    Row &changed = m_rows[row];
    changed.item.strFrameRate = frameRate;
    changed.item.dBitrate = bitrate;
    changed.rateConverted = true;
    const QModelIndex at = index(row);
    emit dataChanged(at, at);
    return true;
}

int DeviceListModel::rowOf(long long id) const
{
    const auto at = lowerBound(id);
    return at != m_rows.cend() && at->id == id ? int(at - m_rows.cbegin()) : -1;
}

long long DeviceListModel::idAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : 0;
}

StructDeviceItem DeviceListModel::groupAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).item : StructDeviceItem();
}
