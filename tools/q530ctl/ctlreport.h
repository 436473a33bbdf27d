#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

// Exit status of a run, the same for every command.
namespace CtlExit {
constexpr int kDone = 0;
constexpr int kProgramRunning = 1;
constexpr int kBadUsage = 2;
constexpr int kNoMouse = 3;
constexpr int kNotAccepted = 4;
constexpr int kDataFolder = 5; // the data folder cannot be used
constexpr int kNotSaved = 6;   // a change did not reach its file
} // namespace CtlExit

// What one run has to say: lines for a person, one JSON object for a
// script, and how it ended.
class CtlReport
{
public:
    void line(const QString &text) { m_lines.append(text); }
    void set(const QString &key, const QJsonValue &value) { m_object.insert(key, value); }
    // Ends the run with `exitCode`; the first failure is the one told.
    void fail(int exitCode, const QString &error);

    int exitCode() const { return m_exitCode; }
    bool failed() const { return m_exitCode != CtlExit::kDone; }
    QString error() const { return m_error; }
    QStringList lines() const { return m_lines; }

    // The whole object: "command", "ok", "exitCode", "error" when it failed,
    // and what the command set.
    QJsonObject object(const QString &command) const;
    QString text() const { return m_lines.join(u'\n'); }

private:
    QStringList m_lines;
    QJsonObject m_object;
    int m_exitCode = CtlExit::kDone;
    QString m_error;
};
