import QtQuick
import ".."

// "Key": the next key pressed on the keyboard becomes the button's function.
Image {
    id: singleKey

    // The item the dialog is dragged inside.
    property Item dragArea: parent
    property var macroKeyLang: []     // the page's texts
    property QtObject keyCodes
    property int skinNo: 1
    property string fontFamily
    property int fontSize: 12
    property color fontColor: "#ffffff"
    readonly property string skin: "qrc:/index/modules/img/skin" + skinNo + "/index/"
    property string keyName: ""
    property int usage: 0

    signal keyAssigned(int usage)
    signal closeSure()

    function showUI() {
        keyName = ""
        usage = 0
        visible = true
    }

    // Key presses only; a key without a name is no function.
    function detectKeyboard(isDown, usbCode) {
        if (!isDown)
            return
        var name = keyCodes.keyName(usbCode)
        if (name === "")
            return
        keyName = name
        usage = usbCode
    }

    function accept() {
        if (keyName !== "")
            keyAssigned(usage)
        closeSure()
    }

    // The picture is held only while the dialog is shown.
    source: visible ? skin + "singleKeyBg.png" : ""
    cache: false
    visible: false

    // The title bar drags the dialog.
    MouseArea {
        width: parent.width
        height: 30
        drag.target: singleKey
        drag.minimumX: 0
        drag.maximumX: singleKey.dragArea ? singleKey.dragArea.width - singleKey.width : 0
        drag.minimumY: 0
        drag.maximumY: singleKey.dragArea ? singleKey.dragArea.height - singleKey.height : 0
    }
    Text {
        x: 12
        height: 30
        verticalAlignment: Text.AlignVCenter
        text: singleKey.macroKeyLang[7]
        color: singleKey.fontColor
        font.family: singleKey.fontFamily
        font.pixelSize: singleKey.fontSize
        font.bold: true
    }
    Button {
        objectName: "singleKeyClose"
        x: parent.width - width - 7
        y: 6
        source: singleKey.skin + "minBtn.png"
        hoverSource: singleKey.skin + "minBtnH.png"
        onClicked: singleKey.closeSure()
    }
    Text {
        y: 46
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: singleKey.macroKeyLang[8]
        color: singleKey.fontColor
        font.family: singleKey.fontFamily
        font.pixelSize: singleKey.fontSize
    }
    Rectangle {
        x: 60
        y: 76
        width: 200
        height: 44
        color: "#101010"
        border.color: singleKey.keyName !== "" ? "#ea5514" : "#4e3434"

        Text {
            objectName: "singleKeyName"
            anchors.centerIn: parent
            text: singleKey.keyName
            color: singleKey.fontColor
            font.family: singleKey.fontFamily
            font.pixelSize: 20
            font.bold: true
        }
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 50
        spacing: 30

        Button {
            objectName: "singleKeyOk"
            width: 88
            height: 25
            text: singleKey.macroKeyLang[5]
            fontFamily: singleKey.fontFamily
            fontSize: singleKey.fontSize
            textColor: singleKey.fontColor
            onClicked: singleKey.accept()
        }
        Button {
            objectName: "singleKeyCancel"
            width: 88
            height: 25
            text: singleKey.macroKeyLang[6]
            fontFamily: singleKey.fontFamily
            fontSize: singleKey.fontSize
            textColor: singleKey.fontColor
            onClicked: singleKey.closeSure()
        }
    }
}
