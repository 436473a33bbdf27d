pragma ComponentBehavior: Bound
import QtQuick
import ".."
import "texts.js" as Texts

// The function menu beside a button of the key matrix. Coded items hand
// their code to the page; the others open a sub-menu or ask for a dialog.
// Sub-menus open to the right of the item under the pointer and stay inside
// the page.
Rectangle {
    id: keyMenu

    required property var keyMenuLang  // the page's texts
    property int selectKey: -1
    // Per gun slot: its preset name while it is on a button, "" otherwise,
    // and the button it is on (-1 none).
    property var gunMenuNames: ["", "", ""]
    property var gunKeyIndexes: [-1, -1, -1]
    property int pageHeight: 640

    // The places of the menu's texts in keyMenuLang.
    readonly property var texts: Texts.KeyMenu
    // Items: the text index and the code, or the sub-menu or dialog it opens.
    readonly property var mainItems: [
        { lang: texts.leftButton, code: "0100f000" }, { lang: texts.rightButton, code: "0100f100" }, { lang: texts.middleButton, code: "0100f200" },
        { lang: texts.autoRun, code: "0f002e00" }, { lang: texts.forward, code: "0100f400" }, { lang: texts.fireMode, code: "0f000500" },
        { lang: texts.back, code: "0100f300" }, { lang: texts.basicMenu, sub: "basic" }, { lang: texts.mediaMenu, sub: "media" },
        { lang: texts.moreMenu, sub: "more" }, { lang: texts.dpiMenu, sub: "dpi" }, { lang: texts.doubleClick, code: "0af01e02" },
        { lang: texts.assignKey, action: "singleKey" }, { lang: texts.macro, action: "macro" }, { lang: texts.gunMenu, sub: "gun" },
        { lang: texts.deactivated, code: "00000000" }]
    readonly property var subItems: ({
        basic: [{ lang: texts.newFile, code: "0000e011" }, { lang: texts.cut, code: "0000e01b" }, { lang: texts.copy, code: "0000e006" },
                { lang: texts.paste, code: "0000e019" }, { lang: texts.save, code: "0000e016" }, { lang: texts.print, code: "0000e013" },
                { lang: texts.find, code: "0000e009" }, { lang: texts.redo, code: "0000e01c" }, { lang: texts.undo, code: "0000e01d" },
                { lang: texts.selectAll, code: "0000e004" }],
        media: [{ lang: texts.mediaPlayer, code: "03008301" }, { lang: texts.nextTrack, code: "0300b500" }, { lang: texts.previousTrack, code: "0300b600" },
                { lang: texts.stop, code: "0300b700" }, { lang: texts.playPause, code: "0300cd00" }, { lang: texts.mute, code: "0300e200" },
                { lang: texts.volumeUp, code: "0300e900" }, { lang: texts.volumeDown, code: "0300ea00" }],
        more: [{ lang: texts.myComputer, code: "03009401" }, { lang: texts.webHome, code: "03002302" }, { lang: texts.search, code: "03002102" },
               { lang: texts.maximize, code: "00042c1b" }, { lang: texts.minimize, code: "00042c11" }, { lang: texts.showDesktop, code: "0000e307" },
               { lang: texts.run, code: "0000e315" }],
        dpi: [{ lang: texts.dpiUp, code: "07000100" }, { lang: texts.dpiDown, code: "07000200" }, { lang: texts.dpiLoop, code: "07000300" }],
        gun: [{ lang: texts.gun1, gun: 0 }, { lang: texts.gun2, gun: 1 }, { lang: texts.gun3, gun: 2 }]
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

    function init(): void {
        closeSubMenus()
    }

    // Prepares the menu for the page to show.
    function showControl(): void {
        closeSubMenus()
    }

    function closeSubMenus(): void {
        openSub = ""
        openGun = -1
    }

    function menuHeight(count: int): int {
        return 2 * margin + count * rowPitch - (rowPitch - rowHeight)
    }

    // A sub-menu level with the item at `itemY` (in the menu) as its top,
    // moved up as far as it must to end inside the page.
    function placeBelow(itemY: int, count: int, menuY: int): int {
        const overflow = y + menuY + itemY + menuHeight(count) - pageHeight
        return overflow > 0 ? Math.max(-y - menuY, itemY - overflow) : itemY
    }

    function enterMain(index: int): void {
        const it = mainItems[index]
        openGun = -1
        if (it.sub === undefined) {
            openSub = ""
            return
        }
        openSub = it.sub
        subY = placeBelow(margin + index * rowPitch - margin, subItems[it.sub].length, 0)
    }

    function chooseMain(index: int): void {
        const it = mainItems[index]
        if (it.code !== undefined)
            codeChosen(it.code)
        else if (it.action === "singleKey")
            singleKeyChosen()
        else if (it.action === "macro")
            macroChosen()
        else
            enterMain(index)
    }

    function gunText(g: int): string {
        return gunMenuNames[g] !== undefined && gunMenuNames[g] !== "" ? gunMenuNames[g] : keyMenuLang[texts.gun1 + g]
    }

    // What gun slot g offers for this button: a slot on no button can be
    // assigned or enabled here, one on this button also disabled, one on
    // another button nothing.
    function gunActions(g: int): var {
        if (gunKeyIndexes[g] === -1)
            return [texts.gunAssign, texts.gunEnable]
        if (gunKeyIndexes[g] === selectKey)
            return [texts.gunAssign, texts.gunEnable, texts.gunDisable]
        return []
    }

    function enterSub(index: int): void {
        const it = subItems[openSub][index]
        if (it.gun === undefined) {
            openGun = -1
            return
        }
        openGun = it.gun
        gunSubY = placeBelow(margin + index * rowPitch - margin, Math.max(1, gunActions(it.gun).length), subY)
    }

    function chooseSub(index: int): void {
        const it = subItems[openSub][index]
        if (it.code !== undefined)
            codeChosen(it.code)
        else
            enterSub(index)
    }

    function chooseGunAction(lang: int): void {
        const g = openGun
        if (lang === texts.gunAssign)
            gunAssignChosen(g)
        else if (lang === texts.gunEnable)
            gunEnableChosen(g)
        else if (lang === texts.gunDisable)
            gunDisableChosen(g)
    }

    width: 136
    height: 338
    color: "#171717"
    border.color: "#5e5e5e"
    onVisibleChanged: if (!visible) closeSubMenus()

    // Inline components see no ids of this file: what they show comes in.
    component MenuRow: Rectangle {
        id: menuRow
        property string label
        property bool opensMenu: false
        property bool open: false
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
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            visible: menuRow.opensMenu
            text: "›"
            color: Theme.fontColor
            font.pixelSize: Theme.fontNormalSize
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
                id: mainRow
                required property int index
                required property var modelData
                objectName: "keyMenuItem" + modelData.lang
                y: index * keyMenu.rowPitch
                label: keyMenu.keyMenuLang[modelData.lang]
                opensMenu: modelData.sub !== undefined
                open: modelData.sub !== undefined && keyMenu.openSub === modelData.sub
                onEntered: keyMenu.enterMain(mainRow.index)
                onChosen: keyMenu.chooseMain(mainRow.index)
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
                    id: subRow
                    required property int index
                    required property var modelData
                    objectName: "keyMenuItem" + modelData.lang
                    y: index * keyMenu.rowPitch
                    label: modelData.gun !== undefined ? keyMenu.gunText(modelData.gun) : keyMenu.keyMenuLang[modelData.lang]
                    opensMenu: modelData.gun !== undefined
                    open: modelData.gun !== undefined && keyMenu.openGun === modelData.gun
                    onEntered: keyMenu.enterSub(subRow.index)
                    onChosen: keyMenu.chooseSub(subRow.index)
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
                        id: gunRow
                        required property int index
                        required property int modelData
                        objectName: "keyMenuItem" + modelData
                        y: index * keyMenu.rowPitch
                        label: keyMenu.keyMenuLang[modelData]
                        onChosen: keyMenu.chooseGunAction(gunRow.modelData)
                    }
                }
            }
        }
    }
}
