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

    // A fresh page filled from the current profile as start-up fills it.
    function openFilledPage() {
        var page = openPage()
        page.dashboard.fillFromProfile()
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

    // A dialog the page has not made yet is made by its loader (objectName
    // name + "Loader"), as its first opening would; it stays closed.
    function item(parent, name) {
        var found = findChild(parent, name)
        if (!found) {
            var loader = findChild(parent, name + "Loader")
            if (loader) {
                loader.active = true
                found = loader.item
            }
        }
        verify(found, "no item " + name)
        return found
    }

    // A row of a list that is laid out on its next frame, once it is on
    // screen or has grown.
    function row(parent, name) {
        tryVerify(function () { return findChild(parent, name) !== null }, 5000, "no row " + name)
        return findChild(parent, name)
    }

    // Scrolls the right column so that `target` (inside it) is in sight.
    function reveal(page, target) {
        var column = item(page, "panelRight")
        var y = target.mapToItem(column.contentItem, 0, 0).y
        column.contentY = Math.max(0, Math.min(y, column.contentHeight - column.height))
    }

    // The shipped profile 0 as the current one, and no macros: the state the
    // key and macro tests start from.
    function freshProfile() {
        // Off every hover area, so no row of a new page is hovered by a
        // pointer another test left there.
        mouseMove(pageCase, 500, 630)
        ui_View.ui_02H_SetCurrentProfile(0)
        ui_View.resetProfile(0)
        testRig.removeMacroFiles()
        ui_View.updataNameList(0, [])
    }

    // Entry `index` of key matrix `matrix` (1 to 4) as the mouse holds it.
    function mouseEntry(matrix, index) {
        return testRig.keyMatrix(matrix).slice(4 * index, 4 * index + 4)
    }

    // Opens the function menu of button `index` of the key matrix.
    function openMenu(page, index) {
        mouseClick(item(page, "keyRow" + index))
        var menu = item(page, "keyMenuMain")
        verify(menu.visible)
        return menu
    }

    // Clicks the menu items of `path` (text indexes) one after the other.
    function choose(menu, path) {
        for (var i = 0; i < path.length; ++i)
            mouseClick(item(menu, "keyMenuItem" + path[i]))
    }

    // A list of the current profile as numbers ([] when absent).
    function storedList(key) {
        var value = testRig.stored(testRig.currentProfile(), key)
        if (value === undefined || value === null)
            return []
        if (typeof value !== "object")
            return [Number(value)]
        var list = []
        for (var i = 0; i < value.length; ++i)
            list.push(Number(value[i]))
        return list
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
