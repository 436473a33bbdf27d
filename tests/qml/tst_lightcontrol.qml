import QtQuick
import QtTest

// The lighting panel and the page's translation of its levels into what the
// mouse expects.
PageTestCase {
    name: "LightControl"

    readonly property var levelCentres: [4, 34, 63, 93, 122]

    function test_levelsReachTheMouseTranslated_data() {
        return [
            { tag: "static at level 0 is off", row: 0, level: 0, mouse: [0, 0, 0] },
            { tag: "static at level 1", row: 0, level: 1, mouse: [1, 2, 2] },
            { tag: "static at level 4", row: 0, level: 4, mouse: [1, 10, 2] },
            { tag: "breath at level 0 is the slowest", row: 1, level: 0, mouse: [2, 5, 2] },
            { tag: "breath at level 3", row: 1, level: 3, mouse: [2, 2, 2] },
            { tag: "RGB at level 2", row: 2, level: 2, mouse: [3, 18, 2] },
            { tag: "finger tapping at level 0", row: 3, level: 0, mouse: [4, 6, 2] },
            { tag: "finger tapping at level 4", row: 3, level: 4, mouse: [4, 30, 2] },
        ]
    }

    function test_levelsReachTheMouseTranslated(data) {
        var page = openPage()
        mouseClick(item(page, "lightRow" + data.row), 8, 8)
        mouseClick(item(page, "lightLevel" + data.row), levelCentres[data.level], 5)
        compare(testRig.mouseState().rgbEffect, data.mouse)
        // The profile keeps the page's own numbers, "off" included.
        compare(testRig.stored(testRig.currentProfile(), "color_R8/ledEffect"), [data.row + 1, data.level, 2])
    }

    function test_rowAndSliderRules() {
        var page = openPage()
        mouseClick(item(page, "lightRow1"), 8, 8)
        testRig.clearMouseRecords()
        // The selected row again: the mouse holds it, so nothing goes.
        mouseClick(item(page, "lightRow1"), 8, 8)
        compare(testRig.framesSent(0x0d), 0)
        // Another row's slider takes no input.
        mouseClick(item(page, "lightLevel2"), levelCentres[0], 5)
        compare(item(page, "lightLevel2").value, 4)
        // A drag back to its starting step sends nothing.
        var slider = item(page, "lightLevel1")
        mousePress(slider, 122, 5)
        mouseMove(slider, 60, 5)
        mouseMove(slider, 10, 5)
        compare(slider.value, 0)
        mouseMove(slider, 125, 5)
        mouseRelease(slider, 125, 5)
        compare(testRig.framesSent(0x0d), 0)
    }

    function test_initShowsTheStoredEffect_data() {
        return [
            { tag: "static switched off", stored: [1, 0, 2], row: 0, level: 0, mouse: [0, 0, 0] },
            { tag: "breath", stored: [2, 1, 2], row: 1, level: 1, mouse: [2, 4, 2] },
            { tag: "an unknown effect shows finger tapping", stored: [7, 3, 2], row: 3, level: 3, mouse: [4, 24, 2] },
        ]
    }

    function test_initShowsTheStoredEffect(data) {
        var page = openPage()
        var panel = item(page, "lightControlMain")
        mouseClick(item(page, "lightRow1"), 8, 8)
        mouseClick(item(page, "lightLevel1"), levelCentres[0], 5)
        testRig.setStored(testRig.currentProfile(), "color_R8/ledEffect", data.stored)
        testRig.clearMouseRecords()

        panel.init(false)
        compare(panel.selModel, data.row)
        for (var row = 0; row < 4; ++row)
            compare(item(page, "lightLevel" + row).value, row === data.row ? data.level : 4, "row " + row)
        compare(testRig.framesSent(0x0d), 0)
        panel.init(true)
        compare(testRig.mouseState().rgbEffect, data.mouse)
    }
}
