import QtQuick
import QtTest

// The polling-rate panel: its quadrants and the rate the mouse gets.
PageTestCase {
    name: "ReportRate"

    function openPanel() {
        var page = openPage()
        page.dashboard.language = 0
        reveal(page, item(page, "reprotRateMain"))
        return page
    }

    function test_quadrantPicksTheRate_data() {
        return [
            { tag: "upper right is 1000 Hz", x: 180, y: 30, rate: 1, picture: "reportRateEn3.png" },
            { tag: "lower right is 500 Hz", x: 180, y: 100, rate: 2, picture: "reportRateEn2.png" },
            { tag: "lower left is 250 Hz", x: 40, y: 100, rate: 4, picture: "reportRateEn1.png" },
            { tag: "upper left is 125 Hz", x: 40, y: 30, rate: 8, picture: "reportRateEn0.png" },
            { tag: "a drag ends where it is let go", x: 40, y: 30, rate: 2, picture: "reportRateEn2.png", to: [200, 110] },
        ]
    }

    function test_quadrantPicksTheRate(data) {
        var page = openPanel()
        var picture = item(page, "reportPicture")
        // From another rate, so that every row is a change.
        mouseClick(picture, data.rate === 8 ? 180 : 40, 30)
        mousePress(picture, data.x, data.y)
        if (data.to) {
            mouseMove(picture, (data.x + data.to[0]) / 2, (data.y + data.to[1]) / 2)
            mouseMove(picture, data.to[0], data.to[1])
        }
        mouseRelease(picture)
        verify(picture.source.toString().endsWith(data.picture), picture.source)
        compare(testRig.mouseState().reportRate, data.rate)
        compare(testRig.stored(testRig.currentProfile(), "sensor/reportRate_R8"), data.rate)
    }

    function test_storedRateAboveEightIsEight() {
        var page = openPanel()
        testRig.setStored(testRig.currentProfile(), "sensor/reportRate_R8", 12)
        item(page, "reprotRateMain").init(true)
        verify(item(page, "reportPicture").source.toString().endsWith("reportRateEn0.png"))
        compare(testRig.mouseState().reportRate, 8)
    }
}
