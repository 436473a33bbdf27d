#pragma once

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QStringList>

// Saves of data files that did not happen. Every writer of the program's
// files reports here, so the window can tell the person and the command line
// can end with an error, whichever part did the writing.
class SaveLog : public QObject
{
    Q_OBJECT
public:
    static SaveLog &instance();

    void failed(const QString &file, const QString &reason);
    void saved(const QString &file);

    // "file: reason" for every failed save since the start, in order.
    QStringList failures() const;
    // How many saves were told, and how the last one ended.
    quint64 count() const;
    bool lastSucceeded() const;

signals:
    // Once for a file, until it has been saved again: a change retried on
    // every click says nothing new.
    void saveFailed(const QString &file, const QString &reason);

private:
    mutable QMutex m_mutex;
    QStringList m_failures;
    QHash<QString, bool> m_failing;
    quint64 m_count = 0;
    bool m_lastSucceeded = true;
};
