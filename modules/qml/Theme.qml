pragma Singleton
import QtQuick

// What every part of the page draws with: the fonts, the skin and the speed
// of the panels' animations.
QtObject {
    // The page is designed for 微软雅黑; where it is missing a CJK font that
    // is installed takes its place, so Chinese texts still render.
    readonly property string fontFamily: {
        const installed = Qt.fontFamilies()
        const wanted = ["微软雅黑", "Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC"]
        for (const family of wanted)
            if (installed.indexOf(family) >= 0)
                return family
        return ""
    }
    readonly property int fontNormalSize: 12
    readonly property int fontMaxSize: 16
    readonly property int fontMiddleSize: 14
    readonly property int fontMinSize: 10
    readonly property color fontColor: "#ffffff"
    property int skinNo: 1
    property int animationSpeed: 300
}
