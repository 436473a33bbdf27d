import QtQuick
import ".."

// The user's profiles for the whole run: its list model holds the list and
// its rules. The profile dialog, made when it is first opened, shows and
// changes it.
QtObject {
    // Reached when used: ui_View arrives after the page is made.
    function model(): var {
        return ui_View.profileList
    }

    // The list was read again from the registry.
    signal reloaded()

    function load(): void {
        model().load()
        reloaded()
    }
}
