#pragma once

#include "devicelink.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// The folder of one kind of named action sequence: macros ("./modules/macro",
// lines in group [macro]) or gun presets ("./modules/gun", group [gun]). One
// INI file per name:
//   [config] index (list position), total (line count), repeat, did
//   [<lines group>] 0 ... total-1: action lines
// Files are opened for one call. A name that could leave the folder
// (isSafeName) or that is one of the folder's other files is treated as a
// name without a file: reads give defaults and nothing is written.
class PresetFiles
{
public:
    // More lines than this are never read from one file, whatever "total" says.
    static constexpr int kMaxLines = 4096;
    // Two bytes in the device's macro header.
    static constexpr int kMaxRepeat = 0xFFFF;

    // `ownFiles`: names (without ".bin") of the program's own files in the
    // folder, never taken by a preset, whatever their case.
    explicit PresetFiles(const QString &folder, const QString &linesGroup, const DeviceLink &link,
                         const QStringList &ownFiles = {});

    // Whether `name` may be a preset of this folder.
    bool acceptsName(const QString &name) const;
    QString filePath(const QString &name) const;
    bool exists(const QString &name) const;

    // [config]: index = `index`, total 0, repeat 1, did -1. False for an
    // unsafe name or a file that could not be written.
    bool create(const QString &name, uint index);
    // Replaces the lines and the repeat count of an existing file.
    bool save(const QString &name, const QStringList &lines, const QVariant &repeat);
    // The lines, then the repeat count, as strings; [] without a file.
    QStringList load(const QString &name) const;
    QStringList lines(const QString &name) const;
    // "config/repeat" as the device takes it: 0 ... 65535, 1 when absent or bad.
    int repeatCount(const QString &name) const;

    QVariant type(const QString &name) const;   // "config/did", 0 without a file
    QVariant index(const QString &name) const;  // "config/index", 0 without a file
    void setIndex(const QString &name, const QVariant &index);
    void setType(const QString &name, const QVariant &type);
    // [index, repeat]; index is -1 unless "config/did" is the current device.
    QVariantList config(const QString &name) const;
    void setConfig(const QString &name, const QVariantList &config);

    bool remove(const QString &name);
    // Never replaces another name's file.
    bool rename(const QString &oldName, const QString &newName);
    // Replaces the existing file of `name` by a copy of `source`; the old file
    // stays when the copy fails. False without a file of `name`.
    bool replaceFrom(const QString &name, const QString &source);
    // Copies the file of `name` to `target`, replacing it.
    bool copyTo(const QString &name, const QString &target) const;

private:
    QString m_folder;
    QString m_linesGroup;
    const DeviceLink &m_link;
    QStringList m_ownFiles;
};
