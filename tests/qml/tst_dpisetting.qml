import QtQuick
import QtTest

// The DPI panel on the main page: what its bars, switches and colours send to
// the simulated mouse and keep in the profile.
PageTestCase {
    name: "DpiSetting"

    readonly property int off: 0x80

    function stored(key) {
        return testRig.stored(testRig.currentProfile(), key)
    }

    // Stage 2 is clicked on its track, or its knob is dragged by dy.
    function test_valueGivesItsCode_data() {
        return [
            { tag: "track top gives 8000", y: 8, value: 8000, code: 0x68 },
            { tag: "above the track is the top", y: 0, value: 8000, code: 0x68 },
            { tag: "800 gives 7", y: 150, value: 800, code: 7 },
            { tag: "5000 gives 49", y: 67, value: 5000, code: 49 },
            { tag: "5100 gives 0x59", y: 65, value: 5100, code: 0x59 },
            { tag: "below the bar gives 200", y: 169, value: 200, code: 1 },
            { tag: "knob dragged to the very top", dy: -300, value: 8000, code: 0x68 },
            { tag: "knob dragged to the very bottom", dy: 300, value: 200, code: 1 },
        ]
    }

    function test_valueGivesItsCode(data) {
        var page = openPage()
        var stage = item(page, "dpiStage2")
        testRig.clearMouseRecords()
        var held = testRig.mouseState().dpiCodes
        if (data.dy === undefined) {
            mouseClick(item(stage, "dpiTrack"), 10, data.y)
        } else {
            var knob = item(stage, "dpiKnob")
            mousePress(knob, 7, 7)
            mouseMove(knob, 7, 7 + data.dy / 10)
            mouseMove(knob, 7, 7 + data.dy)
            // The read-out follows the knob, the column holds still, the
            // mouse hears of it on release.
            compare(item(stage, "dpiReadoutText").text, String(data.value))
            verify(!item(page, "panelRight").interactive)
            compare(testRig.framesSent(0x11), 0)
            mouseRelease(knob, 7, 7 + data.dy)
        }
        var mouse = testRig.mouseState()
        compare(mouse.dpiStageCount, 6)
        compare(mouse.dpiCodes, [0x5e, 0x5e, data.code, 0x5e, 0x5e, 0x5e, off, off])
        compare(stored("sensor/dpi_R8"), [6000, 6000, data.value, 6000, 6000, 6000, 250, 250])
        // A set the mouse holds already (the row before gave it) is not sent.
        compare(testRig.framesSent(0x11), held[2] === data.code ? 0 : 1)
    }

    function test_stageSwitchedOffKeepsItsValue() {
        var page = openPage()
        mouseClick(item(page, "dpiSwitch3"))
        compare(testRig.mouseState().dpiCodes, [0x5e, 0x5e, 0x5e, off, 0x5e, 0x5e, off, off])
        compare(stored("sensor/dpi_R8")[3], 6000)
        compare(stored("sensor/dpi_Select"), [1, 1, 1, 0, 1, 1, 0, 0])
        mouseClick(item(page, "dpiSwitch3"))
        compare(testRig.mouseState().dpiCodes[3], 0x5e)
    }

    // The mouse always has a stage to be at: the last one on stays on, and a
    // profile with every stage off shows and sends them all on.
    function test_oneStageStaysOn() {
        var page = openPage()
        for (var i = 0; i < 6; ++i)
            mouseClick(item(page, "dpiSwitch" + i))
        compare(testRig.mouseState().dpiCodes, [off, off, off, off, off, 0x5e, off, off])
        compare(stored("sensor/dpi_Select"), [0, 0, 0, 0, 0, 1, 0, 0])

        testRig.setStored(testRig.currentProfile(), "sensor/dpi_Select", [0, 0, 0, 0, 0, 0, 0, 0])
        item(page, "dpiSettingMain").init(true)
        compare(testRig.mouseState().dpiCodes, [0x5e, 0x5e, 0x5e, 0x5e, 0x5e, 0x5e, off, off])
    }

    function test_oneColourChangeSendsSixColoursTwice() {
        var page = openPage()
        mouseClick(item(page, "dpiColor1"))
        var picker = item(page, "colorBar")
        compare(picker.x, 61)
        testRig.clearMouseRecords()
        mouseClick(item(picker, "preset2"))

        var bytes = [255, 0, 0, 0, 255, 0, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255, 0, 0, 0, 0, 0, 0]
        compare(testRig.framesSent(0x10), 2)
        compare(testRig.mouseState().stageColours, bytes)
        compare(stored("color_R8/type1"), bytes)
    }

    function test_initShowsTheProfileAndSendsIt() {
        var page = openPage()
        var profile = testRig.currentProfile()
        testRig.setStored(profile, "sensor/dpi_R8", [800, 1600, 2400, 3200, 5100, 8000, 250, 250])
        testRig.setStored(profile, "sensor/dpi_Select", [1, 1, 0, 1, 1, 1, 0, 0])
        testRig.setStored(profile, "color_R8/type1", [1, 2, 3, 16, 32, 48, 255, 255, 255, 0, 0, 0, 10, 11, 12, 200, 100, 50])
        var dpi = item(page, "dpiSettingMain")
        testRig.clearMouseRecords()

        dpi.init(false)
        compare(item(item(page, "dpiStage4"), "dpiReadoutText").text, "5100")
        compare(dpi.colors, ["#010203", "#102030", "#ffffff", "#000000", "#0a0b0c", "#c86432"])
        compare(testRig.framesSent(0x11) + testRig.framesSent(0x10), 0)

        dpi.init(true)
        compare(testRig.mouseState().dpiCodes, [7, 15, off, 31, 0x59, 0x68, off, off])
        compare(testRig.framesSent(0x10), 1)
        compare(testRig.mouseState().stageColours.slice(0, 6), [1, 2, 3, 16, 32, 48])
    }
}
