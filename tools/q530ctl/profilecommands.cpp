// profile: list, switch, export, import and reset, as the profile dialog does;
// "profile N programs" is in followcommands.cpp.

#include "commandparts.h"
#include "storage/datakeys.h"

#include "ctlreport.h"
#include "ctlsession.h"
#include "profilesender.h"
#include "readback.h"

#include "model/presetlistmodel.h"
#include "model/profilelistmodel.h"
#include "storage/inifile.h"
#include "storage/profileset.h"
#include "storage/savelog.h"
#include "viewmodel/myqquickview.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QSettings>

namespace {

constexpr int kShownProfiles = 6;
constexpr qint64 kMaxProfileBytes = 4 * 1024 * 1024;
constexpr int kButtons = 16;

enum class Action { List, Switch, Export, Import, Reset };

// A profile the program could have written: an INI file that holds button
// entries or sensor settings. Anything else (a macro, the configuration, a
// picture) is refused before it replaces a profile.
QString notAProfile(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return QStringLiteral("there is no file %1").arg(file);
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("%1 cannot be read").arg(file);
    if (info.size() > kMaxProfileBytes)
        return QStringLiteral("%1 is too large for a profile").arg(file);
    DataSettings profile(file);
    if (profile.status() != QSettings::NoError)
        return QStringLiteral("%1 is not a profile").arg(file);
    const QStringList groups = profile.childGroups();
    bool buttons = false;
    for (int b = 0; b < kButtons && !buttons; ++b)
        buttons = profile.value(ProfileKeys::keyEntry(0, b)).toStringList().size() == 4;
    if (!buttons && !groups.contains(ProfileKeys::kSensorGroup))
        return QStringLiteral("%1 is not a profile").arg(file);
    return {};
}

class Profile final : public CtlCommand
{
public:
    Profile(Action action, int number, QString file)
        : m_action(action)
        , m_number(number)
        , m_file(std::move(file))
        // The run works in the data folder: a name the user gave is taken
        // from the folder the command was started in, before that.
        , m_path(m_file.isEmpty() ? QString() : QFileInfo(m_file).absoluteFilePath())
    {
    }

    bool needsMouse(CtlSession &session) const override
    {
        switch (m_action) {
        case Action::Switch: return true;
        case Action::Import:
        case Action::Reset: return m_number - 1 == session.view().profiles().currentIndex();
        default: return false;
        }
    }

    QString check(CtlSession &session) override
    {
        if (m_action == Action::List)
            return {};
        if (const QString unknown = noSuchProfile(session, m_number); !unknown.isEmpty())
            return unknown;
        if (m_action == Action::Import)
            return notAProfile(m_path);
        if (m_action == Action::Export) {
            const QFileInfo target(m_path);
            if (target.isDir())
                return QStringLiteral("%1 is a folder").arg(m_file);
            if (!target.absoluteDir().exists())
                return QStringLiteral("there is no folder %1").arg(target.absolutePath());
            const QString own = QFileInfo(session.view().profiles().fileName(m_number - 1)).canonicalFilePath();
            if (target.exists() && target.canonicalFilePath() == own)
                return QStringLiteral("%1 is where profile %2 itself is kept: export it to another file")
                    .arg(m_file)
                    .arg(m_number);
        }
        return {};
    }

    void run(CtlSession &session, CtlReport &report) override
    {
        myQQuickView &view = session.view();
        const int index = m_number - 1;
        const qsizetype failuresBefore = SaveLog::instance().failures().size();
        switch (m_action) {
        case Action::List:
            return list(session, report);
        case Action::Switch:
            view.ui_02H_SetCurrentProfile(index);
            return sendCurrent(session, report, ProfileSender::Occasion::Switch);
        case Action::Export: {
            view.macroList()->read();
            view.gunList()->read();
            if (!view.exportProfile(index, m_path, view.macroList()->carriedNames(), view.gunList()->carriedNames()))
                return report.fail(CtlExit::kNotSaved, QStringLiteral("%1 could not be written%2").arg(m_file, why()));
            report.line(QStringLiteral("profile %1 written to %2").arg(m_number).arg(m_file));
            report.set(QStringLiteral("profile"), m_number);
            report.set(QStringLiteral("file"), m_file);
            return;
        }
        case Action::Import:
            // The macros and gun presets the profile carries come with it.
            if (!view.importProfile(index, m_path)) {
                if (SaveLog::instance().failures().size() != failuresBefore)
                    return report.fail(CtlExit::kNotSaved, QStringLiteral("profile %1 was not replaced by %2%3")
                                                               .arg(m_number).arg(m_file, why()));
                return report.fail(CtlExit::kBadUsage, view.lastImportMessage().isEmpty()
                                                           ? QStringLiteral("%1 could not be read").arg(m_file)
                                                           : view.lastImportMessage());
            }
            report.line(QStringLiteral("profile %1 read from %2").arg(m_number).arg(m_file));
            if (!view.lastImportMessage().isEmpty()) {
                report.line(view.lastImportMessage());
                report.set(QStringLiteral("notice"), view.lastImportMessage());
            }
            report.set(QStringLiteral("file"), m_file);
            break;
        case Action::Reset:
            view.resetProfile(index);
            if (SaveLog::instance().failures().size() != failuresBefore)
                return report.fail(CtlExit::kNotSaved,
                                   QStringLiteral("profile %1 keeps its settings%2").arg(m_number).arg(why()));
            report.line(QStringLiteral("profile %1 has its factory settings").arg(m_number));
            break;
        }
        report.set(QStringLiteral("profile"), m_number);
        if (index == view.profiles().currentIndex())
            sendCurrent(session, report, m_action == Action::Reset ? ProfileSender::Occasion::Reset
                                                                   : ProfileSender::Occasion::Import);
    }

private:
    // The reason the last save failed, told by the part that tried.
    static QString why()
    {
        const QStringList failures = SaveLog::instance().failures();
        return failures.isEmpty() ? QString() : QStringLiteral(": ") + failures.last();
    }

    void list(CtlSession &session, CtlReport &report)
    {
        const int current = session.view().profiles().currentIndex();
        ProfileListModel &listed = *session.view().profileList();
        listed.load();
        QJsonArray profiles;
        for (int i = 0; i < listed.count(); ++i) {
            const int number = listed.numberAt(i);
            const QString name = listed.nameAt(i);
            const bool isCurrent = number == current;
            report.line(QStringLiteral("%1 %2%3").arg(number + 1).arg(name, isCurrent ? QStringLiteral(" *") : QString()));
            profiles.append(QJsonObject{{QStringLiteral("profile"), number + 1}, {QStringLiteral("name"), name},
                                        {QStringLiteral("current"), isCurrent}});
        }
        report.set(QStringLiteral("current"), current + 1);
        report.set(QStringLiteral("profiles"), profiles);
    }

    // The mouse gets the whole profile, and must hold it afterwards.
    static void sendCurrent(CtlSession &session, CtlReport &report, ProfileSender::Occasion occasion)
    {
        const ProfileSender::Sent sent = ProfileSender::send(session.view(), occasion);
        Hid_Thread &hid = session.hid();
        QString problem = Readback::keyMatrix(hid, sent.keyMatrix);
        for (const auto &[slot, bytes] : sent.macroSlots)
            if (problem.isEmpty())
                problem = Readback::macroSlot(hid, slot, bytes);
        if (problem.isEmpty())
            problem = Readback::dpiCodes(hid, sent.dpiCodes);
        if (problem.isEmpty())
            problem = Readback::lighting(hid, sent.lighting);
        if (problem.isEmpty())
            problem = Readback::reportRate(hid, sent.reportRate);
        if (!problem.isEmpty())
            report.fail(CtlExit::kNotAccepted, problem);
        const int current = session.view().profiles().currentIndex() + 1;
        if (!sent.gunPresets)
            report.line(QStringLiteral("gun presets not sent: together they do not fit the mouse; it keeps the ones it has"));
        report.line(QStringLiteral("profile %1 sent to the mouse").arg(current));
        report.set(QStringLiteral("current"), current);
        report.set(QStringLiteral("sent"), true);
    }

    Action m_action;
    int m_number;
    QString m_file; // as given, for the messages
    QString m_path;
};

} // namespace

QString noSuchProfile(CtlSession &session, int number)
{
    ProfileListModel &listed = *session.view().profileList();
    listed.load();
    bool known = listed.count() == 0;
    QStringList names;
    for (int i = 0; i < listed.count(); ++i) {
        known = known || listed.numberAt(i) == number - 1;
        names.append(QStringLiteral("%1 %2").arg(listed.numberAt(i) + 1).arg(listed.nameAt(i)));
    }
    if (known)
        return {};
    return QStringLiteral("there is no profile %1 (%2)").arg(number).arg(names.join(QStringLiteral(", ")));
}

std::unique_ptr<CtlCommand> makeProfile(const QStringList &args, QString &error)
{
    if (args.isEmpty())
        return std::make_unique<Profile>(Action::List, 0, QString());
    const QString &first = args.at(0);
    Action action = Action::Switch;
    int wanted = 1;
    if (first == QLatin1String("export") || first == QLatin1String("import")) {
        action = first == QLatin1String("export") ? Action::Export : Action::Import;
        wanted = 3;
    } else if (first == QLatin1String("reset")) {
        action = Action::Reset;
        wanted = 2;
    }
    const bool programs = action == Action::Switch && args.size() > 1 && args.at(1) == QLatin1String("programs");
    if (args.size() != wanted && !programs) {
        error = QStringLiteral("profile takes nothing, N, N programs, export N FILE, import N FILE or reset N");
        return nullptr;
    }
    const QString &numberText = action == Action::Switch ? first : args.at(1);
    const std::optional<int> number = CtlArgs::number(numberText, 1, kShownProfiles);
    if (!number) {
        error = CtlArgs::outOfRange(QStringLiteral("a profile"), numberText, 1, kShownProfiles);
        return nullptr;
    }
    if (programs)
        return makeProfilePrograms(*number, args.mid(2), error);
    if (wanted == 3 && args.at(2).isEmpty()) {
        error = QStringLiteral("profile %1 needs a file name, and the one given is empty").arg(first);
        return nullptr;
    }
    return std::make_unique<Profile>(action, *number, wanted == 3 ? args.at(2) : QString());
}
