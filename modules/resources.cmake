# The pages the view shows, at ":/modules/qml/...": main.qml with basic and
# common in one tree, the panels of R8 in a second.
qt_add_resources(q530ui "qml" PREFIX "/" FILES
    modules/qml/main.qml
    modules/qml/basic/BusyIndicator.qml
    modules/qml/basic/Environment.qml
    modules/qml/basic/KeyCodeString.qml
    modules/qml/basic/Menu_Down.qml
    modules/qml/basic/Menu_Up.qml
    modules/qml/common/Button.qml
)
qt_add_resources(q530ui "qml_r8" PREFIX "/" FILES
    modules/qml/R8/ColorPicker.qml
    modules/qml/R8/DoubleRate.qml
    modules/qml/R8/DpiSetting.qml
    modules/qml/R8/CursorPad.qml
    modules/qml/R8/DpiSlider.qml
    modules/qml/R8/Frame.qml
    modules/qml/R8/GunControl.qml
    modules/qml/R8/GunPresets.qml
    modules/qml/R8/InsertDialog.qml
    modules/qml/R8/KeyMatrix.qml
    modules/qml/R8/KeyMenu.qml
    modules/qml/R8/LightControl.qml
    modules/qml/R8/MacroEditor.qml
    modules/qml/R8/MacroPresets.qml
    modules/qml/R8/MacroKey.qml
    modules/qml/R8/Mouse.qml
    modules/qml/R8/PresetEditor.qml
    modules/qml/R8/PresetList.qml
    modules/qml/R8/Profile.qml
    modules/qml/R8/ProfileList.qml
    modules/qml/R8/MouseRate.qml
    modules/qml/R8/RateDial.qml
    modules/qml/R8/ReportRate.qml
    modules/qml/R8/ScrollRate.qml
    modules/qml/R8/SingleKey.qml
    modules/qml/R8/StepSlider.qml
    modules/qml/R8/XySetting.qml
    modules/qml/R8/actions.js
    modules/qml/R8/keypages.js
)

# The skin: every picture of group GROUP at ":/GROUP/modules/img/skin1/GROUP/FILE.png",
# the background alone at ":/modules/img/background.png". The pictures are
# collected by folder so a redrawn skin needs no edit here.
qt_add_resources(q530ui "skin_background" PREFIX "/" FILES modules/img/background.png)
foreach(group index mouse xySetting profile lightControl dpiSetting reportRate mouseRate scrollRate macros gun)
    file(GLOB _skin_pictures CONFIGURE_DEPENDS
        "${PROJECT_SOURCE_DIR}/modules/img/skin1/${group}/*.png")
    if(_skin_pictures)
        qt_add_resources(q530ui "skin_${group}" PREFIX "/${group}" BASE "${PROJECT_SOURCE_DIR}"
            FILES ${_skin_pictures})
    endif()
endforeach()
