import QtQuick
import ".."
import "actions.js" as Actions

// The macros of the buttons, for the whole run: a saved macro goes again to
// every slot of the current profile that plays it; a deleted one leaves the
// buttons that played it. The macro editor edits this list.
PresetList {
    id: macros

    signal deleteMacroSignal(string name)

    // The mouse plays macro `name` from `slot` (0-based).
    function sendMacro(slot: int, name: string): void {
        if (String(name) === "" || slot < 0)
            return
        const lines = ui_View.loadMacroIni(name)
        if (lines.length === 0)
            return
        const macro = loadMacro(name)
        const bytes = ui_View.encodeMacroActions(Actions.actionLines(macro.actions), macro.loops, false)
        ui_View.sendMacroData(bytes, slot)
    }

    // Slots other profiles bind the macro to hold their own macros in the
    // mouse, so they are left alone.
    function resendMacro(name: string): void {
        const uses = ui_View.isMacroUse(name)
        const sent = []
        for (let i = 1; i < uses.length; ++i) {
            const slot = parseInt(uses[i])
            if (isNaN(slot) || sent.indexOf(slot) >= 0 || String(ui_View.getMacroKey(slot)) !== name)
                continue
            sent.push(slot)
            sendMacro(slot, name)
        }
    }

    listName: "macroList"
    gunVariant: false
    store: ({
        save: function (name, lines, bytes, loops) { return ui_View.saveMacroIni(name, lines, bytes, loops) },
        load: function (name) { return ui_View.loadMacroIni(name) },
        // The count from the file's settings, where a missing one is 1.
        loops: function (name) {
            var config = ui_View.loadMacroIniConfig(name)
            return config.length === 2 ? config[1] : null
        }
    })

    onPresetSaved: (name) => resendMacro(name)
    // The buttons that play it get their factory functions before the file goes.
    onPresetDeleting: (name) => {
        deleteMacroSignal(name)
        ui_View.releaseMacro(name)
    }
}
