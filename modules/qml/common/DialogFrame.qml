import QtQuick
import ".."

// A dialog drawn on its skin picture: a bold title, the bar under it that
// drags the dialog inside `dragArea`, and a close button when it has a
// picture. The dialog's own items go on top. Its page shows and hides it.
Image {
    id: frame

    property url background
    property string title
    // The item the dialog is dragged inside; null: it is not draggable.
    property Item dragArea: parent
    readonly property int titleBarHeight: 30
    property int titleX: 12
    // The title's top edge, or -1: centred in the title bar.
    property int titleTop: -1
    // Presses on the dialog's face stay in it rather than reaching the page.
    property bool holdsPresses: false

    // The close button's pictures and objectName; no picture, no button.
    property url closeSource
    property url closeHoverSource
    property string closeName
    property int closeRightMargin: 8
    property int closeY: 6

    default property alias content: body.data

    // A press on the face or the title bar: the dialog's pop-ups close.
    signal framePressed()
    signal closeClicked()
    // The dialog is done; the page hides it.
    signal closeRequested()

    // The picture is held only while the dialog is shown.
    source: visible ? background : ""
    cache: false
    visible: false

    MouseArea {
        anchors.fill: parent
        enabled: frame.holdsPresses
        onPressed: frame.framePressed()
    }
    MouseArea {
        width: parent.width
        height: frame.titleBarHeight
        enabled: frame.dragArea !== null
        drag.target: frame
        drag.minimumX: 0
        drag.maximumX: frame.dragArea ? frame.dragArea.width - frame.width : 0
        drag.minimumY: 0
        drag.maximumY: frame.dragArea ? frame.dragArea.height - frame.height : 0
        onPressed: frame.framePressed()
    }
    Text {
        x: frame.titleX
        y: frame.titleTop >= 0 ? frame.titleTop : 0
        height: frame.titleTop >= 0 ? implicitHeight : frame.titleBarHeight
        verticalAlignment: Text.AlignVCenter
        text: frame.title
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        font.bold: true
    }
    Button {
        id: closeButton
        objectName: frame.closeName
        x: frame.width - width - frame.closeRightMargin
        y: frame.closeY
        visible: String(frame.closeSource) !== ""
        source: frame.closeSource
        hoverSource: frame.closeHoverSource
        onClicked: frame.closeClicked()
    }

    Item {
        id: body
        anchors.fill: parent
    }
}
