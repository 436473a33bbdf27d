// The preset and profile lists on real registry and preset files in a
// folder of their own, damaged ones included. Lists in the rows are
// ";"-separated; a preset file is "name=its number".

#include "model/presetlistmodel.h"
#include "model/profilelistmodel.h"
#include "storage/devicelink.h"
#include "storage/presetfiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList list(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(';');
}

QString numbered(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QStringLiteral("P%1=%1").arg(i));
    return out.join(';');
}

// A gun folder with its registry.
struct Folder
{
    QTemporaryDir dir;
    DeviceLink link;
    NameRegistry registry{dir.path()};
    PresetFiles files{dir.path() + "/gun", "gun", link, {"gunData"}};
    PresetListModel guns{registry, NameRegistry::Gun, files, [this](auto &a, auto &b) { return files.rename(a, b); }};

    // `stored` as the registry's text; without it the files' names in their order.
    Folder(const QString &presets, QString stored = {})
    {
        QStringList names;
        for (const QString &p : list(presets)) {
            names.append(p.section('=', 0, 0));
            files.create(names.last(), 0);
            QSettings(files.filePath(names.last()), QSettings::IniFormat).setValue("config/index", p.section('=', 1));
        }
        write("gun/gunName", stored.isNull() ? names.join(", ") : stored);
    }
    void write(const QString &key, const QString &value)
    {
        QFile file(registry.fileName());
        if (file.open(QIODevice::WriteOnly))
            file.write(QStringLiteral("[%1]\n%2=%3\n").arg(key.section('/', 0, 0), key.section('/', 1), value).toUtf8());
    }
    QString numbers() const // in the files, in list order; "" without a file
    {
        QStringList out;
        for (const QString &name : guns.names())
            out.append(files.exists(name) ? files.index(name).toString() : QString());
        return out.join(';');
    }
};

} // namespace

class TestListModels : public QObject
{
    Q_OBJECT
private slots:
    void presetOrder_data();
    void presetOrder();
    void presetEdits_data();
    void presetEdits();
    void gunSlotChoices_data();
    void gunSlotChoices();
    void profileList_data();
    void profileList();
    void profileEdits();
};

void TestListModels::presetOrder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("presets");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("numbers"); // in the files after load()

    QTest::newRow("by stored number") << "B, A" << "A=0;B=1" << "A;B" << "0;1";
    QTest::newRow("gaps are kept") << "B, A" << "A=5;B=9" << "A;B" << "5;9";
    QTest::newRow("an import's presets share 0: registry order, renumbered")
        << "G, D, T, Imp_B, Imp_A" << "G=0;D=1;T=2;Imp_B=0;Imp_A=0" << "G;D;T;Imp_B;Imp_A" << "0;1;2;3;4";
    QTest::newRow("no number counts as the place") << "A, B" << "A=x;B=5" << "A;B" << "x;5";
    QTest::newRow("a name without a file counts as 0") << "A, Ghost" << "A=1" << "Ghost;A" << ";1";
    QTest::newRow("repeated and empty names once") << "A, \"\", A, B" << "A=0;B=1" << "A;B" << "0;1";
    QTest::newRow("the sentinel of a lone name") << "A, loaderzentak" << "A=0" << "A" << "0";
    QTest::newRow("a path is listed and opens no file") << "../A, A" << "A=1" << "../A;A" << ";1";
}

void TestListModels::presetOrder()
{
    QFETCH(QString, stored);
    QFETCH(QString, presets);
    QFETCH(QString, shown);
    QFETCH(QString, numbers);

    Folder folder(presets, stored);
    folder.guns.read();
    QCOMPARE(folder.guns.names(), list(shown));
    for (const QString &p : list(presets)) // read() writes nothing
        QCOMPARE(folder.files.index(p.section('=', 0, 0)).toString(), p.section('=', 1));
    folder.guns.load();
    QCOMPARE(folder.guns.names(), list(shown));
    QCOMPARE(folder.numbers(), numbers);
    QCOMPARE(folder.guns.data(folder.guns.index(0), PresetListModel::NameRole).toString(), list(shown).first());
}

void TestListModels::presetEdits_data()
{
    QTest::addColumn<QString>("presets");
    QTest::addColumn<QString>("edit"); // "new", "rename <index> <name>", "remove <index>"
    QTest::addColumn<QString>("names"); // afterwards; "" when unchanged
    QTest::addColumn<QString>("numbers");

    const QString four = numbered(4);
    const QString same = "0;1;2;3";
    QTest::newRow("new takes the lowest free number") << "Gun_0=0;Gun_2=1" << "new" << "Gun_0;Gun_2;Gun_1" << "0;1;2";
    QTest::newRow("no new in a full list") << numbered(100) << "new" << "" << "";
    QTest::newRow("rename drops the blanks") << four << "rename 3  Burst " << "P0;P1;P2;Burst" << same;
    for (const char *refused : {"P0", "../P9", "loaderzentak", "a?b", "gunData", "  "})
        QTest::newRow(qPrintable(QStringLiteral("no rename to \"%1\"").arg(refused)))
            << four << QStringLiteral("rename 3 ") + refused << "" << same;
    QTest::newRow("no rename to 65 characters") << four << "rename 3 " + QString(65, 'x') << "" << same;
    QTest::newRow("a factory preset stays") << four << "remove 2" << "" << same;
    QTest::newRow("remove renumbers the later ones") << numbered(6) << "remove 3" << "P0;P1;P2;P4;P5" << "0;1;2;3;4";
}

void TestListModels::presetEdits()
{
    QFETCH(QString, presets);
    QFETCH(QString, edit);
    QFETCH(QString, names);
    QFETCH(QString, numbers);

    Folder folder(presets);
    folder.guns.load();
    const QStringList before = folder.guns.names();
    const int index = edit.section(' ', 1, 1).toInt();
    const bool done = edit == "new"                ? folder.guns.create() >= 0
                      : edit.startsWith("rename") ? folder.guns.rename(index, edit.section(' ', 2))
                                                   : folder.guns.remove(index);
    QCOMPARE(done, !names.isEmpty());
    const QStringList after = names.isEmpty() ? before : list(names);
    QCOMPARE(folder.guns.names(), after);
    QCOMPARE(folder.registry.names(NameRegistry::Gun), after);
    if (!numbers.isEmpty())
        QCOMPARE(folder.numbers(), numbers);
}

void TestListModels::gunSlotChoices_data()
{
    QTest::addColumn<int>("presets");
    QTest::addColumn<QVariantList>("stored");
    QTest::addColumn<QVariantList>("chosen");

    QTest::newRow("digits name presets") << 5 << QVariantList{"4", "3", 0} << QVariantList{4, 3, 0};
    QTest::newRow("no number, past the list, negative: the slot's own")
        << 5 << QVariantList{"x", "9", "-1"} << QVariantList{0, 1, 2};
    QTest::newRow("too many digits for a number") << 5 << QVariantList{"99999999999999999999"} << QVariantList{0, 1, 2};
    QTest::newRow("fewer presets than slots: the last") << 2 << QVariantList{} << QVariantList{0, 1, 1};
    QTest::newRow("no presets") << 0 << QVariantList{"0"} << QVariantList{-1, -1, -1};
}

void TestListModels::gunSlotChoices()
{
    QFETCH(int, presets);
    QFETCH(QVariantList, stored);
    QFETCH(QVariantList, chosen);

    Folder folder(numbered(presets));
    folder.guns.read();
    QCOMPARE(folder.guns.gunSlotPresets(stored), chosen);
    // A removed preset: its slots take preset 2, later ones move up.
    QCOMPARE(folder.guns.gunSlotsAfterRemoval({3, 4, 1}, 3), (QVariantList{2, 3, 1}));
}

void TestListModels::profileList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown"); // name + number

    QTest::newRow("as stored") << "PUBG0, Standard1" << "PUBG0;Standard1";
    QTest::newRow("a number twice: the first has it") << "PUBG0, Standard1, Gamma2, Delta2" << "PUBG0;Standard1;Gamma2";
    QTest::newRow("no number, or past 5") << "A0, B, C7, D1" << "A0;D1";
    QTest::newRow("a digit of another script is none") << QString::fromUtf8("A0, B\u0663") << "A0";
    QTest::newRow("more than six") << "A0, B1, C2, D3, E4, F5, G5" << "A0;B1;C2;D3;E4;F5";
    QTest::newRow("the sentinel") << "A3, loaderzentak" << "A3";
    QTest::newRow("nothing stored") << "" << "";
}

void TestListModels::profileList()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);

    Folder folder({});
    folder.write("profile/profileName", stored);
    ProfileListModel profiles(folder.registry);
    profiles.load();
    QStringList seen;
    for (int i = 0; i < profiles.count(); ++i)
        seen.append(profiles.nameAt(i) + QString::number(profiles.numberAt(i)));
    QCOMPARE(seen, list(shown));
}

// New and Copy take the lowest number neither listed nor the page's; the
// list stops at six; renames keep the dialog's rules.
void TestListModels::profileEdits()
{
    Folder folder({});
    folder.write("profile/profileName", "PUBG0, Standard1");
    ProfileListModel profiles(folder.registry);
    profiles.load();
    QCOMPARE(profiles.addNew(2), 3);
    QVERIFY(profiles.add(profiles.copyName(0), profiles.freeNumber(2)));
    QCOMPARE(profiles.copyName(0), "PUBG(1)");
    QVERIFY(!profiles.rename(1, "PUBG") && !profiles.rename(1, "  ") && !profiles.rename(1, QString(33, 'x')));
    QVERIFY(profiles.rename(1, " Game 2 "));
    QCOMPARE(folder.registry.names(NameRegistry::Profile), QStringList({"PUBG0", "Game 21", "profile_03", "PUBG(0)4"}));
    QVERIFY(profiles.add("E", 5));
    QCOMPARE(profiles.addNew(2), -1); // only the page's number is free
    QVERIFY(profiles.add("F", 2));
    QVERIFY(!profiles.add("G", 6));
    QVERIFY(profiles.remove(0));
    QCOMPARE(profiles.indexOfNumber(1), 0);
}

QTEST_GUILESS_MAIN(TestListModels)
#include "tst_listmodels.moc"
