# The device list: its page, the model of its groups, the cards and their
# delegate, the empty-list view and the report.
list(APPEND TAVO_DEVICE_SOURCES
    DeviceAddPage.h DeviceAddPage.cpp
    DeviceListModel.h DeviceListModel.cpp
    DeviceListView.h DeviceListView.cpp
    DeviceListAccessible.h DeviceListAccessible.cpp
    DeviceRowAccessible.h DeviceRowAccessible.cpp
    GroupListChange.h
    GroupListCommand.h GroupListCommand.cpp
    DeviceCardDelegate.h DeviceCardDelegate.cpp
    DeviceItemWidget.h DeviceItemWidget.cpp
    RetentionBadges.h RetentionBadges.cpp
    WidgetDeviceListBorder.h WidgetDeviceListBorder.cpp
    DeviceReport.h DeviceReport.cpp
)
