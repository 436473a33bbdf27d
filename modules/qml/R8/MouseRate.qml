import QtQuick
import ".."

// The system's pointer speed, 0 to 10.
RateDial {
    signal mouseRateChange(int value)

    function init(isSendData: bool) {
        value = clampValue(ui_View.getCursorSpeed())
        if (isSendData)
            ui_View.setCursorSpeed(value)
    }

    onValueReported: (value) => mouseRateChange(value)
}
