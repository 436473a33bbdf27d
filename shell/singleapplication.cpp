#include "singleapplication.h"

#include "platform/instancepaths.h"
#include "shell/startuptrace.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char kAck = '\x06';
constexpr quint32 kMaxMessageBytes = 64 * 1024;

// Length-prefixed UTF-8; returns false until the whole message has arrived.
bool readMessage(QLocalSocket *socket, QString &message)
{
    QDataStream in(socket);
    in.startTransaction();
    quint32 size = 0;
    in >> size;
    if (in.status() == QDataStream::Ok && size > kMaxMessageBytes) {
        in.abortTransaction();
        socket->abort();
        return false;
    }
    QByteArray bytes(int(size), Qt::Uninitialized);
    if (size > 0 && in.readRawData(bytes.data(), int(size)) != int(size))
        in.setStatus(QDataStream::ReadPastEnd);
    if (!in.commitTransaction())
        return false;
    message = QString::fromUtf8(bytes);
    return true;
}

bool serverAnswers(const QString &name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool answered = probe.waitForConnected(1000);
    probe.abort();
    return answered;
}

} // namespace

class SingleApplication::Private
{
public:
    QString name = SingleApplication::serverName();
    QLockFile lock{SingleApplication::lockFilePath()};
    QLocalServer *server = nullptr;
    bool running = false;
    QString startError;
};

QString SingleApplication::instanceFolder(QString *problem)
{
    return InstancePaths::instanceFolder(problem);
}

bool SingleApplication::isPrivateFolder(const QString &folder, QString *why)
{
    return InstancePaths::isPrivateFolder(folder, why);
}

QString SingleApplication::serverName()
{
    return InstancePaths::serverName();
}

QString SingleApplication::lockFilePath()
{
    return InstancePaths::lockFilePath();
}

SingleApplication::SingleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , d(std::make_unique<Private>())
{
    StartupTrace::mark("QApplication made");
    // The lock decides who is first, even when two copies start at once. Its
    // owner's process id lets a later start take over a lock that a crashed
    // copy left behind.
    d->lock.setStaleLockTime(0);
    QString unusable;
    instanceFolder(&unusable);
    if (!unusable.isEmpty()) {
        d->startError = QStringLiteral("Cannot use the folder for the single-instance lock: %1").arg(unusable);
        return;
    }
    if (!d->lock.tryLock(0)) {
        if (d->lock.error() == QLockFile::LockFailedError) {
            d->running = true;
            return;
        }
        // The lock could not even be tried (an unwritable folder, a file of
        // someone else's): that says nothing about a running copy, so never
        // take its server name over. Hand over if one answers, else give up.
        if (serverAnswers(d->name)) {
            d->running = true;
            return;
        }
        d->startError = QStringLiteral("Cannot take the single-instance lock %1: %2")
                            .arg(lockFilePath(), d->lock.error() == QLockFile::PermissionError
                                                     ? QStringLiteral("permission denied")
                                                     : QStringLiteral("the folder cannot be used"));
        return;
    }

    // A crashed first copy may have left its socket file; it is ours now.
    QLocalServer::removeServer(d->name);
    d->server = new QLocalServer(this);
    d->server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!d->server->listen(d->name))
        qWarning("Single instance server: %s", qPrintable(d->server->errorString()));

    connect(d->server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = d->server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                QString message;
                if (!readMessage(socket, message))
                    return;
                socket->write(&kAck, 1);
                socket->flush();
                socket->disconnectFromServer();
                emit messageReceived(message);
            });
        }
    });
}

SingleApplication::~SingleApplication()
{
    if (d->server)
        d->server->close();
}

bool SingleApplication::isRunning() const
{
    return d->running;
}

QString SingleApplication::startError() const
{
    return d->startError;
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    // The first copy may hold the lock but not yet listen: keep trying.
    for (;;) {
        socket.connectToServer(d->name);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }

    const QByteArray bytes = message.toUtf8();
    QDataStream out(&socket);
    out << quint32(bytes.size());
    out.writeRawData(bytes.constData(), int(bytes.size()));
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    return socket.waitForReadyRead(int(deadline.remainingTime())) && socket.read(1) == QByteArray(1, kAck);
}
