#pragma once

#include <QString>

// Every group and key the program reads or writes in its data files, in one
// place: the profiles ("p1.bin" ... "p10.bin", their factory copies and
// exported ".pf" files), the application configuration, the name registry
// and the preset files. The spellings are the files' own and never change:
// files written by earlier versions and by other people use them.
namespace ProfileKeys {

// [sensor]: the performance pages.
inline const QString kSensorGroup = QStringLiteral("sensor");
inline const QString kReportRate = QStringLiteral("sensor/reportRate_R8");      // 1, 2, 4 or 8
inline const QString kDpiValues = QStringLiteral("sensor/dpi_R8");              // eight DPI codes
inline const QString kDpiSwitches = QStringLiteral("sensor/dpi_Select");        // six stage switches
inline const QString kDpiStage = QStringLiteral("sensor/stage_R8");             // the current stage
inline const QString kCursorSpeed = QStringLiteral("sensor/cursorSpeed_R8");
inline const QString kDoubleClickSpeed = QStringLiteral("sensor/doubleClickSpeed_R8");
inline const QString kScrollLines = QStringLiteral("sensor/verticalScrollLines_R8");

// [XYSensitive] 0 and 1: the X and Y steps (the page names the axis as it is stored).
inline const QString kXyGroup = QStringLiteral("XYSensitive");
inline QString xySensitivity(int axis) { return kXyGroup + u'/' + QString::number(axis); }

// [color_R8]: the lighting page. type0 ... type2 are colour tables of 24
// bytes (0: the DPI stages' colours).
inline const QString kLedEffect = QStringLiteral("color_R8/ledEffect");
inline QString colourTable(int type) { return QStringLiteral("color_R8/type") + QString::number(type); }
// [color]: the older LED commands' copies.
inline const QString kLedType = QStringLiteral("color/ledType");
inline QString ledColour(int index) { return QStringLiteral("color/") + QString::number(index); }

// The key matrices: layer 0 is the normal one ("keydefine_R8"), layers 1 to
// 3 the gun layers ("keydefine_R82" ... "keydefine_R84"); each entry of
// button n is at "<group>/n", four numbers.
inline const QString kKeyMatrixGroups[] = {QStringLiteral("keydefine_R8"), QStringLiteral("keydefine_R82"),
                                           QStringLiteral("keydefine_R83"), QStringLiteral("keydefine_R84")};
inline QString keyEntry(int layer, int button)
{
    return kKeyMatrixGroups[layer] + u'/' + QString::number(button);
}
inline const QString kScrollSwap = QStringLiteral("keydefine_R8/scrollswap");

// [macro] n: the name of the macro bound to 0-based slot n.
inline const QString kMacroGroup = QStringLiteral("macro");
inline QString macroSlot(int slot) { return kMacroGroup + u'/' + QString::number(slot); }

// [selectGun] n: the gun dialog's preset (a list index) for gun slot n.
inline const QString kSelectGunGroup = QStringLiteral("selectGun");
inline QString selectGun(int slot) { return kSelectGunGroup + u'/' + QString::number(slot); }
// [selectGunKey] n: the button carrying gun slot n (-1 none); typeN its play mode.
inline const QString kSelectGunKeyGroup = QStringLiteral("selectGunKey");
inline QString gunKeyButton(int slot) { return kSelectGunKeyGroup + u'/' + QString::number(slot); }
inline QString gunKeyType(int slot) { return kSelectGunKeyGroup + QStringLiteral("/type") + QString::number(slot); }

// [gun]: the gun presets a profile names, searched when a preset is deleted.
inline const QString kGunUseGroup = QStringLiteral("gun");

// [userPicture] n: a stored picture of the mouse's display.
inline QString userPicture(int index) { return QStringLiteral("userPicture/") + QString::number(index); }

// What an exported ".pf" carries beside the profile, in [profile]: the names
// of its macros ("macroName") and gun presets ("gunName"), and the lines of
// each, "macro<i>" and "gun<i>" in the order of the names.
inline const QString kCarriedGroup = QStringLiteral("profile");
inline QString carriedNames(const QString &kind) { return kCarriedGroup + u'/' + kind + QStringLiteral("Name"); }
inline QString carriedLines(const QString &kind, int i) { return kCarriedGroup + u'/' + kind + QString::number(i); }
inline const QString kMacroKind = QStringLiteral("macro");
inline const QString kGunKind = QStringLiteral("gun");

// [programs] names: the programs the profile follows (see ProgramList).
inline const QString kProgramsGroup = QStringLiteral("programs");
inline const QString kPrograms = QStringLiteral("programs/names");

} // namespace ProfileKeys

// The application configuration ("apConfig.bin").
namespace ConfigKeys {

inline const QString kLanguage = QStringLiteral("common/language");
inline const QString kTotal = QStringLiteral("common/total");
inline QString entry(int i) { return QStringLiteral("common/") + QString::number(i); }
inline const QString kProfileNo = QStringLiteral("R8/profileNo");
inline const QString kColourMaxStage = QStringLiteral("R8/colorMaxStage");
// Whether profiles follow the program in use, and the profile (0-based) for
// programs no profile lists.
inline const QString kFollowPrograms = QStringLiteral("follow/enabled");
inline const QString kFollowFallback = QStringLiteral("follow/fallback");

} // namespace ConfigKeys

// The name registry ("name.bin"): one list per kind.
namespace RegistryKeys {

inline const QString kMacros = QStringLiteral("macro/macroName");
inline const QString kGuns = QStringLiteral("gun/gunName");
inline const QString kProfiles = QStringLiteral("profile/profileName");
inline const QString kSelectGun = QStringLiteral("gun/selectGun");

} // namespace RegistryKeys

// A macro or gun preset file: [config] and the action lines under [macro] or [gun].
namespace PresetKeys {

inline const QString kTotal = QStringLiteral("config/total");
inline const QString kRepeat = QStringLiteral("config/repeat");
inline const QString kIndex = QStringLiteral("config/index");
inline const QString kDid = QStringLiteral("config/did");

} // namespace PresetKeys
