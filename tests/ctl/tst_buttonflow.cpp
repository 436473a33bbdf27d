// The command line's button panel against the page's: the same assignments
// on the same profile, once through KeyMatrix.qml (with the main page's few
// lines around it) and once through ButtonPanel, must leave the same profile
// entries and send the mouse the same frames.

#include "../device/devicefixture.h"

#include "buttonpanel.h"
#include "pagescripts.h"

#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"

#include <QDirIterator>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using Steps = QList<QPair<int, QString>>; // button (0-based), eight hex digits
Q_DECLARE_METATYPE(Steps)

namespace {

// The page's side: the panel, and main.qml's assignToSelected and
// gunSlotCleared with the gun dialog's choice of presets.
const char kPage[] = R"(
import QtQuick
import "qrc:/modules/qml/R8"
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/R8/keypages.js" as KeyPages

Item {
    KeyCodeString { id: codes }
    KeyMatrix { id: matrix; keyCodes: codes; onGunSlotCleared: (gun) => slotCleared(gun) }

    function read() { matrix.init(false) }
    function assign(index, code) {
        var b = KeyPages.parseCode(code)
        if (!matrix.modifyData(index, b[0], b[1], b[2], b[3]))
            return false
        matrix.refreashUI()
        matrix.cancelGunKeyFun(index)
        return true
    }
    // The gun dialog's readGunData, for the shipped presets.
    function presetIndex(slot) {
        ui_View.gunList.load()
        return ui_View.gunList.gunSlotPresets(ui_View.getselectGun())[slot]
    }
    function slotCleared(gun) {
        var chosen = []
        for (var g = 0; g < KeyPages.gunSlots; ++g)
            chosen.push(g === gun ? 2 : presetIndex(g))
        ui_View.setSelectGun(chosen)
    }
}
)";

struct World
{
    QTemporaryDir folder;
    std::unique_ptr<LinkOnSimulator> mouse;
    std::unique_ptr<myQQuickView> view;
    QList<bool> accepted;

    // The shipped data, a mouse and a view model in a folder of its own.
    void enter()
    {
        QDirIterator it(QStringLiteral(Q530_DATA_DIR), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = folder.path() + "/modules" + source.mid(int(qstrlen(Q530_DATA_DIR)));
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
        QDir::setCurrent(folder.path());
        mouse = std::make_unique<LinkOnSimulator>();
        view = std::make_unique<myQQuickView>(nullptr);
        view->setHid(&mouse->link);
    }

    // What the buttons left in the current profile.
    QMap<QString, QString> entries() const
    {
        QMap<QString, QString> out;
        QSettings *profile = view->profiles().current();
        for (const QString &key : profile->allKeys())
            if (key.startsWith("keydefine_R8") || key.startsWith("selectGun"))
                out.insert(key, profile->value(key).toStringList().join(", "));
        return out;
    }
};

} // namespace

class TestButtonFlow : public QObject
{
    Q_OBJECT
private slots:
    void samePanelSameResult_data();
    void samePanelSameResult();
};

void TestButtonFlow::samePanelSameResult_data()
{
    QTest::addColumn<Steps>("steps");

    QTest::newRow("a plain function") << Steps{{1, "07000200"}};
    QTest::newRow("the gun key gets another function, its slot leaves") << Steps{{5, "0100f200"}};
    QTest::newRow("the last left click stays") << Steps{{0, "0000e006"}};
    QTest::newRow("a left click given away once there is another")
        << Steps{{1, "0100f000"}, {0, "0300e900"}, {1, "0300ea00"}};
    QTest::newRow("a named key, a double click, nothing") << Steps{{3, "0f000500"}, {4, "0af01e02"}, {7, "00000000"}};
    QTest::newRow("past the shown buttons") << Steps{{14, "07000100"}};
}

void TestButtonFlow::samePanelSameResult()
{
    QFETCH(Steps, steps);

    World page;
    page.enter();
    QQmlEngine engine;
    engine.rootContext()->setContextProperty("ui_View", page.view.get());
    QQmlComponent component(&engine);
    component.setData(kPage, QUrl("qrc:/tests/ButtonFlow.qml"));
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    QMetaObject::invokeMethod(root.get(), "read");
    for (const auto &[button, code] : steps) {
        QVariant ok;
        QMetaObject::invokeMethod(root.get(), "assign", Q_RETURN_ARG(QVariant, ok), Q_ARG(QVariant, button),
                                  Q_ARG(QVariant, code));
        page.accepted.append(ok.toBool());
    }
    page.view->profiles().sync(0);

    World ctl;
    ctl.enter();
    PageScripts scripts;
    QVERIFY2(scripts.loadError().isEmpty(), qPrintable(scripts.loadError()));
    for (const auto &[button, code] : steps) {
        ButtonPanel panel(*ctl.view, scripts);
        panel.read();
        ctl.accepted.append(panel.assign(button, scripts.parseCode(code)));
    }

    QCOMPARE(ctl.accepted, page.accepted);
    QCOMPARE(ctl.entries(), page.entries());
    QCOMPARE(ctl.mouse->frames(), page.mouse->frames());
    QCOMPARE(ctl.mouse->outputReports(), page.mouse->outputReports());
}

QTEST_MAIN(TestButtonFlow)
#include "tst_buttonflow.moc"
