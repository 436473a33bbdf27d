#pragma once

#include "hooks/callbackregistry.h"

#include <QStringList>

// One line per call of the callback registry's keyboard and mouse slots.
inline QString keyLine(int usage, bool isDown)
{
    return QStringLiteral("key %1 %2").arg(usage, 2, 16, QLatin1Char('0')).arg(isDown ? "down" : "up");
}
inline QString buttonLine(int code, bool isDown, int x, int y)
{
    return QStringLiteral("button %1 %2 at %3,%4").arg(code, 2, 16).arg(isDown ? "down" : "up").arg(x).arg(y);
}
// A press and release of a key, or nothing for usage 0.
inline QStringList tapLines(int usage)
{
    return usage ? QStringList{keyLine(usage, true), keyLine(usage, false)} : QStringList{};
}

// Fills both slots for as long as it lives: a line and the event's time per call.
struct CaptureRecorder
{
    CaptureRecorder()
    {
        CallbackRegistry::setKeyboard(
            [](int usage, bool isDown, quint32 time, void *self) {
                static_cast<CaptureRecorder *>(self)->add(keyLine(usage, isDown), time);
            },
            this);
        CallbackRegistry::setMouse(
            [](int code, bool isDown, int x, int y, quint32 time, void *self) {
                static_cast<CaptureRecorder *>(self)->add(buttonLine(code, isDown, x, y), time);
            },
            this);
    }
    ~CaptureRecorder() { CallbackRegistry::clear(); }
    CaptureRecorder(const CaptureRecorder &) = delete;
    CaptureRecorder &operator=(const CaptureRecorder &) = delete;

    void add(const QString &line, quint32 time)
    {
        lines.append(line);
        times.append(time);
    }

    QStringList lines;
    QList<quint32> times;
};
