#pragma once

#include <QString>
#include <QStringList>

// What the command line asked for, before anything is looked at.
struct CtlOptions
{
    bool simulate = false;
    // A condition of the simulated mouse, for tests: "unplugged",
    // "no-access", "busy" or "drop-first" (the first request frame is lost).
    QString condition;
    bool json = false;
    bool verbose = false;
    bool help = false;
    bool version = false;
    // With --simulate: where the simulated mouse's state goes afterwards.
    QString dumpFile;
    QString command;
    QStringList arguments;
};

namespace CtlOptionParser {

// The options up to the command name, then the command and its arguments
// ("--" ends the options). `error` is set on a bad option.
CtlOptions parse(const QStringList &argv, QString &error);

QString usage();

} // namespace CtlOptionParser
