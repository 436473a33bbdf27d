# The pages are one QML module, compiled ahead by qmlcachegen. Its URI is
# the folder the pages have always been read from, so every "qrc:/modules/qml/..."
# stays where it was: main.qml at the root, the shared parts in basic/ and
# common/, the panels and dialogs in R8/. Files in the subfolders see the
# module's types through `import ".."`.
set(q530_pages
    main.qml
    Dashboard.qml
    LazyLoader.qml
    Theme.qml
    basic/BusyIndicator.qml
    basic/Environment.qml
    basic/KeyCodeString.qml
    basic/Menu_Down.qml
    basic/Menu_Up.qml
    common/Button.qml
    common/DialogFrame.qml
    R8/ColorPicker.qml
    R8/CursorPad.qml
    R8/DoubleRate.qml
    R8/DpiSetting.qml
    R8/DpiSlider.qml
    R8/FactoryDialog.qml
    R8/Frame.qml
    R8/GunControl.qml
    R8/GunPresets.qml
    R8/InsertDialog.qml
    R8/KeyMatrix.qml
    R8/KeyMenu.qml
    R8/LightControl.qml
    R8/MacroEditor.qml
    R8/MacroKey.qml
    R8/MacroPresets.qml
    R8/Mouse.qml
    R8/MouseRate.qml
    R8/PresetEditor.qml
    R8/PresetList.qml
    R8/Profile.qml
    R8/ProfileList.qml
    R8/ProgramsDialog.qml
    R8/RateDial.qml
    R8/ReportRate.qml
    R8/ScrollRate.qml
    R8/SingleKey.qml
    R8/StepSlider.qml
    R8/XySetting.qml
    R8/actions.js
    R8/keypages.js
    R8/texts.js
)
set(_q530_page_files "")
foreach(page IN LISTS q530_pages)
    set(_file "modules/qml/${page}")
    # The module's own folder is the resource root; without the alias the
    # files would land under a second "modules/qml/".
    set_source_files_properties(${_file} PROPERTIES QT_RESOURCE_ALIAS "${page}")
    list(APPEND _q530_page_files ${_file})
endforeach()
set_source_files_properties(modules/qml/Theme.qml PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
qt_add_qml_module(q530ui
    URI modules.qml
    VERSION 1.0
    RESOURCE_PREFIX /
    NO_PLUGIN
    OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/qml/modules/qml"
    QML_FILES ${_q530_page_files}
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
