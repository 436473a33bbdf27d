// The real program, started as separate processes on the simulated mouse:
// one copy per user, a crashed copy that leaves its files behind, and a start
// from another folder. Each test gives the program a home of its own, so no
// run touches the data folder of the person running the tests.

#include "shell/singleapplication.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <csignal>

#include <list>
#include <memory>

class TestShellProcesses : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void secondStartEndsWithCode1();
    void crashedFirstCopyDoesNotBlock();
    void unusableLockNeverTakesOver();
    void unusableLockWithoutACopySaysWhy();
    void filesLandInTheDataFolder();
    void plantedLockInTmpDoesNotBlock();
    void signalEndsAsQuitDoes_data();
    void signalEndsAsQuitDoes();
    void lockHeldByARunSaysWhy();

private:
    QProcess &start(const QString &workingDirectory = QString(), const QString &screenshot = QString(),
                    const QString &lockFolder = QString());
    static bool waitUntilUp(QProcess &process);

    QString m_key;
    std::unique_ptr<QTemporaryDir> m_home;
    std::list<QProcess> m_processes;
};

void TestShellProcesses::init()
{
    // A key of its own, so no copy a person runs on this machine is met.
    m_key = QUuid::createUuid().toString(QUuid::Id128);
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
}

void TestShellProcesses::cleanup()
{
    for (QProcess &p : m_processes) {
        p.kill();
        p.waitForFinished();
    }
    m_processes.clear();
    qputenv("Q530_INSTANCE_KEY", m_key.toUtf8());
    const QString name = SingleApplication::serverName();
    QLocalServer::removeServer(name);
    QFile::remove(SingleApplication::lockFilePath());
}

QProcess &TestShellProcesses::start(const QString &workingDirectory, const QString &screenshot,
                                    const QString &lockFolder)
{
    QProcess &p = m_processes.emplace_back();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("Q530_INSTANCE_KEY", m_key);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", m_home->filePath("data"));
    env.insert("XDG_CONFIG_HOME", m_home->filePath("config"));
    if (!screenshot.isEmpty())
        env.insert("Q530_SCREENSHOT", screenshot);
    if (!lockFolder.isEmpty())
        env.insert("Q530_INSTANCE_LOCK_DIR", lockFolder);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(Q530_PROGRAM, {"--simulate"});
    return p;
}

// Up means past the single-instance check and connected to the mouse.
bool TestShellProcesses::waitUntilUp(QProcess &process)
{
    QByteArray output;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        output += process.readAll();
        if (output.contains("Device Connect"))
            return true;
        process.waitForReadyRead(100);
    }
    qWarning() << "program output:" << output;
    return false;
}

void TestShellProcesses::secondStartEndsWithCode1()
{
    QProcess &first = start();
    QVERIFY(waitUntilUp(first));

    QProcess &second = start();
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(!second.readAll().contains("Device Connect"));
    QCOMPARE(first.state(), QProcess::Running);
}

void TestShellProcesses::crashedFirstCopyDoesNotBlock()
{
    QProcess &crashed = start();
    QVERIFY(waitUntilUp(crashed));
    crashed.kill();
    QVERIFY(crashed.waitForFinished());

    // What the crash left behind.
    qputenv("Q530_INSTANCE_KEY", m_key.toUtf8());
    const QString name = SingleApplication::serverName();
    QVERIFY(QFileInfo::exists(SingleApplication::lockFilePath()));
    QVERIFY(QFileInfo::exists(name));

    QProcess &next = start();
    QVERIFY(waitUntilUp(next));
    QLocalSocket probe;
    probe.connectToServer(name);
    QVERIFY(probe.waitForConnected(5000)); // it took over the server name
    probe.abort();
    // ...and it is the one copy now.
    QProcess &another = start();
    QVERIFY(another.waitForFinished(30000));
    QCOMPARE(another.exitCode(), 1);
    QCOMPARE(next.state(), QProcess::Running);
}

// A folder under a plain file: the lock can never be taken there, and no
// copy holds it either.
static QString unusableFolder(QTemporaryDir &dir)
{
    const QString file = dir.filePath("plain-file");
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    return file + "/locks";
}

void TestShellProcesses::unusableLockNeverTakesOver()
{
    QProcess &first = start();
    QVERIFY(waitUntilUp(first));

    QTemporaryDir dir;
    const QString folder = unusableFolder(dir);
    QVERIFY(!folder.isEmpty());
    QProcess &second = start(QString(), QString(), folder);
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 1); // handed over to the running copy
    QVERIFY(!second.readAll().contains("Device Connect"));

    // The first copy still owns its name: a later start reaches it.
    qputenv("Q530_INSTANCE_KEY", m_key.toUtf8());
    QLocalSocket probe;
    probe.connectToServer(SingleApplication::serverName());
    QVERIFY(probe.waitForConnected(5000));
    probe.abort();
    QProcess &third = start();
    QVERIFY(third.waitForFinished(30000));
    QCOMPARE(third.exitCode(), 1);
    QCOMPARE(first.state(), QProcess::Running);
}

void TestShellProcesses::unusableLockWithoutACopySaysWhy()
{
    QTemporaryDir dir;
    const QString folder = unusableFolder(dir);
    QVERIFY(!folder.isEmpty());
    QProcess &p = start(QString(), QString(), folder);
    QVERIFY(p.waitForFinished(30000));
    const QByteArray output = p.readAll();
    QCOMPARE(p.exitCode(), 2);
    QVERIFY2(output.contains("Cannot take the single-instance lock"), output.constData());
    QVERIFY(!output.contains("Device Connect"));
}

void TestShellProcesses::filesLandInTheDataFolder()
{
    // The screenshot is written to a relative path, so it shows the working
    // folder: the user's own data folder, seeded from the data beside the
    // program, whichever folder the program was started from.
    QTemporaryDir elsewhere;
    const QString fileName = "probe-" + m_key + ".png";
    const QDir programFolder = QFileInfo(Q530_PROGRAM).dir();
    const QDir dataFolder(m_home->filePath("data/q530"));

    QProcess &p = start(elsewhere.path(), fileName);
    QVERIFY(p.waitForFinished(30000));
    const QByteArray output = p.readAll();
    QCOMPARE(p.exitCode(), 0); // quit through the tray's quit entry
    QVERIFY2(output.contains("Screenshot written to " + fileName.toUtf8()), output.constData());
    QVERIFY2(!output.contains("Data folder"), output.constData());
    QCOMPARE(QImage(dataFolder.filePath(fileName)).size(), QSize(1000, 640));
    QVERIFY(!QFileInfo::exists(programFolder.filePath(fileName)));
    QVERIFY(!QFileInfo::exists(QDir(elsewhere.path()).filePath(fileName)));

    const QStringList seeded{"setting/apConfig.bin", "setting/p1.bin", "setting/pD.bin", "i18n/lang_025044.ini",
                             "img/trayIcon.ico"};
    for (const QString &file : seeded) {
        QFile copy(dataFolder.filePath("modules/" + file));
        QFile shipped(programFolder.filePath("modules/" + file));
        QVERIFY2(copy.open(QIODevice::ReadOnly) && shipped.open(QIODevice::ReadOnly), qPrintable(file));
        QCOMPARE(copy.readAll(), shipped.readAll());
    }
}

void TestShellProcesses::plantedLockInTmpDoesNotBlock()
{
    // Another user can make files in /tmp under any name, with a lock that
    // looks held by a live process.
    QLockFile planted(QDir::temp().filePath("q530-" + m_key + ".lock"));
    QVERIFY(planted.tryLock(0));
    QFile socket(QDir::temp().filePath("q530-" + m_key));
    QVERIFY(socket.open(QIODevice::WriteOnly));
    socket.close();

    QProcess &p = start();
    QVERIFY(waitUntilUp(p));
    QFile::remove(socket.fileName());
    // Without a runtime folder of the user's, one in the home is made private.
    QProcess &q = m_processes.emplace_back();
    QProcessEnvironment env = p.processEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.insert("HOME", m_home->path());
    env.insert("Q530_INSTANCE_KEY", m_key + "x");
    q.setProcessEnvironment(env);
    q.setProcessChannelMode(QProcess::MergedChannels);
    q.start(Q530_PROGRAM, {"--simulate"});
    QVERIFY(waitUntilUp(q));
    const QFileInfo folder(m_home->filePath(".cache/q530-instance"));
    QCOMPARE(folder.permissions() & QFileDevice::Permissions(0x7077), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(QFileInfo::exists(folder.filePath() + "/q530-" + m_key + "x.lock"));
}

void TestShellProcesses::signalEndsAsQuitDoes_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestShellProcesses::signalEndsAsQuitDoes()
{
    QFETCH(int, signal);
    QProcess &p = start();
    QVERIFY(waitUntilUp(p));
    qputenv("Q530_INSTANCE_KEY", m_key.toUtf8());
    QVERIFY(QFileInfo::exists(SingleApplication::lockFilePath()));
    QVERIFY(::kill(pid_t(p.processId()), signal) == 0);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(SingleApplication::lockFilePath()));
    QVERIFY(!QFileInfo::exists(SingleApplication::serverName()));
}

void TestShellProcesses::lockHeldByARunSaysWhy()
{
    // What a q530ctl run does while it works: the lock, and no server.
    qputenv("Q530_INSTANCE_KEY", m_key.toUtf8());
    QLockFile lock(SingleApplication::lockFilePath());
    QVERIFY(lock.tryLock(0));
    QProcess &p = start();
    QVERIFY(p.waitForFinished(30000));
    const QByteArray output = p.readAll();
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(output.contains("a q530ctl command, is running"), output.constData());
}

QTEST_GUILESS_MAIN(TestShellProcesses)
#include "tst_shell_processes.moc"
