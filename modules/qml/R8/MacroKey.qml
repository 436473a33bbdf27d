pragma ComponentBehavior: Bound
import QtQuick
import ".."
import "texts.js" as Texts

// "Macro Key": a macro (or, in gun mode, a gun preset) for the selected
// button, with the way it plays.
DialogFrame {
    id: macroKey

    required property var macroKeyLang     // the page's texts
    // The places of the texts in the table.
    readonly property var texts: Texts.MacroKey
    readonly property string skin: "qrc:/index/modules/img/skin" + Theme.skinNo + "/index/"

    readonly property int macroMode: 1
    readonly property int gunMode: 2
    property int mode: macroMode
    property int gunSlot: 0            // gun mode: the slot the preset goes to
    property var names: []             // macros or gun presets, in list order
    property int selected: -1
    property int playMode: 0
    property bool listOpen: false

    signal macroChosen(string name, int playMode)
    signal gunChosen(int gun, int presetIndex, string name, int playMode)

    // Prepares the dialog for `nameList`; `current` is chosen when it is among them.
    function showUI(dialogMode: int, nameList: var, current: string, currentPlayMode: int): void {
        mode = dialogMode
        names = nameList
        selected = nameList.indexOf(current)
        playMode = currentPlayMode >= 0 && currentPlayMode <= 2 ? currentPlayMode : 0
        listOpen = false
    }

    function macroKeyFocus(): void {
        listOpen = false
    }

    function choose(index: int): void {
        selected = index
        listOpen = false
    }

    function accept(): void {
        if (selected >= 0 && selected < names.length) {
            if (mode === gunMode)
                gunChosen(gunSlot, selected, names[selected], playMode)
            else
                macroChosen(names[selected], playMode)
        }
        closeRequested()
    }

    background: skin + "macroKeyBg.png"
    title: macroKeyLang[macroKey.texts.title]
    holdsPresses: true
    onFramePressed: macroKeyFocus()
    onVisibleChanged: listOpen = false

    Text {
        x: 20
        y: 46
        width: 130
        wrapMode: Text.WordWrap
        text: macroKey.macroKeyLang[macroKey.texts.choose]
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
    }

    // The three ways to play, one chosen.
    Column {
        x: 170
        y: 46
        spacing: 16

        Repeater {
            model: 3

            Item {
                id: modeRow
                required property int index
                objectName: "playMode" + index
                width: 230
                height: 34

                Image {
                    y: 2
                    source: macroKey.skin + (macroKey.playMode === modeRow.index ? "macroTypeCheck.png" : "macroTypeCheck0.png")
                }
                Text {
                    x: 24
                    width: parent.width - 24
                    text: macroKey.macroKeyLang[macroKey.texts.playOnce + modeRow.index]
                    color: macroKey.playMode === modeRow.index ? "#fa6726" : Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        macroKey.macroKeyFocus()
                        macroKey.playMode = modeRow.index
                    }
                }
            }
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 44
        spacing: 30

        Button {
            objectName: "macroKeyOk"
            width: 88
            height: 25
            text: macroKey.macroKeyLang[macroKey.texts.ok]
            onClicked: macroKey.accept()
        }
        Button {
            objectName: "macroKeyCancel"
            width: 88
            height: 25
            text: macroKey.macroKeyLang[macroKey.texts.cancel]
            onClicked: macroKey.closeRequested()
        }
    }

    // The drop-down: the chosen name, and under it the list while open.
    Rectangle {
        id: dropHead
        objectName: "macroKeyDrop"
        x: 20
        y: 68
        width: 109
        height: 20
        color: "#282828"
        border.color: macroKey.listOpen ? "#b03b3b" : "#5e5e5e"

        Text {
            x: 5
            width: parent.width - 22
            anchors.verticalCenter: parent.verticalCenter
            elide: Text.ElideRight
            text: macroKey.selected >= 0 ? macroKey.names[macroKey.selected] : ""
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            text: "▾"
            color: Theme.fontColor
            font.pixelSize: Theme.fontNormalSize
        }
        MouseArea {
            anchors.fill: parent
            onClicked: macroKey.listOpen = !macroKey.listOpen
        }
    }

    Rectangle {
        objectName: "macroKeyList"
        x: dropHead.x
        y: dropHead.y + dropHead.height
        width: 109
        height: 129
        color: "#282828"
        border.color: "#5e5e5e"
        visible: macroKey.listOpen

        ListView {
            id: nameList
            x: 1
            y: 1
            width: parent.width - 2 - (scrollBar.visible ? scrollBar.width : 0)
            height: parent.height - 2
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: macroKey.names

            delegate: Rectangle {
                id: nameRow
                required property int index
                required property string modelData
                objectName: "macroKeyName" + index
                width: nameList.width
                height: 18
                color: macroKey.selected === index ? "#b03b3b" : rowArea.containsMouse ? "#999999" : "transparent"

                Text {
                    x: 5
                    width: parent.width - 10
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    text: nameRow.modelData
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: macroKey.choose(nameRow.index)
                }
            }
        }

        Rectangle {
            id: scrollBar
            x: parent.width - width - 1
            y: 1
            width: 15
            height: parent.height - 2
            color: "#1a1a1a"
            visible: nameList.contentHeight > 128

            Rectangle {
                x: 3
                width: 9
                radius: 4
                y: nameList.visibleArea.yPosition * parent.height
                height: Math.min(1, nameList.visibleArea.heightRatio) * parent.height
                color: "#767676"
            }
            MouseArea {
                anchors.fill: parent
                onPositionChanged: (mouse) => {
                    const end = Math.max(0, nameList.contentHeight - nameList.height)
                    nameList.contentY = Math.max(0, Math.min(end, mouse.y / height * nameList.contentHeight - nameList.height / 2))
                }
            }
        }
    }
}
