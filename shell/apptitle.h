#pragma once

#include <QString>

// The window title from the application configuration: "common/name" when the
// language is Simplified Chinese, "common/name0" otherwise; empty when the
// file or the key is missing.
QString applicationTitle(const QString &apConfigPath = QStringLiteral("./modules/setting/apConfig.bin"));
