import QtQuick
import ".."

// Asks before the current profile goes back to the factory settings.
Image {
    id: factorysure

    property url background
    property string title
    property string question
    property string okText
    property string cancelText
    property Item dragArea: parent

    signal accepted()
    signal rejected()

    // The picture is held only while the dialog is shown.
    source: visible ? background : ""
    cache: false

    // The title bar drags the dialog, inside the page.
    MouseArea {
        width: parent.width
        height: 30
        drag.target: factorysure
        drag.minimumX: 0
        drag.maximumX: factorysure.dragArea ? factorysure.dragArea.width - factorysure.width : 0
        drag.minimumY: 0
        drag.maximumY: factorysure.dragArea ? factorysure.dragArea.height - factorysure.height : 0
    }
    Text {
        x: 12
        height: 30
        verticalAlignment: Text.AlignVCenter
        text: factorysure.title
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        font.bold: true
    }
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
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            textColor: Theme.fontColor
            onClicked: factorysure.accepted()
        }
        Button {
            objectName: "factoryCancel"
            width: 88
            height: 25
            text: factorysure.cancelText
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            textColor: Theme.fontColor
            onClicked: factorysure.rejected()
        }
    }
}
