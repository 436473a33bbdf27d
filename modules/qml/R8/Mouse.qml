pragma ComponentBehavior: Bound
import QtQuick
import ".."

// The mouse in the middle of the page, from above or from the side, with one
// overlay per button: lit for the selected button, faint for the others.
Item {
    id: mouseView

    property bool isSide: false
    property int selectKey: -1
    property string topText: "Top View"
    property string sideText: "Side View"
    readonly property string skin: "qrc:/mouse/modules/img/skin" + Theme.skinNo + "/mouse/"
    // Top-left corners of the button overlays, in page coordinates.
    readonly property var topCorners: [[354, 100], [550, 100], [499, 177], [349, 263],
                                       [348, 324], [502, 246], [502, 286], [355, 202]]
    readonly property var sideCorners: [[376, 205], [327, 210], [420, 303], [488, 308],
                                        [539, 303], [466, 207], [494, 205], [466, 351]]

    signal viewButtonClicked()

    function overlaySource(n: int): string {
        // The number goes in as text explicitly: where the sum converts it, the
        // compiled function takes `n` for a string and the comparison fails.
        return skin + (isSide ? "MouseSide" : "Mouse") + String(n) + (selectKey === n ? "" : "S") + ".png"
    }

    Image {
        objectName: "mouseBase"
        anchors.horizontalCenter: parent.horizontalCenter
        y: mouseView.isSide ? 276 : 72
        source: mouseView.skin + (mouseView.isSide ? "MouseSide.png" : "MouseFront.png")
    }

    Repeater {
        model: 8

        Image {
            required property int index

            objectName: "mouseButton" + index
            readonly property var corner: mouseView.isSide ? mouseView.sideCorners[index] : mouseView.topCorners[index]
            x: corner[0]
            y: corner[1]
            source: mouseView.overlaySource(index)
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 525
        spacing: 12

        Repeater {
            model: [{ side: false, name: "topViewButton" }, { side: true, name: "sideViewButton" }]

            Image {
                id: viewButton
                required property var modelData

                objectName: modelData.name
                readonly property bool active: mouseView.isSide === modelData.side
                source: mouseView.skin + (active ? "mouseSidebtnS.png" : viewArea.containsMouse ? "mouseSidebtnH.png" : "mouseSidebtnN.png")

                Text {
                    anchors.centerIn: parent
                    text: viewButton.modelData.side ? mouseView.sideText : mouseView.topText
                    color: viewButton.active ? "#fa6726" : Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                MouseArea {
                    id: viewArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        mouseView.isSide = viewButton.modelData.side
                        mouseView.viewButtonClicked()
                    }
                }
            }
        }
    }
}
