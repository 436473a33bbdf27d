// A save interrupted by killing the process leaves every file either as it
// was or as it was to become, never half written.
//
// The settings class writes a whole file to a temporary file in the same
// folder, syncs it and renames it over the old one (QSaveFile; with Qt 6.4 on
// Linux an anonymous O_TMPFILE linked in and renamed), and refuses to write
// in place when that is impossible. The program's own copies over existing
// files (profile reset, copy and import, configuration reset, macro import
// and export, profile export, the shipped data brought into the user's
// folder) must give the same guarantee. A helper process saves one kind of
// file over and over, alternating between two known states, and is killed
// with SIGKILL at random moments; each file must then hold one of the two.

#include "damagedfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace Damaged;

namespace {

constexpr int kKills = 15;
constexpr int kLongestWaitMs = 60;
constexpr int kProcessLimitMs = 30000;

} // namespace

class InterruptedSaveTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void killedSaveLeavesOldOrNew_data();
    void killedSaveLeavesOldOrNew();

private:
    bool runSaver(const QString &operation, const QString &state);
    QProcessEnvironment environment() const;

    std::unique_ptr<QTemporaryDir> m_folder;
};

void InterruptedSaveTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    const QString root = m_folder->path();
    QVERIFY(writeIntact(root + "/modules"));
    QVERIFY(QDir().mkpath(root + "/runtime"));
    QVERIFY(QFile::setPermissions(root + "/runtime",
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    // Profile 3 differs from the factory file, so a reset and a copy of it
    // onto profile 2 give two different files.
    QVERIFY(writeFile(root + "/modules/setting/p3.bin",
                      withValue(intact("setting/p3.bin"), "XYSensitive", "0", "7")));
    QVERIFY(writeFile(root + "/a.pf", intact("setting/p1.bin")));
    QVERIFY(writeFile(root + "/b.pf", withValue(intact("setting/p1.bin"), "XYSensitive", "1", "8")));
    QVERIFY(writeFile(root + "/a.mc", intact("macro/M1.bin")));
    QVERIFY(writeFile(root + "/b.mc", withValue(intact("macro/M1.bin"), "config", "repeat", "9")));
    const QString language = "i18n/lang_025044.ini";
    QVERIFY(writeFile(root + "/shipped-a/modules/" + language, intact(language)));
    QVERIFY(writeFile(root + "/shipped-b/modules/" + language, withValue(intact(language), "main", "0", "B")));
}

QProcessEnvironment InterruptedSaveTest::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_folder->filePath("home"));
    env.insert("XDG_RUNTIME_DIR", m_folder->filePath("runtime"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    return env;
}

bool InterruptedSaveTest::runSaver(const QString &operation, const QString &state)
{
    QProcess saver;
    saver.setProcessEnvironment(environment());
    saver.setProcessChannelMode(QProcess::ForwardedChannels);
    saver.start(QStringLiteral(Q530_SAVER), {m_folder->path(), operation, state});
    return saver.waitForFinished(kProcessLimitMs) && saver.exitStatus() == QProcess::NormalExit
        && saver.exitCode() == 0;
}

void InterruptedSaveTest::killedSaveLeavesOldOrNew_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("files");
    auto row = [](const char *name, const char *operation, const QStringList &files) {
        QTest::newRow(name) << QString::fromLatin1(operation) << files;
    };
    row("profile written by the settings class", "profile", {"modules/setting/p1.bin"});
    row("configuration written by the settings class", "configuration", {"modules/setting/apConfig.bin"});
    row("configuration reset to its default", "configuration reset", {"modules/setting/apConfig.bin"});
    row("profile reset and copied over", "profile reset", {"modules/setting/p2.bin"});
    row("profile imported", "profile import", {"modules/setting/p4.bin"});
    row("profile exported", "profile export", {"export.pf"});
    row("macro saved", "macro", {"modules/macro/M1.bin"});
    row("macro imported", "macro import", {"modules/macro/M2.bin"});
    row("macro exported", "macro export", {"export.mc"});
    row("name registry", "names", {"modules/setting/name.bin"});
    row("gun preset saved", "gun preset", {"modules/gun/General.bin"});
    row("gun data saved", "gun data", {"modules/gun/gunData.bin"});
    row("shipped language file brought over", "language refresh", {"modules/i18n/lang_025044.ini"});
}

void InterruptedSaveTest::killedSaveLeavesOldOrNew()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, files);
    auto contents = [&] {
        QStringList seen;
        for (const QString &file : files)
            seen.append(QString::fromLatin1(readFile(m_folder->filePath(file)).toBase64()));
        return seen;
    };

    // The two states, each reached by a process that ends normally.
    QVERIFY(runSaver(operation, "a"));
    const QStringList a = contents();
    QVERIFY(runSaver(operation, "b"));
    const QStringList b = contents();
    for (int i = 0; i < files.size(); ++i)
        QVERIFY2(a.at(i) != b.at(i) && !a.at(i).isEmpty(), qPrintable(files.at(i)));
    QVERIFY(runSaver(operation, "a"));
    QCOMPARE(contents(), a); // the same state gives the same bytes

    QRandomGenerator moments(530);
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess saver;
        saver.setProcessEnvironment(environment());
        saver.start(QStringLiteral(Q530_SAVER), {m_folder->path(), operation, "loop"});
        QVERIFY(saver.waitForReadyRead(kProcessLimitMs));
        QCOMPARE(saver.readLine().trimmed(), QByteArray("saving"));
        QThread::msleep(moments.bounded(kLongestWaitMs));
        saver.kill(); // SIGKILL: no handler runs, nothing is flushed
        QVERIFY(saver.waitForFinished(kProcessLimitMs));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        const QStringList seen = contents();
        for (int i = 0; i < files.size(); ++i)
            QVERIFY2(seen.at(i) == a.at(i) || seen.at(i) == b.at(i),
                     qPrintable(QStringLiteral("kill %1 left %2 neither old nor new: %3 bytes")
                                    .arg(kill)
                                    .arg(files.at(i))
                                    .arg(QByteArray::fromBase64(seen.at(i).toLatin1()).size())));
    }
}

QTEST_GUILESS_MAIN(InterruptedSaveTest)
#include "tst_interrupted_save.moc"
