#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

// Where the program's data lives. That folder becomes the working folder, so
// every data path stays "./modules/..." and nothing above this layer knows
// which folder it is.
struct DataFolderChoice
{
    QString workingFolder;   // the folder that holds modules/
    QStringList problems;    // one line each for the debug output
    QString userMessage;     // set when the person must act: the text of a warning box
    // A stand-in folder for this run only, removed when the choice ends.
    std::shared_ptr<QTemporaryDir> session;
};

namespace DataFolder {

// Windows: the program's own folder. Linux: the user's own copy in the
// per-user data folder (QStandardPaths::AppDataLocation, ~/.local/share/q530),
// seeded from the shipped data beside the program (a build folder) or in
// ../share/q530 from the program's folder (an installation).
DataFolderChoice choose(const QString &programFolder);

// The user's copy in `userFolder` of the shipped data in the first of
// `shippedRoots` that holds modules/. New shipped files are added and the
// read-only ones follow the shipped copy; the user's files stay as they are.
// A user folder that cannot be made, brought up to date or written gives a
// temporary copy of the user's files over the shipped data for this run.
DataFolderChoice userCopy(const QStringList &shippedRoots, const QString &userFolder);

// Makes the choice the working folder; each problem goes to the debug output.
// The user message is the front end's to show (the program: a box that never
// waits for an answer, so nothing hangs where nobody can click).
bool enter(const DataFolderChoice &choice);

// False on the platforms that show nothing (offscreen, minimal).
bool canShowBoxes();

} // namespace DataFolder
