#pragma once

#include "device/hid_thread.h"
#include "simulator/simulatedmouse.h"
#include "tests/support/datacopy.h"
#include "tests/support/nowindow.h"
#include "shell/viewhost.h"
#include "viewmodel/myqquickview.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QQmlContext>
#include <QQuickItem>
#include <QTemporaryDir>

// A working folder holding a copy of the shipped data (Q530_DATA_DIR, each
// benchmark's own), entered for the run, and the simulated mouse on the
// device link.
struct SimulatedRig
{
    SimulatedRig()
    {
        copyFolder(QStringLiteral(Q530_DATA_DIR), folder.path() + QStringLiteral("/modules"));
        QDir::setCurrent(folder.path());
        link.updateDeviceList(mouse.deviceTable());
    }

    QTemporaryDir folder;
    SimulatedMouse mouse;
    Hid_Thread link{&mouse};
};

// Calls a function of the page, with one argument or none.
inline bool call(QObject *object, const char *function, const QVariant &argument = QVariant())
{
    return argument.isValid() ? QMetaObject::invokeMethod(object, function, Q_ARG(QVariant, argument))
                              : QMetaObject::invokeMethod(object, function);
}

// The real page on `view`, started as the program starts it, once the
// start-up lock has ended and the last exchange of the start is over. Null
// when the page did not load.
inline QObject *startPage(ViewHost &host, NoWindow &controller, Hid_Thread &link)
{
    host.rootContext()->setContextProperty(QStringLiteral("ui_View"), host.viewModel());
    host.rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &controller);
    host.setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
    QObject *root = host.rootObject();
    if (!root)
        return nullptr;
    call(root, "initUI");
    QElapsedTimer started;
    started.start();
    while (!root->property("mainPageShown").toBool() && started.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    link.waitForPendingExchange();
    return root;
}
