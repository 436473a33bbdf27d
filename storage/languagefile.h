#pragma once

#include <QString>
#include <QStringList>

// One string table of a language file (INI, UTF-8): "<group>/total", then
// "<group>/0" ... total-1. An empty group reads the keys outside every group.
// A missing file or "total" gives []; absent strings are "". No table is
// longer than kMaxStrings, whatever "total" says.
namespace LanguageFile {

constexpr int kMaxStrings = 1024;

QStringList readLanguageTable(const QString &path, const QString &group);

} // namespace LanguageFile
