import ".."
import QtQuick

// The title-bar buttons at the top right: help, minimise, close to the tray.
Row {
    id: menu

    readonly property string skin: "qrc:/index/modules/img/skin" + Theme.skinNo + "/index/"

    signal askClicked()
    signal minimizeClicked()
    signal closeClicked()

    spacing: 5

    Button {
        objectName: "askButton"
        source: menu.skin + "ask.png"
        hoverSource: menu.skin + "askH.png"
        onClicked: menu.askClicked()
    }
    // The pictures are named the other way round: closeBtn carries the
    // minus glyph, minBtn the cross.
    Button {
        objectName: "minimizeButton"
        source: menu.skin + "closeBtn.png"
        hoverSource: menu.skin + "closeBtnH.png"
        onClicked: menu.minimizeClicked()
    }
    Button {
        objectName: "closeButton"
        source: menu.skin + "minBtn.png"
        hoverSource: menu.skin + "minBtnH.png"
        onClicked: menu.closeClicked()
    }
}
