#pragma once

// What the command files share; not for use outside the command line.

#include "commands.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>

#include <optional>

class CtlSession;

namespace DpiStages {
struct Panel;
}

namespace CtlArgs {

// A whole decimal number from `min` to `max`; nothing otherwise.
std::optional<int> number(const QString &text, int min, int max);

// "STAGE" and friends: why `text` is not such a number, for an error line.
QString outOfRange(const QString &what, const QString &text, int min, int max);

} // namespace CtlArgs

// Why profile `number` (counted from 1) cannot be worked on, for an error
// line: the profile list does not have it. Empty when it can.
QString noSuchProfile(CtlSession &session, int number);

// The DPI panel's stages for a report: text lines and a JSON list.
QString dpiStagesText(const DpiStages::Panel &panel);
QJsonArray dpiStagesJson(const DpiStages::Panel &panel);

std::unique_ptr<CtlCommand> makeInfo(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeDpi(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeDpiStage(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeRate(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeSensitivity(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeLighting(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeButton(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeButtons(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeFunctions(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeProfile(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeMacro(const QStringList &args, QString &error);
std::unique_ptr<CtlCommand> makeFollow(const QStringList &args, QString &error);
// "profile N programs ...": `args` are the words after "programs".
std::unique_ptr<CtlCommand> makeProfilePrograms(int number, const QStringList &args, QString &error);
