#include "instanceguard.h"

#include "platform/quitsignals.h"
#include "platform/instancepaths.h"

#include <QLocalSocket>

namespace {

constexpr int kAnswerMs = 1000;

bool programAnswers()
{
    QLocalSocket probe;
    probe.connectToServer(InstancePaths::serverName());
    const bool answered = probe.waitForConnected(kAnswerMs);
    probe.abort();
    return answered;
}

} // namespace

InstanceGuard::InstanceGuard()
    : m_lock(InstancePaths::lockFilePath())
{
    QString unusable;
    InstancePaths::instanceFolder(&unusable);
    if (!unusable.isEmpty()) {
        m_refusal = QStringLiteral("cannot look for a running q530: the folder for its lock %1").arg(unusable);
        m_folderUnusable = true;
        return;
    }
    if (programAnswers()) {
        m_refusal = QStringLiteral("q530 is running: quit it first (it owns the mouse and the profiles while it runs)");
        return;
    }
    // A lock left by a crashed copy is taken over, as the program does.
    m_lock.setStaleLockTime(0);
    // Taken and registered in one step: a signal between the two would leave the lock.
    QuitSignals::makeAndRemoveOnSignal(InstancePaths::lockFilePath(), [this] { return m_lock.tryLock(0); });
    if (!m_lock.isLocked() && m_lock.error() == QLockFile::LockFailedError)
        m_refusal = QStringLiteral("q530 is starting, or another q530ctl is running: try again when it has ended");
    // A lock that cannot even be tried says nothing about a running copy; the
    // server's silence does, so the run goes on.
}
