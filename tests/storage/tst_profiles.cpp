// Whole profiles on disk: copy, reset, export and import of ".pf" files with
// the macros and gun presets they carry, the factory values, shipped data.

#include "storagefixture.h"

#include "storage/buttonentry.h"
#include "storage/editorencoder.h"
#include "storage/inifile.h"
#include "storage/namelist.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class ProfilesTest : public QObject
{
    Q_OBJECT

private slots:
    void copyProfile_data();
    void copyProfile();
    void resetProfile_data();
    void resetProfile();
    void exportThenImport();
    void importKeepsTheUsersPresets_data();
    void importKeepsTheUsersPresets();
    void importLimits();
    void importHoldsToPanelRules();
    void importSkipsNamesThatArePaths_data();
    void importSkipsNamesThatArePaths();
    void importOfNamesWithoutLines();
    void loadDefaultProfile_data();
    void loadDefaultProfile();
    void shippedProfilesAndPresets();
    void savedAsQSettingsSavesIt_data();
    void savedAsQSettingsSavesIt();
};

namespace {

const QString kMarker = QStringLiteral("test/marker");

void verifyFileOrder(const ProfileSet &profiles)
{
    for (int i = 0; i < ProfileSet::kCount; ++i)
        QVERIFY2(profiles.at(i)->fileName().endsWith(QStringLiteral("/p%1.bin").arg(i + 1)),
                 qPrintable(profiles.at(i)->fileName()));
}

// Writes a marker into every profile without flushing: what is copied must
// still be the latest value.
void markProfiles(ProfileSet &profiles)
{
    for (int i = 0; i < ProfileSet::kCount; ++i)
        profiles.at(i)->setValue(kMarker, i);
}

// The factory functions of buttons from ... to - 1, typed as the mouse
// leaves the factory.
QVariantList factoryButtons(int from, int to)
{
    static const int kFactory[16][4] = {
        {0x01, 0, 0xF0, 0}, {0x01, 0, 0xF1, 0}, {0x01, 0, 0xF2, 0}, {0x0F, 0, 0x2E, 0},
        {0x0F, 0, 0x05, 0}, {0x08, 0, 0x01, 0x01}, {0x07, 0, 0x03, 0}, {0, 0, 0, 0},
        {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
        {0, 0, 0, 0}, {0, 0, 0, 0}, {0x04, 0, 0x01, 0}, {0x04, 0, 0x02, 0},
    };
    QVariantList out;
    for (int b = from; b < to; ++b)
        for (int v : kFactory[b])
            out.append(v);
    return out;
}

void writeIni(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

} // namespace

void ProfilesTest::copyProfile_data()
{
    QTest::addColumn<int>("dest");
    QTest::addColumn<int>("src");
    QTest::newRow("4 onto 2: source numbered after the destination") << 2 << 4;
    QTest::newRow("1 onto 6") << 6 << 1;
    QTest::newRow("onto itself keeps the profile") << 3 << 3;
}

void ProfilesTest::copyProfile()
{
    QFETCH(int, dest);
    QFETCH(int, src);
    ProgramFolder folder;
    Storage s;
    markProfiles(s.profiles);
    s.profiles.at(dest)->setValue(QStringLiteral("test/onlyInDest"), true);

    s.store.copyProfile(dest, src);

    verifyFileOrder(s.profiles);
    const QString destFile = s.profiles.fileName(dest);
    QCOMPARE(iniValue(destFile, kMarker).toInt(), src);
    QCOMPARE(s.profiles.at(dest)->value(kMarker).toInt(), src);
    if (dest != src)
        QVERIFY(!iniValue(destFile, QStringLiteral("test/onlyInDest")).isValid());
    // The new settings object writes to the new file.
    s.profiles.at(dest)->setValue(QStringLiteral("test/after"), 7);
    s.profiles.sync(dest);
    QCOMPARE(iniValue(destFile, QStringLiteral("test/after")).toInt(), 7);
    QCOMPARE(iniValue(s.profiles.fileName(src), kMarker).toInt(), src);
}

void ProfilesTest::resetProfile_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("factory");
    QTest::newRow("0 from pD.bin") << 0 << "pD.bin";
    for (int p = 1; p < ProfileSet::kCount; ++p)
        QTest::addRow("%d from pD_standard.bin", p) << p << "pD_standard.bin";
}

void ProfilesTest::resetProfile()
{
    QFETCH(int, profile);
    QFETCH(QString, factory);
    ProgramFolder folder;
    Storage s;
    markProfiles(s.profiles);
    s.profiles.at(profile)->setValue(QStringLiteral("sensor/dpi_R8"), ints({100}));

    s.store.resetProfile(profile);

    verifyFileOrder(s.profiles);
    const QByteArray expected = fileBytes(folder.path(QStringLiteral("modules/setting/") + factory));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(fileBytes(s.profiles.fileName(profile)), expected);
    QCOMPARE(s.profiles.at(profile)->value(QStringLiteral("sensor/dpi_R8")),
             iniValue(folder.path(QStringLiteral("modules/setting/") + factory), QStringLiteral("sensor/dpi_R8")));
    QVERIFY(!s.profiles.at(profile)->contains(kMarker));
    // Its neighbours keep their values.
    const int other = (profile + 1) % ProfileSet::kCount;
    QCOMPARE(s.profiles.at(other)->value(kMarker).toInt(), other);
}

void ProfilesTest::exportThenImport()
{
    ProgramFolder folder;
    const QString pf = folder.path(QStringLiteral("out.pf"));
    {
        Storage s;
        s.macros.createMacroIni(QStringLiteral("A"), 3);
        s.macros.saveMacroIni(QStringLiteral("A"), {QStringLiteral("1,A"), QStringLiteral("2,A")}, {}, 4);
        s.names.updataNameList(NameRegistry::Macro, {QStringLiteral("A")});
        // Not flushed yet: the export must carry it all the same.
        s.profiles.at(0)->setValue(QStringLiteral("sensor/cursorSpeed_R8"), 9);

        QVERIFY(s.store.saveProfile(0, pf, {QStringLiteral("A"), kNameListSentinel},
                                    {QStringLiteral("General"), kNameListSentinel}));
        QCOMPARE(iniValue(pf, QStringLiteral("sensor/cursorSpeed_R8")).toInt(), 9);
        QCOMPARE(iniValue(pf, QStringLiteral("profile/macroName")).toStringList(),
                 QStringList({QStringLiteral("A"), kNameListSentinel}));
        QCOMPARE(iniValue(pf, QStringLiteral("profile/macro0")).toStringList(),
                 QStringList({QStringLiteral("1,A"), QStringLiteral("2,A"), QStringLiteral("4")}));
        QVERIFY(iniValue(pf, QStringLiteral("profile/macro1")).toStringList().isEmpty());
        QCOMPARE(iniValue(pf, QStringLiteral("profile/gun0")).toStringList().size(), 8);
        QVERIFY(!s.store.saveProfile(0, QString(), {}, {}));
    }
    // Another installation: neither the macro nor its registry entry exists.
    QFile::remove(folder.path(QStringLiteral("modules/macro/A.bin")));
    QFile::remove(folder.path(QStringLiteral("modules/gun/General.bin")));
    QFile::remove(folder.path(QStringLiteral("modules/setting/name.bin")));
    Storage s;
    QVERIFY(!s.store.loadProfile(3, QString()));
    QVERIFY(s.store.loadProfile(3, pf));

    verifyFileOrder(s.profiles);
    QCOMPARE(s.profiles.at(3)->value(QStringLiteral("sensor/cursorSpeed_R8")).toInt(), 9);
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("A")),
             QStringList({QStringLiteral("1,A"), QStringLiteral("2,A"), QStringLiteral("4")}));
    QCOMPARE(s.names.names(NameRegistry::Macro), QStringList{QStringLiteral("A")});
    QCOMPARE(s.names.names(NameRegistry::Gun), QStringList{QStringLiteral("General")});
    QCOMPARE(s.guns.loadGunIni(QStringLiteral("General")).size(), 8);
    QVERIFY(!QFile::exists(folder.path(QStringLiteral("modules/macro/loaderzentak.bin"))));
}

void ProfilesTest::importKeepsTheUsersPresets_data()
{
    QTest::addColumn<QString>("second"); // the file of the second attempt, relative; "" is cancelled
    QTest::addColumn<bool>("imported");
    QTest::newRow("cancelled") << "" << false;
    QTest::newRow("file gone") << "gone.pf" << false;
    QTest::newRow("a folder chosen") << "modules" << false;
    QTest::newRow("the same file again") << "carry.pf" << true;
}

// A carried preset that differs from the user's of the same name comes as
// "name(i)" and the profile points to it; one equal to a local preset shares it.
void ProfilesTest::importKeepsTheUsersPresets()
{
    QFETCH(QString, second);
    QFETCH(bool, imported);
    ProgramFolder folder(ProgramFolder::Empty);
    const QString pf = folder.path(QStringLiteral("carry.pf"));
    writeIni(pf, QStringLiteral("[sensor]\ncursorSpeed_R8=9\n[macro]\n0=M\n[selectGun]\n0=1\n"
                                "[profile]\nmacroName=M, loaderzentak\nmacro0=\"1,A\", \"2,A\", 4\n"
                                "gunName=Local, G\ngun0=\"1,L\", 1\ngun1=\"3,MS-L\", \"4,MS-L\", 2\n"));
    Storage s;
    s.guns.createGunIni(QStringLiteral("Local"), 0);
    s.guns.saveGunIni(QStringLiteral("Local"), {QStringLiteral("1,L")}, {}, 1);
    s.names.updataNameList(NameRegistry::Gun, {QStringLiteral("Local")});
    QVERIFY(s.store.loadProfile(2, pf));
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("M")), QStringList({"1,A", "2,A", "4"}));
    QCOMPARE(s.guns.loadGunIni(QStringLiteral("G")), QStringList({"3,MS-L", "4,MS-L", "2"}));
    QCOMPARE(s.names.names(NameRegistry::Gun), QStringList({"Local", "G"}));
    QCOMPARE(s.profiles.at(2)->value(QStringLiteral("selectGun/0")).toInt(), 1);

    // The user edits both and the profile, then tries another import.
    s.macros.saveMacroIni(QStringLiteral("M"), {QStringLiteral("1,B")}, {}, 7);
    s.guns.saveGunIni(QStringLiteral("G"), {QStringLiteral("1,C")}, {}, 3);
    s.profiles.at(2)->setValue(QStringLiteral("sensor/cursorSpeed_R8"), 4);
    QCOMPARE(s.store.loadProfile(2, second.isEmpty() ? QString() : folder.path(second)), imported);

    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("M")), QStringList({"1,B", "7"}));
    QCOMPARE(s.guns.loadGunIni(QStringLiteral("G")), QStringList({"1,C", "3"}));
    QCOMPARE(s.profiles.at(2)->value(QStringLiteral("sensor/cursorSpeed_R8")).toInt(), imported ? 9 : 4);
    if (!imported) {
        QCOMPARE(s.names.names(NameRegistry::Macro), QStringList{QStringLiteral("M")});
        QCOMPARE(s.store.lastImport().message().isEmpty(), second.isEmpty());
        return;
    }
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("M(0)")), QStringList({"1,A", "2,A", "4"}));
    QCOMPARE(s.guns.loadGunIni(QStringLiteral("G(0)")), QStringList({"3,MS-L", "4,MS-L", "2"}));
    QCOMPARE(s.profiles.at(2)->value(QStringLiteral("macro/0")).toString(), QStringLiteral("M(0)"));
    QCOMPARE(s.profiles.at(2)->value(QStringLiteral("selectGun/0")).toInt(), 2);
    // Once more: the copies are shared, nothing new is made.
    QVERIFY(s.store.loadProfile(3, pf));
    QCOMPARE(s.names.names(NameRegistry::Macro), QStringList({"M", "M(0)"}));
    QCOMPARE(s.names.names(NameRegistry::Gun), QStringList({"Local", "G", "G(0)"}));
    QCOMPARE(s.profiles.at(3)->value(QStringLiteral("macro/0")).toString(), QStringLiteral("M(0)"));
    QVERIFY(s.store.lastImport().message().isEmpty());
}

// Counts from a file are bounded before anything is written: a list longer
// than a list can be refuses the whole file; what the user's full list has
// no room for is refused by name, and its binding goes.
void ProfilesTest::importLimits()
{
    ProgramFolder folder;
    Storage s;
    s.profiles.at(1)->setValue(kMarker, 1);
    s.profiles.sync(1);
    const QByteArray before = fileBytes(s.profiles.fileName(1));
    const QString hostile = folder.path(QStringLiteral("hostile.pf"));
    QStringList many;
    for (int i = 0; i < 100000; ++i)
        many << QStringLiteral("m%1").arg(i);
    writeIni(hostile, QStringLiteral("[profile]\nmacroName=") + many.join(QStringLiteral(", ")) + u'\n');
    QVERIFY(!s.store.loadProfile(1, hostile));
    QVERIFY(s.store.lastImport().message().contains(QStringLiteral("100000")));
    QCOMPARE(fileBytes(s.profiles.fileName(1)), before);
    QVERIFY(QDir(folder.path(QStringLiteral("modules/macro"))).entryList(QDir::Files).isEmpty());

    QStringList local;
    for (int i = 0; i < 99; ++i) {
        local << QStringLiteral("L%1").arg(i);
        s.macros.createMacroIni(local.last(), uint(i));
    }
    s.names.updataNameList(NameRegistry::Macro, local);
    const QString pf = folder.path(QStringLiteral("three.pf"));
    writeIni(pf, QStringLiteral("[macro]\n0=A\n1=B\n2=L5\n[profile]\nmacroName=A, B, L5\n"
                                "macro0=\"1,A\", 1\nmacro1=\"1,B\", 1\nmacro2=\"1,C\", 1\n"));
    QVERIFY(s.store.loadProfile(1, pf));
    QCOMPARE(s.names.names(NameRegistry::Macro), local + QStringList{QStringLiteral("A")});
    QCOMPARE(s.store.lastImport().refusedMacros, QStringList({"B", "L5"}));
    QVERIFY(s.store.lastImport().message().contains(QStringLiteral("B, L5")));
    QVERIFY(!s.macros.exists(QStringLiteral("B")));
    QVERIFY(!s.macros.exists(QStringLiteral("L5(0)")));
    QCOMPARE(s.profiles.at(1)->value(QStringLiteral("macro/0")).toString(), QStringLiteral("A"));
    QVERIFY(!s.profiles.at(1)->contains(QStringLiteral("macro/1")));
    QVERIFY(!s.profiles.at(1)->contains(QStringLiteral("macro/2")));
}

// Imported values obey the panels' rules: a profile with every DPI stage
// off or an active stage past the sixth comes with those values left out.
void ProfilesTest::importHoldsToPanelRules()
{
    ProgramFolder folder;
    const QString pf = folder.path(QStringLiteral("off.pf"));
    writeIni(pf, QStringLiteral("[sensor]\ndpi_Select=0, 0, 0, 0, 0, 0, 1, 1\nstage_R8=9\n"
                                "dpi_R8=400, 800, 1600, 3200, 6400, 8000, 250, 250\n"));
    Storage s;
    QVERIFY(s.store.loadProfile(1, pf));
    QVERIFY(!s.profiles.at(1)->contains(QStringLiteral("sensor/dpi_Select")));
    QVERIFY(!s.profiles.at(1)->contains(QStringLiteral("sensor/stage_R8")));
    QCOMPARE(s.profiles.at(1)->value(QStringLiteral("sensor/dpi_R8")).toStringList().size(), 8);
}

void ProfilesTest::importSkipsNamesThatArePaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("escapee"); // where a file must not appear
    QTest::newRow("parent folder") << "../escaped" << "modules/escaped.bin";
    QTest::newRow("sub folder") << "setting/p1" << "modules/macro/setting/p1.bin";
    QTest::newRow("backslash") << "..\\escaped" << "modules/macro/..\\escaped.bin";
    QTest::newRow("control character") << "bad\x01name" << "modules/macro/bad\x01name.bin";
    QTest::newRow("drive letter") << "C:name" << "modules/macro/C:name.bin";
    QTest::newRow("the sentinel first is no name") << "loaderzentak" << "modules/macro/loaderzentak.bin";
}

void ProfilesTest::importSkipsNamesThatArePaths()
{
    QFETCH(QString, name);
    QFETCH(QString, escapee);
    ProgramFolder folder;
    const QString pf = folder.path(QStringLiteral("foreign.pf"));
    {
        QSettings foreign(pf, QSettings::IniFormat);
        foreign.setValue(QStringLiteral("profile/macroName"), QStringList{name, QStringLiteral("Good")});
        foreign.setValue(QStringLiteral("profile/macro0"), QStringList{QStringLiteral("1,A"), QStringLiteral("1")});
        foreign.setValue(QStringLiteral("profile/macro1"), QStringList{QStringLiteral("1,B"), QStringLiteral("2")});
    }
    Storage s;
    s.store.loadProfile(1, pf);

    QVERIFY(!QFile::exists(folder.path(escapee)));
    QCOMPARE(s.names.names(NameRegistry::Macro), QStringList{QStringLiteral("Good")});
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("Good")), QStringList({QStringLiteral("1,B"), QStringLiteral("2")}));
    QCOMPARE(QDir(folder.path(QStringLiteral("modules/macro"))).entryList(QDir::Files),
             QStringList{QStringLiteral("Good.bin")});
}

void ProfilesTest::importOfNamesWithoutLines()
{
    ProgramFolder folder;
    Storage s;
    s.macros.createMacroIni(QStringLiteral("Kept"), 5);
    s.macros.saveMacroIni(QStringLiteral("Kept"), {QStringLiteral("1,K")}, {}, 2);
    s.macros.createMacroIni(QStringLiteral("Replaced"), 6);
    s.names.updataNameList(NameRegistry::Macro, {QStringLiteral("Kept"), QStringLiteral("Replaced")});
    const QString pf = folder.path(QStringLiteral("foreign.pf"));
    // Written by hand as another tool would: a one-element list is a plain
    // string, a repeat count that is no number, names without lists.
    writeIni(pf, QStringLiteral("[profile]\nmacroName=New, Kept, Replaced, Empty\n"
                                "macro2=\"1,R\", \"2,R\", lots\nmacro3=7\n"));
    QVERIFY(s.store.loadProfile(0, pf));

    QCOMPARE(s.names.names(NameRegistry::Macro),
             QStringList({"Kept", "Replaced", "New", "Replaced(0)", "Empty"}));
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("New")), QStringList{QStringLiteral("1")});
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("Kept")), QStringList({QStringLiteral("1,K"), QStringLiteral("2")}));
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("Replaced")), QStringList{QStringLiteral("1")});
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("Replaced(0)")),
             QStringList({QStringLiteral("1,R"), QStringLiteral("2,R"), QStringLiteral("1")}));
    // New presets are numbered after the user's.
    QCOMPARE(s.macros.loadMacroIndex(QStringLiteral("New")).toInt(), 7);
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("Empty")), QStringList{QStringLiteral("7")});
}

void ProfilesTest::loadDefaultProfile_data()
{
    QTest::addColumn<QString>("pD");
    QTest::addColumn<int>("page");
    QTest::addColumn<QVariantList>("expected");
    QTest::newRow("empty file, performance page: the defaults") << "" << 3 << ints({2, 5, 2, 5, 2});
    QTest::newRow("page 1 has no factory values") << "[sensor]\nreportRate_R8=4\n" << 1 << QVariantList();
    QTest::newRow("buttons: each entry four values, cut or padded")
        << "[keydefine_R8]\n0=1, 0, 240, 0, 99, 99\n1=9, 1\n" << 0
        << ints({1, 0, 240, 0, 9, 1, 0, 0}) + factoryButtons(2, 16);
    QTest::newRow("buttons: an empty file gives every factory function") << "" << 0 << factoryButtons(0, 16);
    {
        // Button b holds 0, 0, 4 + b, 0, except the damaged ones.
        QString file = QStringLiteral("[keydefine_R8]\n");
        QVariantList expected;
        for (int b = 0; b < 16; ++b) {
            if (b == 3) {
                expected += factoryButtons(3, 4); // missing
                continue;
            }
            if (b == 5) {
                file += QStringLiteral("5=x\n");
                expected += factoryButtons(5, 6);
                continue;
            }
            if (b == 9) {
                file += QStringLiteral("9=\n");
                expected += factoryButtons(9, 10);
                continue;
            }
            file += QStringLiteral("%1=0, 0, %2, 0\n").arg(b).arg(4 + b);
            expected += ints({0, 0, 4 + b, 0});
        }
        QTest::newRow("buttons: missing, text and empty entries fall back in place") << file << 0 << expected;
    }
    QTest::newRow("performance: eight stages at most, bad number is the default")
        << "[sensor]\nreportRate_R8=x\ncursorSpeed_R8=7\ndpi_R8=1, 2, 3, 4, 5, 6, 7, 8, 9, 10\n"
        << 3 << ints({2, 7, 2, 5, 1, 2, 3, 4, 5, 6, 7, 8, 2});
    QTest::newRow("lighting: type0 then the effect") << "[color_R8]\ntype0=1, 2, 3\nledEffect=3, 4, 2, 8\n"
                                                     << 2 << ints({1, 2, 3, 3, 4, 2});
}

void ProfilesTest::loadDefaultProfile()
{
    QFETCH(QString, pD);
    QFETCH(int, page);
    QFETCH(QVariantList, expected);
    ProgramFolder folder(ProgramFolder::Empty);
    writeIni(folder.path(QStringLiteral("modules/setting/pD.bin")), pD);
    Storage s;
    QCOMPARE(s.store.loadDefaultProfile(uchar(page)), expected);
}

void ProfilesTest::shippedProfilesAndPresets()
{
    ProgramFolder folder;
    Storage s;
    QVariantList factory;
    for (const ButtonEntry::Bytes &entry : ButtonEntry::kFactory)
        factory += ints({entry[0], entry[1], entry[2], entry[3]});
    QCOMPARE(s.store.loadDefaultProfile(0), factory);
    QCOMPARE(s.store.loadDefaultProfile(2).size(), 24 + 3);
    QCOMPARE(s.store.loadDefaultProfile(3).size(), 4 + 8 + 1 + 24 + 8);
    s.store.resetProfile(1);
    s.profiles.setCurrentIndex(1);
    for (int b = 0; b < ButtonEntry::kMouseButtons; ++b)
        QCOMPARE(s.keys.getKeydefine(b), factory.mid(b * 4, 4));

    const QStringList presets = s.names.names(NameRegistry::Gun);
    QCOMPARE(presets.size(), 3);
    QCOMPARE(presets.first(), QStringLiteral("General"));
    QCOMPARE(presets.last(), QStringLiteral("Three fire"));
    int total = 0;
    for (int i = 0; i < presets.size(); ++i) {
        QCOMPARE(s.guns.loadGunIndex(presets.at(i)).toInt(), i);
        const QByteArray bytes = EditorEncoder::encode(s.guns.lines(presets.at(i)), 1, EditorEncoder::Variant::Gun);
        // A left press first, the end marker last.
        QCOMPARE(bytes.mid(3, 1), QByteArray("\xF0", 1));
        QVERIFY(bytes.endsWith(QByteArray(2, '\0')));
        total += int(bytes.size());
    }
    QVERIFY(total < 896);
}

void ProfilesTest::savedAsQSettingsSavesIt_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("number") << "sensor/reportRate_R8" << QVariant(4);
    QTest::newRow("list of numbers") << "sensor/dpi_R8" << QVariant(QVariantList{800, 1600, 250});
    QTest::newRow("one-item list") << "macro/macroName" << QVariant(QStringList{"Hello"});
    QTest::newRow("empty list") << "gun/gunName" << QVariant(QStringList{});
    QTest::newRow("comma, quote and backslash")
        << "macro/0" << QVariant(QStringList{"1,A", "say \"hi\"", "C:\\x", " lead", "trail "});
    QTest::newRow("at sign and control characters") << "names/a" << QVariant(QString("@x\t\n\x01f;="));
    QTest::newRow("text beyond ASCII") << "names/b" << QVariant(QString::fromUtf8("\xe5\xae\x8f \xf0\x9f\x96\xb1"));
    QTest::newRow("key with a space and a slash") << "gunData/Double fire/x" << QVariant(true);
    QTest::newRow("no section, and General") << "loose" << QVariant(QString("General/k"));
    QTest::newRow("bytes") << "userPicture/raw" << QVariant(QByteArray("\x00\xff(a)", 6));
}

void ProfilesTest::savedAsQSettingsSavesIt()
{
    // What the program writes is what QSettings writes: files written by
    // earlier versions and by this one are the same files.
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    ProgramFolder folder;
    QTemporaryDir dir;
    QVERIFY(QFile::copy(folder.path("modules/setting/p1.bin"), dir.filePath("a.bin")));
    QVERIFY(QFile::copy(folder.path("modules/setting/p1.bin"), dir.filePath("b.bin")));
    QFile::setPermissions(dir.filePath("a.bin"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(dir.filePath("b.bin"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    {
        QSettings theirs(dir.filePath("a.bin"), QSettings::IniFormat);
        theirs.setValue(key, value);
        theirs.setValue("sensor/stage_R8", 3);
        DataSettings ours(dir.filePath("b.bin"));
        ours.setValue(key, value);
        ours.setValue("sensor/stage_R8", 3);
        QVERIFY(ours.save());
    }
    QFile a(dir.filePath("a.bin"));
    QFile b(dir.filePath("b.bin"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray text = a.readAll();
    QCOMPARE(QString::fromUtf8(b.readAll()), QString::fromUtf8(text));
    // ...and read back as QSettings reads it.
    QSettings::SettingsMap decoded;
    QVERIFY(IniFile::decode(text, decoded));
    // A path of its own: QSettings would answer from what it wrote for a.bin.
    QVERIFY(QFile::copy(dir.filePath("a.bin"), dir.filePath("c.bin")));
    const QSettings reread(dir.filePath("c.bin"), QSettings::IniFormat);
    QCOMPARE(decoded.size(), reread.allKeys().size());
    for (const QString &k : reread.allKeys())
        QCOMPARE(decoded.value(k), reread.value(k));
}

QTEST_GUILESS_MAIN(ProfilesTest)
#include "tst_profiles.moc"
