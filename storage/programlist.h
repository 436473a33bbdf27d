#pragma once

#include <QStringList>

class QSettings;

// The programs a profile follows, in its file's [programs] group, so an
// exported ".pf" carries them and older files, without the group, read as an
// empty list. A name is a program's executable name without folders
// ("gimp", "steam_app_578080"), and like every name from a file it is
// checked when read: lists from someone else's file keep only names that
// can be an executable's.
namespace ProgramList {

constexpr int kMaxNames = 32;
constexpr int kMaxNameLength = 255;

// 1 to 255 characters, no "/" or "\\", no control characters, no blanks at
// either end.
bool isValidName(const QString &name);

// Whether two names are the same program: exact on Linux, where executables
// are case-sensitive; in any case on Windows.
bool sameProgram(const QString &a, const QString &b);

// `names` with what is not valid dropped, each program once (the first
// spelling kept), at most kMaxNames.
QStringList checked(const QStringList &names);

QStringList read(const QSettings &profile);
// Writes checked(names); an empty list removes the group.
void write(QSettings &profile, const QStringList &names);

// Whether `names` holds `program`.
bool lists(const QStringList &names, const QString &program);

} // namespace ProgramList
