#pragma once

#include "inifile.h"

#include <QList>
#include <QString>

// The ten profile files "p1.bin" ... "p10.bin", open for the whole run, and
// which of them is current. Every profile read and write of the view model
// goes to current().
class ProfileSet
{
public:
    static constexpr int kCount = 10;

    explicit ProfileSet(const QString &folder = QStringLiteral("./modules/setting"));
    ~ProfileSet();
    ProfileSet(const ProfileSet &) = delete;
    ProfileSet &operator=(const ProfileSet &) = delete;

    static bool isValidIndex(int index) { return index >= 0 && index < kCount; }

    int currentIndex() const { return m_current; }
    // Indexes outside 0..9 are ignored: every later read would have no file.
    void setCurrentIndex(int index);

    QSettings *current() const { return m_profiles.at(m_current); }
    QSettings *at(int index) const;       // null outside 0..9
    QString fileName(int index) const;    // "<folder>/p<index + 1>.bin"
    QString folder() const { return m_folder; }

    // Writes pending changes of profile `index` to its file now: needed
    // before the file itself is copied. False when they could not be
    // written (told to SaveLog); the changes stay pending.
    bool sync(int index);

    // Replaces profile `index` by a copy of `sourceFile` (import, reset,
    // copy). The old object's pending writes go to the old file before it is
    // removed, so none of them can land in the copy. A source that is the
    // profile's own file keeps it as it is. A missing source leaves
    // the profile without a file: it reads as all defaults; one that cannot
    // be read leaves the old file. The file is replaced in one step, never
    // half written, and keeps its mode. False when `index` is out of range
    // or the file could not be replaced (it is read-only, the disk is full):
    // the old file stays.
    bool replaceSlot(int index, const QString &sourceFile);

private:
    QString m_folder;
    QList<DataSettings *> m_profiles;
    int m_current = 0;
};
