#include "recordingrig.h"

#include "../device/devicefixture.h"

#include "device/devicestate.h"
#include "hooks/callbackregistry.h"
#include "platform/hookguard.h"
#include "shell/pagecall.h"
#include "shell/viewhost.h"
#include "viewmodel/myqquickview.h"
#include "tests/support/datacopy.h"

#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QTest>

QVariant callQml(QObject *object, const char *function, const QVariant &a, const QVariant &b)
{
    QVariantList arguments;
    if (a.isValid())
        arguments.append(a);
    if (b.isValid())
        arguments.append(b);
    return callPageFunction(object, function, arguments);
}

RecordingRig::RecordingRig() = default;

RecordingRig::~RecordingRig()
{
    m_guard.reset();
    CallbackRegistry::clear();
    m_host.reset();
    m_view.reset();
    m_sim.reset();
}

void RecordingRig::start()
{
    QVERIFY(m_folder.isValid());
    copyFolder(QStringLiteral(Q530_DATA_DIR), m_folder.path() + QStringLiteral("/modules"));
    QDir::setCurrent(m_folder.path());
    DpiTables::reset();
    m_sim = std::make_unique<LinkOnSimulator>();
    m_view = std::make_unique<myQQuickView>(nullptr);
    m_view->setHid(&m_sim->link);
    m_host = std::make_unique<ViewHost>(m_view.get());
    m_host->rootContext()->setContextProperty(QStringLiteral("ui_View"), m_view.get());
    m_host->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &m_control);
    m_host->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
    QVERIFY2(m_host->errors().isEmpty(), qPrintable(m_host->errors().value(0).toString()));
    m_host->show();
    m_host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_host.get()));

    // As the program wires the capture: the registry's slots lead to the
    // view model's forwarders, which queue the page's root functions.
    CallbackRegistry::setKeyboard(
        [](int usbCode, bool isDown, quint32 time, void *view) {
            static_cast<myQQuickView *>(view)->forwardKey(uchar(isDown), uchar(usbCode), time);
        },
        m_view.get());
    CallbackRegistry::setMouse(
        [](int code, bool isDown, int x, int y, quint32 time, void *view) {
            static_cast<myQQuickView *>(view)->forwardMouse(uchar(isDown), uint(code), uint(x), uint(y), time);
        },
        m_view.get());
    m_guard = std::make_unique<HookGuard>();
    QVERIFY(m_guard->isInstalled());

    m_view->initUI();
    QTRY_VERIFY_WITH_TIMEOUT(root()->property("mainPageShown").toBool(), 10000);
}

void RecordingRig::reset()
{
    QObject *editorItem = editor();
    callQml(editorItem, "stopRecord");
    callQml(editorItem, "close");
    m_view->resetProfile(0);
    QDir macros(QStringLiteral("modules/macro"));
    for (const QString &name : macros.entryList(QDir::Files))
        macros.remove(name);
    m_view->updataNameList(0, {});
    callQml(editorItem, "init");
    QMetaObject::invokeMethod(root()->findChild<QObject *>(QStringLiteral("keyMatrixMain")), "init", Q_ARG(bool, false));
}

void RecordingRig::clickItem(QQuickItem *item) const
{
    QVERIFY(item);
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window(), Qt::LeftButton, {}, centre.toPoint());
}

QWindow *RecordingRig::window() const
{
    return m_host->window()->windowHandle();
}

QObject *RecordingRig::root() const
{
    return m_host->rootObject();
}

QObject *RecordingRig::editor() const
{
    QObject *loader = root()->findChild<QObject *>(QStringLiteral("macroEditorMainLoader"));
    if (!loader)
        return nullptr;
    loader->setProperty("active", true);
    return loader->property("item").value<QObject *>();
}

void RecordingRig::recordNewMacroOnButton(int button, bool recTime)
{
    QObject *editorItem = editor();
    callQml(editorItem, "newMacro");
    QCOMPARE(callQml(editorItem, "currentName").toString(), QStringLiteral("Macro_0"));
    QObject *dashboard = root()->property("dashboard").value<QObject *>();
    QVERIFY(QMetaObject::invokeMethod(dashboard, "openKeyMenu", Q_ARG(int, button)));
    QVERIFY(QMetaObject::invokeMethod(dashboard, "assignMacro", Q_ARG(QString, QStringLiteral("Macro_0")), Q_ARG(int, 0)));
    QVERIFY(QMetaObject::invokeMethod(dashboard, "closeKeyMenu"));
    // As the user opens the editor and starts it: the launcher, then the record button.
    clickItem(root()->findChild<QQuickItem *>(QStringLiteral("macroEditorButton")));
    QTRY_VERIFY(editorItem->property("visible").toBool());
    editorItem->setProperty("recTime", recTime);
    clickItem(editorItem->findChild<QQuickItem *>(QStringLiteral("recordButton")));
    QTRY_VERIFY(editorItem->property("isInputting").toBool());
}

QStringList RecordingRig::actionLines() const
{
    QStringList lines = m_view->loadMacroIni(QStringLiteral("Macro_0"));
    if (!lines.isEmpty())
        lines.removeLast(); // the loop count
    return lines;
}

QList<int> RecordingRig::slotBytes(int slot) const
{
    m_sim->link.waitForPendingExchange();
    const QByteArray bytes = m_sim->peer.state().macroSlots.value(uint8_t(slot));
    QList<int> list;
    for (char b : bytes)
        list.append(uchar(b));
    return list;
}
