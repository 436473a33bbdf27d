target_sources(q530core PRIVATE
    viewmodel/myqquickview.h viewmodel/myqquickview.cpp
    viewmodel/devicebridge.cpp
    viewmodel/dpilighting.cpp
    viewmodel/systempointer.cpp
    viewmodel/languages.cpp
    viewmodel/classiclocale.h viewmodel/classiclocale.cpp
)
# The pages the view shows, at ":/modules/qml/...".
qt_add_resources(q530core "qml" PREFIX "/" FILES
    modules/qml/main.qml
    modules/qml/common/TitleBar.qml
    modules/qml/common/WindowButton.qml
    modules/qml/common/BusyOverlay.qml
)
