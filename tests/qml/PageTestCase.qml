import QtQuick
import QtTest

// A test case on the real main page from the program's resources, with the
// real view model behind it ("ui_View") on the simulated mouse ("testRig").
TestCase {
    id: pageCase

    property Component pageComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    // A fresh page, its start-up lock lifted so the panels are on screen. The
    // dashboard is made at once rather than a moment into the lock, which
    // only the start-up tests need to wait for.
    function openPage() {
        var page = newPage()
        item(page, "dashboardLoader").active = true
        page.setProtectUI(0)
        tryCompare(page, "mainPageShown", true)
        return page
    }

    // A fresh page as the program starts it: splash only. Its dashboard is
    // made during the first lock; page.dashboard is null until then.
    function newPage() {
        compare(pageComponent.status, Component.Ready, pageComponent.errorString())
        var page = createTemporaryObject(pageComponent, pageCase)
        verify(page)
        return page
    }

    function item(parent, name) {
        var found = findChild(parent, name)
        verify(found, "no item " + name)
        return found
    }

    // Scrolls the right column so that `target` (inside it) is in sight.
    function reveal(page, target) {
        var column = item(page, "panelRight")
        var y = target.mapToItem(column.contentItem, 0, 0).y
        column.contentY = Math.max(0, Math.min(y, column.contentHeight - column.height))
    }

    // A point of the page where nothing but the page background is.
    function clickBackground(page) {
        mouseClick(page, 300, 600)
    }

    width: 1000
    height: 640
    when: windowShown
    // A test case is hidden by default, and hidden items take no input.
    visible: true
}
