#include "platform/datafolder.h"

DataFolderChoice DataFolder::choose(const QString &programFolder)
{
    // The data folder travels beside the program, where its installer puts it.
    DataFolderChoice choice;
    choice.workingFolder = programFolder;
    return choice;
}
