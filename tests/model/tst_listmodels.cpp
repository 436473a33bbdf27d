// The preset and profile lists on real registry and preset files in a
// folder of their own, damaged ones included.

#include "model/presetlistmodel.h"
#include "model/profilelistmodel.h"
#include "storage/devicelink.h"
#include "storage/presetfiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A gun folder and its registry; `files` are "name=index" of preset files.
struct GunFolder
{
    QTemporaryDir dir;
    DeviceLink link;
    NameRegistry registry{dir.path()};
    PresetFiles files{dir.path() + "/gun", "gun", link, {"gunData"}};
    PresetListModel list{registry, NameRegistry::Gun, files,
                         [this](const QString &a, const QString &b) { return files.rename(a, b); }};

    GunFolder(const QString &stored, const QStringList &presets)
    {
        for (const QString &p : presets) {
            const QString name = p.section('=', 0, 0);
            files.create(name, 0);
            QSettings(files.filePath(name), QSettings::IniFormat).setValue("config/index", p.section('=', 1));
        }
        writeRegistry("gun/gunName", stored);
    }
    void writeRegistry(const QString &key, const QString &value)
    {
        QFile file(registry.fileName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[%1]\n%2=%3\n").arg(key.section('/', 0, 0), key.section('/', 1), value).toUtf8());
    }
    QStringList storedNumbers() const
    {
        QStringList out;
        for (const QString &name : list.names())
            out.append(files.exists(name) ? files.index(name).toString() : QString());
        return out;
    }
};

QVariantList ints(const QList<int> &values)
{
    QVariantList out;
    for (int v : values)
        out.append(v);
    return out;
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(prefix + QString::number(i) + "=" + QString::number(i));
    return out;
}

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
    QTest::addColumn<QStringList>("presets");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("numbers"); // in the files after load(), "" without a file

    QTest::newRow("by stored number") << "B, A" << QStringList{"A=0", "B=1"} << QStringList{"A", "B"}
                                      << QStringList{"0", "1"};
    QTest::newRow("gaps are kept") << "B, A" << QStringList{"A=5", "B=9"} << QStringList{"A", "B"}
                                   << QStringList{"5", "9"};
    QTest::newRow("an import's presets share 0: registry order, renumbered")
        << "General, Double fire, Three fire, Imp_B, Imp_A"
        << QStringList{"General=0", "Double fire=1", "Three fire=2", "Imp_B=0", "Imp_A=0"}
        << QStringList{"General", "Double fire", "Three fire", "Imp_B", "Imp_A"} << QStringList{"0", "1", "2", "3", "4"};
    QTest::newRow("no number counts as the place") << "A, B" << QStringList{"A=x", "B=5"} << QStringList{"A", "B"}
                                                   << QStringList{"x", "5"};
    QTest::newRow("a name without a file counts as 0") << "A, Ghost" << QStringList{"A=1"}
                                                       << QStringList{"Ghost", "A"} << QStringList{"", "1"};
    QTest::newRow("repeated and empty names once") << "A, \"\", A, B" << QStringList{"A=0", "B=1"}
                                                   << QStringList{"A", "B"} << QStringList{"0", "1"};
    QTest::newRow("the sentinel of a lone name") << "A, loaderzentak" << QStringList{"A=0"} << QStringList{"A"}
                                                 << QStringList{"0"};
    QTest::newRow("a path is listed and opens no file") << "../A, A" << QStringList{"A=1"}
                                                        << QStringList{"../A", "A"} << QStringList{"", "1"};
}

void TestListModels::presetOrder()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, presets);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, numbers);

    GunFolder folder(stored, presets);
    folder.list.read();
    QCOMPARE(folder.list.names(), shown);
    for (const QString &p : presets)
        QCOMPARE(folder.files.index(p.section('=', 0, 0)).toString(), p.section('=', 1)); // read() writes nothing

    folder.list.load();
    QCOMPARE(folder.list.names(), shown);
    QCOMPARE(folder.storedNumbers(), numbers);
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(folder.list.data(folder.list.index(i), PresetListModel::NameRole).toString(), shown.at(i));
}

void TestListModels::presetEdits_data()
{
    QTest::addColumn<QStringList>("presets"); // the registry in this order
    QTest::addColumn<QString>("edit");        // "new", "rename <index> <name>", "remove <index>"
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("numbers");

    const QStringList four = numbered("P", 4);
    const QStringList kept{"P0", "P1", "P2", "P3"};
    QTest::newRow("new takes the lowest free number")
        << QStringList{"Gun_0=0", "Gun_2=1"} << "new" << true << QStringList{"Gun_0", "Gun_2", "Gun_1"}
        << QStringList{"0", "1", "2"};
    QTest::newRow("no new in a full list") << numbered("P", 100) << "new" << false << QStringList() << QStringList();
    QTest::newRow("rename drops the blanks") << four << "rename 3  Burst " << true
                                             << QStringList{"P0", "P1", "P2", "Burst"} << QStringList{"0", "1", "2", "3"};
    QTest::newRow("rename to another's name") << four << "rename 3 P0" << false << kept << QStringList{"0", "1", "2", "3"};
    QTest::newRow("rename to a path") << four << "rename 3 ../P9" << false << kept << QStringList{"0", "1", "2", "3"};
    QTest::newRow("rename to the sentinel") << four << "rename 3 loaderzentak" << false << kept
                                            << QStringList{"0", "1", "2", "3"};
    QTest::newRow("rename to a character Windows refuses") << four << "rename 3 a?b" << false << kept
                                                           << QStringList{"0", "1", "2", "3"};
    QTest::newRow("rename to 65 characters") << four << "rename 3 " + QString(65, 'x') << false << kept
                                             << QStringList{"0", "1", "2", "3"};
    QTest::newRow("rename to the folder's own file") << four << "rename 3 gunData" << false << kept
                                                     << QStringList{"0", "1", "2", "3"};
    QTest::newRow("a factory preset stays") << four << "remove 2" << false << kept << QStringList{"0", "1", "2", "3"};
    QTest::newRow("remove renumbers the later ones")
        << numbered("P", 6) << "remove 3" << true << QStringList{"P0", "P1", "P2", "P4", "P5"}
        << QStringList{"0", "1", "2", "3", "4"};
}

void TestListModels::presetEdits()
{
    QFETCH(QStringList, presets);
    QFETCH(QString, edit);
    QFETCH(bool, accepted);
    QFETCH(QStringList, names);
    QFETCH(QStringList, numbers);

    QStringList stored;
    for (const QString &p : presets)
        stored.append(p.section('=', 0, 0));
    GunFolder folder(stored.join(", "), presets);
    folder.list.load();
    const QStringList words = edit.split(' ');
    bool done = false;
    if (words.at(0) == "new")
        done = folder.list.create() >= 0;
    else if (words.at(0) == "rename")
        done = folder.list.rename(words.at(1).toInt(), edit.section(' ', 2));
    else
        done = folder.list.remove(words.at(1).toInt());
    QCOMPARE(done, accepted);
    if (names.isEmpty())
        names = stored;
    QCOMPARE(folder.list.names(), names);
    QCOMPARE(folder.registry.names(NameRegistry::Gun), names);
    if (!numbers.isEmpty())
        QCOMPARE(folder.storedNumbers(), numbers);
}

void TestListModels::gunSlotChoices_data()
{
    QTest::addColumn<int>("presets");
    QTest::addColumn<QVariantList>("stored");
    QTest::addColumn<QVariantList>("chosen");

    QTest::newRow("digits name presets") << 5 << QVariantList{"4", "3", 0} << ints({4, 3, 0});
    QTest::newRow("no number, past the list, negative: the slot's own")
        << 5 << QVariantList{"x", "9", "-1"} << ints({0, 1, 2});
    QTest::newRow("nothing stored") << 5 << QVariantList{"", ""} << ints({0, 1, 2});
    QTest::newRow("too many digits for a number") << 5 << QVariantList{"99999999999999999999"} << ints({0, 1, 2});
    QTest::newRow("fewer presets than slots: the last") << 2 << QVariantList{} << ints({0, 1, 1});
    QTest::newRow("no presets") << 0 << QVariantList{"0"} << ints({-1, -1, -1});
}

void TestListModels::gunSlotChoices()
{
    QFETCH(int, presets);
    QFETCH(QVariantList, stored);
    QFETCH(QVariantList, chosen);

    const QStringList files = numbered("P", presets);
    QStringList names;
    for (const QString &f : files)
        names.append(f.section('=', 0, 0));
    GunFolder folder(names.join(", "), files);
    folder.list.read();
    QCOMPARE(folder.list.gunSlotPresets(stored), chosen);
    // A removed preset: its slots take preset 2, later ones move up.
    QCOMPARE(folder.list.gunSlotsAfterRemoval(ints({3, 4, 1}), 3), ints({2, 3, 1}));
}

void TestListModels::profileList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("shown"); // name + number

    QTest::newRow("as stored") << "PUBG0, Standard1" << QStringList{"PUBG0", "Standard1"};
    QTest::newRow("a number twice: the first has it") << "PUBG0, Standard1, Gamma2, Delta2"
                                                      << QStringList{"PUBG0", "Standard1", "Gamma2"};
    QTest::newRow("no number, or past 5") << "A0, B, C7, D1" << QStringList{"A0", "D1"};
    QTest::newRow("a digit of another script is none") << QString::fromUtf8("A0, B\u0663") << QStringList{"A0"};
    QTest::newRow("more than six") << "A0, B1, C2, D3, E4, F5, G5" << QStringList{"A0", "B1", "C2", "D3", "E4", "F5"};
    QTest::newRow("the sentinel") << "A3, loaderzentak" << QStringList{"A3"};
    QTest::newRow("nothing stored") << "" << QStringList{};
}

void TestListModels::profileList()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, shown);

    GunFolder folder({}, {});
    folder.writeRegistry("profile/profileName", stored);
    ProfileListModel list(folder.registry);
    list.load();
    QStringList seen;
    for (int i = 0; i < list.count(); ++i)
        seen.append(list.nameAt(i) + QString::number(list.numberAt(i)));
    QCOMPARE(seen, shown);
}

// New and Copy take the lowest number neither listed nor the page's; the
// list stops at six, renames keep the rules of the dialog.
void TestListModels::profileEdits()
{
    GunFolder folder({}, {});
    folder.writeRegistry("profile/profileName", "PUBG0, Standard1");
    ProfileListModel list(folder.registry);
    list.load();
    QCOMPARE(list.freeNumber(2), 3);
    QCOMPARE(list.addNew(2), 3);
    QCOMPARE(list.copyName(0), "PUBG(0)");
    QVERIFY(list.add(list.copyName(0), list.freeNumber(2)));
    QCOMPARE(list.copyName(0), "PUBG(1)");
    QVERIFY(!list.rename(1, "PUBG"));
    QVERIFY(!list.rename(1, "  "));
    QVERIFY(!list.rename(1, QString(33, 'x')));
    QVERIFY(list.rename(1, " Game 2 "));
    QCOMPARE(folder.registry.names(NameRegistry::Profile), QStringList({"PUBG0", "Game 21", "profile_03", "PUBG(0)4"}));
    QVERIFY(list.add("E", 5));
    QCOMPARE(list.addNew(2), -1); // only the page's number is free
    QCOMPARE(list.freeNumber(2), ProfileListModel::kLimit);
    QVERIFY(list.add("F", 2));
    QCOMPARE(list.count(), ProfileListModel::kLimit);
    QVERIFY(!list.add("G", 6));
    QVERIFY(list.remove(0));
    QCOMPARE(list.indexOfNumber(1), 0);
}

QTEST_GUILESS_MAIN(TestListModels)
#include "tst_listmodels.moc"
