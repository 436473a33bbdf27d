import QtQuick
import ".."

// Asks before the current profile goes back to the factory settings.
DialogFrame {
    id: factorysure

    property string question
    property string okText
    property string cancelText

    signal accepted()
    signal rejected()

    Text {
        x: 20
        y: 30
        width: parent.width - 40
        height: 90
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        text: factorysure.question
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 42
        spacing: 30

        Button {
            objectName: "factoryOk"
            width: 88
            height: 25
            text: factorysure.okText
            onClicked: factorysure.accepted()
        }
        Button {
            objectName: "factoryCancel"
            width: 88
            height: 25
            text: factorysure.cancelText
            onClicked: factorysure.rejected()
        }
    }
}
