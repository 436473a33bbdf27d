import ".."
import QtQuick

// The factory-reset button at the bottom right.
Button {
    property int skinNo: 1
    readonly property string skin: "qrc:/index/modules/img/skin" + skinNo + "/index/"

    source: skin + "restBtn.png"
    hoverSource: skin + "restBtnH.png"
    pressedSource: skin + "restBtnP.png"
}
