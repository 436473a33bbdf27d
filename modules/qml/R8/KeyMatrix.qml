pragma ComponentBehavior: Bound
import QtQuick
import ".."
import "texts.js" as Texts

// "Button Assignment": what each button of the mouse does. The rows and the
// rules are ui_View.buttons (the four key matrices of the current profile and
// the button of each gun slot); this panel shows eight of its sixteen rows.
Frame {
    id: keyMatrix

    property var keyMatrixLang: ["Macro: ", "Deactivated", "Keyboard Key-", "Button Assignment", "Button "]
    property int language: 0
    property int selectKey: -1         // the button whose menu is open
    // Names the gun preset of each gun slot.
    required property GunPresets presets

    // The buttons of the current profile; the model stores and sends. A
    // view model may go before the page (a test's), so the page copes with
    // none. A `var`: the model's C++ type is not one QML knows.
    readonly property var buttons: ui_View.buttons
    // Per gun slot: {gunKeyIndex: the button that carries it (-1 none), gunKeyType: its play mode}.
    readonly property var gunKeyData: buttons ? buttons.gunKeyData : []
    readonly property var gunKeyIndexes: buttons ? buttons.gunKeyIndexes : [-1, -1, -1]
    readonly property int shownRows: 8

    signal keyClicked(int index)
    signal keyHovered(int index)
    signal keyLeft(int index)
    // A button plays the macro of `slot`: the mouse needs it in that slot.
    signal sendMacroRequested(int slot, string name)
    // A gun slot left its button; its preset choice goes back to the default.
    signal gunSlotCleared(int slot)

    Binding { target: keyMatrix.buttons; property: "language"; value: keyMatrix.language }
    Binding { target: keyMatrix.buttons; property: "keyMatrixLang"; value: keyMatrix.keyMatrixLang }
    Connections {
        target: keyMatrix.buttons
        function onSendMacroRequested(slot, name) { keyMatrix.sendMacroRequested(slot, name) }
        function onGunSlotCleared(slot) { keyMatrix.gunSlotCleared(slot) }
    }

    function gunPresetNames(): var {
        return [presets.getMacroName(0), presets.getMacroName(1), presets.getMacroName(2)]
    }

    function init(isSendData: bool) { buttons.init(isSendData, gunPresetNames()) }
    function entry(layer: int, i: int): var { return buttons.entry(layer, i) }
    function entries(layer: int): var { return buttons.entries(layer) }
    function macroName(slot: int): string { return buttons.macroName(slot) }
    function refreashUI() { buttons.refreashUI() }
    function updateTexts() { buttons.updateTexts() }
    function controlGunShow(index: int, text: string) { buttons.controlGunShow(index, String(text)) }
    function initGunKeyShow() { buttons.initGunKeyShow(gunPresetNames()) }
    function mayReassign(index: int): bool { return buttons.mayReassign(index) }
    // The slot a macro for this button goes to, -1 when none is free.
    function macroSlotFor(index: int): int { return buttons.macroSlotFor(index) }
    // False when refused: the last left click stays.
    function modifyData(index: int, b0: int, b1: int, b2: int, b3: int): bool {
        return buttons.modifyData(index, [b0, b1, b2, b3])
    }
    function cancelGunKeyFun(index: int) { buttons.cancelGunKeyFun(index) }
    function openGunKeyProc(index: int, gun: int, mode: int): bool { return buttons.openGunKeyProc(index, gun, mode) }
    function closeGunKeyProc(index: int, gun: int) { buttons.closeGunKeyProc(index, gun) }
    function deleteMacroProc(name: string) { buttons.deleteMacroProc(String(name), gunPresetNames()) }

    // Where the function menu of button `index` opens, in page coordinates.
    function getx(index: int): int {
        return 249
    }

    function gety(index: int): int {
        return index >= 7 ? 278 : 131 + 21 * index
    }

    // Until the profile is read the factory functions show.
    Component.onCompleted: buttons.reset()

    title: keyMatrixLang[Texts.KeyMatrix.title]
    contentHeight: 183

    Column {
        x: 9
        y: 7
        spacing: 4

        Repeater {
            model: keyMatrix.buttons

            Item {
                id: row
                required property int index
                required property string keyText

                objectName: "keyRow" + index
                visible: index < keyMatrix.shownRows
                readonly property bool lit: area.containsMouse || keyMatrix.selectKey === index

                width: 224
                height: 17

                Rectangle {
                    width: 86
                    height: 17
                    color: "#161616"
                    border.color: "#626262"

                    Text {
                        anchors.centerIn: parent
                        text: keyMatrix.keyMatrixLang[Texts.KeyMatrix.button] + (row.index + 1)
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                    }
                }
                Rectangle {
                    x: 94
                    width: 130
                    height: 17
                    color: row.lit ? "#761212" : "#4f1717"
                    border.color: "#4e3434"

                    Text {
                        objectName: "keyText" + row.index
                        x: 6
                        width: parent.width - 12
                        anchors.verticalCenter: parent.verticalCenter
                        horizontalAlignment: Text.AlignHCenter
                        elide: Text.ElideRight
                        text: row.keyText
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                    }
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: keyMatrix.keyHovered(row.index)
                    onExited: keyMatrix.keyLeft(row.index)
                    onClicked: keyMatrix.keyClicked(row.index)
                }
            }
        }
    }
}
