// The panels' rules in C++, which q530ctl and the view model use, against
// the pages that hold the same rules today: each panel is loaded with a
// stand-in for ui_View that hands it a stored value, and what the panel
// shows and sends must be what the C++ makes of the same value.

#include "storage/dpistages.h"
#include "storage/lightingeffect.h"
#include "storage/panelvalues.h"
#include "viewmodel/myqquickview.h"

#include <QFile>
#include <QJSEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QRegularExpression>
#include <QtTest>

#include <limits>
#include <memory>

// What a panel reads from ui_View, and what it sends through it.
class StandInView : public QObject
{
    Q_OBJECT
public:
    QVariantMap stored;     // method name -> what it returns
    QVariantList calls;     // [name, arguments...] of every sending call

    Q_INVOKABLE QVariant ui_91H_GetDPISet() { return stored.value("dpi"); }
    Q_INVOKABLE QVariant ui_91H_GetDPISelect() { return stored.value("select"); }
    Q_INVOKABLE QVariant ui_90H_GetLED8StageColor(int) { return stored.value("colours"); }
    Q_INVOKABLE QVariant ui_8DH_GetRGBLedEffect() { return stored.value("effect"); }
    Q_INVOKABLE QVariant getXYSensitive(QVariant index) { return stored.value("xy" + index.toString()); }
    Q_INVOKABLE QVariant ui_81H_GetReportRate() { return stored.value("rate"); }
    Q_INVOKABLE QVariant getCursorSpeed() { return stored.value("dial"); }
    Q_INVOKABLE QVariant getVerticalScrollLines() { return stored.value("lines"); }

    // The page asks the view model for the mouse's values.
    Q_INVOKABLE QVariantList dpiCodes(QVariantList values, QVariantList switches)
    {
        return rules().dpiCodes(values, switches);
    }
    Q_INVOKABLE QVariant xySensitivityValue(QVariant step) { return rules().xySensitivityValue(step); }
    Q_INVOKABLE QVariantList ledEffectCommand(QVariant effect, QVariant level, QVariant option2)
    {
        return rules().ledEffectCommand(effect, level, option2);
    }

    Q_INVOKABLE void ui_10H_SetLED8StageColor(QVariant type, QVariant bytes) { record("colours", {type, bytes}); }
    Q_INVOKABLE void ui_0EH_SetXYSensitive(QVariant x, QVariant y) { record("xy", {x, y}); }
    Q_INVOKABLE void ui_01H_SetReportRate(QVariant rate) { record("rate", {rate}); }
    Q_INVOKABLE void setCursorSpeed(QVariant value) { record("dial", {value}); }
    Q_INVOKABLE void setVerticalScrollLines(QVariant lines) { record("lines", {lines}); }
    Q_INVOKABLE void ui_0DH_SetRGBLedEffect(QVariant effect, QVariant option1, QVariant option2, QVariantList configs)
    {
        record("led", {effect, option1, option2, QVariant(configs)});
    }

    // The last call of `name`: its arguments.
    QVariantList last(const QString &name) const
    {
        for (auto it = calls.crbegin(); it != calls.crend(); ++it)
            if (it->toList().value(0) == name)
                return it->toList().mid(1);
        return {};
    }

private:
    void record(const QString &name, const QVariantList &args) { calls.append(QVariant(QVariantList{name} + args)); }
    myQQuickView &rules()
    {
        if (!m_rules)
            m_rules = std::make_unique<myQQuickView>(nullptr);
        return *m_rules;
    }
    std::unique_ptr<myQQuickView> m_rules;
};

class TestPanelRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void numbersReadAsThePagesRead_data();
    void numbersReadAsThePagesRead();
    void dpiCodes_data();
    void dpiCodes();
    void dpiPanelAsThePageShowsIt_data();
    void dpiPanelAsThePageShowsIt();
    void lightingAsThePageShowsIt_data();
    void lightingAsThePageShowsIt();
    void lightingCommands_data();
    void lightingCommands();
    void lightingValuesAsThePageSendsThem();
    void stepPanelsAsThePagesSendThem_data();
    void stepPanelsAsThePagesSendThem();

private:
    QObject *load(const QString &page);

    QQmlEngine m_engine;
    StandInView m_view;
    std::vector<std::unique_ptr<QObject>> m_pages;
};

void TestPanelRules::initTestCase()
{
    m_engine.rootContext()->setContextProperty("ui_View", &m_view);
}

QObject *TestPanelRules::load(const QString &page)
{
    QQmlComponent component(&m_engine, QUrl("qrc:/modules/qml/R8/" + page));
    QObject *object = component.create();
    if (!object)
        qWarning().noquote() << component.errorString();
    m_pages.emplace_back(object);
    return object;
}

void TestPanelRules::numbersReadAsThePagesRead_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("number"); // invalid: no number

    QTest::newRow("digits") << QVariant("800") << QVariant(800);
    QTest::newRow("blanks and a tail") << QVariant("  42abc") << QVariant(42);
    QTest::newRow("hexadecimal") << QVariant("0x1F") << QVariant(31);
    QTest::newRow("a sign") << QVariant("-3") << QVariant(-3);
    QTest::newRow("a fraction") << QVariant(3.7) << QVariant(3);
    QTest::newRow("empty") << QVariant("") << QVariant();
    QTest::newRow("a word") << QVariant("abc") << QVariant();
    QTest::newRow("too large") << QVariant("99999999999") << QVariant(std::numeric_limits<int>::max());
}

void TestPanelRules::numbersReadAsThePagesRead()
{
    QFETCH(QVariant, stored);
    QFETCH(QVariant, number);
    const std::optional<int> read = PanelValues::parseNumber(stored);
    QCOMPARE(read.has_value(), number.isValid());
    if (read)
        QCOMPARE(*read, number.toInt());
    // The page's own parseInt says the same.
    QJSEngine js;
    const QJSValue parsed = js.globalObject().property("parseInt").call({js.toScriptValue(stored)});
    if (number.isValid() && number.toInt() != std::numeric_limits<int>::max())
        QCOMPARE(parsed.toInt(), number.toInt());
    else if (!number.isValid())
        QVERIFY(std::isnan(parsed.toNumber()));
}

void TestPanelRules::dpiCodes_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("onTheMouse");

    QTest::newRow("lowest") << 200 << 1 << 200;
    QTest::newRow("top of the 100s") << 5000 << 49 << 5000;
    QTest::newRow("5100 is 5000 on the mouse") << 5100 << (0x40 | 25) << 5000;
    QTest::newRow("first of the 200s") << 5200 << (0x40 | 26) << 5200;
    QTest::newRow("highest") << 8000 << (0x40 | 40) << 8000;
}

void TestPanelRules::dpiCodes()
{
    QFETCH(int, value);
    QFETCH(int, code);
    QFETCH(int, onTheMouse);
    QCOMPARE(int(DpiStages::code(value)), code);
    QCOMPARE(DpiStages::valueOfCode(uchar(code)), onTheMouse);
    QCOMPARE(DpiStages::valueOfCode(DpiStages::kStageOff | uchar(code)), 0);
}

void TestPanelRules::dpiPanelAsThePageShowsIt_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QVariantList>("switches");
    QTest::addColumn<QVariantList>("colours");

    const QVariantList colours{255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255, 0, 0, 0, 0, 0, 0};
    QTest::newRow("as shipped") << QVariantList{"800", "1600", "2400", "3200", "5000", "6400", "250", "250"}
                                << QVariantList{"1", "1", "1", "1", "1", "1", "0", "0"} << colours;
    QTest::newRow("nothing stored") << QVariantList{} << QVariantList{} << QVariantList{};
    QTest::newRow("out of the slider's range") << QVariantList{"100", "9000", "-5", "200", "8000", "7900"}
                                               << QVariantList{"0", "1", "0", "1", "0", "1"} << colours;
    QTest::newRow("damaged values keep the start value")
        << QVariantList{"x", "", "1200abc", "0x400"} << QVariantList{"off", "", "0"} << colours.mid(0, 17);
    QTest::newRow("colours past a byte") << QVariantList{"5100"} << QVariantList{"1"}
                                         << QVariantList{256, 511, 1000, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
}

void TestPanelRules::dpiPanelAsThePageShowsIt()
{
    QFETCH(QVariantList, values);
    QFETCH(QVariantList, switches);
    QFETCH(QVariantList, colours);
    m_view.stored = {{"dpi", values}, {"select", switches}, {"colours", colours}};
    m_view.calls.clear();

    QObject *page = load("DpiSetting.qml");
    QVERIFY(page);
    QMetaObject::invokeMethod(page, "init", Q_ARG(bool, true));
    const DpiStages::Panel panel = DpiStages::fromStored(values, switches, colours);

    auto pageList = [page](const char *function) {
        QVariant out;
        QMetaObject::invokeMethod(page, function, Q_RETURN_ARG(QVariant, out));
        return out.value<QJSValue>().toVariant().toList();
    };
    QCOMPARE(pageList("dpiCodes"), DpiStages::codes(panel));
    QCOMPARE(pageList("dpiTable"), DpiStages::valueTable(panel));
    QCOMPARE(pageList("selectFlags"), DpiStages::selectFlags(panel));
    QCOMPARE(pageList("colourBytes"), DpiStages::colourBytes(panel));
    QCOMPARE(m_view.last("colours").value(1).value<QJSValue>().toVariant().toList(), DpiStages::colourBytes(panel));

    // The view model's rule for the pages gives the page's codes.
    myQQuickView view(nullptr);
    const QVariantList shown = page->property("dpiValues").value<QJSValue>().toVariant().toList();
    const QVariantList on = page->property("isSelect").value<QJSValue>().toVariant().toList();
    QCOMPARE(view.dpiCodes(shown, on), pageList("dpiCodes"));
}

void TestPanelRules::lightingAsThePageShowsIt_data()
{
    QTest::addColumn<QVariantList>("stored");

    QTest::newRow("as shipped") << QVariantList{"3", "4", "2"};
    QTest::newRow("nothing stored") << QVariantList{};
    QTest::newRow("static off") << QVariantList{"1", "0", "2"};
    QTest::newRow("breath, level held to 4, its own option") << QVariantList{"2", "9", "5"};
    QTest::newRow("an effect the panel lacks shows as tapping") << QVariantList{"7", "1"};
    QTest::newRow("unreadable level and option") << QVariantList{"3", "x", "y"};
    QTest::newRow("negative level") << QVariantList{"1", "-2"};
}

void TestPanelRules::lightingAsThePageShowsIt()
{
    QFETCH(QVariantList, stored);
    m_view.stored = {{"effect", stored}};

    QObject *page = load("LightControl.qml");
    QVERIFY(page);
    QSignalSpy sent(page, SIGNAL(setLED(int, int, int)));
    QMetaObject::invokeMethod(page, "init", Q_ARG(bool, true));
    QCOMPARE(sent.size(), 1);

    const LightingEffect::Panel panel = LightingEffect::fromStored(stored);
    QCOMPARE(sent.at(0).at(0).toInt(), panel.effect);
    QCOMPARE(sent.at(0).at(1).toInt(), panel.levels[size_t(panel.effect - 1)]);
    QCOMPARE(sent.at(0).at(2).toInt(), panel.option2);
}

void TestPanelRules::lightingCommands_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("level");
    QTest::addColumn<QVariantList>("command");

    // Static: level 0 is the light off, then brightness 2, 4, 6, 10.
    QTest::newRow("static off") << 1 << 0 << QVariantList{0, 0, 0};
    const int brightness[] = {2, 4, 6, 10};
    for (int level = 1; level <= 4; ++level)
        QTest::addRow("static %d", level) << 1 << level << QVariantList{1, brightness[level - 1], 7};
    // Breath: the higher the level, the shorter the period.
    for (int level = 0; level <= 4; ++level)
        QTest::addRow("breath %d", level) << 2 << level << QVariantList{2, 5 - level, 7};
    // RGB cycle and tapping: speed 6 to 30 in steps of 6.
    for (int effect : {3, 4})
        for (int level = 0; level <= 4; ++level)
            QTest::addRow("effect %d level %d", effect, level) << effect << level << QVariantList{effect, 6 * (level + 1), 7};
}

void TestPanelRules::lightingCommands()
{
    QFETCH(int, effect);
    QFETCH(int, level);
    QFETCH(QVariantList, command);
    myQQuickView view(nullptr);
    QCOMPARE(view.ledEffectCommand(effect, level, 7), command);
}

// The main page sends the lighting panel's choice: the page's own function,
// run against the stand-in, must send the rule's command and store the choice.
void TestPanelRules::lightingValuesAsThePageSendsThem()
{
    QFile main(":/modules/qml/main.qml");
    QVERIFY(main.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(main.readAll());
    const QRegularExpressionMatch found =
        QRegularExpression(R"(function sendLighting\(effect, option1, option2\) \{.*?\n    \})",
                           QRegularExpression::DotMatchesEverythingOption).match(text);
    QVERIFY2(found.hasMatch(), "the main page sends the lighting from sendLighting(effect, option1, option2)");
    QJSEngine js;
    QJSEngine::setObjectOwnership(&m_view, QJSEngine::CppOwnership);
    js.globalObject().setProperty("ui_View", js.newQObject(&m_view));
    const QJSValue send = js.evaluate("(" + found.captured(0) + ")");
    QVERIFY(send.isCallable());

    for (int effect = 1; effect <= LightingEffect::kEffects; ++effect) {
        for (int level = 0; level < LightingEffect::kLevels; ++level) {
            m_view.calls.clear();
            const QJSValue result = send.call({effect, level, 2});
            QVERIFY2(!result.isError(), qPrintable(result.toString()));
            const LightingEffect::Command c = LightingEffect::command(effect, level, 2);
            const QVariantList configs{effect, level, 2};
            QCOMPARE(m_view.last("led"), (QVariantList{int(c.effect), int(c.option1), int(c.option2),
                                                        QVariant(configs)}));
            // Level 0 of the static light is the light off.
            if (effect == 1 && level == 0)
                QCOMPARE(int(c.effect), 0);
        }
    }
}

void TestPanelRules::stepPanelsAsThePagesSendThem_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");

    for (const char *v : {"4", "0", "9", "12", "-1", "x", ""}) {
        QTest::addRow("X/Y %s", v) << "XySetting.qml" << "xy" << QVariant(v);
        QTest::addRow("rate %s", v) << "ReportRate.qml" << "rate" << QVariant(v);
        QTest::addRow("pointer speed %s", v) << "MouseRate.qml" << "dial" << QVariant(v);
        QTest::addRow("wheel lines %s", v) << "ScrollRate.qml" << "lines" << QVariant(v);
    }
    QTest::newRow("rate 3 is kept") << "ReportRate.qml" << "rate" << QVariant("3");
    QTest::newRow("one screen") << "ScrollRate.qml" << "lines" << QVariant("1000");
    QTest::newRow("101 lines") << "ScrollRate.qml" << "lines" << QVariant("101");
}

void TestPanelRules::stepPanelsAsThePagesSendThem()
{
    QFETCH(QString, page);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    m_view.stored = {{key, stored}, {key + "0", stored}, {key + "1", "2"}};
    m_view.calls.clear();

    QObject *panel = load(page);
    QVERIFY(panel);
    QMetaObject::invokeMethod(panel, "init", Q_ARG(bool, true));
    const QVariantList sent = m_view.last(key);
    QVERIFY(!sent.isEmpty());
    if (key == "xy") {
        QCOMPARE(sent.at(0).toInt(), PanelValues::xyDeviceValue(PanelValues::xyStep(stored)));
        QCOMPARE(sent.at(1).toInt(), PanelValues::xyDeviceValue(PanelValues::xyStep("2")));
    } else if (key == "rate") {
        QCOMPARE(sent.at(0).toInt(), PanelValues::reportRate(stored));
    } else if (key == "dial") {
        QCOMPARE(sent.at(0).toInt(), PanelValues::dialValue(stored));
    } else {
        QCOMPARE(sent.at(0).toInt(), PanelValues::scrollLines(stored));
    }
}

QTEST_MAIN(TestPanelRules)
#include "tst_panelrules.moc"
