// The real program, started on the simulated mouse with one of its data files
// damaged: emptied, cut off, random bytes, or values of the wrong type and
// length. Each start must end normally through the screenshot mode, show
// what it could read and the defaults for the rest (the page's values as the
// screenshot mode lists them), and write nothing but its own data folder.
//
// What the page shows for a damaged file is compared with two starts: one on
// the intact files and one where the damaged file is empty, so that nothing
// in it can be read (a missing file would not do: the start brings the
// shipped copy back). All starts run up front, a few at a time; each row then
// checks its own.

#include "damagedfiles.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Damaged;

namespace {

// A change to one data file before a start; a null content removes it. The
// language file is shipped data that the user's copy follows, so it changes
// in both places.
struct Change
{
    QString file;
    QByteArray content;
};

bool isShippedData(const QString &file)
{
    return file.startsWith(QLatin1String("i18n/"));
}

struct Start
{
    QString name;
    QList<Change> changes;
};

class References;
using Expectation = std::function<QJsonObject(const References &)>;

struct Row
{
    QString name;
    QList<Change> changes;
    Expectation expected;
    QStringList written = {}; // data files the start may change
};

struct Result
{
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QString output;
    QSize screenshot;
    QJsonObject values;
    QMap<QString, QByteArray> homeBefore, homeAfter, programBefore, programAfter;
};

constexpr int kAtOnce = 4;
constexpr int kStartLimitMs = 60000;
const QString kDataFolder = QStringLiteral(".local/share/q530/modules/");
// Qt keeps the compiled pages in the program's own cache folder.
const QString kQmlCache = QStringLiteral(".cache/q530/qmlcache/");

const QString kIntact = QStringLiteral("intact");
const QString kChinese = QStringLiteral("intact, in Chinese");
QString emptied(const QString &file)
{
    return file + QStringLiteral(" emptied");
}

const QString kConfig = QStringLiteral("setting/apConfig.bin");
const QString kProfile1 = QStringLiteral("setting/p1.bin");
const QString kNames = QStringLiteral("setting/name.bin");
const QString kMacro = QStringLiteral("macro/M1.bin");
const QString kGun = QStringLiteral("gun/General.bin");
const QString kGunData = QStringLiteral("gun/gunData.bin");
const QString kLanguage = QStringLiteral("i18n/lang_025044.ini");

QString profileFile(int number)
{
    return QStringLiteral("setting/p%1.bin").arg(number);
}

Change set(const QString &file, const QString &group, const QString &key, const QString &value)
{
    return {file, withValue(intact(file), group, key, value)};
}

Change inChinese()
{
    return set(kConfig, QStringLiteral("common"), QStringLiteral("language"), QStringLiteral("ChineseSimplified"));
}

Change random(const QString &file)
{
    return {file, randomBytes(3000, 530)};
}

class References
{
public:
    explicit References(const QHash<QString, Result> &results)
        : m_results(results)
    {
    }
    QJsonObject operator()(const QString &name) const { return m_results.value(name).values; }

private:
    const QHash<QString, Result> &m_results;
};

QJsonObject take(QJsonObject to, const QJsonObject &from, const QStringList &keys)
{
    for (const QString &key : keys)
        to.insert(key, from.value(key));
    return to;
}

QJsonObject with(QJsonObject to, const QJsonObject &values)
{
    for (auto it = values.begin(); it != values.end(); ++it)
        to.insert(it.key(), it.value());
    return to;
}

QJsonArray replaced(QJsonArray array, int index, const QJsonValue &value)
{
    array.replace(index, value);
    return array;
}

QJsonArray ints(std::initializer_list<int> values)
{
    QJsonArray out;
    for (int v : values)
        out.append(v);
    return out;
}

Expectation as(const QString &reference)
{
    return [reference](const References &r) { return r(reference); };
}

Expectation asWith(const QString &reference, const QJsonObject &values)
{
    return [reference, values](const References &r) { return with(r(reference), values); };
}

// What a profile holds after its DPI values: cut off there, these show the
// page's defaults.
const QStringList kAfterTheDpiValues{"dpiSelected", "dpiColors", "lightEffect", "lightLevels", "xy", "gunKeys",
                                     "gunMenuNames"};

QList<Row> configurationRows()
{
    auto profileNo = [](const QString &value) {
        return QList<Change>{set(kConfig, QStringLiteral("R8"), QStringLiteral("profileNo"), value)};
    };
    return {
        {"configuration cut in half", {{kConfig, intact(kConfig).left(intact(kConfig).size() / 2)}},
         as(emptied(kConfig))},
        {"configuration of random bytes", {random(kConfig)}, as(emptied(kConfig))},
        {"profile number negative opens profile 1", profileNo("-1"), as(kIntact)},
        {"profile number past the ten profiles opens profile 1", profileNo("10"), as(kIntact)},
        {"profile number past any integer opens profile 1", profileNo("99999999999999999999"), as(kIntact)},
        {"profile number a list opens profile 1", profileNo("3, 4"), as(kIntact)},
        {"language a list keeps English", {set(kConfig, "common", "language", "ChineseSimplified, English")},
         as(kIntact)},
        // A serialised list that claims two thousand million entries.
        {"title a list of a huge claimed length",
         {set(kConfig, "common", "name0", R"(@Variant(\0\0\0\t\x7f\xff\xff\xff))")}, as(kIntact)},
    };
}

QList<Row> profileRows()
{
    const QString sensor = QStringLiteral("sensor");
    const QString buttons = QStringLiteral("keydefine_R8");
    const QJsonArray intactTexts{"Left Button", "Right Button", "Middle Button", "Macro: M1", "Fire Mode", "General",
                                 "DPI LOOP", "Deactivated", "Deactivated", "Deactivated", "Deactivated",
                                 "Deactivated", "Deactivated", "Deactivated", "", ""};
    // Without the gun slot's button the gun key shows its plain name.
    const QJsonArray noGunSlotTexts = replaced(intactTexts, 5, "Gun Button");
    auto change = [](const QString &group, const QString &key, const QString &value) {
        return QList<Change>{set(kProfile1, group, key, value)};
    };

    QList<Row> rows{
        {"profile of random bytes", {random(kProfile1)}, as(emptied(kProfile1))},
        {"profile missing is brought back from the shipped data", {{kProfile1, QByteArray()}},
         [=](const References &r) {
             const QJsonArray shown = r(kIntact).value("buttons").toArray();
             return with(r(kIntact), {{"buttons", replaced(shown, 3, ints({15, 0, 46, 0}))},
                                      {"buttonTexts", replaced(intactTexts, 3, "Auto Run")}});
         },
         {kProfile1}},
        {"profile cut after its buttons", {{kProfile1, cutBefore(intact(kProfile1), "[keydefine_R82]")}},
         [=](const References &r) {
             // The gun layers that were cut off follow the buttons.
             const QJsonValue shown = r(kIntact).value("buttons");
             return with(take(r(emptied(kProfile1)), r(kIntact), {"buttons"}),
                         {{"buttonTexts", noGunSlotTexts}, {"gunLayers", QJsonArray{shown, shown, shown}}});
         }},
        {"profile cut inside the DPI list", {{kProfile1, cutAfter(intact(kProfile1), "dpi_R8=800, 1600, 24")}},
         [=](const References &r) {
             return with(take(r(kIntact), r(emptied(kProfile1)), kAfterTheDpiValues),
                         {{"dpiValues", ints({800, 1600, 200, 6000, 6000, 6000})}, {"buttonTexts", noGunSlotTexts}});
         }},
        {"DPI list of three values", change(sensor, "dpi_R8", "800, 1600, 2400"),
         asWith(kIntact, {{"dpiValues", ints({800, 1600, 2400, 6000, 6000, 6000})}})},
        {"DPI values huge, negative and words", change(sensor, "dpi_R8", "99999999999, -5, many, 1600"),
         asWith(kIntact, {{"dpiValues", ints({8000, 200, 6000, 1600, 6000, 6000})}})},
        {"DPI list a word", change(sensor, "dpi_R8", "many"),
         [](const References &r) { return take(r(kIntact), r(emptied(kProfile1)), {"dpiValues"}); }},
        {"DPI list of forty values", change(sensor, "dpi_R8", QStringList(40, "1000").join(", ")),
         asWith(kIntact, {{"dpiValues", ints({1000, 1000, 1000, 1000, 1000, 1000})}})},
        {"left button a word keeps its factory function", change(buttons, "0", "abc"), as(kIntact)},
        {"right button a value past a byte keeps its factory function", change(buttons, "1", "1, 0, 99999999999, 0"),
         as(kIntact)},
        {"middle button negative keeps its factory function", change(buttons, "2", "-1, 0, 242, 0"), as(kIntact)},
        {"button of two hundred values takes four", change(buttons, "1", "1, 0, 241, 0" + QString(", 7").repeated(196)),
         as(kIntact)},
        {"macro slot past the button slots is the factory function", change(buttons, "3", "9, 0, 99, 0"),
         [=](const References &r) {
             const QJsonArray shown = r(kIntact).value("buttons").toArray();
             return with(r(kIntact), {{"buttons", replaced(shown, 3, ints({15, 0, 46, 0}))},
                                      {"buttonTexts", replaced(intactTexts, 3, "Auto Run")}});
         }},
        {"report rate past any integer is 1000 Hz", change(sensor, "reportRate_R8", "99999999999"),
         asWith(kIntact, {{"reportRate", 1}})},
        {"pointer speed past any integer is the default", change(sensor, "cursorSpeed_R8", "99999999999"),
         asWith(kIntact, {{"cursorSpeed", 0}})},
        {"scroll lines a list is the default", change(sensor, "verticalScrollLines_R8", "5, 6"),
         asWith(kIntact, {{"scrollLines", 1}})},
        {"X sensitivity a list is the default", change("XYSensitive", "0", "1, 2"), as(kIntact)},
        {"Y sensitivity past any integer is the default", change("XYSensitive", "1", "99999999999"), as(kIntact)},
        {"lighting a word is the default", change("color_R8", "ledEffect", "nope"),
         [](const References &r) { return take(r(kIntact), r(emptied(kProfile1)), {"lightEffect", "lightLevels"}); }},
        {"gun slot on a button past the buttons is on none", change("selectGunKey", "0", "9999999999"),
         [=](const References &r) {
             return with(take(r(kIntact), r(emptied(kProfile1)), {"gunKeys", "gunMenuNames"}),
                         {{"buttonTexts", noGunSlotTexts}});
         }},
        {"macro binding a list names no macro", change("macro", "0", "M1, M2"),
         asWith(kIntact, {{"buttonTexts", replaced(intactTexts, 3, "Macro: ")}})},
        {"macro binding a path is only a name", change("macro", "0", "../setting/p2"),
         asWith(kIntact, {{"buttonTexts", replaced(intactTexts, 3, "Macro: ../setting/p2")}})},
        {"every other profile of random bytes", {}, as(kIntact)},
    };
    for (int n = 2; n <= 10; ++n)
        rows.last().changes.append(random(profileFile(n)));

    // Each profile in turn, damaged while it is the current one.
    for (int n = 2; n <= 10; ++n) {
        const QString file = profileFile(n);
        const Change damage = n % 2 ? random(file) : Change{file, ""};
        rows.append({QStringLiteral("profile %1 damaged while current").arg(n),
                     {set(kConfig, "R8", "profileNo", QString::number(n - 1)), damage},
                     asWith(emptied(kProfile1), {{"profileNo", n - 1}}),
                     {kConfig}}); // switching to it stores its number again
    }
    return rows;
}

QList<Row> nameRows()
{
    return {
        {"name registry of random bytes", {random(kNames)}, as(emptied(kNames))},
        {"name registry cut after the macro names", {{kNames, cutBefore(intact(kNames), "[gun]")}},
         [](const References &r) { return take(r(kIntact), r(emptied(kNames)), {"gunMenuNames", "buttonTexts"}); }},
        // The page numbers the macros by their place in the list.
        {"macro names that are paths open no file",
         {set(kNames, "macro", "macroName", "../setting/p1, /etc/passwd, M1, M2")},
         asWith(kIntact, {{"macroNames", QJsonArray{"../setting/p1", "/etc/passwd", "M1", "M2"}},
                          {"macroActions", QJsonArray()},
                          {"macroLoops", "1"}}),
         {kMacro, "macro/M2.bin"}},
        {"macro names a number", {set(kNames, "macro", "macroName", R"(@Variant(\0\0\0\x2\0\0\0\x5))")},
         [](const References &r) {
             return take(r(kIntact), r(emptied(kNames)), {"macroNames", "macroActions", "macroLoops"});
         }},
        // Used as a path, "../macro/M1" would reach the macro's file.
        {"gun names repeated and a path",
         {set(kNames, "gun", "gunName", "../macro/M1, General, General")},
         [](const References &r) {
             const QJsonArray texts = r(kIntact).value("buttonTexts").toArray();
             return with(r(kIntact), {{"gunMenuNames", QJsonArray{"../macro/M1", "", ""}},
                                      {"buttonTexts", replaced(texts, 5, "../macro/M1")}});
         },
         {kGun}},
    };
}

QList<Row> macroRows()
{
    const QJsonObject keyDown{{"type", 1}, {"info", "A"}};
    const QJsonObject keyUp{{"type", 2}, {"info", "A"}};
    auto change = [](const QString &group, const QString &key, const QString &value) {
        return QList<Change>{set(kMacro, group, key, value)};
    };
    return {
        {"macro of random bytes", {random(kMacro)}, as(emptied(kMacro))},
        {"macro file missing", {{kMacro, QByteArray()}}, as(emptied(kMacro))},
        {"macro cut after its first action", {{kMacro, cutAfter(intact(kMacro), "0=\"1,A\"\n")}},
         asWith(kIntact, {{"macroActions", QJsonArray{keyDown}}})},
        {"macro line count huge reads the lines there are", change("config", "total", "999999999"), as(kIntact)},
        {"macro repeat count past any integer is once", change("config", "repeat", "4294967299"),
         asWith(kIntact, {{"macroLoops", "1"}})},
        {"macro repeat count negative is once", change("config", "repeat", "-1"),
         asWith(kIntact, {{"macroLoops", "1"}})},
        {"macro action of an unknown type is left out", change("macro", "0", "\"9,zzz\""),
         asWith(kIntact, {{"macroActions", QJsonArray{keyUp}}})},
        {"macro action with an unknown key is left out", change("macro", "0", "\"1,NOSUCHKEY\""),
         asWith(kIntact, {{"macroActions", QJsonArray{keyUp}}})},
        {"macro delay past the longest is the longest", change("macro", "0", "\"0,99999999999999\""),
         asWith(kIntact, {{"macroActions", QJsonArray{QJsonObject{{"type", 0}, {"info", "100000"}}, keyUp}}})},
    };
}

QList<Row> gunRows()
{
    return {
        {"gun preset emptied", {{kGun, ""}}, as(kIntact)},
        {"gun preset missing", {{kGun, QByteArray()}}, as(kIntact), {kGun}},
        {"gun preset of random bytes", {random(kGun)}, as(kIntact)},
        {"gun preset number a word", {set(kGun, "config", "index", "abc")}, as(kIntact)},
        {"gun data emptied", {{kGunData, ""}}, as(kIntact)},
        {"gun data of random bytes", {random(kGunData)}, as(kIntact)},
        {"gun data values a word", {set(kGunData, "gunData", "General", "many")}, as(kIntact)},
    };
}

QList<Row> languageRows()
{
    auto change = [](const QString &group, const QString &key, const QString &value) {
        return QList<Change>{inChinese(), set(kLanguage, group, key, value)};
    };
    const QString other = QStringLiteral("other");
    return {
        {"language file of random bytes", {inChinese(), random(kLanguage)}, as(emptied(kLanguage))},
        {"language file cut before the DPI notices",
         {inChinese(), {kLanguage, cutBefore(intact(kLanguage), "[other]")}},
         [](const References &r) { return take(r(kChinese), r(emptied(kLanguage)), {"dpiBalloonTexts"}); }},
        {"language table length negative keeps English", change("main", "total", "-3"),
         [](const References &r) { return take(r(kChinese), r(emptied(kLanguage)), {"mainTexts"}); }},
        {"language table length huge reads the texts there are", change("main", "total", "999999999"), as(kChinese)},
        {"language table length past any integer keeps English", change("main", "total", "4294967297"),
         [](const References &r) { return take(r(kChinese), r(emptied(kLanguage)), {"mainTexts"}); }},
        {"DPI notices of three texts", change(other, "total", "3"),
         [](const References &r) {
             QJsonArray texts = r(emptied(kLanguage)).value("dpiBalloonTexts").toArray();
             const QJsonArray chinese = r(kChinese).value("dpiBalloonTexts").toArray();
             for (int i = 0; i < 3; ++i)
                 texts.replace(i, chinese.at(i));
             return with(r(kChinese), {{"dpiBalloonTexts", texts}});
         }},
        {"text with a comma that is not quoted", change("main", "0", "轴向, 灵敏度"),
         [](const References &r) {
             const QJsonArray texts = r(kChinese).value("mainTexts").toArray();
             return with(r(kChinese), {{"mainTexts", replaced(texts, 0, "轴向, 灵敏度")}});
         }},
    };
}

QList<Row> allRows()
{
    return configurationRows() + profileRows() + nameRows() + macroRows() + gunRows() + languageRows();
}

QList<Start> referenceStarts()
{
    QList<Start> starts{{kIntact, {}}, {kChinese, {inChinese()}}};
    for (const QString &file : {kConfig, kProfile1, kNames, kMacro})
        starts.append({emptied(file), {{file, ""}}});
    starts.append({emptied(kLanguage), {inChinese(), {kLanguage, ""}}});
    return starts;
}

} // namespace

class DamagedStartTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void referencesShowTheirFiles();
    void referenceStartsAreClean_data();
    void referenceStartsAreClean();
    void damagedFile_data();
    void damagedFile();

private:
    void runAll(const QList<Start> &starts);
    void checkStart(const QString &name, const QStringList &written);

    std::unique_ptr<QTemporaryDir> m_root;
    QHash<QString, Result> m_results;
    QHash<QString, Row> m_rows;
};

void DamagedStartTest::initTestCase()
{
    m_root = std::make_unique<QTemporaryDir>(QCoreApplication::applicationDirPath() + "/damaged-start-XXXXXX");
    QVERIFY(m_root->isValid());
    QList<Start> starts = referenceStarts();
    for (const Row &row : allRows()) {
        QVERIFY2(!m_rows.contains(row.name), qPrintable(row.name));
        m_rows.insert(row.name, row);
        starts.append({row.name, row.changes});
    }
    runAll(starts);
}

// Every start gets a home, a program folder and an instance key of its own,
// so they can run side by side.
void DamagedStartTest::runAll(const QList<Start> &starts)
{
    struct Running
    {
        QString name, folder;
        std::unique_ptr<QProcess> process;
    };
    for (qsizetype first = 0; first < starts.size(); first += kAtOnce) {
        std::vector<Running> batch;
        for (qsizetype i = first; i < qMin(first + kAtOnce, starts.size()); ++i) {
            const Start &start = starts.at(i);
            const QString folder = m_root->filePath(QString::number(i));
            const QString home = folder + "/home";
            const QString program = folder + "/program";
            QVERIFY(makeProgramFolder(QStringLiteral(Q530_PROGRAM), program));
            QVERIFY(writeIntact(home + '/' + kDataFolder));
            for (const Change &change : start.changes) {
                QStringList targets{home + '/' + kDataFolder + change.file};
                if (isShippedData(change.file))
                    targets.append(program + "/modules/" + change.file);
                for (const QString &target : targets)
                    QVERIFY(change.content.isNull() ? QFile::remove(target) : writeFile(target, change.content));
            }
            QDir().mkpath(folder + "/out");
            QDir().mkpath(folder + "/runtime");
            QFile::setPermissions(folder + "/runtime",
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            Result &result = m_results[start.name];
            result.homeBefore = listing(home);
            result.programBefore = listing(program);

            auto process = std::make_unique<QProcess>();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
                env.remove(name);
            env.insert("HOME", home);
            env.insert("XDG_RUNTIME_DIR", folder + "/runtime");
            env.insert("QT_QPA_PLATFORM", "offscreen");
            env.insert("QT_QUICK_BACKEND", "software");
            env.insert("Q530_INSTANCE_KEY", QUuid::createUuid().toString(QUuid::Id128));
            env.insert("Q530_INSTANCE_LOCK_DIR", folder);
            env.insert("Q530_SCREENSHOT", folder + "/out/shot.png");
            env.insert("Q530_SCREENSHOT_VALUES", "1");
            process->setProcessEnvironment(env);
            process->setProcessChannelMode(QProcess::MergedChannels);
            process->start(program + "/q530", {"--simulate"});
            batch.push_back({start.name, folder, std::move(process)});
        }
        for (Running &run : batch) {
            Result &result = m_results[run.name];
            result.finished = run.process->waitForFinished(kStartLimitMs);
            if (!result.finished)
                run.process->kill();
            run.process->waitForFinished();
            result.exitCode = run.process->exitCode();
            result.exitStatus = run.process->exitStatus();
            result.output = QString::fromUtf8(run.process->readAll());
            result.screenshot = QImage(run.folder + "/out/shot.png").size();
            result.values = QJsonDocument::fromJson(readFile(run.folder + "/out/shot.json")).object();
            result.homeAfter = listing(run.folder + "/home");
            result.programAfter = listing(run.folder + "/program");
        }
    }
}

// What the fixtures put on the page, so the comparisons below compare values
// that were read.
void DamagedStartTest::referencesShowTheirFiles()
{
    const QJsonObject intact = m_results.value(kIntact).values;
    QCOMPARE(intact.value("macroNames").toArray(), (QJsonArray{"M1", "M2"}));
    QCOMPARE(intact.value("buttonTexts").toArray().at(3).toString(), QStringLiteral("Macro: M1"));
    QCOMPARE(intact.value("macroLoops").toString(), QStringLiteral("2"));
    QCOMPARE(intact.value("dpiValues").toArray(), ints({800, 1600, 2400, 3200, 5000, 6400}));
    QCOMPARE(intact.value("gunMenuNames").toArray(), (QJsonArray{"General", "", ""}));
    QCOMPARE(intact.value("language").toInt(), 0);
    const QJsonObject chinese = m_results.value(kChinese).values;
    QCOMPARE(chinese.value("language").toInt(), 1);
    QCOMPARE(chinese.value("mainTexts").toArray().at(0).toString(), QStringLiteral("轴向灵敏度"));
    QCOMPARE(chinese.value("dpiBalloonTexts").toArray().at(7).toString(), QStringLiteral("DPI 切换至"));

    // Nothing readable in the files: the page's defaults.
    const QJsonObject noProfile = m_results.value(emptied(kProfile1)).values;
    QCOMPARE(noProfile.value("dpiValues").toArray(), ints({6000, 6000, 6000, 6000, 6000, 6000}));
    QCOMPARE(noProfile.value("buttonTexts").toArray().at(3).toString(), QStringLiteral("Auto Run"));
    QCOMPARE(noProfile.value("cursorSpeed").toInt(), 0);
    QCOMPARE(m_results.value(emptied(kNames)).values.value("macroNames").toArray(), QJsonArray());
    QCOMPARE(m_results.value(emptied(kMacro)).values.value("macroActions").toArray(), QJsonArray());
    QCOMPARE(m_results.value(emptied(kLanguage)).values.value("mainTexts").toArray().at(0).toString(),
             QStringLiteral("Axis Sensitivity"));
}

void DamagedStartTest::referenceStartsAreClean_data()
{
    QTest::addColumn<QString>("name");
    for (const Start &start : referenceStarts())
        QTest::newRow(qPrintable(start.name)) << start.name;
}

void DamagedStartTest::referenceStartsAreClean()
{
    QFETCH(QString, name);
    checkStart(name, {});
}

void DamagedStartTest::damagedFile_data()
{
    QTest::addColumn<QString>("name");
    for (const Row &row : allRows())
        QTest::newRow(qPrintable(row.name)) << row.name;
}

void DamagedStartTest::damagedFile()
{
    QFETCH(QString, name);
    const Row row = m_rows.value(name);
    checkStart(name, row.written);

    const QJsonObject shown = m_results.value(name).values;
    const QJsonObject expected = row.expected(References(m_results));
    QVERIFY(!expected.isEmpty());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QJsonValue value = shown.value(it.key());
        QVERIFY2(value == it.value(),
                 qPrintable(QStringLiteral("%1 shows %2, expected %3")
                                .arg(it.key(), QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact),
                                     QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact))));
    }
    QCOMPARE(shown.keys(), expected.keys());
}

void DamagedStartTest::checkStart(const QString &name, const QStringList &written)
{
    const Result result = m_results.value(name);
    const QByteArray output = result.output.toUtf8();
    QVERIFY2(result.finished, output.constData());
    QCOMPARE(result.exitStatus, QProcess::NormalExit);
    QVERIFY2(result.exitCode == 0, output.constData());
    QCOMPARE(result.screenshot, QSize(1000, 640));
    // The page reports its script errors with the file they are in; the
    // sanitizers report on the same output when the program is built with them.
    for (const char *fault : {"qrc:", "TypeError", "ReferenceError", "cmd Failed", "Sanitizer", "runtime error:"})
        QVERIFY2(!output.contains(fault), output.constData());

    // Nothing changes beside the program, nothing in the home but the data
    // folder's files the row names and Qt's cache of the pages.
    QCOMPARE(result.programAfter, result.programBefore);
    QStringList unexpected;
    for (auto it = result.homeAfter.begin(); it != result.homeAfter.end(); ++it) {
        const bool same = result.homeBefore.contains(it.key()) && result.homeBefore.value(it.key()) == it.value();
        if (same || it.key().startsWith(kQmlCache)
            || (it.key().startsWith(kDataFolder) && written.contains(it.key().mid(kDataFolder.size()))))
            continue;
        unexpected.append(it.key());
    }
    for (auto it = result.homeBefore.begin(); it != result.homeBefore.end(); ++it) {
        if (!result.homeAfter.contains(it.key()))
            unexpected.append(it.key() + " (removed)");
    }
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
}

QTEST_GUILESS_MAIN(DamagedStartTest)
#include "tst_damaged_start.moc"
