#pragma once

#include <QObject>

// main.qml calls the window controller only when the user moves or hides the
// window; a page run without a window has nothing to move.
class NoWindow : public QObject
{
    Q_OBJECT
public slots:
    void onMinimize() {}
    void onClose() {}
    void onXChanged(int) {}
    void onYChanged(int) {}
};
