#pragma once

#include "device/hid_thread.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

class HidBackend;
class ProgramFollowing;
class QAction;
class Ui_Controler;
class ViewHost;
class myQQuickView;

// The program's one window: a frameless, translucent frame around the view,
// the device link, the poll timer that looks for the mouse again after device
// changes, and the tray icon that stays when the window is hidden.
class Widget : public QWidget
{
    Q_OBJECT
public:
    // `backend` is not owned and must outlive the window.
    explicit Widget(HidBackend *backend, QWidget *parent = nullptr);
    ~Widget() override;

    Hid_Thread &hid() { return m_hid; }
    myQQuickView *view() const;
    ViewHost *host() const;
    Ui_Controler *controler() const { return m_controler; }
    QSystemTrayIcon *trayIcon() const { return m_tray; }
    QAction *quitAction() const { return m_quit; }
    bool devicePollPending() const { return m_pollTimer.isActive(); }

    // Queues the page's "initUI" now and its "run" from the event loop, once
    // per run: the first time the window is shown, whichever way it opens.
    void startUI();
    // Puts the icon into the tray, once, with the notices that came before.
    // A shown window does it after its first frame, as nothing on screen
    // needs it sooner; a start without a mouse at once.
    void showTray();
    // A notice of the tray: shown at once, or when the tray comes.
    void showBalloon(const QString &title, const QString &text);
    ProgramFollowing *following() const { return m_following; }

public slots:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkDevice();
    void receiveMessage(const QString &msg);
    // A device came or went: look again 2048 ms after the last such notice,
    // unless the listener already watches a connected mouse.
    void onDeviceChange();

signals:
    // A notice went to the tray: shown at once, or when the tray comes.
    void balloonShown(const QString &title, const QString &text);
    // The page's "run" has been queued.
    void uiStarted();

protected:
    void customEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void buildTray();
    void warnNotSaved(const QString &file, const QString &reason);
    void requestRestore();
    void restoreWindow();

    QTimer m_pollTimer;
    Hid_Thread m_hid;
    Ui_Controler *m_controler = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
    QAction *m_quit = nullptr;
    ProgramFollowing *m_following = nullptr;
    QList<std::pair<QString, QString>> m_earlyNotices;
    bool m_trayShown = false;
    bool m_uiStarted = false;
};
