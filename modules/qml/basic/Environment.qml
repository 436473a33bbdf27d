import QtQuick
import ".."

// The page background: the whole window is this picture; the panels sit on it.
Image {
    width: 1000
    height: 640
    source: "qrc:/modules/img/background.png"
}
