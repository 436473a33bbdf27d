import QtQuick
import ".."

// "Macro Manager": the macros of the buttons, edited. The list and what its
// changes send to the mouse are `presets` (MacroPresets), which outlives the
// dialog.
PresetEditor {
    id: macroEditor

    readonly property var macroNumberModel: presetModel

    // The list read again from the registry.
    function init(): void {
        presets.load()
    }
}
