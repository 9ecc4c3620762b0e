# The PDF report's tables, the page painter and the worker that writes it
# (DeviceReport itself is listed with the device list).
list(APPEND TAVO_DEVICE_SOURCES
    ReportTable.h
    ReportPainter.h ReportPainter.cpp
    ReportExport.h ReportExport.cpp
    ReportProgress.h ReportProgress.cpp
)
