import QtQuick
import QtTest
import "qrc:/modules/qml/R8"

// The hue bar of the DPI colour picker: the colour of a knob position and
// the knob position of a colour.
TestCase {
    id: testCase
    name: "ColorPicker"
    width: 300
    height: 200
    when: windowShown
    visible: true

    Component {
        id: pickerComponent
        // The page shows the picker; here it is always shown.
        ColorPicker { visible: true }
    }

    SignalSpy { id: picked; signalName: "colorPicked" }

    function openPicker(colour) {
        var picker = createTemporaryObject(pickerComponent, testCase)
        picker.open(colour, 10)
        picked.target = picker
        picked.clear()
        return picker
    }

    function test_clickOnTheBar_data() {
        return [
            { tag: "left end is red", knob: -2, colour: "#ff0000" },
            { tag: "first segment, green rising", knob: 10, colour: "#ff9100" },
            { tag: "second segment starts yellow", knob: 19, colour: "#ffff00" },
            { tag: "third segment starts green", knob: 40, colour: "#00ff00" },
            { tag: "third segment, blue rising", knob: 50, colour: "#00ff79" },
            { tag: "fourth segment starts cyan", knob: 61, colour: "#00ffff" },
            { tag: "fifth segment starts blue", knob: 82, colour: "#0000ff" },
            { tag: "sixth segment starts magenta", knob: 103, colour: "#ff00ff" },
        ]
    }

    // The knob is centred on the click.
    function test_clickOnTheBar(data) {
        var picker = openPicker("#ff0000")
        mouseClick(findChild(picker, "hueBar"), data.knob + 3, 4)
        compare(picker.knobX, data.knob)
        compare(picked.count, 1)
        compare(picked.signalArguments[0][0], data.colour)
        compare(findChild(picker, "readoutR").text, String(parseInt(data.colour.substr(1, 2), 16)))
    }

    // Past the last full segment the bar is red again.
    function test_knobDraggedToTheRightEnd() {
        var picker = openPicker("#0000ff")
        mouseDrag(findChild(picker, "hueKnob"), 2, 6, 200, 0)
        compare(picker.knobX, 125)
        compare(picked.signalArguments[picked.count - 1][0], "#ff0000")
    }

    function test_knobForAColour_data() {
        return [
            { tag: "red", colour: "#ff0000", knob: -2 },
            { tag: "orange", colour: "#ff8000", knob: 8 },
            { tag: "yellow", colour: "#ffff00", knob: 19 },
            { tag: "green", colour: "#00ff00", knob: 40 },
            { tag: "cyan", colour: "#00ffff", knob: 62 },
            { tag: "magenta", colour: "#ff00ff", knob: 104 },
            { tag: "off the bar, the knob stays", colour: "#808080", knob: 83 },
        ]
    }

    function test_knobForAColour(data) {
        var picker = openPicker("#0000ff")
        compare(picker.knobX, 83)
        picker.open(data.colour, 10)
        compare(picker.knobX, data.knob)
        compare(picked.count, 0)
    }
}
