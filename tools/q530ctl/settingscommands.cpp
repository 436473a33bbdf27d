// info, dpi, dpi-stage, rate, sensitivity and lighting: the performance and
// lighting panels, stored in the current profile first and then sent.

#include "commandparts.h"

#include "ctlreport.h"
#include "ctlsession.h"
#include "namelists.h"
#include "readback.h"

#include "device/hid_thread.h"
#include "storage/dpistages.h"
#include "storage/lightingeffect.h"
#include "storage/panelvalues.h"
#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"

#include <QJsonObject>

#include <map>

namespace {

const QStringList kEffectNames{QStringLiteral("static"), QStringLiteral("breath"), QStringLiteral("rgb"),
                               QStringLiteral("tapping")};

DpiStages::Panel storedDpi(myQQuickView &view)
{
    return DpiStages::fromStored(view.ui_91H_GetDPISet(), view.ui_91H_GetDPISelect(),
                                 view.ui_90H_GetLED8StageColor(1));
}

QString effectName(int effect)
{
    return kEffectNames.value(effect - 1);
}

QJsonObject lightingJson(int effect, int level)
{
    return {{QStringLiteral("effect"), effectName(effect)}, {QStringLiteral("level"), level}};
}

void fail(CtlReport &report, const QString &problem)
{
    if (!problem.isEmpty())
        report.fail(CtlExit::kNotAccepted, problem);
}

// ---- info ------------------------------------------------------------------------

class Info final : public CtlCommand
{
public:
    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        Hid_Thread &hid = session.hid();

        const std::optional<QString> firmware = hid.hid_80H_GetFWVersion();
        if (!firmware)
            return report.fail(CtlExit::kNotAccepted, QStringLiteral("the mouse did not answer"));
        const std::optional<uchar> rate = hid.hid_81H_GetReportRate();
        const std::optional<uchar> stage = hid.hid_8BH_GetCurrentDPIStage();
        const std::optional<RgbEffect> effect = hid.hid_8DH_GetRGBLedEffect();
        const std::optional<DpiSet> dpiSet = hid.hid_91H_GetDPISet();
        if (!rate || !stage || !effect || !dpiSet)
            return report.fail(CtlExit::kNotAccepted, QStringLiteral("the mouse did not answer"));

        // The profile as the window shows it.
        const int profile = view.profiles().currentIndex();
        QString profileName;
        for (const NameLists::Profile &p : NameLists::profiles(view))
            if (p.number == profile)
                profileName = p.name;
        const int rateHz = PanelValues::reportRateHertz(PanelValues::reportRate(view.ui_81H_GetReportRate()));
        const DpiStages::Panel dpi = storedDpi(view);
        const int x = PanelValues::xyStep(view.getXYSensitive(0)) + 1;
        const int y = PanelValues::xyStep(view.getXYSensitive(1)) + 1;
        const LightingEffect::Panel light = LightingEffect::fromStored(view.ui_8DH_GetRGBLedEffect());
        const int level = light.levels[size_t(light.effect - 1)];

        report.line(QStringLiteral("firmware: %1").arg(*firmware));
        report.line(QStringLiteral("profile: %1 %2").arg(profile + 1).arg(profileName).trimmed());
        report.line(QStringLiteral("rate: %1 Hz").arg(rateHz));
        report.line(QStringLiteral("dpi: %1").arg(dpiStagesText(dpi)));
        report.line(QStringLiteral("dpi stage: %1").arg(*stage));
        report.line(QStringLiteral("sensitivity: %1 %2").arg(x).arg(y));
        report.line(QStringLiteral("lighting: %1 %2").arg(effectName(light.effect)).arg(level));

        report.set(QStringLiteral("firmware"), *firmware);
        report.set(QStringLiteral("profile"), profile + 1);
        report.set(QStringLiteral("profileName"), profileName);
        report.set(QStringLiteral("rate"), rateHz);
        report.set(QStringLiteral("dpi"), dpiStagesJson(dpi));
        report.set(QStringLiteral("dpiStage"), int(*stage));
        report.set(QStringLiteral("sensitivity"), QJsonObject{{QStringLiteral("x"), x}, {QStringLiteral("y"), y}});
        report.set(QStringLiteral("lighting"), lightingJson(light.effect, level));

        // What the mouse itself says, for scripts that compare.
        QJsonArray mouseDpi;
        for (uchar c : dpiSet->codes)
            mouseDpi.append(DpiStages::valueOfCode(c));
        report.set(QStringLiteral("mouse"),
                   QJsonObject{{QStringLiteral("rate"), PanelValues::reportRateHertz(*rate)},
                               {QStringLiteral("dpiStage"), int(*stage)},
                               {QStringLiteral("dpiStageCount"), int(dpiSet->maxStage)},
                               {QStringLiteral("dpi"), mouseDpi},
                               {QStringLiteral("lighting"),
                                QJsonArray{int(effect->effect), int(effect->option1), int(effect->option2)}}});
    }
};

// ---- dpi ---------------------------------------------------------------------------

class Dpi final : public CtlCommand
{
public:
    struct Change
    {
        std::optional<int> value;
        std::optional<bool> on;
    };

    explicit Dpi(std::map<int, Change> changes)
        : m_changes(std::move(changes))
    {
    }

    bool needsMouse(CtlSession &) const override { return !m_changes.empty(); }

    QString check(CtlSession &session) override
    {
        // Printing the stages never refuses, whatever the profile holds.
        if (m_changes.empty())
            return {};
        DpiStages::Panel panel = apply(storedDpi(session.view()));
        if (std::none_of(panel.on.begin(), panel.on.end(), [](bool on) { return on; }))
            return QStringLiteral("at least one DPI stage must stay on");
        return {};
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        const DpiStages::Panel before = storedDpi(view);
        const DpiStages::Panel panel = apply(before);
        if (!m_changes.empty()) {
            if (panel.on != before.on)
                view.ui_11H_SetDPISelect(DpiStages::selectFlags(panel));
            const QVariantList codes = DpiStages::codes(panel);
            view.ui_11H_SetDPISet(DpiStages::kShown, codes, DpiStages::valueTable(panel));
            fail(report, Readback::dpiCodes(session.hid(), codes));
        }
        report.line(QStringLiteral("dpi: %1").arg(dpiStagesText(panel)));
        report.set(QStringLiteral("dpi"), dpiStagesJson(panel));
    }

private:
    DpiStages::Panel apply(DpiStages::Panel panel) const
    {
        for (const auto &[stage, change] : m_changes) {
            if (change.value)
                panel.values[size_t(stage - 1)] = *change.value;
            if (change.on)
                panel.on[size_t(stage - 1)] = *change.on;
        }
        return panel;
    }

    std::map<int, Change> m_changes;
};

// ---- dpi-stage ---------------------------------------------------------------------

class DpiStage final : public CtlCommand
{
public:
    explicit DpiStage(int stage)
        : m_stage(stage)
    {
    }

    QString check(CtlSession &session) override
    {
        if (!storedDpi(session.view()).on[size_t(m_stage - 1)])
            return QStringLiteral("DPI stage %1 is off: switch it on first (q530ctl dpi %1 on)").arg(m_stage);
        return {};
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        session.view().ui_0BH_SetCurrentDPIStage(uchar(m_stage));
        fail(report, Readback::dpiStage(session.hid(), m_stage));
        report.line(QStringLiteral("dpi stage: %1").arg(m_stage));
        report.set(QStringLiteral("dpiStage"), m_stage);
    }

private:
    int m_stage;
};

// ---- rate --------------------------------------------------------------------------

class Rate final : public CtlCommand
{
public:
    explicit Rate(int hertz)
        : m_hertz(hertz)
    {
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        const int code = PanelValues::reportRateCode(m_hertz);
        session.view().ui_01H_SetReportRate(uchar(code));
        fail(report, Readback::reportRate(session.hid(), code));
        report.line(QStringLiteral("rate: %1 Hz").arg(m_hertz));
        report.set(QStringLiteral("rate"), m_hertz);
    }

private:
    int m_hertz;
};

// ---- sensitivity -------------------------------------------------------------------

class Sensitivity final : public CtlCommand
{
public:
    Sensitivity(int x, int y)
        : m_x(x)
        , m_y(y)
    {
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        // The profile keeps the slider steps, the mouse its own values.
        view.setXYSensitive(0, m_x - 1);
        view.setXYSensitive(1, m_y - 1);
        view.ui_0EH_SetXYSensitive(PanelValues::xyDeviceValue(m_x - 1), PanelValues::xyDeviceValue(m_y - 1));
        fail(report, Readback::answers(session.hid()));
        report.line(QStringLiteral("sensitivity: %1 %2").arg(m_x).arg(m_y));
        report.set(QStringLiteral("sensitivity"), QJsonObject{{QStringLiteral("x"), m_x}, {QStringLiteral("y"), m_y}});
    }

private:
    int m_x;
    int m_y;
};

// ---- lighting ----------------------------------------------------------------------

class Lighting final : public CtlCommand
{
public:
    Lighting(int effect, std::optional<int> level)
        : m_effect(effect)
        , m_level(level)
    {
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        // Without a level the row keeps the one the panel shows for it.
        const LightingEffect::Panel panel = LightingEffect::fromStored(view.ui_8DH_GetRGBLedEffect());
        const int level = m_level.value_or(panel.levels[size_t(m_effect - 1)]);
        const int option2 = LightingEffect::kDefaultOption2;
        const LightingEffect::Command command = LightingEffect::command(m_effect, level, option2);
        view.ui_0DH_SetRGBLedEffect(command.effect, command.option1, command.option2, {m_effect, level, option2});
        fail(report, Readback::lighting(session.hid(), command));
        report.line(QStringLiteral("lighting: %1 %2").arg(effectName(m_effect)).arg(level));
        report.set(QStringLiteral("lighting"), lightingJson(m_effect, level));
    }

private:
    int m_effect;
    std::optional<int> m_level;
};

QString noArguments(const QString &command, const QStringList &args)
{
    return args.isEmpty() ? QString() : QStringLiteral("%1 takes no arguments").arg(command);
}

} // namespace

std::unique_ptr<CtlCommand> makeInfo(const QStringList &args, QString &error)
{
    error = noArguments(QStringLiteral("info"), args);
    return std::make_unique<Info>();
}

std::unique_ptr<CtlCommand> makeDpi(const QStringList &args, QString &error)
{
    if (args.size() % 2 != 0) {
        error = QStringLiteral("dpi takes pairs of a stage and a value");
        return nullptr;
    }
    std::map<int, Dpi::Change> changes;
    for (int i = 0; i < args.size(); i += 2) {
        const std::optional<int> stage = CtlArgs::number(args.at(i), 1, DpiStages::kShown);
        if (!stage) {
            error = CtlArgs::outOfRange(QStringLiteral("a DPI stage"), args.at(i), 1, DpiStages::kShown);
            return nullptr;
        }
        if (changes.count(*stage)) {
            error = QStringLiteral("DPI stage %1 is given twice").arg(*stage);
            return nullptr;
        }
        const QString &v = args.at(i + 1);
        Dpi::Change change;
        if (v == QLatin1String("on") || v == QLatin1String("off")) {
            change.on = v == QLatin1String("on");
        } else {
            change.value = CtlArgs::number(v, DpiStages::kMinValue, DpiStages::kMaxValue);
            if (!change.value || !DpiStages::isPanelValue(*change.value)) {
                error = QStringLiteral("a DPI value must be on, off or %1 to %2 in steps of %3, not \"%4\"")
                            .arg(DpiStages::kMinValue).arg(DpiStages::kMaxValue).arg(DpiStages::kStep).arg(v);
                return nullptr;
            }
        }
        changes[*stage] = change;
    }
    return std::make_unique<Dpi>(changes);
}

std::unique_ptr<CtlCommand> makeDpiStage(const QStringList &args, QString &error)
{
    const std::optional<int> stage = args.size() == 1 ? CtlArgs::number(args.at(0), 1, DpiStages::kShown) : std::nullopt;
    if (args.size() != 1)
        error = QStringLiteral("dpi-stage takes one stage number");
    else if (!stage)
        error = CtlArgs::outOfRange(QStringLiteral("a DPI stage"), args.at(0), 1, DpiStages::kShown);
    return stage ? std::make_unique<DpiStage>(*stage) : nullptr;
}

std::unique_ptr<CtlCommand> makeRate(const QStringList &args, QString &error)
{
    const std::optional<int> hertz = args.size() == 1 ? CtlArgs::number(args.at(0), 125, 1000) : std::nullopt;
    if (args.size() != 1 || !hertz || PanelValues::reportRateCode(*hertz) == 0) {
        error = QStringLiteral("rate takes 125, 250, 500 or 1000 (Hz)");
        return nullptr;
    }
    return std::make_unique<Rate>(*hertz);
}

std::unique_ptr<CtlCommand> makeSensitivity(const QStringList &args, QString &error)
{
    if (args.size() != 2) {
        error = QStringLiteral("sensitivity takes two values, X and Y");
        return nullptr;
    }
    const std::optional<int> x = CtlArgs::number(args.at(0), 1, PanelValues::kXySteps);
    const std::optional<int> y = CtlArgs::number(args.at(1), 1, PanelValues::kXySteps);
    if (!x || !y) {
        error = CtlArgs::outOfRange(QStringLiteral("a sensitivity"), !x ? args.at(0) : args.at(1), 1,
                                    PanelValues::kXySteps);
        return nullptr;
    }
    return std::make_unique<Sensitivity>(*x, *y);
}

std::unique_ptr<CtlCommand> makeLighting(const QStringList &args, QString &error)
{
    if (args.isEmpty() || args.size() > 2) {
        error = QStringLiteral("lighting takes an effect (%1 or off) and a level").arg(kEffectNames.join(u", "));
        return nullptr;
    }
    const QString name = args.at(0).toLower();
    if (name == QLatin1String("off")) {
        if (args.size() > 1) {
            error = QStringLiteral("lighting off takes no level");
            return nullptr;
        }
        return std::make_unique<Lighting>(LightingEffect::Static, 0);
    }
    const int effect = int(kEffectNames.indexOf(name)) + 1;
    if (effect == 0) {
        error = QStringLiteral("unknown lighting effect \"%1\" (%2 or off)").arg(args.at(0), kEffectNames.join(u", "));
        return nullptr;
    }
    std::optional<int> level;
    if (args.size() == 2) {
        level = CtlArgs::number(args.at(1), 0, LightingEffect::kLevels - 1);
        if (!level) {
            error = CtlArgs::outOfRange(QStringLiteral("a lighting level"), args.at(1), 0, LightingEffect::kLevels - 1);
            return nullptr;
        }
    }
    return std::make_unique<Lighting>(effect, level);
}
