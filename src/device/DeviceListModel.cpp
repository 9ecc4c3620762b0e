#include "device/DeviceListModel.h"

#include "device/DeviceItemWidget.h"
#include "model/RetentionPolicyText.h"

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
        // recorded on motion, the values, then the group's own retention,
        // whose badges are too short to be read out.
        QString title = row.item.strChannelName;
        const QString recording = DeviceItemWidget::recordingText(row.item);
        if (!recording.isEmpty())
            title += QStringLiteral(", ") + recording;
        QString sentence = title + QStringLiteral(": ") +
                           DeviceItemWidget::valueTexts(row.item, row.rateConverted).join(QStringLiteral(", "));
        if (row.item.policy.own)
            sentence += QStringLiteral(", ") + RetentionPolicyText::spoken(row.item.policy);
        return sentence;
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

bool DeviceListModel::insertGroup(long long id, const StructDeviceItem &item)
{
    return insertRow(int(m_rows.size()), Row{id, item, false});
}

bool DeviceListModel::insertRow(int position, const Row &row)
{
    if (rowOf(row.id) >= 0)
        return false;
    position = std::clamp(position, 0, int(m_rows.size()));
    const bool ascending = (position == 0 || m_rows.at(position - 1).id < row.id) &&
                           (position == m_rows.size() || row.id < m_rows.at(position).id);
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, row);
    m_idsAscending = m_idsAscending && ascending;
    endInsertRows();
    return true;
}

void DeviceListModel::appendRows(const QVector<Row> &rows)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    for (const Row &row : rows) {
        if (!m_rows.isEmpty() && m_rows.constLast().id >= row.id)
            m_idsAscending = false;
        m_rows.append(row);
    }
    endInsertRows();
}

bool DeviceListModel::removeGroup(long long id)
{
    const int row = rowOf(id);
    if (row < 0)
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.remove(row);
    endRemoveRows();
    if (m_rows.isEmpty())
        m_idsAscending = true;
    return true;
}

void DeviceListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_idsAscending = true;
    endResetModel();
}

bool DeviceListModel::updateFrameRateAndRate(long long id, const QString &frameRate, double bitrate)
{
    const int row = rowOf(id);
    if (row < 0)
        return false;
    Row changed = m_rows.at(row);
    changed.item.strFrameRate = frameRate;
    changed.item.dBitrate = bitrate;
    changed.rateConverted = true;
    return replaceRow(changed);
}

bool DeviceListModel::replaceRow(const Row &row)
{
    const int at = rowOf(row.id);
    if (at < 0)
        return false;
    m_rows[at] = row;
    const QModelIndex changed = index(at);
    emit dataChanged(changed, changed);
    return true;
}

int DeviceListModel::rowOf(long long id) const
{
    if (m_idsAscending) {
        const auto at = std::lower_bound(m_rows.cbegin(), m_rows.cend(), id,
                                         [](const Row &row, long long value) { return row.id < value; });
        return at != m_rows.cend() && at->id == id ? int(at - m_rows.cbegin()) : -1;
    }
    const auto at = std::find_if(m_rows.cbegin(), m_rows.cend(), [id](const Row &row) { return row.id == id; });
    return at != m_rows.cend() ? int(at - m_rows.cbegin()) : -1;
}

long long DeviceListModel::idAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : 0;
}

StructDeviceItem DeviceListModel::groupAt(int row) const
{
    return rowAt(row).item;
}

DeviceListModel::Row DeviceListModel::rowAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : Row();
}

QVector<StructDeviceItem> DeviceListModel::groups() const
{
    QVector<StructDeviceItem> items;
    items.reserve(m_rows.size());
    for (const Row &row : m_rows)
        items.append(row.item);
    return items;
}
