// The real program, started as separate processes on the simulated mouse:
// one copy per user, a crashed copy that leaves its files behind, and a start
// from another folder.

#include "shell/singleapplication.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <list>

class TestShellProcesses : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void secondStartEndsWithCode1();
    void crashedFirstCopyDoesNotBlock();
    void filesLandBesideTheProgram();

private:
    QProcess &start(const QString &workingDirectory = QString(), const QString &screenshot = QString());
    static bool waitUntilUp(QProcess &process);

    QString m_key;
    std::list<QProcess> m_processes;
};

void TestShellProcesses::init()
{
    // A key of its own, so no copy a person runs on this machine is met.
    m_key = QUuid::createUuid().toString(QUuid::Id128);
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
    QFile::remove(QDir::temp().filePath(name + ".lock"));
}

QProcess &TestShellProcesses::start(const QString &workingDirectory, const QString &screenshot)
{
    QProcess &p = m_processes.emplace_back();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("Q530_INSTANCE_KEY", m_key);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (!screenshot.isEmpty())
        env.insert("Q530_SCREENSHOT", screenshot);
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
    QVERIFY(QFileInfo::exists(QDir::temp().filePath(name + ".lock")));
    QVERIFY(QFileInfo::exists(QDir::temp().filePath(name)));

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

void TestShellProcesses::filesLandBesideTheProgram()
{
    // The screenshot is the one file the program writes so far; a relative
    // path shows which folder it works in.
    QTemporaryDir elsewhere;
    const QString fileName = "probe-" + m_key + ".png";
    const QString besideProgram = QFileInfo(Q530_PROGRAM).dir().filePath(fileName);

    QProcess &p = start(elsewhere.path(), fileName);
    QVERIFY(p.waitForFinished(30000));
    const QByteArray output = p.readAll();
    QCOMPARE(p.exitCode(), 0); // quit through the tray's quit entry
    QVERIFY2(output.contains("Screenshot written to " + fileName.toUtf8()), output.constData());
    QVERIFY(QFileInfo::exists(besideProgram));
    QVERIFY(!QFileInfo::exists(QDir(elsewhere.path()).filePath(fileName)));
    QCOMPARE(QImage(besideProgram).size(), QSize(1000, 640));
    QFile::remove(besideProgram);
}

QTEST_GUILESS_MAIN(TestShellProcesses)
#include "tst_shell_processes.moc"
