#pragma once

// Runs q530ctl as its own process on a home of its own, and looks at what it
// left behind: its output, the data folder's files, and the state of the
// simulated mouse it worked on.

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

struct CtlRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject mouse;   // the simulated mouse afterwards (empty without one)
};

class QProcessEnvironment;

class CtlHome
{
public:
    CtlHome();

    // What q530ctl and the program run with: this home, this instance key,
    // a runtime folder of this home's.
    QProcessEnvironment environment() const;
    // The test process finds the lock and the socket where the runs do.
    void useInstanceFolderHere() const;

    // Runs q530ctl --simulate (with `condition` appended when given) and
    // the arguments, and reads the simulated mouse's state afterwards.
    CtlRun run(const QStringList &arguments, const QString &condition = QString()) const;
    // Runs q530ctl exactly with `arguments`.
    CtlRun runPlain(const QStringList &arguments) const;

    QString key() const { return m_key; }
    QString home() const { return m_home->path(); }
    QString dataFolder() const;             // .../q530/modules
    QString settingFile(const QString &name) const;

    // A stored value as one text: list elements joined by ", ".
    QString stored(const QString &file, const QString &key) const;
    // Every file of the data folders and the pointer store, with its bytes.
    QMap<QString, QByteArray> snapshot() const;

    // A macro file and its name in the registry.
    void addMacro(const QString &name, const QStringList &lines, int repeat) const;

private:
    QString runtime() const;
    QString m_key;
    std::unique_ptr<QTemporaryDir> m_home;
};

// A value of the mouse's state by path: "reportRate", "keyMatrices/0",
// "macroSlots/1"; "@n" at the end takes the elements from n on, as many as
// `expected` has.
bool mouseHolds(const QJsonObject &mouse, const QString &path, const QVariant &expected, QString &seen);
