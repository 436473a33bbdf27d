import QtQuick
import QtTest

// The X/Y sensitivity panel: where a click lands on the ten steps, when a
// change is reported, and what the profile and the mouse get.
PageTestCase {
    name: "XySetting"

    function test_clickPicksAStep_data() {
        return [
            { tag: "left of threshold 30 is step 0", x: 29, step: 0 },
            { tag: "threshold 30 is step 1", x: 30, step: 1 },
            { tag: "just below 52 is step 1", x: 51, step: 1 },
            { tag: "threshold 116 is step 5", x: 116, step: 5 },
            { tag: "just below 200 is step 8", x: 199, step: 8 },
            { tag: "200 and beyond is step 9", x: 208, step: 9 },
        ]
    }

    // Both axes start at step 4.
    function test_clickPicksAStep(data) {
        var page = openPage()
        mouseClick(item(page, "xSlider"), data.x, 5)
        compare(testRig.mouseState().xySensitivity, [(data.step + 1) * 20, 100])
        compare(testRig.stored(testRig.currentProfile(), "XYSensitive/0"), data.step)
        compare(testRig.stored(testRig.currentProfile(), "XYSensitive/1"), 4)
    }

    function test_onlyAChangedStepIsReported() {
        var page = openPage()
        var slider = item(page, "ySlider")
        testRig.clearMouseRecords()
        mouseClick(slider, 100, 5)

        // A drag that ends where it began reports nothing ...
        mousePress(slider, 95, 5)
        mouseMove(slider, 130, 5)
        mouseMove(slider, 160, 5)
        compare(item(page, "xySettingMain").yValue, 7)
        mouseMove(slider, 96, 5)
        mouseRelease(slider, 96, 5)
        compare(testRig.framesSent(0x0e), 0)

        // ... one that ends elsewhere reports on release.
        mousePress(slider, 95, 5)
        mouseMove(slider, 140, 5)
        mouseMove(slider, 181, 5)
        compare(testRig.framesSent(0x0e), 0)
        mouseRelease(slider, 181, 5)
        compare(testRig.framesSent(0x0e), 1)
        compare(testRig.mouseState().xySensitivity, [100, 180])
    }
}
