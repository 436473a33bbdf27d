#pragma once

// Helpers of the tests that start the real program, or a process that keeps
// saving, on data files that are damaged or interrupted: the user's files as
// a test sets them up, ways to damage them, and listings to compare.

#include <QByteArray>
#include <QMap>
#include <QString>

namespace Damaged {

// The shipped data (the source tree's data/modules), relative paths below it.
QByteArray shipped(const QString &relative);

// The user's files of the tests: the shipped data plus two macros, the first
// on button 4 of profile 1, their names in the registry and a gun-data file.
QByteArray intact(const QString &relative);
QStringList intactFiles();

// Fills `modules` (made as needed) with intact().
bool writeIntact(const QString &modules);
bool writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path); // null when missing

// `content` with `group`/`key` set to `value`, written as it stands (so any
// INI text goes, damaged or not); the key is added when missing.
QByteArray withValue(const QByteArray &content, const QString &group, const QString &key, const QString &value);
// The bytes before (cutBefore) or up to and with (cutAfter) the first `marker`.
QByteArray cutBefore(const QByteArray &content, const QByteArray &marker);
QByteArray cutAfter(const QByteArray &content, const QByteArray &marker);
QByteArray randomBytes(int size, quint32 seed);

// Every file below `root` with its content, by path relative to `root`.
QMap<QString, QByteArray> listing(const QString &root);

// Makes `folder` a program folder: the built program (a hard link where the
// file system allows, else a copy) beside a copy of the shipped data.
bool makeProgramFolder(const QString &program, const QString &folder);

} // namespace Damaged
