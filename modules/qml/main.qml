import QtQuick

// The window's page. The first frame shows only the splash and the busy
// text, and the start-up lock hides the page for a second anyway; so the
// root holds just those, and the dashboard (panels, pictures, dialogs) is
// made during that lock, after the first frame, where its cost does not
// delay the window. The view model calls the root functions initUI, run,
// setProtectUI, detectKeyboard and detectMouse by name.
Item {
    id: page

    // The dashboard once it is made, null before. Not typed as Dashboard on
    // purpose: naming the type here would load and compile it, and every type
    // it uses, before the first frame instead of during the lock.
    readonly property var dashboard: dashboardLoader.item
    // True once the start-up lock has ended and the page replaced the splash.
    property bool mainPageShown: false
    // initUI came before the dashboard existed; the dashboard finishes it.
    property bool initPending: false
    // A lock that lasts until the mouse has taken what is being sent.
    property bool sendingLock: false

    // ---- called by the view model and the window controller, which hand
    // over their arguments as variants: these take untyped parameters.

    // The lock starts at once; filling the panels waits for the dashboard,
    // and the page is not shown before they are filled.
    function initUI() {
        setProtectUI(1000)
        if (!dashboard) {
            initPending = true
            return
        }
        dashboard.fillFromProfile()
    }

    function run() {
    }

    // Locks the page for `interval` ms (0: until the next pass of the event
    // loop); a new lock replaces the running one.
    function setProtectUI(interval) {
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        tmrProtectUI.interval = interval
        tmrProtectUI.restart()
        if (!dashboardLoader.active)
            dashboardDelay.start()
    }

    // Locks the page until the mouse has taken what the dashboard sends
    // (sentToMouse), however long that takes.
    function lockWhileSending() {
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        tmrProtectUI.stop()
        sendingLock = true
    }

    // `time`: when the event happened, in the capture's milliseconds
    // (undefined when the caller has none).
    function detectKeyboard(isDown, usbCode, time) {
        if (dashboard)
            dashboard.detectKeyboard(isDown, usbCode, time)
    }

    // The capture reports buttons too; no part of the page records them.
    function detectMouse(isDown, vornCode, x, y, time) {
    }

    // The end of a lock. The first one also replaces the splash with the
    // page, but only once the dashboard exists (and so has been filled by an
    // initUI that came early); until then the lock stays and the dashboard
    // ends it when it is ready.
    function endProtectUI() {
        if (!mainPageShown && !dashboard)
            return
        ui_View.setEnabled(true)
        protectUIItem.setBusy(false)
        mainPageShown = true
    }

    // A start-up call that came early is finished now, and a lock that ran
    // out meanwhile ends.
    function dashboardReady() {
        if (initPending) {
            initPending = false
            dashboard.fillFromProfile()
        }
        if (protectUIItem.busy && !tmrProtectUI.running)
            endProtectUI()
    }

    width: 1000
    height: 640

    // Shown once; its picture goes with it.
    Image {
        id: powerOnLogo
        objectName: "powerOnLogo"
        anchors.centerIn: parent
        visible: !page.mainPageShown
        source: visible ? "qrc:/index/modules/img/skin" + Theme.skinNo + "/index/powerOn.png" : ""
        cache: false
    }

    Loader {
        id: dashboardLoader
        objectName: "dashboardLoader"
        anchors.fill: parent
        active: false
        visible: page.mainPageShown
        source: "Dashboard.qml"
        onLoaded: page.dashboardReady()
    }

    Connections {
        target: page.dashboard
        function onSendingStarted() { page.lockWhileSending() }
        function onSendingEnded() { ui_View.notifyWhenSent() }
    }

    Connections {
        target: ui_View
        function onSentToMouse() {
            if (!page.sendingLock)
                return
            page.sendingLock = false
            page.endProtectUI()
        }
    }

    BusyIndicator {
        id: protectUIItem
        objectName: "protectUIItem"
        anchors.centerIn: parent
        z: 99
    }

    Timer {
        id: tmrProtectUI
        interval: 1000
        onTriggered: page.endProtectUI()
    }

    // The dashboard is made a moment into the start-up lock: late enough for
    // the first frame (splash and busy text) to reach the screen first, even
    // on a first start with cold caches, and long before the lock ends.
    Timer {
        id: dashboardDelay
        interval: 250
        onTriggered: dashboardLoader.active = true
    }
}
