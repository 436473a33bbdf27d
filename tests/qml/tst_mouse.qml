import QtQuick
import QtTest
import "qrc:/modules/qml/R8"

// The mouse picture: one lit button, and the two views.
TestCase {
    id: testCase
    name: "Mouse"
    width: 1000
    height: 640
    when: windowShown
    visible: true

    Component {
        id: mouseComponent
        Mouse { anchors.fill: parent }
    }

    function test_selectedButtonIsLit_data() {
        return [
            { tag: "none", side: false, key: -1, lit: [] },
            { tag: "button 3 from above", side: false, key: 3, lit: ["Mouse3.png"] },
            { tag: "button 0 from the side", side: true, key: 0, lit: ["MouseSide0.png"] },
        ]
    }

    function test_selectedButtonIsLit(data) {
        var picture = createTemporaryObject(mouseComponent, testCase, { isSide: data.side, selectKey: data.key })
        var lit = []
        for (var n = 0; n < 8; ++n) {
            var source = findChild(picture, "mouseButton" + n).source.toString()
            if (!source.endsWith("S.png"))
                lit.push(source.substring(source.lastIndexOf("/") + 1))
        }
        compare(lit, data.lit)
    }

    function test_viewButtonsSwitchTheView() {
        var picture = createTemporaryObject(mouseComponent, testCase)
        var base = findChild(picture, "mouseBase")
        mouseClick(findChild(picture, "sideViewButton"))
        verify(base.source.toString().endsWith("MouseSide.png"))
        verify(findChild(picture, "sideViewButton").source.toString().endsWith("mouseSidebtnS.png"))
        mouseClick(findChild(picture, "topViewButton"))
        verify(base.source.toString().endsWith("MouseFront.png"))
    }
}
