// The user's data folder beside the shipped data: which files follow the
// shipped copy, what a start adds or leaves alone, and what happens when the
// user's folder cannot be made or brought up to date. (A folder the user may
// not write, and the installed layout, are checked by tst_install.sh as a
// normal user: root may write anywhere.)

#include "platform/datafolder.h"
#include "platform/dataseed.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(root.size() + 1));
    files.sort();
    return files;
}

// A shipped tree with one file of each kind the program has.
const QStringList kShipped{
    "i18n/lang_025044.ini", "img/trayIcon.ico", "setting/pD.bin", "setting/pD_standard.bin",
    "setting/apConfigD.bin", "setting/apConfig.bin", "setting/p1.bin", "setting/name.bin",
    "gun/General.bin",
};

void makeShipped(const QString &modules, const QByteArray &version)
{
    for (const QString &f : kShipped)
        QVERIFY(writeFile(modules + '/' + f, "shipped " + version + ' ' + f.toUtf8()));
}

} // namespace

class DataFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyFiles_data();
    void readOnlyFiles();
    void laterStart_data();
    void laterStart();
    void copiesCanBeWritten();
    void damagedUserFolder_data();
    void damagedUserFolder();
    void noShippedDataSaysSo();
};

void DataFolderTest::readOnlyFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("language file") << "i18n/lang_025044.ini" << true;
    QTest::newRow("tray icon") << "img/trayIcon.ico" << true;
    QTest::newRow("factory profile") << "setting/pD.bin" << true;
    QTest::newRow("standard factory profile") << "setting/pD_standard.bin" << true;
    QTest::newRow("default configuration") << "setting/apConfigD.bin" << true;
    QTest::newRow("configuration") << "setting/apConfig.bin" << false;
    QTest::newRow("profile") << "setting/p1.bin" << false;
    QTest::newRow("tenth profile") << "setting/p10.bin" << false;
    QTest::newRow("name registry") << "setting/name.bin" << false;
    QTest::newRow("gun preset") << "gun/General.bin" << false;
    QTest::newRow("macro") << "macro/My macro.bin" << false;
    QTest::newRow("factory name outside setting") << "gun/pD.bin" << false;
    QTest::newRow("factory name one folder deeper") << "setting/old/pD.bin" << false;
    QTest::newRow("default configuration with a suffix") << "setting/apConfigD.bin.bak" << false;
    QTest::newRow("a folder named like i18n") << "gun/i18n/x.bin" << false;
}

void DataFolderTest::readOnlyFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, readOnly);
    QCOMPARE(DataSeed::isReadOnly(path), readOnly);
}

void DataFolderTest::laterStart_data()
{
    // What the user's program wrote since the first start, and what a newer
    // version ships; the start must take the new shipped files only where
    // the program never writes.
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("userChanged");
    QTest::addColumn<bool>("newlyShipped");
    QTest::addColumn<QString>("expected"); // "user", "new", "old"

    QTest::newRow("changed configuration stays") << "setting/apConfig.bin" << true << true << "user";
    QTest::newRow("changed profile stays") << "setting/p1.bin" << true << true << "user";
    QTest::newRow("changed name registry stays") << "setting/name.bin" << true << true << "user";
    QTest::newRow("changed gun preset stays") << "gun/General.bin" << true << true << "user";
    QTest::newRow("untouched profile keeps the first version") << "setting/p1.bin" << false << true << "old";
    QTest::newRow("newer language file arrives") << "i18n/lang_025044.ini" << false << true << "new";
    QTest::newRow("newer factory profile arrives") << "setting/pD.bin" << false << true << "new";
    QTest::newRow("a tampered factory profile is repaired") << "setting/pD.bin" << true << false << "old";
    QTest::newRow("a tampered language file follows the new one") << "i18n/lang_025044.ini" << true << true << "new";
}

void DataFolderTest::laterStart()
{
    QFETCH(QString, file);
    QFETCH(bool, userChanged);
    QFETCH(bool, newlyShipped);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString shipped = dir.filePath("shipped/modules");
    const QString user = dir.filePath("user/modules");
    makeShipped(shipped, "1");
    const QByteArray first = readFile(shipped + '/' + file);

    DataSeed::Report report = DataSeed::seed(shipped, user);
    QCOMPARE(filesBelow(user), filesBelow(shipped));
    QCOMPARE(report.added.size(), kShipped.size());
    QVERIFY(report.failed.isEmpty());

    if (userChanged)
        QVERIFY(writeFile(user + '/' + file, "the user's own"));
    QVERIFY(writeFile(user + "/macro/mine.bin", "a recorded macro"));
    if (newlyShipped)
        QVERIFY(writeFile(shipped + '/' + file, "shipped 2"));
    QVERIFY(writeFile(shipped + "/gun/Brand new.bin", "new preset"));

    report = DataSeed::seed(shipped, user);
    const QByteArray now = readFile(user + '/' + file);
    if (expected == "user")
        QCOMPARE(now, QByteArray("the user's own"));
    else if (expected == "new")
        QCOMPARE(now, QByteArray("shipped 2"));
    else
        QCOMPARE(now, first);
    QCOMPARE(report.refreshed, expected != "user" && (userChanged || newlyShipped) && DataSeed::isReadOnly(file)
                                   ? QStringList{file} : QStringList{});
    QCOMPARE(report.added, QStringList{"gun/Brand new.bin"});
    QCOMPARE(readFile(user + "/macro/mine.bin"), QByteArray("a recorded macro"));
    QCOMPARE(readFile(user + "/gun/Brand new.bin"), QByteArray("new preset"));
}

void DataFolderTest::copiesCanBeWritten()
{
    // Shipped files may be read-only (an installation below /usr); the
    // user's copies must still take the program's changes.
    QTemporaryDir dir;
    const QString shipped = dir.filePath("shipped/modules");
    makeShipped(shipped, "1");
    for (const QString &f : kShipped)
        QFile::setPermissions(shipped + '/' + f, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    const QString user = dir.filePath("user");
    const DataFolderChoice choice = DataFolder::userCopy({dir.filePath("shipped")}, user);
    QCOMPARE(choice.workingFolder, user);
    QVERIFY2(choice.problems.isEmpty(), qPrintable(choice.problems.join('\n')));
    for (const QString &f : kShipped)
        QVERIFY2(QFile::permissions(user + "/modules/" + f) & QFileDevice::WriteOwner, qPrintable(f));
    QVERIFY(writeFile(user + "/modules/setting/p1.bin", "changed"));
}

void DataFolderTest::damagedUserFolder_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("problem");
    QTest::newRow("the user folder is a file") << "user" << "cannot be created";
    QTest::newRow("modules is a file") << "user/modules" << "cannot be created";
    QTest::newRow("setting is a file") << "user/modules/setting" << "lacks shipped files";
    QTest::newRow("a folder where a language file belongs") << "dir:user/modules/i18n/lang_025044.ini"
                                                            << "lacks shipped files";
}

void DataFolderTest::damagedUserFolder()
{
    QFETCH(QString, damage);
    QFETCH(QString, problem);

    QTemporaryDir dir;
    makeShipped(dir.filePath("shipped/modules"), "1");
    if (damage.startsWith("dir:"))
        QVERIFY(QDir().mkpath(dir.filePath(damage.mid(4))));
    else
        QVERIFY(writeFile(dir.filePath(damage), "in the way"));

    const DataFolderChoice choice = DataFolder::userCopy({dir.filePath("shipped")}, dir.filePath("user"));
    QVERIFY2(!choice.problems.isEmpty() && choice.problems.first().contains(problem),
             qPrintable(choice.problems.join('\n')));
    QVERIFY(choice.problems.first().contains(QDir::toNativeSeparators(dir.filePath("user"))));
    QVERIFY(!choice.userMessage.isEmpty());
    // The run goes on, on a full copy of its own, and leaves the damage alone.
    QVERIFY(choice.session);
    QCOMPARE(choice.workingFolder, choice.session->path());
    QCOMPARE(filesBelow(choice.workingFolder + "/modules"), filesBelow(dir.filePath("shipped/modules")));
    if (!damage.startsWith("dir:"))
        QCOMPARE(readFile(dir.filePath(damage)), QByteArray("in the way"));
}

void DataFolderTest::noShippedDataSaysSo()
{
    QTemporaryDir dir;
    const DataFolderChoice choice = DataFolder::userCopy({dir.filePath("bin")}, dir.filePath("user"));
    QCOMPARE(choice.problems.size(), 1);
    QVERIFY(choice.problems.first().startsWith("No shipped data in"));
    QVERIFY(choice.userMessage.contains(QDir::toNativeSeparators(dir.filePath("bin/modules"))));
    QCOMPARE(choice.workingFolder, dir.filePath("user"));
}

QTEST_GUILESS_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
