#pragma once

#include <QString>

// Where the running copy of the program keeps its lock and its socket, for
// the program and for q530ctl, which must find and hold the same lock.
namespace InstancePaths {

// The local server's socket for this user (or for the test key in
// Q530_INSTANCE_KEY), a full path in instanceFolder().
QString serverName();
// The lock file that decides which copy is first, beside the socket (or in
// Q530_INSTANCE_LOCK_DIR, for tests).
QString lockFilePath();
// The user's own folder for both: XDG_RUNTIME_DIR when it is the user's and
// private, else ~/.cache/q530-instance, made 0700. `problem` says why the
// folder cannot be used, if it cannot.
QString instanceFolder(QString *problem = nullptr);
// A folder of this user's, no symbolic link, that only the user may use.
bool isPrivateFolder(const QString &folder, QString *why);

} // namespace InstancePaths
