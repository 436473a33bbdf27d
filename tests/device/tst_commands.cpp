// Every command's exact request frame and data phase, what GET commands hand
// back from the mouse, and what SETs and GETs say after a failed exchange and
// a busy transport.

#include "devicefixture.h"

#include <QTest>

#include <functional>

using Kind = SimulatedMouse::Record::Kind;
using Family = SimulatedMouse::Family;
using Command = std::function<void(Hid_Thread &)>;
Q_DECLARE_METATYPE(Command)

enum class Fault { None, Absent, Refused, GoneMidExchange };
Q_DECLARE_METATYPE(Fault)

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void setFrames_data();
    void setFrames();
    void getFrames_data();
    void getFrames();
    void tableFrames_data();
    void tableFrames();

    void setCommandsReachTheMouse();
    void getCommandsReadTheMouse();
    void firmwareVersionText_data();
    void firmwareVersionText();
    void tablesRoundTrip();
    void keyboardFamilyTablesRoundTrip();

    void failedGetGivesNothing_data();
    void failedGetGivesNothing();
    void setResultSaysWhetherTheMouseTookIt_data();
    void setResultSaysWhetherTheMouseTookIt();
    void busyTransportGivesNothing();
};

namespace {

uchar g_block[512];
uchar *block() { return g_block; }

} // namespace

void CommandsTest::setFrames_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("frame");
    auto row = [](const char *name, Command c, const char *frame) {
        QTest::newRow(name) << c << hexBytes(frame);
    };
    row("01 report rate", [](Hid_Thread &h) { h.hid_01H_SetReportRate(2); }, "00 01 02 00 00 00 00 00 FC");
    row("02 profile", [](Hid_Thread &h) { h.hid_02H_SetCurrentProfile(3); }, "00 02 03 00 00 00 00 00 FA");
    row("03 keyboard option", [](Hid_Thread &h) { h.hid_03H_SetKeyboardoption(1, 2, 3, 0x40); },
        "00 03 01 02 03 40 00 00 B6");
    row("03 function option: same frame", [](Hid_Thread &h) { h.hid_03H_SetFunctionOption(1, 2, 3, 0x40); },
        "00 03 01 02 03 40 00 00 B6");
    row("04 gun data", [](Hid_Thread &h) { h.hid_04H_SetGunData(0x10, 0x01, 0, 0, 2); },
        "00 04 10 01 00 00 02 00 E8");
    row("07 indicator light", [](Hid_Thread &h) { h.hid_07H_SetControlIndicatorLight(1, 5); },
        "00 07 01 05 00 00 00 00 F2");
    row("07 LED instruct", [](Hid_Thread &h) { h.hid_07H_SetLEDInstructFunction(2, 3, 4, 5); },
        "00 07 02 03 04 05 00 00 EA");
    row("08 LED type", [](Hid_Thread &h) { h.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6); },
        "00 08 01 02 03 04 05 06 E2");
    row("09 keyboard mode", [](Hid_Thread &h) { h.hid_09H_SetKeyboardMode(1); }, "00 09 01 00 00 00 00 00 F5");
    row("0B DPI stage", [](Hid_Thread &h) { h.hid_0BH_SetCurrentDPIStage(2); }, "00 0B 02 00 00 00 00 00 F2");
    row("0D RGB effect", [](Hid_Thread &h) { h.hid_0DH_SetRGBLedEffect(3, 4, 5); }, "00 0D 03 04 05 00 00 00 E6");
    row("0E XY sensitivity", [](Hid_Thread &h) { h.hid_0EH_SetXYSensitive(10, 12); },
        "00 0E 0A 0C 00 00 00 00 DB");
    row("13 recovery", [](Hid_Thread &h) { h.hid_13H_SetRecoveryData(); }, "00 13 FF 00 00 00 00 00 ED");
    row("14 colour", [](Hid_Thread &h) { h.hid_14H_SetColor(3, 255, 0, 16); }, "00 14 00 03 FF 00 10 00 D9");
}

void CommandsTest::setFrames()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, frame);
    LinkOnSimulator sim;
    command(sim.link);
    QCOMPARE(sim.frames(), QList<QByteArray>{frame});
    QVERIFY(sim.peer.recorded(Kind::OutputReport).isEmpty());
    QVERIFY(sim.peer.recorded(Kind::FeatureReply).isEmpty());
}

void CommandsTest::getFrames_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("frame");
    auto row = [](const char *name, Command cmd, const char *frame) {
        QTest::newRow(name) << cmd << hexBytes(frame);
    };
    row("80 firmware", [](Hid_Thread &h) { (void)h.hid_80H_GetFWVersion(); }, "00 80 00 00 00 00 00 00 7F");
    row("81 rate", [](Hid_Thread &h) { (void)h.hid_81H_GetReportRate(); }, "00 81 00 00 00 00 00 00 7E");
    row("82 profile", [](Hid_Thread &h) { (void)h.hid_82H_GetCurrentProfile(); }, "00 82 00 00 00 00 00 00 7D");
    row("83 keyboard option", [](Hid_Thread &h) { (void)h.hid_83H_GetKeyboardoption(); },
        "00 83 00 00 00 00 00 00 7C");
    row("83 function option", [](Hid_Thread &h) { (void)h.hid_83H_GetFunctionOption(); },
        "00 83 00 00 00 00 00 00 7C");
    row("84 sensitivity", [](Hid_Thread &h) { (void)h.hid_84H_GetButtonSensitivity(); },
        "00 84 00 00 00 00 00 00 7B");
    row("87 LED instruct", [](Hid_Thread &h) { (void)h.hid_87H_GetLEDInstructFunction(2); },
        "00 87 02 00 00 00 00 00 76");
    row("88 LED type", [](Hid_Thread &h) { (void)h.hid_88H_GetLEDType(); }, "00 88 00 00 00 00 00 00 77");
    row("89 keyboard mode", [](Hid_Thread &h) { (void)h.hid_89H_GetKeyboardMode(); }, "00 89 00 00 00 00 00 00 76");
    row("8B DPI stage", [](Hid_Thread &h) { (void)h.hid_8BH_GetCurrentDPIStage(); }, "00 8B 00 00 00 00 00 00 74");
    row("8D RGB effect", [](Hid_Thread &h) { (void)h.hid_8DH_GetRGBLedEffect(); }, "00 8D 00 00 00 00 00 00 72");
    row("94 colour", [](Hid_Thread &h) { (void)h.hid_94H_GetColor(5); }, "00 94 00 05 00 00 00 00 66");
    row("90 LED stage colours", [](Hid_Thread &h) { (void)h.hid_90H_GetLED8StageColor(1); },
        "00 90 01 00 00 00 00 00 6E");
    row("91 DPI set", [](Hid_Thread &h) { (void)h.hid_91H_GetDPISet(); }, "00 91 00 00 00 00 00 00 6E");
    row("92 key matrix", [](Hid_Thread &h) { (void)h.hid_92H_GetKeyMatrix(); }, "00 92 01 00 00 00 00 00 6C");
    row("93 macro", [](Hid_Thread &h) { (void)h.hid_93H_GetMacroKey(3); }, "00 93 03 00 00 00 00 00 69");
    row("8D key matrix (64-byte family)", [](Hid_Thread &h) { (void)h.hid_8DH_GetKeyMatrix(); },
        "00 8D 00 00 00 00 00 00 72");
    row("8E key on/off", [](Hid_Thread &h) { (void)h.hid_8EH_GetKeyOnOff(); }, "00 8E 00 00 00 00 00 00 71");
    row("91 macro (64-byte family)", [](Hid_Thread &h) { (void)h.hid_91H_GetMacroKey(4); },
        "00 91 00 04 00 00 00 00 6A");
    row("92 user picture", [](Hid_Thread &h) { (void)h.hid_92H_GetUserPicture(2); },
        "00 92 00 02 00 00 00 00 6B");
}

void CommandsTest::getFrames()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, frame);
    LinkOnSimulator sim;
    command(sim.link);
    QCOMPARE(sim.frames(), QList<QByteArray>{frame});
    QCOMPARE(sim.peer.recorded(Kind::FeatureReply).size(), 1);
}

void CommandsTest::tableFrames_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("bytes");
    auto row = [](const char *name, Family f, Command c, const char *frame, int n) {
        QTest::newRow(name) << int(f) << c << hexBytes(frame) << n;
    };
    row("10 LED type 2 carries 4 bytes", Family::Mouse, [](Hid_Thread &h) { h.hid_10H_SetLED8StageColor(2, block()); },
        "00 10 02 04 00 00 00 00 E9", 4);
    row("10 other LED types carry 24", Family::Mouse, [](Hid_Thread &h) { h.hid_10H_SetLED8StageColor(1, block()); },
        "00 10 01 18 00 00 00 00 D6", 24);
    row("11 DPI set", Family::Mouse, [](Hid_Thread &h) { h.hid_11H_SetDPISet(6, block()); },
        "00 11 06 08 00 00 00 00 E0", 8);
    row("12 key matrix 1", Family::Mouse, [](Hid_Thread &h) { h.hid_12H_SetKeyMatrix(block(), 1); },
        "00 12 01 40 08 00 00 00 A4", 64);
    row("13 macro slot 2", Family::Mouse, [](Hid_Thread &h) { h.hid_13H_SetMacroKey(2, block()); },
        "00 13 02 80 00 00 00 00 6A", 128);
    row("0D key matrix 512", Family::KeyboardClass, [](Hid_Thread &h) { h.hid_0DH_SetKeyMatrix(block()); },
        "00 0D 00 00 08 00 00 00 EA", 512);
    row("0E key on/off", Family::KeyboardClass, [](Hid_Thread &h) { h.hid_0EH_SetKeyOnOff(block()); },
        "00 0E 00 00 15 00 00 00 DC", 21);
    row("11 macro 192", Family::KeyboardClass, [](Hid_Thread &h) { h.hid_11H_SetMacroKey(5, block()); },
        "00 11 00 05 03 00 00 00 E6", 192);
    row("12 user picture", Family::KeyboardClass, [](Hid_Thread &h) { h.hid_12H_SetUserPicture(1, 7, block()); },
        "00 12 00 01 08 07 00 00 DD", 512);
}

void CommandsTest::tableFrames()
{
    QFETCH(int, family);
    QFETCH(Command, command);
    QFETCH(QByteArray, frame);
    QFETCH(int, bytes);
    LinkOnSimulator sim{Family(family)};
    for (int i = 0; i < 512; ++i)
        g_block[i] = uchar(i ^ 0x5A);
    command(sim.link);
    QCOMPARE(sim.frames(), QList<QByteArray>{frame});
    QByteArray carried;
    for (const QByteArray &report : sim.outputReports())
        carried += report.mid(1);
    QCOMPARE(carried.left(bytes), QByteArray(reinterpret_cast<const char *>(g_block), bytes));
    QCOMPARE(carried.mid(bytes).count('\0'), carried.size() - bytes);
}

void CommandsTest::setCommandsReachTheMouse()
{
    LinkOnSimulator sim;
    Hid_Thread &h = sim.link;
    h.hid_01H_SetReportRate(4);
    h.hid_02H_SetCurrentProfile(2);
    h.hid_03H_SetFunctionOption(1, 4, 0x45, 0x40);
    h.hid_04H_SetGunData(0x34, 0x01, 0, 0, 1);
    h.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6);
    h.hid_0BH_SetCurrentDPIStage(5);
    h.hid_0DH_SetRGBLedEffect(7, 8, 9);
    h.hid_0EH_SetXYSensitive(11, 12);
    h.hid_14H_SetColor(3, 255, 0, 16);
    h.waitForPendingExchange();
    const MouseState s = sim.peer.state();
    QCOMPARE(s.reportRate, uchar(4));
    QCOMPARE(s.profile, uchar(2));
    QCOMPARE(s.options, (std::array<uint8_t, 4>{{1, 4, 0x45, 0x40}}));
    QCOMPARE(s.gunLengths[1], uint16_t(0x134));
    QCOMPARE(s.ledType, (std::array<uint8_t, 6>{{1, 2, 3, 4, 5, 6}}));
    QCOMPARE(s.dpiStage, uchar(5));
    QCOMPARE(s.rgbEffect, (std::array<uint8_t, 3>{{7, 8, 9}}));
    QCOMPARE(s.xySensitivity, (std::array<uint8_t, 2>{{11, 12}}));
    QCOMPARE(s.colors.value(3), (std::array<uint8_t, 3>{{255, 0, 16}}));

    h.hid_13H_SetRecoveryData();
    h.waitForPendingExchange();
    QCOMPARE(sim.peer.state().reportRate, MouseState().reportRate);
    QCOMPARE(sim.peer.state().recoveries, 1);
}

void CommandsTest::getCommandsReadTheMouse()
{
    LinkOnSimulator sim;
    MouseState s;
    s.reportRate = 8;
    s.profile = 3;
    s.options = {{0x01, 0x02, 0x45, 0x40}};
    s.buttonSensitivity = {{1, 2, 3, 4}};
    s.ledInstruct[2] = {{7, 8, 9}};
    s.ledType = {{0x11, 2, 3, 4, 5, 6}};
    s.keyboardMode = 1;
    s.dpiStage = 4;
    s.rgbEffect = {{5, 6, 7}};
    s.colors[9] = {{10, 20, 30}};
    sim.peer.setState(s);
    Hid_Thread &h = sim.link;

    QCOMPARE(h.hid_81H_GetReportRate().value_or(0), uchar(8));
    QCOMPARE(h.hid_82H_GetCurrentProfile().value_or(0), uchar(3));
    const KeyboardOptions o = h.hid_83H_GetKeyboardoption().value_or(KeyboardOptions{});
    QCOMPARE((QList<uchar>{o.byte1, o.byte2, o.byte3, o.byte4}), (QList<uchar>{1, 2, 0x45, 0x40}));
    const FunctionOption f = h.hid_83H_GetFunctionOption().value_or(FunctionOption{}); // the rate byte is skipped
    QCOMPARE((QList<uchar>{f.type, f.option1, f.option2}), (QList<uchar>{1, 0x45, 0x40}));
    const ButtonSensitivity bs = h.hid_84H_GetButtonSensitivity().value_or(ButtonSensitivity{});
    QCOMPARE((QList<uchar>{bs.sens1, bs.sens2, bs.sens3, bs.sens4}), (QList<uchar>{1, 2, 3, 4}));
    const LedInstruct li = h.hid_87H_GetLEDInstructFunction(2).value_or(LedInstruct{});
    QCOMPARE((QList<uchar>{li.option1, li.option2, li.option3}), (QList<uchar>{7, 8, 9}));
    const LedType lt = h.hid_88H_GetLEDType().value_or(LedType{}); // the option byte is skipped
    QCOMPARE((QList<uchar>{lt.effect, lt.speed, lt.light, lt.color, lt.direction}), (QList<uchar>{2, 3, 4, 5, 6}));
    QCOMPARE(h.hid_89H_GetKeyboardMode().value_or(0), uchar(1));
    QCOMPARE(h.hid_8BH_GetCurrentDPIStage().value_or(0), uchar(4));
    const RgbEffect re = h.hid_8DH_GetRGBLedEffect().value_or(RgbEffect{});
    QCOMPARE((QList<uchar>{re.effect, re.option1, re.option2}), (QList<uchar>{5, 6, 7}));
    const Colour c = h.hid_94H_GetColor(9).value_or(Colour{});
    QCOMPARE((QList<uchar>{c.red, c.green, c.blue}), (QList<uchar>{10, 20, 30}));
    QCOMPARE(sim.peer.openHandleCount(), 0);
}

void CommandsTest::firmwareVersionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.0A") << 0x01 << 0x0a << "1.0A";
    QTest::newRow("lower-case major, upper-case minor") << 0x1b << 0xc3 << "1b.C3";
    QTest::newRow("minor padded to two digits") << 0x02 << 0x00 << "2.00";
}

void CommandsTest::firmwareVersionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, text);
    LinkOnSimulator sim;
    MouseState s;
    s.firmwareMajor = uint8_t(major);
    s.firmwareMinor = uint8_t(minor);
    sim.peer.setState(s);
    QCOMPARE(sim.link.hid_80H_GetFWVersion().value_or(QString()), text);
}

namespace {

QByteArray bytes(const uchar *data, int n)
{
    return QByteArray(reinterpret_cast<const char *>(data), n);
}

} // namespace

void CommandsTest::tablesRoundTrip()
{
    LinkOnSimulator sim;
    Hid_Thread &h = sim.link;
    uchar codes[8] = {7, 15, 0x80, 31, 0x59, 0x68, 0x80, 0x80};
    h.hid_11H_SetDPISet(6, codes);
    const std::optional<DpiSet> set = h.hid_91H_GetDPISet();
    QVERIFY(set);
    QCOMPARE(set->maxStage, uchar(6));
    QCOMPARE(bytes(set->codes.data(), 8), bytes(codes, 8));

    uchar macro[128];
    for (int i = 0; i < 128; ++i)
        macro[i] = uchar(255 - i);
    h.hid_13H_SetMacroKey(7, macro);
    QCOMPARE(h.hid_93H_GetMacroKey(7).value_or(QByteArray()), bytes(macro, 128));

    uchar matrix[64];
    for (int i = 0; i < 64; ++i)
        matrix[i] = uchar(i);
    h.hid_12H_SetKeyMatrix(matrix, 1);
    QCOMPARE(h.hid_92H_GetKeyMatrix().value_or(QByteArray()), bytes(matrix, 64));

    uchar colours[24];
    for (int i = 0; i < 24; ++i)
        colours[i] = uchar(i + 100);
    h.hid_10H_SetLED8StageColor(0, colours);
    h.hid_10H_SetLED8StageColor(2, colours);
    QCOMPARE(h.hid_90H_GetLED8StageColor(0).value_or(QByteArray()), bytes(colours, 24));
    QCOMPARE(h.hid_90H_GetLED8StageColor(2).value_or(QByteArray()), bytes(colours, 4));
}

void CommandsTest::keyboardFamilyTablesRoundTrip()
{
    LinkOnSimulator sim{Family::KeyboardClass};
    Hid_Thread &h = sim.link;
    uchar table[512];
    for (int i = 0; i < 512; ++i)
        table[i] = uchar(i * 3);
    h.hid_0DH_SetKeyMatrix(table);
    h.hid_0EH_SetKeyOnOff(table);
    h.hid_11H_SetMacroKey(2, table);
    QCOMPARE(h.hid_8DH_GetKeyMatrix().value_or(QByteArray()), bytes(table, 512));
    QCOMPARE(h.hid_8EH_GetKeyOnOff().value_or(QByteArray()), bytes(table, 21));
    QCOMPARE(h.hid_91H_GetMacroKey(2).value_or(QByteArray()), bytes(table, 192));
}

namespace {

// Which GETs handed something back, in the order of the command tables;
// `before` runs before each of them.
QString answered(Hid_Thread &h, const std::function<void()> &before)
{
    const std::function<bool()> gets[] = {
        [&h] { return h.hid_80H_GetFWVersion().has_value(); },
        [&h] { return h.hid_81H_GetReportRate().has_value(); },
        [&h] { return h.hid_82H_GetCurrentProfile().has_value(); },
        [&h] { return h.hid_83H_GetKeyboardoption().has_value(); },
        [&h] { return h.hid_83H_GetFunctionOption().has_value(); },
        [&h] { return h.hid_84H_GetButtonSensitivity().has_value(); },
        [&h] { return h.hid_87H_GetLEDInstructFunction(0).has_value(); },
        [&h] { return h.hid_88H_GetLEDType().has_value(); },
        [&h] { return h.hid_89H_GetKeyboardMode().has_value(); },
        [&h] { return h.hid_8BH_GetCurrentDPIStage().has_value(); },
        [&h] { return h.hid_8DH_GetRGBLedEffect().has_value(); },
        [&h] { return h.hid_94H_GetColor(1).has_value(); },
        [&h] { return h.hid_90H_GetLED8StageColor(1).has_value(); },
        [&h] { return h.hid_91H_GetDPISet().has_value(); },
        [&h] { return h.hid_92H_GetKeyMatrix().has_value(); },
        [&h] { return h.hid_93H_GetMacroKey(1).has_value(); },
    };
    QString out;
    for (const auto &get : gets) {
        before();
        out += get() ? QLatin1Char('y') : QLatin1Char('-');
    }
    return out;
}

} // namespace

void CommandsTest::failedGetGivesNothing_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("answers");
    const QString none(16, QLatin1Char('-'));
    QTest::newRow("a mouse holding zeros answers every GET") << Fault::None << QString(16, QLatin1Char('y'));
    QTest::newRow("mouse absent") << Fault::Absent << none;
    QTest::newRow("request refused, unanswered") << Fault::Refused << none;
    QTest::newRow("gone after the request frame") << Fault::GoneMidExchange << none;
}

void CommandsTest::failedGetGivesNothing()
{
    QFETCH(Fault, fault);
    QFETCH(QString, answers);
    LinkOnSimulator sim;
    MouseState zeros;
    zeros.reportRate = zeros.keyboardMode = zeros.dpiStage = zeros.dpiStageCount = 0;
    zeros.options = {};
    zeros.ledType = {};
    zeros.buttonSensitivity = {};
    zeros.dpiCodes = {};
    zeros.rgbEffect = {};
    zeros.firmwareMajor = zeros.firmwareMinor = 0;
    sim.peer.setState(zeros);
    std::function<void()> before = [] {};
    switch (fault) {
    case Fault::None: break;
    case Fault::Absent: sim.peer.unplug(); break;
    case Fault::Refused: sim.peer.setBusy(true); break;
    case Fault::GoneMidExchange:
        before = [&sim] { // each GET on a mouse plugged back in, pulled after its request
            sim.peer.replug();
            sim.link.updateDeviceList(sim.peer.deviceTable());
            sim.peer.unplugAfter(SimulatedMouse::Operation::SendFeature);
        };
        break;
    }
    DebugCapture debug;
    QCOMPARE(answered(sim.link, before), answers);
    QVERIFY(debug.lines().isEmpty());
    QCOMPARE(sim.peer.openHandleCount(), 0);
}

void CommandsTest::setResultSaysWhetherTheMouseTookIt_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("settingTaken");
    QTest::addColumn<bool>("tableTaken");
    QTest::newRow("mouse there: taken") << Fault::None << true << true;
    QTest::newRow("mouse absent: not taken") << Fault::Absent << false << false;
    QTest::newRow("frame refused: not taken") << Fault::Refused << false << false;
    QTest::newRow("gone after the first data report: the table is not taken") << Fault::GoneMidExchange << true
                                                                                 << false;
}

void CommandsTest::setResultSaysWhetherTheMouseTookIt()
{
    QFETCH(Fault, fault);
    QFETCH(bool, settingTaken);
    QFETCH(bool, tableTaken);
    LinkOnSimulator sim;
    switch (fault) {
    case Fault::Absent: sim.peer.unplug(); break;
    case Fault::Refused: sim.peer.setBusy(true); break;
    case Fault::GoneMidExchange: sim.peer.unplugAfter(SimulatedMouse::Operation::Write); break;
    default: break;
    }
    QCOMPARE(sim.link.hid_0BH_SetCurrentDPIStage(4).taken(), settingTaken);
    QCOMPARE(sim.link.hid_13H_SetMacroKey(1, g_block).taken(), tableTaken);
    QCOMPARE(SetResult().taken(), false); // never sent
}

void CommandsTest::busyTransportGivesNothing()
{
    LinkOnSimulator sim;
    sim.peer.setLatency(800); // the exchange outlasts three shortened waits
    Hid_Thread &h = sim.link;
    const SetResult first = h.hid_0BH_SetCurrentDPIStage(1);
    DebugCapture debug;
    QVERIFY(!h.hid_80H_GetFWVersion());
    QVERIFY(!h.hid_91H_GetDPISet());
    const SetResult dropped = h.hid_01H_SetReportRate(2);
    QVERIFY(dropped.isKnown());
    QVERIFY(!dropped.taken());
    QCOMPARE(debug.lines(), (QStringList{"cmd Failed", "cmd Failed", "cmd Failed 01"}));
    QVERIFY(first.taken());
}

QTEST_GUILESS_MAIN(CommandsTest)
#include "tst_commands.moc"
