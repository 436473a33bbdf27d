#include "ctloptions.h"

namespace {

const QStringList kConditions{QStringLiteral("unplugged"), QStringLiteral("no-access"), QStringLiteral("busy"),
                              QStringLiteral("drop-first")};

} // namespace

CtlOptions CtlOptionParser::parse(const QStringList &argv, QString &error)
{
    CtlOptions options;
    int i = 1;
    for (; i < argv.size(); ++i) {
        const QString &a = argv.at(i);
        if (a == QLatin1String("--")) {
            ++i;
            break;
        }
        if (!a.startsWith(QLatin1String("--")))
            break;
        if (a == QLatin1String("--simulate")) {
            options.simulate = true;
        } else if (a.startsWith(QLatin1String("--simulate="))) {
            options.simulate = true;
            options.condition = a.mid(int(qstrlen("--simulate=")));
            if (!kConditions.contains(options.condition)) {
                error = QStringLiteral("unknown condition of the simulated mouse: %1 (one of %2)")
                            .arg(options.condition, kConditions.join(QStringLiteral(", ")));
                return options;
            }
        } else if (a.startsWith(QLatin1String("--dump-mouse="))) {
            options.dumpFile = a.mid(int(qstrlen("--dump-mouse=")));
            if (options.dumpFile.isEmpty()) {
                error = QStringLiteral("--dump-mouse needs a file name");
                return options;
            }
        } else if (a == QLatin1String("--json")) {
            options.json = true;
        } else if (a == QLatin1String("--verbose")) {
            options.verbose = true;
        } else if (a == QLatin1String("--help")) {
            options.help = true;
        } else if (a == QLatin1String("--version")) {
            options.version = true;
        } else {
            error = QStringLiteral("unknown option %1").arg(a);
            return options;
        }
    }
    if (!options.dumpFile.isEmpty() && !options.simulate) {
        error = QStringLiteral("--dump-mouse only goes with --simulate");
        return options;
    }
    if (i < argv.size())
        options.command = argv.at(i++);
    options.arguments = argv.mid(i);
    if (options.command.isEmpty() && !options.help && !options.version)
        error = QStringLiteral("no command given");
    return options;
}

QString CtlOptionParser::usage()
{
    return QStringLiteral(
        "Usage: q530ctl [--simulate] [--json] COMMAND [ARGUMENT ...]\n"
        "\n"
        "Sets up the STELLARC VEYRA MOUSE Q530 from scripts, on the same profiles as\n"
        "the q530 program; it does not run while q530 runs. Every change goes to the\n"
        "current profile first and then to the mouse.\n"
        "\n"
        "Commands:\n"
        "  info                      firmware, profile, polling rate, DPI, sensitivity, lighting\n"
        "  dpi                       the DPI stages of the current profile\n"
        "  dpi STAGE VALUE ...       stages 1-6: a value 200-8000 in steps of 100, on or off\n"
        "  dpi-stage N               make stage N (1-6) the active one\n"
        "  rate HZ                   polling rate: 125, 250, 500 or 1000\n"
        "  sensitivity X Y           X and Y sensitivity, 1-10\n"
        "  lighting EFFECT [LEVEL]   static, breath, rgb, tapping or off; level 0-4\n"
        "  buttons                   what buttons 1-8 do\n"
        "  button N FUNCTION [MODE]  give button N (1-8) a function: a name from \"functions\",\n"
        "                            Key:NAME, Macro:NAME (MODE once, loop or hold) or eight\n"
        "                            hex digits\n"
        "  functions                 the function and key names \"button\" takes\n"
        "  profile                   the profiles and which one is current\n"
        "  profile N                 make profile N (1-6) current and send it to the mouse\n"
        "  profile export N FILE     write profile N with every macro and gun preset to FILE\n"
        "  profile import N FILE     replace profile N by FILE (a .pf file)\n"
        "  profile reset N           give profile N its factory settings\n"
        "  profile N programs        the programs profile N follows, one a line\n"
        "  profile N programs add NAME\n"
        "  profile N programs remove NAME\n"
        "                            profile N follows program NAME (its executable's name),\n"
        "                            or no longer does; at most 32 a profile\n"
        "  follow                    whether profiles follow the program in use, the\n"
        "                            fallback profile, and the programs of each profile\n"
        "  follow on|off             the profile that lists the program in use becomes\n"
        "                            current, the fallback for every other one, or not;\n"
        "                            q530 takes it at its next start\n"
        "  macro list                the macros and the slots of the current profile\n"
        "  macro send NAME SLOT      put macro NAME into macro slot 1-5 of the mouse\n"
        "\n"
        "Options:\n"
        "  --simulate   work on a simulated mouse (fresh for every run)\n"
        "  --json       print one JSON object instead of text\n"
        "  --verbose    pass on the diagnostic output of the device link\n"
        "  --help       this text\n"
        "  --version    the version of q530ctl and q530\n"
        "\n"
        "Exit status: 0 done, 1 q530 is running, 2 bad usage, 3 no mouse,\n"
        "4 the mouse did not accept a command, 5 the data folder cannot be used,\n"
        "6 a change could not be saved. See q530ctl(1).\n");
}
