// Every method the pages call on ui_View exists, is callable from QML and
// takes the types the pages pass: a renamed or retyped method would only show
// up as a silent failure in a page.

#include "viewmodel/myqquickview.h"

#include <QTest>

class QmlSurfaceTest : public QObject
{
    Q_OBJECT

private slots:
    void everyPageMethodIsInvokable_data();
    void everyPageMethodIsInvokable();
};

void QmlSurfaceTest::everyPageMethodIsInvokable_data()
{
    QTest::addColumn<QByteArray>("signature");
    const char *const signatures[] = {
        "changeMacroFileIndex(QVariant)",
        "changeMacroFileType(QVariant,QVariant)",
        "chkIsLogoLedWork()",
        "chkLanguages()",
        "clearAllMedia()",
        "copyProfile(int,int)",
        "createGunIni(QVariant,QVariant)",
        "createMacroIni(QVariant,QVariant)",
        "deleteGunIni(QVariant)",
        "deleteMacroIni(QVariant)",
        "encodeMacroActions(QStringList,QVariant,QVariant)",
        "getAcceleration()",
        "getCursorSpeed()",
        "getCustomFilePath()",
        "getDoubleClickSpeed()",
        "getGlobalStrings(QVariant,QString)",
        "getGunData(QVariant)",
        "getGunDataKey()",
        "getGunKeydefine(QVariant,QVariant)",
        "getIsSkinShow()",
        "getKeydefine(QVariant)",
        "getLang()",
        "getMacroKey(int)",
        "getMsgAns_FoolProofing()",
        "getNameList(QVariant)",
        "getProductLayoutStrings_R8(QString)",
        "getProfile()",
        "getScrollPinSwap()",
        "getSensorType()",
        "getVerticalScrollLines()",
        "getXYSensitive(QVariant)",
        "getselectGun()",
        "getselectGunKey()",
        "initUI()",
        "isGunUse(QVariant)",
        "isMacroUse(QVariant)",
        "loadApConfig()",
        "loadDefaultProfile(uchar)",
        "loadDeviceApConfig()",
        "loadGunIndex(QVariant)",
        "loadGunIni(QVariant)",
        "loadGunType(QVariant)",
        "loadMacroIndex(QVariant)",
        "loadMacroIni(QVariant)",
        "loadMacroIniConfig(QVariant)",
        "loadMacroIniFromFile(QVariant)",
        "loadMacroType(QVariant)",
        "loadProfile(int)",
        "loadProfileGunData(int)",
        "loadProfileMacroData(int)",
        "macroIncode(QStringList)",
        "modifyGunName(QVariant,QVariant)",
        "modifyGundata(QVariant,QVariantList)",
        "modifyMacroName(QVariant,QVariant)",
        "openUpdateExe()",
        "playMedia_Background()",
        "playMedia_Index(uchar)",
        "renameMacroIniFile(QVariant,QVariant)",
        "resetApconfig()",
        "resetProfile(int)",
        "runUI()",
        "saveApConfig(QVariantList)",
        "saveGunIni(QVariant,QStringList,QVariantList,QVariant)",
        "saveGundata(QVariantList)",
        "saveMacroIni(QVariant,QStringList,QVariantList,QVariant)",
        "saveMacroIniToFile(QVariant)",
        "saveProfile(int,QStringList,QStringList)",
        "sendGunData(QVariantList,QVariant)",
        "sendMacroData(QVariantList,QVariant)",
        "setAcceleration(bool)",
        "setCursorSpeed(uint)",
        "setDoubleClickSpeed(uint)",
        "setEnableAudio(bool)",
        "setGunIndex(QVariant,QVariant)",
        "setMacroIndex(QVariant,QVariant)",
        "setMacroIniConfig(QVariant,QVariantList)",
        "setMacroKey(int,QVariant)",
        "setMacroType(QVariant,QVariant)",
        "setProfile(QVariant)",
        "setScrollPinSwap(bool)",
        "setSelectGun(QVariantList)",
        "setSelectGunKey(QVariantList)",
        "setVerticalScrollLines(uint)",
        "setXYSensitive(QVariant,QVariant)",
        "syncFW()",
        "ui_01H_SetReportRate(uchar)",
        "ui_02H_SetCurrentProfile(int)",
        "ui_02H_SetKeyMatrixNo(uchar)",
        "ui_03H_SetKeyboardoption(uchar,uchar,uchar,uchar)",
        "ui_04H_SetGunData(uchar,uchar,uchar,uchar,uchar)",
        "ui_07H_SetControlIndicatorLight(uchar,uchar)",
        "ui_08H_SetLEDType(uchar,uchar,uchar,uchar,uchar,uchar)",
        "ui_09H_SetKeyboardMode(uchar)",
        "ui_0BH_SetCurrentDPIStage(uchar)",
        "ui_0DH_SetKeyMatrix(QVariantList)",
        "ui_0DH_SetRGBLedEffect(uchar,uchar,uchar,QVariantList)",
        "ui_0EH_SetKeyOnOff(QVariantList)",
        "ui_0EH_SetXYSensitive(QVariant,QVariant)",
        "ui_10H_SetLED8StageColor(uchar,QVariantList)",
        "ui_11H_SetDPISelect(QVariantList)",
        "ui_11H_SetDPISet(uchar,QVariantList,QVariantList)",
        "ui_11H_SetMacroKey(QVariant,QVariant)",
        "ui_12H_SetGunKeyMatrix(QVariantList,QVariant)",
        "ui_12H_SetKeyMatrix(QVariantList)",
        "ui_12H_SetUserPicture(uchar,uchar,QVariantList)",
        "ui_13H_SetMacroKey(QVariant,QVariant)",
        "ui_13H_SetRecoveryData()",
        "ui_14H_SetColor(uchar,uchar,uchar,uchar)",
        "ui_80H_GetFWVersion()",
        "ui_81H_GetReportRate()",
        "ui_82H_GetCurrentProfile()",
        "ui_83H_GetKeyboardoption()",
        "ui_84H_GetButtonSensitivity()",
        "ui_88H_GetLEDType()",
        "ui_89H_GetKeyboardMode()",
        "ui_8BH_GetCurrentDPIStage()",
        "ui_8DH_GetKeyMatrix()",
        "ui_8DH_GetRGBLedEffect()",
        "ui_8EH_GetKeyOnOff()",
        "ui_90H_GetLED8StageColor(uchar)",
        "ui_91H_GetDPISelect()",
        "ui_91H_GetDPISet()",
        "ui_91H_GetMacroKey(uchar)",
        "ui_91H_SyncDPI()",
        "ui_92H_GetKeyMatrix()",
        "ui_92H_GetUserPicture(uchar)",
        "ui_93H_GetMacroKey(uchar)",
        "ui_94H_GetColor(uchar)",
        "upDateDeleteGun(QVariant)",
        "updataNameList(QVariant,QStringList)",
    };
    for (const char *s : signatures)
        QTest::newRow(s) << QByteArray(s);
    QCOMPARE(int(std::size(signatures)), 130);
}

void QmlSurfaceTest::everyPageMethodIsInvokable()
{
    QFETCH(QByteArray, signature);
    const QMetaObject &meta = myQQuickView::staticMetaObject;
    const int index = meta.indexOfMethod(QMetaObject::normalizedSignature(signature.constData()));
    QVERIFY2(index >= 0, signature.constData());
    const QMetaMethod method = meta.method(index);
    QVERIFY(method.access() == QMetaMethod::Public);
    QVERIFY(method.methodType() == QMetaMethod::Slot || method.methodType() == QMetaMethod::Method);
}

QTEST_GUILESS_MAIN(QmlSurfaceTest)
#include "tst_qmlsurface.moc"
