// button, buttons and functions: the button assignment panel and its menu.

#include "commandparts.h"

#include "buttonpanel.h"
#include "ctlreport.h"
#include "ctlsession.h"
#include "namelists.h"
#include "readback.h"

#include "model/buttonrules.h"
#include "storage/keyassignment.h"
#include "storage/keynames.h"
#include "viewmodel/myqquickview.h"

#include <QJsonObject>

namespace {

const QString kKeyPrefix = QStringLiteral("Key:");
const QString kMacroPrefix = QStringLiteral("Macro:");
const QStringList kPlayModes{QStringLiteral("once"), QStringLiteral("loop"), QStringLiteral("hold")};

// The code of a function as the profile and the mouse have it (a macro's
// slot counted from 1).
QString storedCode(const QVariantList &layerBytes, int button)
{
    QString code;
    for (int i = 0; i < ButtonEntry::kSize; ++i)
        code += QStringLiteral("%1").arg(layerBytes.value(button * ButtonEntry::kSize + i).toInt() & 0xFF, 2, 16,
                                         QLatin1Char('0'));
    return code;
}

// A name as the tables spell it; a different case is taken when only one
// name matches that way.
QString tableName(const QStringList &names, const QString &given)
{
    if (names.contains(given))
        return given;
    QString found;
    for (const QString &n : names) {
        if (n.compare(given, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return {};
        found = n;
    }
    return found;
}

// The functions of the menu that carry a code of their own; the gun key
// switch is set up through the gun slots in the window.
QList<KeyNames::Function> menuFunctions()
{
    QList<KeyNames::Function> functions;
    for (const KeyNames::Function &f : KeyNames::functions())
        if ((*ButtonRules::parseCode(f.code))[0] != ButtonEntry::kTypeGunKey)
            functions.append(f);
    return functions;
}

// Each key name once, in table order.
QStringList keyNames()
{
    QStringList names;
    for (const KeyNames::Pair &p : KeyNames::keyPairs())
        if (!names.contains(p.name))
            names.append(p.name);
    return names;
}

class Button final : public CtlCommand
{
public:
    Button(int button, QString function, std::optional<int> playMode)
        : m_button(button)
        , m_function(std::move(function))
        , m_playMode(playMode)
    {
    }

    QString check(CtlSession &session) override
    {
        ButtonPanel panel(session.view());
        panel.read();
        if (m_function.startsWith(kMacroPrefix, Qt::CaseInsensitive)) {
            const QString name = m_function.mid(kMacroPrefix.size());
            m_macro = tableName(NameLists::macros(session.view()), name);
            if (m_macro.isEmpty() || session.view().loadMacroIni(m_macro).isEmpty())
                return QStringLiteral("there is no macro \"%1\" (q530ctl macro list)").arg(name);
        } else if (m_playMode) {
            return QStringLiteral("a play mode only goes with Macro:NAME");
        } else if (m_function.startsWith(kKeyPrefix, Qt::CaseInsensitive)) {
            const QString name = tableName(keyNames(), m_function.mid(kKeyPrefix.size()));
            const uchar code = name.isEmpty() ? 0 : KeyNames::code(name);
            if (code == 0)
                return QStringLiteral("unknown key \"%1\" (q530ctl functions)").arg(m_function.mid(kKeyPrefix.size()));
            m_entry = ButtonRules::Entry{ButtonEntry::kTypeKeyboard, 0, code, 0};
        } else if ((m_entry = ButtonRules::parseCode(m_function))) {
            const int type = (*m_entry)[0];
            if (type == ButtonEntry::kTypeGunKey)
                return QStringLiteral("gun keys are set up with their gun slots, in the window");
            if (type == ButtonEntry::kTypeMacro)
                return QStringLiteral("a macro is given as Macro:NAME");
        } else {
            for (const KeyNames::Function &f : menuFunctions())
                if (f.english.compare(m_function, Qt::CaseInsensitive) == 0)
                    m_entry = ButtonRules::parseCode(f.code);
            if (!m_entry)
                return QStringLiteral("unknown function \"%1\" (q530ctl functions)").arg(m_function);
        }
        if (!panel.mayReassign(m_button - 1))
            return QStringLiteral("button %1 is the last left click: give another button the left click first")
                .arg(m_button);
        if (!m_macro.isEmpty() && panel.macroSlotFor(m_button - 1) < 0)
            return QStringLiteral("every macro slot is taken: give one of the macro buttons another function first");
        return {};
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        ButtonPanel panel(session.view());
        panel.read();
        const int index = m_button - 1;
        QByteArray macroBytes;
        int slot = -1;
        if (!m_macro.isEmpty()) {
            slot = panel.macroSlotFor(index);
            macroBytes = panel.assignMacro(index, m_macro, m_playMode.value_or(ButtonEntry::kPlayOnce));
        } else {
            panel.assign(index, *m_entry);
        }
        const QVariantList bytes = panel.normalLayerBytes();
        QString problem = Readback::keyMatrix(session.hid(), KeyAssignment::deviceMatrix(bytes));
        if (problem.isEmpty() && !macroBytes.isEmpty())
            problem = Readback::macroSlot(session.hid(), slot + 1, macroBytes);
        if (!problem.isEmpty())
            report.fail(CtlExit::kNotAccepted, problem);

        const QString text = panel.functionText(index);
        const QString code = storedCode(bytes, index);
        report.line(QStringLiteral("button %1: %2 (%3)").arg(m_button).arg(text, code));
        report.set(QStringLiteral("button"), m_button);
        report.set(QStringLiteral("function"), text);
        report.set(QStringLiteral("code"), code);
        if (slot >= 0)
            report.set(QStringLiteral("macroSlot"), slot + 1);
    }

private:
    int m_button;
    QString m_function;
    std::optional<int> m_playMode;
    QString m_macro;                            // set by check() for Macro:NAME
    std::optional<ButtonRules::Entry> m_entry;  // set by check() for everything else
};

class Buttons final : public CtlCommand
{
public:
    bool needsMouse(CtlSession &) const override { return false; }

    void run(CtlSession &session, CtlReport &report) override
    {
        ButtonPanel panel(session.view());
        panel.read();
        const QVariantList bytes = panel.normalLayerBytes();
        QJsonArray list;
        for (int b = 0; b < ButtonPanel::kShownButtons; ++b) {
            const QString text = panel.functionText(b);
            const QString code = storedCode(bytes, b);
            report.line(QStringLiteral("button %1: %2 (%3)").arg(b + 1).arg(text, code));
            list.append(QJsonObject{{QStringLiteral("button"), b + 1}, {QStringLiteral("function"), text},
                                    {QStringLiteral("code"), code}});
        }
        report.set(QStringLiteral("buttons"), list);
    }
};

class Functions final : public CtlCommand
{
public:
    bool needsMouse(CtlSession &) const override { return false; }

    void run(CtlSession &session, CtlReport &report) override
    {
        QJsonArray functions;
        for (const KeyNames::Function &f : menuFunctions()) {
            report.line(QStringLiteral("%1  %2").arg(f.code, f.english));
            functions.append(QJsonObject{{QStringLiteral("code"), f.code}, {QStringLiteral("name"), f.english}});
        }
        const QStringList keys = keyNames();
        const QStringList macros = NameLists::macros(session.view());
        report.line(QStringLiteral("Key:NAME  a key: %1").arg(keys.join(QStringLiteral(" | "))));
        report.line(QStringLiteral("Macro:NAME [once|loop|hold]  a macro: %1").arg(macros.join(QStringLiteral(" | "))));
        report.set(QStringLiteral("functions"), functions);
        report.set(QStringLiteral("keys"), QJsonArray::fromStringList(keys));
        report.set(QStringLiteral("macros"), QJsonArray::fromStringList(macros));
    }
};

} // namespace

std::unique_ptr<CtlCommand> makeButton(const QStringList &args, QString &error)
{
    if (args.size() < 2 || args.size() > 3) {
        error = QStringLiteral("button takes a button number, a function and for a macro its play mode");
        return nullptr;
    }
    const std::optional<int> button = CtlArgs::number(args.at(0), 1, ButtonPanel::kShownButtons);
    if (!button) {
        error = CtlArgs::outOfRange(QStringLiteral("a button"), args.at(0), 1, ButtonPanel::kShownButtons);
        return nullptr;
    }
    std::optional<int> mode;
    if (args.size() == 3) {
        const qsizetype m = kPlayModes.indexOf(args.at(2).toLower());
        mode = m >= 0 ? std::optional<int>(int(m)) : CtlArgs::number(args.at(2), 0, 2);
        if (!mode) {
            error = QStringLiteral("a play mode is once, loop or hold, not \"%1\"").arg(args.at(2));
            return nullptr;
        }
    }
    return std::make_unique<Button>(*button, args.at(1), mode);
}

std::unique_ptr<CtlCommand> makeButtons(const QStringList &args, QString &error)
{
    if (!args.isEmpty())
        error = QStringLiteral("buttons takes no arguments");
    return std::make_unique<Buttons>();
}

std::unique_ptr<CtlCommand> makeFunctions(const QStringList &args, QString &error)
{
    if (!args.isEmpty())
        error = QStringLiteral("functions takes no arguments");
    return std::make_unique<Functions>();
}
