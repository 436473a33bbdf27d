import QtQuick
import ".."

// A collapsible setting panel: a title bar and, below it, the panel's content,
// which slides up under the bar when the bar is clicked.
Item {
    id: frame

    property string title
    property int contentHeight: 100
    property bool isOpen: true
    readonly property bool animating: closing.running || opening.running
    readonly property int titleHeight: 18

    default property alias content: body.data

    signal openCloseMenu()
    signal clickFrame()

    // A click while the panel is still moving is ignored, so the two
    // animations never fight over the height.
    function toggle() {
        if (animating)
            return
        if (isOpen)
            closing.start()
        else
            opening.start()
    }

    width: 242
    height: titleHeight + contentHeight

    Item {
        id: viewport
        y: frame.titleHeight
        width: frame.width
        height: frame.height - frame.titleHeight
        clip: true

        Rectangle {
            id: body
            objectName: "frameBody"
            width: frame.width
            height: frame.contentHeight
            color: "#b31a1a1a"
        }
    }

    Rectangle {
        id: titleBar
        objectName: "frameTitle"
        width: frame.width
        height: frame.titleHeight
        color: "#1a1a1a"

        Text {
            x: 7
            anchors.verticalCenter: parent.verticalCenter
            text: frame.title
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 7
            anchors.verticalCenter: parent.verticalCenter
            text: "—"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
        MouseArea {
            anchors.fill: parent
            onClicked: {
                frame.clickFrame()
                frame.openCloseMenu()
                frame.toggle()
            }
        }
    }

    ParallelAnimation {
        id: closing
        NumberAnimation {
            target: body; property: "y"
            to: -frame.contentHeight
            duration: Theme.animationSpeed; easing.type: Easing.OutQuint
        }
        NumberAnimation {
            target: frame; property: "height"
            to: frame.titleHeight
            duration: Theme.animationSpeed; easing.type: Easing.OutQuint
        }
        onFinished: frame.isOpen = false
    }

    ParallelAnimation {
        id: opening
        NumberAnimation {
            target: body; property: "y"
            to: 0
            duration: Theme.animationSpeed; easing.type: Easing.OutQuint
        }
        NumberAnimation {
            target: frame; property: "height"
            to: frame.titleHeight + frame.contentHeight
            duration: Theme.animationSpeed; easing.type: Easing.OutQuint
        }
        onFinished: frame.isOpen = true
    }
}
