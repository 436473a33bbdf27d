import QtQuick
import ".."

// The function menu beside a button of the key matrix. Coded items hand
// their code to the page; the others open a sub-menu or ask for a dialog.
// Sub-menus open to the right of the item under the pointer and stay inside
// the page.
Rectangle {
    id: keyMenu

    property var keyMenuLang: []       // the page's texts
    property int selectKey: -1
    // Per gun slot: its preset name while it is on a button, "" otherwise,
    // and the button it is on (-1 none).
    property var gunMenuNames: ["", "", ""]
    property var gunKeyIndexes: [-1, -1, -1]
    property int pageHeight: 640
    property string fontFamily
    property int fontSize: 12
    property color fontColor: "#ffffff"

    // Items: the text index and the code, or the sub-menu or dialog it opens.
    readonly property var mainItems: [
        { lang: 0, code: "0100f000" }, { lang: 1, code: "0100f100" }, { lang: 2, code: "0100f200" },
        { lang: 3, code: "0f002e00" }, { lang: 42, code: "0100f400" }, { lang: 4, code: "0f000500" },
        { lang: 43, code: "0100f300" }, { lang: 8, sub: "basic" }, { lang: 7, sub: "media" },
        { lang: 9, sub: "more" }, { lang: 6, sub: "dpi" }, { lang: 5, code: "0af01e02" },
        { lang: 10, action: "singleKey" }, { lang: 11, action: "macro" }, { lang: 12, sub: "gun" },
        { lang: 13, code: "00000000" }]
    readonly property var subItems: ({
        basic: [{ lang: 25, code: "0000e011" }, { lang: 26, code: "0000e01b" }, { lang: 27, code: "0000e006" },
                { lang: 28, code: "0000e019" }, { lang: 29, code: "0000e016" }, { lang: 30, code: "0000e013" },
                { lang: 31, code: "0000e009" }, { lang: 32, code: "0000e01c" }, { lang: 33, code: "0000e01d" },
                { lang: 34, code: "0000e004" }],
        media: [{ lang: 17, code: "03008301" }, { lang: 18, code: "0300b500" }, { lang: 19, code: "0300b600" },
                { lang: 20, code: "0300b700" }, { lang: 21, code: "0300cd00" }, { lang: 22, code: "0300e200" },
                { lang: 23, code: "0300e900" }, { lang: 24, code: "0300ea00" }],
        more: [{ lang: 35, code: "03009401" }, { lang: 36, code: "03002302" }, { lang: 37, code: "03002102" },
               { lang: 38, code: "00042c1b" }, { lang: 39, code: "00042c11" }, { lang: 40, code: "0000e307" },
               { lang: 41, code: "0000e315" }],
        dpi: [{ lang: 14, code: "07000100" }, { lang: 15, code: "07000200" }, { lang: 16, code: "07000300" }],
        gun: [{ lang: 45, gun: 0 }, { lang: 46, gun: 1 }, { lang: 47, gun: 2 }]
    })
    readonly property int rowHeight: 17
    readonly property int rowPitch: 21
    readonly property int margin: 3

    property string openSub: ""
    property int subY: 0
    property int openGun: -1
    property int gunSubY: 0

    signal codeChosen(string code)
    signal singleKeyChosen()
    signal macroChosen()
    signal gunAssignChosen(int gun)
    signal gunEnableChosen(int gun)
    signal gunDisableChosen(int gun)

    function init() {
        closeSubMenus()
    }

    function showControl() {
        closeSubMenus()
        visible = true
    }

    function closeSubMenus() {
        openSub = ""
        openGun = -1
    }

    function menuHeight(count) {
        return 2 * margin + count * rowPitch - (rowPitch - rowHeight)
    }

    // A sub-menu level with the item at `itemY` (in the menu) as its top,
    // moved up as far as it must to end inside the page.
    function placeBelow(itemY, count, menuY) {
        var overflow = y + menuY + itemY + menuHeight(count) - pageHeight
        return overflow > 0 ? Math.max(-y - menuY, itemY - overflow) : itemY
    }

    function enterMain(index) {
        var it = mainItems[index]
        openGun = -1
        if (it.sub === undefined) {
            openSub = ""
            return
        }
        openSub = it.sub
        subY = placeBelow(margin + index * rowPitch - margin, subItems[it.sub].length, 0)
    }

    function chooseMain(index) {
        var it = mainItems[index]
        if (it.code !== undefined)
            codeChosen(it.code)
        else if (it.action === "singleKey")
            singleKeyChosen()
        else if (it.action === "macro")
            macroChosen()
        else
            enterMain(index)
    }

    function gunText(g) {
        return gunMenuNames[g] !== undefined && gunMenuNames[g] !== "" ? gunMenuNames[g] : keyMenuLang[45 + g]
    }

    // What gun slot g offers for this button: a slot on no button can be
    // assigned or enabled here, one on this button also disabled, one on
    // another button nothing.
    function gunActions(g) {
        if (gunKeyIndexes[g] === -1)
            return [48, 49]
        if (gunKeyIndexes[g] === selectKey)
            return [48, 49, 50]
        return []
    }

    function enterSub(index) {
        var it = subItems[openSub][index]
        if (it.gun === undefined) {
            openGun = -1
            return
        }
        openGun = it.gun
        gunSubY = placeBelow(margin + index * rowPitch - margin, Math.max(1, gunActions(it.gun).length), subY)
    }

    function chooseSub(index) {
        var it = subItems[openSub][index]
        if (it.code !== undefined)
            codeChosen(it.code)
        else
            enterSub(index)
    }

    function chooseGunAction(lang) {
        var g = openGun
        if (lang === 48)
            gunAssignChosen(g)
        else if (lang === 49)
            gunEnableChosen(g)
        else if (lang === 50)
            gunDisableChosen(g)
    }

    width: 136
    height: 338
    color: "#171717"
    border.color: "#5e5e5e"
    visible: false
    onVisibleChanged: if (!visible) closeSubMenus()

    // Inline components see no ids of this file: what they show comes in.
    component MenuRow: Rectangle {
        id: menuRow
        property string label
        property bool opensMenu: false
        property bool open: false
        property string fontFamily
        property int fontSize: 12
        property color fontColor: "#ffffff"
        signal entered()
        signal chosen()

        width: 130
        height: 17
        color: rowArea.containsMouse || open ? "#761212" : "#4f1717"

        // Long labels shrink a little rather than lose their end.
        Text {
            x: 6
            width: parent.width - (menuRow.opensMenu ? 16 : 10)
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            elide: Text.ElideRight
            text: menuRow.label
            color: menuRow.fontColor
            font.family: menuRow.fontFamily
            font.pixelSize: menuRow.fontSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            visible: menuRow.opensMenu
            text: "›"
            color: menuRow.fontColor
            font.pixelSize: menuRow.fontSize
        }
        MouseArea {
            id: rowArea
            anchors.fill: parent
            hoverEnabled: true
            onContainsMouseChanged: if (containsMouse) menuRow.entered()
            onClicked: menuRow.chosen()
        }
    }

    component SubMenu: Rectangle {
        property int count: 0
        width: 136
        height: 6 + Math.max(1, count) * 21 - 4
        color: "#171717"
        border.color: "#5e5e5e"
    }

    // Rows are placed by hand, not by a Column: a sub-menu's rows must be
    // where they belong the moment it opens.
    Item {
        x: keyMenu.margin
        y: keyMenu.margin

        Repeater {
            model: keyMenu.mainItems

            MenuRow {
                objectName: "keyMenuItem" + modelData.lang
                y: index * keyMenu.rowPitch
                label: keyMenu.keyMenuLang[modelData.lang]
                fontFamily: keyMenu.fontFamily
                fontSize: keyMenu.fontSize
                fontColor: keyMenu.fontColor
                opensMenu: modelData.sub !== undefined
                open: modelData.sub !== undefined && keyMenu.openSub === modelData.sub
                onEntered: keyMenu.enterMain(index)
                onChosen: keyMenu.chooseMain(index)
            }
        }
    }

    SubMenu {
        id: subMenu
        objectName: "keyMenuSub"
        x: 134
        y: keyMenu.subY
        visible: keyMenu.openSub !== ""
        count: visible ? keyMenu.subItems[keyMenu.openSub].length : 0

        Item {
            x: keyMenu.margin
            y: keyMenu.margin

            Repeater {
                model: subMenu.visible ? keyMenu.subItems[keyMenu.openSub] : []

                MenuRow {
                    objectName: "keyMenuItem" + modelData.lang
                    y: index * keyMenu.rowPitch
                    label: modelData.gun !== undefined ? keyMenu.gunText(modelData.gun) : keyMenu.keyMenuLang[modelData.lang]
                    fontFamily: keyMenu.fontFamily
                    fontSize: keyMenu.fontSize
                    fontColor: keyMenu.fontColor
                    opensMenu: modelData.gun !== undefined
                    open: modelData.gun !== undefined && keyMenu.openGun === modelData.gun
                    onEntered: keyMenu.enterSub(index)
                    onChosen: keyMenu.chooseSub(index)
                }
            }
        }

        SubMenu {
            id: gunMenu
            objectName: "keyMenuGunSub"
            x: 134
            y: keyMenu.gunSubY
            visible: keyMenu.openGun >= 0 && count > 0
            count: keyMenu.openGun >= 0 ? keyMenu.gunActions(keyMenu.openGun).length : 0

            Item {
                x: keyMenu.margin
                y: keyMenu.margin

                Repeater {
                    model: gunMenu.visible ? keyMenu.gunActions(keyMenu.openGun) : []

                    MenuRow {
                        objectName: "keyMenuItem" + modelData
                        y: index * keyMenu.rowPitch
                        label: keyMenu.keyMenuLang[modelData]
                        fontFamily: keyMenu.fontFamily
                        fontSize: keyMenu.fontSize
                        fontColor: keyMenu.fontColor
                        onChosen: keyMenu.chooseGunAction(modelData)
                    }
                }
            }
        }
    }
}
