import QtQuick
import "keypages.js" as KeyPages

// "Button Assignment": what each button of the mouse does. The panel holds
// the four key matrices of the current profile (the normal layer and the
// three gun layers) and which button carries each gun slot; every change goes
// to the profile and the mouse through ui_View. Eight buttons are shown, the
// matrices have sixteen entries.
Frame {
    id: keyMatrix

    property var keyMatrixLang: ["Macro: ", "Deactivated", "Keyboard Key-", "Button Assignment", "Button "]
    property int language: 0
    // A gun key without a gun slot, English and Chinese.
    readonly property var gunButtonText: ["Gun Button", "枪键按键"]
    property QtObject keyCodes         // the key-name tables
    property int selectKey: -1         // the button whose menu is open
    // The name of the gun preset in gun slot 0 ... 2.
    property var gunPresetName: function (slot) { return "" }

    // Factory functions of the sixteen entries.
    readonly property var defalutValue: ["0100f000", "0100f100", "0100f200", "0f002e00", "0f000500", "08000101",
        "07000300", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
        "04000100", "04000200"]
    // Per gun slot: the button that carries it (-1 none) and its play mode.
    property var gunKeyData: [{ gunKeyIndex: -1, gunKeyType: 2 }, { gunKeyIndex: -1, gunKeyType: 2 },
                              { gunKeyIndex: -1, gunKeyType: 2 }]
    readonly property var gunKeyIndexes: [gunKeyData[0].gunKeyIndex, gunKeyData[1].gunKeyIndex,
                                          gunKeyData[2].gunKeyIndex]
    readonly property int shownRows: 8

    signal keyClicked(int index)
    signal keyHovered(int index)
    signal keyLeft(int index)
    // A button plays the macro of `slot`: the mouse needs it in that slot.
    signal sendMacroRequested(int slot, string name)
    // A gun slot left its button; its preset choice goes back to the default.
    signal gunSlotCleared(int slot)

    ListModel { id: modKeys }
    ListModel { id: mod1Keys }
    ListModel { id: mod2Keys }
    ListModel { id: mod3Keys }
    readonly property var layers: [modKeys, mod1Keys, mod2Keys, mod3Keys]

    function factory(i) {
        return KeyPages.parseCode(defalutValue[i])
    }

    function entry(layer, i) {
        var e = layers[layer].get(i)
        return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
    }

    function entries(layer) {
        var list = []
        for (var i = 0; i < KeyPages.entryCount; ++i)
            list.push(entry(layer, i))
        return list
    }

    function setEntry(layer, i, e) {
        var row = { keyCode0: e[0], keyCode1: e[1], keyCode2: e[2], keyCode3: e[3] }
        var model = layers[layer]
        if (i < model.count) {
            model.set(i, row)
        } else {
            row.keyText = ""
            model.append(row)
        }
    }

    function macroName(slot) {
        var name = ui_View.getMacroKey(slot)
        return typeof name === "string" ? name : ""
    }

    // ---- reading and sending

    // The entries of the current profile. A missing entry is the factory
    // function; a macro entry whose slot is not a button slot is too, in the
    // normal layer (gun layers play gun macros from their own slots).
    function readLayer(layer) {
        for (var i = 0; i < KeyPages.entryCount; ++i) {
            var fallback = layer === 0 ? factory(i) : entry(0, i)
            var stored = layer === 0 ? ui_View.getKeydefine(i) : ui_View.getGunKeydefine(layer + 1, i)
            var e = KeyPages.cleanEntry(stored, fallback)
            if (KeyPages.isMacro(e)) {
                e[2] -= 1
                var lastSlot = layer === 0 ? KeyPages.buttonSlots : 12
                if (e[2] < 0 || e[2] >= lastSlot)
                    e = fallback
            }
            setEntry(layer, i, e)
        }
    }

    // Which button carries each gun slot; a slot on a button that is no gun
    // key is on none.
    function readGunKeyData() {
        var stored = ui_View.getselectGunKey()
        var data = []
        for (var g = 0; g < KeyPages.gunSlots; ++g) {
            var index = parseInt(stored[g])
            var type = parseInt(stored[g + 3])
            if (isNaN(index) || index < 0 || index >= KeyPages.entryCount || !KeyPages.isGunKey(entry(0, index)))
                index = -1
            if (isNaN(type) || type < 0 || type > 2)
                type = 2
            data.push({ gunKeyIndex: index, gunKeyType: type })
        }
        gunKeyData = data
    }

    function storeGunKeyData() {
        var list = []
        for (var g = 0; g < KeyPages.gunSlots; ++g)
            list.push(gunKeyData[g].gunKeyIndex)
        for (g = 0; g < KeyPages.gunSlots; ++g)
            list.push(gunKeyData[g].gunKeyType)
        ui_View.setSelectGunKey(list)
    }

    function setGunKeyData(g, index, type) {
        var data = gunKeyData.slice()
        data[g] = { gunKeyIndex: index, gunKeyType: type }
        gunKeyData = data
        storeGunKeyData()
    }

    function init(isSendData) {
        for (var layer = 0; layer < 4; ++layer)
            readLayer(layer)
        readGunKeyData()
        updateTexts()
        initGunKeyShow()
        for (var i = 0; i < KeyPages.entryCount; ++i) {
            var e = entry(0, i)
            if (KeyPages.isMacro(e))
                sendMacroRequested(e[2], macroName(e[2]))
        }
        if (isSendData) {
            ui_View.ui_12H_SetKeyMatrix(KeyPages.matrixBytes(entries(0)))
            for (layer = 1; layer < 4; ++layer)
                ui_View.ui_12H_SetGunKeyMatrix(KeyPages.matrixBytes(entries(layer)), layer + 1)
            ui_View.ui_02H_SetKeyMatrixNo(0)
        }
    }

    // The gun layers follow the normal one: every button but the gun keys
    // does the same in all of them, and the left button plays its gun macro.
    function setGunKeyMatrix() {
        for (var layer = 1; layer < 4; ++layer) {
            for (var i = 0; i < KeyPages.entryCount; ++i) {
                var e = entry(0, i)
                if (!KeyPages.isGunKey(e))
                    setEntry(layer, i, e)
            }
            var bytes = KeyPages.gunLayerBytes(entries(layer), layer, gunKeyData[layer - 1].gunKeyType)
            ui_View.ui_12H_SetGunKeyMatrix(bytes, layer + 1)
        }
    }

    // Each gun key steps through the gun slots placed on it, in slot order,
    // and back to the normal layer.
    function linkGunKeys() {
        for (var k = 0; k < KeyPages.entryCount; ++k) {
            var e = entry(0, k)
            if (!KeyPages.isGunKey(e))
                continue
            var next = KeyPages.gunChain(gunKeyIndexes, k)
            for (var layer = 0; layer < 4; ++layer)
                setEntry(layer, k, [KeyPages.typeGun, 0, 0x01, next[layer]])
        }
    }

    function refreashUI() {
        updateTexts()
        linkGunKeys()
        ui_View.ui_12H_SetKeyMatrix(KeyPages.matrixBytes(entries(0)))
        setGunKeyMatrix()
        ui_View.ui_02H_SetKeyMatrixNo(0)
    }

    // ---- texts

    function functionText(e) {
        if (KeyPages.isMacro(e))
            return keyMatrixLang[0] + macroName(e[2])
        if (KeyPages.isZero(e))
            return keyMatrixLang[1]
        if (KeyPages.isSingleKey(e))
            return keyMatrixLang[2] + keyCodes.keyName(e[2])
        return keyCodes.functionName(KeyPages.codeText(e), language)
    }

    // Gun keys keep the gun text they show.
    function updateTexts() {
        for (var i = 0; i < modKeys.count; ++i)
            if (!KeyPages.isGunKey(entry(0, i)))
                modKeys.setProperty(i, "keyText", functionText(entry(0, i)))
    }

    function controlGunShow(index, text) {
        if (index >= 0 && index < modKeys.count)
            modKeys.setProperty(index, "keyText", String(text))
    }

    // A gun key shows the preset of the lowest gun slot on it, or "Gun Button".
    function initGunKeyShow() {
        for (var k = 0; k < modKeys.count; ++k) {
            if (!KeyPages.isGunKey(entry(0, k)))
                continue
            var text = gunButtonText[language === 1 ? 1 : 0]
            for (var s = KeyPages.gunSlots - 1; s >= 0; --s)
                if (gunKeyData[s].gunKeyIndex === k)
                    text = gunPresetName(s)
            modKeys.setProperty(k, "keyText", text)
        }
    }

    // ---- changes

    function mayReassign(index) {
        return index >= 0 && index < KeyPages.entryCount && KeyPages.mayReassign(entries(0), index)
    }

    // The slot a macro for this button goes to, -1 when none is free.
    function macroSlotFor(index) {
        return KeyPages.macroSlotFor(entries(0), index)
    }

    // False when refused: the last left click stays.
    function modifyData(index, b0, b1, b2, b3) {
        if (!mayReassign(index))
            return false
        var next = KeyPages.cleanEntry([b0, b1, b2, b3], [0, 0, 0, 0])
        if (KeyPages.isGunKey(entry(0, index)) && !KeyPages.isGunKey(next))
            freeGunSlots(index, true)
        setEntry(0, index, next)
        return true
    }

    // Gun slots on button `index` leave it. Only this button's slots: a gun
    // on another button keeps working there.
    function freeGunSlots(index, resetPreset) {
        for (var g = 0; g < KeyPages.gunSlots; ++g) {
            if (gunKeyData[g].gunKeyIndex !== index)
                continue
            setGunKeyData(g, -1, 2)
            if (resetPreset)
                gunSlotCleared(g)
        }
    }

    function cancelGunKeyFun(index) {
        freeGunSlots(index, false)
        storeGunKeyData()
    }

    // Gun slot `gun` goes on button `index` in play mode `mode`; a slot that
    // was on another button leaves it. False when refused (the last left click).
    function openGunKeyProc(index, gun, mode) {
        if (gun < 0 || gun >= KeyPages.gunSlots || !mayReassign(index))
            return false
        for (var layer = 0; layer < 4; ++layer)
            setEntry(layer, index, [KeyPages.typeGun, 0, 0x01, 0])
        setGunKeyData(gun, index, mode >= 0 && mode <= 2 ? mode : 2)
        linkGunKeys()
        return true
    }

    function closeGunKeyProc(index, gun) {
        if (gun < 0 || gun >= KeyPages.gunSlots || gunKeyData[gun].gunKeyIndex !== index)
            return
        setGunKeyData(gun, -1, 2)
        linkGunKeys()
    }

    // The buttons that played macro `name` get their factory functions.
    function deleteMacroProc(name) {
        var changed = false
        for (var i = 0; i < KeyPages.entryCount; ++i) {
            var e = entry(0, i)
            if (!KeyPages.isMacro(e) || macroName(e[2]) !== String(name))
                continue
            var f = factory(i)
            for (var layer = 0; layer < 4; ++layer)
                if (layer === 0 || KeyPages.isGunKey(f))
                    setEntry(layer, i, f)
            changed = true
        }
        if (changed) {
            refreashUI()
            initGunKeyShow()
        }
    }

    // Where the function menu of button `index` opens, in page coordinates.
    function getx(index) {
        return 249
    }

    function gety(index) {
        return index >= 7 ? 278 : 131 + 21 * index
    }

    // Until the profile is read the factory functions show.
    Component.onCompleted: {
        for (var layer = 0; layer < 4; ++layer)
            for (var i = 0; i < KeyPages.entryCount; ++i)
                setEntry(layer, i, factory(i))
        updateTexts()
        initGunKeyShow()
    }

    title: keyMatrixLang[3]
    contentHeight: 183

    Column {
        x: 9
        y: 7
        spacing: 4

        Repeater {
            model: modKeys

            Item {
                id: row
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
                        text: keyMatrix.keyMatrixLang[4] + (index + 1)
                        color: keyMatrix.fontColor
                        font.family: keyMatrix.fontFamily
                        font.pixelSize: keyMatrix.fontSize
                    }
                }
                Rectangle {
                    x: 94
                    width: 130
                    height: 17
                    color: row.lit ? "#761212" : "#4f1717"
                    border.color: "#4e3434"

                    Text {
                        objectName: "keyText" + index
                        x: 6
                        width: parent.width - 12
                        anchors.verticalCenter: parent.verticalCenter
                        horizontalAlignment: Text.AlignHCenter
                        elide: Text.ElideRight
                        text: model.keyText
                        color: keyMatrix.fontColor
                        font.family: keyMatrix.fontFamily
                        font.pixelSize: keyMatrix.fontSize
                    }
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: keyMatrix.keyHovered(index)
                    onExited: keyMatrix.keyLeft(index)
                    onClicked: keyMatrix.keyClicked(index)
                }
            }
        }
    }
}
