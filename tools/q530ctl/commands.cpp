#include "commandparts.h"

#include "storage/dpistages.h"

#include <QJsonObject>

#include <functional>
#include <map>

std::optional<int> CtlArgs::number(const QString &text, int min, int max)
{
    // Plain digits only: no sign, blanks, hexadecimal or exponent.
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int value = text.toInt();
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

QString CtlArgs::outOfRange(const QString &what, const QString &text, int min, int max)
{
    return QStringLiteral("%1 must be a number from %2 to %3, not \"%4\"").arg(what).arg(min).arg(max).arg(text);
}

QString dpiStagesText(const DpiStages::Panel &panel)
{
    QStringList stages;
    for (int i = 0; i < DpiStages::kShown; ++i)
        stages.append(QStringLiteral("%1:%2%3").arg(i + 1).arg(panel.values[size_t(i)])
                          .arg(panel.on[size_t(i)] ? QString() : QStringLiteral("(off)")));
    return stages.join(u' ');
}

QJsonArray dpiStagesJson(const DpiStages::Panel &panel)
{
    QJsonArray stages;
    for (int i = 0; i < DpiStages::kShown; ++i)
        stages.append(QJsonObject{{QStringLiteral("stage"), i + 1},
                                  {QStringLiteral("value"), panel.values[size_t(i)]},
                                  {QStringLiteral("on"), panel.on[size_t(i)]}});
    return stages;
}

std::unique_ptr<CtlCommand> makeCommand(const QString &name, const QStringList &arguments, QString &error)
{
    using Maker = std::function<std::unique_ptr<CtlCommand>(const QStringList &, QString &)>;
    static const std::map<QString, Maker> makers{
        {QStringLiteral("info"), makeInfo},
        {QStringLiteral("dpi"), makeDpi},
        {QStringLiteral("dpi-stage"), makeDpiStage},
        {QStringLiteral("rate"), makeRate},
        {QStringLiteral("sensitivity"), makeSensitivity},
        {QStringLiteral("lighting"), makeLighting},
        {QStringLiteral("button"), makeButton},
        {QStringLiteral("buttons"), makeButtons},
        {QStringLiteral("functions"), makeFunctions},
        {QStringLiteral("profile"), makeProfile},
        {QStringLiteral("macro"), makeMacro},
        {QStringLiteral("follow"), makeFollow},
    };
    const auto it = makers.find(name);
    if (it == makers.end()) {
        error = QStringLiteral("unknown command \"%1\"").arg(name);
        return nullptr;
    }
    std::unique_ptr<CtlCommand> command = it->second(arguments, error);
    if (!error.isEmpty())
        return nullptr;
    return command;
}
