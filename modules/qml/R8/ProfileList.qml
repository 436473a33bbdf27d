import QtQuick
import "keypages.js" as KeyPages

// The user's profiles as the registry keeps them, for the whole run: at most
// six, each stored as its name with its number (0 to 5) as the last
// character. The profile dialog, made when it is first opened, shows and
// changes this list.
QtObject {
    readonly property int profileLimit: 6
    readonly property ListModel profileModel: ListModel {}

    // The list was read again from the registry.
    signal reloaded()

    // The names as stored: the shipped list already names the first two
    // profiles in English, and a name the user gave stays in every language.
    function load() {
        profileModel.clear()
        var entries = KeyPages.profileEntries(ui_View.getNameList(2), profileLimit)
        for (var i = 0; i < entries.length; ++i)
            profileModel.append({ profileName: entries[i].name, profileNo: entries[i].no })
        reloaded()
    }

    function names() {
        var list = []
        for (var i = 0; i < profileModel.count; ++i)
            list.push(profileModel.get(i).profileName)
        return list
    }

    function numbers() {
        var list = []
        for (var i = 0; i < profileModel.count; ++i)
            list.push(profileModel.get(i).profileNo)
        return list
    }

    function indexOfNumber(no) {
        return numbers().indexOf(no)
    }

    function storeList() {
        var list = []
        for (var i = 0; i < profileModel.count; ++i)
            list.push(profileModel.get(i).profileName + profileModel.get(i).profileNo)
        ui_View.updataNameList(2, list)
    }
}
