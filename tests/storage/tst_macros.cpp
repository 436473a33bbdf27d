// Macro and gun preset files, the name registry, where macros are bound, the
// renumbering of macro buttons and the gun selection.

#include "storagefixture.h"

#include "storage/editorencoder.h"
#include "storage/safename.h"
#include "storage/settingsvalues.h"

#include <QDir>
#include <QFile>
#include <QTest>

class MacrosTest : public QObject
{
    Q_OBJECT

private slots:
    void nameRegistry_data();
    void nameRegistry();
    void macroFileRoundTrip();
    void missingOrUnsafeNames_data();
    void missingOrUnsafeNames();
    void nameRules_data();
    void nameRules();
    void gunPresetNeverTakesTheGunDataFile_data();
    void gunPresetNeverTakesTheGunDataFile();
    void isMacroUse();
    void modifyMacroName_data();
    void modifyMacroName();
    void renumbering_data();
    void renumbering();
    void deletedMacroButtonFallback_data();
    void deletedMacroButtonFallback();
    void damagedMacroFile_data();
    void damagedMacroFile();
    void handWrittenRegistry_data();
    void handWrittenRegistry();
    void macroSlotBindingOutOfRange();
    void upDateDeleteGun();
};

namespace {

QString entryKey(int button)
{
    return QStringLiteral("keydefine_R8/%1").arg(button);
}

} // namespace

void MacrosTest::nameRegistry_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QVariantList>("read");
    QTest::newRow("one name gets the sentinel") << 0 << QStringList{"A"} << QVariantList{"A", "loaderzentak"};
    QTest::newRow("two names stay") << 1 << QStringList{"A", "B"} << QVariantList{"A", "B"};
    QTest::newRow("empty list removes the key") << 2 << QStringList() << QVariantList();
    QTest::newRow("unknown type stores nothing") << 7 << QStringList{"A", "B"} << QVariantList();
}

void MacrosTest::nameRegistry()
{
    QFETCH(int, type);
    QFETCH(QStringList, stored);
    QFETCH(QVariantList, read);
    ProgramFolder folder(ProgramFolder::Empty);
    NameRegistry names;
    names.updataNameList(2, {QStringLiteral("old0"), QStringLiteral("old1")});
    QCOMPARE(names.updataNameList(type, stored), QVariant(true));
    QCOMPARE(names.getNameList(type), read);
    if (type == 2)
        QVERIFY(!QSettings(names.fileName(), QSettings::IniFormat).contains(QStringLiteral("profile/profileName")));
}

void MacrosTest::macroFileRoundTrip()
{
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    QCOMPARE(s.macros.createMacroIni(QStringLiteral("M"), 2), QVariant(true));
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("M")), QStringList{QStringLiteral("1")});
    s.macros.saveMacroIni(QStringLiteral("M"), {"1,A", "0,10", "2,A"}, {}, 5);
    QCOMPARE(s.macros.saveMacroIni(QStringLiteral("M"), {"1,A", "2,A"}, {}, 3), QVariant(true));
    const QString file = folder.path(QStringLiteral("modules/macro/M.bin"));
    QCOMPARE(iniValue(file, QStringLiteral("config/total")).toInt(), 2);
    QVERIFY(!QSettings(file, QSettings::IniFormat).contains(QStringLiteral("macro/2")));
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("M")), QStringList({"1,A", "2,A", "3"}));


    // A damaged count never reads more than the file's lines allow.
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("config/total"), 2000000000);
    QCOMPARE(s.macros.loadMacroIni(QStringLiteral("M")).size(), PresetFiles::kMaxLines + 1);
}

void MacrosTest::missingOrUnsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no file") << "Nothing";
    QTest::newRow("empty") << "";
    QTest::newRow("parent folder") << "../setting/p1";
    QTest::newRow("separator") << "a/b";
    QTest::newRow("newline") << "a\nb";
}

void MacrosTest::missingOrUnsafeNames()
{
    QFETCH(QString, name);
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    s.profiles.at(0)->setValue(QStringLiteral("sensor/dpi_R8"), ints({800}));
    s.profiles.sync(0);
    const QByteArray p1 = fileBytes(s.profiles.fileName(0));

    QCOMPARE(s.macros.saveMacroIni(name, {"1,A"}, {}, 1), QVariant(false));
    QCOMPARE(s.macros.loadMacroIni(name), QStringList());
    QCOMPARE(s.macros.loadMacroIndex(name), QVariant(0));
    QCOMPARE(s.macros.deleteMacroIni(name), QVariant(false));
    QCOMPARE(s.guns.modifyGunName(name, QStringLiteral("X")), QVariant(false));
    QCOMPARE(s.macros.loadMacroIniFromFile(name, s.profiles.fileName(0)), QVariant(QStringLiteral(" ")));
    if (name != QStringLiteral("Nothing"))
        QCOMPARE(s.macros.createMacroIni(name, 0), QVariant(false));
    QCOMPARE(fileBytes(s.profiles.fileName(0)), p1);
    QVERIFY(QDir(folder.path(QStringLiteral("modules/macro"))).entryList(QDir::Files).isEmpty());
}

void MacrosTest::nameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("portable"); // accepted where file names are plain
    QTest::addColumn<bool>("windows");  // accepted under the Windows rules
    QTest::newRow("plain") << "General" << true << true;
    QTest::newRow("two dots inside are harmless") << "a..b" << true << true;
    QTest::newRow("leading dot") << ".hidden" << true << true;
    QTest::newRow("only dots") << ".." << false << false;
    QTest::newRow("one dot") << "." << false << false;
    QTest::newRow("parent path") << "../x" << false << false;
    QTest::newRow("backslash") << "a\\b" << false << false;
    QTest::newRow("drive colon") << "C:x" << false << false;
    QTest::newRow("tab") << "a\tb" << false << false;
    QTest::newRow("DEL") << "a\x7f" << false << false;
    QTest::newRow("CON") << "CON" << true << false;
    QTest::newRow("con in lower case") << "con" << true << false;
    QTest::newRow("NUL with an extension") << "nul.txt" << true << false;
    QTest::newRow("AUX, spaces before the extension") << "AUX .x" << true << false;
    QTest::newRow("PRN") << "Prn" << true << false;
    QTest::newRow("COM0") << "COM0" << true << false;
    QTest::newRow("COM9") << "com9" << true << false;
    QTest::newRow("LPT1") << "LPT1" << true << false;
    QTest::newRow("COM with superscript one") << QString::fromUtf8("COM\u00B9") << true << false;
    QTest::newRow("CONOUT$") << "conout$" << true << false;
    QTest::newRow("COM10 is a file") << "COM10" << true << true;
    QTest::newRow("COM alone is a file") << "COM" << true << true;
    QTest::newRow("CONSOLE is a file") << "CONSOLE" << true << true;
    QTest::newRow("device name inside is a file") << "my CON" << true << true;
    QTest::newRow("trailing dot") << "abc." << true << false;
    QTest::newRow("trailing space") << "abc " << true << false;
    QTest::newRow("question mark") << "why?" << true << false;
    QTest::newRow("star") << "a*" << true << false;
    QTest::newRow("quote") << "a\"b" << true << false;
    QTest::newRow("pipe") << "a|b" << true << false;
    QTest::newRow("angle bracket") << "a<b" << true << false;
}

void MacrosTest::nameRules()
{
    QFETCH(QString, name);
    QFETCH(bool, portable);
    QFETCH(bool, windows);
    QCOMPARE(isSafeName(name, false), portable);
    QCOMPARE(isSafeName(name, true), windows);
    // The program uses the rules of the system it was built for.
    QCOMPARE(isSafeName(name), FileNameRules::kWindows ? windows : portable);
    if (portable) {
        ProgramFolder folder(ProgramFolder::Empty);
        Storage s;
        QCOMPARE(s.macros.createMacroIni(name, 0), QVariant(isSafeName(name)));
        QCOMPARE(s.macros.exists(name), isSafeName(name));
    }
}

void MacrosTest::gunPresetNeverTakesTheGunDataFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("its own name") << "gunData";
    QTest::newRow("in upper case") << "GUNDATA";
    QTest::newRow("in mixed case") << "GunData";
}

void MacrosTest::gunPresetNeverTakesTheGunDataFile()
{
    QFETCH(QString, name);
    ProgramFolder folder(ProgramFolder::Empty);
    const QString gunData = folder.path(QStringLiteral("modules/gun/gunData.bin"));
    {
        QFile file(gunData);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[gunData]\nGeneral=1, 2, 3, 4, 5\n");
    }
    const QByteArray before = fileBytes(gunData);
    Storage s;
    s.guns.createGunIni(QStringLiteral("General"), 0);

    QCOMPARE(s.guns.createGunIni(name, 0), QVariant(false));
    QCOMPARE(s.guns.saveGunIni(name, {QStringLiteral("1,A")}, {}, 1), QVariant(false));
    s.guns.setGunIndex(name, 4);
    QCOMPARE(s.guns.loadGunIni(name), QStringList());
    QCOMPARE(s.guns.loadGunIndex(name), QVariant(0));
    QCOMPARE(s.guns.deleteGunIni(name), QVariant(false));
    QCOMPARE(s.guns.modifyGunName(QStringLiteral("General"), name), QVariant(false));
    QVERIFY(s.guns.exists(QStringLiteral("General")));

    // Nor through a profile someone else exported.
    const QString pf = folder.path(QStringLiteral("foreign.pf"));
    {
        QSettings foreign(pf, QSettings::IniFormat);
        foreign.setValue(QStringLiteral("profile/gunName"), QStringList{name, QStringLiteral("Other")});
        foreign.setValue(QStringLiteral("profile/gun0"), QStringList{QStringLiteral("1,A"), QStringLiteral("1")});
        foreign.setValue(QStringLiteral("profile/gun1"), QStringList{QStringLiteral("1,B"), QStringLiteral("1")});
    }
    QVERIFY(s.store.loadProfile(1, pf));
    QCOMPARE(s.names.names(NameRegistry::Gun), QStringList{QStringLiteral("Other")});
    QCOMPARE(fileBytes(gunData), before);
    QCOMPARE(s.gunData.getGunDataKey(), QStringList{QStringLiteral("General")});

    // The macro folder has no such file: there it is a name like any other.
    QCOMPARE(s.macros.createMacroIni(name, 0), QVariant(true));
}

void MacrosTest::isMacroUse()
{
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    QCOMPARE(s.bindings.isMacroUse(QStringLiteral("M")), QStringList{QStringLiteral("Name")});
    s.profiles.at(0)->setValue(QStringLiteral("macro/3"), QStringLiteral("M"));
    s.profiles.at(5)->setValue(QStringLiteral("macro/3"), QStringLiteral("M"));
    s.profiles.at(2)->setValue(QStringLiteral("macro/1"), QStringLiteral("Other"));
    s.profiles.at(6)->setValue(QStringLiteral("macro/4"), QStringLiteral("M")); // not a page profile
    QCOMPARE(s.bindings.isMacroUse(QStringLiteral("M")), QStringList({"Name", "3", "3"}));
    s.profiles.at(1)->setValue(QStringLiteral("gun/0"), QStringLiteral("G"));
    QCOMPARE(s.gunSelection.isGunUse(QStringLiteral("G")), QStringList({"Name", "0"}));
}

void MacrosTest::modifyMacroName_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("renamed");
    QTest::newRow("free name") << "Renamed" << true;
    QTest::newRow("name that has a file") << "Taken" << false;
    QTest::newRow("path") << "../Renamed" << false;
}

void MacrosTest::modifyMacroName()
{
    QFETCH(QString, newName);
    QFETCH(bool, renamed);
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    s.macros.createMacroIni(QStringLiteral("Old"), 0);
    s.macros.createMacroIni(QStringLiteral("Taken"), 1);
    for (int p : {0, 5, 6})
        s.profiles.at(p)->setValue(QStringLiteral("macro/2"), QStringLiteral("Old"));

    QCOMPARE(s.bindings.modifyMacroName(QStringLiteral("Old"), newName), QVariant(renamed));
    QCOMPARE(s.macros.exists(QStringLiteral("Old")), !renamed);
    const QString bound = renamed ? newName : QStringLiteral("Old");
    QCOMPARE(s.profiles.at(0)->value(QStringLiteral("macro/2")).toString(), bound);
    QCOMPARE(s.profiles.at(5)->value(QStringLiteral("macro/2")).toString(), bound);
    QCOMPARE(s.profiles.at(6)->value(QStringLiteral("macro/2")).toString(), QStringLiteral("Old"));
    QCOMPARE(s.bindings.modifyMacroName(QStringLiteral("NoFile"), QStringLiteral("X")), QVariant(false));
}

void MacrosTest::renumbering_data()
{
    QTest::addColumn<bool>("typeChange");
    QTest::addColumn<QVariantList>("slot5");   // button 1, plays slot 5
    QTest::addColumn<QVariantList>("slot3");   // button 2, plays slot 3 (the changed one)
    QTest::addColumn<QVariantList>("slot2");   // button 6, plays slot 2
    QTest::newRow("slot 3 deleted: later slots move down, button 2 gets the middle button")
        << false << ints({9, 0, 4, 0}) << ints({1, 0, 0xF2, 0}) << ints({9, 0, 2, 0});
    QTest::newRow("slot 3 loops while held") << true << ints({9, 0, 5, 0}) << ints({9, 2, 3, 0})
                                             << ints({9, 0, 2, 0});
}

void MacrosTest::renumbering()
{
    QFETCH(bool, typeChange);
    QFETCH(QVariantList, slot5);
    QFETCH(QVariantList, slot3);
    QFETCH(QVariantList, slot2);
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    s.profiles.setCurrentIndex(3);
    for (int p = 0; p < ProfileSet::kCount; ++p) {
        QSettings *profile = s.profiles.at(p);
        profile->setValue(entryKey(1), ints({9, 0, 5, 0}));
        profile->setValue(entryKey(2), ints({9, 0, 3, 0}));
        profile->setValue(entryKey(6), ints({9, 0, 2, 0}));
        profile->setValue(entryKey(7), ints({9, 0, 3, 0}));  // beyond the renumbered buttons
        profile->setValue(entryKey(4), ints({0, 0, 3, 0}));  // a key, not a macro
        profile->setValue(entryKey(5), ints({9, 0}));        // damaged
    }

    if (typeChange)
        s.bindings.changeMacroFileType(3, 1);
    else
        s.bindings.changeMacroFileIndex(3);

    for (int p = 0; p < ProfileSet::kCount; ++p) {
        QSettings *profile = s.profiles.at(p);
        const bool touched = p < 5 && p != 3;
        QCOMPARE(intListValue(profile->value(entryKey(1)), 4), touched ? slot5 : ints({9, 0, 5, 0}));
        QCOMPARE(intListValue(profile->value(entryKey(2)), 4), touched ? slot3 : ints({9, 0, 3, 0}));
        QCOMPARE(intListValue(profile->value(entryKey(6)), 4), touched ? slot2 : ints({9, 0, 2, 0}));
        QCOMPARE(intListValue(profile->value(entryKey(7)), 4), ints({9, 0, 3, 0}));
        QCOMPARE(intListValue(profile->value(entryKey(4)), 4), ints({0, 0, 3, 0}));
        QCOMPARE(intListValue(profile->value(entryKey(5)), 4), ints({9, 0}));
    }
}

void MacrosTest::deletedMacroButtonFallback_data()
{
    QTest::addColumn<int>("deleted");      // 1-based slot number
    QTest::addColumn<QVariantList>("after"); // buttons 0 ... 6, each playing slot 3 before
    const QVariantList slot3 = ints({9, 0, 3, 0});
    // What each button plays once its macro is gone.
    QTest::newRow("slot 3 deleted: every button gets its own fallback")
        << 3
        << ints({1, 0, 0xF0, 0, 1, 0, 0xF1, 0, 1, 0, 0xF2, 0, 1, 0, 0xF4, 0, 1, 0, 0xF3, 0, 7, 0, 1, 0, 7, 0, 2, 0});
    QVariantList movedDown;
    for (int b = 0; b < 7; ++b)
        movedDown += ints({9, 0, 2, 0});
    QTest::newRow("slot 2 deleted: slot 3 moves down") << 2 << movedDown;
    QVariantList unchanged;
    for (int b = 0; b < 7; ++b)
        unchanged += slot3;
    QTest::newRow("slot 4 deleted: slot 3 stays") << 4 << unchanged;
    QTest::newRow("no slot 0: nothing moves") << 0 << unchanged;
    QTest::newRow("no slot 13: nothing changes") << 13 << unchanged;
}

void MacrosTest::deletedMacroButtonFallback()
{
    QFETCH(int, deleted);
    QFETCH(QVariantList, after);
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    s.profiles.setCurrentIndex(0);
    for (int b = 0; b < 7; ++b)
        s.profiles.at(2)->setValue(entryKey(b), ints({9, 0, 3, 0}));
    s.bindings.changeMacroFileIndex(deleted);
    QVariantList got;
    for (int b = 0; b < 7; ++b)
        got += intListValue(s.profiles.at(2)->value(entryKey(b)), 4);
    QCOMPARE(got, after);
}

void MacrosTest::damagedMacroFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("loaded");
    QTest::addColumn<QByteArray>("encoded"); // the editor's bytes of the loaded lines
    QTest::newRow("no count: no line is read") << "[config]\nrepeat=2\n[macro]\n0=\"1,A\"\n"
                                              << QStringList{"2"} << QByteArray::fromHex("0002");
    QTest::newRow("count past the lines: the missing ones are 0 and skipped")
        << "[config]\ntotal=3\nrepeat=1\n[macro]\n0=\"1,A\"\n" << QStringList{"1,A", "0", "0", "1"}
        << QByteArray::fromHex("000101040000");
    QTest::newRow("count that is no number") << "[config]\ntotal=lots\nrepeat=1\n[macro]\n0=\"1,A\"\n"
                                             << QStringList{"1"} << QByteArray::fromHex("0001");
    QTest::newRow("negative count") << "[config]\ntotal=-4\nrepeat=1\n" << QStringList{"1"}
                                    << QByteArray::fromHex("0001");
    QTest::newRow("no repeat: read as 0") << "[config]\ntotal=1\n[macro]\n0=\"1,A\"\n" << QStringList{"1,A", "0"}
                                          << QByteArray::fromHex("000001040000");
    QTest::newRow("unknown types, names and shapes are skipped")
        << "[config]\ntotal=5\nrepeat=1\n[macro]\n0=\"9,A\"\n1=\"1,NoSuchKey\"\n2=garbage\n3=\"x,A\"\n4=\"2,A\"\n"
        << QStringList{"9,A", "1,NoSuchKey", "garbage", "x,A", "2,A", "1"} << QByteArray::fromHex("000181040000");
    QTest::newRow("a line written without quotes keeps its comma")
        << "[config]\ntotal=2\nrepeat=1\n[macro]\n0=1,A\n1=0,100\n" << QStringList{"1,A", "0,100", "1"}
        << QByteArray::fromHex("000101040000");
}

void MacrosTest::damagedMacroFile()
{
    QFETCH(QString, file);
    QFETCH(QStringList, loaded);
    QFETCH(QByteArray, encoded);
    ProgramFolder folder(ProgramFolder::Empty);
    {
        QFile out(folder.path(QStringLiteral("modules/macro/M.bin")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.toUtf8());
    }
    Storage s;
    const QStringList lines = s.macros.loadMacroIni(QStringLiteral("M"));
    QCOMPARE(lines, loaded);
    // What the editor sends: the lines, and the last element as the repeat count.
    QCOMPARE(EditorEncoder::encode(lines.mid(0, lines.size() - 1), lines.last().toInt(), EditorEncoder::Variant::Macro)
                 .toHex(' '),
             encoded.toHex(' '));
}

void MacrosTest::handWrittenRegistry_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QVariantList>("stored");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one name without the sentinel") << "macroName=A" << QVariantList{"A"} << QStringList{"A"};
    QTest::newRow("one name with the sentinel") << "macroName=A, loaderzentak" << QVariantList{"A", "loaderzentak"}
                                                << QStringList{"A"};
    QTest::newRow("sentinel first is kept as written") << "macroName=loaderzentak, A"
                                                       << QVariantList{"loaderzentak", "A"}
                                                       << QStringList{"loaderzentak", "A"};
    QTest::newRow("sentinel in a longer list is kept") << "macroName=A, loaderzentak, B"
                                                       << QVariantList{"A", "loaderzentak", "B"}
                                                       << QStringList{"A", "loaderzentak", "B"};
    QTest::newRow("empty value") << "macroName=" << QVariantList{""} << QStringList{""};
    QTest::newRow("no key") << "other=1" << QVariantList() << QStringList();
}

void MacrosTest::handWrittenRegistry()
{
    QFETCH(QString, line);
    QFETCH(QVariantList, stored);
    QFETCH(QStringList, names);
    ProgramFolder folder(ProgramFolder::Empty);
    {
        QFile out(folder.path(QStringLiteral("modules/setting/name.bin")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(("[macro]\n" + line + "\n").toUtf8());
    }
    NameRegistry registry;
    QCOMPARE(registry.getNameList(NameRegistry::Macro), stored);
    QCOMPARE(registry.names(NameRegistry::Macro), names);
}

void MacrosTest::macroSlotBindingOutOfRange()
{
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    for (int index : {-1, 12, 300})
        s.bindings.setMacroKey(index, QStringLiteral("M"));
    s.bindings.setMacroKey(11, QStringLiteral("M"));
    QCOMPARE(s.bindings.isMacroUse(QStringLiteral("M")), QStringList({"Name", "11"}));
    QCOMPARE(s.bindings.getMacroKey(12), QVariant(0));
}

void MacrosTest::upDateDeleteGun()
{
    ProgramFolder folder(ProgramFolder::Empty);
    Storage s;
    s.profiles.setCurrentIndex(0);
    for (int p : {0, 3, 7}) {
        s.profiles.at(p)->setValue(QStringLiteral("selectGun/1"), 4);
        s.profiles.at(p)->setValue(QStringLiteral("selectGunKey/1"), 6);
    }
    s.profiles.at(3)->setValue(QStringLiteral("selectGun/2"), 5);

    s.gunSelection.upDateDeleteGun(4);

    QCOMPARE(s.profiles.at(3)->value(QStringLiteral("selectGunKey/1")).toInt(), -1);
    QCOMPARE(s.profiles.at(3)->value(QStringLiteral("selectGun/1")).toInt(), 2);
    // The preset after the deleted one is now fourth in the list.
    QCOMPARE(s.profiles.at(3)->value(QStringLiteral("selectGun/2")).toInt(), 4);
    QCOMPARE(s.profiles.at(0)->value(QStringLiteral("selectGun/1")).toInt(), 4);  // current: the page's
    QCOMPARE(s.profiles.at(7)->value(QStringLiteral("selectGun/1")).toInt(), 4);  // not a page profile
    // Deleting preset 0 does not treat empty slots as a choice of it.
    s.gunSelection.upDateDeleteGun(0);
    QVERIFY(!s.profiles.at(1)->contains(QStringLiteral("selectGun/0")));
}

QTEST_GUILESS_MAIN(MacrosTest)
#include "tst_macros.moc"
