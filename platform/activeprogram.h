#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

// Tells which program the user has in front, for profiles that follow it.
//
// A program is named by its executable's file name without folders ("gimp",
// "cs2"); on Windows the trailing ".exe" is dropped, so one profile names the
// same game on both systems. Where the system shows no other program's
// windows (a Wayland session), the programs running stand in for the one in
// front.
class ActiveProgram : public QObject
{
    Q_OBJECT
public:
    enum class Kind { FrontWindow, RunningPrograms };
    Q_ENUM(Kind)

    explicit ActiveProgram(QObject *parent = nullptr);
    ~ActiveProgram() override;

    // Decided once, in the constructor, from the session it runs in.
    Kind kind() const;
    // FrontWindow: the program in front now, "" if none or unknown.
    QString front() const;
    // RunningPrograms: the programs running now, sorted, each once.
    QStringList running() const;
    // The programs with a window open now, sorted, each once, for a list to
    // pick from; empty where no other program's windows can be seen.
    static QStringList withWindows();

signals:
    void frontChanged(const QString &program);
    void runningChanged(const QStringList &programs);

private:
    // fileName as a program's name: "" when it is empty, longer than 255
    // characters or holds a control character, none of which a profile can
    // be matched against.
    static QString checkedName(const QString &fileName);

    struct Private;
    std::unique_ptr<Private> d;
};
