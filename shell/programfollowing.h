#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class ActiveProgram;
class ProgramFollower;
class QAction;
class Widget;

// Profiles that follow the program in use: the tray's "Follow the program in
// use" entry, stored in the configuration, and, while it is on, the watcher
// of the program in front and the follower that picks its profile. The
// switch goes the profile dialog's way (the dashboard's changeProfile, then
// profileDialogClosed), so it sends and stores what a switch by hand would,
// and a balloon names the profile and the program. Off, nothing watches.
class ProgramFollowing : public QObject
{
    Q_OBJECT
public:
    explicit ProgramFollowing(Widget &window);
    ~ProgramFollowing() override;

    QAction *action() const { return m_action; }
    bool isOn() const { return m_watcher != nullptr; }

private slots:
    // Finds the page's dashboard once it is made and follows its hold and profile.
    void watchPage();
    void updateHold();

private:
    void setOn(bool on);
    // The lists and the fallback, as the profiles now hold them.
    void reload();
    void switchTo(int profile, const QString &program);
    QString text(int index) const;

    Widget &m_window;
    QAction *m_action = nullptr;
    std::unique_ptr<ActiveProgram> m_watcher;
    std::unique_ptr<ProgramFollower> m_follower;
    QPointer<QObject> m_dashboard;
    QStringList m_texts;
    bool m_waitingForDashboard = false;
    bool m_saidRunning = false;
};
