// Profiles, names, macro and gun files, key assignment and macro transfer:
// the files live in storage; here they meet the pages, the dialogs and the boxes.

#include "myqquickview.h"

#include "storage/editorencoder.h"
#include "storage/profileset.h"
#include "storage/storageparts.h"

#include <QStandardPaths>

namespace {

constexpr int kMouseSlotBytes = 128;

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

void myQQuickView::warnMacroCut(int slotBytes, int)
{
    if (slotBytes == kMouseSlotBytes)
        showBox(false, tr("MACRO"), tr("Out of memory,\nsome command line has been cut."));
    else
        showBox(false, m_messages.value(0), m_messages.value(1));
}

// ---- profiles ---------------------------------------------------------------------

QVariantList myQQuickView::loadDefaultProfile(uchar uiPageId)
{
    return m_storage->store.loadDefaultProfile(uiPageId);
}

bool myQQuickView::loadProfile(int profile)
{
    const QString file = chooseFile(false, tr("Open File"), tr("Profile(*.pf)"), desktopFolder());
    if (file.isEmpty())
        return false;
    const bool imported = m_storage->store.loadProfile(profile, file);
    const QString message = m_storage->store.lastImport().message();
    if (!message.isEmpty())
        emit messageRequested(tr("Import"), message);
    return imported;
}

// The import brings the macros and gun presets it carries itself, with the
// profile or not at all; the page's calls after it have nothing left to do.
bool myQQuickView::loadProfileMacroData(int)
{
    return true;
}

bool myQQuickView::loadProfileGunData(int)
{
    return true;
}

void myQQuickView::saveProfile(int profile, QStringList macroNameList, QStringList gunNameList)
{
    const QString file = chooseFile(true, tr("Save File"), tr("Profile(*.pf)"), desktopFolder());
    if (!file.isEmpty())
        m_storage->store.saveProfile(profile, file, macroNameList, gunNameList);
}

void myQQuickView::resetProfile(int profile)
{
    m_storage->store.resetProfile(profile);
}

void myQQuickView::copyProfile(int destprofile, int srcprofile)
{
    m_storage->store.copyProfile(destprofile, srcprofile);
}

// ---- names, macro and gun files --------------------------------------------------

QVariantList myQQuickView::getNameList(QVariant type) { return m_storage->names.getNameList(type); }
QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    return m_storage->names.updataNameList(type, nameList);
}
QVariant myQQuickView::modifyMacroName(QVariant oldname, QVariant newname)
{
    return m_storage->bindings.modifyMacroName(oldname, newname);
}
QVariant myQQuickView::modifyGunName(QVariant oldname, QVariant newname)
{
    return m_storage->guns.modifyGunName(oldname, newname);
}
QStringList myQQuickView::isMacroUse(QVariant macroName) { return m_storage->bindings.isMacroUse(macroName); }
QStringList myQQuickView::isGunUse(QVariant macroName) { return m_storage->gunSelection.isGunUse(macroName); }
QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return m_storage->macros.createMacroIni(name, macroIndex);
}
QVariant myQQuickView::createGunIni(QVariant name, QVariant gunIndex)
{
    return m_storage->guns.createGunIni(name, gunIndex);
}
QVariant myQQuickView::deleteMacroIni(QVariant name) { return m_storage->macros.deleteMacroIni(name); }
QVariant myQQuickView::deleteGunIni(QVariant name) { return m_storage->guns.deleteGunIni(name); }
QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariantList macroData, QVariant repeat)
{
    return m_storage->macros.saveMacroIni(name, macros, macroData, repeat);
}
QVariant myQQuickView::saveGunIni(QVariant name, QStringList macros, QVariantList macroData, QVariant repeat)
{
    return m_storage->guns.saveGunIni(name, macros, macroData, repeat);
}
QStringList myQQuickView::loadMacroIni(QVariant name) { return m_storage->macros.loadMacroIni(name); }
QStringList myQQuickView::loadGunIni(QVariant name) { return m_storage->guns.loadGunIni(name); }
QVariant myQQuickView::loadMacroType(QVariant name) { return m_storage->macros.loadMacroType(name); }
QVariant myQQuickView::loadGunType(QVariant name) { return m_storage->guns.loadGunType(name); }
QVariant myQQuickView::loadMacroIndex(QVariant name) { return m_storage->macros.loadMacroIndex(name); }
QVariant myQQuickView::loadGunIndex(QVariant name) { return m_storage->guns.loadGunIndex(name); }
QVariantList myQQuickView::loadMacroIniConfig(QVariant name) { return m_storage->macros.loadMacroIniConfig(name); }
void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    m_storage->macros.setMacroIniConfig(name, config);
}
void myQQuickView::setMacroIndex(QVariant name, QVariant macroIndex) { m_storage->macros.setMacroIndex(name, macroIndex); }
void myQQuickView::setGunIndex(QVariant name, QVariant gunIndex) { m_storage->guns.setGunIndex(name, gunIndex); }
void myQQuickView::setMacroType(QVariant name, QVariant macroType) { m_storage->macros.setMacroType(name, macroType); }
void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    m_storage->macros.renameMacroIniFile(oldName, newName);
}

QVariant myQQuickView::loadMacroIniFromFile(QVariant name)
{
    const QString file = chooseFile(false, tr("Open File"), tr("Macro(*.mc)"), desktopFolder());
    return m_storage->macros.loadMacroIniFromFile(name, file);
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    if (!m_storage->macros.exists(name.toString()))
        return;
    const QString file = chooseFile(true, tr("Save File"), tr("Macro(*.mc)"), desktopFolder());
    if (!file.isEmpty())
        m_storage->macros.saveMacroIniToFile(name, file);
}

void myQQuickView::changeMacroFileIndex(QVariant macroIndex) { m_storage->bindings.changeMacroFileIndex(macroIndex); }
void myQQuickView::changeMacroFileType(QVariant macroIndex, QVariant macroType)
{
    m_storage->bindings.changeMacroFileType(macroIndex, macroType);
}

// ---- key assignment -------------------------------------------------------------

QVariantList myQQuickView::getKeydefine(QVariant matrixId) { return m_storage->keys.getKeydefine(matrixId); }
QVariantList myQQuickView::getGunKeydefine(QVariant keyMatrixIndex, QVariant matrixId)
{
    return m_storage->keys.getGunKeydefine(keyMatrixIndex, matrixId);
}
void myQQuickView::ui_12H_SetKeyMatrix(QVariantList src64) { m_storage->keys.ui_12H_SetKeyMatrix(src64); }
void myQQuickView::ui_12H_SetGunKeyMatrix(QVariantList src64, QVariant keyMatrixIndex)
{
    m_storage->keys.ui_12H_SetGunKeyMatrix(src64, keyMatrixIndex);
}
QVariantList myQQuickView::ui_92H_GetKeyMatrix() { return m_storage->keys.ui_92H_GetKeyMatrix(); }
void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512) { m_storage->keys.ui_0DH_SetKeyMatrix(src512); }
QVariantList myQQuickView::ui_8DH_GetKeyMatrix() { return m_storage->keys.ui_8DH_GetKeyMatrix(); }
void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21) { m_storage->keys.ui_0EH_SetKeyOnOff(src21); }
QVariantList myQQuickView::ui_8EH_GetKeyOnOff() { return m_storage->keys.ui_8EH_GetKeyOnOff(); }
void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512)
{
    m_storage->keys.ui_12H_SetUserPicture(index, option, src512);
}
QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index) { return m_storage->keys.ui_92H_GetUserPicture(index); }

// ---- gun data ---------------------------------------------------------------------

void myQQuickView::saveGundata(QVariantList src6) { m_storage->gunData.saveGundata(src6); }
void myQQuickView::modifyGundata(QVariant modifyType, QVariantList src6)
{
    m_storage->gunData.modifyGundata(modifyType, src6);
}
QVariantList myQQuickView::getGunData(QVariant name) { return m_storage->gunData.getGunData(name); }
QStringList myQQuickView::getGunDataKey() { return m_storage->gunData.getGunDataKey(); }
QVariantList myQQuickView::getselectGun() { return m_storage->gunSelection.getselectGun(); }
void myQQuickView::setSelectGun(QVariantList gunData) { m_storage->gunSelection.setSelectGun(gunData); }
QVariantList myQQuickView::getselectGunKey() { return m_storage->gunSelection.getselectGunKey(); }
void myQQuickView::setSelectGunKey(QVariantList gunData) { m_storage->gunSelection.setSelectGunKey(gunData); }
void myQQuickView::upDateDeleteGun(QVariant gunData) { m_storage->gunSelection.upDateDeleteGun(gunData); }

// ---- macro encoding and transfer ---------------------------------------------------

QList<uchar> myQQuickView::macroIncode(QStringList macros) { return m_storage->transfer.macroIncode(macros); }
QVariantList myQQuickView::encodeMacroActions(QStringList actions, QVariant repeat, QVariant gunVariant)
{
    return EditorEncoder::encodeMacroActions(actions, repeat, gunVariant);
}
void myQQuickView::setMacroKey(int index, QVariant macroName) { m_storage->bindings.setMacroKey(index, macroName); }
QVariant myQQuickView::getMacroKey(int index) { return m_storage->bindings.getMacroKey(index); }
QVariant myQQuickView::sendMacroData(QVariantList macroData, QVariant macroIndex)
{
    return m_storage->transfer.sendMacroData(macroData, macroIndex);
}
QVariant myQQuickView::sendGunData(QVariantList gunData, QVariant gunIndex)
{
    return m_storage->transfer.sendGunData(gunData, gunIndex);
}
void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name) { m_storage->transfer.ui_11H_SetMacroKey(macroId, name); }
void myQQuickView::ui_13H_SetMacroKey(QVariant macroId, QVariant name) { m_storage->transfer.ui_13H_SetMacroKey(macroId, name); }
QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId) { return m_storage->transfer.ui_91H_GetMacroKey(macroId); }
QVariantList myQQuickView::ui_93H_GetMacroKey(uchar macroId) { return m_storage->transfer.ui_93H_GetMacroKey(macroId); }
