#include "widget.h"

#include "device/devicestate.h"
#include "device/devicetable.h"
#include "platform/datafolder.h"
#include "platform/windowrestore.h"
#include "storage/savelog.h"
#include "ui_controler.h"
#include "userevent.h"
#include "shell/programfollowing.h"
#include "shell/startuptrace.h"
#include "shell/viewhost.h"
#include "viewmodel/myqquickview.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>

namespace {
constexpr int kPollIntervalMs = 2048;
}

Widget::Widget(HidBackend *backend, QWidget *parent)
    : QWidget(parent)
    , m_hid(backend, this)
{
    m_controler = new Ui_Controler(this);
    view()->setHid(&m_hid);

    m_pollTimer.setInterval(kPollIntervalMs);
    m_pollTimer.setSingleShot(true);
    connect(&m_pollTimer, &QTimer::timeout, this, &Widget::checkDevice);

    // The listener asks from a pool thread; the automatic connection queues
    // those requests to the tray on this thread.
    connect(&m_hid, &Hid_Thread::balloonRequested, this, &Widget::showBalloon);
    connect(view(), &myQQuickView::messageRequested, this, &Widget::showBalloon);

    buildTray();
    connect(host(), &ViewHost::firstFramePainted, this, &Widget::showTray);

    // A change the mouse took but its file did not: said once for a file,
    // in a box that does not stop the window, and as the tray's message.
    connect(&SaveLog::instance(), &SaveLog::saveFailed, this, &Widget::warnNotSaved, Qt::QueuedConnection);

    // A native window from the start, so system notices reach a window that
    // has not been shown yet.
    winId();
    StartupTrace::mark("native window made");
}

Widget::~Widget()
{
    m_hid.stopListener();
    m_controler->deleteLater();
}

myQQuickView *Widget::view() const
{
    return m_controler->view();
}

ViewHost *Widget::host() const
{
    return m_controler->host();
}

void Widget::buildTray()
{
    m_tray = new QSystemTrayIcon(this);
    m_quit = new QAction(tr("Quit (&Q)"), this);
    connect(m_quit, &QAction::triggered, qApp, &QCoreApplication::quit);

    m_following = new ProgramFollowing(*this);

    auto *menu = new QMenu(this);
    menu->addAction(m_following->action());
    menu->addSeparator();
    menu->addAction(m_quit);
    menu->setStyleSheet(QStringLiteral(
        "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
        "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
        "QMenu::item:enabled { color: rgb(225, 225, 225); } "
        "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
        "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
        "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
        "QMenu::indicator { width: 13px; height: 13px; } "
        "QMenu::icon { padding-left: 2px; padding-right: 2px; } "));
    m_tray->setContextMenu(menu);
    m_tray->setToolTip(QStringLiteral("STELLARC VEYRA MOUSE Q530"));
    connect(m_tray, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
}

void Widget::showTray()
{
    if (m_trayShown)
        return;
    m_trayShown = true;
    m_tray->setIcon(QIcon(QStringLiteral("./modules/img/trayIcon.ico")));
    m_tray->setVisible(true);
    for (const auto &[title, text] : std::as_const(m_earlyNotices))
        m_tray->showMessage(title, text, QSystemTrayIcon::Information, 10000);
    m_earlyNotices.clear();
    StartupTrace::mark("tray shown, with the notices before it");
}

void Widget::startUI()
{
    if (m_uiStarted)
        return;
    m_uiStarted = true;
    view()->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunUI));
}

void Widget::customEvent(QEvent *event)
{
    const auto *userEvent = dynamic_cast<const UserEvent *>(event);
    if (!userEvent || userEvent->type() != UserEvent::kType || userEvent->code() != UserEvent::kRunUI)
        return;
    view()->runUI();
    emit uiStarted();
}

void Widget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window opened from the tray after a late plug-in has never started
    // its page; without this it would keep its splash for the whole run.
    startUI();
}

bool Widget::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (WindowRestore::isRestoreMessage(eventType, message))
        restoreWindow();
    // Default processing goes on, so the system also lifts a minimised window.
    return QWidget::nativeEvent(eventType, message, result);
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        requestRestore();
}

void Widget::receiveMessage(const QString &)
{
    requestRestore();
}

void Widget::requestRestore()
{
    // Until a mouse has been found the window has nothing to show.
    if (deviceReady())
        WindowRestore::post(this, [this] { restoreWindow(); });
}

void Widget::restoreWindow()
{
    setVisible(true);
    showNormal();
    raise();
    activateWindow();
}

void Widget::checkDevice()
{
    m_hid.updateDeviceList(loadDeviceDescriptions());
    m_hid.swichCurDevice(m_hid.currentDeviceIndex());
    view()->syncFW();
}

void Widget::onDeviceChange()
{
    if (!m_hid.isListening())
        m_pollTimer.start();
}

void Widget::showBalloon(const QString &title, const QString &text)
{
    if (m_trayShown)
        m_tray->showMessage(title, text, QSystemTrayIcon::Information, 10000);
    else
        m_earlyNotices.append({title, text});
    emit balloonShown(title, text);
}

void Widget::warnNotSaved(const QString &file, const QString &reason)
{
    const QString title = tr("Not saved");
    const QString text = tr("Your change could not be saved to %1 (%2). The mouse may use it until it is "
                            "unplugged, but the program will not show it at its next start.")
                             .arg(file, reason);
    showBalloon(title, text);
    if (!DataFolder::canShowBoxes())
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
