import QtQuick
import QtTest

// The scroll panel: the line field with its arrows and focus rules, and the
// one-screen choice.
PageTestCase {
    name: "ScrollRate"

    function openPanel() {
        var page = openPage()
        reveal(page, item(page, "scrollRateMain"))
        testRig.clearPointer()
        return page
    }

    function test_arrowsStayWithinOneToHundred_data() {
        return [
            { tag: "up at 100 stays", text: "100", arrow: "linesUp", result: "100" },
            { tag: "down at 1 stays", text: "1", arrow: "linesDown", result: "1" },
            { tag: "up from 99", text: "99", arrow: "linesUp", result: "100" },
            { tag: "down from 5", text: "5", arrow: "linesDown", result: "4" },
            { tag: "an empty field becomes 1", text: "", arrow: "linesUp", result: "1" },
        ]
    }

    // The arrows change the field only.
    function test_arrowsStayWithinOneToHundred(data) {
        var page = openPanel()
        var field = item(page, "linesInput")
        field.text = data.text
        mouseClick(item(page, data.arrow))
        compare(field.text, data.result)
        compare(testRig.wheelLines(), [])
    }

    function test_leavingTheFieldSendsItsNumber_data() {
        return [
            { tag: "by a click on the page", text: "42", enter: false, sent: 42 },
            { tag: "by Enter", text: "42", enter: true, sent: 42 },
            { tag: "an empty field is 1", text: "", enter: false, sent: 1 },
        ]
    }

    function test_leavingTheFieldSendsItsNumber(data) {
        var page = openPanel()
        var field = item(page, "linesInput")
        mouseClick(field)
        verify(page.dashboard.isScrollRateFocus)
        field.text = data.text
        if (data.enter)
            keyClick(Qt.Key_Return)
        else
            clickBackground(page)
        verify(!field.activeFocus)
        verify(!page.dashboard.isScrollRateFocus)
        compare(field.text, String(data.sent))
        compare(testRig.wheelLines(), [data.sent])
        compare(testRig.stored(testRig.currentProfile(), "sensor/verticalScrollLines_R8"), data.sent)
    }

    function test_rowsChooseLinesOrOneScreen() {
        var page = openPanel()
        item(page, "linesInput").text = "7"
        mouseClick(item(page, "screenRow"), 30, 10)
        verify(item(page, "screenRadio").source.toString().endsWith("scrollRate1.png"))
        mouseClick(item(page, "rowsRow"), 30, 10)
        verify(item(page, "rowsRadio").source.toString().endsWith("scrollRate1.png"))
        compare(testRig.wheelLines(), [1000, 7])
    }
}
