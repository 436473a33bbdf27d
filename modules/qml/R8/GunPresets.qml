import QtQuick
import ".."
import "keypages.js" as KeyPages
import "actions.js" as Actions

// The gun presets for the whole run: which preset each of the three gun
// slots plays, what the key menu shows of them, and sending the three to the
// mouse together, from macro slot 6 on when they fit, with each slot's
// length. The gun dialog edits this list.
PresetList {
    id: guns

    // The preset (list index) each gun slot plays.
    property var gunData: [0, 1, 2]
    // The button that carries each gun slot, -1 for none (the key matrix's).
    property var gunKeyIndexes: [-1, -1, -1]
    // What the key menu shows for each slot: its preset's name while the slot
    // is on a button, "" otherwise.
    property var gunMenuNames: ["", "", ""]

    signal deleteGunSignal(string name)
    // Gun slot `slot` loses its preset: the button that carries it lets it go.
    signal gunSlotFreed(int slot)
    // The preset names that buttons and the key menu show may have changed.
    signal gunNamesChanged()

    function init(isSendData: bool): void {
        load()
        readGunData()
        if (isSendData)
            sendGunMacro()
    }

    // The slots of the current profile; a choice that names no preset is the
    // slot's own default.
    function readGunData(): void {
        gunData = model().gunSlotPresets(ui_View.getselectGun())
    }

    function setGunData(slot: int, presetIndex: int): void {
        if (slot < 0 || slot >= KeyPages.gunSlots)
            return
        const data = gunData.slice()
        data[slot] = presetIndex
        gunData = data
        ui_View.setSelectGun(gunData)
    }

    function setGunMenuName(): void {
        const names = []
        for (let g = 0; g < KeyPages.gunSlots; ++g)
            names.push(gunKeyIndexes[g] >= 0 ? getMacroName(g) : "")
        gunMenuNames = names
    }

    // False when the three together do not fit the mouse: nothing was sent.
    function sendGunMacro(): bool {
        ui_View.setSelectGun(gunData)
        return sendMacro(5, getMacroName(0), getMacroName(1), getMacroName(2))
    }

    // The three presets go out together from macro slot index 5 (slot 6),
    // where the gun layers play them.
    function sendMacro(slot: int, name0: string, name1: string, name2: string): bool {
        if (slot !== 5)
            return false
        return Boolean(ui_View.sendGunPresets([String(name0), String(name1), String(name2)]))
    }

    // The preset of gun slot `index`.
    function getMacroName(index: int): string {
        return index >= 0 && index < KeyPages.gunSlots ? nameAt(gunData[index]) : ""
    }

    // The preset at list index `index`.
    function getGunName(index: int): string {
        return nameAt(index)
    }

    // The length of preset `name` as the mouse gets it.
    function presetBytes(name: string): int {
        const macro = loadMacro(name)
        return ui_View.encodeMacroActions(Actions.actionLines(macro.actions), macro.loops, true).length
    }

    function slotsUsing(index: int): var {
        const slots = []
        for (let g = 0; g < KeyPages.gunSlots; ++g)
            if (gunData[g] === index)
                slots.push(g)
        return slots
    }

    listName: "gunList"
    gunVariant: true
    store: ({
        save: function (name, lines, bytes, loops) { return ui_View.saveGunIni(name, lines, bytes, loops) },
        load: function (name) { return ui_View.loadGunIni(name) },
        loops: null
    })

    // A preset a slot plays reaches the mouse as soon as it changes.
    onPresetSaved: (name) => {
        for (var g = 0; g < KeyPages.gunSlots; ++g)
            if (getMacroName(g) === name) {
                sendGunMacro()
                return
            }
    }
    onMacroRenamed: {
        setGunMenuName()
        gunNamesChanged()
    }
    // The buttons of the slots that play it let them go first.
    onPresetDeleting: (name, index) => {
        deleteGunSignal(name)
        var slots = slotsUsing(index)
        for (var i = 0; i < slots.length; ++i)
            if (gunKeyIndexes[slots[i]] >= 0)
                gunSlotFreed(slots[i])
    }
    // Its slots fall back to preset 2, later presets move up one index.
    onPresetDeleted: (name, index) => {
        var used = slotsUsing(index).length > 0
        gunData = model().gunSlotsAfterRemoval(gunData, index)
        ui_View.setSelectGun(gunData)
        ui_View.upDateDeleteGun(index)
        setGunMenuName()
        gunNamesChanged()
        if (used)
            sendGunMacro()
    }
}
