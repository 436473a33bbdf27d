#pragma once

// Helpers of the shell tests: the program's folder as working directory, the
// debug output, and a page that records what the program calls.

#include "shell/widget.h"
#include "viewmodel/myqquickview.h"

#include <QDir>
#include <QMutex>
#include <QQuickItem>
#include <QStringList>
#include <QtTest>

namespace ShellTesting {

inline QMutex g_logMutex;
inline QStringList g_log;

// The listener writes from a pool thread.
inline void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&g_logMutex);
    g_log.append(message);
}

inline QStringList log()
{
    QMutexLocker lock(&g_logMutex);
    return g_log;
}

inline void clearLog()
{
    QMutexLocker lock(&g_logMutex);
    g_log.clear();
}

// The program reads ./modules beside itself; tests do the same.
inline void enterProgramFolder()
{
    QVERIFY(QDir::setCurrent(QStringLiteral(Q530_PROGRAM_DIR)));
    qInstallMessageHandler(captureMessage);
}

// Puts the recording page where main.qml was; the context stays.
inline void installRecorder(Widget &window)
{
    window.view()->setSource(QUrl::fromLocalFile(QStringLiteral(Q530_RECORDER_QML)));
    QVERIFY(window.view()->rootObject());
}

inline QStringList calls(Widget &window)
{
    return window.view()->rootObject()->property("calls").toStringList();
}

} // namespace ShellTesting
