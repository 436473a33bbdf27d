// Every command's exact request frame and data phase, what GET commands hand
// back from the mouse, after a failed exchange and after a busy transport.

#include "devicefixture.h"

#include <QTest>

#include <functional>

using Kind = SimulatedMouse::Record::Kind;
using Family = SimulatedMouse::Family;
using Command = std::function<void(Hid_Thread &)>;
Q_DECLARE_METATYPE(Command)

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

    void failedExchangeYieldsReplyFill();
    void busyTransportLeavesOutputsUntouched();
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
    static uchar a, b, c, d, e;
    static QString text;
    auto row = [](const char *name, Command cmd, const char *frame) {
        QTest::newRow(name) << cmd << hexBytes(frame);
    };
    row("80 firmware", [](Hid_Thread &h) { h.hid_80H_GetFWVersion(text); }, "00 80 00 00 00 00 00 00 7F");
    row("81 rate", [](Hid_Thread &h) { h.hid_81H_GetReportRate(a); }, "00 81 00 00 00 00 00 00 7E");
    row("82 profile", [](Hid_Thread &h) { h.hid_82H_GetCurrentProfile(a); }, "00 82 00 00 00 00 00 00 7D");
    row("83 keyboard option", [](Hid_Thread &h) { h.hid_83H_GetKeyboardoption(a, b, c, d); },
        "00 83 00 00 00 00 00 00 7C");
    row("83 function option", [](Hid_Thread &h) { h.hid_83H_GetFunctionOption(a, b, c); },
        "00 83 00 00 00 00 00 00 7C");
    row("84 sensitivity", [](Hid_Thread &h) { h.hid_84H_GetButtonSensitivity(a, b, c, d); },
        "00 84 00 00 00 00 00 00 7B");
    row("87 LED instruct", [](Hid_Thread &h) { h.hid_87H_GetLEDInstructFunction(2, a, b, c); },
        "00 87 02 00 00 00 00 00 76");
    row("88 LED type", [](Hid_Thread &h) { h.hid_88H_GetLEDType(a, b, c, d, e); }, "00 88 00 00 00 00 00 00 77");
    row("89 keyboard mode", [](Hid_Thread &h) { h.hid_89H_GetKeyboardMode(a); }, "00 89 00 00 00 00 00 00 76");
    row("8B DPI stage", [](Hid_Thread &h) { h.hid_8BH_GetCurrentDPIStage(a); }, "00 8B 00 00 00 00 00 00 74");
    row("8D RGB effect", [](Hid_Thread &h) { h.hid_8DH_GetRGBLedEffect(a, b, c); }, "00 8D 00 00 00 00 00 00 72");
    row("94 colour", [](Hid_Thread &h) { h.hid_94H_GetColor(5, a, b, c); }, "00 94 00 05 00 00 00 00 66");
    row("90 LED stage colours", [](Hid_Thread &h) { h.hid_90H_GetLED8StageColor(1, block()); },
        "00 90 01 00 00 00 00 00 6E");
    row("91 DPI set", [](Hid_Thread &h) { h.hid_91H_GetDPISet(a, block()); }, "00 91 00 00 00 00 00 00 6E");
    row("92 key matrix", [](Hid_Thread &h) { h.hid_92H_GetKeyMatrix(block()); }, "00 92 01 00 00 00 00 00 6C");
    row("93 macro", [](Hid_Thread &h) { h.hid_93H_GetMacroKey(3, block()); }, "00 93 03 00 00 00 00 00 69");
    row("8D key matrix (64-byte family)", [](Hid_Thread &h) { h.hid_8DH_GetKeyMatrix(block()); },
        "00 8D 00 00 00 00 00 00 72");
    row("8E key on/off", [](Hid_Thread &h) { h.hid_8EH_GetKeyOnOff(block()); }, "00 8E 00 00 00 00 00 00 71");
    row("91 macro (64-byte family)", [](Hid_Thread &h) { h.hid_91H_GetMacroKey(4, block()); },
        "00 91 00 04 00 00 00 00 6A");
    row("92 user picture", [](Hid_Thread &h) { h.hid_92H_GetUserPicture(2, block()); },
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

    uchar a = 0, b = 0, c = 0, d = 0, e = 0;
    h.hid_81H_GetReportRate(a);
    QCOMPARE(a, uchar(8));
    h.hid_82H_GetCurrentProfile(a);
    QCOMPARE(a, uchar(3));
    h.hid_83H_GetKeyboardoption(a, b, c, d);
    QCOMPARE((QList<uchar>{a, b, c, d}), (QList<uchar>{1, 2, 0x45, 0x40}));
    a = b = c = 0;
    h.hid_83H_GetFunctionOption(a, b, c); // the rate byte is skipped
    QCOMPARE((QList<uchar>{a, b, c}), (QList<uchar>{1, 0x45, 0x40}));
    h.hid_84H_GetButtonSensitivity(a, b, c, d);
    QCOMPARE((QList<uchar>{a, b, c, d}), (QList<uchar>{1, 2, 3, 4}));
    QVERIFY(h.hid_87H_GetLEDInstructFunction(2, a, b, c));
    QCOMPARE((QList<uchar>{a, b, c}), (QList<uchar>{7, 8, 9}));
    h.hid_88H_GetLEDType(a, b, c, d, e); // the option byte is skipped
    QCOMPARE((QList<uchar>{a, b, c, d, e}), (QList<uchar>{2, 3, 4, 5, 6}));
    h.hid_89H_GetKeyboardMode(a);
    QCOMPARE(a, uchar(1));
    h.hid_8BH_GetCurrentDPIStage(a);
    QCOMPARE(a, uchar(4));
    h.hid_8DH_GetRGBLedEffect(a, b, c);
    QCOMPARE((QList<uchar>{a, b, c}), (QList<uchar>{5, 6, 7}));
    h.hid_94H_GetColor(9, a, b, c);
    QCOMPARE((QList<uchar>{a, b, c}), (QList<uchar>{10, 20, 30}));
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
    QString version;
    sim.link.hid_80H_GetFWVersion(version);
    QCOMPARE(version, text);
}

void CommandsTest::tablesRoundTrip()
{
    LinkOnSimulator sim;
    Hid_Thread &h = sim.link;
    uchar codes[8] = {7, 15, 0x80, 31, 0x59, 0x68, 0x80, 0x80};
    h.hid_11H_SetDPISet(6, codes);
    uchar stages = 0;
    uchar back[8] = {};
    QVERIFY(h.hid_91H_GetDPISet(stages, back));
    QCOMPARE(stages, uchar(6));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(back), 8), QByteArray(reinterpret_cast<char *>(codes), 8));

    uchar macro[128];
    for (int i = 0; i < 128; ++i)
        macro[i] = uchar(255 - i);
    h.hid_13H_SetMacroKey(7, macro);
    uchar macroBack[128] = {};
    h.hid_93H_GetMacroKey(7, macroBack);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(macroBack), 128), QByteArray(reinterpret_cast<char *>(macro), 128));

    uchar matrix[64];
    for (int i = 0; i < 64; ++i)
        matrix[i] = uchar(i);
    h.hid_12H_SetKeyMatrix(matrix, 1);
    uchar matrixBack[64] = {};
    h.hid_92H_GetKeyMatrix(matrixBack);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(matrixBack), 64), QByteArray(reinterpret_cast<char *>(matrix), 64));

    uchar colours[24];
    for (int i = 0; i < 24; ++i)
        colours[i] = uchar(i + 100);
    h.hid_10H_SetLED8StageColor(0, colours);
    h.hid_10H_SetLED8StageColor(2, colours);
    uchar coloursBack[24] = {};
    h.hid_90H_GetLED8StageColor(0, coloursBack);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(coloursBack), 24), QByteArray(reinterpret_cast<char *>(colours), 24));
    uchar fourBack[24] = {};
    h.hid_90H_GetLED8StageColor(2, fourBack);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(fourBack), 24),
             QByteArray(reinterpret_cast<char *>(colours), 4) + QByteArray(20, '\0'));
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
    uchar back[512] = {};
    h.hid_8DH_GetKeyMatrix(back);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(back), 512), QByteArray(reinterpret_cast<char *>(table), 512));
    uchar onOff[21] = {};
    h.hid_8EH_GetKeyOnOff(onOff);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(onOff), 21), QByteArray(reinterpret_cast<char *>(table), 21));
    uchar macro[192] = {};
    h.hid_91H_GetMacroKey(2, macro);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(macro), 192), QByteArray(reinterpret_cast<char *>(table), 192));
}

void CommandsTest::failedExchangeYieldsReplyFill()
{
    LinkOnSimulator sim;
    sim.peer.unplug();
    Hid_Thread &h = sim.link;
    DebugCapture debug;

    QString version = QStringLiteral("1.00");
    h.hid_80H_GetFWVersion(version);
    QCOMPARE(version, QStringLiteral("unknown"));

    uchar rate = 1, profile = 5;
    h.hid_81H_GetReportRate(rate);
    h.hid_82H_GetCurrentProfile(profile);
    QCOMPARE(rate, uchar(1));
    QCOMPARE(profile, uchar(5));

    uchar b1 = 1, b2 = 2, b3 = 3, b4 = 4;
    h.hid_83H_GetKeyboardoption(b1, b2, b3, b4);
    QCOMPARE((QList<uchar>{b1, b2, b3, b4}), (QList<uchar>{1, 2, 3, 4}));
    h.hid_83H_GetFunctionOption(b1, b3, b4); // its fill is all zeros
    QCOMPARE((QList<uchar>{b1, b3, b4}), (QList<uchar>{0, 0, 0}));

    uchar o1 = 7, o2 = 8, o3 = 9;
    QVERIFY(!h.hid_87H_GetLEDInstructFunction(1, o1, o2, o3));
    QCOMPARE((QList<uchar>{o1, o2, o3}), (QList<uchar>{7, 8, 9}));

    uchar e = 1, s = 2, l = 3, c = 4, d = 5;
    h.hid_88H_GetLEDType(e, s, l, c, d);
    QCOMPARE((QList<uchar>{e, s, l, c, d}), (QList<uchar>{1, 2, 3, 4, 5}));

    uchar stage = 6;
    h.hid_8BH_GetCurrentDPIStage(stage);
    QCOMPARE(stage, uchar(0));

    uchar r = 10, g = 20, b = 30;
    h.hid_94H_GetColor(2, r, g, b);
    QCOMPARE((QList<uchar>{r, g, b}), (QList<uchar>{10, 20, 30}));

    uchar codes[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    uchar stages = 3;
    QVERIFY(!h.hid_91H_GetDPISet(stages, codes));
    QCOMPARE(stages, uchar(3));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(codes), 8), QByteArray(8, '\1'));

    uchar macro[128];
    std::fill(std::begin(macro), std::end(macro), uchar(0xAB));
    h.hid_93H_GetMacroKey(1, macro);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(macro), 128), QByteArray(128, '\xAB'));

    QVERIFY(debug.lines().isEmpty());
}

void CommandsTest::busyTransportLeavesOutputsUntouched()
{
    LinkOnSimulator sim;
    sim.peer.setLatency(800); // the exchange outlasts six shortened waits
    Hid_Thread &h = sim.link;
    h.hid_0BH_SetCurrentDPIStage(1);
    DebugCapture debug;

    QString version = QStringLiteral("kept");
    h.hid_80H_GetFWVersion(version);
    QCOMPARE(version, QStringLiteral("kept"));
    uchar a = 9, b = 9, c = 9;
    h.hid_83H_GetFunctionOption(a, b, c);
    h.hid_8BH_GetCurrentDPIStage(a);
    h.hid_8DH_GetRGBLedEffect(a, b, c);
    QCOMPARE((QList<uchar>{a, b, c}), (QList<uchar>{9, 9, 9}));
    QVERIFY(!h.hid_87H_GetLEDInstructFunction(1, a, b, c));
    uchar codes[8] = {4, 4, 4, 4, 4, 4, 4, 4};
    QVERIFY(!h.hid_91H_GetDPISet(a, codes));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(codes), 8), QByteArray(8, '\4'));
    QCOMPARE(debug.lines(), QStringList(6, QStringLiteral("cmd Failed")));
}

QTEST_GUILESS_MAIN(CommandsTest)
#include "tst_commands.moc"
