#pragma once

#include "storage/nameregistry.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>

// The user's profiles as the profile dialog lists them, on registry list 2:
// each entry is the name with the profile's number (0 to 5) as its last
// character. The window and the command line both read the list through
// this.
//
// Reading the list: a trailing sentinel of a two-entry list is dropped;
// entries whose last character is no digit 0 to 5 are no profiles; when
// several entries carry one number the first of them is the profile and the
// others are left out; at most six are read. Names are kept as stored, the
// first two profiles' included, in every language. Every change writes the
// registry at once.
class ProfileListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int limit READ limit CONSTANT)
public:
    enum Role { NameRole = Qt::UserRole + 1, NumberRole };

    static constexpr int kLimit = 6;
    // New names are "profile_0" ... "profile_11", copies "<name>(0)" ... "<name>(11)".
    static constexpr int kNewNames = 12;
    static constexpr int kMaxNameLength = 32;

    explicit ProfileListModel(NameRegistry &registry, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_entries.size()); }
    int limit() const { return kLimit; }

    Q_INVOKABLE void load();
    Q_INVOKABLE QStringList names() const;
    Q_INVOKABLE QVariantList numbers() const;
    Q_INVOKABLE QString nameAt(int index) const;   // "" outside the list
    Q_INVOKABLE int numberAt(int index) const;     // -1 outside the list
    Q_INVOKABLE int indexOfNumber(int number) const;

    // The lowest number neither in the list nor `pageProfile` (the profile
    // the page holds, which New and Copy never write over); kLimit when
    // there is none.
    Q_INVOKABLE int freeNumber(int pageProfile) const;
    // New: "profile_" and the first free number on the lowest free profile.
    // The number it took, or -1 when none was added.
    Q_INVOKABLE int addNew(int pageProfile);
    // The name a copy of entry `index` gets; "" when there is none.
    Q_INVOKABLE QString copyName(int index) const;
    // False when the list is full.
    Q_INVOKABLE bool add(const QString &name, int number);
    Q_INVOKABLE bool remove(int index);
    // `text` without the blanks around it. False when refused: empty, too
    // long, or the name of another profile.
    Q_INVOKABLE bool rename(int index, const QString &text);
    Q_INVOKABLE void storeList();

signals:
    void countChanged();

private:
    struct Entry
    {
        QString name;
        int number = 0;
    };

    void append(const QString &name, int number);

    NameRegistry &m_registry;
    QList<Entry> m_entries;
};
