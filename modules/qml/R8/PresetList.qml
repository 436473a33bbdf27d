import QtQuick
import ".."
import "actions.js" as Actions

// A list of named action sequences kept in the name registry, which the
// macros and the gun presets both are: its list model holds the names, their
// order and every change of the list; this adds what the pages do around the
// changes. It lives as long as the page; the dialog that edits it is made
// only when it is first opened.
QtObject {
    id: list

    required property KeyCodeString keyCodes
    // The list model of ui_View this list is: "macroList" or "gunList".
    property string listName
    property bool gunVariant: false    // the encoder's gun form, cursor offsets
    // File operations by name: save(name, lines, bytes, loops), load(name),
    // loops(name) (null: the count load gives).
    property var store: null

    signal presetSaved(string name)
    // Before the entry's file goes; and once the list no longer has it.
    signal presetDeleting(string name, int index)
    signal presetDeleted(string name, int index)
    signal macroRenamed(string oldName, string newName)
    // The list was read again from the registry.
    signal reloaded()

    // Reached when used: ui_View arrives after the page is made.
    function model(): var {
        return ui_View[listName]
    }

    function load(): void {
        model().load()
        reloaded()
    }

    function macroNames(): var {
        return model().names()
    }

    function nameAt(index: int): string {
        return model().nameAt(index)
    }

    function canDelete(index: int): bool {
        return model().canDelete(index)
    }

    // The actions and loop count stored under `name`. Untyped: the host
    // calls it by name with a variant.
    function loadMacro(name) {
        const macro = Actions.parseMacro(store.load(name),
                                       function (n) { return keyCodes.keyCode(n) !== 0 },
                                       function (n) { return keyCodes.mouseCode(n) !== 0 },
                                       gunVariant)
        const loops = store.loops ? store.loops(name) : null
        if (loops !== null && loops !== undefined)
            macro.loops = Actions.loopValue(loops)
        return macro
    }

    // A new empty entry; its index, or -1 when the list is full.
    function create(): int {
        return model().create()
    }

    // False when refused.
    function rename(index: int, newName: string): bool {
        const oldName = nameAt(index)
        if (!model().rename(index, newName))
            return false
        if (nameAt(index) !== oldName)
            macroRenamed(oldName, nameAt(index))
        return true
    }

    function remove(index: int): bool {
        if (!canDelete(index))
            return false
        const name = nameAt(index)
        presetDeleting(name, index)
        model().remove(index)
        presetDeleted(name, index)
        return true
    }

    // False when the file could not be written.
    function save(name: string, lines: var, bytes: var, loops: int): bool {
        if (!store.save(name, lines, bytes, loops))
            return false
        presetSaved(name)
        return true
    }
}
