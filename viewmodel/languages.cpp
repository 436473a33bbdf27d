// Language files beside the program: which languages exist, and the string
// tables of one of them for the pages and the DPI balloon.

#include "myqquickview.h"

#include "classiclocale.h"
#include "device/devicestate.h"
#include "storage/languagefile.h"

#include "storage/inifile.h"

#include <QDir>
#include <QSettings>

namespace {

const QString kLanguageFolder = QStringLiteral("./modules/i18n/");
constexpr int kDpiTextTable = 6;
constexpr int kProductLayoutStrings = 16;

const char *const kGroups[] = {"main", "keyMatrix", "keyMenu", "macroEditor", "gunControl", "macroKey", "other", "follow"};

QString suffixFor(int country)
{
    switch (country) {
    case 0: return QString();
    case 44: return QStringLiteral(" (Simp)");
    case 208: return QStringLiteral(" (Trad)");
    default: return QStringLiteral(" (") + ClassicLocale::countryName(country).toUpper() + QLatin1Char(')');
    }
}

} // namespace

QVariantMap myQQuickView::chkLanguages()
{
    QVariantMap languages;
    const QStringList files = QDir(kLanguageFolder)
                                  .entryList({QStringLiteral("lang_*.ini")}, QDir::AllEntries | QDir::NoDotAndDotDot,
                                             QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        const QString code = file.mid(5, 6);
        const int language = code.left(3).toInt(); // not a number: 0
        const int country = code.mid(3, 3).toInt();
        languages.insert(ClassicLocale::languageName(language).toUpper() + suffixFor(country), code);
    }
    return languages;
}

QStringList myQQuickView::getGlobalStrings(QVariant type, QString langCode)
{
    const uint group = type.toUInt();
    const QString groupName = group < std::size(kGroups) ? QString::fromLatin1(kGroups[group]) : QString();
    const QStringList table = LanguageFile::readLanguageTable(kLanguageFolder + langCode + QStringLiteral(".ini"),
                                                              groupName);
    if (group == kDpiTextTable)
        DpiTables::setTexts(table); // a short table leaves the other stages' texts as they were
    return table;
}

QStringList myQQuickView::getProductLayoutStrings_R8(QString langCode)
{
    DataSettings file(kLanguageFolder + QStringLiteral("lang_") + langCode + QStringLiteral(".ini"));
    QStringList strings;
    for (int i = 0; i < kProductLayoutStrings; ++i)
        strings.append(file.value(QStringLiteral("R8_133C6AA/") + QString::number(i)).toString());
    return strings;
}
