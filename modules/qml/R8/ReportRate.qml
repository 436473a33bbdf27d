import QtQuick
import ".."

// Polling rate: a picture in four quadrants, one per rate. The value is the
// report interval in ms: 1 (1000 Hz), 2, 4 or 8 (125 Hz).
Frame {
    id: reportRate

    property int reportValue: 1
    property int language: 1   // 0 English, 1 Chinese: the pictures carry the unit
    readonly property bool controlPressed: area.pressed
    readonly property string skin: "qrc:/reportRate/modules/img/skin" + Theme.skinNo + "/reportRate/"

    function valueAt(x: real, y: real): int {
        var right = x >= picture.width / 2
        var lower = y >= picture.height / 2
        if (right)
            return lower ? 2 : 1
        return lower ? 4 : 8
    }

    function pictureOf(value: int): string {
        var n = value === 1 ? 3 : value === 2 ? 2 : value === 4 ? 1 : 0
        return skin + (language === 1 ? "reportRate" : "reportRateEn") + n + ".png"
    }

    function init(isSendData: bool) {
        var stored = parseInt(ui_View.ui_81H_GetReportRate())
        // The slowest rate the page offers is 8 ms; a missing value is 1000 Hz.
        reportValue = isNaN(stored) || stored < 1 ? 1 : Math.min(8, stored)
        if (isSendData)
            ui_View.ui_01H_SetReportRate(reportValue)
    }

    contentHeight: 146

    Image {
        id: picture
        objectName: "reportPicture"
        x: 9
        y: 9
        source: reportRate.pictureOf(reportRate.reportValue)

        MouseArea {
            id: area
            anchors.fill: parent
            onPressed: (mouse) => reportRate.reportValue = reportRate.valueAt(mouse.x, mouse.y)
            onPositionChanged: (mouse) => reportRate.reportValue = reportRate.valueAt(mouse.x, mouse.y)
        }
    }
}
