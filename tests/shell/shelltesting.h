#pragma once

// Helpers of the shell tests: the program's folder as working directory, the
// debug output, and a page that records what the program calls.

#include "shell/widget.h"
#include "shell/viewhost.h"
#include "viewmodel/myqquickview.h"
#include "tests/support/datacopy.h"

#include <QDir>
#include <QDirIterator>
#include <QMutex>
#include <QTemporaryDir>
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

// The program reads ./modules in its working folder; tests work on a fresh
// copy of the shipped data, never on the files of the built program.
inline void enterDataFolder()
{
    static QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(copyFolder(QStringLiteral(Q530_DATA_DIR), folder.path() + QStringLiteral("/modules")));
    QVERIFY(QDir::setCurrent(folder.path()));
    qInstallMessageHandler(captureMessage);
}

// Puts the recording page where main.qml was; the context stays.
inline void installRecorder(Widget &window)
{
    window.host()->setSource(QUrl::fromLocalFile(QStringLiteral(Q530_RECORDER_QML)));
    QVERIFY(window.host()->rootObject());
}

inline QStringList calls(Widget &window)
{
    return window.host()->rootObject()->property("calls").toStringList();
}

} // namespace ShellTesting
