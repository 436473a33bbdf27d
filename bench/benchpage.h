#pragma once

#include "device/hid_thread.h"
#include "viewmodel/myqquickview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QQmlContext>
#include <QQuickItem>

// main.qml calls the window controller only when the user moves or hides the
// window; the benchmarks have no window to move.
class NoWindow : public QObject
{
    Q_OBJECT
public slots:
    void onMinimize() {}
    void onClose() {}
    void onXChanged(int) {}
    void onYChanged(int) {}
};

// The real page on `view`, started as the program starts it, once the
// start-up lock has ended and the last exchange of the start is over. Null
// when the page did not load.
inline QObject *startPage(myQQuickView &view, NoWindow &controller, Hid_Thread &link)
{
    view.rootContext()->setContextProperty(QStringLiteral("ui_View"), &view);
    view.rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &controller);
    view.setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
    QObject *root = view.rootObject();
    if (!root)
        return nullptr;
    QMetaObject::invokeMethod(root, "initUI");
    QElapsedTimer started;
    started.start();
    while (!root->property("mainPageShown").toBool() && started.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    link.waitForPendingExchange();
    return root;
}
