#pragma once

#include <QLockFile>
#include <QString>

// Keeps a run from racing the program for the mouse and the files. The
// program answers on its single-instance server while it runs; its lock file
// is held for the length of the run, so that neither the program nor another
// run starts meanwhile (a program started now ends as a second copy would).
class InstanceGuard
{
public:
    InstanceGuard();

    // Why this run must not go on; empty when it may.
    QString refusal() const { return m_refusal; }
    // The refusal is the user's runtime folder's, not a running copy's.
    bool folderUnusable() const { return m_folderUnusable; }

private:
    QLockFile m_lock;
    QString m_refusal;
    bool m_folderUnusable = false;
};
