// The window's list objects and q530ctl on copies of one data folder, damaged
// ones included: the profiles and the gun presets they show must be the same,
// and so must the gun presets' bytes each sends to its simulated mouse.

#include "../device/devicefixture.h"
#include "ctlprocess.h"

#include "model/profilelistmodel.h"
#include "viewmodel/myqquickview.h"
#include "tests/support/datacopy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QtTest>

namespace {

const char kWindow[] = R"(
import QtQuick
import "qrc:/modules/qml/R8"
import "qrc:/modules/qml/basic"

Item {
    KeyCodeString { id: codes }
    GunPresets { id: guns; keyCodes: codes }
    ProfileList { id: profiles }

    // As the page starts: the lists read, the gun presets sent.
    function start() {
        profiles.load()
        guns.init(true)
    }
    // What button 6, the key of gun slot 1, shows.
    function gunKeyName() { return guns.getMacroName(0) }
}
)";

// Gun preset `name` with number 0, as an import creates it, pressing `key`.
void addImportedPreset(const QString &folder, const QString &name, const QString &key)
{
    QSettings preset(folder + "/gun/" + name + ".bin", QSettings::IniFormat);
    preset.setValue("config/index", 0);
    preset.setValue("config/total", 1);
    preset.setValue("config/repeat", 1);
    preset.setValue("gun/0", "1," + key);
}

// Macro slots 6 to 8, where the gun layers play the presets.
QJsonArray gunSlots(const QJsonObject &slotBytes)
{
    return {slotBytes.value("6"), slotBytes.value("7"), slotBytes.value("8")};
}

} // namespace

class TestListAgreement : public QObject
{
    Q_OBJECT
private slots:
    void windowAndCommandLineAgree_data();
    void windowAndCommandLineAgree();
};

void TestListAgreement::windowAndCommandLineAgree_data()
{
    QTest::addColumn<QString>("gunNames");
    QTest::addColumn<QString>("profileNames");
    QTest::addColumn<QStringList>("chosen"); // selectGun of profile 1

    QTest::newRow("shipped") << QString() << QString() << QStringList();
    QTest::newRow("imported presets share number 0")
        << "General, Double fire, Three fire, Imp_B, Imp_A" << QString() << QStringList{"3", "4", "1"};
    QTest::newRow("a profile number twice") << QString() << "PUBG0, Standard1, Gamma2, Delta2" << QStringList();
    QTest::newRow("repeated, empty and path names, a choice past the list")
        << "Imp_B, , General, Imp_B, ../macro/x, Imp_A" << "PUBG0, Gamma, Delta1, Epsilon1" << QStringList{"4", "9", "x"};
}

void TestListAgreement::windowAndCommandLineAgree()
{
    QFETCH(QString, gunNames);
    QFETCH(QString, profileNames);
    QFETCH(QStringList, chosen);

    CtlHome home;
    QCOMPARE(home.run({"profile"}).exitCode, 0);
    const QString data = home.dataFolder();
    addImportedPreset(data, "Imp_A", "A");
    addImportedPreset(data, "Imp_B", "B");
    {
        QSettings names(home.settingFile("name.bin"), QSettings::IniFormat);
        if (!gunNames.isEmpty())
            names.setValue("gun/gunName", gunNames.split(", "));
        if (!profileNames.isEmpty())
            names.setValue("profile/profileName", profileNames.split(", "));
        QSettings profile(home.settingFile("p1.bin"), QSettings::IniFormat);
        for (int g = 0; g < chosen.size(); ++g)
            profile.setValue("selectGun/" + QString::number(g), chosen.at(g));
    }
    QTemporaryDir window;
    QVERIFY(copyFolder(data, window.path() + "/modules"));

    // q530ctl: the profile list, button 6 (gun slot 1's key) and the whole profile sent.
    const CtlRun listed = home.run({"--json", "profile"});
    QCOMPARE(listed.exitCode, 0);
    QStringList ctlProfiles;
    for (const QJsonValue &p : QJsonDocument::fromJson(listed.out).object().value("profiles").toArray())
        ctlProfiles.append(p["name"].toString() + QString::number(p["profile"].toInt() - 1));
    const CtlRun buttons = home.run({"--json", "buttons"});
    const QString ctlGunKey =
        QJsonDocument::fromJson(buttons.out).object().value("buttons").toArray().at(5)["function"].toString();
    const CtlRun sent = home.run({"profile", "1"});
    QCOMPARE(sent.exitCode, 0);

    // The window's lists on the copy.
    const QString before = QDir::currentPath();
    QDir::setCurrent(window.path());
    LinkOnSimulator mouse;
    myQQuickView view(nullptr);
    view.setHid(&mouse.link);
    QQmlEngine engine;
    engine.rootContext()->setContextProperty("ui_View", &view);
    QQmlComponent component(&engine);
    component.setData(kWindow, QUrl("qrc:/tests/ListAgreement.qml"));
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    QVariant gunKeyName;
    QMetaObject::invokeMethod(root.get(), "start");
    QMetaObject::invokeMethod(root.get(), "gunKeyName", Q_RETURN_ARG(QVariant, gunKeyName));
    mouse.link.waitForPendingExchange();
    QDir::setCurrent(before);
    QJsonObject windowSlots;
    const auto macroSlots = mouse.peer.state().macroSlots;
    for (auto it = macroSlots.cbegin(); it != macroSlots.cend(); ++it) {
        QJsonArray bytes;
        for (char b : it.value())
            bytes.append(int(uchar(b)));
        windowSlots.insert(QString::number(it.key()), bytes);
    }

    QStringList windowProfiles;
    const ProfileListModel &profiles = *view.profileList();
    for (int i = 0; i < profiles.count(); ++i)
        windowProfiles.append(profiles.nameAt(i) + QString::number(profiles.numberAt(i)));
    QCOMPARE(ctlProfiles, windowProfiles);
    QCOMPARE(ctlGunKey, gunKeyName.toString());
    QCOMPARE(gunSlots(sent.mouse.value("macroSlots").toObject()), gunSlots(windowSlots));
    QVERIFY(!gunSlots(windowSlots).at(0).toArray().isEmpty());
}

QTEST_MAIN(TestListAgreement)
#include "tst_listagreement.moc"
