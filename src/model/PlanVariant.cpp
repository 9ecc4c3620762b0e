#include "model/PlanVariant.h"

#include <QMultiHash>
#include <QPair>

#include <algorithm>

void PlanVariant::setGroups(const QVector<StructDeviceItem> &newGroups)
{
    // Only groups that came with unknown fields need a match; they are found
    // by name and number first, so a plan of any size is handed back at once.
    QMultiHash<QPair<QString, int>, qsizetype> carriers;
    for (qsizetype j = 0; j < groups.size(); ++j) {
        if (!groupExtra.value(j).isEmpty())
            carriers.insert({groups.at(j).strChannelName, groups.at(j).iChannelGroupNumber}, j);
    }
    QVector<QJsonObject> extra(newGroups.size());
    for (qsizetype i = 0; i < newGroups.size() && !carriers.isEmpty(); ++i) {
        const StructDeviceItem &group = newGroups.at(i);
        const auto key = qMakePair(group.strChannelName, group.iChannelGroupNumber);
        for (auto it = carriers.find(key); it != carriers.end() && it.key() == key; ++it) {
            if (groups.at(it.value()) == group) {
                extra[i] = groupExtra.at(it.value());
                carriers.erase(it);
                break;
            }
        }
    }
    groups = newGroups;
    groupExtra = extra;
}

bool PlanVariant::anyOwnRetention() const
{
    return std::any_of(groups.cbegin(), groups.cend(), [](const StructDeviceItem &group) { return group.policy.own; });
}
