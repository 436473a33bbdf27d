// The capture's translation as both systems use it: every key the tables know
// with the usage it must give, the overrides, the key-state rules and the
// mouse-button table.

#include "capturerecorder.h"
#include "hooks/hookcodes.h"
#include "hooks/inputcapture.h"
#include "hooks/keymaps.h"

#include <QSet>
#include <QTest>

using namespace HookCodes;

namespace {

// Every key a keyboard hook can report, typed from the key list of the
// recording feature: scan code in hex, "e" for the extended flag, usage code.
const char kKeyListing[] =
    "01→29, 02→1E, 03→1F, 04→20, 05→21, 06→22, 07→23, 08→24, 09→25, 0A→26, 0B→27, 0C→2D, "
    "0D→2E, 0E→2A, 0F→2B, 10→14, 11→1A, 12→08, 13→15, 14→17, 15→1C, 16→18, 17→0C, 18→12, "
    "19→13, 1A→2F, 1B→30, 1C→28, 1Ce→58, 1D→E0, 1De→E4, 1E→04, 1F→16, 20→07, 21→09, 22→0A, "
    "23→0B, 24→0D, 25→0E, 26→0F, 27→33, 28→34, 29→35, 2A→E1, 2B→31, 2C→1D, 2D→1B, 2E→06, "
    "2F→19, 30→05, 31→11, 32→10, 33→36, 34→37, 35→38, 35e→54, 36e→E5, 37→55, 37e→46, 38→E2, "
    "38e→E6, 39→2C, 3A→39, 3B→3A, 3C→3B, 3D→3C, 3E→3D, 3F→3E, 40→3F, 41→40, 42→41, 43→42, "
    "44→43, 45→48, 45e→53, 46→47, 47→5F, 47e→4A, 48→60, 48e→52, 49→61, 49e→4B, 4A→56, "
    "4B→5C, 4Be→50, 4C→5D, 4D→5E, 4De→4F, 4E→57, 4F→59, 4Fe→4D, 50→5A, 50e→51, 51→5B, "
    "51e→4E, 52→62, 52e→49, 53→63, 53e→4C, 56→64, 57→44, 58→45, 5Be→E3, 5De→65, 6E→72";

// Scan code * 2 + extended flag -> usage.
QMap<int, int> listedKeys()
{
    QMap<int, int> keys;
    for (const QString &entry : QString::fromUtf8(kKeyListing).split(QStringLiteral(", "))) {
        QString scan = entry.section(QChar(0x2192), 0, 0);
        const bool extended = scan.endsWith(QLatin1Char('e'));
        scan.remove(QLatin1Char('e'));
        keys.insert(scan.toInt(nullptr, 16) * 2 + extended, entry.section(QChar(0x2192), 1).toInt(nullptr, 16));
    }
    return keys;
}

struct Stroke
{
    quint32 message, scanCode, flags;
};
using Strokes = QList<Stroke>;
Stroke down(quint32 scanCode, quint32 flags = 0) { return {kKeyDown, scanCode, flags}; }
Stroke up(quint32 scanCode, quint32 flags = 0) { return {kKeyUp, scanCode, flags}; }

QStringList play(InputCapture &capture, const Strokes &strokes)
{
    CaptureRecorder recorder;
    for (const Stroke &s : strokes)
        capture.keyboard(s.message, s.scanCode, s.flags, 0);
    return recorder.lines;
}

} // namespace

Q_DECLARE_METATYPE(Strokes)

class TablesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyListedKey_data();
    void everyListedKey();
    void unlistedKeysGiveNothing();
    void usageRowsNoScanCodeReaches();
    void keyStrokes_data();
    void keyStrokes();
    void unknownKeysLeaveNoState();
    void heldKeysAreReleased();
    void clearedKeysAreReportedAgain();
    void mouseMessages_data();
    void mouseMessages();
};

void TablesTest::everyListedKey_data()
{
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<int>("usage");
    const QMap<int, int> keys = listedKeys();
    QCOMPARE(keys.size(), 105);
    for (auto it = keys.begin(); it != keys.end(); ++it)
        QTest::addRow("%02X%s", it.key() / 2, it.key() % 2 ? "e" : "") << quint32(it.key() / 2)
                                                                        << quint32(it.key() % 2) << it.value();
}

void TablesTest::everyListedKey()
{
    QFETCH(quint32, scanCode);
    QFETCH(quint32, flags);
    QFETCH(int, usage);
    InputCapture capture;
    QCOMPARE(play(capture, {down(scanCode, flags), up(scanCode, flags)}), tapLines(usage));
}

// The maps alone, over every key there is: only the listed ones give a usage.
void TablesTest::unlistedKeysGiveNothing()
{
    const QMap<int, int> keys = listedKeys();
    for (int key = 0; key < 512; ++key) {
        const int usage = KeyMaps::usage(KeyMaps::virtualKey(KeyMaps::scanKey(key / 2, key % 2)));
        QVERIFY2(usage == keys.value(key), qPrintable(QStringLiteral("scan %1 ext %2").arg(key / 2, 0, 16).arg(key % 2)));
    }
}

void TablesTest::usageRowsNoScanCodeReaches()
{
    const QList<QPair<int, int>> rows{{0x5C, 0xE7}, {0x7C, 0x68}, {0x80, 0x6C}, {0x87, 0x73},
                                      {0xC1, 0x87}, {0xC2, 0x85}, {0xEB, 0x8B}, {0xFF, 0x66}};
    for (const auto &row : rows)
        QCOMPARE(int(KeyMaps::usage(quint8(row.first))), row.second);
    QCOMPARE(int(KeyMaps::usage(0x10)), 0); // plain Shift: only the sided codes are keys
}

void TablesTest::keyStrokes_data()
{
    QTest::addColumn<Strokes>("strokes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("held A auto-repeats: one down, one up")
        << Strokes{down(0x1E), down(0x1E), down(0x1E), up(0x1E)} << tapLines(0x04);
    QTest::newRow("keypad Enter is not main Enter")
        << Strokes{down(0x1C, kExtendedFlag), up(0x1C, kExtendedFlag), down(0x1C), up(0x1C)}
        << tapLines(0x58) + tapLines(0x28);
    QTest::newRow("Ctrl+Break is Pause")
        << Strokes{down(0x1D), down(0x46, kExtendedFlag), up(0x46, kExtendedFlag), up(0x1D)}
        << QStringList{keyLine(0xE0, true)} + tapLines(0x48) + QStringList{keyLine(0xE0, false)};
    QTest::newRow("Alt+Print Screen is Print Screen, arriving as system keys")
        << Strokes{{kSysKeyDown, 0x54, kAltDownFlag}, {kSysKeyUp, 0x54, kAltDownFlag}} << tapLines(0x46);
    QTest::newRow("SysRq without Alt is no key") << Strokes{down(0x54), up(0x54)} << QStringList{};
    QTest::newRow("an up without its down reports nothing") << Strokes{up(0x1E)} << QStringList{};
    QTest::newRow("any other message counts as up") << Strokes{down(0x1E), {0, 0x1E, 0}} << tapLines(0x04);
    QTest::newRow("right Windows key reports nothing")
        << Strokes{down(0x5C, kExtendedFlag), up(0x5C, kExtendedFlag)} << QStringList{};
    QTest::newRow("right Shift only with the extended flag")
        << Strokes{down(0x36), up(0x36), down(0x36, kExtendedFlag), up(0x36, kExtendedFlag)} << tapLines(0xE5);
    QTest::newRow("scan codes above 255 are no key, not their low byte")
        << Strokes{down(0x11E), up(0x11E), down(0x146, kExtendedFlag)} << QStringList{};
    QTest::newRow("Pause and Break share one state")
        << Strokes{down(0x45), down(0x46, kExtendedFlag), up(0x45), up(0x46, kExtendedFlag)} << tapLines(0x48);
}

void TablesTest::keyStrokes()
{
    QFETCH(Strokes, strokes);
    QFETCH(QStringList, expected);
    InputCapture capture;
    QCOMPARE(play(capture, strokes), expected);
}

void TablesTest::unknownKeysLeaveNoState()
{
    InputCapture capture;
    QCOMPARE(play(capture, {down(0x5C, kExtendedFlag), down(0x54), down(0x36), down(0x59), down(0x11E)}),
             QStringList{});
    for (int usage = 0; usage < 256; ++usage)
        QCOMPARE(int(capture.keyState(quint8(usage))), 0);
}

void TablesTest::heldKeysAreReleased()
{
    InputCapture capture;
    CallbackRegistry::clear();
    // The table follows the keyboard even while nobody listens.
    for (const Stroke &s : {down(0x1D), down(0x1E), down(0x2C), up(0x1E)})
        capture.keyboard(s.message, s.scanCode, s.flags, 0);
    CaptureRecorder recorder;
    capture.releaseHeldKeys(500);
    capture.releaseHeldKeys(510);
    capture.keyboard(kKeyDown, 0x1D, 0, 520);
    QCOMPARE(recorder.lines, QStringList({keyLine(0x1D, false), keyLine(0xE0, false), keyLine(0xE0, true)}));
    QCOMPARE(recorder.times, (QList<quint32>{500, 500, 520}));
}

// A recording starts with the table cleared: a key whose up went to another
// desktop is reported again at its next down, each event with its own time.
void TablesTest::clearedKeysAreReportedAgain()
{
    InputCapture capture;
    CaptureRecorder recorder;
    capture.keyboard(kKeyDown, 0x1E, 0, 100);
    capture.keyboard(kKeyDown, 0x1D, 0, 110);
    capture.clearKeyStates();
    capture.keyboard(kKeyDown, 0x1E, 0, 900);
    capture.keyboard(kKeyUp, 0x1E, 0, 950);
    capture.keyboard(kKeyUp, 0x1D, 0, 960); // already taken as up
    QCOMPARE(recorder.lines, QStringList({keyLine(0x04, true), keyLine(0xE0, true)}) + tapLines(0x04));
    QCOMPARE(recorder.times, (QList<quint32>{100, 110, 900, 950}));
}

void TablesTest::mouseMessages_data()
{
    QTest::addColumn<QList<quint32>>("messages");
    QTest::addColumn<QStringList>("expected");
    const QString leftDown = buttonLine(0xF0, true, 7, -3), leftUp = buttonLine(0xF0, false, 7, -3);
    QTest::newRow("left double click: down, up, down, up, its own message ignored")
        << QList<quint32>{0x201, 0x202, 0x203, 0x201, 0x202} << QStringList{leftDown, leftUp, leftDown, leftUp};
    QTest::newRow("right and middle")
        << QList<quint32>{0x204, 0x206, 0x205, 0x207, 0x208}
        << QStringList{buttonLine(0xF1, true, 7, -3), buttonLine(0xF1, false, 7, -3), buttonLine(0xF2, true, 7, -3),
                       buttonLine(0xF2, false, 7, -3)};
    QTest::newRow("no state: a second down is reported") << QList<quint32>{0x201, 0x201} << QStringList{leftDown, leftDown};
    QTest::newRow("moves, wheel, side buttons, middle double click: nothing")
        << QList<quint32>{0x200, 0x209, 0x20A, 0x20B, 0x20C, 0x20E, 0x1FF, 0x101} << QStringList{};
}

void TablesTest::mouseMessages()
{
    QFETCH(QList<quint32>, messages);
    QFETCH(QStringList, expected);
    InputCapture capture;
    CaptureRecorder recorder;
    for (quint32 message : messages)
        capture.mouse(message, 7, -3, 0);
    QCOMPARE(recorder.lines, expected);
}

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
