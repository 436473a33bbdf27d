#include "ctlrun.h"

#include "q530version.h"

#include "commands.h"
#include "ctlreport.h"
#include "ctlsession.h"
#include "instanceguard.h"

#include "platform/datafolder.h"
#include "platform/quitsignals.h"
#include "storage/savelog.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The core's diagnostics are for the program's debug output; a script gets
// one line of its own.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void print(const CtlOptions &options, const CtlReport &report, QTextStream &out, QTextStream &err)
{
    if (options.json) {
        out << QJsonDocument(report.object(options.command)).toJson(QJsonDocument::Compact) << '\n';
    } else if (!report.failed() && !report.lines().isEmpty()) {
        out << report.text() << '\n';
    }
    if (report.failed())
        err << "q530ctl: " << report.error() << '\n';
    out.flush();
    err.flush();
}

void dumpMouse(const CtlOptions &options, const CtlSession &session)
{
    if (options.dumpFile.isEmpty())
        return;
    QFile file(options.dumpFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(session.simulatedState()).toJson());
}

void runCommand(const CtlOptions &options, CtlCommand &command, CtlReport &report)
{
    const DataFolderChoice data = DataFolder::choose(QCoreApplication::applicationDirPath());
    if (data.session)
        QuitSignals::removeOnSignal(data.session->path());
    if (!data.userMessage.isEmpty() || !DataFolder::enter(data))
        return report.fail(CtlExit::kDataFolder, QStringLiteral("the data folder cannot be used: %1")
                                                     .arg(data.problems.value(0, data.workingFolder)));

    CtlSession session(options);
    const QString problem = command.check(session);
    if (!problem.isEmpty())
        report.fail(CtlExit::kBadUsage, problem + QStringLiteral(" (q530ctl --help)"));
    if (!report.failed() && command.needsMouse(session)) {
        switch (session.connect()) {
        case CtlSession::Mouse::Absent:
            report.fail(CtlExit::kNoMouse, QStringLiteral("no mouse found"));
            break;
        case CtlSession::Mouse::NoAccess:
            report.fail(CtlExit::kNoMouse,
                        QStringLiteral("the mouse is there, but this user may not open it (see the udev rule in the README)"));
            break;
        case CtlSession::Mouse::Ready:
            break;
        }
    }
    if (!report.failed())
        command.run(session, report);
    session.finish();
    // Whatever the command did reached the mouse; a file that kept its old
    // values must not go unsaid.
    QStringList unsaved = SaveLog::instance().failures();
    unsaved.removeDuplicates();
    if (!unsaved.isEmpty())
        report.fail(CtlExit::kNotSaved, QStringLiteral("not saved: %1").arg(unsaved.join(QStringLiteral("; "))));
    dumpMouse(options, session);
}

} // namespace

int runCtl(const QStringList &argv, QTextStream &out, QTextStream &err)
{
    QString error;
    const CtlOptions options = CtlOptionParser::parse(argv, error);
    if (options.help) {
        out << CtlOptionParser::usage();
        out.flush();
        return CtlExit::kDone;
    }
    if (options.version) {
        out << "q530ctl " Q530_VERSION "\n";
        out.flush();
        return CtlExit::kDone;
    }
    if (!options.verbose)
        qInstallMessageHandler(quiet);

    CtlReport report;
    std::unique_ptr<CtlCommand> command;
    if (error.isEmpty())
        command = makeCommand(options.command, options.arguments, error);
    if (!command) {
        report.fail(CtlExit::kBadUsage, error);
        print(options, report, out, err);
        err << '\n' << CtlOptionParser::usage();
        err.flush();
        return report.exitCode();
    }

    // A signal ends the run where it is; the lock and a temporary data copy go.
    QuitSignals::endRun("q530ctl");
    InstanceGuard guard;
    if (!guard.refusal().isEmpty())
        report.fail(guard.folderUnusable() ? CtlExit::kDataFolder : CtlExit::kProgramRunning, guard.refusal());
    else
        runCommand(options, *command, report);
    print(options, report, out, err);
    qInstallMessageHandler(nullptr);
    return report.exitCode();
}
