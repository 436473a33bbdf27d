// macro list and macro send: the macros of the macro editor and the slots of
// the current profile they are in.

#include "commandparts.h"

#include "buttonpanel.h"
#include "ctlreport.h"
#include "ctlsession.h"
#include "macrosender.h"
#include "readback.h"

#include "model/presetlistmodel.h"
#include "viewmodel/myqquickview.h"

#include <QJsonObject>

namespace {

class MacroList final : public CtlCommand
{
public:
    bool needsMouse(CtlSession &) const override { return false; }

    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        ButtonPanel panel(view);
        panel.read();
        const int slotCount = ButtonRules::kButtonSlots;
        view.macroList()->read();
        QJsonArray macros;
        for (const QString &name : view.macroList()->names()) {
            QJsonArray inSlots, onButtons;
            QStringList where;
            for (int s = 0; s < slotCount; ++s) {
                if (panel.macroName(s) != name)
                    continue;
                inSlots.append(s + 1);
                where.append(QStringLiteral("slot %1").arg(s + 1));
                for (int b = 0; b < ButtonPanel::kShownButtons; ++b) {
                    if (panel.macroSlot(b) == s) {
                        onButtons.append(b + 1);
                        where.append(QStringLiteral("button %1").arg(b + 1));
                    }
                }
            }
            report.line(where.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, where.join(QStringLiteral(", "))));
            macros.append(QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("slots"), inSlots},
                                      {QStringLiteral("buttons"), onButtons}});
        }
        report.set(QStringLiteral("macros"), macros);
    }
};

class MacroSend final : public CtlCommand
{
public:
    MacroSend(QString name, int slot)
        : m_name(std::move(name))
        , m_slot(slot)
    {
    }

    QString check(CtlSession &session) override
    {
        PresetListModel &macros = *session.view().macroList();
        macros.read();
        if (macros.indexOf(m_name) < 0 || session.view().loadMacroIni(m_name).isEmpty())
            return QStringLiteral("there is no macro \"%1\" (q530ctl macro list)").arg(m_name);
        return {};
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        view.setMacroKey(m_slot - 1, m_name);
        const QByteArray bytes = sendMacro(view, m_slot - 1, m_name);
        const QString problem = Readback::macroSlot(session.hid(), m_slot, bytes);
        if (!problem.isEmpty())
            report.fail(CtlExit::kNotAccepted, problem);
        report.line(QStringLiteral("macro %1 sent to slot %2").arg(m_name).arg(m_slot));
        report.set(QStringLiteral("macro"), m_name);
        report.set(QStringLiteral("slot"), m_slot);
    }

private:
    QString m_name;
    int m_slot;
};

// The macro slots the buttons use; those after them hold the gun macros.
constexpr int kButtonSlots = 5;

} // namespace

std::unique_ptr<CtlCommand> makeMacro(const QStringList &args, QString &error)
{
    if (args.size() == 1 && args.at(0) == QLatin1String("list"))
        return std::make_unique<MacroList>();
    if (args.size() == 3 && args.at(0) == QLatin1String("send")) {
        const std::optional<int> slot = CtlArgs::number(args.at(2), 1, kButtonSlots);
        if (!slot) {
            error = CtlArgs::outOfRange(QStringLiteral("a macro slot"), args.at(2), 1, kButtonSlots);
            return nullptr;
        }
        return std::make_unique<MacroSend>(args.at(1), *slot);
    }
    error = QStringLiteral("macro takes list, or send NAME SLOT");
    return nullptr;
}
