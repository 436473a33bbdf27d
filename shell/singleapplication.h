#pragma once

#include <QApplication>

#include <memory>

// The application object, allowing one running copy per user. The first copy
// listens on a local server; a later copy finds it, can send it a message and
// should then end.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    explicit SingleApplication(int &argc, char **argv);
    ~SingleApplication() override;

    // True when another copy was already running at construction.
    bool isRunning() const;
    // Why this copy can neither run nor hand over to a running one (the lock
    // could not be taken, and no copy answered); empty when all is well.
    QString startError() const;
    // Delivers `message` to the running copy; false if that took longer than
    // `timeout` milliseconds or no copy answered.
    bool sendMessage(const QString &message, int timeout);

    // The local server's socket for this user (or for the test key in
    // Q530_INSTANCE_KEY), a full path in instanceFolder().
    static QString serverName();
    // The lock file that decides which copy is first, beside the socket (or
    // in Q530_INSTANCE_LOCK_DIR, for tests).
    static QString lockFilePath();
    // The user's own folder for both: XDG_RUNTIME_DIR when it is the user's
    // and private, else ~/.cache/q530-instance, made 0700. `problem` says why the
    // folder cannot be used, if it cannot.
    static QString instanceFolder(QString *problem = nullptr);
    // A folder of this user's, no symbolic link, that only the user may use.
    static bool isPrivateFolder(const QString &folder, QString *why);

signals:
    void messageReceived(const QString &message);

private:
    class Private;
    std::unique_ptr<Private> d;
};
