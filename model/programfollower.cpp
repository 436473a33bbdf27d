#include "programfollower.h"

#include "storage/programlist.h"

ProgramFollower::ProgramFollower(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &ProgramFollower::settled);
}

void ProgramFollower::setProfiles(const QList<Entry> &profiles)
{
    m_profiles = profiles;
}

int ProgramFollower::profileFor(const QString &program) const
{
    for (const Entry &entry : m_profiles) {
        if (ProgramList::lists(entry.programs, program))
            return entry.profile;
    }
    return m_fallback;
}

int ProgramFollower::profileForRunning(const QStringList &running, QString *matched) const
{
    for (const Entry &entry : m_profiles) {
        for (const QString &program : entry.programs) {
            if (ProgramList::lists(running, program)) {
                if (matched)
                    *matched = program;
                return entry.profile;
            }
        }
    }
    if (matched)
        matched->clear();
    return m_fallback;
}

void ProgramFollower::frontChanged(const QString &program)
{
    m_running = false;
    m_front = program;
    m_settle.start();
}

void ProgramFollower::runningChanged(const QStringList &programs)
{
    m_running = true;
    m_runningNow = programs;
    m_settle.start();
}

void ProgramFollower::setHeld(bool held)
{
    if (m_held == held)
        return;
    m_held = held;
    if (!held && m_pending) {
        m_pending = false;
        m_settle.start();
    }
}

void ProgramFollower::settled()
{
    if (m_held) {
        m_pending = true;
        return;
    }
    emit aboutToDecide();
    QString program = m_front;
    int profile = -1;
    if (m_running) {
        profile = profileForRunning(m_runningNow, &program);
    } else {
        if (m_front.isEmpty() || ProgramList::lists(m_passedOver, m_front))
            return;
        profile = profileFor(m_front);
    }
    if (profile < 0 || profile == m_called)
        return;
    m_called = profile;
    if (profile != m_current)
        emit switchWanted(profile, program);
}
