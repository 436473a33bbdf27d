import QtQuick
import "keypages.js" as KeyPages
import "actions.js" as Actions

// A list of named action sequences kept in the name registry, which the
// macros and the gun presets both are: the names in their order, the files
// behind them and every change of the list. It lives as long as the page;
// the dialog that edits it is made only when it is first opened.
QtObject {
    id: list

    property QtObject keyCodes
    property int registryType: 0       // the name list of the registry
    property string namePrefix: "Macro_"
    property bool gunVariant: false    // the encoder's gun form, cursor offsets
    // File operations by name: create(name, index), save(name, lines, bytes,
    // loops), load(name), loops(name) (null: the count load gives),
    // index(name), type(name), setIndex(name, index), rename(old, new),
    // remove(name).
    property var store: null
    // Whether the entry at list index `index` may be deleted.
    property var canDelete: function (index) { return true }

    readonly property int presetLimit: 100
    readonly property ListModel presetModel: ListModel {}

    signal presetSaved(string name)
    // Before the entry's file goes; and once the list no longer has it.
    signal presetDeleting(string name, int index)
    signal presetDeleted(string name, int index)
    signal macroRenamed(string oldName, string newName)
    // The list was read again from the registry.
    signal reloaded()

    // The names of the registry's list, by their stored number (ties in list
    // order).
    function load() {
        var names = KeyPages.dropSentinel(ui_View.getNameList(registryType))
        var entries = []
        for (var i = 0; i < names.length; ++i) {
            var name = names[i]
            if (name === "" || entries.some(function (m) { return m.macroName === name }))
                continue
            var no = parseInt(store.index(name))
            entries.push({ macroName: name, no: isNaN(no) ? i : no, macroType: parseInt(store.type(name)) || 0, order: i })
        }
        entries.sort(function (a, b) { return a.no - b.no || a.order - b.order })
        // A number two entries share says nothing of their order (an import
        // creates what it brings with number 0): the registry's order holds
        // then, and the numbers are made to follow it.
        var shared = entries.some(function (m, k) { return k > 0 && m.no === entries[k - 1].no })
        if (shared) {
            entries.sort(function (a, b) { return a.order - b.order })
            for (i = 0; i < entries.length; ++i) {
                if (entries[i].no !== i)
                    store.setIndex(entries[i].macroName, i)
                entries[i].no = i
            }
        }
        presetModel.clear()
        for (i = 0; i < entries.length; ++i)
            presetModel.append({ macroName: entries[i].macroName, no: entries[i].no, macroType: entries[i].macroType })
        reloaded()
    }

    function macroNames() {
        var names = []
        for (var i = 0; i < presetModel.count; ++i)
            names.push(presetModel.get(i).macroName)
        return names
    }

    function nameAt(index) {
        return index >= 0 && index < presetModel.count ? presetModel.get(index).macroName : ""
    }

    function storeNames() {
        ui_View.updataNameList(registryType, macroNames())
    }

    // The actions and loop count stored under `name`.
    function loadMacro(name) {
        var macro = Actions.parseMacro(store.load(name),
                                       function (n) { return keyCodes.keyCode(n) !== 0 },
                                       function (n) { return keyCodes.mouseCode(n) !== 0 },
                                       gunVariant)
        var loops = store.loops ? store.loops(name) : null
        if (loops !== null && loops !== undefined)
            macro.loops = Actions.loopValue(loops)
        return macro
    }

    // A new empty entry with the first free name; its index, or -1 when the
    // list is full.
    function create() {
        if (presetModel.count >= presetLimit)
            return -1
        var name = KeyPages.firstFreeName(namePrefix, macroNames(), presetLimit)
        if (name === "")
            return -1
        var count = presetModel.count
        presetModel.append({ macroName: name, no: count, macroType: 0 })
        store.create(name, count)
        storeNames()
        return count
    }

    // False when refused: an empty or path-like name, or one another entry has.
    function rename(index, newName) {
        if (index < 0 || index >= presetModel.count)
            return false
        var oldName = presetModel.get(index).macroName
        var name = String(newName).trim()
        if (name === oldName)
            return true
        if (!KeyPages.isUsableName(name) || macroNames().indexOf(name) >= 0)
            return false
        if (!store.rename(oldName, name))
            return false
        presetModel.setProperty(index, "macroName", name)
        storeNames()
        macroRenamed(oldName, name)
        return true
    }

    // The file goes and the later entries move up one number.
    function remove(index) {
        if (index < 0 || index >= presetModel.count || !canDelete(index))
            return false
        var name = nameAt(index)
        presetDeleting(name, index)
        store.remove(name)
        presetModel.remove(index)
        for (var i = index; i < presetModel.count; ++i) {
            presetModel.setProperty(i, "no", i)
            store.setIndex(presetModel.get(i).macroName, i)
        }
        storeNames()
        presetDeleted(name, index)
        return true
    }

    // False when the file could not be written.
    function save(name, lines, bytes, loops) {
        if (!store.save(name, lines, bytes, loops))
            return false
        presetSaved(name)
        return true
    }
}
