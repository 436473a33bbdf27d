import ".."
import QtQuick

// The factory-reset button at the bottom right.
Button {
    readonly property string skin: "qrc:/index/modules/img/skin" + Theme.skinNo + "/index/"

    source: skin + "restBtn.png"
    hoverSource: skin + "restBtnH.png"
    pressedSource: skin + "restBtnP.png"
}
