#pragma once

#include "device/DeviceListModel.h"

#include <QVector>

// One change of the device list as undo needs it: the rows taken out (with
// the places they had), the rows put in (with the places they get) and the
// rows whose group changed, before and after; a switch of the video standard
// names the standards on either side.
struct GroupListChange
{
    struct Placed
    {
        int position = 0;
        DeviceListModel::Row row;
    };
    struct Replaced
    {
        DeviceListModel::Row before;
        DeviceListModel::Row after;
    };

    // In ascending places: those of the list before the change.
    QVector<Placed> removed;
    // In ascending places: those of the list after the change.
    QVector<Placed> inserted;
    QVector<Replaced> replaced;
    // Everything was cleared: the channel-group numbers start again at 1 (rows
    // put in at the same time, as a replace does, hold them from 1 already).
    bool clearsAll = false;
    int standardBefore = -1;
    int standardAfter = -1;

    bool isEmpty() const
    {
        return removed.isEmpty() && inserted.isEmpty() && replaced.isEmpty() && standardBefore == standardAfter;
    }
};
