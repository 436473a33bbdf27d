import QtQuick
import QtTest

// The pointer-speed and double-click half dials: the value under the pointer
// and what the system is given when the button is let go.
PageTestCase {
    name: "RateDials"

    function test_pointOnTheDial_data() {
        var points = [
            { where: "far right below the centre line", x: 199, y: 75, value: 10 },
            { where: "far left below the centre line", x: 1, y: 75, value: 0 },
            { where: "just above the hub on the left", x: 0, y: 69, value: 0 },
            { where: "upper left diagonal", x: 30, y: 0, value: 3 },
            { where: "just left of straight up", x: 99, y: 0, value: 5 },
            { where: "straight above the hub", x: 100, y: 0, value: 6 },
            { where: "upper right diagonal", x: 170, y: 0, value: 8 },
        ]
        var rows = []
        points.forEach(function (p) {
            rows.push({ tag: "pointer speed, " + p.where, panel: "mouseRateMain", x: p.x, y: p.y,
                        sent: "pointerSpeeds", system: p.value === 0 ? 1 : 2 * p.value })
            rows.push({ tag: "double click, " + p.where, panel: "doubleRateMain", x: p.x, y: p.y,
                        sent: "doubleClickTimes", system: 900 - 70 * p.value })
        })
        return rows
    }

    function test_pointOnTheDial(data) {
        var page = openPage()
        var panel = item(page, data.panel)
        reveal(page, panel)
        var dial = item(panel, "dialPicture")
        testRig.clearPointer()
        mousePress(dial, data.x, data.y)
        // Nothing reaches the system while the button is held.
        compare(testRig[data.sent]().length, 0)
        mouseRelease(dial, data.x, data.y)
        compare(testRig[data.sent](), [data.system])
    }
}
