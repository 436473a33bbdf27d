import QtQuick
import QtTest

// The main page: the lock, start-up with the language switch, the factory
// reset, the profile switch, pop-ups, the scroll bar and the window calls.
// The dashboard is made during the first lock, so a page that has not been
// locked yet holds the splash alone.
PageTestCase {
    name: "Main"

    SignalSpy { id: pressedSpy; signalName: "emptyAreaPressed" }

    function locked(page) {
        return !ui_View.enabled && item(page, "protectUIItem").visible
    }

    function pageShown(page) {
        // Before the page is shown its dashboard may not exist yet.
        if (!page.mainPageShown || item(page, "powerOnLogo").visible)
            return false
        for (const name of ["envItem", "mainLogo", "panelleft", "profileBtn", "flickableBar", "panelRightItem",
                            "downItem", "upItem", "mouseMain"])
            if (!item(page, name).visible)
                return false
        return true
    }

    // One profile filled with distinct values, to see where the panels read.
    function storeProfile(profile, v) {
        var keys = { "XYSensitive/0": v.x, "XYSensitive/1": v.y, "sensor/reportRate_R8": v.rate,
                     "sensor/dpi_R8": v.dpi.concat([250, 250]), "sensor/dpi_Select": [1, 1, 1, 1, 1, 1, 0, 0],
                     "color_R8/ledEffect": v.light, "sensor/cursorSpeed_R8": v.speed,
                     "sensor/doubleClickSpeed_R8": v.doubleClick, "sensor/verticalScrollLines_R8": v.lines }
        for (var key in keys)
            testRig.setStored(profile, key, keys[key])
    }

    function shownValues(page) {
        var light = item(page, "lightControlMain")
        return { x: item(page, "xySettingMain").xValue, y: item(page, "xySettingMain").yValue,
                 rate: item(page, "reprotRateMain").reportValue, dpi: item(page, "dpiSettingMain").dpiValues,
                 light: [light.selModel + 1, item(page, "lightLevel" + light.selModel).value, 2],
                 speed: item(page, "mouseRateMain").value, doubleClick: item(page, "doubleRateMain").value,
                 lines: item(page, "scrollRateMain").lines }
    }

    function deviceSettingsSent() {
        return testRig.framesSent(0x0e) + testRig.framesSent(0x11) + testRig.framesSent(0x10) + testRig.framesSent(0x0d)
    }

    function test_lock_data() {
        return [
            { tag: "0 unlocks on the next pass and shows the page", first: 0 },
            { tag: "a new lock restarts with its own interval", first: 600000 },
        ]
    }

    function test_lock(data) {
        var page = newPage()
        page.setProtectUI(data.first)
        page.setProtectUI(0)
        verify(locked(page))
        verify(!pageShown(page))
        tryVerify(function () { return ui_View.enabled })
        verify(!item(page, "protectUIItem").visible)
        verify(pageShown(page))
    }

    // Later locks cover the page; the splash belongs to the start alone.
    function test_pageIsShownOnlyOnce() {
        var page = openPage()
        page.setProtectUI(600000)
        verify(locked(page))
        verify(pageShown(page))
    }

    // initUI comes before the dashboard exists: the lock starts at once, the
    // panels are filled once the dashboard is there, and only then, when the
    // lock is over, does the page replace the splash.
    function test_startUpShowsTheStoredProfileWithoutSending_data() {
        return [
            { tag: "the lock outlasts the making of the dashboard", lockRunsOutFirst: false },
            { tag: "the lock runs out before the dashboard exists", lockRunsOutFirst: true },
        ]
    }

    function test_startUpShowsTheStoredProfileWithoutSending(data) {
        var values = { x: 7, y: 2, rate: 1, dpi: [400, 800, 1600, 3200, 6400, 8000], light: [2, 3, 2],
                       speed: 8, doubleClick: 1, lines: 1000 }
        storeProfile(2, values)
        testRig.setAppConfig("R8/profileNo", 2)
        var page = newPage()
        var shownAtFirst = null
        page.mainPageShownChanged.connect(function () { shownAtFirst = shownValues(page) })
        testRig.clearMouseRecords()
        testRig.clearPointer()

        page.initUI()
        verify(locked(page))
        verify(page.dashboard === null)
        if (data.lockRunsOutFirst) {
            page.endProtectUI() // what the lock's timer does when it runs out
            verify(locked(page))
            verify(!page.mainPageShown)
        }
        tryVerify(function () { return page.dashboard !== null })
        compare(testRig.currentProfile(), 2)
        compare(shownValues(page), values)
        compare(deviceSettingsSent(), 0)
        compare(testRig.pointerSpeeds().length + testRig.doubleClickTimes().length + testRig.wheelLines().length, 0)
        tryVerify(function () { return pageShown(page) })
        verify(!locked(page))
        compare(shownAtFirst, values)
    }

    // Chinese comes last: the notice texts stay for the rest of the run.
    function test_languageSwitch_data() {
        return [
            { tag: "English", language: "English", code: 0, title: "DPI Setting", tapping: "Finger \nTapping",
              picture: "/reportRateEn3.png", notice: "DPI Switch to" },
            { tag: "any other is English", language: "German", code: 0, title: "DPI Setting", tapping: "Finger \nTapping",
              picture: "/reportRateEn3.png", notice: "DPI Switch to" },
            { tag: "Chinese", language: "ChineseSimplified", code: 1, title: "DPI 设置", tapping: "点击\n触发",
              picture: "/reportRate3.png", notice: "DPI 切换至" },
        ]
    }

    function test_languageSwitch(data) {
        testRig.setAppConfig("common/language", data.language)
        var page = newPage()
        page.initUI()
        tryVerify(function () { return page.dashboard !== null })
        testRig.setAppConfig("common/language", "English")
        compare(page.dashboard.language, data.code)
        compare(page.dashboard.mainLang.length, 35)
        compare(item(page, "dpiSettingMain").title, data.title)
        compare(item(page, "lightControlMain").labels[3], data.tapping)
        verify(item(page, "reportPicture").source.toString().endsWith(data.picture))
        compare(testRig.dpiNotice(8), data.notice)
    }

    function test_factoryResetSendsEveryPanel() {
        var page = openPage()
        storeProfile(testRig.currentProfile(), { x: 1, y: 6, rate: 2, dpi: [500, 900, 1700, 3300, 5200, 7800],
                                                 light: [3, 1, 2], speed: 4, doubleClick: 9, lines: 3 })
        testRig.clearMouseRecords()
        mouseClick(item(page, "downItem"))
        mouseClick(item(page, "factoryCancel"))
        verify(!item(page, "mainMask").visible)
        compare(deviceSettingsSent(), 0)

        mouseClick(item(page, "downItem"))
        verify(item(page, "factorysure").visible && item(page, "mainMask").visible)
        testRig.clearPointer()
        mouseClick(item(page, "factoryOk"))
        verify(!item(page, "factorysure").visible && !item(page, "mainMask").visible)
        verify(locked(page))

        // Profile 1 is reset from pD.bin; the values below are that file's,
        // typed here, and the mouse gets them in its own units.
        compare(testRig.currentProfile(), 0)
        var p = testRig.currentProfile()
        compare(Number(testRig.stored(p, "XYSensitive/0")), 4)
        compare(Number(testRig.stored(p, "XYSensitive/1")), 4)
        compare(Number(testRig.stored(p, "sensor/reportRate_R8")), 1)
        compare(testRig.stored(p, "sensor/dpi_R8").map(Number), [800, 1600, 2400, 3200, 5000, 6400, 250, 250])
        compare(testRig.stored(p, "color_R8/ledEffect").map(Number), [3, 4, 2])
        compare(Number(testRig.stored(p, "sensor/cursorSpeed_R8")), 5)
        compare(Number(testRig.stored(p, "sensor/doubleClickSpeed_R8")), 5)
        compare(Number(testRig.stored(p, "sensor/verticalScrollLines_R8")), 3)

        var mouse = testRig.mouseState()
        compare(mouse.xySensitivity, [100, 100])              // (4 + 1) * 20
        compare(mouse.reportRate, 1)
        // v / 100 - 1 up to 5000, v / 200 | 0x40 above; stages 7 and 8 are off
        compare(mouse.dpiCodes, [7, 15, 23, 31, 49, 0x40 | 32, 0x80, 0x80])
        compare(mouse.rgbEffect, [3, 30, 2])                  // RGB at level 4
        compare([testRig.framesSent(0x10), testRig.framesSent(0x0d)], [1, 1])
        compare(testRig.pointerSpeeds(), [10])                 // 2 * 5
        compare(testRig.doubleClickTimes(), [550])             // 900 - 70 * 5
        compare(testRig.wheelLines(), [3])
        // ...and the panels show what was sent.
        compare(shownValues(page), { x: 4, y: 4, rate: 1, dpi: [800, 1600, 2400, 3200, 5000, 6400],
                                     light: [3, 4, 2], speed: 5, doubleClick: 5, lines: 3 })
    }

    function test_profileSwitchShowsAtOnceAndSendsOnClose() {
        var values = { x: 3, y: 8, rate: 4, dpi: [300, 700, 1500, 3100, 4900, 7700], light: [1, 2, 2],
                       speed: 6, doubleClick: 2, lines: 15 }
        storeProfile(3, values)
        var page = openPage()
        var before = page.dashboard.profileNo
        testRig.clearMouseRecords()
        testRig.clearPointer()

        page.dashboard.changeProfile(3)
        compare(testRig.currentProfile(), 3)
        compare(shownValues(page), values)
        compare(deviceSettingsSent(), 0)

        page.dashboard.profileDialogClosed()
        verify(locked(page))
        var mouse = testRig.mouseState()
        compare(mouse.xySensitivity, [80, 180])
        compare(mouse.reportRate, 4)
        compare(mouse.dpiCodes, [2, 6, 14, 30, 48, 0x40 | 38, 0x80, 0x80])
        compare(mouse.rgbEffect, [1, 4, 2])
        compare([testRig.pointerSpeeds(), testRig.doubleClickTimes(), testRig.wheelLines()], [[12], [760], [15]])
        verify(testRig.framesSent(0x02) > 0)

        // Without a switch, closing sends nothing.
        tryVerify(function () { return ui_View.enabled })
        testRig.clearMouseRecords()
        page.dashboard.changeProfile(3)
        page.dashboard.profileDialogClosed()
        compare(deviceSettingsSent(), 0)
        verify(ui_View.enabled)
        page.dashboard.changeProfile(before)
    }

    function test_popUpsCloseOnAClickElsewhere_data() {
        return [
            { tag: "help menu, page background", open: "askButton", popup: "askMenu", close: "" },
            { tag: "colour picker, page background", open: "dpiColor2", popup: "colorBar", close: "" },
            { tag: "help menu, panel title", open: "askButton", popup: "askMenu", close: "frameTitle" },
            { tag: "help menu, view button", open: "askButton", popup: "askMenu", close: "sideViewButton" },
            { tag: "help menu, one of its rows", open: "askButton", popup: "askMenu", close: "askRow2" },
        ]
    }

    function test_popUpsCloseOnAClickElsewhere(data) {
        var page = openPage()
        mouseClick(item(page, data.open))
        verify(item(page, data.popup).visible)
        if (data.close === "")
            clickBackground(page)
        else
            mouseClick(item(page, data.close))
        verify(!item(page, data.popup).visible)
    }

    // Dragged by d pixels, the column moves by d pixels, within its ends.
    function test_scrollBarMovesTheColumn() {
        var page = openPage()
        var column = item(page, "panelRight")
        var handle = item(page, "scrollHandle")
        var dragBar = function (from, to) {
            mousePress(page, 987, from)
            mouseMove(page, 987, (from + to) / 2)
            mouseMove(page, 987, to)
            mouseRelease(page, 987, to)
        }
        dragBar(50, 110)
        compare(column.contentY, 60)
        dragBar(110, 10)
        compare(column.contentY, 0)
        dragBar(50, 590)
        compare(column.contentY, column.contentHeight - column.height)
        compare(handle.y + handle.height, 563)
    }

    function test_windowCalls_data() {
        return [
            { tag: "drag on the background", drag: true, calls: ["onXChanged 35", "onYChanged 12"] },
            { tag: "minimise", button: "minimizeButton", calls: ["onMinimize"] },
            { tag: "close to the tray", button: "closeButton", calls: ["onClose"] },
        ]
    }

    function test_windowCalls(data) {
        var page = openPage()
        pressedSpy.target = page.dashboard
        pressedSpy.clear()
        ui_Ctl.clear()
        if (data.drag) {
            mousePress(page, 300, 600)
            mouseMove(page, 320, 605)
            mouseMove(page, 335, 612)
            mouseRelease(page, 335, 612)
            compare(pressedSpy.count, 1)
        } else {
            mouseClick(item(page, data.button))
        }
        compare(ui_Ctl.calls.slice(-data.calls.length), data.calls)
    }
}
