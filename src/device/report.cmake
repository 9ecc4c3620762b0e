# The PDF report: its document, tables, disk-array and retention sections
# and chart, the page painter, the worker that writes it, the file name rules and
# the hint that tells where it went (DeviceReport itself is listed with the
# device list).
list(APPEND TAVO_DEVICE_SOURCES
    ReportTable.h
    ReportDocument.h
    ReportArraySection.h ReportArraySection.cpp
    ReportPolicySection.h ReportPolicySection.cpp
    ReportOutcome.h
    ReportPainter.h ReportPainter.cpp
    ReportExport.h ReportExport.cpp
    ReportProgress.h ReportProgress.cpp
    ReportFile.h ReportFile.cpp
    ReportHint.h ReportHint.cpp
)
# The report names the version it was made with when the application sets none.
cmake_language(DEFER CALL target_compile_definitions tavo_device PRIVATE "TAVO_VERSION=\"${PROJECT_VERSION}\"")
