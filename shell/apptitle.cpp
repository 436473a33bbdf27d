#include "apptitle.h"

#include "storage/inifile.h"

#include <QSettings>

QString applicationTitle(const QString &apConfigPath)
{
    const DataSettings config(apConfigPath);
    const bool chinese = config.value(QStringLiteral("common/language")).toString() == QLatin1String("ChineseSimplified");
    return config.value(chinese ? QStringLiteral("common/name") : QStringLiteral("common/name0")).toString();
}
