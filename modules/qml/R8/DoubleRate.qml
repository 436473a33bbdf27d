import QtQuick
import ".."

// The system's double-click speed, 0 (slow) to 10 (fast).
RateDial {
    signal doubleRateChange(int value)

    function init(isSendData: bool) {
        value = clampValue(ui_View.getDoubleClickSpeed())
        if (isSendData)
            ui_View.setDoubleClickSpeed(value)
    }

    onValueReported: (value) => doubleRateChange(value)
}
