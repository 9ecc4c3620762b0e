# The device list: its page, the cards, the empty-list view and the report.
list(APPEND TAVO_DEVICE_SOURCES
    DeviceAddPage.h DeviceAddPage.cpp
    DeviceItemWidget.h DeviceItemWidget.cpp
    WidgetDeviceListBorder.h WidgetDeviceListBorder.cpp
    DeviceReport.h DeviceReport.cpp
)
