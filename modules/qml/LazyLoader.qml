import QtQuick

// Makes its component once, the first time it is active, and keeps it: a
// dialog that is never opened costs nothing. Unlike Loader (in Qt 6.4) it can
// make a bound component, one whose bindings reach the ids of the file it is
// written in, as the item is made in that file's context.
Item {
    id: holder

    property Component sourceComponent
    property bool active: false
    // The item once made; set by the holder alone.
    property Item item: null

    onActiveChanged: {
        if (active && !item)
            item = sourceComponent.createObject(holder) as Item
    }
}
