pragma ComponentBehavior: Bound
import QtQuick
import ".."

// "Programs...": the programs a profile follows, edited as a list (typed in,
// or picked from the programs with a window open now), and the profile for
// every other program. Nothing is stored before OK.
InsertDialog {
    id: programs

    required property var followLang
    required property var profileModel
    property int profileNo: 0
    property string profileName: ""
    property var names: []
    property var withWindows: []
    property int selected: -1
    property int fallback: 0
    property bool choosingFallback: false
    property bool following: false
    property string refusal: ""
    readonly property int maxNames: 32

    signal finished()

    function lang(index: int): string {
        return followLang[index] !== undefined ? followLang[index] : ""
    }

    function open(profile: int): void {
        profileNo = profile
        const index = profileModel.indexOfNumber(profile)
        profileName = index >= 0 ? profileModel.nameAt(index) : String(profile + 1)
        names = ui_View.programsOf(profile)
        withWindows = ui_View.programsWithWindows()
        fallback = ui_View.followFallback()
        following = ui_View.isFollowing()
        selected = -1
        choosingFallback = false
        refusal = ""
        field.text = ""
        visible = true
        field.forceActiveFocus()
    }

    function listed(name: string): bool {
        return names.indexOf(name) >= 0
    }

    // False, with the reason shown, when the name cannot be a program's.
    function add(text: string): bool {
        const name = text.trim()
        if (name === "")
            return false
        if (!ui_View.isProgramName(name)) {
            refusal = lang(10)
            return false
        }
        refusal = ""
        // Not listed(): the Qt 6.4 qmllint crashes on that call from here.
        if (names.indexOf(name) < 0 && names.length < maxNames)
            names = names.concat([name])
        field.text = ""
        return true
    }

    function removeSelected(): void {
        if (selected < 0 || selected >= names.length)
            return
        const kept = names.slice()
        kept.splice(selected, 1)
        names = kept
        selected = Math.min(selected, names.length - 1)
    }

    function fallbackName(): string {
        const index = profileModel.indexOfNumber(fallback)
        return index >= 0 ? profileModel.nameAt(index) : String(fallback + 1)
    }

    function accept(): void {
        // A name typed and not yet added counts as added.
        if (field.text.trim() !== "" && !add(field.text))
            return
        ui_View.setPrograms(profileNo, names)
        ui_View.setFollowFallback(fallback)
        close()
    }

    function close(): void {
        visible = false
        choosingFallback = false
        finished()
    }

    objectName: "programsDialog"
    width: 300
    height: 440
    title: lang(1) + " \u2014 " + profileName
    okText: lang(5)
    cancelText: lang(6)
    buttonPrefix: "programs"
    onAccepted: accept()
    onRejected: close()

    Text {
        x: 12
        y: 8
        width: parent.width - 24
        text: programs.lang(2)
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        elide: Text.ElideRight
    }

    // The list.
    Rectangle {
        x: 12
        y: 28
        width: parent.width - 24
        height: 122
        color: "#1a1a1a"
        border.color: "#2e2e2e"

        ListView {
            id: nameList
            objectName: "programsList"
            anchors.fill: parent
            anchors.margins: 3
            clip: true
            spacing: 2
            model: programs.names

            delegate: Rectangle {
                id: nameRow
                required property int index
                required property string modelData
                objectName: "programsRow" + index
                width: nameList.width
                height: 20
                color: programs.selected === nameRow.index ? "#761212" : rowArea.containsMouse ? "#2a1a1a" : "transparent"

                Text {
                    x: 6
                    width: parent.width - 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: nameRow.modelData
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    elide: Text.ElideRight
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onPressed: programs.selected = nameRow.index
                }
            }
        }
        Text {
            anchors.centerIn: parent
            visible: programs.names.length === 0
            text: programs.lang(16)
            color: "#6a6a6a"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            elide: Text.ElideRight
        }
    }

    // Typing a name, Add and Remove.
    Rectangle {
        x: 12
        y: 158
        width: parent.width - 24 - 2 * 64 - 8
        height: 25
        color: "#221815"
        border.color: field.activeFocus ? "#ea5514" : "#4e3434"

        TextInput {
            id: field
            objectName: "programsField"
            x: 6
            width: parent.width - 12
            anchors.verticalCenter: parent.verticalCenter
            clip: true
            maximumLength: 255
            color: Theme.fontColor
            selectionColor: "#b03b3b"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            onAccepted: programs.add(text)
            onTextEdited: programs.refusal = ""
            Keys.onEscapePressed: programs.close()
        }
        Text {
            x: 6
            anchors.verticalCenter: parent.verticalCenter
            visible: field.text === "" && !field.activeFocus
            text: programs.lang(7)
            color: "#6a6a6a"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            elide: Text.ElideRight
        }
    }
    Button {
        objectName: "programsAdd"
        x: programs.width - 12 - 2 * 64 - 4
        y: 158
        width: 64
        height: 25
        text: programs.lang(3)
        opacity: programs.names.length < programs.maxNames ? 1 : 0.3
        onClicked: programs.add(field.text)
    }
    Button {
        objectName: "programsRemove"
        x: programs.width - 12 - 64
        y: 158
        width: 64
        height: 25
        text: programs.lang(4)
        opacity: programs.selected >= 0 ? 1 : 0.3
        onClicked: programs.removeSelected()
    }
    Text {
        objectName: "programsRefusal"
        x: 12
        y: 186
        width: parent.width - 24
        visible: programs.refusal !== ""
        text: programs.refusal
        color: "#ea5514"
        font.pixelSize: Theme.fontNormalSize - 2
        font.family: Theme.fontFamily
        elide: Text.ElideRight
    }

    // The programs with a window open now: a press puts the name in the field.
    Text {
        x: 12
        y: 202
        width: parent.width - 24
        text: programs.lang(8)
        color: "#a0a0a0"
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        elide: Text.ElideRight
    }
    Rectangle {
        x: 12
        y: 222
        width: parent.width - 24
        height: 76
        color: "#1a1a1a"
        border.color: "#2e2e2e"

        Flickable {
            anchors.fill: parent
            anchors.margins: 4
            clip: true
            contentHeight: openFlow.height

            Flow {
                id: openFlow
                width: parent.width
                spacing: 4

                Repeater {
                    model: programs.withWindows

                    Rectangle {
                        id: chip
                        required property int index
                        required property string modelData
                        objectName: "programsOpen" + index
                        width: Math.min(chipText.implicitWidth + 12, openFlow.width)
                        height: 20
                        color: chipArea.containsMouse ? "#761212" : "#4f1717"
                        border.color: "#4e3434"
                        opacity: programs.listed(chip.modelData) ? 0.4 : 1

                        Text {
                            id: chipText
                            x: 6
                            width: parent.width - 12
                            anchors.verticalCenter: parent.verticalCenter
                            text: chip.modelData
                            color: Theme.fontColor
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontNormalSize
                            elide: Text.ElideRight
                        }
                        MouseArea {
                            id: chipArea
                            anchors.fill: parent
                            hoverEnabled: true
                            onClicked: {
                                field.text = chip.modelData
                                programs.refusal = ""
                            }
                            onDoubleClicked: programs.add(chip.modelData)
                        }
                    }
                }
            }
        }
    }

    // The profile for every other program.
    Text {
        x: 12
        y: 308
        width: 120
        height: 25
        verticalAlignment: Text.AlignVCenter
        text: programs.lang(9)
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        elide: Text.ElideRight
    }
    Rectangle {
        id: fallbackBox
        objectName: "programsFallback"
        x: 136
        y: 308
        width: parent.width - 136 - 12
        height: 25
        color: fallbackArea.containsMouse ? "#2a1a1a" : "#1a1a1a"
        border.color: programs.choosingFallback ? "#ea5514" : "#4e3434"

        Text {
            x: 6
            width: parent.width - 24
            anchors.verticalCenter: parent.verticalCenter
            text: programs.fallbackName()
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            elide: Text.ElideRight
        }
        Text {
            x: parent.width - 16
            anchors.verticalCenter: parent.verticalCenter
            text: "\u25be"
            color: Theme.fontColor
            font.pixelSize: Theme.fontNormalSize
        }
        MouseArea {
            id: fallbackArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: programs.choosingFallback = !programs.choosingFallback
        }
    }
    Text {
        objectName: "programsOffHint"
        x: 12
        y: 336
        width: parent.width - 24
        height: 28
        visible: !programs.following
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        text: programs.lang(15)
        color: "#a0a0a0"
        font.pixelSize: Theme.fontNormalSize - 2
        font.family: Theme.fontFamily
    }

    // The profiles to choose from, opening upwards over the lists.
    Rectangle {
        objectName: "programsFallbackList"
        x: fallbackBox.x
        y: fallbackBox.y - height
        width: fallbackBox.width
        height: fallbackColumn.height + 6
        visible: programs.choosingFallback
        color: "#171717"
        border.color: "#5e5e5e"
        z: 2

        Column {
            id: fallbackColumn
            x: 3
            y: 3
            spacing: 2

            Repeater {
                model: programs.profileModel

                Rectangle {
                    id: choice
                    required property int index
                    required property int profileNo
                    required property string profileName
                    objectName: "programsFallback" + index
                    width: fallbackBox.width - 6
                    height: 20
                    color: choiceArea.containsMouse || programs.fallback === choice.profileNo ? "#761212" : "#4f1717"

                    Text {
                        x: 6
                        width: parent.width - 12
                        anchors.verticalCenter: parent.verticalCenter
                        text: (choice.profileNo + 1) + "  " + choice.profileName
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        elide: Text.ElideRight
                    }
                    MouseArea {
                        id: choiceArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            programs.fallback = choice.profileNo
                            programs.choosingFallback = false
                        }
                    }
                }
            }
        }
    }
}
