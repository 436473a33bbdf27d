// The button model on real storage and the simulated mouse: what it makes of
// a profile's entries (damaged ones too), the rules of a change, the texts
// of the rows and the frames in the order the mouse gets them.

#include "../device/devicefixture.h"
#include "../storage/storagefixture.h"

#include "model/buttonmodel.h"
#include "model/buttonrules.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QStringList kGunNames{"General", "Double fire", "Three fire"};

// The shipped profile 0 with `stored` written over it (an invalid value
// removes the key), read by a fresh model.
struct Rig
{
    explicit Rig(const QVariantMap &stored)
    {
        QSettings *profile = storage.profiles.current();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
            if (it.value().isValid())
                profile->setValue(it.key(), it.value());
            else
                profile->remove(it.key());
        }
    }

    ProgramFolder folder;
    LinkOnSimulator mouse;
    Storage storage{&mouse.link};
    ButtonModel model{storage};
};

QVariantList ints(const QList<int> &values)
{
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}

} // namespace

class ButtonModelTest : public QObject
{
    Q_OBJECT
private slots:
    void readsStoredEntries_data();
    void readsStoredEntries();
    void readsGunSlots_data();
    void readsGunSlots();
    void gunChain_data();
    void gunChain();
    void reassignAndMacroSlot_data();
    void reassignAndMacroSlot();
    void texts_data();
    void texts();
    void sendsLayersInOrder_data();
    void sendsLayersInOrder();
};

void ButtonModelTest::readsStoredEntries_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QVariantList>("entry");

    const QString b4 = "keydefine_R8/4";
    const QVariantList fireMode = ints({0x0f, 0, 5, 0});
    QTest::newRow("a short entry is padded") << QVariantMap{{b4, ints({7, 0})}} << 0 << ints({7, 0, 0, 0});
    QTest::newRow("a long entry is cut") << QVariantMap{{b4, ints({7, 0, 2, 0, 9, 9})}} << 0 << ints({7, 0, 2, 0});
    QTest::newRow("a missing entry is the factory one") << QVariantMap{{b4, QVariant()}} << 0 << fireMode;
    QTest::newRow("a value past a byte is no entry") << QVariantMap{{b4, ints({7, 0, 300, 0})}} << 0 << fireMode;
    QTest::newRow("what is no number is 0") << QVariantMap{{b4, QVariantList{"x", 0, 2, 0}}} << 0 << ints({0, 0, 2, 0});
    QTest::newRow("a macro slot is held from 0") << QVariantMap{{b4, ints({9, 2, 3, 0})}} << 0 << ints({9, 2, 2, 0});
    QTest::newRow("stored slot 0 is the factory one") << QVariantMap{{b4, ints({9, 0, 0, 0})}} << 0 << fireMode;
    QTest::newRow("a slot past the buttons' is the factory one") << QVariantMap{{b4, ints({9, 0, 6, 0})}} << 0 << fireMode;
    QTest::newRow("a gun layer may play any of twelve slots")
        << QVariantMap{{"keydefine_R82/4", ints({9, 0, 12, 0})}} << 1 << ints({9, 0, 11, 0});
    QTest::newRow("a gun layer past twelve is the normal one")
        << QVariantMap{{"keydefine_R82/4", ints({9, 0, 13, 0})}} << 1 << fireMode;
    QTest::newRow("gun layer 2 is read from key matrix 3")
        << QVariantMap{{"keydefine_R83/4", ints({7, 0, 2, 0})}} << 2 << ints({7, 0, 2, 0});
    QTest::newRow("a gun layer's missing entry is the normal one")
        << QVariantMap{{b4, ints({7, 0, 1, 0})}, {"keydefine_R84/4", QVariant()}} << 3 << ints({7, 0, 1, 0});
    QTest::newRow("a normal macro taken over counts down once more")
        << QVariantMap{{b4, ints({9, 0, 3, 0})}, {"keydefine_R82/4", QVariant()}} << 1 << ints({9, 0, 1, 0});
    QTest::newRow("and falls back when that leaves no slot")
        << QVariantMap{{b4, ints({9, 0, 1, 0})}, {"keydefine_R82/4", QVariant()}} << 1 << ints({9, 0, 0, 0});
}

void ButtonModelTest::readsStoredEntries()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, layer);
    QFETCH(QVariantList, entry);
    Rig rig(stored);
    rig.model.init(false, kGunNames);
    QCOMPARE(rig.model.entry(layer, 4), entry);
}

void ButtonModelTest::readsGunSlots_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QVariantList>("buttons");
    QTest::addColumn<QVariantList>("modes");

    QTest::newRow("as shipped: slot 0 on button 6") << QVariantMap{} << ints({5, -1, -1}) << ints({2, 2, 2});
    QTest::newRow("a slot on a button that is no gun key is on none")
        << QVariantMap{{"selectGunKey/1", 2}} << ints({5, -1, -1}) << ints({2, 2, 2});
    QTest::newRow("two slots on one gun key, a mode of their own")
        << QVariantMap{{"selectGunKey/2", "5"}, {"selectGunKey/type2", "0"}} << ints({5, -1, 5}) << ints({2, 2, 0});
    QTest::newRow("a mode out of range or unreadable is 2")
        << QVariantMap{{"selectGunKey/type0", 3}, {"selectGunKey/type1", "x"}} << ints({5, -1, -1}) << ints({2, 2, 2});
    QTest::newRow("no button, or one past sixteen")
        << QVariantMap{{"selectGunKey/0", QVariant()}, {"selectGunKey/1", 16}} << ints({-1, -1, -1}) << ints({2, 2, 2});
}

void ButtonModelTest::readsGunSlots()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QVariantList, buttons);
    QFETCH(QVariantList, modes);
    Rig rig(stored);
    rig.model.init(false, kGunNames);
    QCOMPARE(rig.model.gunKeyIndexes(), buttons);
    const QVariantList data = rig.model.gunKeyData();
    for (int g = 0; g < 3; ++g)
        QCOMPARE(data.at(g).toMap().value("gunKeyType"), modes.at(g));
}

void ButtonModelTest::gunChain_data()
{
    QTest::addColumn<QVariantList>("guns");
    QTest::addColumn<int>("key");
    QTest::addColumn<QVariantList>("next");

    QTest::newRow("no slot on the key: every layer to normal") << ints({-1, -1, -1}) << 5 << ints({0, 0, 0, 0});
    QTest::newRow("one slot: there and back") << ints({-1, 5, -1}) << 5 << ints({2, 0, 0, 0});
    QTest::newRow("two slots in slot order") << ints({6, -1, 6}) << 6 << ints({1, 3, 0, 0});
    QTest::newRow("all three") << ints({6, 6, 6}) << 6 << ints({1, 2, 3, 0});
    QTest::newRow("a slot on another key is not in the chain") << ints({5, 6, -1}) << 6 << ints({2, 0, 0, 0});
}

void ButtonModelTest::gunChain()
{
    QFETCH(QVariantList, guns);
    QFETCH(int, key);
    QFETCH(QVariantList, next);
    const auto chain = ButtonRules::gunChain({guns.at(0).toInt(), guns.at(1).toInt(), guns.at(2).toInt()}, key);
    QCOMPARE(ints(QList<int>(chain.begin(), chain.end())), next);
}

void ButtonModelTest::reassignAndMacroSlot_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("mayReassign");
    QTest::addColumn<int>("macroSlot");

    const QVariantList left = ints({1, 0, 0xf0, 0});
    QTest::newRow("the only left click stays") << QVariantMap{} << 0 << false << 0;
    QTest::newRow("with a second left click either may go") << QVariantMap{{"keydefine_R8/7", left}} << 0 << true << 0;
    QTest::newRow("a macro button keeps its slot") << QVariantMap{{"keydefine_R8/7", ints({9, 0, 3, 0})}} << 7 << true << 2;
    QTest::newRow("else the lowest slot no other button has")
        << QVariantMap{{"keydefine_R8/3", ints({9, 0, 1, 0})}} << 7 << true << 1;
    QVariantMap full;
    for (int b = 7; b < 12; ++b)
        full.insert("keydefine_R8/" + QString::number(b), ints({9, 0, b - 6, 0}));
    QTest::newRow("every button slot taken") << full << 2 << true << -1;
    QTest::newRow("a button past sixteen") << QVariantMap{} << 16 << false << -1;
}

void ButtonModelTest::reassignAndMacroSlot()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, button);
    QFETCH(bool, mayReassign);
    QFETCH(int, macroSlot);
    Rig rig(stored);
    rig.model.init(false, kGunNames);
    QCOMPARE(rig.model.mayReassign(button), mayReassign);
    QCOMPARE(rig.model.macroSlotFor(button), macroSlot);
    const ButtonRules::Entry before = button < 16 ? rig.model.at(0, button) : ButtonRules::Entry{};
    QCOMPARE(rig.model.modifyData(button, ints({7, 0, 1, 0})), mayReassign);
    if (!mayReassign && button < 16)
        QCOMPARE(rig.model.at(0, button), before);
}

void ButtonModelTest::texts_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");

    const QString b3 = "keydefine_R8/3";
    QTest::newRow("a macro by its name") << QVariantMap{{b3, ints({9, 0, 1, 0})}, {"macro/0", "Jump"}} << 0 << 3
                                         << "Macro: Jump";
    QTest::newRow("a macro slot without a name") << QVariantMap{{b3, ints({9, 0, 1, 0})}} << 0 << 3 << "Macro: ";
    QTest::newRow("nothing") << QVariantMap{{b3, ints({0, 0, 0, 0})}} << 0 << 3 << "Deactivated";
    QTest::newRow("a key") << QVariantMap{{b3, ints({0, 0, 0x2c, 0})}} << 0 << 3 << "Keyboard Key-Space";
    QTest::newRow("0x32 under the name of 0x31") << QVariantMap{{b3, ints({0, 0, 0x32, 0})}} << 0 << 3
                                                 << "Keyboard Key-\\ |";
    QTest::newRow("a named key") << QVariantMap{} << 0 << 3 << "Auto Run";
    QTest::newRow("a named key in Chinese") << QVariantMap{} << 1 << 3 << "自动奔跑";
    QTest::newRow("a code without a name") << QVariantMap{{b3, ints({5, 1, 2, 3})}} << 0 << 3 << "";
    QTest::newRow("a gun key without a slot") << QVariantMap{{b3, ints({8, 0, 1, 0})}} << 0 << 3 << "Gun Button";
    QTest::newRow("a gun key without a slot in Chinese") << QVariantMap{{b3, ints({8, 0, 1, 0})}} << 1 << 3 << "枪键按键";
    QTest::newRow("a gun key shows its lowest slot's preset")
        << QVariantMap{{"selectGunKey/0", -1}, {"selectGunKey/1", 5}, {"selectGunKey/2", 5}} << 0 << 5 << "Double fire";
}

void ButtonModelTest::texts()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, language);
    QFETCH(int, button);
    QFETCH(QString, text);
    Rig rig(stored);
    rig.model.setLanguage(language);
    rig.model.init(false, kGunNames);
    QCOMPARE(rig.model.keyText(button), text);
    QCOMPARE(rig.model.data(rig.model.index(button), ButtonModel::KeyTextRole).toString(), text);
}

void ButtonModelTest::sendsLayersInOrder_data()
{
    QTest::addColumn<bool>("change");
    QTest::newRow("a profile shown with sending: the layers as read") << false;
    QTest::newRow("a change: gun layers follow the normal one") << true;
}

// Key matrix 1, then 2 to 4, then the mouse plays matrix 1; a change puts
// each gun layer's macro on its left button in its slot's mode.
void ButtonModelTest::sendsLayersInOrder()
{
    QFETCH(bool, change);
    Rig rig({{"selectGunKey/type0", 1}, {"keydefine_R83/0", ints({1, 0, 0xf0, 0})}});
    rig.model.init(!change, kGunNames);
    if (change)
        rig.model.refreashUI();
    QList<QPair<int, int>> order;
    for (const QByteArray &frame : rig.mouse.frames())
        order.append({uchar(frame.at(1)), uchar(frame.at(2))});
    const QList<QPair<int, int>> expected{{0x12, 1}, {0x12, 2}, {0x12, 3}, {0x12, 4}, {0x02, 0}};
    QCOMPARE(order, expected);
    const auto &matrices = rig.mouse.peer.state().keyMatrices;
    QCOMPARE(QByteArray(matrices[1].left(4)), change ? QByteArray("\x09\x01\x06\x00", 4) : QByteArray("\x09\x02\x06\x00", 4));
    QCOMPARE(QByteArray(matrices[2].left(4)), change ? QByteArray("\x09\x02\x07\x00", 4) : QByteArray("\x01\x00\xf0\x00", 4));
}

QTEST_GUILESS_MAIN(ButtonModelTest)
#include "tst_buttonmodel.moc"
