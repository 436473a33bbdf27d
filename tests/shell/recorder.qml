import QtQuick

// Stands in for the page: records every call the program makes on the root.
Item {
    width: 1000
    height: 640
    property list<string> calls

    function record(call) { calls.push(call) }
    function initUI() { record("initUI") }
    function run() { record("run") }
    function setProtectUI(busyTime) { record("setProtectUI " + busyTime) }
    function detectKeyboard(isDown, usbCode, time) { record("detectKeyboard " + isDown + " " + usbCode + " at " + time) }
    function detectMouse(isDown, vornCode, x, y, time) {
        record("detectMouse " + isDown + " " + vornCode + " " + x + " " + y + " at " + time)
    }
}
