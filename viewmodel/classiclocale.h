#pragma once

#include <QString>

// Language file names carry QLocale numbers as the classic Qt 4 enums counted
// them (Chinese 25, China 44, Taiwan 208). Qt 6 renumbered both enums, so the
// numbers are turned into names here before Qt is asked for display names.
namespace ClassicLocale {

// Qt's display name of classic language `number` ("Chinese"); "" when unknown.
QString languageName(int number);
// Qt's display name of classic country `number` ("China"); "" when unknown.
QString countryName(int number);

} // namespace ClassicLocale
