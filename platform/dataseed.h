#pragma once

#include <QString>
#include <QStringList>

// Brings the shipped data into a data folder that the program writes: adds
// what is missing, follows the shipped copy of the files the program only
// reads, and never replaces a file the program writes.
namespace DataSeed {

// `relativePath` is below modules/, with "/" between folders.
bool isReadOnly(const QString &relativePath);

struct Report
{
    QStringList added;      // were missing
    QStringList refreshed;  // read-only files that differed from the shipped copy
    QStringList failed;     // could not be brought over (relative paths)
};

// Both folders are "modules" folders. `target` and its subfolders are made
// as needed; every copy can be written by its owner, whatever the shipped
// file's mode.
Report seed(const QString &shipped, const QString &target);

// Copies the files the program writes from `from` over those in `target`
// (both "modules" folders), where `target` has room for them: a stand-in
// folder takes the user's own settings this way.
Report takeOver(const QString &from, const QString &target);

// The folders below `modules` (and itself, as "") that hold files the
// program writes: these must be writable for its changes to be kept.
QStringList writtenFolders(const QString &modules);

// Whether a new file can be made in `folder` (what QSettings needs to save).
bool canWriteIn(const QString &folder);

} // namespace DataSeed
