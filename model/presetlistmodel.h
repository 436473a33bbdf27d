#pragma once

#include "storage/nameregistry.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>

#include <functional>

class PresetFiles;

// The macros (registry list 0) or the gun presets (list 1) as their editors
// list them, on the name registry and the folder of their files. The window
// and the command line both read the lists through this, so they show and
// send the same presets for the same files.
//
// Reading the list:
// - the registry's names, a trailing sentinel of a two-name list dropped;
//   empty names and repeats of an earlier name are left out; names that can
//   name no file stay, and open nothing;
// - each entry's number is its file's "config/index" read as parseInt reads
//   it, its place in the registry when that is no number, 0 without a file;
// - entries go by number, ties in registry order. When any number is shared
//   (an import creates all it brings with number 0) the numbers say nothing
//   of the order: the registry's order holds for every entry, and load()
//   rewrites the numbers to follow it.
// Every change writes the registry and the files at once.
class PresetListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int limit READ limit CONSTANT)
public:
    enum Role { NameRole = Qt::UserRole + 1, NumberRole, TypeRole };

    static constexpr int kLimit = 100;
    static constexpr int kMaxNameLength = 64;
    static constexpr int kGunSlots = 3;
    static constexpr int kFactoryGunPresets = 3;

    // Renames a preset's file (and whatever refers to it by name); false
    // when nothing changed.
    using Renamer = std::function<bool(const QString &oldName, const QString &newName)>;

    // `type` is NameRegistry::Macro or NameRegistry::Gun; new names are
    // "Macro_<n>" or "Gun_<n>", and the first three gun presets are the
    // factory ones, which stay.
    PresetListModel(NameRegistry &registry, NameRegistry::Type type, PresetFiles &files, Renamer rename,
                    QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_entries.size()); }
    int limit() const { return kLimit; }

    // What a user may call a preset: 1 to 64 characters that make a plain
    // file name on every system, and not the sentinel.
    static bool isUsableName(const QString &name);

    // The list from the registry and the files, with the numbers rewritten
    // where the order needs it.
    Q_INVOKABLE void load();
    // The same list, leaving every file as it is.
    void read();

    Q_INVOKABLE QStringList names() const;
    Q_INVOKABLE QString nameAt(int index) const;    // "" outside the list
    Q_INVOKABLE int indexOf(const QString &name) const;
    // The names as an exported profile carries them: a lone name with the sentinel.
    Q_INVOKABLE QStringList carriedNames() const;
    Q_INVOKABLE bool canDelete(int index) const;

    // A new empty entry at the end, named with the lowest free number, its
    // file numbered with its place. Its index, or -1 when the list is full.
    Q_INVOKABLE int create();
    // `newName` without the blanks around it. False when refused: not a
    // usable name, another entry's name, or a file that cannot be renamed.
    Q_INVOKABLE bool rename(int index, const QString &newName);
    // The file goes and the later entries move up one number.
    Q_INVOKABLE bool remove(int index);
    Q_INVOKABLE void storeNames();

    // The gun dialog's preset (list index) for each gun slot from the
    // profile's stored choices: a choice of digits naming an entry, else
    // the slot's own index, at most the last entry (-1 for an empty list).
    Q_INVOKABLE QVariantList gunSlotPresets(const QVariantList &stored) const;
    // The choices once entry `removed` is gone: slots that chose it take
    // preset 2, those after it move up one.
    Q_INVOKABLE QVariantList gunSlotsAfterRemoval(const QVariantList &chosen, int removed) const;

signals:
    void countChanged();

private:
    struct Entry
    {
        QString name;
        int number = 0;
        int type = 0;
    };

    void fill(bool renumber);
    void setNumber(int index, int number);

    NameRegistry &m_registry;
    NameRegistry::Type m_type;
    PresetFiles &m_files;
    Renamer m_rename;
    QString m_prefix;
    int m_kept = 0;   // leading entries that may not be deleted
    QList<Entry> m_entries;
};
