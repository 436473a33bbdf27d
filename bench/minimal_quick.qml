import QtQuick

// The floor for the start-up figures: one plain rectangle, the program's page size.
Rectangle {
    width: 1000
    height: 640
    color: "#1f1f1f"
}
