#pragma once

#include <QStringList>

class QTextStream;

// One run of q530ctl with the command line `argv` (program name first):
// what it has to say goes to `out`, errors and the usage text to `err`.
// Needs a QCoreApplication (or more) with the program's application name. Returns the
// exit status (CtlExit).
int runCtl(const QStringList &argv, QTextStream &out, QTextStream &err);
