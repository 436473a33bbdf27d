import QtQuick

// The user's profiles for the whole run: `model` (ui_View.profileList) holds
// the list and its rules. The profile dialog, made when it is first opened,
// shows and changes it.
QtObject {
    readonly property QtObject model: ui_View.profileList

    // The list was read again from the registry.
    signal reloaded()

    function load() {
        model.load()
        reloaded()
    }
}
