#include "ctlrun.h"
#include "q530version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}
}

int main(int argc, char *argv[])
{
    // Start-up notices of Qt would come before the options are read.
    bool verbose = false;
    for (int i = 1; i < argc; ++i)
        verbose = verbose || qstrcmp(argv[i], "--verbose") == 0;
    if (!verbose)
        qInstallMessageHandler(quiet);
    // The program's name, so the run finds the program's per-user data.
    QCoreApplication::setApplicationName(QStringLiteral("q530"));
    QCoreApplication::setApplicationVersion(QStringLiteral(Q530_VERSION));
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCtl(app.arguments(), out, err);
}
