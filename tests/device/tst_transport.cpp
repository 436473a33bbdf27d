// The transport under the commands: device table, enumeration, framing,
// chunked data phases, failures part-way, the transport-free flag and its waits.

#include "devicefixture.h"

#include "device/protocol.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using Kind = SimulatedMouse::Record::Kind;
using Family = SimulatedMouse::Family;

class TransportTest : public QObject
{
    Q_OBJECT

private slots:
    void checksum_data();
    void checksum();

    void shippedTableDescribesTwoDevices();
    void productNames_data();
    void productNames();
    void damagedTableFallsBackToDefaults();
    void tableWithOneDescriptionLeavesMouseAbsent();

    void enumerationFindsBothInterfaces();
    void enumerationListingTwiceKeepsLastPair();
    void enumerationWithoutEventInterfaceLeavesRecordAbsent();

    void setDataPhaseChunks_data();
    void setDataPhaseChunks();
    void getDataPhaseChunks_data();
    void getDataPhaseChunks();
    void everyExchangeClosesItsHandles();

    void writeFailurePartWayReleasesTransport();
    void readFailurePartWayGivesNothing();
    void silentMouseFailsTheExchangeInsteadOfHanging();
    void rejectedFrameFailsTheGet();

    void busyTransportDropsCommandWithItsText_data();
    void busyTransportDropsCommandWithItsText();
    void removalBetweenCommandsFailsSilently();

    void settlePauseTakesRealTime();
    void commandWaitsForRunningSet();
    void commandGivesUpAfter2040ms();
};

void TransportTest::checksum_data()
{
    QTest::addColumn<QByteArray>("codeAndParams");
    QTest::addColumn<int>("expected");
    QTest::newRow("01 with p1 02") << hexBytes("01 02 00 00 00 00 00") << 0xFC;
    QTest::newRow("all zero") << hexBytes("00 00 00 00 00 00 00") << 0xFF;
    QTest::newRow("DPI stage 2") << hexBytes("0B 02 00 00 00 00 00") << 0xF2;
    QTest::newRow("sum wraps past 255") << hexBytes("FF FF 02 00 00 00 00") << 0xFF - 0x00;
    QTest::newRow("macro header") << hexBytes("13 02 80 00 00 00 00") << 0x6A;
}

void TransportTest::checksum()
{
    QFETCH(QByteArray, codeAndParams);
    QFETCH(int, expected);
    QCOMPARE(int(Protocol::checksum(reinterpret_cast<const uint8_t *>(codeAndParams.constData()))), expected);
}

void TransportTest::shippedTableDescribesTwoDevices()
{
    QTemporaryDir dir;
    const QList<DeviceDescription> table = loadDeviceDescriptions(QStringLiteral(":/DevInfo.ini"),
                                                                  dir.filePath(QStringLiteral("none.bin")));
    QCOMPARE(table.size(), 2);
    QCOMPARE(table[0].type, 0);
    QCOMPARE(table[0].vid, quint16(0x04d9));
    QCOMPARE(table[0].pid, quint16(0x8008));
    QCOMPARE(table[0].usagePage, quint16(0xff01));
    QCOMPARE(table[0].usage, quint16(0x0001));
    QCOMPARE(table[0].usagePage2, quint16(0xff02));
    QCOMPARE(table[0].usage2, quint16(0x0001));
    QCOMPARE(table[0].reportLength, 64u);
    QCOMPARE(table[1].type, 1);
    QCOMPARE(table[1].pid, quint16(0xa1ee));
    QCOMPARE(table[1].usagePage, quint16(0xff00));
    QCOMPARE(table[1].usage, quint16(0xff00));
    QCOMPARE(table[1].usagePage2, quint16(0xff01));
    QCOMPARE(table[1].usage2, quint16(0xff01));
    QCOMPARE(table[1].reportLength, 32u);

    QFile raw(QStringLiteral(":/DevInfo.ini"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readAll().startsWith("; type 0: Keyboard, type 1: Mouse"));
}

void TransportTest::productNames_data()
{
    QTest::addColumn<QString>("config");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one name per description")
        << "[common]\nproduct_name=Pad, Q530\n" << QStringList{"Pad", "Q530"};
    QTest::newRow("list shorter than the table") << "[common]\nproduct_name=Pad\n" << QStringList{"Pad", ""};
    QTest::newRow("no list") << "[common]\nlanguage=English\n" << QStringList{"", ""};
}

void TransportTest::productNames()
{
    QFETCH(QString, config);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("apConfig.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(config.toUtf8());
    file.close();
    const QList<DeviceDescription> table = loadDeviceDescriptions(QStringLiteral(":/DevInfo.ini"), file.fileName());
    QCOMPARE(table.size(), 2);
    QCOMPARE((QStringList{table[0].productName, table[1].productName}), expected);
}

void TransportTest::damagedTableFallsBackToDefaults()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("DevInfo.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[common]\ntotal=2\n[1]\ntype=zz\nvid=nothex\npid=a1ee\nreportLength=-5\n");
    file.close();
    const QList<DeviceDescription> table = loadDeviceDescriptions(file.fileName(), dir.filePath("none"));
    QCOMPARE(table.size(), 2);
    QCOMPARE(table[0].type, -1);
    QCOMPARE(table[1].type, -1);
    QCOMPARE(table[1].vid, quint16(0));
    QCOMPARE(table[1].pid, quint16(0xa1ee));
    QCOMPARE(table[1].reportLength, 0u);
}

void TransportTest::tableWithOneDescriptionLeavesMouseAbsent()
{
    SimulatedMouse peer;
    Hid_Thread link(&peer);
    link.setSleeper([](int) {});
    link.updateDeviceList(peer.deviceTable().mid(0, 1));
    QCOMPARE(link.deviceList().size(), 1);

    DebugCapture debug;
    QVERIFY(!link.hid_81H_GetReportRate());
    QVERIFY(!link.hid_02H_SetCurrentProfile(1).taken());
    QVERIFY(peer.records().isEmpty());
    QVERIFY(debug.lines().isEmpty());
}

void TransportTest::enumerationFindsBothInterfaces()
{
    LinkOnSimulator sim;
    const DeviceRecord mouse = sim.link.deviceList().at(1);
    QCOMPARE(mouse.index, 1);
    QCOMPARE(mouse.type, 1);
    QCOMPARE(mouse.productName, QStringLiteral("Simulated"));
    QCOMPARE(mouse.commandPath, QStringLiteral("sim:q530/if1"));
    QCOMPARE(mouse.eventPath, QStringLiteral("sim:q530/if2"));
    QCOMPARE(mouse.reportLength, 32u);
    // The other description is carried but never searched.
    QVERIFY(sim.link.deviceList().at(0).commandPath.isEmpty());
}

void TransportTest::enumerationListingTwiceKeepsLastPair()
{
    LinkOnSimulator sim;
    sim.peer.setListedTwice(true);
    sim.link.updateDeviceList(sim.peer.deviceTable());
    const DeviceRecord mouse = sim.link.deviceList().at(1);
    QCOMPARE(mouse.commandPath, QStringLiteral("sim:q530/if1-2"));
    QCOMPARE(mouse.eventPath, QStringLiteral("sim:q530/if2-2"));
}

void TransportTest::enumerationWithoutEventInterfaceLeavesRecordAbsent()
{
    LinkOnSimulator sim;
    QList<DeviceDescription> table = sim.peer.deviceTable();
    table[1].usage2 = 0x1234;
    sim.link.updateDeviceList(table);
    QVERIFY(sim.link.deviceList().at(1).commandPath.isEmpty());
    QVERIFY(sim.link.deviceList().at(1).eventPath.isEmpty());
}

namespace {

QByteArray pattern(int n)
{
    QByteArray block(n, '\0');
    for (int i = 0; i < n; ++i)
        block[i] = char(i * 7 + 1);
    return block;
}

} // namespace

void TransportTest::setDataPhaseChunks_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("reportLength");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("reports");
    QTest::newRow("8 bytes on a 32-byte mouse: one padded report") << int(Family::Mouse) << 32 << 8 << 1;
    QTest::newRow("64 bytes on a 32-byte mouse") << int(Family::Mouse) << 32 << 64 << 2;
    QTest::newRow("128 bytes on a 32-byte mouse") << int(Family::Mouse) << 32 << 128 << 4;
    QTest::newRow("21 bytes on a 64-byte device") << int(Family::KeyboardClass) << 64 << 21 << 1;
    QTest::newRow("192 bytes on a 64-byte device") << int(Family::KeyboardClass) << 64 << 192 << 3;
    QTest::newRow("512 bytes on a 64-byte device") << int(Family::KeyboardClass) << 64 << 512 << 8;
    QTest::newRow("512 bytes on a 32-byte device") << int(Family::KeyboardClass) << 32 << 512 << 16;
}

void TransportTest::setDataPhaseChunks()
{
    QFETCH(int, family);
    QFETCH(int, reportLength);
    QFETCH(int, n);
    QFETCH(int, reports);
    LinkOnSimulator sim(Family(family), reportLength);
    QByteArray block = pattern(n);
    uchar *src = reinterpret_cast<uchar *>(block.data());
    switch (n) {
    case 8: sim.link.hid_11H_SetDPISet(6, src); break;
    case 64: sim.link.hid_12H_SetKeyMatrix(src, 1); break;
    case 128: sim.link.hid_13H_SetMacroKey(2, src); break;
    case 21: sim.link.hid_0EH_SetKeyOnOff(src); break;
    case 192: sim.link.hid_11H_SetMacroKey(4, src); break;
    default: sim.link.hid_0DH_SetKeyMatrix(src); break;
    }
    block.fill('\xEE'); // the caller may reuse its block at once

    const QList<QByteArray> out = sim.outputReports();
    QCOMPARE(out.size(), reports);
    QByteArray carried;
    const int chunk = std::min(n, reportLength);
    for (const QByteArray &report : out) {
        QCOMPARE(report.size(), reportLength + 1);
        QCOMPARE(report.at(0), '\0');
        carried += report.mid(1, chunk);
        QVERIFY(report.mid(1 + chunk).count('\0') == report.size() - 1 - chunk);
    }
    QCOMPARE(carried, pattern(n));
}

void TransportTest::getDataPhaseChunks_data()
{
    QTest::addColumn<int>("reportLength");
    QTest::newRow("512 bytes on 64") << 64;
    QTest::newRow("512 bytes on 32") << 32;
}

void TransportTest::getDataPhaseChunks()
{
    QFETCH(int, reportLength);
    LinkOnSimulator sim(Family::KeyboardClass, reportLength);
    MouseState state;
    state.userPictures[3] = pattern(512);
    sim.peer.setState(state);
    QCOMPARE(sim.link.hid_92H_GetUserPicture(3).value_or(QByteArray()), pattern(512));
    QCOMPARE(sim.peer.recorded(Kind::InputReport).size(), 512 / reportLength);
}

void TransportTest::everyExchangeClosesItsHandles()
{
    LinkOnSimulator sim;
    QByteArray block = pattern(128);
    sim.link.hid_13H_SetMacroKey(1, reinterpret_cast<uchar *>(block.data()));
    sim.link.waitForPendingExchange();
    QCOMPARE(sim.peer.openHandleCount(), 0);
    QVERIFY(sim.link.hid_93H_GetMacroKey(1));
    QCOMPARE(sim.peer.openHandleCount(), 0);
    sim.peer.failAfter(SimulatedMouse::Operation::Write, 1);
    sim.link.hid_13H_SetMacroKey(1, reinterpret_cast<uchar *>(block.data()));
    sim.link.waitForPendingExchange();
    QCOMPARE(sim.peer.openHandleCount(), 0);
}

void TransportTest::writeFailurePartWayReleasesTransport()
{
    LinkOnSimulator sim;
    sim.peer.failAfter(SimulatedMouse::Operation::Write, 1);
    QByteArray block = pattern(128);
    QVERIFY(!sim.link.hid_13H_SetMacroKey(2, reinterpret_cast<uchar *>(block.data())).taken());
    QCOMPARE(sim.outputReports().size(), 1);
    // The slot holds no complete block, and the transport is free again.
    QVERIFY(!sim.peer.state().macroSlots.contains(2));
    sim.link.hid_0BH_SetCurrentDPIStage(3);
    QCOMPARE(sim.frames().last(), hexBytes("00 0B 03 00 00 00 00 00 F1"));
    QCOMPARE(sim.peer.state().dpiStage, uchar(3));
}

void TransportTest::readFailurePartWayGivesNothing()
{
    LinkOnSimulator sim(Family::KeyboardClass, 64);
    MouseState state;
    state.userPictures[0] = pattern(512);
    sim.peer.setState(state);
    sim.peer.failAfter(SimulatedMouse::Operation::Read, 2);
    QVERIFY(!sim.link.hid_92H_GetUserPicture(0));
    QCOMPARE(sim.link.hid_92H_GetUserPicture(0).value_or(QByteArray()), pattern(512));
}

void TransportTest::silentMouseFailsTheExchangeInsteadOfHanging()
{
    LinkOnSimulator sim;
    sim.peer.setSilent(true);
    QVERIFY(!sim.link.hid_91H_GetDPISet());
    // The transport came back: the next command goes through.
    sim.peer.setSilent(false);
    QCOMPARE(sim.link.hid_91H_GetDPISet().value_or(DpiSet{}).maxStage, uchar(6));
}

void TransportTest::rejectedFrameFailsTheGet()
{
    LinkOnSimulator sim;
    sim.peer.setBusy(true);
    QVERIFY(!sim.link.hid_81H_GetReportRate());
    QCOMPARE(sim.peer.recorded(Kind::Rejected).size(), 1);
    QVERIFY(sim.peer.recorded(Kind::FeatureReply).isEmpty());
}

void TransportTest::busyTransportDropsCommandWithItsText_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("text");
    QTest::newRow("SET names its code") << 0 << "cmd Failed 0B";
    QTest::newRow("SET table names its code") << 1 << "cmd Failed 13";
    QTest::newRow("GET says only failed") << 2 << "cmd Failed";
}

void TransportTest::busyTransportDropsCommandWithItsText()
{
    QFETCH(int, which);
    QFETCH(QString, text);
    LinkOnSimulator sim;
    sim.peer.setLatency(300); // keeps the first exchange running for a while
    sim.link.hid_01H_SetReportRate(2);

    DebugCapture debug;
    QByteArray block(128, 'm');
    bool answered = false;
    switch (which) {
    case 0: answered = sim.link.hid_0BH_SetCurrentDPIStage(4).taken(); break;
    case 1: answered = sim.link.hid_13H_SetMacroKey(1, reinterpret_cast<uchar *>(block.data())).taken(); break;
    default: answered = sim.link.hid_8BH_GetCurrentDPIStage().has_value(); break;
    }
    QCOMPARE(debug.lines(), QStringList{text});
    QVERIFY(!answered);
    QCOMPARE(sim.frames(), QList<QByteArray>{hexBytes("00 01 02 00 00 00 00 00 FC")});
}

void TransportTest::removalBetweenCommandsFailsSilently()
{
    LinkOnSimulator sim;
    QCOMPARE(sim.link.hid_81H_GetReportRate().value_or(0), uchar(1));

    sim.peer.unplug();
    DebugCapture debug;
    QVERIFY(!sim.link.hid_81H_GetReportRate());
    QVERIFY(!sim.link.hid_01H_SetReportRate(4).taken());
    QVERIFY(debug.lines().isEmpty());
    QCOMPARE(sim.peer.recorded(Kind::FeatureSent).size(), 1);
}

void TransportTest::settlePauseTakesRealTime()
{
    LinkOnSimulator sim;
    sim.link.setSleeper([](int ms) { QThread::msleep(ulong(ms)); });
    QElapsedTimer timer;
    timer.start();
    sim.link.hid_0BH_SetCurrentDPIStage(2); // with the settle pause
    sim.link.waitForPendingExchange();
    QVERIFY2(timer.elapsed() >= 128, qPrintable(QString::number(timer.elapsed())));

    QByteArray block = pattern(128);
    timer.restart();
    sim.link.hid_13H_SetMacroKey(1, reinterpret_cast<uchar *>(block.data())); // two pauses, 4 x 8 ms
    sim.link.waitForPendingExchange();
    QVERIFY2(timer.elapsed() >= 2 * 128 + 4 * 8, qPrintable(QString::number(timer.elapsed())));
}

void TransportTest::commandWaitsForRunningSet()
{
    LinkOnSimulator sim;
    sim.link.setSleeper([](int ms) { QThread::msleep(ulong(ms)); });
    DebugCapture debug;
    sim.link.hid_01H_SetReportRate(8);       // about 130 ms on the pool
    // Waits, then reads what the SET wrote.
    QCOMPARE(sim.link.hid_81H_GetReportRate().value_or(0), uchar(8));
    QVERIFY(debug.lines().isEmpty());
    QCOMPARE(sim.frames().size(), 2);
}

void TransportTest::commandGivesUpAfter2040ms()
{
    LinkOnSimulator sim;
    sim.link.setSleeper([](int ms) { QThread::msleep(ulong(ms)); });
    sim.peer.setLatency(1100);               // two opens and a send: over 3 s
    sim.link.hid_01H_SetReportRate(2);
    DebugCapture debug;
    QElapsedTimer timer;
    timer.start();
    sim.link.hid_02H_SetCurrentProfile(1);
    const qint64 waited = timer.elapsed();
    QCOMPARE(debug.lines(), QStringList{"cmd Failed 02"});
    QVERIFY2(waited >= 2040, qPrintable(QString::number(waited)));
    sim.peer.setLatency(0);
    sim.link.waitForPendingExchange();
    QCOMPARE(sim.peer.state().profile, uchar(0));
}

QTEST_GUILESS_MAIN(TransportTest)
#include "tst_transport.moc"
