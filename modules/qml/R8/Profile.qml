pragma ComponentBehavior: Bound
import QtQuick
import ".."
import "texts.js" as Texts

// "Config": the user's profiles. The list is `profiles` (a ProfileList),
// which outlives the dialog; choosing an entry switches the page to it, and
// the list is stored at every change.
DialogFrame {
    id: profile

    required property ProfileList profiles
    property int profileNo: 0          // the current profile, the page's
    required property var mainLang
    // The "follow" table: "Programs..." and the programs dialog's texts.
    required property var followLang
    // The places of the texts in the table.
    readonly property var texts: Texts.Main
    readonly property string skin: "qrc:/profile/modules/img/skin" + Theme.skinNo + "/profile/"

    // Delete, Edit, Copy, Load, Save, Programs...
    property var menuTexts: ["删除", "编辑", "复制", "加载", "保存", "程序..."]
    // The view model's list model, which the page's tools cannot see into.
    readonly property var profileModel: profiles.model()
    readonly property int profileLimit: profileModel.limit
    readonly property int nameLength: 32
    property int selected: -1          // list index
    property int editing: -1
    property bool menuOpen: false

    signal changeProfile(int tmpProfileNo)
    // An import replaced the current profile: the page shows and sends it.
    signal profileImported()

    // ---- the list

    // The texts and the current profile chosen; whenever the list is read.
    function init(): void {
        const labels = []
        for (let i = 0; i < 5; ++i)
            labels.push(mainLang[profile.texts.deleteProfile + i])
        labels.push(followLang[0] !== undefined ? followLang[0] : "")
        menuTexts = labels
        editing = -1
        // The highlighted row is the page's profile, or none when the list
        // lacks it (the command line may switch to any of the ten).
        selected = profileModel.indexOfNumber(profileNo)
    }

    function select(index: int): void {
        if (index < 0 || index >= profileModel.count)
            return
        selected = index
        changeProfile(profileModel.numberAt(index))
    }

    // "profile_" and the first free number, on the lowest free profile,
    // with the factory settings.
    function newProfile(): void {
        const no = profileModel.addNew(profileNo)
        if (no < 0)
            return
        ui_View.resetProfile(no)
        select(profileModel.count - 1)
    }

    // The chosen profile leaves the list (its files stay); the button keeps
    // two, the context menu does not ask. The page goes to its neighbour.
    function deleteProfile(keepTwo: bool): void {
        if (selected < 0 || selected >= profileModel.count || (keepTwo && profileModel.count <= 2))
            return
        const index = selected
        profileModel.remove(index)
        selected = -1
        select(Math.min(index, profileModel.count - 1))
    }

    // False when refused: empty, too long, or the name of another profile.
    function renameProfile(index: int, text: string): bool {
        editing = -1
        return profileModel.rename(index, text)
    }

    // The copy takes the lowest free number; with six profiles there is none
    // in the list, the copy goes to number 6 and the list stays as it is.
    function copyProfile(): void {
        const name = profileModel.copyName(selected)
        if (name === "")
            return
        const no = profileModel.freeNumber(profileNo)
        if (no === profileNo)
            return
        ui_View.copyProfile(no, profileModel.numberAt(selected))
        if (profileModel.add(name, no))
            select(profileModel.count - 1)
    }

    // Import into the current profile; the page follows only when a file was read.
    function loadProfile(): void {
        const imported = ui_View.loadProfile(profileNo)
        ui_View.loadProfileMacroData(profileNo)
        ui_View.loadProfileGunData(profileNo)
        if (imported)
            profileImported()
    }

    // Export of the current profile with the macros and gun presets it may use.
    function saveProfile(): void {
        ui_View.saveProfile(profileNo, ui_View.macroList.carriedNames(), ui_View.gunList.carriedNames())
    }

    function openContextMenu(x: real, y: real): void {
        contextMenu.x = Math.max(2, Math.min(x, width - contextMenu.width - 2))
        contextMenu.y = Math.max(2, Math.min(y, height - contextMenu.height - 2))
        menuOpen = true
    }

    function menuAction(index: int): void {
        menuOpen = false
        if (index === 0)
            deleteProfile(false)
        else if (index === 1)
            editing = selected
        else if (index === 2)
            copyProfile()
        else if (index === 3)
            loadProfile()
        else if (index === 4)
            saveProfile()
        else if (selected >= 0)
            programsDialog.open(profileModel.numberAt(selected))
    }

    function profileEditorFocus(): void {
        menuOpen = false
        editing = -1
    }

    function close(): void {
        profileEditorFocus()
        programsDialog.visible = false
        closeRequested()
    }

    background: skin + "profileBG.png"
    title: mainLang[profile.texts.config] !== undefined ? mainLang[profile.texts.config] : ""
    titleX: 10
    titleTop: 9
    dragArea: null
    holdsPresses: true
    closeSource: skin + "profileCloseBtn.png"
    closeName: "profileClose"
    closeRightMargin: 9
    closeY: 12
    onFramePressed: profileEditorFocus()
    onCloseClicked: close()
    Component.onCompleted: init()

    Connections {
        target: profile.profiles
        function onReloaded() { profile.init() }
    }

    // The list area.
    Item {
        x: 0
        y: 31
        width: 263
        height: 544

        ListView {
            id: profileList
            objectName: "profileList"
            x: 8
            y: 6
            width: parent.width - 16
            height: profile.profileLimit * 34
            interactive: false
            spacing: 4
            model: profile.profileModel

            delegate: Rectangle {
                id: profileRow
                required property int index
                required property int profileNo
                required property string profileName
                objectName: "profileRow" + index
                width: profileList.width
                height: 30
                color: profile.selected === profileRow.index ? "#761212" : rowArea.containsMouse ? "#2a1a1a" : "#1a1a1a"
                border.color: profile.selected === profileRow.index ? "#b03b3b" : "#2e2e2e"

                // The profile's number, as the mouse counts them.
                Rectangle {
                    x: 6
                    anchors.verticalCenter: parent.verticalCenter
                    width: 20
                    height: 20
                    radius: 10
                    color: profile.selected === profileRow.index ? "#4f1717" : "#262626"
                    border.color: profile.selected === profileRow.index ? "#ea5514" : "#4a4a4a"

                    Text {
                        anchors.centerIn: parent
                        text: profileRow.profileNo + 1
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize - 2
                    }
                }
                Text {
                    x: 36
                    width: parent.width - 44
                    anchors.verticalCenter: parent.verticalCenter
                    visible: profile.editing !== profileRow.index
                    elide: Text.ElideRight
                    text: profileRow.profileName
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onPressed: (mouse) => {
                        profile.profileEditorFocus()
                        profile.select(profileRow.index)
                        if (mouse.button === Qt.RightButton) {
                            const p = mapToItem(profile, mouse.x, mouse.y)
                            profile.openContextMenu(p.x, p.y)
                        }
                    }
                    onDoubleClicked: (mouse) => { if (mouse.button === Qt.LeftButton) profile.editing = profileRow.index }
                }
                Rectangle {
                    x: 32
                    y: 4
                    width: parent.width - 38
                    height: parent.height - 8
                    visible: profileRow.index >= 0 && profile.editing === profileRow.index
                    color: "#221815"
                    border.color: "#ea5514"

                    TextInput {
                        id: nameField
                        objectName: "profileNameField"
                        x: 5
                        width: parent.width - 10
                        anchors.verticalCenter: parent.verticalCenter
                        clip: true
                        maximumLength: profile.nameLength
                        color: Theme.fontColor
                        selectionColor: "#b03b3b"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        onAccepted: profile.renameProfile(profileRow.index, text)
                        Keys.onEscapePressed: profile.editing = -1
                    }
                    onVisibleChanged: {
                        if (!visible)
                            return
                        nameField.text = profileRow.profileName
                        nameField.selectAll()
                        nameField.forceActiveFocus()
                    }
                }
            }
        }

        Text {
            objectName: "profileCount"
            anchors.horizontalCenter: parent.horizontalCenter
            y: parent.height - 64
            text: profile.profileModel.count + " / " + profile.profileLimit
            color: "#6a6a6a"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize - 2
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            y: parent.height - 42
            spacing: 20

            Button {
                objectName: "profileNew"
                source: profile.skin + "profileDeleteBtn0.png"
                text: profile.mainLang[profile.texts.newProfile] !== undefined ? profile.mainLang[profile.texts.newProfile] : ""
                opacity: profile.profileModel.count < profile.profileLimit ? 1 : 0.3
                onClicked: {
                    profile.profileEditorFocus()
                    profile.newProfile()
                }
            }
            Button {
                objectName: "profileDelete"
                source: profile.skin + "profileDeleteBtn0.png"
                text: profile.mainLang[profile.texts.deleteProfile] !== undefined ? profile.mainLang[profile.texts.deleteProfile] : ""
                opacity: profile.profileModel.count > 2 ? 1 : 0.3
                onClicked: {
                    profile.profileEditorFocus()
                    profile.deleteProfile(true)
                }
            }
        }
    }

    // ---- right-click menu of the list

    Rectangle {
        id: contextMenu
        objectName: "profileMenu"
        width: 110
        height: 6 + 6 * 21 - 4
        color: "#171717"
        border.color: "#5e5e5e"
        visible: profile.menuOpen

        Column {
            x: 3
            y: 3
            spacing: 4

            Repeater {
                model: 6

                Rectangle {
                    id: menuRow
                    required property int index
                    objectName: "profileMenu" + index
                    width: 104
                    height: 17
                    color: itemArea.containsMouse ? "#761212" : "#4f1717"

                    Text {
                        x: 6
                        anchors.verticalCenter: parent.verticalCenter
                        text: profile.menuTexts[menuRow.index]
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                    }
                    MouseArea {
                        id: itemArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: profile.menuAction(menuRow.index)
                    }
                }
            }
        }
    }

    ProgramsDialog {
        id: programsDialog
        x: 20
        y: 70
        z: 3
        followLang: profile.followLang
        profileModel: profile.profileModel
    }
}
