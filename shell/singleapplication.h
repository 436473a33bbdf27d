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

    // The local server's name for this user (or for the test key in
    // Q530_INSTANCE_KEY).
    static QString serverName();
    // The lock file that decides which copy is first; in the temporary
    // folder, or in Q530_INSTANCE_LOCK_DIR for tests.
    static QString lockFilePath();

signals:
    void messageReceived(const QString &message);

private:
    class Private;
    std::unique_ptr<Private> d;
};
