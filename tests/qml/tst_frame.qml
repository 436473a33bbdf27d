import QtQuick
import QtTest
import "qrc:/modules/qml/R8"

TestCase {
    id: testCase
    name: "Frame"
    width: 300
    height: 300
    when: windowShown
    // A test case is hidden by default, and hidden items take no input.
    visible: true

    Component {
        id: frameComponent
        Frame {
            title: "Panel"
            contentHeight: 120
        }
    }

    SignalSpy { id: clickSpy; signalName: "clickFrame" }
    SignalSpy { id: openCloseSpy; signalName: "openCloseMenu" }

    function test_titleBarClosesAndOpensThePanel() {
        var frame = createTemporaryObject(frameComponent, testCase)
        clickSpy.target = frame
        clickSpy.clear()
        openCloseSpy.target = frame
        openCloseSpy.clear()
        var title = findChild(frame, "frameTitle")
        var body = findChild(frame, "frameBody")
        compare(frame.height, 138)

        mouseClick(title)
        // Still open until the content has slid away.
        verify(frame.isOpen)
        tryCompare(frame, "isOpen", false)
        compare(frame.height, 18)
        compare(body.y, -120)

        mouseClick(title)
        tryCompare(frame, "isOpen", true)
        compare(frame.height, 138)
        compare(body.y, 0)
        compare(clickSpy.count, 2)
        compare(openCloseSpy.count, 2)
    }
}
