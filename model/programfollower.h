#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Decides which profile the program in use asks for. It is told the
// profiles' program lists, the program in front (or, where no window can be
// seen, the programs running), and whether the page holds it; it asks for a
// switch once a program has stayed in front for kSettleMs. The shell makes
// the switch, as the profile dialog would.
//
// A program no profile lists gets the fallback profile. Programs it is told
// to pass over (this program itself, where the user edits the profiles) and
// a front with no program keep the profile as it is. It asks only when the
// profile the programs call for changes: a profile chosen by hand stays
// until the user moves to another program.
class ProgramFollower : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 500;

    struct Entry
    {
        int profile = -1;
        QStringList programs;
    };

    explicit ProgramFollower(QObject *parent = nullptr);

    // The profiles in the order the user keeps them; the first that lists a
    // program is its profile.
    void setProfiles(const QList<Entry> &profiles);
    void setFallback(int profile) { m_fallback = profile; }
    int fallback() const { return m_fallback; }
    void setPassedOver(const QStringList &programs) { m_passedOver = programs; }
    // The profile now current, whoever chose it.
    void setCurrentProfile(int profile) { m_current = profile; }
    int currentProfile() const { return m_current; }

    // The profile for `program`: the first listing it, else the fallback.
    int profileFor(const QString &program) const;
    // The first profile, in order, that lists one of `running`; the fallback
    // when none does. `matched` gets the program that decided it.
    int profileForRunning(const QStringList &running, QString *matched = nullptr) const;

public slots:
    void frontChanged(const QString &program);
    void runningChanged(const QStringList &programs);
    // While held (a dialog or a pop-up of the page is open) nothing is asked
    // for; a change that came meanwhile settles again once it ends.
    void setHeld(bool held);

signals:
    // A program has settled and its profile is about to be chosen: the
    // lists and the fallback may be brought up to date now (an import, a
    // reset or a copy replaces a profile's file, lists and all).
    void aboutToDecide();
    void switchWanted(int profile, const QString &program);

private:
    void settled();

    QList<Entry> m_profiles;
    QStringList m_passedOver;
    int m_fallback = 0;
    int m_current = -1;
    // The profile last called for: a switch is asked only when it changes.
    int m_called = -1;
    bool m_held = false;
    bool m_pending = false;
    bool m_running = false;          // following running programs, not the front
    QString m_front;
    QStringList m_runningNow;
    QTimer m_settle;
};
