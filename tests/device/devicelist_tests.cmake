# The device list, its cards and the report.
tavo_add_test(tst_devicecard_widgets SOURCES tst_devicecard_widgets.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_devicelist_page SOURCES tst_devicelist_page.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_devicelist_standard SOURCES tst_devicelist_standard.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_report_content SOURCES tst_report_content.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_report_figures SOURCES tst_report_figures.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
add_dependencies(tst_report_figures tavo_translations)
tavo_add_test(tst_report_export SOURCES tst_report_export.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_devicelist_layout SOURCES tst_devicelist_layout.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
add_dependencies(tst_devicelist_layout tavo_commonskin tavo_translations)
tavo_add_test(tst_devicelist_access SOURCES tst_devicelist_access.cpp
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
