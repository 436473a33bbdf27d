// Storage against the simulated mouse: macro slots, the cut of a macro that
// is longer than its slot (and its warning), gun presets with their lengths,
// and the key matrix.

#include "storagefixture.h"
#include "../device/devicefixture.h"

#include "storage/macrobytes.h"
#include "storage/settingsvalues.h"

#include <QTest>

using Family = SimulatedMouse::Family;

class TransferTest : public QObject
{
    Q_OBJECT

private slots:
    void sendMacroData_data();
    void sendMacroData();
    void macroFromFile_data();
    void macroFromFile();
    void gunPresets_data();
    void gunPresets();
    void keyMatrix();
    void macroSlotNumbers_data();
    void macroSlotNumbers();
    void gunLayersReadBackAsWritten_data();
    void gunLayersReadBackAsWritten();
    void keyMatrixOfAnyLength_data();
    void keyMatrixOfAnyLength();
};

namespace {

QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

QVariantList byteValues(int count, int first = 1)
{
    QVariantList out;
    for (int i = 0; i < count; ++i)
        out.append((first + i) & 0xFF);
    return out;
}

QByteArray asBytes(const QVariantList &values, int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < values.size() && i < size; ++i)
        out[i] = char(values.at(i).toInt());
    return out;
}

} // namespace

void TransferTest::sendMacroData_data()
{
    QTest::addColumn<QVariant>("index");
    QTest::addColumn<int>("slot"); // 0: nothing sent
    QTest::newRow("index 0 to slot 1") << QVariant(0) << 1;
    QTest::newRow("index 11 to slot 12") << QVariant(11) << 12;
    QTest::newRow("index 12 refused") << QVariant(12) << 0;
    QTest::newRow("index 256 is not slot 1") << QVariant(256) << 0;
    QTest::newRow("negative index refused") << QVariant(-1) << 0;
}

void TransferTest::sendMacroData()
{
    QFETCH(QVariant, index);
    QFETCH(int, slot);
    ProgramFolder folder(ProgramFolder::Empty);
    LinkOnSimulator mouse;
    Storage s(&mouse.link);
    const QVariantList values = byteValues(130); // two more than a slot holds
    QCOMPARE(s.transfer.sendMacroData(values, index), QVariant(true));
    const bool nothingSent = mouse.frames().isEmpty();
    const auto received = mouse.peer.state().macroSlots;
    QCOMPARE(nothingSent, slot == 0);
    if (slot == 0)
        return;
    QCOMPARE(received.keys(), QList<uint8_t>{uint8_t(slot)});
    QCOMPARE(received.value(uint8_t(slot)), asBytes(values, 128));
    QCOMPARE(s.transfer.ui_93H_GetMacroKey(uchar(slot)), values.mid(0, 128));
}

void TransferTest::macroFromFile_data()
{
    QTest::addColumn<bool>("keyboardType");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("pauseAt");      // line index of a 9000 ms delay; -1 none
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<int>("warnedSize");   // 0: no warning
    QTest::addColumn<QByteArray>("cut");   // the whole slot after a cut
    const QByteArray pair = hex("01 04 81 04"); // press and release A, 10 ms each
    QTest::newRow("fits: repeat from the file") << false << 3 << -1 << "3" << 0 << QByteArray();
    QTest::newRow("damaged repeat count is 1") << false << 3 << -1 << "lots" << 0 << QByteArray();
    QTest::newRow("31 presses: 128 bytes exactly") << false << 31 << -1 << "1" << 0 << QByteArray();
    // 9000 ms after a press: a long pause of 450 units of 20 ms (9010 / 20).
    QTest::newRow("40 presses and a pause: cut after 29 more pairs, with a warning")
        << false << 40 << 1 << "1" << 168 << hex("00 01 01 04 00 01 01 C2 81 04") + pair.repeated(29) + hex("00 00");
    QTest::newRow("a pause that would reach into the end marker is dropped whole")
        << false << 31 << 61 << "1" << 132 << hex("00 01") + pair.repeated(30) + hex("01 04 00 00 00 00");
    // The link still counts the device as the mouse (index 1), so the pause
    // keeps the mouse's form; the slot keeps the placeholder repeat.
    QTest::newRow("keyboard type: 192-byte slot, cut after 45 more pairs")
        << true << 60 << 1 << "1" << 248 << hex("00 01 01 04 00 01 01 C2 81 04") + pair.repeated(45) + hex("00 00");
}

void TransferTest::macroFromFile()
{
    QFETCH(bool, keyboardType);
    QFETCH(int, presses);
    QFETCH(int, pauseAt);
    QFETCH(QString, repeat);
    QFETCH(int, warnedSize);
    QFETCH(QByteArray, cut);
    ProgramFolder folder(ProgramFolder::Empty);
    LinkOnSimulator mouse(keyboardType ? Family::KeyboardClass : Family::Mouse);
    Storage s(&mouse.link);
    QList<QPair<int, int>> warnings;
    s.transfer.setOverflowWarning([&warnings](int slotBytes, int macroBytes) { warnings.append({slotBytes, macroBytes}); });

    QStringList lines;
    for (int i = 0; i < presses; ++i)
        lines << QStringLiteral("A    [Down]") << QStringLiteral("A      [Up]");
    if (pauseAt >= 0)
        lines.insert(pauseAt, QStringLiteral("9000   [Delay]"));
    s.macros.createMacroIni(QStringLiteral("M"), 0);
    s.macros.saveMacroIni(QStringLiteral("M"), lines, {}, repeat);

    const int slotBytes = keyboardType ? MacroBytes::kKeyboardSlotBytes : MacroBytes::kMouseSlotBytes;
    QByteArray slot;
    if (keyboardType) {
        s.transfer.ui_11H_SetMacroKey(2, QStringLiteral("M"));
        mouse.frames();
        slot = mouse.peer.state().macros192.value(2);
    } else {
        s.transfer.ui_13H_SetMacroKey(2, QStringLiteral("M"));
        mouse.frames();
        slot = mouse.peer.state().macroSlots.value(2);
    }
    QCOMPARE(slot.size(), slotBytes);
    if (!warnedSize) {
        QVERIFY(warnings.isEmpty());
        const int r = repeat.toInt() > 0 ? repeat.toInt() : 1;
        QCOMPARE(uchar(slot[0]), uchar(r >> 8));
        QCOMPARE(uchar(slot[1]), uchar(r & 0xFF));
        QCOMPARE(slot.mid(2, 4), QByteArray::fromHex("01048104"));
        QCOMPARE(slot.mid(2 + presses * 4, 2), QByteArray(2, '\0'));
        return;
    }
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.first(), qMakePair(slotBytes, warnedSize));
    QCOMPARE(cut.size(), slotBytes);
    QCOMPARE(slot.toHex(' '), cut.toHex(' '));
}

void TransferTest::gunPresets_data()
{
    QTest::addColumn<QList<int>>("presses"); // key presses per preset
    QTest::addColumn<bool>("sent");
    // A preset of n presses encodes to 2 + 2n + 2 bytes.
    QTest::newRow("894 bytes: sent from slot 6") << QList<int>{147, 147, 147} << true;
    QTest::newRow("896 bytes: only the lengths") << QList<int>{148, 147, 147} << false;
    QTest::newRow("small presets") << QList<int>{1, 2, 3} << true;
}

void TransferTest::gunPresets()
{
    QFETCH(QList<int>, presses);
    QFETCH(bool, sent);
    ProgramFolder folder(ProgramFolder::Empty);
    LinkOnSimulator mouse;
    Storage s(&mouse.link);
    QStringList names;
    QByteArray all;
    QList<int> words;
    for (int g = 0; g < presses.size(); ++g) {
        const QString name = QStringLiteral("Gun_%1").arg(g);
        QStringList lines;
        QByteArray bytes("\x00\x02", 2);
        for (int i = 0; i < presses[g]; ++i) {
            lines << QStringLiteral("1,B");
            bytes += QByteArray("\x0A\x05", 2);
        }
        bytes += QByteArray(2, '\0');
        s.guns.createGunIni(name, g);
        s.guns.saveGunIni(name, lines, {}, 2);
        names << name;
        all += bytes;
        words << int(bytes.size() + 1) / 2;
    }
    QCOMPARE(s.transfer.sendGunPresets(names), QVariant(sent));
    mouse.frames();
    const MouseState state = mouse.peer.state();
    // Lengths without their bytes would have the mouse play past its presets.
    for (int g = 0; g < 3; ++g)
        QCOMPARE(int(state.gunLengths[size_t(g)]), sent ? words[g] : 0);
    if (!sent) {
        QVERIFY(state.macroSlots.isEmpty());
        return;
    }
    QByteArray received;
    for (uint8_t slot = 6; slot < 6 + (all.size() + 127) / 128; ++slot)
        received += state.macroSlots.value(slot);
    QCOMPARE(received.left(all.size()), all);
    QCOMPARE(state.macroSlots.size(), int((all.size() + 127) / 128));
}

void TransferTest::keyMatrix()
{
    ProgramFolder folder(ProgramFolder::Empty);
    LinkOnSimulator mouse;
    Storage s(&mouse.link);
    QVariantList matrix = byteValues(64, 0);
    for (int i = 12; i < 16; ++i)
        matrix[i] = ints({0x0F, 0, 0x2E, 0})[i - 12];
    matrix[5] = 0x0F; // a value 15 that is not a type byte
    s.keys.ui_12H_SetKeyMatrix(matrix);
    QVariantList shortGunMatrix = ints({9, 2, 6, 0, 0x0F, 0, 5});
    s.keys.ui_12H_SetGunKeyMatrix(shortGunMatrix, 3);
    mouse.frames();

    QCOMPARE(s.keys.getKeydefine(3), ints({15, 0, 46, 0}));
    QByteArray expected = asBytes(matrix, 64);
    expected[12] = 0x00;
    QCOMPARE(mouse.peer.state().keyMatrices[0], expected);
    QCOMPARE(s.keys.ui_92H_GetKeyMatrix(), bytesToInts(reinterpret_cast<const uchar *>(expected.constData()), 64));

    QCOMPARE(s.keys.getGunKeydefine(3, 1), ints({15, 0, 5, 0}));
    QCOMPARE(s.keys.getGunKeydefine(3, 15), ints({0, 0, 0, 0}));
    QCOMPARE(mouse.peer.state().keyMatrices[2], QByteArray::fromHex("0902060000000500") + QByteArray(56, '\0'));
    QCOMPARE(s.keys.getKeydefine(20), QVariantList());
}

void TransferTest::macroSlotNumbers_data()
{
    QTest::addColumn<QVariant>("slot");
    QTest::addColumn<int>("received"); // 0: nothing sent
    QTest::newRow("slot 1") << QVariant(1) << 1;
    QTest::newRow("slot 12") << QVariant(12) << 12;
    QTest::newRow("slot 0 does not exist") << QVariant(0) << 0;
    QTest::newRow("slot 13 does not exist") << QVariant(13) << 0;
    QTest::newRow("257 is not slot 1") << QVariant(257) << 0;
    QTest::newRow("negative") << QVariant(-1) << 0;
    QTest::newRow("not a number") << QVariant("x") << 0;
}

void TransferTest::macroSlotNumbers()
{
    QFETCH(QVariant, slot);
    QFETCH(int, received);
    ProgramFolder folder(ProgramFolder::Empty);
    LinkOnSimulator mouse;
    Storage s(&mouse.link);
    int warnings = 0;
    s.transfer.setOverflowWarning([&warnings](int, int) { ++warnings; });
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("A    [Down]") << QStringLiteral("A      [Up]");
    s.macros.createMacroIni(QStringLiteral("M"), 0);
    s.macros.saveMacroIni(QStringLiteral("M"), lines, {}, 1);

    s.transfer.ui_13H_SetMacroKey(slot, QStringLiteral("M"));
    QCOMPARE(mouse.frames().isEmpty(), received == 0);
    QCOMPARE(mouse.peer.state().macroSlots.keys(), received ? QList<uint8_t>{uint8_t(received)} : QList<uint8_t>{});
    QCOMPARE(warnings, received ? 1 : 0); // no warning for a macro that goes nowhere
}

void TransferTest::gunLayersReadBackAsWritten_data()
{
    QTest::addColumn<QVariant>("layer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("layer 2") << QVariant(2) << true;
    QTest::newRow("layer 3") << QVariant(3) << true;
    QTest::newRow("layer 4") << QVariant(4) << true;
    QTest::newRow("1 is the buttons' own matrix") << QVariant(1) << false;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("5") << QVariant(5) << false;
    QTest::newRow("258 is not layer 2") << QVariant(258) << false;
}

void TransferTest::gunLayersReadBackAsWritten()
{
    QFETCH(QVariant, layer);
    QFETCH(bool, kept);
    ProgramFolder folder(ProgramFolder::Empty);
    LinkOnSimulator mouse;
    Storage s(&mouse.link);
    const QVariantList main = byteValues(64, 100);
    s.keys.ui_12H_SetKeyMatrix(main);
    mouse.frames();
    mouse.peer.clearRecords();
    const QVariantList gun = byteValues(64, 0);

    s.keys.ui_12H_SetGunKeyMatrix(gun, layer);
    mouse.frames();

    const MouseState state = mouse.peer.state();
    QCOMPARE(state.keyMatrices[0], asBytes(main, 64)); // never the buttons' own
    if (!kept) {
        QVERIFY(mouse.frames().isEmpty());
        for (int k = 2; k <= 4; ++k)
            QCOMPARE(s.keys.getGunKeydefine(k, 0), QVariantList());
        QCOMPARE(s.keys.getGunKeydefine(layer, 0), QVariantList());
        return;
    }
    const int k = layer.toInt();
    QCOMPARE(state.keyMatrices[size_t(k - 1)], asBytes(gun, 64));
    for (int b = 0; b < 16; ++b)
        QCOMPARE(s.keys.getGunKeydefine(k, b), gun.mid(b * 4, 4));
    for (int other = 2; other <= 4; ++other) {
        if (other != k)
            QCOMPARE(s.keys.getGunKeydefine(other, 0), QVariantList());
    }
}

void TransferTest::keyMatrixOfAnyLength_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QByteArray>("sent"); // the 64-byte table
    QTest::addColumn<QVariantList>("last"); // what button 15 stores
    QTest::newRow("empty list: every button off") << QVariantList() << QByteArray(64, '\0') << ints({0, 0, 0, 0});
    QTest::newRow("short list: the rest is 0")
        << ints({1, 0, 0xF0, 0, 7, 0}) << hex("01 00 F0 00 07 00") + QByteArray(58, '\0') << ints({0, 0, 0, 0});
    QVariantList longer = byteValues(64, 1);
    longer += ints({0xAA, 0xBB, 0xCC});
    QTest::newRow("long list: the values past the table are ignored")
        << longer << asBytes(byteValues(64, 1), 64) << ints({61, 62, 63, 64});
    QVariantList text = byteValues(64, 1);
    text[60] = "x";
    text[61] = QStringLiteral("0x10");
    QByteArray textSent = asBytes(byteValues(64, 1), 64);
    textSent[60] = 0;
    textSent[61] = 0;
    QTest::newRow("values that are no numbers are 0") << text << textSent << ints({0, 0, 63, 64});
}

void TransferTest::keyMatrixOfAnyLength()
{
    QFETCH(QVariantList, values);
    QFETCH(QByteArray, sent);
    QFETCH(QVariantList, last);
    ProgramFolder folder(ProgramFolder::Empty);
    LinkOnSimulator mouse;
    Storage s(&mouse.link);
    s.keys.ui_12H_SetKeyMatrix(values);
    mouse.frames();
    QCOMPARE(mouse.peer.state().keyMatrices[0].toHex(' '), sent.toHex(' '));
    QCOMPARE(s.keys.getKeydefine(15), last);
    QCOMPARE(s.keys.getKeydefine(16), QVariantList());
}

QTEST_GUILESS_MAIN(TransferTest)
#include "tst_transfer.moc"
