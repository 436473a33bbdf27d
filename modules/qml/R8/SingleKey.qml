import QtQuick
import ".."
import "texts.js" as Texts

// "Key": the next key pressed on the keyboard becomes the button's function.
DialogFrame {
    id: singleKey

    required property var macroKeyLang     // the page's texts
    // The places of the texts in the table.
    readonly property var texts: Texts.MacroKey
    required property KeyCodeString keyCodes
    readonly property string skin: "qrc:/index/modules/img/skin" + Theme.skinNo + "/index/"
    property string keyName: ""
    property int usage: 0

    signal keyAssigned(int usage)

    function showUI(): void {
        keyName = ""
        usage = 0
    }

    // Key presses only; a key without a name is no function.
    function detectKeyboard(isDown: bool, usbCode: int): void {
        if (!isDown)
            return
        const name = keyCodes.keyName(usbCode)
        if (name === "")
            return
        keyName = name
        usage = usbCode
    }

    function accept(): void {
        if (keyName !== "")
            keyAssigned(usage)
        closeRequested()
    }

    background: skin + "singleKeyBg.png"
    title: macroKeyLang[singleKey.texts.keyTitle]
    closeSource: skin + "minBtn.png"
    closeHoverSource: skin + "minBtnH.png"
    closeName: "singleKeyClose"
    closeRightMargin: 7
    onCloseClicked: closeRequested()

    Text {
        y: 46
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: singleKey.macroKeyLang[singleKey.texts.keyPrompt]
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
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
            color: Theme.fontColor
            font.family: Theme.fontFamily
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
            text: singleKey.macroKeyLang[singleKey.texts.ok]
            onClicked: singleKey.accept()
        }
        Button {
            objectName: "singleKeyCancel"
            width: 88
            height: 25
            text: singleKey.macroKeyLang[singleKey.texts.cancel]
            onClicked: singleKey.closeRequested()
        }
    }
}
