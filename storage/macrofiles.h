#pragma once

#include "presetfiles.h"

// The macro folder under the names the pages call. Names arrive as QVariant
// and are used as strings.
class MacroFiles : public PresetFiles
{
public:
    explicit MacroFiles(const DeviceLink &link, const QString &folder = QStringLiteral("./modules/macro"))
        : PresetFiles(folder, QStringLiteral("macro"), link)
    {
    }

    QVariant createMacroIni(const QVariant &name, const QVariant &macroIndex)
    {
        return create(name.toString(), macroIndex.toUInt());
    }
    // `macroData` (the encoded bytes) is not stored: the lines are the macro.
    QVariant saveMacroIni(const QVariant &name, const QStringList &macros, const QVariantList &,
                          const QVariant &repeat)
    {
        return save(name.toString(), macros, repeat);
    }
    QStringList loadMacroIni(const QVariant &name) const { return load(name.toString()); }
    QVariant loadMacroType(const QVariant &name) const { return type(name.toString()); }
    QVariant loadMacroIndex(const QVariant &name) const { return index(name.toString()); }
    void setMacroIndex(const QVariant &name, const QVariant &macroIndex) { setIndex(name.toString(), macroIndex); }
    void setMacroType(const QVariant &name, const QVariant &macroType) { setType(name.toString(), macroType); }
    QVariantList loadMacroIniConfig(const QVariant &name) const { return config(name.toString()); }
    void setMacroIniConfig(const QVariant &name, const QVariantList &cfg) { setConfig(name.toString(), cfg); }
    QVariant deleteMacroIni(const QVariant &name) { return remove(name.toString()); }
    void renameMacroIniFile(const QVariant &oldName, const QVariant &newName)
    {
        rename(oldName.toString(), newName.toString());
    }

    // Import and export after the page's file dialog: `chosenFile` is what the
    // user picked ("" when cancelled). The dialog of the export is only worth
    // showing when exists(name).
    QVariant loadMacroIniFromFile(const QVariant &name, const QString &chosenFile)
    {
        return replaceFrom(name.toString(), chosenFile) ? QVariant(chosenFile) : QVariant(QStringLiteral(" "));
    }
    void saveMacroIniToFile(const QVariant &name, const QString &chosenFile) { copyTo(name.toString(), chosenFile); }
};
