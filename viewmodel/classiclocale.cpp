#include "classiclocale.h"

#include <QLocale>
#include <QMetaEnum>
#include <QRegularExpression>

namespace {

// Enumerator names of the classic numbering, index = number.
const char *const kLanguages[] = {
    "AnyLanguage", "C", "Abkhazian", "Afan", "Afar", "Afrikaans", "Albanian", "Amharic", "Arabic", "Armenian",
    "Assamese", "Aymara", "Azerbaijani", "Bashkir", "Basque", "Bengali", "Bhutani", "Bihari", "Bislama", "Breton",
    "Bulgarian", "Burmese", "Byelorussian", "Cambodian", "Catalan", "Chinese", "Corsican", "Croatian", "Czech",
    "Danish", "Dutch", "English", "Esperanto", "Estonian", "Faroese", "FijiLanguage", "Finnish", "French",
    "Frisian", "Gaelic", "Galician", "Georgian", "German", "Greek", "Greenlandic", "Guarani", "Gujarati", "Hausa",
    "Hebrew", "Hindi", "Hungarian", "Icelandic", "Indonesian", "Interlingua", "Interlingue", "Inuktitut",
    "Inupiak", "Irish", "Italian", "Japanese", "Javanese", "Kannada", "Kashmiri", "Kazakh", "Kinyarwanda",
    "Kirghiz", "Korean", "Kurdish", "Kurundi", "Laothian", "Latin", "Latvian", "Lingala", "Lithuanian",
    "Macedonian", "Malagasy", "Malay", "Malayalam", "Maltese", "Maori", "Marathi", "Moldavian", "Mongolian",
    "NauruLanguage", "Nepali", "Norwegian", "Occitan", "Oriya", "Pashto", "Persian", "Polish", "Portuguese",
    "Punjabi", "Quechua", "RhaetoRomance", "Romanian", "Russian", "Samoan", "Sangho", "Sanskrit", "Serbian",
    "SerboCroatian", "Sesotho", "Setswana", "Shona", "Sindhi", "Singhalese", "Siswati", "Slovak", "Slovenian",
    "Somali", "Spanish", "Sundanese", "Swahili", "Swedish", "Tagalog", "Tajik", "Tamil", "Tatar", "Telugu",
    "Thai", "Tibetan", "Tigrinya", "TongaLanguage", "Tsonga", "Turkish", "Turkmen", "Twi", "Uigur", "Ukrainian",
    "Urdu", "Uzbek", "Vietnamese", "Volapuk", "Welsh", "Wolof", "Xhosa", "Yiddish", "Yoruba", "Zhuang", "Zulu",
    "NorwegianNynorsk", "Bosnian", "Divehi", "Manx", "Cornish", "Akan", "Konkani", "Ga", "Igbo", "Kamba",
    "Syriac", "Blin", "Geez", "Koro", "Sidamo", "Atsam", "Tigre", "Jju", "Friulian", "Venda", "Ewe", "Walamo",
    "Hawaiian", "Tyap", "Chewa",
};

const char *const kCountries[] = {
    "AnyCountry", "Afghanistan", "Albania", "Algeria", "AmericanSamoa", "Andorra", "Angola", "Anguilla",
    "Antarctica", "AntiguaAndBarbuda", "Argentina", "Armenia", "Aruba", "Australia", "Austria", "Azerbaijan",
    "Bahamas", "Bahrain", "Bangladesh", "Barbados", "Belarus", "Belgium", "Belize", "Benin", "Bermuda", "Bhutan",
    "Bolivia", "BosniaAndHerzegowina", "Botswana", "BouvetIsland", "Brazil", "BritishIndianOceanTerritory",
    "BruneiDarussalam", "Bulgaria", "BurkinaFaso", "Burundi", "Cambodia", "Cameroon", "Canada", "CapeVerde",
    "CaymanIslands", "CentralAfricanRepublic", "Chad", "Chile", "China", "ChristmasIsland", "CocosIslands",
    "Colombia", "Comoros", "DemocraticRepublicOfCongo", "PeoplesRepublicOfCongo", "CookIslands", "CostaRica",
    "IvoryCoast", "Croatia", "Cuba", "Cyprus", "CzechRepublic", "Denmark", "Djibouti", "Dominica",
    "DominicanRepublic", "EastTimor", "Ecuador", "Egypt", "ElSalvador", "EquatorialGuinea", "Eritrea", "Estonia",
    "Ethiopia", "FalklandIslands", "FaroeIslands", "FijiCountry", "Finland", "France", "MetropolitanFrance",
    "FrenchGuiana", "FrenchPolynesia", "FrenchSouthernTerritories", "Gabon", "Gambia", "Georgia", "Germany",
    "Ghana", "Gibraltar", "Greece", "Greenland", "Grenada", "Guadeloupe", "Guam", "Guatemala", "Guinea",
    "GuineaBissau", "Guyana", "Haiti", "HeardAndMcDonaldIslands", "Honduras", "HongKong", "Hungary", "Iceland",
    "India", "Indonesia", "Iran", "Iraq", "Ireland", "Israel", "Italy", "Jamaica", "Japan", "Jordan",
    "Kazakhstan", "Kenya", "Kiribati", "DemocraticRepublicOfKorea", "RepublicOfKorea", "Kuwait", "Kyrgyzstan",
    "Lao", "Latvia", "Lebanon", "Lesotho", "Liberia", "LibyanArabJamahiriya", "Liechtenstein", "Lithuania",
    "Luxembourg", "Macau", "Macedonia", "Madagascar", "Malawi", "Malaysia", "Maldives", "Mali", "Malta",
    "MarshallIslands", "Martinique", "Mauritania", "Mauritius", "Mayotte", "Mexico", "Micronesia", "Moldova",
    "Monaco", "Mongolia", "Montserrat", "Morocco", "Mozambique", "Myanmar", "Namibia", "NauruCountry", "Nepal",
    "Netherlands", "NetherlandsAntilles", "NewCaledonia", "NewZealand", "Nicaragua", "Niger", "Nigeria", "Niue",
    "NorfolkIsland", "NorthernMarianaIslands", "Norway", "Oman", "Pakistan", "Palau", "PalestinianTerritory",
    "Panama", "PapuaNewGuinea", "Paraguay", "Peru", "Philippines", "Pitcairn", "Poland", "Portugal",
    "PuertoRico", "Qatar", "Reunion", "Romania", "RussianFederation", "Rwanda", "SaintKittsAndNevis", "StLucia",
    "StVincentAndTheGrenadines", "Samoa", "SanMarino", "SaoTomeAndPrincipe", "SaudiArabia", "Senegal",
    "Seychelles", "SierraLeone", "Singapore", "Slovakia", "Slovenia", "SolomonIslands", "Somalia", "SouthAfrica",
    "SouthGeorgiaAndTheSouthSandwichIslands", "Spain", "SriLanka", "StHelena", "StPierreAndMiquelon", "Sudan",
    "Suriname", "SvalbardAndJanMayenIslands", "Swaziland", "Sweden", "Switzerland", "SyrianArabRepublic",
    "Taiwan", "Tajikistan", "Tanzania", "Thailand", "Togo", "Tokelau", "TongaCountry", "TrinidadAndTobago",
    "Tunisia", "Turkey", "Turkmenistan", "TurksAndCaicosIslands", "Tuvalu", "Uganda", "Ukraine",
    "UnitedArabEmirates", "UnitedKingdom", "UnitedStates", "UnitedStatesMinorOutlyingIslands", "Uruguay",
    "Uzbekistan", "Vanuatu", "VaticanCityState", "Venezuela", "VietNam", "BritishVirginIslands",
    "USVirginIslands", "WallisAndFutunaIslands", "WesternSahara", "Yemen", "Yugoslavia", "Zambia", "Zimbabwe",
    "SerbiaAndMontenegro", "Montenegro", "Serbia", "SaintBarthelemy", "SaintMartin",
    "LatinAmericaAndTheCaribbean",
};

// Classic names that Qt 6 spells differently and keeps no alias for.
const struct { const char *classic; const char *current; } kRenamed[] = {
    {"FijiLanguage", "Fijian"}, {"NauruLanguage", "Nauru"}, {"Sangho", "Sango"}, {"Sesotho", "SouthernSotho"},
    {"Setswana", "Tswana"}, {"Singhalese", "Sinhala"}, {"Siswati", "Swati"}, {"TongaLanguage", "Tongan"},
    {"Walamo", "Wolaytta"}, {"Bihari", "Bhojpuri"}, {"FijiCountry", "Fiji"}, {"NauruCountry", "Nauru"},
    {"TongaCountry", "Tonga"}, {"PalestinianTerritory", "PalestinianTerritories"},
    {"StHelena", "SaintHelena"}, {"StLucia", "SaintLucia"}, {"StPierreAndMiquelon", "SaintPierreAndMiquelon"},
    {"StVincentAndTheGrenadines", "SaintVincentAndGrenadines"}, {"CocosIslands", "CocosIslands"},
    {"LibyanArabJamahiriya", "Libya"}, {"SyrianArabRepublic", "Syria"}, {"VaticanCityState", "VaticanCity"},
    {"HeardAndMcDonaldIslands", "HeardAndMcDonaldIslands"}, {"SvalbardAndJanMayenIslands", "SvalbardAndJanMayen"},
    {"WallisAndFutunaIslands", "WallisAndFutuna"}, {"BruneiDarussalam", "Brunei"},
};

// "UnitedStates" -> "United States": the name of an entry Qt no longer has.
QString spelledOut(const char *enumerator)
{
    static const QRegularExpression wordStart(QStringLiteral("(?<=[a-z])(?=[A-Z])"));
    return QString::fromLatin1(enumerator).replace(wordStart, QStringLiteral(" "));
}

template <typename Enum, size_t N>
QString displayName(const char *const (&names)[N], int number, const char *enumName,
                    QString (*toString)(Enum))
{
    if (number < 0 || size_t(number) >= N)
        return QString();
    const QMetaEnum meta = QLocale::staticMetaObject.enumerator(QLocale::staticMetaObject.indexOfEnumerator(enumName));
    const char *name = names[number];
    for (const auto &r : kRenamed)
        if (qstrcmp(r.classic, name) == 0)
            name = r.current;
    bool ok = false;
    const int value = meta.keyToValue(name, &ok);
    if (!ok)
        return spelledOut(names[number]);
    return toString(static_cast<Enum>(value));
}

} // namespace

namespace ClassicLocale {

QString languageName(int number)
{
    return displayName<QLocale::Language>(kLanguages, number, "Language", &QLocale::languageToString);
}

QString countryName(int number)
{
    return displayName<QLocale::Territory>(kCountries, number, "Territory", &QLocale::territoryToString);
}

} // namespace ClassicLocale
