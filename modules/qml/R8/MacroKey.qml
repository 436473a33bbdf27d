import QtQuick
import ".."

// "Macro Key": a macro (or, in gun mode, a gun preset) for the selected
// button, with the way it plays.
Image {
    id: macroKey

    // The item the dialog is dragged inside.
    property Item dragArea: parent
    property var macroKeyLang: []     // the page's texts
    property int skinNo: 1
    property string fontFamily
    property int fontSize: 12
    property color fontColor: "#ffffff"
    readonly property string skin: "qrc:/index/modules/img/skin" + skinNo + "/index/"

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
    signal closeSure()

    // Shows the dialog with `names`; `current` is chosen when it is among them.
    function showUI(dialogMode, nameList, current, currentPlayMode) {
        mode = dialogMode
        names = nameList
        selected = nameList.indexOf(current)
        playMode = currentPlayMode >= 0 && currentPlayMode <= 2 ? currentPlayMode : 0
        listOpen = false
        visible = true
    }

    function macroKeyFocus() {
        listOpen = false
    }

    function choose(index) {
        selected = index
        listOpen = false
    }

    function accept() {
        if (selected >= 0 && selected < names.length) {
            if (mode === gunMode)
                gunChosen(gunSlot, selected, names[selected], playMode)
            else
                macroChosen(names[selected], playMode)
        }
        closeSure()
    }

    // The picture is held only while the dialog is shown.
    source: visible ? skin + "macroKeyBg.png" : ""
    cache: false
    visible: false
    onVisibleChanged: listOpen = false

    MouseArea {
        anchors.fill: parent
        onPressed: macroKey.macroKeyFocus()
    }
    MouseArea {
        width: parent.width
        height: 30
        drag.target: macroKey
        drag.minimumX: 0
        drag.maximumX: macroKey.dragArea ? macroKey.dragArea.width - macroKey.width : 0
        drag.minimumY: 0
        drag.maximumY: macroKey.dragArea ? macroKey.dragArea.height - macroKey.height : 0
        onPressed: macroKey.macroKeyFocus()
    }
    Text {
        x: 12
        height: 30
        verticalAlignment: Text.AlignVCenter
        text: macroKey.macroKeyLang[0]
        color: macroKey.fontColor
        font.family: macroKey.fontFamily
        font.pixelSize: macroKey.fontSize
        font.bold: true
    }

    Text {
        x: 20
        y: 46
        width: 130
        wrapMode: Text.WordWrap
        text: macroKey.macroKeyLang[1]
        color: macroKey.fontColor
        font.family: macroKey.fontFamily
        font.pixelSize: macroKey.fontSize
    }

    // The three ways to play, one chosen.
    Column {
        x: 170
        y: 46
        spacing: 16

        Repeater {
            model: 3

            Item {
                objectName: "playMode" + index
                width: 230
                height: 34

                Image {
                    y: 2
                    source: macroKey.skin + (macroKey.playMode === index ? "macroTypeCheck.png" : "macroTypeCheck0.png")
                }
                Text {
                    x: 24
                    width: parent.width - 24
                    text: macroKey.macroKeyLang[2 + index]
                    color: macroKey.playMode === index ? "#fa6726" : macroKey.fontColor
                    font.family: macroKey.fontFamily
                    font.pixelSize: macroKey.fontSize
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        macroKey.macroKeyFocus()
                        macroKey.playMode = index
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
            text: macroKey.macroKeyLang[5]
            fontFamily: macroKey.fontFamily
            fontSize: macroKey.fontSize
            textColor: macroKey.fontColor
            onClicked: macroKey.accept()
        }
        Button {
            objectName: "macroKeyCancel"
            width: 88
            height: 25
            text: macroKey.macroKeyLang[6]
            fontFamily: macroKey.fontFamily
            fontSize: macroKey.fontSize
            textColor: macroKey.fontColor
            onClicked: macroKey.closeSure()
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
            color: macroKey.fontColor
            font.family: macroKey.fontFamily
            font.pixelSize: macroKey.fontSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            text: "▾"
            color: macroKey.fontColor
            font.pixelSize: macroKey.fontSize
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
                objectName: "macroKeyName" + index
                width: nameList.width
                height: 18
                color: macroKey.selected === index ? "#b03b3b" : rowArea.containsMouse ? "#999999" : "transparent"

                Text {
                    x: 5
                    width: parent.width - 10
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    text: modelData
                    color: macroKey.fontColor
                    font.family: macroKey.fontFamily
                    font.pixelSize: macroKey.fontSize
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: macroKey.choose(index)
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
                    var end = Math.max(0, nameList.contentHeight - nameList.height)
                    nameList.contentY = Math.max(0, Math.min(end, mouse.y / height * nameList.contentHeight - nameList.height / 2))
                }
            }
        }
    }
}
