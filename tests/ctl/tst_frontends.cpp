// The window's page and q530ctl on the same profile: the texts of the page's
// key rows are what `q530ctl buttons` prints, and the key matrices the page
// sends when it shows the profile with sending are those `q530ctl profile 1`
// sends.

#include "ctlprocess.h"

#include "../qml/pagerig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
#include <QtTest>

namespace {

// Rows a Repeater made are children of the item they are laid out in only.
QObject *findItem(QObject *parent, const QString &name)
{
    QObjectList below = parent->children();
    if (auto *item = qobject_cast<QQuickItem *>(parent))
        for (QQuickItem *child : item->childItems())
            below.append(child);
    for (QObject *child : below) {
        if (child->objectName() == name)
            return child;
        if (QObject *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

class FrontEndsTest : public QObject
{
    Q_OBJECT
private slots:
    void sameButtons_data();
    void sameButtons();
};

void FrontEndsTest::sameButtons_data()
{
    QTest::addColumn<QVariantMap>("stored");

    auto ints = [](std::initializer_list<int> v) {
        QVariantList l;
        for (int i : v)
            l.append(i);
        return l;
    };
    QTest::newRow("as shipped") << QVariantMap{};
    QTest::newRow("damaged entries and gun slots")
        << QVariantMap{{"keydefine_R8/3", ints({7, 0})}, {"keydefine_R8/4", QVariantList{"x", 0, 2, 0}},
                       {"keydefine_R8/1", ints({9, 0, 7, 0})}, {"keydefine_R82/2", ints({9, 0, 13, 0})},
                       {"keydefine_R83/6", QVariantList{"y"}}, {"selectGunKey/0", 2}, {"selectGunKey/type0", 9}};
    QTest::newRow("a macro button, two gun keys, three slots")
        << QVariantMap{{"keydefine_R8/7", ints({9, 2, 1, 0})}, {"macro/0", "Jump"}, {"keydefine_R8/6", ints({8, 0, 1, 0})},
                       {"selectGunKey/1", 6}, {"selectGunKey/2", 5}, {"selectGunKey/type2", 0}};
}

void FrontEndsTest::sameButtons()
{
    QFETCH(QVariantMap, stored);

    CtlHome home;
    QCOMPARE(home.run({"buttons"}).exitCode, 0); // the data folder is made
    {
        QSettings profile(home.settingFile("p1.bin"), QSettings::IniFormat);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            profile.setValue(it.key(), it.value());
    }
    const CtlRun listed = home.run({"--json", "buttons"});
    QCOMPARE(listed.exitCode, 0);
    const CtlRun sent = home.run({"profile", "1"});
    QCOMPARE(sent.exitCode, 0);

    PageRig rig;
    rig.applicationAvailable();
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        rig.setStored(0, it.key(), it.value());
    QQuickView window;
    rig.qmlEngineAvailable(window.engine());
    window.setSource(QUrl("qrc:/modules/qml/main.qml"));
    QObject *page = window.rootObject();
    QVERIFY(page);
    findItem(page, "dashboardLoader")->setProperty("active", true);
    QMetaObject::invokeMethod(page, "setProtectUI", Q_ARG(QVariant, 0));
    QTRY_VERIFY(page->property("mainPageShown").toBool());
    QMetaObject::invokeMethod(page->property("dashboard").value<QObject *>(), "fillFromProfile");

    const QJsonArray buttons = QJsonDocument::fromJson(listed.out).object().value("buttons").toArray();
    QCOMPARE(buttons.size(), 8);
    for (int b = 0; b < 8; ++b) {
        const QObject *text = findItem(page, "keyText" + QString::number(b));
        QVERIFY(text);
        QCOMPARE(text->property("text").toString(), buttons.at(b).toObject().value("function").toString());
    }

    QMetaObject::invokeMethod(findItem(page, "keyMatrixMain"), "init", Q_ARG(bool, true));
    const QJsonArray matrices = sent.mouse.value("keyMatrices").toArray();
    for (int m = 1; m <= 4; ++m)
        QCOMPARE(rig.keyMatrix(m), matrices.at(m - 1).toArray().toVariantList());
}

QTEST_MAIN(FrontEndsTest)
#include "tst_frontends.moc"
