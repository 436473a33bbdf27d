// The view model on real files in a temporary program folder and on the
// simulated mouse: what lands in which profile, what reaches the mouse and
// the system, and the language tables.

#include "../device/devicefixture.h"

#include "device/devicestate.h"
#include "platform/pointersettings.h"
#include "shell/viewhost.h"
#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Kind = SimulatedMouse::Record::Kind;

namespace {

// Records what the system would receive; can be told to refuse.
class RecordingPointer final : public PointerSettings
{
public:
    struct Log
    {
        QList<int> speeds;
        QList<unsigned> lines;
        QList<unsigned> doubleClickTimes;
        QList<MouseParams> written;
        MouseParams current{{6, 10, 1}};
        bool refuse = false;
    };

    explicit RecordingPointer(Log *log) : m_log(log) {}
    bool mouseParams(MouseParams &params) override
    {
        params = m_log->current;
        return !m_log->refuse;
    }
    bool setMouseParams(const MouseParams &params) override
    {
        if (m_log->refuse)
            return false;
        m_log->written.append(params);
        m_log->current = params;
        return true;
    }
    bool setMouseSpeed(int speed) override { return record(m_log->speeds, speed); }
    bool setWheelScrollLines(unsigned lines) override { return record(m_log->lines, lines); }
    bool setDoubleClickTime(unsigned ms) override { return record(m_log->doubleClickTimes, ms); }

private:
    template <typename T>
    bool record(QList<T> &list, T value)
    {
        list.append(value);
        return !m_log->refuse;
    }
    Log *m_log;
};

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant storedIn(int profileNumber, const QString &key)
{
    return QSettings(QStringLiteral("./modules/setting/p%1.bin").arg(profileNumber), QSettings::IniFormat).value(key);
}

} // namespace

class ViewModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void profileSwitchDecidesWhichFileIsWritten();
    void apConfigEntriesRoundTrip();
    void resetApconfigLeavesTheDefaultFile();
    void skinShownOnlyWithTwoSkins_data();
    void skinShownOnlyWithTwoSkins();
    void messageTextsFollowTheLanguage();

    void storedCopiesAndSentBytes();
    void gettersAskTheMouse();
    void dpiSetFeedsTheListenerTable();
    void shortListsNeverReadPastTheirEnd();
    void dpiStageIsAskedOnlyWhileVisible();
    void colourTablePacking_data();
    void colourTablePacking();
    void lightingEffectAndSensor();
    void xySensitivity();

    void pointerSpeedAndDoubleClick_data();
    void pointerSpeedAndDoubleClick();
    void scrollLinesPassUnchanged();
    void accelerationKeepsThresholds();
    void refusedSystemCallsSayWhich();
    void scrollSwapRewritesOnlyItsBit();
    void scrollSwapWritesNothingAfterAFailedRead_data();
    void scrollSwapWritesNothingAfterAFailedRead();

    void languagesAreListedWithClassicNumbers();
    void stringTablesPerGroup_data();
    void stringTablesPerGroup();
    void dpiTextsComeFromTheOtherGroup();
    void productLayoutStrings();
    void shippedChineseFileIsComplete();

private:
    QTemporaryDir *m_dir = nullptr;
    QString m_previousDir;
    LinkOnSimulator *m_sim = nullptr;
    myQQuickView *m_view = nullptr;
    RecordingPointer::Log m_pointer;
};

void ViewModelTest::init()
{
    m_previousDir = QDir::currentPath();
    m_dir = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(m_dir->path()));
    QDir().mkpath(QStringLiteral("modules/setting"));
    QDir().mkpath(QStringLiteral("modules/i18n"));
    writeFile(QStringLiteral("modules/setting/apConfigD.bin"),
              "[common]\nlanguage=English\nname0=Q530\ntotal=0\n\n[R8]\nprofileNo=0\n");
    DpiTables::reset();
    m_sim = new LinkOnSimulator;
    m_view = new myQQuickView(nullptr);
    m_view->setHid(&m_sim->link);
    m_pointer = RecordingPointer::Log();
    m_view->setPointerSettings(std::make_unique<RecordingPointer>(&m_pointer));
}

void ViewModelTest::cleanup()
{
    delete m_view;
    delete m_sim;
    QDir::setCurrent(m_previousDir);
    delete m_dir;
}

void ViewModelTest::profileSwitchDecidesWhichFileIsWritten()
{
    m_view->ui_01H_SetReportRate(4);
    m_view->ui_02H_SetCurrentProfile(3);
    m_view->ui_01H_SetReportRate(8);
    QCOMPARE(m_view->ui_81H_GetReportRate().toInt(), 8);
    m_view->ui_02H_SetCurrentProfile(0);
    QCOMPARE(m_view->ui_81H_GetReportRate().toInt(), 4);
    m_view->profiles().at(0)->sync();
    m_view->profiles().at(3)->sync();
    QCOMPARE(storedIn(1, "sensor/reportRate_R8").toInt(), 4);
    QCOMPARE(storedIn(4, "sensor/reportRate_R8").toInt(), 8);
    m_view->appConfig()->sync();
    QCOMPARE(QSettings("./modules/setting/apConfig.bin", QSettings::IniFormat).value("R8/profileNo").toInt(), 0);

    // setProfile stores the number only; an out-of-range switch is ignored.
    m_view->setProfile(5);
    QCOMPARE(m_view->getProfile().toInt(), 5);
    QCOMPARE(m_view->profiles().currentIndex(), 0);
    m_view->ui_02H_SetCurrentProfile(12);
    QCOMPARE(m_view->profiles().currentIndex(), 0);
    QCOMPARE(m_view->getProfile().toInt(), 5);
}

void ViewModelTest::apConfigEntriesRoundTrip()
{
    QCOMPARE(m_view->loadApConfig(), QVariantList());
    QCOMPARE(m_view->loadDeviceApConfig(), QVariantList{8});
    QVERIFY(!m_view->getLang().isValid());
    m_view->saveApConfig({"a", 2});
    QCOMPARE(m_view->loadApConfig(), (QVariantList{"a", 2}));
    m_view->saveApConfig({});
    QCOMPARE(m_view->loadApConfig(), QVariantList());
    m_view->appConfig()->sync();
    // Older numbered entries stay in the file.
    QCOMPARE(QSettings("./modules/setting/apConfig.bin", QSettings::IniFormat).value("common/0").toString(),
             QStringLiteral("a"));
}

void ViewModelTest::resetApconfigLeavesTheDefaultFile()
{
    m_view->saveApConfig({1, 2, 3});
    m_view->setProfile(4); // pending, not yet on disk
    m_view->resetApconfig();
    QCOMPARE(readFile("./modules/setting/apConfig.bin"), readFile("./modules/setting/apConfigD.bin"));
    QCOMPARE(m_view->getLang().toString(), QStringLiteral("English"));
    QCOMPARE(m_view->getProfile().toInt(), 0);
    QCOMPARE(m_view->loadApConfig(), QVariantList());
}

void ViewModelTest::skinShownOnlyWithTwoSkins_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no skin folder") << QStringList{} << false;
    QTest::newRow("one skin") << QStringList{"skin1"} << false;
    QTest::newRow("two skins") << QStringList{"skin1", "skin2"} << true;
}

void ViewModelTest::skinShownOnlyWithTwoSkins()
{
    QFETCH(QStringList, folders);
    QFETCH(bool, shown);
    for (const QString &f : folders)
        QDir().mkpath("modules/img/" + f);
    writeFile("modules/img/trayIcon.ico", "files do not count");
    writeFile("modules/img/other.png", "nor this");
    QCOMPARE(m_view->getIsSkinShow(), shown);
}

void ViewModelTest::messageTextsFollowTheLanguage()
{
    QCOMPARE(m_view->messageList().size(), 6);
    QVERIFY(!m_view->messageList().at(0).isEmpty());
    writeFile("modules/i18n/lang_025044.ini", "[messageBox]\ntotal=2\n0=\"标题\"\n1=\"正文\"\n");
    writeFile("modules/setting/apConfigD.bin", "[common]\nlanguage=ChineseSimplified\n");
    m_view->resetApconfig();
    const QStringList texts = m_view->messageList();
    QCOMPARE(texts.size(), 6);
    QCOMPARE(texts.at(0), QStringLiteral("标题"));
    QCOMPARE(texts.at(1), QStringLiteral("正文"));
    QVERIFY(!texts.at(5).isEmpty()); // a short table leaves the English text
}

void ViewModelTest::storedCopiesAndSentBytes()
{
    m_view->ui_0EH_SetXYSensitive(260, 20);
    m_view->ui_08H_SetLEDType(1, 2, 3, 4, 5, 6);
    m_view->ui_14H_SetColor(3, 255, 0, 16);
    m_view->ui_02H_SetKeyMatrixNo(0);
    m_view->ui_01H_SetReportRate(4);
    QCOMPARE(m_sim->frames(), (QList<QByteArray>{
                                  hexBytes("00 0E 04 14 00 00 00 00 D9"),
                                  hexBytes("00 08 01 02 03 04 05 06 E2"),
                                  hexBytes("00 14 00 03 FF 00 10 00 D9"),
                                  hexBytes("00 02 00 00 00 00 00 00 FD"),
                                  hexBytes("00 01 04 00 00 00 00 00 FA"),
                              }));
    m_sim->peer.clearRecords();
    QCOMPARE(m_view->ui_88H_GetLEDType(), (QVariantList{2, 3, 4, 5, 6}));
    QCOMPARE(m_view->ui_94H_GetColor(3), (QVariantList{255, 0, 16}));
    QCOMPARE(m_view->ui_94H_GetColor(4), QVariantList());
    QCOMPARE(m_view->ui_81H_GetReportRate().toInt(), 4);
    QCOMPARE(m_view->ui_92H_GetUserPicture(0), QVariantList());
    QVERIFY(m_sim->peer.records().isEmpty()); // all from the profile
    QCOMPARE(m_view->profiles().currentIndex(), 0);

    m_view->ui_02H_SetCurrentProfile(1); // a new, empty profile
    QCOMPARE(m_view->ui_81H_GetReportRate().toInt(), 0);
}

void ViewModelTest::gettersAskTheMouse()
{
    MouseState s;
    s.firmwareMajor = 0x02;
    s.firmwareMinor = 0x00;
    s.profile = 3;
    s.options = {{1, 2, 3, 4}};
    s.buttonSensitivity = {{5, 6, 7, 8}};
    s.keyboardMode = 9;
    m_sim->peer.setState(s);
    QCOMPARE(m_view->ui_80H_GetFWVersion(), QStringLiteral("2.00"));
    QCOMPARE(m_view->ui_82H_GetCurrentProfile().toInt(), 3);
    QCOMPARE(m_view->ui_83H_GetKeyboardoption(), (QVariantList{1, 2, 3, 4}));
    QCOMPARE(m_view->ui_84H_GetButtonSensitivity(), (QVariantList{5, 6, 7, 8}));
    QCOMPARE(m_view->ui_89H_GetKeyboardMode().toInt(), 9);
    QCOMPARE(m_view->ui_91H_SyncDPI(), uchar(6));
    m_sim->peer.unplug();
    QCOMPARE(m_view->ui_80H_GetFWVersion(), QStringLiteral("unknown"));
    QCOMPARE(m_view->ui_91H_SyncDPI(), uchar(8));
    QCOMPARE(m_view->ui_83H_GetKeyboardoption(), (QVariantList{0, 0, 0, 0}));
}

void ViewModelTest::dpiSetFeedsTheListenerTable()
{
    const QVariantList codes{7, 15, 0x80, 31, 0x59, 0x68, 0x80, 0x80};
    const QVariantList values{800, 1600, 2400, 3200, 5100, 8000, 250, 250};
    m_view->ui_11H_SetDPISet(6, codes, values);
    QCOMPARE(m_sim->frames().last(), hexBytes("00 11 06 08 00 00 00 00 E0"));
    QCOMPARE(m_sim->outputReports().last().mid(1, 8), hexBytes("07 0F 80 1F 59 68 80 80"));
    QCOMPARE(DpiTables::balloonText(2), QStringLiteral("DPI Switch to 1600"));
    QCOMPARE(DpiTables::value(7), 250u);
    QCOMPARE(m_view->ui_91H_GetDPISet(), values);

    // Another profile's list refreshes the table when the page reads it.
    m_view->ui_02H_SetCurrentProfile(2);
    QCOMPARE(m_view->ui_91H_GetDPISet(), QVariantList());
    m_view->profiles().current()->setValue("sensor/dpi_R8", QVariantList{400, 800, 1200, 1600, 2000, 2400, 3000, 3600});
    m_view->ui_91H_GetDPISet();
    QCOMPARE(DpiTables::balloonText(8), QStringLiteral("DPI Switch to 3600"));

    m_sim->peer.clearRecords();
    m_view->ui_11H_SetDPISelect({1, 1, 0, 1, 1, 1, 0, 0});
    QCOMPARE(m_view->ui_91H_GetDPISelect(), (QVariantList{1, 1, 0, 1, 1, 1, 0, 0}));
    QVERIFY(m_sim->frames().isEmpty());
}

void ViewModelTest::shortListsNeverReadPastTheirEnd()
{
    DpiTables::setValues({1, 2, 3, 4, 5, 6, 7, 8});
    m_view->ui_11H_SetDPISet(2, {7, 15}, {800, 1600});
    QCOMPARE(m_sim->outputReports().last().mid(1, 8), hexBytes("07 0F 00 00 00 00 00 00"));
    QCOMPARE(DpiTables::value(1), 1600u);
    QCOMPARE(DpiTables::value(2), 3u); // the stages beyond the list keep theirs
    QVariantList many;
    for (int i = 0; i < 30; ++i)
        many.append(i + 1);
    m_view->ui_10H_SetLED8StageColor(1, many);
    QCOMPARE(m_sim->outputReports().last().mid(1, 24).size(), 24);
    QCOMPARE(quint8(m_sim->outputReports().last().at(24)), quint8(24));
    m_view->profiles().current()->setValue("sensor/dpi_R8", QVariantList{500});
    QCOMPARE(m_view->ui_91H_GetDPISet(), QVariantList{500});
}

void ViewModelTest::dpiStageIsAskedOnlyWhileVisible()
{
    MouseState s;
    s.dpiStage = 5;
    m_sim->peer.setState(s);
    QCOMPARE(m_view->ui_8BH_GetCurrentDPIStage().toInt(), 0);
    QVERIFY(m_sim->peer.records().isEmpty());
    {
        ViewHost host(m_view);
        host.show();
        QCOMPARE(m_view->ui_8BH_GetCurrentDPIStage().toInt(), 5);
        host.hide();
        QCOMPARE(m_view->ui_8BH_GetCurrentDPIStage().toInt(), 0);
    }
    QCOMPARE(m_view->ui_8BH_GetCurrentDPIStage().toInt(), 0);

    m_view->ui_0BH_SetCurrentDPIStage(3);
    QCOMPARE(m_view->profiles().current()->value("sensor/stage_R8").toInt(), 3);
    m_sim->link.waitForPendingExchange();
    QCOMPARE(m_sim->peer.state().dpiStage, uchar(3));
}

void ViewModelTest::colourTablePacking_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariantList>("colours");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("type 2 packs low nibbles two to a byte")
        << 2 << QVariantList{1, 2, 3, 4, 5, 6, 7, 8} << hexBytes("21 43 65 87");
    QTest::newRow("type 2 drops the high nibble") << 2 << QVariantList{0x1F, 0x2E, 0, 0, 0, 0, 0, 0xFF}
                                                  << hexBytes("EF 00 00 F0");
    QTest::newRow("type 1: 18 bytes and six zeros")
        << 1 << QVariantList{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}
        << hexBytes("01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 00 00 00 00 00 00");
}

void ViewModelTest::colourTablePacking()
{
    QFETCH(int, type);
    QFETCH(QVariantList, colours);
    QFETCH(QByteArray, sent);
    m_view->ui_10H_SetLED8StageColor(uchar(type), colours);
    QCOMPARE(m_sim->outputReports().last().mid(1, sent.size()), sent);
    QVERIFY(m_sim->outputReports().last().mid(1 + sent.size()).count('\0')
            == m_sim->outputReports().last().size() - 1 - sent.size());
    QVariantList asUInts;
    for (const QVariant &v : colours)
        asUInts.append(v.toUInt());
    QCOMPARE(m_view->ui_90H_GetLED8StageColor(uchar(type)), asUInts);
}

void ViewModelTest::lightingEffectAndSensor()
{
    m_view->ui_0DH_SetRGBLedEffect(3, 4, 5, {"1", 2, 3});
    QCOMPARE(m_sim->frames().last(), hexBytes("00 0D 03 04 05 00 00 00 E6"));
    const QVariantList effect = m_view->ui_8DH_GetRGBLedEffect();
    QCOMPARE(effect, (QVariantList{1u, 2u, 3u}));
    QCOMPARE(effect.at(0).typeId(), QMetaType::UInt); // numbers even where the file held text

    MouseState s;
    s.options = {{0x03, 1, 0x05, 0}};
    s.ledInstruct[0] = {{0, 1, 1}};
    m_sim->peer.setState(s);
    QCOMPARE(m_view->getSensorType().toInt(), 3);
    QVERIFY(m_view->chkIsLogoLedWork());
    s.ledInstruct[0] = {{1, 1, 1}};
    m_sim->peer.setState(s);
    QVERIFY(!m_view->chkIsLogoLedWork());
    m_sim->peer.unplug();
    QVERIFY(!m_view->chkIsLogoLedWork());
    QCOMPARE(m_view->getSensorType().toInt(), 0);
}

void ViewModelTest::xySensitivity()
{
    QCOMPARE(m_view->getXYSensitive(0).toInt(), 4);
    QCOMPARE(m_view->getXYSensitive(1).toInt(), 4);
    m_view->setXYSensitive(1, 9);
    QCOMPARE(m_view->getXYSensitive(1).toInt(), 9);
    QCOMPARE(m_view->getXYSensitive(0).toInt(), 4);
    QVERIFY(m_sim->frames().isEmpty());
}

void ViewModelTest::pointerSpeedAndDoubleClick_data()
{
    QTest::addColumn<uint>("position");
    QTest::addColumn<int>("speed");
    QTest::addColumn<uint>("doubleClickMs");
    // Page position, pointer speed and double-click time the system receives.
    QTest::newRow("position 0: the slowest speed is 1") << 0u << 1 << 900u;
    QTest::newRow("position 1") << 1u << 2 << 830u;
    QTest::newRow("position 2") << 2u << 4 << 760u;
    QTest::newRow("position 3") << 3u << 6 << 690u;
    QTest::newRow("position 4") << 4u << 8 << 620u;
    QTest::newRow("position 5") << 5u << 10 << 550u;
    QTest::newRow("position 6") << 6u << 12 << 480u;
    QTest::newRow("position 7") << 7u << 14 << 410u;
    QTest::newRow("position 8") << 8u << 16 << 340u;
    QTest::newRow("position 9") << 9u << 18 << 270u;
    QTest::newRow("position 10: the fastest") << 10u << 20 << 200u;
}

void ViewModelTest::pointerSpeedAndDoubleClick()
{
    QFETCH(uint, position);
    QFETCH(int, speed);
    QFETCH(uint, doubleClickMs);
    QCOMPARE(m_view->getCursorSpeed(), 0u);
    m_view->setCursorSpeed(position);
    m_view->setDoubleClickSpeed(position);
    QCOMPARE(m_pointer.speeds, QList<int>{speed});
    QCOMPARE(m_pointer.doubleClickTimes, QList<unsigned>{doubleClickMs});
    QCOMPARE(m_view->getCursorSpeed(), position);
    QCOMPARE(m_view->getDoubleClickSpeed(), position);
}

void ViewModelTest::scrollLinesPassUnchanged()
{
    for (uint lines : {1u, 3u, 100u, 1000u})
        m_view->setVerticalScrollLines(lines);
    QCOMPARE(m_pointer.lines, (QList<unsigned>{1, 3, 100, 1000}));
    QCOMPARE(m_view->getVerticalScrollLines(), 1000u);
}

void ViewModelTest::accelerationKeepsThresholds()
{
    m_pointer.current = {{7, 13, 1}};
    QVERIFY(m_view->getAcceleration());
    m_view->setAcceleration(false);
    QCOMPARE(m_pointer.written, (QList<PointerSettings::MouseParams>{{{7, 13, 0}}}));
    QVERIFY(!m_view->getAcceleration());
    m_view->setAcceleration(true);
    QCOMPARE(m_pointer.written.last(), (PointerSettings::MouseParams{{7, 13, 1}}));
}

void ViewModelTest::refusedSystemCallsSayWhich()
{
    DebugCapture debug;
    m_pointer.refuse = true;
    m_view->setCursorSpeed(3);
    m_view->setVerticalScrollLines(3);
    m_view->setDoubleClickSpeed(3);
    m_view->setAcceleration(true);
    QVERIFY(!m_view->getAcceleration());
    QCOMPARE(debug.lines(), (QStringList{"setCursorSpeed Failed", "setVerticalScrollLines Failed",
                                         "setDoubleClickSpeed Failed", "setAcceleration Failed",
                                         "getAcceleration Failed"}));
    QCOMPARE(m_view->getCursorSpeed(), 3u); // the profile keeps the page value
}

void ViewModelTest::scrollSwapRewritesOnlyItsBit()
{
    MouseState s;
    s.options = {{0x02, 0x04, 0x05, 0x40}};
    s.reportRate = 0x08;
    m_sim->peer.setState(s);
    m_view->setScrollPinSwap(true);
    QCOMPARE(m_sim->frames().last(), hexBytes("00 03 02 08 45 40 00 00 6D"));
    QVERIFY(m_view->getScrollPinSwap());
    m_view->setScrollPinSwap(false);
    m_sim->link.waitForPendingExchange();
    QCOMPARE(m_sim->peer.state().options, (std::array<uint8_t, 4>{{0x02, 0x08, 0x05, 0x40}}));
    QVERIFY(!m_view->getScrollPinSwap());
}

void ViewModelTest::scrollSwapWritesNothingAfterAFailedRead_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("mouse unplugged") << "unplugged";
    QTest::newRow("mouse busy: refuses every frame") << "busy";
    QTest::newRow("mouse gone while the function option is read") << "open";
    QTest::newRow("function-option read fails") << "first read";
    QTest::newRow("report-rate read fails") << "second read";
}

void ViewModelTest::scrollSwapWritesNothingAfterAFailedRead()
{
    QFETCH(QString, fault);
    MouseState s;
    s.options = {{0x02, 0x04, 0x05, 0x40}};
    s.reportRate = 0x08;
    m_sim->peer.setState(s);
    if (fault == "unplugged") {
        m_sim->peer.unplug();
    } else if (fault == "busy") {
        m_sim->peer.setBusy(true);
    } else if (fault == "first read") {
        m_sim->peer.failAfter(SimulatedMouse::Operation::GetFeature, 0);
    } else if (fault == "open") {
        m_sim->peer.failAfter(SimulatedMouse::Operation::Open, 0);
    } else {
        m_sim->peer.failAfter(SimulatedMouse::Operation::GetFeature, 1);
    }

    m_view->setScrollPinSwap(true);

    QVERIFY(m_view->getScrollPinSwap()); // the profile keeps the choice
    m_view->profiles().current()->sync();
    QCOMPARE(storedIn(1, "keydefine_R8/scrollswap").toBool(), true);
    // Neither sent nor tried (a busy mouse records the frames it refused).
    const QList<QByteArray> tried = m_sim->frames() + m_sim->peer.recorded(Kind::Rejected);
    for (const QByteArray &frame : tried)
        QVERIFY2(quint8(frame.at(1)) != 0x03, frame.toHex(' ').constData());
    QCOMPARE(m_sim->peer.state().options, (std::array<uint8_t, 4>{{0x02, 0x04, 0x05, 0x40}}));
}

void ViewModelTest::languagesAreListedWithClassicNumbers()
{
    for (const char *code : {"025044", "025208", "031225", "031000", "abc044"})
        writeFile(QStringLiteral("modules/i18n/lang_%1.ini").arg(code), "[main]\ntotal=0\n");
    writeFile("modules/i18n/notalanguage.ini", "");
    const QVariantMap languages = m_view->chkLanguages();
    QCOMPARE(languages.value("CHINESE (Simp)").toString(), QStringLiteral("025044"));
    QCOMPARE(languages.value("CHINESE (Trad)").toString(), QStringLiteral("025208"));
    QCOMPARE(languages.value("ENGLISH (UNITED STATES)").toString(), QStringLiteral("031225"));
    QCOMPARE(languages.value("ENGLISH").toString(), QStringLiteral("031000"));
    QCOMPARE(languages.size(), 5);
}

void ViewModelTest::stringTablesPerGroup_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("main") << 0 << QStringList{"A", "B"};
    QTest::newRow("keyMatrix") << 1 << QStringList{"km"};
    QTest::newRow("gunControl") << 4 << QStringList{"g0", "", "g2"};
    QTest::newRow("macroKey without total") << 5 << QStringList{};
    QTest::newRow("beyond the groups reads the top level") << 9 << QStringList{"top"};
}

void ViewModelTest::stringTablesPerGroup()
{
    QFETCH(int, type);
    QFETCH(QStringList, expected);
    writeFile("modules/i18n/lang_025044.ini",
              "total=1\n0=top\n[main]\ntotal=2\n0=A\n1=B\n[keyMatrix]\ntotal=1\n0=km\n"
              "[gunControl]\ntotal=3\n0=g0\n2=g2\n[macroKey]\n0=x\n");
    QCOMPARE(m_view->getGlobalStrings(type, "lang_025044"), expected);
    QCOMPARE(DpiTables::text(0), QStringLiteral("DPI Switch to"));
    QCOMPARE(m_view->getGlobalStrings(0, "lang_999999"), QStringList());
}

void ViewModelTest::dpiTextsComeFromTheOtherGroup()
{
    writeFile("modules/i18n/lang_025044.ini", "[other]\ntotal=3\n0=\"一\"\n1=\"二\"\n2=\"三\"\n");
    DpiTables::setValues({400, 800, 1600, 3200, 0, 0, 0, 0});
    QCOMPARE(m_view->getGlobalStrings(6, "lang_025044").size(), 3);
    QCOMPARE(DpiTables::balloonText(2), QStringLiteral("二 800"));
    QCOMPARE(DpiTables::balloonText(4), QStringLiteral("DPI Switch to 3200"));
}

void ViewModelTest::productLayoutStrings()
{
    writeFile("modules/i18n/lang_025044.ini", "[R8_133C6AA]\n0=\"左键\"\n15=last\n");
    const QStringList strings = m_view->getProductLayoutStrings_R8("025044");
    QCOMPARE(strings.size(), 16);
    QCOMPARE(strings.first(), QStringLiteral("左键"));
    QCOMPARE(strings.last(), QStringLiteral("last"));
    QCOMPARE(m_view->getProductLayoutStrings_R8("000000"), QStringList(16, QString()));
}

void ViewModelTest::shippedChineseFileIsComplete()
{
    QDir::setCurrent(QStringLiteral(Q530_PROGRAM_DIR));
    QCOMPARE(m_view->chkLanguages().value("CHINESE (Simp)").toString(), QStringLiteral("025044"));
    const int expected[] = {35, 5, 51, 17, 31, 9, 8};
    for (int group = 0; group < 7; ++group) {
        const QStringList table = m_view->getGlobalStrings(group, "lang_025044");
        QCOMPARE(table.size(), expected[group]);
    }
    QCOMPARE(m_view->getGlobalStrings(0, "lang_025044").at(3), QStringLiteral("DPI 设置"));
    QCOMPARE(m_view->getGlobalStrings(6, "lang_025044").at(0), QStringLiteral("DPI 切换至"));
    for (const QString &s : m_view->getProductLayoutStrings_R8("025044"))
        QVERIFY(!s.isEmpty());
    DpiTables::reset();
}

QTEST_MAIN(ViewModelTest)
#include "tst_viewmodel.moc"
