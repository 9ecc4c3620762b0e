# The "Add Device" panel and its scene selector.
list(APPEND TAVO_DEVICE_SOURCES
    DeviceEditor.h DeviceEditor.cpp
    DeviceEditorForm.h DeviceEditorForm.cpp
    RetentionSection.h RetentionSection.cpp
    ScenceQRaidoButton.h ScenceQRaidoButton.cpp
    ScenceSelector.h ScenceSelector.cpp
)
