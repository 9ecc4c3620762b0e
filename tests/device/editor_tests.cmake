# The "Add Device" panel and its scene selector; each suite builds its editors
# over a temporary copy of tests/data/device/editor.
tavo_add_test(tst_scenceselector SOURCES tst_scenceselector.cpp LIBS tavo_device tavo_test_support)
tavo_add_test(tst_deviceeditor SOURCES tst_deviceeditor.cpp tst_editor_fixture.h
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_deviceeditor_add SOURCES tst_deviceeditor_add.cpp tst_editor_fixture.h
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_deviceeditor_edit SOURCES tst_deviceeditor_edit.cpp EditorDriving.h tst_editor_fixture.h
    LIBS tavo_device tavo_test_support tavo_model_testsupport)
tavo_add_test(tst_deviceeditor_retention SOURCES tst_deviceeditor_retention.cpp EditorDriving.h tst_editor_fixture.h
    LIBS tavo_device tavo_test_support tavo_model_testsupport)

# The offered smart-codec name depends on the language, which is fixed per
# process: one suite per language.
foreach(_language en:0 zh:1 ru:8)
    string(REPLACE ":" ";" _pair "${_language}")
    list(GET _pair 0 _suffix)
    list(GET _pair 1 _number)
    tavo_add_test(tst_deviceeditor_language_${_suffix} SOURCES tst_deviceeditor_language.cpp tst_editor_fixture.h
        LIBS tavo_device tavo_test_support tavo_model_testsupport)
    target_compile_definitions(tst_deviceeditor_language_${_suffix} PRIVATE EDITOR_LANGUAGE=${_number})
endforeach()
