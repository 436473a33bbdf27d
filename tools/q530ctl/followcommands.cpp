// follow and profile N programs: which profile goes with which program. The
// switching itself is the window's; these only edit the files it reads when
// it starts, so none of them needs the mouse.

#include "commandparts.h"

#include "ctlreport.h"
#include "ctlsession.h"

#include "storage/datakeys.h"
#include "storage/inifile.h"
#include "storage/profileset.h"
#include "storage/programlist.h"
#include "storage/savelog.h"
#include "storage/settingsvalues.h"
#include "viewmodel/myqquickview.h"

#include <QJsonObject>

namespace {

// The command line counts profiles 1 to 6, as `profile N` does.
constexpr int kShownProfiles = 6;

// The reason the last save failed, told by whatever tried to save.
QString why()
{
    const QStringList failures = SaveLog::instance().failures();
    return failures.isEmpty() ? QString() : QStringLiteral(": ") + failures.last();
}

QString notAName(const QString &name)
{
    return QStringLiteral("\"%1\" is not a program's name: the name of its executable without folders, "
                          "1 to %2 characters, no / or \\, no control characters or blanks at either end")
        .arg(name)
        .arg(ProgramList::kMaxNameLength);
}

// The stored fallback profile (counted from 0); nothing when none is stored
// or the number names no profile.
std::optional<int> storedFallback(myQQuickView &view)
{
    const int stored = intValue(view.appConfig()->value(ConfigKeys::kFollowFallback), -1);
    return ProfileSet::isValidIndex(stored) ? std::optional<int>(stored) : std::nullopt;
}

// ---- profile N programs ----------------------------------------------------------

class ProfilePrograms final : public CtlCommand
{
public:
    enum class Edit { None, Add, Remove };

    ProfilePrograms(int number, Edit edit, QString name)
        : m_number(number)
        , m_edit(edit)
        , m_name(std::move(name))
    {
    }

    bool needsMouse(CtlSession &) const override { return false; }

    QString check(CtlSession &session) override
    {
        if (const QString unknown = noSuchProfile(session, m_number); !unknown.isEmpty())
            return unknown;
        if (m_edit == Edit::None)
            return {};
        if (!ProgramList::isValidName(m_name))
            return notAName(m_name);
        const QStringList names = programs(session);
        if (m_edit == Edit::Add && !ProgramList::lists(names, m_name) && names.size() >= ProgramList::kMaxNames)
            return QStringLiteral("profile %1 already follows %2 programs, as many as a profile can: remove one first")
                .arg(m_number)
                .arg(ProgramList::kMaxNames);
        return {};
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        QStringList names = programs(session);
        report.set(QStringLiteral("profile"), m_number);
        if (m_edit == Edit::None) {
            for (const QString &name : names)
                report.line(name);
            report.set(QStringLiteral("programs"), QJsonArray::fromStringList(names));
            return;
        }

        const bool listed = ProgramList::lists(names, m_name);
        const bool changes = m_edit == Edit::Add ? !listed : listed;
        if (changes) {
            if (m_edit == Edit::Add)
                names.append(m_name);
            else
                names.removeIf([this](const QString &n) { return ProgramList::sameProgram(n, m_name); });
            if (!session.view().setPrograms(m_number - 1, names))
                return report.fail(CtlExit::kNotSaved,
                                   QStringLiteral("profile %1 keeps its programs%2").arg(m_number).arg(why()));
        }
        QString said;
        if (m_edit == Edit::Add)
            said = changes ? QStringLiteral("profile %1 follows %2") : QStringLiteral("profile %1 already follows %2");
        else
            said = changes ? QStringLiteral("profile %1 no longer follows %2")
                           : QStringLiteral("profile %1 does not follow %2");
        report.line(said.arg(m_number).arg(m_name));
        report.set(QStringLiteral("program"), m_name);
        report.set(QStringLiteral("changed"), changes);
        report.set(QStringLiteral("programs"), QJsonArray::fromStringList(names));
    }

private:
    QStringList programs(CtlSession &session) const
    {
        return session.view().programsOf(m_number - 1);
    }

    int m_number;
    Edit m_edit;
    QString m_name;
};

// ---- follow ------------------------------------------------------------------------

class Follow final : public CtlCommand
{
public:
    explicit Follow(std::optional<bool> on)
        : m_on(on)
    {
    }

    bool needsMouse(CtlSession &) const override { return false; }

    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        DataSettings &config = *view.appConfig();
        if (m_on) {
            config.setValue(ConfigKeys::kFollowPrograms, *m_on);
            // As the window's tray entry does: without a fallback the
            // profile in use now takes every program no profile lists.
            if (*m_on && !storedFallback(view))
                config.setValue(ConfigKeys::kFollowFallback, view.profiles().currentIndex());
            if (!config.save())
                return report.fail(CtlExit::kNotSaved,
                                   QStringLiteral("following stays as it was%1").arg(why()));
        }
        const bool on = config.value(ConfigKeys::kFollowPrograms).toBool();
        const std::optional<int> fallback = storedFallback(view);
        report.line(QStringLiteral("follow: %1%2").arg(on ? QStringLiteral("on") : QStringLiteral("off"),
                                                       m_on ? QStringLiteral(" (q530 takes it at its next start)")
                                                            : QString()));
        report.line(fallback ? QStringLiteral("fallback profile: %1").arg(*fallback + 1)
                             : QStringLiteral("fallback profile: none (follow on takes the current one)"));
        report.set(QStringLiteral("follow"), on);
        report.set(QStringLiteral("fallback"), fallback ? QJsonValue(*fallback + 1) : QJsonValue());
        QJsonArray profiles;
        for (int i = 0; i < kShownProfiles; ++i) {
            const QStringList names = view.programsOf(i);
            if (names.isEmpty())
                continue;
            report.line(QStringLiteral("profile %1: %2").arg(i + 1).arg(names.join(QStringLiteral(", "))));
            profiles.append(QJsonObject{{QStringLiteral("profile"), i + 1},
                                        {QStringLiteral("programs"), QJsonArray::fromStringList(names)}});
        }
        report.set(QStringLiteral("profiles"), profiles);
    }

private:
    std::optional<bool> m_on; // nothing: only show
};

} // namespace

std::unique_ptr<CtlCommand> makeProfilePrograms(int number, const QStringList &args, QString &error)
{
    using Edit = ProfilePrograms::Edit;
    if (args.isEmpty())
        return std::make_unique<ProfilePrograms>(number, Edit::None, QString());
    if (args.size() == 2 && (args.at(0) == QLatin1String("add") || args.at(0) == QLatin1String("remove")))
        return std::make_unique<ProfilePrograms>(number, args.at(0) == QLatin1String("add") ? Edit::Add : Edit::Remove,
                                                 args.at(1));
    error = QStringLiteral("profile N programs takes nothing, add NAME or remove NAME");
    return nullptr;
}

std::unique_ptr<CtlCommand> makeFollow(const QStringList &args, QString &error)
{
    if (args.isEmpty())
        return std::make_unique<Follow>(std::nullopt);
    if (args.size() == 1 && (args.at(0) == QLatin1String("on") || args.at(0) == QLatin1String("off")))
        return std::make_unique<Follow>(args.at(0) == QLatin1String("on"));
    error = QStringLiteral("follow takes nothing, on or off");
    return nullptr;
}
