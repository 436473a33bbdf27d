#pragma once

#include "storage/inifile.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class ButtonModel;
class Hid_Thread;
class PresetListModel;
class ProfileListModel;
class PointerSettings;
class ProfileSet;
class DataSettings;
class QSettings;
struct StorageParts;

// The view model: QML reaches it as "ui_View" and calls its public slots.
// It keeps the application configuration, the ten profiles with the current
// one, and reaches the mouse through the device link; every profile read and
// write goes to the current profile. It needs no window: whatever shows the
// pages (the program's view host) carries out its root calls and answers its
// dialogs; without one, a command line or a test, file dialogs are cancelled,
// warnings become messageRequested and questions are answered no.
class myQQuickView : public QObject
{
    Q_OBJECT
    // Whether the page takes input: it blocks it while it is busy.
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledRequested)
    Q_MOC_INCLUDE("model/buttonmodel.h")
    Q_PROPERTY(ButtonModel *buttons READ buttons CONSTANT)
    Q_MOC_INCLUDE("model/presetlistmodel.h")
    Q_MOC_INCLUDE("model/profilelistmodel.h")
    // The lists of the macro editor, the gun dialog and the profile dialog.
    Q_PROPERTY(PresetListModel *macroList READ macroList CONSTANT)
    Q_PROPERTY(PresetListModel *gunList READ gunList CONSTANT)
    Q_PROPERTY(ProfileListModel *profileList READ profileList CONSTANT)
public:
    explicit myQQuickView(QObject *parent = nullptr);
    ~myQQuickView() override;

    void setHid(Hid_Thread *hid);
    Hid_Thread *hid() const { return m_hid; }

    // Replaces the system's pointer settings (tests record what it receives).
    void setPointerSettings(std::unique_ptr<PointerSettings> pointer);

    // Title/text pairs of the three warning boxes: too long macro data,
    // unreadable picture, confirmation. Filled from the current language.
    QStringList messageList() const { return m_messages; }

    ProfileSet &profiles() const { return *m_profiles; }
    // What each button does, for the key assignment panel and the command line.
    ButtonModel *buttons() const { return m_buttons.get(); }
    DataSettings *appConfig() const { return m_apConfig; }

    PresetListModel *macroList() const { return m_macroList.get(); }
    PresetListModel *gunList() const { return m_gunList.get(); }
    ProfileListModel *profileList() const { return m_profileList.get(); }

    // Every file dialog of the view model goes through this: an open dialog,
    // or a save dialog when `save`, starting in `folder`; "" is a cancelled
    // one. The view host shows the system's dialog; tests answer in place of
    // a person.
    using FileChooser = std::function<QString(bool save, const QString &caption, const QString &filter,
                                              const QString &folder)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // A warning box (no answer) or, when `question`, an OK/Cancel box that
    // returns true for OK.
    using MessageBox = std::function<bool(bool question, const QString &title, const QString &text)>;
    void setMessageBox(MessageBox box) { m_messageBox = std::move(box); }
    // Whether the pages are on screen; without a host they never are.
    void setShownQuery(std::function<bool()> shown) { m_shown = std::move(shown); }
    bool isShown() const { return m_shown && m_shown(); }
    bool isEnabled() const { return m_enabled; }

    // Recorded input on its way to the macro editor: "detectKeyboard" and
    // "detectMouse" of the root, queued, with the event's time last (the
    // callback registry's milliseconds).
    void forwardKey(uchar isDown, uchar usbCode, quint32 time);
    void forwardMouse(uchar isDown, uint buttonCode, uint x, uint y, quint32 time);

    // Import and export without the file dialogs, for a front end that has
    // the file from elsewhere (the command line). False when nothing was
    // imported or written.
    bool importProfile(int profile, const QString &file);
    // What the last import could not do: why nothing came, or what did not fit.
    QString lastImportMessage() const;
    bool exportProfile(int profile, const QString &file, const QStringList &macroNameList,
                       const QStringList &gunNameList);

signals:
    // Something the user must know that no page shows: an import that did
    // not come, or came without what did not fit. The window shows it as a
    // notice of the tray.
    void messageRequested(const QString &title, const QString &text);
    // A function of the page's root object, to be called from the event
    // loop ("initUI", "run", "detectKeyboard", "detectMouse").
    void rootCallRequested(const QString &function, const QVariantList &arguments);
    // The page asks for its input to be blocked (false) or let through again.
    void enabledRequested(bool enabled);
    // Every SET issued before notifyWhenSent() has ended (or none was sent).
    void sentToMouse();

public slots:
    // ---- host and application configuration
    // Blocks the view's input while the page is busy (the view host acts).
    void setEnabled(bool enabled)
    {
        m_enabled = enabled;
        emit enabledRequested(enabled);
    }
    void initUI();
    void runUI();
    void syncFW();
    // sentToMouse() follows, from the event loop, once the mouse has taken
    // or refused every SET issued so far.
    void notifyWhenSent();
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();
    QVariant getLang();
    QVariant getProfile();
    void setProfile(QVariant profileNo);
    void ui_02H_SetCurrentProfile(int profile);
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    QVariantList loadDeviceApConfig();
    void resetApconfig();
    bool getIsSkinShow();
    void openUpdateExe();
    QString getCustomFilePath();
    bool getMsgAns_FoolProofing();

    // ---- device operations bridge
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetKeyMatrixNo(uchar keyMatrixNo);
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4);
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction);
    void ui_09H_SetKeyboardMode(uchar mode);
    void ui_0EH_SetXYSensitive(QVariant par0, QVariant par1);
    void ui_13H_SetRecoveryData();
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    QString ui_80H_GetFWVersion();
    QVariant ui_81H_GetReportRate();
    QVariant ui_82H_GetCurrentProfile();
    QVariantList ui_83H_GetKeyboardoption();
    QVariantList ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariant ui_89H_GetKeyboardMode();
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariantList ui_94H_GetColor(uchar index);

    // ---- DPI, polling rate and lighting
    QVariant getXYSensitive(QVariant index);
    void setXYSensitive(QVariant index, QVariant xyData);
    QVariant getSensorType();
    bool chkIsLogoLedWork();
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs);
    void ui_10H_SetLED8StageColor(uchar type, QVariantList src24);
    void ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex);
    void ui_11H_SetDPISelect(QVariantList valueForIndex);
    QVariant ui_8BH_GetCurrentDPIStage();
    QVariantList ui_8DH_GetRGBLedEffect();
    QVariantList ui_90H_GetLED8StageColor(uchar type);
    uchar ui_91H_SyncDPI();
    QVariantList ui_91H_GetDPISet();
    QVariantList ui_91H_GetDPISelect();

    // ---- rules of the panels, in one place for every front end
    // The eight DPI codes of the panel's six stage values and switches.
    QVariantList dpiCodes(QVariantList values, QVariantList switches);
    // What the mouse gets for a lighting effect 1 ... 4 at level 0 ... 4:
    // [effect, option1, option2], all zero when the light is off.
    QVariantList ledEffectCommand(QVariant effect, QVariant level, QVariant option2);
    // The mouse's value of an X/Y sensitivity step 0 ... 9.
    QVariant xySensitivityValue(QVariant step);

    // ---- system pointer settings
    void setScrollPinSwap(bool isSwap);
    bool getScrollPinSwap();
    void setAcceleration(bool acceleration);
    bool getAcceleration();
    void setCursorSpeed(uint cursorSpeed);
    uint getCursorSpeed();
    void setVerticalScrollLines(uint lines);
    uint getVerticalScrollLines();
    void setDoubleClickSpeed(uint speed);
    uint getDoubleClickSpeed();

    // ---- languages and UI strings
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QVariant type, QString langCode);
    QStringList getProductLayoutStrings_R8(QString langCode);

    // ---- profiles
    QVariantList loadDefaultProfile(uchar uiPageId);
    bool loadProfile(int profile);
    bool loadProfileMacroData(int profile);
    bool loadProfileGunData(int profile);
    void saveProfile(int profile, QStringList macroNameList, QStringList gunNameList);
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);

    // ---- profiles that follow the program in use
    // The programs profile `profile` follows; [] outside 0..9.
    QStringList programsOf(int profile);
    // Stores the list, checked (see ProgramList); false when it could not be
    // written or `profile` is out of range.
    bool setPrograms(int profile, QStringList names);
    bool isProgramName(QString name);
    // The programs with a window open now, for the dialog to pick from.
    QStringList programsWithWindows();
    // The profile for programs no profile lists; the current profile until one is stored.
    int followFallback();
    void setFollowFallback(int profile);
    // The tray's switch. Turning it on sets the fallback to the current profile.
    bool isFollowing() const;
    void setFollowing(bool on);

    // ---- names, macro and gun files
    QVariantList getNameList(QVariant type);
    QVariant updataNameList(QVariant type, QStringList nameList);
    QVariant modifyMacroName(QVariant oldname, QVariant newname);
    QVariant modifyGunName(QVariant oldname, QVariant newname);
    QStringList isMacroUse(QVariant macroName);
    QStringList isGunUse(QVariant macroName);
    QVariant createMacroIni(QVariant name, QVariant macroIndex);
    QVariant createGunIni(QVariant name, QVariant gunIndex);
    QVariant deleteMacroIni(QVariant name);
    QVariant deleteGunIni(QVariant name);
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariantList macroData, QVariant repeat);
    QVariant saveGunIni(QVariant name, QStringList macros, QVariantList macroData, QVariant repeat);
    QStringList loadMacroIni(QVariant name);
    QStringList loadGunIni(QVariant name);
    QVariant loadMacroType(QVariant name);
    QVariant loadGunType(QVariant name);
    QVariant loadMacroIndex(QVariant name);
    QVariant loadGunIndex(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);
    void setMacroIndex(QVariant name, QVariant macroIndex);
    void setGunIndex(QVariant name, QVariant gunIndex);
    void setMacroType(QVariant name, QVariant macroType);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    QVariant loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    void changeMacroFileIndex(QVariant macroIndex);
    void changeMacroFileType(QVariant macroIndex, QVariant macroType);

    // ---- key assignment
    QVariantList getKeydefine(QVariant matrixId);
    QVariantList getGunKeydefine(QVariant keyMatrixIndex, QVariant matrixId);
    void ui_12H_SetKeyMatrix(QVariantList src64);
    void ui_12H_SetGunKeyMatrix(QVariantList src64, QVariant keyMatrixIndex);
    QVariantList ui_92H_GetKeyMatrix();
    void ui_0DH_SetKeyMatrix(QVariantList src512);
    QVariantList ui_8DH_GetKeyMatrix();
    void ui_0EH_SetKeyOnOff(QVariantList src21);
    QVariantList ui_8EH_GetKeyOnOff();
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512);

    // ---- gun data
    void saveGundata(QVariantList src6);
    void modifyGundata(QVariant modifyType, QVariantList src6);
    QVariantList getGunData(QVariant name);
    QStringList getGunDataKey();
    QVariantList getselectGun();
    void setSelectGun(QVariantList gunData);
    QVariantList getselectGunKey();
    void setSelectGunKey(QVariantList gunData);
    void upDateDeleteGun(QVariant gunData);

    // ---- macro encoding and transfer
    QList<uchar> macroIncode(QStringList macros);
    // The macro editor's and gun dialog's encoder: the stored action lines
    // ("1,A", "0,100", "5,-3") and the repeat count as the mouse's bytes.
    QVariantList encodeMacroActions(QStringList actions, QVariant repeat, QVariant gunVariant);
    void setMacroKey(int index, QVariant macroName);
    QVariant getMacroKey(int index);
    QVariant sendMacroData(QVariantList macroData, QVariant macroIndex);
    QVariant sendGunData(QVariantList gunData, QVariant gunIndex);
    void ui_11H_SetMacroKey(QVariant macroId, QVariant name);
    void ui_13H_SetMacroKey(QVariant macroId, QVariant name);
    QVariantList ui_91H_GetMacroKey(uchar macroId);
    QVariantList ui_93H_GetMacroKey(uchar macroId);

    // ---- key assignment and macro pages
    // A macro is being deleted: in every profile its slot bindings go and
    // the buttons that played it from those slots get their factory functions.
    void releaseMacro(QVariant name);
    // The presets of the three gun slots to the mouse: their data from macro
    // slot 6 on when together below 896 bytes, each slot's length in any
    // case. True when the data was sent.
    QVariant sendGunPresets(QStringList names);
    // A notice for the user from a page, shown as every messageRequested is.
    void notifyUser(const QString &title, const QString &text) { emit messageRequested(title, text); }
    // A recording starts: the capture takes every key as up, so a key-up it
    // never saw cannot hide that key's next press.
    void resetKeyCapture();

private:
    QSettings *profile() const;
    bool mouseIsCurrent() const;
    void queueRootCall(const char *function, const QVariantList &arguments = {});
    void loadMessageTexts();
    void warnMacroCut(int slotBytes, int macroBytes);
    QString chooseFile(bool save, const QString &caption, const QString &filter, const QString &folder);
    bool showBox(bool question, const QString &title, const QString &text);

    Hid_Thread *m_hid = nullptr;
    bool m_audioEnabled = true;
    DataSettings *m_apConfig = nullptr;
    std::unique_ptr<ProfileSet> m_profiles;
    std::unique_ptr<StorageParts> m_storage;
    std::unique_ptr<PresetListModel> m_macroList;
    std::unique_ptr<PresetListModel> m_gunList;
    std::unique_ptr<ProfileListModel> m_profileList;
    QStringList m_messages;
    std::unique_ptr<PointerSettings> m_pointer;
    FileChooser m_chooseFile;
    MessageBox m_messageBox;
    std::function<bool()> m_shown;
    bool m_enabled = true;
    std::unique_ptr<ButtonModel> m_buttons;
};
