// q530ctl as a script runs it: a process per command on the simulated mouse,
// each on a home of its own. Every row checks the exit status, what was
// printed, what the profile files hold and what the mouse holds afterwards.

#include "ctlprocess.h"

#include "shell/singleapplication.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

using Stored = QMap<QString, QString>;  // "file|group/key" -> value as text
Q_DECLARE_METATYPE(Stored)

class TestCtlProcesses : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void settingReachesProfileAndMouse_data();
    void settingReachesProfileAndMouse();
    void listsShowWhatTheWindowShows_data();
    void listsShowWhatTheWindowShows();
    void badArgumentsChangeNothing_data();
    void badArgumentsChangeNothing();
    void mouseThatCannotTakeIt_data();
    void mouseThatCannotTakeIt();
    void jsonIsOneObject_data();
    void jsonIsOneObject();

    void profileSwitchSendsTheWholeProfile();
    void profileNotTakenIsReported();
    void exportImportCarriesTheMacros();
    void resetGivesTheFactoryFile();
    void programsAndFollowingReachTheFiles();
    void importOfAnotherProfileSendsNothing();
    void importedStagesObeyThePanel();
    void refusedWhileTheProgramRuns();
    void refusedWhileTheLockIsHeld();
    void unsavedChangeIsReported_data();
    void unsavedChangeIsReported();
    void dataFolderInTheWay_data();
    void dataFolderInTheWay();
    void signalEndsTheRunWithItsLock();

private:
    void checkStored(const Stored &expected);
    std::unique_ptr<CtlHome> m_home;
};

void TestCtlProcesses::init()
{
    m_home = std::make_unique<CtlHome>();
    // The first run seeds the home's data folder from the shipped data.
    QCOMPARE(m_home->run({"profile"}).exitCode, 0);
    m_home->addMacro("Hello", {"1,A", "0,100", "2,A"}, 2);
}

void TestCtlProcesses::checkStored(const Stored &expected)
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QStringList where = it.key().split('|');
        QCOMPARE(m_home->stored(where.at(0), where.at(1)), it.value());
    }
}

void TestCtlProcesses::settingReachesProfileAndMouse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<QVariantMap>("mouse");

    QTest::newRow("rate 500 Hz is code 2")
        << QStringList{"rate", "500"} << "rate: 500 Hz" << Stored{{"p1.bin|sensor/reportRate_R8", "2"}}
        << QVariantMap{{"reportRate", 2}};
    QTest::newRow("rate 125 Hz is code 8")
        << QStringList{"rate", "125"} << "rate: 125 Hz" << Stored{{"p1.bin|sensor/reportRate_R8", "8"}}
        << QVariantMap{{"reportRate", 8}};
    QTest::newRow("dpi values and a switch, the two fixed stages last")
        << QStringList{"dpi", "1", "400", "3", "off", "6", "8000"} << "dpi: 1:400 2:1600 3:2400(off)"
        << Stored{{"p1.bin|sensor/dpi_R8", "400, 1600, 2400, 3200, 5000, 8000, 250, 250"},
                  {"p1.bin|sensor/dpi_Select", "1, 1, 0, 1, 1, 1, 0, 0"}}
        << QVariantMap{{"dpiCodes", QVariantList{3, 15, 0x80, 31, 49, 0x68, 0x80, 0x80}}, {"dpiStageCount", 6}};
    QTest::newRow("dpi above 5000 counts 200s")
        << QStringList{"dpi", "5", "5200"} << "5:5200"
        << Stored{{"p1.bin|sensor/dpi_R8", "800, 1600, 2400, 3200, 5200, 6400, 250, 250"}}
        << QVariantMap{{"dpiCodes@4", QVariantList{0x40 | 26}}};
    QTest::newRow("dpi stage")
        << QStringList{"dpi-stage", "4"} << "dpi stage: 4" << Stored{{"p1.bin|sensor/stage_R8", "4"}}
        << QVariantMap{{"dpiStage", 4}};
    QTest::newRow("sensitivity keeps steps, sends 20 to 200")
        << QStringList{"sensitivity", "1", "10"} << "sensitivity: 1 10"
        << Stored{{"p1.bin|XYSensitive/0", "0"}, {"p1.bin|XYSensitive/1", "9"}}
        << QVariantMap{{"xySensitivity", QVariantList{20, 200}}};
    QTest::newRow("breath at level 1 is 4 on the mouse")
        << QStringList{"lighting", "breath", "1"} << "lighting: breath 1"
        << Stored{{"p1.bin|color_R8/ledEffect", "2, 1, 2"}} << QVariantMap{{"rgbEffect", QVariantList{2, 4, 2}}};
    QTest::newRow("static keeps the level it shows")
        << QStringList{"lighting", "static"} << "lighting: static 4"
        << Stored{{"p1.bin|color_R8/ledEffect", "1, 4, 2"}} << QVariantMap{{"rgbEffect", QVariantList{1, 10, 2}}};
    QTest::newRow("rgb keeps the level the profile has for it")
        << QStringList{"lighting", "RGB"} << "lighting: rgb 4"
        << Stored{{"p1.bin|color_R8/ledEffect", "3, 4, 2"}} << QVariantMap{{"rgbEffect", QVariantList{3, 30, 2}}};
    QTest::newRow("lighting off sends zeros, stores static 0")
        << QStringList{"lighting", "off"} << "lighting: static 0"
        << Stored{{"p1.bin|color_R8/ledEffect", "1, 0, 2"}} << QVariantMap{{"rgbEffect", QVariantList{0, 0, 0}}};
    QTest::newRow("a menu name, in all four layers")
        << QStringList{"button", "2", "DPI -"} << "button 2: DPI - (07000200)"
        << Stored{{"p1.bin|keydefine_R8/1", "7, 0, 2, 0"}, {"p1.bin|keydefine_R84/1", "7, 0, 2, 0"}}
        << QVariantMap{{"keyMatrices/0@4", QVariantList{7, 0, 2, 0}}, {"keyMatrices/3@4", QVariantList{7, 0, 2, 0}},
                       {"keyMatrixNo", 0}};
    QTest::newRow("a menu name in another case")
        << QStringList{"button", "3", "double click"} << "button 3: Double Click (0af01e02)"
        << Stored{{"p1.bin|keydefine_R8/2", "10, 240, 30, 2"}}
        << QVariantMap{{"keyMatrices/0@8", QVariantList{10, 240, 30, 2}}};
    QTest::newRow("a key by its name")
        << QStringList{"button", "4", "Key:KP Enter"} << "button 4: Keyboard Key-KP Enter (00005800)"
        << Stored{{"p1.bin|keydefine_R8/3", "0, 0, 88, 0"}}
        << QVariantMap{{"keyMatrices/0@12", QVariantList{0, 0, 0x58, 0}}};
    QTest::newRow("eight hex digits")
        << QStringList{"button", "5", "0300E900"} << "button 5: Volume Up (0300e900)"
        << Stored{{"p1.bin|keydefine_R8/4", "3, 0, 233, 0"}}
        << QVariantMap{{"keyMatrices/0@16", QVariantList{3, 0, 0xE9, 0}}};
    QTest::newRow("a named key is a plain key on the mouse")
        << QStringList{"button", "8", "Auto Run"} << "button 8: Auto Run (0f002e00)"
        << Stored{{"p1.bin|keydefine_R8/7", "15, 0, 46, 0"}}
        << QVariantMap{{"keyMatrices/0@28", QVariantList{0, 0, 0x2E, 0}}};
    QTest::newRow("the gun key's slot leaves with its function")
        << QStringList{"button", "6", "Middle Button"} << "button 6: Middle Button (0100f200)"
        << Stored{{"p1.bin|keydefine_R8/5", "1, 0, 242, 0"}, {"p1.bin|selectGunKey/0", "-1"},
                  {"p1.bin|selectGun/0", "2"}, {"p1.bin|selectGun/1", "1"}}
        << QVariantMap{{"keyMatrices/0@20", QVariantList{1, 0, 0xF2, 0}}, {"keyMatrices/1@20", QVariantList{1, 0, 0xF2, 0}}};
    QTest::newRow("a macro takes the first free slot and goes there")
        << QStringList{"button", "8", "Macro:Hello", "hold"} << "button 8: Macro: Hello (09020100)"
        << Stored{{"p1.bin|keydefine_R8/7", "9, 2, 1, 0"}, {"p1.bin|macro/0", "Hello"}}
        << QVariantMap{{"keyMatrices/0@28", QVariantList{9, 2, 1, 0}},
                       {"macroSlots/1@0", QVariantList{0, 2, 0x32, 4, 0x81, 4, 0, 0}}};
    QTest::newRow("macro send binds and sends the slot")
        << QStringList{"macro", "send", "Hello", "3"} << "macro Hello sent to slot 3"
        << Stored{{"p1.bin|macro/2", "Hello"}}
        << QVariantMap{{"macroSlots/3@0", QVariantList{0, 2, 0x32, 4, 0x81, 4, 0, 0}}};
}

void TestCtlProcesses::settingReachesProfileAndMouse()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);
    QFETCH(Stored, stored);
    QFETCH(QVariantMap, mouse);

    const CtlRun run = m_home->run(arguments);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY2(run.out.contains(printed.toUtf8()), run.out.constData());
    QVERIFY(run.err.isEmpty());
    checkStored(stored);
    for (auto it = mouse.cbegin(); it != mouse.cend(); ++it) {
        QString seen;
        QVERIFY2(mouseHolds(run.mouse, it.key(), it.value(), seen), qPrintable(it.key() + " holds " + seen));
    }
}

void TestCtlProcesses::listsShowWhatTheWindowShows_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("info") << QStringList{"info"}
                          << QStringList{"firmware: 1.0A", "profile: 1 PUBG", "rate: 1000 Hz",
                                         "dpi: 1:800 2:1600 3:2400 4:3200 5:5000 6:6400", "dpi stage: 2",
                                         "sensitivity: 5 5", "lighting: rgb 4"};
    QTest::newRow("dpi") << QStringList{"dpi"} << QStringList{"dpi: 1:800 2:1600 3:2400 4:3200 5:5000 6:6400"};
    QTest::newRow("buttons, the gun key under its preset")
        << QStringList{"buttons"}
        << QStringList{"button 1: Left Button (0100f000)", "button 4: Auto Run (0f002e00)",
                       "button 6: General (08000101)", "button 7: DPI LOOP (07000300)", "button 8: Deactivated (00000000)"};
    QTest::newRow("profiles, the current one marked") << QStringList{"profile"} << QStringList{"1 PUBG *", "2 Standard"};
    QTest::newRow("macros") << QStringList{"macro", "list"} << QStringList{"Hello"};
    QTest::newRow("functions without the gun switch")
        << QStringList{"functions"} << QStringList{"07000100  DPI +", "0000e315  Run", "00000000  Deactivated"};
}

void TestCtlProcesses::listsShowWhatTheWindowShows()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lines);

    const auto before = m_home->snapshot();
    const CtlRun run = m_home->run(arguments);
    QCOMPARE(run.exitCode, 0);
    const QStringList printed = QString::fromUtf8(run.out).split('\n');
    for (const QString &line : lines)
        QVERIFY2(printed.contains(line), qPrintable(line + " not in:\n" + run.out));
    QVERIFY(!run.out.contains("08000101  Gun Key Switch"));
    QCOMPARE(m_home->snapshot(), before);
}

void TestCtlProcesses::badArgumentsChangeNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("no command") << QStringList{} << "no command given";
    QTest::newRow("unknown command") << QStringList{"dip"} << "unknown command";
    QTest::newRow("unknown option") << QStringList{"--jsn", "info"} << "unknown option";
    QTest::newRow("rate not offered") << QStringList{"rate", "300"} << "125, 250, 500 or 1000";
    QTest::newRow("rate not a number") << QStringList{"rate", "fast"} << "125, 250, 500 or 1000";
    QTest::newRow("dpi below the slider") << QStringList{"dpi", "1", "100"} << "200 to 8000";
    QTest::newRow("dpi between steps") << QStringList{"dpi", "1", "850"} << "steps of 100";
    QTest::newRow("dpi stage 7 is not shown") << QStringList{"dpi", "7", "800"} << "from 1 to 6";
    QTest::newRow("dpi without its value") << QStringList{"dpi", "1", "800", "2"} << "pairs";
    QTest::newRow("dpi stage twice") << QStringList{"dpi", "1", "800", "1", "900"} << "given twice";
    QTest::newRow("every dpi stage off")
        << QStringList{"dpi", "1", "off", "2", "off", "3", "off", "4", "off", "5", "off", "6", "off"} << "stay on";
    QTest::newRow("dpi stage 0") << QStringList{"dpi-stage", "0"} << "from 1 to 6";
    QTest::newRow("sensitivity 0") << QStringList{"sensitivity", "0", "5"} << "from 1 to 10";
    QTest::newRow("sensitivity 11") << QStringList{"sensitivity", "5", "11"} << "from 1 to 10";
    QTest::newRow("sensitivity with a sign") << QStringList{"sensitivity", "+5", "5"} << "from 1 to 10";
    QTest::newRow("lighting effect unknown") << QStringList{"lighting", "rainbow"} << "unknown lighting effect";
    QTest::newRow("lighting level 5") << QStringList{"lighting", "breath", "5"} << "from 0 to 4";
    QTest::newRow("lighting off with a level") << QStringList{"lighting", "off", "2"} << "takes no level";
    QTest::newRow("button 9 is not shown") << QStringList{"button", "9", "DPI +"} << "from 1 to 8";
    QTest::newRow("unknown function") << QStringList{"button", "2", "Jump"} << "unknown function";
    QTest::newRow("unknown key") << QStringList{"button", "2", "Key:Hyper"} << "unknown key";
    QTest::newRow("unknown macro") << QStringList{"button", "2", "Macro:Nope"} << "no macro";
    QTest::newRow("a macro by its code") << QStringList{"button", "2", "09000100"} << "Macro:NAME";
    QTest::newRow("a gun key by its code") << QStringList{"button", "2", "08000101"} << "gun slots";
    QTest::newRow("the gun switch by its name") << QStringList{"button", "2", "Gun Key Switch"} << "unknown function";
    QTest::newRow("play mode without a macro") << QStringList{"button", "2", "DPI +", "loop"} << "Macro:NAME";
    QTest::newRow("play mode unknown") << QStringList{"button", "8", "Macro:Hello", "twice"} << "once, loop or hold";
    QTest::newRow("the last left click") << QStringList{"button", "1", "Key:A"} << "last left click";
    QTest::newRow("profile 7") << QStringList{"profile", "7"} << "from 1 to 6";
    QTest::newRow("profile not in the list") << QStringList{"profile", "4"} << "no profile 4";
    QTest::newRow("profile reset without a number") << QStringList{"profile", "reset"} << "reset N";
    QTest::newRow("import of a missing file") << QStringList{"profile", "import", "1", "/nonexistent/p.pf"} << "no file";
    QTest::newRow("import of the configuration")
        << QStringList{"profile", "import", "1", "@data/setting/apConfig.bin"} << "not a profile";
    QTest::newRow("import of a macro file") << QStringList{"profile", "import", "2", "@data/macro/Hello.bin"}
                                            << "not a profile";
    QTest::newRow("import of a folder") << QStringList{"profile", "import", "1", "@data/setting"} << "cannot be read";
    QTest::newRow("export into a folder") << QStringList{"profile", "export", "1", "@data"} << "is a folder";
    QTest::newRow("export where no folder is") << QStringList{"profile", "export", "1", "/nonexistent/p.pf"}
                                               << "no folder";
    QTest::newRow("export to an empty name") << QStringList{"profile", "export", "1", ""} << "one given is empty";
    QTest::newRow("export onto the profile's own file")
        << QStringList{"profile", "export", "1", "@data/setting/p1.bin"} << "where profile 1 itself is kept";
    QTest::newRow("macro slot 6 holds gun macros") << QStringList{"macro", "send", "Hello", "6"} << "from 1 to 5";
    QTest::newRow("macro send of an unknown macro") << QStringList{"macro", "send", "Nope", "1"} << "no macro";
    QTest::newRow("a name that would be a path") << QStringList{"macro", "send", "../setting/p1", "1"} << "no macro";
    QTest::newRow("a program name with a folder") << QStringList{"profile", "1", "programs", "add", "a/b"}
                                                  << "not a program's name";
    QTest::newRow("programs of profile 7") << QStringList{"profile", "7", "programs"} << "from 1 to 6";
    QTest::newRow("programs of a profile not in the list") << QStringList{"profile", "4", "programs"} << "no profile 4";
    QTest::newRow("programs with an unknown action") << QStringList{"profile", "1", "programs", "list"}
                                                     << "add NAME or remove NAME";
    QTest::newRow("follow neither on nor off") << QStringList{"follow", "yes"} << "on or off";
    QTest::newRow("dump without the simulated mouse") << QStringList{"--dump-mouse=x", "info"} << "only goes with";
}

void TestCtlProcesses::badArgumentsChangeNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    for (QString &a : arguments)
        a.replace("@data", m_home->dataFolder());

    const auto before = m_home->snapshot();
    const bool simulated = !arguments.contains("--dump-mouse=x");
    const CtlRun run = simulated ? m_home->run(arguments) : m_home->runPlain(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    const QList<QByteArray> lines = run.err.split('\n');
    QVERIFY2(lines.first().startsWith("q530ctl: ") && lines.first().contains(error.toUtf8()), run.err.constData());
    if (simulated) // nothing reached the mouse either
        QCOMPARE(run.mouse.value("commands").toArray().size(), 0);
    QCOMPARE(m_home->snapshot(), before);
}

void TestCtlProcesses::mouseThatCannotTakeIt_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("changesFiles");

    QTest::newRow("unplugged: nothing stored") << "unplugged" << QStringList{"rate", "500"} << 3 << "no mouse found" << false;
    QTest::newRow("no access: nothing stored") << "no-access" << QStringList{"button", "2", "DPI +"} << 3
                                               << "may not open it" << false;
    QTest::newRow("unplugged: info") << "unplugged" << QStringList{"info"} << 3 << "no mouse found" << false;
    QTest::newRow("busy: info reads nothing") << "busy" << QStringList{"info"} << 4 << "did not answer" << false;
    QTest::newRow("busy: stored, then not taken") << "busy" << QStringList{"rate", "500"} << 4 << "did not answer" << true;
    QTest::newRow("lost frame: the rate read back") << "drop-first" << QStringList{"rate", "250"} << 4
                                                    << "kept its polling rate (1000 Hz)" << true;
    QTest::newRow("lost frame: the stage read back") << "drop-first" << QStringList{"dpi-stage", "5"} << 4
                                                     << "stayed on DPI stage 2" << true;
    QTest::newRow("lost frame: the stages read back") << "drop-first" << QStringList{"dpi", "2", "900"} << 4
                                                      << "DPI stages" << true;
    QTest::newRow("lost frame: the lighting read back") << "drop-first" << QStringList{"lighting", "breath"} << 4
                                                        << "lighting" << true;
    QTest::newRow("lost frame: the buttons read back") << "drop-first" << QStringList{"button", "2", "Back"} << 4
                                                       << "button functions" << true;
    QTest::newRow("no mouse needed to list") << "unplugged" << QStringList{"buttons"} << 0 << "" << false;
    QTest::newRow("no mouse needed to export") << "unplugged" << QStringList{"profile", "export", "2", "@home/p2.pf"} << 0
                                               << "" << false;
    QTest::newRow("no mouse needed for another profile")
        << "unplugged" << QStringList{"profile", "import", "2", "@home/data/q530/modules/setting/p1.bin"} << 0 << "" << true;
}

void TestCtlProcesses::mouseThatCannotTakeIt()
{
    QFETCH(QString, condition);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QFETCH(bool, changesFiles);
    for (QString &a : arguments)
        a.replace("@home", m_home->home());

    const auto before = m_home->snapshot();
    const CtlRun run = m_home->run(arguments, condition);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith("q530ctl: ") && run.err.contains(error.toUtf8()), run.err.constData());
    }
    // A refused mouse leaves the files; one that was asked has the profile's copy.
    QCOMPARE(m_home->snapshot() != before, changesFiles);
}

void TestCtlProcesses::jsonIsOneObject_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QVariantMap>("fields");

    QTest::newRow("info") << QStringList{"info"} << 0
                          << QVariantMap{{"firmware", "1.0A"}, {"profile", 1}, {"profileName", "PUBG"}, {"rate", 1000},
                                         {"dpiStage", 2}};
    QTest::newRow("a setting") << QStringList{"rate", "250"} << 0 << QVariantMap{{"rate", 250}, {"ok", true}};
    QTest::newRow("a form error") << QStringList{"rate"} << 2 << QVariantMap{{"ok", false}, {"command", "rate"}};
    QTest::newRow("an unknown name") << QStringList{"button", "3", "Jump"} << 2 << QVariantMap{{"ok", false}};
    QTest::newRow("a button") << QStringList{"button", "3", "Forward"} << 0
                              << QVariantMap{{"button", 3}, {"function", "Forward"}, {"code", "0100f400"}};
}

void TestCtlProcesses::jsonIsOneObject()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QVariantMap, fields);

    const CtlRun run = m_home->run(QStringList{"--json"} + arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out.count('\n'), 1);
    QJsonParseError parsed;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &parsed);
    QCOMPARE(parsed.error, QJsonParseError::NoError);
    QVERIFY(doc.isObject());
    const QJsonObject object = doc.object();
    QCOMPARE(object.value("exitCode").toInt(), exitCode);
    QCOMPARE(object.contains("error"), exitCode != 0);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        QCOMPARE(object.value(it.key()), QJsonValue::fromVariant(it.value()));
}

void TestCtlProcesses::profileSwitchSendsTheWholeProfile()
{
    // Profile 2 as a person left it, some of it damaged.
    QSettings p2(m_home->settingFile("p2.bin"), QSettings::IniFormat);
    p2.setValue("sensor/dpi_R8", QStringList{"100", "1200", "x", "9000", "300", "6000", "250", "250"});
    p2.setValue("sensor/dpi_Select", QStringList{"1", "0", "1", "1", "1", "1", "0", "0"});
    p2.setValue("sensor/reportRate_R8", 4);
    p2.setValue("XYSensitive/0", 12);
    p2.setValue("color_R8/ledEffect", QStringList{"2", "9", "3"});
    p2.setValue("keydefine_R8/7", QStringList{"9", "0", "1", "0"});
    p2.setValue("macro/0", "Hello");
    p2.sync();

    const CtlRun run = m_home->run({"profile", "2"});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(run.out, QByteArray("profile 2 sent to the mouse\n"));
    QCOMPARE(m_home->stored("apConfig.bin", "R8/profileNo"), QString("1"));
    QString seen;
    // As the panels read it: values held to 200 ... 8000, an unreadable one at 6000.
    QVERIFY2(mouseHolds(run.mouse, "dpiCodes", QVariantList{1, 0x80, 0x40 | 30, 0x40 | 40, 2, 0x40 | 30, 0x80, 0x80}, seen),
             qPrintable(seen));
    QCOMPARE(m_home->stored("p2.bin", "sensor/dpi_R8"), QString("200, 1200, 6000, 8000, 300, 6000, 250, 250"));
    QVERIFY2(mouseHolds(run.mouse, "reportRate", 4, seen), qPrintable(seen));
    QVERIFY2(mouseHolds(run.mouse, "xySensitivity", QVariantList{200, 100}, seen), qPrintable(seen));
    QVERIFY2(mouseHolds(run.mouse, "rgbEffect", QVariantList{2, 1, 3}, seen), qPrintable(seen));
    QVERIFY2(mouseHolds(run.mouse, "keyMatrices/0@28", QVariantList{9, 0, 1, 0}, seen), qPrintable(seen));
    QVERIFY2(mouseHolds(run.mouse, "macroSlots/1@0", QVariantList{0, 2, 0x32, 4}, seen), qPrintable(seen));
    QVERIFY2(mouseHolds(run.mouse, "keyMatrixNo", 0, seen), qPrintable(seen));
    // The gun presets of the slots, together from macro slot 6 (General plays once).
    QVERIFY2(mouseHolds(run.mouse, "macroSlots/6@0", QVariantList{0, 1}, seen), qPrintable(seen));
    // The panels' order: macros, the four layers and matrix 0, X/Y, DPI
    // switches (stored only), DPI set, stage colours, lighting, rate; then
    // the gun presets with their three lengths, and matrix 0 once more.
    QJsonArray expected;
    for (int code : {0x13, 0x12, 0x12, 0x12, 0x12, 0x02, 0x0E, 0x11, 0x10, 0x0D, 0x01, 0x13, 0x04, 0x04, 0x04, 0x02})
        expected.append(code);
    QJsonArray sent;
    for (const QJsonValue &c : run.mouse.value("commands").toArray())
        if (c.toInt() < 0x80)
            sent.append(c);
    QCOMPARE(sent, expected);
}

void TestCtlProcesses::profileNotTakenIsReported()
{
    QSettings p2(m_home->settingFile("p2.bin"), QSettings::IniFormat);
    p2.setValue("keydefine_R8/1", QStringList{"7", "0", "2", "0"});
    p2.sync();
    // The first frame of the profile, its button layer, is lost on the way.
    const CtlRun run = m_home->run({"profile", "2"}, "drop-first");
    QCOMPARE(run.exitCode, 4);
    QVERIFY2(run.err.contains("did not take the button functions"), run.err.constData());
    QString seen;
    QVERIFY2(mouseHolds(run.mouse, "keyMatrices/0@4", QVariantList{1, 0, 0xF1, 0}, seen), qPrintable(seen));
}

void TestCtlProcesses::exportImportCarriesTheMacros()
{
    // A name of the user's is taken from the folder the command starts in
    // (the home here), though the run works in the data folder.
    const QString file = m_home->home() + "/mine.pf";
    QCOMPARE(m_home->run({"button", "8", "Macro:Hello"}).exitCode, 0);
    QCOMPARE(m_home->run({"profile", "export", "1", "mine.pf"}).exitCode, 0);
    const QSettings exported(file, QSettings::IniFormat);
    QCOMPARE(exported.value("profile/macroName").toStringList(), QStringList({"Hello", "loaderzentak"}));
    QCOMPARE(exported.value("profile/macro0").toStringList(), QStringList({"1,A", "0,100", "2,A", "2"}));
    QCOMPARE(exported.value("profile/gunName").toStringList(), QStringList({"General", "Double fire", "Three fire"}));

    // Somewhere else: the macro is gone and profile 1 is another one.
    QVERIFY(QFile::remove(m_home->dataFolder() + "/macro/Hello.bin"));
    QSettings names(m_home->settingFile("name.bin"), QSettings::IniFormat);
    names.remove("macro");
    names.sync();
    QCOMPARE(m_home->run({"profile", "reset", "1"}).exitCode, 0);

    const CtlRun run = m_home->run({"profile", "import", "1", "./mine.pf"});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(run.out.contains("profile 1 read from"));
    QVERIFY(run.out.contains("profile 1 sent to the mouse"));
    QCOMPARE(m_home->stored("p1.bin", "keydefine_R8/7"), QString("9, 0, 1, 0"));
    QCOMPARE(m_home->stored("name.bin", "macro/macroName"), QString("Hello, loaderzentak"));
    QVERIFY(QFile::exists(m_home->dataFolder() + "/macro/Hello.bin"));
    QString seen;
    QVERIFY2(mouseHolds(run.mouse, "macroSlots/1@0", QVariantList{0, 2, 0x32, 4, 0x81, 4, 0, 0}, seen), qPrintable(seen));
}

void TestCtlProcesses::resetGivesTheFactoryFile()
{
    QCOMPARE(m_home->run({"rate", "125"}).exitCode, 0);
    QCOMPARE(m_home->run({"button", "3", "Mute"}).exitCode, 0);
    const CtlRun run = m_home->run({"profile", "reset", "1"});
    QCOMPARE(run.exitCode, 0);
    // Sending stores every panel's values again, so the file is compared key by key.
    const QSettings factory(m_home->settingFile("pD.bin"), QSettings::IniFormat);
    for (const QString &key : factory.allKeys())
        QCOMPARE(m_home->stored("p1.bin", key), factory.value(key).toStringList().join(", "));
    QString seen;
    QVERIFY2(mouseHolds(run.mouse, "reportRate", 1, seen), qPrintable(seen));
    QVERIFY2(mouseHolds(run.mouse, "keyMatrices/0@8", QVariantList{1, 0, 0xF2, 0}, seen), qPrintable(seen));
}

void TestCtlProcesses::programsAndFollowingReachTheFiles()
{
    const auto said = [this](const QStringList &arguments) {
        const CtlRun run = m_home->run(arguments);
        return run.exitCode == 0 ? QString::fromUtf8(run.out) : QString("exit %1: %2").arg(run.exitCode).arg(run.err);
    };
    QCOMPARE(said({"profile", "2", "programs", "add", "gimp"}), QString("profile 2 follows gimp\n"));
    QCOMPARE(said({"profile", "2", "programs", "add", "steam_app_578080"}),
             QString("profile 2 follows steam_app_578080\n"));
    QCOMPARE(said({"profile", "2", "programs", "add", "gimp"}), QString("profile 2 already follows gimp\n"));
    QCOMPARE(said({"profile", "2", "programs"}), QString("gimp\nsteam_app_578080\n"));
    const QJsonObject listed =
        QJsonDocument::fromJson(m_home->run({"--json", "profile", "2", "programs"}).out).object();
    QCOMPARE(listed.value("profile"), QJsonValue(2));
    QCOMPARE(listed.value("programs"), QJsonValue(QJsonArray{"gimp", "steam_app_578080"}));
    QCOMPARE(said({"profile", "2", "programs", "remove", "gimp"}), QString("profile 2 no longer follows gimp\n"));
    QCOMPARE(said({"profile", "2", "programs", "remove", "gimp"}), QString("profile 2 does not follow gimp\n"));
    QCOMPARE(m_home->stored("p2.bin", "programs/names"), QString("steam_app_578080"));
    QVERIFY(!QSettings(m_home->settingFile("p1.bin"), QSettings::IniFormat).childGroups().contains("programs"));
    const QString file = m_home->home() + "/two.pf";
    QCOMPARE(m_home->run({"profile", "export", "2", file}).exitCode, 0);
    QCOMPARE(QSettings(file, QSettings::IniFormat).value("programs/names").toString(), QString("steam_app_578080"));

    // A full list takes no other name, and one it has is still no error.
    QStringList full;
    for (int i = 0; i < 32; ++i)
        full.append(QString("game%1").arg(i));
    QSettings(m_home->settingFile("p1.bin"), QSettings::IniFormat).setValue("programs/names", full);
    const CtlRun refused = m_home->run({"profile", "1", "programs", "add", "one-more"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains("remove one first"), refused.err.constData());
    QCOMPARE(said({"profile", "1", "programs", "add", "game31"}), QString("profile 1 already follows game31\n"));

    // Following on takes the current profile as the fallback, unless one is stored.
    QSettings(m_home->settingFile("apConfig.bin"), QSettings::IniFormat).setValue("R8/profileNo", 1);
    QVERIFY(said({"follow", "on"}).startsWith("follow: on (q530 takes it at its next start)\nfallback profile: 2\n"));
    QCOMPARE(m_home->stored("apConfig.bin", "follow/enabled"), QString("true"));
    QCOMPARE(m_home->stored("apConfig.bin", "follow/fallback"), QString("1"));
    QCOMPARE(said({"follow", "off"}).section('\n', 0, 1),
             QString("follow: off (q530 takes it at its next start)\nfallback profile: 2"));
    QCOMPARE(m_home->stored("apConfig.bin", "follow/enabled"), QString("false"));
    QSettings(m_home->settingFile("apConfig.bin"), QSettings::IniFormat).setValue("R8/profileNo", 0);
    QCOMPARE(m_home->run({"follow", "on"}).exitCode, 0);
    QCOMPARE(m_home->stored("apConfig.bin", "follow/fallback"), QString("1"));
    const QJsonObject shown = QJsonDocument::fromJson(m_home->run({"--json", "follow"}).out).object();
    QCOMPARE(shown.value("follow"), QJsonValue(true));
    QCOMPARE(shown.value("fallback"), QJsonValue(2));
    QCOMPARE(shown.value("profiles").toArray().size(), 2);
    QCOMPARE(shown.value("profiles").toArray().at(1),
             QJsonValue(QJsonObject{{"profile", 2}, {"programs", QJsonArray{"steam_app_578080"}}}));
}

void TestCtlProcesses::importOfAnotherProfileSendsNothing()
{
    const QString file = m_home->home() + "/two.pf";
    QCOMPARE(m_home->run({"profile", "export", "2", file}).exitCode, 0);
    const CtlRun run = m_home->run({"profile", "import", "2", file});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("profile 2 read from " + file.toUtf8() + "\n"));
    QCOMPARE(run.mouse.value("commands").toArray().size(), 0);
}

// An import cannot switch every DPI stage off: the mouse keeps a stage to be
// at, and printing the stages never refuses.
void TestCtlProcesses::importedStagesObeyThePanel()
{
    const QString file = m_home->home() + "/off.pf";
    QFile pf(file);
    QVERIFY(pf.open(QIODevice::WriteOnly));
    pf.write("[sensor]\ndpi_Select=0, 0, 0, 0, 0, 0, 0, 0\nstage_R8=0\n"
             "dpi_R8=400, 800, 1600, 3200, 6400, 8000, 250, 250\n");
    pf.close();
    const CtlRun run = m_home->run({"profile", "import", "1", file});
    QCOMPARE(run.exitCode, 0);
    QString seen;
    QVERIFY2(mouseHolds(run.mouse, "dpiCodes", QVariantList{3, 7, 15, 31, 0x60, 0x68, 0x80, 0x80}, seen),
             qPrintable(seen));
    const CtlRun shown = m_home->run({"dpi"});
    QCOMPARE(shown.exitCode, 0);
    QCOMPARE(shown.out, QByteArray("dpi: 1:400 2:800 3:1600 4:3200 5:6400 6:8000\n"));
}

void TestCtlProcesses::refusedWhileTheProgramRuns()
{
    QProcess program;
    program.setProcessEnvironment(m_home->environment());
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(Q530_PROGRAM, {"--simulate"});
    QByteArray output;
    const QDeadlineTimer deadline(30000);
    while (!output.contains("Device Connect") && !deadline.hasExpired() && program.state() != QProcess::NotRunning) {
        program.waitForReadyRead(100);
        output += program.readAll();
    }
    QVERIFY2(output.contains("Device Connect"), output.constData());

    const CtlRun run = m_home->run({"rate", "500"});
    program.kill();
    program.waitForFinished();
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("q530ctl: q530 is running"), run.err.constData());
    QCOMPARE(run.mouse.value("commands").toArray().size(), 0);
    QCOMPARE(m_home->stored("p1.bin", "sensor/reportRate_R8"), QString("1"));

    m_home->useInstanceFolderHere();
    QLocalServer::removeServer(SingleApplication::serverName());
    QFile::remove(SingleApplication::lockFilePath());
}

void TestCtlProcesses::refusedWhileTheLockIsHeld()
{
    // A program between taking its lock and answering, or another run.
    m_home->useInstanceFolderHere();
    QLockFile lock(SingleApplication::lockFilePath());
    QVERIFY(lock.tryLock(0));
    const CtlRun refused = m_home->run({"rate", "500"});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("try again"), refused.err.constData());
    lock.unlock();
    QCOMPARE(m_home->run({"rate", "500"}).exitCode, 0);
}

void TestCtlProcesses::unsavedChangeIsReported_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("kept"); // files below the data folder's q530/

    // "nearly full": the lock files QSettings takes still fit, a file's new
    // text does not; "full": not a byte more.
    const QStringList p1{"modules/setting/p1.bin"};
    QTest::newRow("nearly full disk: a DPI change") << "nearly full" << QStringList{"dpi", "1", "900"} << p1;
    QTest::newRow("nearly full disk: a profile switch") << "nearly full" << QStringList{"profile", "2"}
                                                        << QStringList{"modules/setting/apConfig.bin"};
    QTest::newRow("full disk: a DPI change") << "full" << QStringList{"dpi", "1", "900"} << p1;
    QTest::newRow("full disk: an import")
        << "full" << QStringList{"profile", "import", "2", "@home/mine.pf"}
        << QStringList{"modules/setting/p2.bin", "modules/setting/name.bin"};
    QTest::newRow("full disk: an export over a good file")
        << "full" << QStringList{"profile", "export", "1", "@q530/good.pf"} << QStringList{"good.pf"};
    QTest::newRow("read-only profile: a DPI change") << "read-only" << QStringList{"dpi", "1", "900"} << p1;
    QTest::newRow("read-only profile: an import")
        << "read-only" << QStringList{"profile", "import", "1", "@home/mine.pf"} << p1;
    QTest::newRow("read-only profile: a program added")
        << "read-only" << QStringList{"profile", "1", "programs", "add", "gimp"} << p1;
    QTest::newRow("read-only configuration: follow on")
        << "read-only" << QStringList{"follow", "on"} << QStringList{"modules/setting/apConfig.bin"};
    QTest::newRow("read-only export file") << "read-only" << QStringList{"profile", "export", "1", "@q530/good.pf"}
                                           << QStringList{"good.pf"};
}

void TestCtlProcesses::unsavedChangeIsReported()
{
    QFETCH(QString, condition);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, kept);

    const QString q530 = QFileInfo(m_home->dataFolder()).path();
    // An import source that differs from every profile, an export target that is good.
    QCOMPARE(m_home->run({"button", "8", "Macro:Hello"}).exitCode, 0);
    QCOMPARE(m_home->run({"profile", "export", "1", m_home->home() + "/mine.pf"}).exitCode, 0);
    QVERIFY(QFile::copy(m_home->home() + "/mine.pf", q530 + "/good.pf"));
    QCOMPARE(m_home->run({"profile", "reset", "1"}).exitCode, 0);

    struct Unmount
    {
        QString folder;
        ~Unmount()
        {
            if (!folder.isEmpty())
                QProcess::execute("umount", {folder});
        }
    } unmount;
    if (condition.endsWith("full")) {
        // The data folder on a small file system of its own.
        const QString copy = m_home->home() + "/q530-copy";
        QCOMPARE(QProcess::execute("cp", {"-a", q530, copy}), 0);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=512k", "tmpfs", q530}) != 0)
            QSKIP("needs to mount a tmpfs (root)");
        unmount.folder = q530;
        QCOMPARE(QProcess::execute("cp", {"-a", copy + "/.", q530}), 0);
        QProcess::execute("dd", {"if=/dev/zero", "of=" + q530 + "/filler", "bs=4k"});
        if (condition == "nearly full")
            QCOMPARE(QProcess::execute("truncate", {"-s", "-4096", q530 + "/filler"}), 0);
    } else {
        for (const QString &file : kept)
            QVERIFY(QFile::setPermissions(q530 + "/" + file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
    QMap<QString, QByteArray> before;
    QMap<QString, QFileDevice::Permissions> modes;
    for (const QString &file : kept) {
        QFile f(q530 + "/" + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        before.insert(file, f.readAll());
        modes.insert(file, f.permissions());
    }

    QStringList args;
    for (QString a : arguments)
        args.append(a.replace("@home", m_home->home()).replace("@q530", q530));
    const CtlRun run = m_home->run(args);
    QCOMPARE(run.exitCode, 6);
    QVERIFY2(run.err.contains(kept.first().section('/', -1).toUtf8()), run.err.constData());
    for (const QString &file : kept) {
        QFile f(q530 + "/" + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(f.readAll() == before.value(file), qPrintable(file));
        QCOMPARE(f.permissions(), modes.value(file));
    }
}

void TestCtlProcesses::dataFolderInTheWay_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("said");
    QTest::newRow("a file") << "file" << "q530 is a file, not a folder";
    QTest::newRow("a symbolic link in a loop") << "loop" << "q530 is a symbolic link that leads nowhere or in a loop";
}

void TestCtlProcesses::dataFolderInTheWay()
{
    QFETCH(QString, way);
    QFETCH(QString, said);
    const QString q530 = QFileInfo(m_home->dataFolder()).path();
    QVERIFY(QDir(q530).removeRecursively());
    if (way == "file") {
        QFile f(q530);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QFile::link(q530, q530));
    }
    const CtlRun run = m_home->run({"rate", "500"});
    QCOMPARE(run.exitCode, 5);
    QVERIFY2(run.err.contains(said.toUtf8()), run.err.constData());
}

void TestCtlProcesses::signalEndsTheRunWithItsLock()
{
    m_home->useInstanceFolderHere();
    const QString lock = SingleApplication::lockFilePath();
    QProcess run;
    run.setProcessEnvironment(m_home->environment());
    run.start(Q530CTL, {"--simulate", "profile", "2"}); // sending a whole profile takes seconds
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(lock) && !deadline.hasExpired() && run.state() != QProcess::NotRunning)
        QThread::msleep(5);
    QVERIFY(QFileInfo::exists(lock));
    QVERIFY(::kill(pid_t(run.processId()), SIGTERM) == 0);
    QVERIFY(run.waitForFinished(10000));
    QCOMPARE(run.exitCode(), 128 + SIGTERM);
    QCOMPARE(run.readAllStandardError(), QByteArray("q530ctl: ended by signal 15\n"));
    QVERIFY(!QFileInfo::exists(lock));
}

QTEST_GUILESS_MAIN(TestCtlProcesses)
#include "tst_ctl_processes.moc"
