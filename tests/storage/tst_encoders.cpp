// The key-name table and both macro encoders: their exact bytes, and a
// decoder that checks every gap between two actions against the delays asked for.

#include "storage/devicelink.h"
#include "storage/editorencoder.h"
#include "storage/keynames.h"
#include "storage/macroencoder.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

class EncodersTest : public QObject
{
    Q_OBJECT

private slots:
    void keyNames_data();
    void keyNames();
    void keyNamesCoverTheListingOnly();
    void taggedLines_data();
    void taggedLines();
    void editorActions_data();
    void editorActions();
    void editorTimingAddsUp_data();
    void editorTimingAddsUp();
};

namespace {

QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

const QString kDown = QStringLiteral("    [Down]");
const QString kUp = QStringLiteral("      [Up]");
const QString kDelay = QStringLiteral("   [Delay]");

// One action as the device will play it, and how long it waits after it.
struct Played
{
    uchar code;
    bool release;
    qint64 waitMs;
};

// Reads the editor's form back, independently of the encoder.
QList<Played> decode(const QByteArray &bytes)
{
    static const qint64 unitMs[] = {0, 20, 50, 100};
    QList<Played> out;
    for (int pos = 2; pos + 1 < bytes.size();) {
        const uchar b0 = uchar(bytes[pos]);
        const uchar b1 = uchar(bytes[pos + 1]);
        if (b0 == 0 && b1 == 0)
            break;
        if (b0 == 0 && b1 >= 1 && b1 <= 3) {
            const int count = (uchar(bytes[pos + 2]) << 8) | uchar(bytes[pos + 3]);
            if (out.isEmpty())
                return {}; // a pause before any action is a fault
            out.last().waitMs += count * unitMs[b1];
            pos += 4;
            continue;
        }
        out.append({b1, (b0 & 0x80) != 0, (b0 & 0x7F) * 2});
        pos += b1 == 0xFA ? 4 : 2;
    }
    return out;
}

} // namespace

namespace {

// Every key name and its code, typed from the key list the pages show (in
// its ranges and its order), not from the table under test.
QList<QPair<QString, int>> keyListing()
{
    QList<QPair<QString, int>> out;
    for (char c = 'A'; c <= 'Z'; ++c)
        out.append({QString(QChar(c)), 0x04 + (c - 'A')});
    for (int d = 1; d <= 9; ++d)
        out.append({QString::number(d), 0x1E + d - 1});
    out.append({"0", 0x27});
    const QList<QPair<QString, int>> named{
        {"Enter", 0x28}, {"Esc", 0x29}, {"Back", 0x2A}, {"Tab", 0x2B}, {"Space", 0x2C}, {"- _", 0x2D},
        {"= +", 0x2E}, {"[ {", 0x2F}, {"] }", 0x30}, {"\\ |", 0x31}, {"; :", 0x33}, {"' \"", 0x34},
        {"` ~", 0x35}, {", <", 0x36}, {". >", 0x37}, {"/ ?", 0x38}, {"Caps", 0x39}};
    out += named;
    for (int f = 1; f <= 12; ++f)
        out.append({QStringLiteral("F%1").arg(f), 0x3A + f - 1});
    const QList<QPair<QString, int>> editing{
        {"Prt", 0x46}, {"Scr", 0x47}, {"Pau", 0x48}, {"Ins", 0x49}, {"Hom", 0x4A}, {"PgU", 0x4B},
        {"Del", 0x4C}, {"End", 0x4D}, {"PgD", 0x4E},
        {QString::fromUtf8("\xE2\x96\xBA"), 0x4F}, {QString::fromUtf8("\xE2\x97\x84"), 0x50},
        {QString::fromUtf8("\xE2\x96\xBC"), 0x51}, {QString::fromUtf8("\xE2\x96\xB2"), 0x52},
        {"Num", 0x53}, {"KP /", 0x54}, {"KP *", 0x55}, {"KP -", 0x56}, {"KP +", 0x57}, {"KP Enter", 0x58}};
    out += editing;
    for (int d = 1; d <= 9; ++d)
        out.append({QStringLiteral("KP %1").arg(d), 0x59 + d - 1});
    const QList<QPair<QString, int>> keypadRest{
        {"KP 0", 0x62}, {"KP .", 0x63}, {"Eur 2", 0x64}, {"App", 0x65}, {"Power", 0x66}, {"KP =", 0x67}};
    out += keypadRest;
    for (int f = 13; f <= 24; ++f)
        out.append({QStringLiteral("F%1").arg(f), 0x68 + f - 13});
    const QList<QPair<QString, int>> rest{
        {"Keypad", 0x85}, {"Int'l 1", 0x87}, {"Intl'2", 0x88}, {"Int'l 2", 0x89}, {"Int'l 4", 0x8A},
        {"Int'l 5", 0x8B}, {"Lang 1", 0x90}, {"Lang 2", 0x91},
        {"L Ctrl", 0xE0}, {"L Shift", 0xE1}, {"L Alt", 0xE2}, {"L Win", 0xE3},
        {"R Ctrl", 0xE4}, {"R Shift", 0xE5}, {"R Alt", 0xE6}, {"R Win", 0xE7},
        {"MS-L", 0xF0}, {"MS-R", 0xF1}, {"MS-M", 0xF2}, {"MS-B4", 0xF3}, {"MS-B5", 0xF4}};
    out += rest;
    return out;
}

} // namespace

void EncodersTest::keyNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    const auto listing = keyListing();
    for (const auto &entry : listing)
        QTest::addRow("%s", qPrintable(entry.first)) << entry.first << entry.second;
    QTest::newRow("names are exact: lower case is no key") << "a" << 0;
    QTest::newRow("no spelling corrected: Int'l 3 is no key") << "Int'l 3" << 0;
    QTest::newRow("no trailing space") << "Esc " << 0;
}

void EncodersTest::keyNames()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QCOMPARE(int(KeyNames::code(name)), code);
    if (code != 0)
        QCOMPARE(KeyNames::name(uchar(code)), name);
}

void EncodersTest::keyNamesCoverTheListingOnly()
{
    const auto listing = keyListing();
    QCOMPARE(listing.size(), 132);
    QCOMPARE(KeyNames::size(), int(listing.size()));
    QHash<int, QString> byCode;
    for (const auto &entry : listing)
        byCode.insert(entry.second, entry.first);
    QCOMPARE(byCode.size(), int(listing.size())); // one name per code
    for (int code = 0; code < 256; ++code)
        QCOMPARE(KeyNames::name(uchar(code)), byCode.value(code));
}

void EncodersTest::taggedLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("device");
    QTest::addColumn<QByteArray>("bytes");
    const int mouse = DeviceLink::kMouseIndex;
    QTest::newRow("100 ms fold into the press") << QStringList{"A" + kDown, "100" + kDelay, "A" + kUp, "1"}
                                                << mouse << hex("00 01 0A 04 81 04 00 00");
    QTest::newRow("delay on the first line: long pause") << QStringList{"300" + kDelay} << mouse
                                                         << hex("00 01 00 01 00 0F 00 00");
    QTest::newRow("2000 ms after a press: short pause") << QStringList{"A" + kDown, "2000" + kDelay} << mouse
                                                        << hex("00 01 01 04 64 01 00 00");
    QTest::newRow("delay after a delay: long pause") << QStringList{"A" + kDown, "100" + kDelay, "200" + kDelay}
                                                     << mouse << hex("00 01 0A 04 00 01 00 0A 00 00");
    QTest::newRow("release keeps its bit") << QStringList{"A" + kUp, "50" + kDelay} << mouse
                                           << hex("00 01 85 04 00 00");
    QTest::newRow("keyboard-type device: 10 ms pause") << QStringList{"6000" + kDelay} << 0
                                                       << hex("00 01 7F 00 02 58 00 00");
    QTest::newRow("0 ms and a bare count add nothing") << QStringList{"0" + kDelay, "1"} << mouse
                                                       << hex("00 01 00 00");
    QTest::newRow("unknown key: its delay never lands in the header")
        << QStringList{"Nope" + kDown, "100" + kDelay} << mouse << hex("00 01 00 01 00 05 00 00");
    QTest::newRow("huge pause is held, not wrapped") << QStringList{"99999999" + kDelay} << mouse
                                                     << hex("00 01 00 01 FF FF 00 00");
    QTest::newRow("other device: no delays") << QStringList{"A" + kDown, "100" + kDelay} << 2
                                             << hex("00 01 01 04 00 00");
}

void EncodersTest::taggedLines()
{
    QFETCH(QStringList, lines);
    QFETCH(int, device);
    QFETCH(QByteArray, bytes);
    QCOMPARE(MacroEncoder::encode(lines, uint(device)).toHex(' '), bytes.toHex(' '));
}

void EncodersTest::editorActions_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("press, 100 ms, release") << QStringList{"1,A", "0,100", "2,A"} << 1 << false
                                            << hex("00 01 32 04 81 04 00 00");
    QTest::newRow("delays only: just the repeat count") << QStringList{"0,100", "0,5"} << 1 << false << hex("00 01");
    QTest::newRow("leading delay dropped") << QStringList{"0,50", "1,A"} << 1 << false << hex("00 01 01 04 00 00");
    QTest::newRow("odd ms round up") << QStringList{"1,A", "0,101", "2,A"} << 1 << false
                                     << hex("00 01 33 04 81 04 00 00");
    QTest::newRow("odd ms summed before rounding") << QStringList{"1,A", "0,3", "0,3", "2,A"} << 1 << false
                                                   << hex("00 01 03 04 81 04 00 00");
    QTest::newRow("20 ms pause units") << QStringList{"1,A", "0,1000", "2,A"} << 1 << false
                                       << hex("00 01 00 04 00 01 00 32 81 04 00 00");
    QTest::newRow("100 ms pause units") << QStringList{"1,A", "0,1300000", "2,A"} << 1 << false
                                        << hex("00 01 00 04 00 03 32 C8 81 04 00 00");
    QTest::newRow("beyond the largest unit is held") << QStringList{"1,A", "0,10000000", "0,99999999999", "2,A"}
                                                     << 1 << false << hex("00 01 00 04 00 03 FF FF 81 04 00 00");
    QTest::newRow("release before a long pause") << QStringList{"2,A", "0,1000", "1,B"} << 1 << false
                                                 << hex("00 01 80 04 00 01 00 32 01 05 00 00");
    QTest::newRow("key name with a comma") << QStringList{"1,, <"} << 1 << false << hex("00 01 01 36 00 00");
    QTest::newRow("unknown names and types skipped") << QStringList{"1,Nope", "7,A", "x,A", "1,A"} << 1 << false
                                                     << hex("00 01 01 04 00 00");
    QTest::newRow("macro ignores cursor moves") << QStringList{"1,A", "5,1", "6,1", "2,A"} << 1 << false
                                                << hex("00 01 01 04 81 04 00 00");
    QTest::newRow("gun: move with defaults, -1 is FF") << QStringList{"3,MS-L", "0,40", "5,-1", "6,2", "4,MS-L"}
                                                       << 1 << true << hex("00 01 14 F0 0A FA FF 02 8A F0 00 00");
    QTest::newRow("gun: move without its y, out of range held")
        << QStringList{"5,300"} << 1 << true << hex("00 01 0A FA 7F 00 00 00");
}

void EncodersTest::editorActions()
{
    QFETCH(QStringList, actions);
    QFETCH(int, repeat);
    QFETCH(bool, gun);
    QFETCH(QByteArray, bytes);
    const auto variant = gun ? EditorEncoder::Variant::Gun : EditorEncoder::Variant::Macro;
    QCOMPARE(EditorEncoder::encode(actions, repeat, variant).toHex(' '), bytes.toHex(' '));
    QVariantList asInts;
    for (const char b : bytes)
        asInts.append(int(uchar(b)));
    QCOMPARE(EditorEncoder::encodeMacroActions(actions, repeat, gun), asInts);
}

void EncodersTest::editorTimingAddsUp_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("maxDelayMs");
    QTest::newRow("short gaps") << 1u << 300;
    QTest::newRow("gaps around the 254 ms step") << 2u << 600;
    QTest::newRow("pauses of every unit") << 3u << 1500000;
}

void EncodersTest::editorTimingAddsUp()
{
    QFETCH(quint32, seed);
    QFETCH(int, maxDelayMs);
    QRandomGenerator random(seed);
    const QStringList names{"A", "Space", "MS-L", "KP Enter", "F24"};
    for (int round = 0; round < 200; ++round) {
        QStringList actions;
        QList<Played> expected;
        qint64 pending = 0;
        const int count = 1 + random.bounded(12);
        for (int i = 0; i < count; ++i) {
            for (int d = random.bounded(3); d > 0; --d) {
                const int ms = random.bounded(maxDelayMs);
                actions << QStringLiteral("0,%1").arg(ms);
                pending += expected.isEmpty() ? 0 : ms;
            }
            const QString name = names.at(random.bounded(int(names.size())));
            const bool release = random.bounded(2) == 1;
            actions << QStringLiteral("%1,%2").arg(release ? 2 : 1).arg(name);
            if (!expected.isEmpty())
                expected.last().waitMs = pending;
            expected.append({KeyNames::code(name), release, 0});
            pending = 0;
        }
        const QList<Played> played = decode(EditorEncoder::encode(actions, 1, EditorEncoder::Variant::Macro));
        QCOMPARE(played.size(), expected.size());
        for (int i = 0; i < played.size(); ++i) {
            QCOMPARE(played[i].code, expected[i].code);
            QCOMPARE(played[i].release, expected[i].release);
            const qint64 asked = expected[i].waitMs + (expected[i].waitMs % 2); // 2 ms steps, rounded up
            const qint64 got = played[i].waitMs;
            if (i == played.size() - 1 || asked == 0) {
                QCOMPARE(got, qint64(2)); // the default delay
            } else if (asked < 254) {
                QCOMPARE(got, asked);
            } else {
                // A pause counts whole units: it may fall short by less than one.
                const qint64 unit = asked < 200000 ? 20 : asked < 600000 ? 50 : 100;
                QVERIFY2(got <= asked && asked - got < unit,
                         qPrintable(QStringLiteral("asked %1 ms, got %2 ms").arg(asked).arg(got)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(EncodersTest)
#include "tst_encoders.moc"
