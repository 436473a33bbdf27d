# The pages the view shows, at ":/modules/qml/...".
qt_add_resources(q530core "qml" PREFIX "/" FILES
    modules/qml/main.qml
    modules/qml/common/TitleBar.qml
    modules/qml/common/WindowButton.qml
    modules/qml/common/BusyOverlay.qml
)
