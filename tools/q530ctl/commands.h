#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class CtlReport;
class CtlSession;

// One command of the command line. Its form was checked when it was made;
// check() looks at its arguments against the data folder, before anything
// is stored or sent; run() does the work and tells the report.
class CtlCommand
{
public:
    virtual ~CtlCommand() = default;

    // One line saying what is wrong; empty when the command may run.
    virtual QString check(CtlSession &session)
    {
        (void)session;
        return {};
    }
    // Whether the run needs the mouse; a command that only reads or writes
    // files does not.
    virtual bool needsMouse(CtlSession &session) const
    {
        (void)session;
        return true;
    }
    virtual void run(CtlSession &session, CtlReport &report) = 0;
};

// The command `name` with its arguments; null with `error` set when there
// is no such command or its arguments do not have its form.
std::unique_ptr<CtlCommand> makeCommand(const QString &name, const QStringList &arguments, QString &error);
