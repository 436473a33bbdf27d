#include "myqquickview.h"
#include "storage/datakeys.h"

#include "device/hid_thread.h"
#include "model/buttonmodel.h"
#include "model/presetlistmodel.h"
#include "model/profilelistmodel.h"
#include "hooks/callbackregistry.h"
#include "platform/pointersettings.h"
#include "platform/updater.h"
#include "storage/filereplace.h"
#include "storage/languagefile.h"
#include "storage/profileset.h"
#include "storage/settingsvalues.h"
#include "storage/storageparts.h"

#include "storage/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QFutureWatcher>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

namespace {

const QString kApConfigPath = QStringLiteral("./modules/setting/apConfig.bin");
const QString kApConfigDefaultPath = QStringLiteral("./modules/setting/apConfigD.bin");
const QString kSkinFolder = QStringLiteral("./modules/img");
const QString kChineseFile = QStringLiteral("./modules/i18n/lang_025044.ini");
constexpr int kUpdaterDelayMs = 500;

// Titles and texts of the three warning boxes, in the order the boxes read
// them: macro too long, picture unreadable, confirmation.
QStringList englishMessages()
{
    return {
        QStringLiteral("Macro too long"),
        QStringLiteral("The macro does not fit into the mouse's macro memory; its end was cut off."),
        QStringLiteral("Picture"),
        QStringLiteral("This picture cannot be opened: "),
        QStringLiteral("Please confirm"),
        QStringLiteral("Do you really want to do this?"),
    };
}

} // namespace

myQQuickView::myQQuickView(QObject *parent)
    : QObject(parent)
    , m_apConfig(new DataSettings(kApConfigPath))
    , m_profiles(std::make_unique<ProfileSet>())
    , m_storage(std::make_unique<StorageParts>(*m_profiles))
    , m_macroList(std::make_unique<PresetListModel>(
          m_storage->names, NameRegistry::Macro, m_storage->macros,
          [this](const QString &from, const QString &to) { return m_storage->bindings.modifyMacroName(from, to).toBool(); },
          this))
    , m_gunList(std::make_unique<PresetListModel>(
          m_storage->names, NameRegistry::Gun, m_storage->guns,
          [this](const QString &from, const QString &to) { return m_storage->guns.rename(from, to); }, this))
    , m_profileList(std::make_unique<ProfileListModel>(m_storage->names, this))
    , m_pointer(PointerSettings::createForSystem())
    , m_buttons(std::make_unique<ButtonModel>(*m_storage))
{
    loadMessageTexts();
    m_storage->transfer.setOverflowWarning([this](int slotBytes, int macroBytes) { warnMacroCut(slotBytes, macroBytes); });
}

myQQuickView::~myQQuickView()
{
    delete m_apConfig;
}

void myQQuickView::setHid(Hid_Thread *hid)
{
    m_hid = hid;
    m_storage->link.hid = hid;
}

void myQQuickView::loadMessageTexts()
{
    m_messages = englishMessages();
    if (getLang().toString() != QLatin1String("ChineseSimplified"))
        return;
    const QStringList translated = LanguageFile::readLanguageTable(kChineseFile, QStringLiteral("messageBox"));
    for (int i = 0; i < m_messages.size() && i < translated.size(); ++i)
        if (!translated.at(i).isEmpty())
            m_messages[i] = translated.at(i);
}

// ---- calls into QML ---------------------------------------------------------------

void myQQuickView::initUI()
{
    queueRootCall("initUI");
}

void myQQuickView::runUI()
{
    queueRootCall("run");
}

void myQQuickView::forwardKey(uchar isDown, uchar usbCode, quint32 time)
{
    queueRootCall("detectKeyboard",
                  {QVariant::fromValue(isDown), QVariant::fromValue(usbCode), QVariant::fromValue(time)});
}

void myQQuickView::forwardMouse(uchar isDown, uint buttonCode, uint x, uint y, quint32 time)
{
    queueRootCall("detectMouse", {QVariant::fromValue(isDown), QVariant::fromValue(buttonCode),
                                  QVariant::fromValue(x), QVariant::fromValue(y), QVariant::fromValue(time)});
}

void myQQuickView::resetKeyCapture()
{
    CallbackRegistry::resetCapture();
}

void myQQuickView::queueRootCall(const char *function, const QVariantList &arguments)
{
    emit rootCallRequested(QString::fromLatin1(function), arguments);
}

// ---- host duties -----------------------------------------------------------------

void myQQuickView::notifyWhenSent()
{
    if (!m_hid || !m_hid->hasPendingSets()) {
        QMetaObject::invokeMethod(this, &myQQuickView::sentToMouse, Qt::QueuedConnection);
        return;
    }
    // A SET issued while the last one ran starts only once it has ended, so
    // the watch goes on until none is left.
    auto *watcher = new QFutureWatcher<bool>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        notifyWhenSent();
    });
    watcher->setFuture(m_hid->lastExchange());
}

void myQQuickView::syncFW()
{
    // Only the 64-byte-report device keeps user pictures.
    if (!m_hid || m_hid->currentDeviceIndex() != 0)
        return;
    for (int i = 0; i < 5; ++i) {
        // A picture that did not come keeps the stored one.
        if (const std::optional<QByteArray> picture = m_hid->hid_92H_GetUserPicture(uchar(i)))
            profile()->setValue(ProfileKeys::userPicture(i),
                                bytesToInts(reinterpret_cast<const uchar *>(picture->constData()), int(picture->size())));
    }
}

void myQQuickView::setEnableAudio(bool isEnable)
{
    m_audioEnabled = isEnable;
}

// The mouse has no sound; the pages still call these.
void myQQuickView::playMedia_Index(uchar) {}
void myQQuickView::playMedia_Background() {}
void myQQuickView::clearAllMedia() {}

QVariant myQQuickView::getLang()
{
    return m_apConfig->value(ConfigKeys::kLanguage);
}

QVariant myQQuickView::getProfile()
{
    // A number that names no profile, or no number at all, opens the first.
    const int stored = intValue(m_apConfig->value(ConfigKeys::kProfileNo), 0);
    return ProfileSet::isValidIndex(stored) ? stored : 0;
}

void myQQuickView::setProfile(QVariant profileNo)
{
    m_apConfig->setValue(ConfigKeys::kProfileNo, profileNo.toUInt());
}

void myQQuickView::ui_02H_SetCurrentProfile(int profile)
{
    if (profile == m_profiles->currentIndex() || !ProfileSet::isValidIndex(profile))
        return;
    m_profiles->setCurrentIndex(profile);
    m_apConfig->setValue(ConfigKeys::kProfileNo, profile);
}

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    m_apConfig->setValue(ConfigKeys::kTotal, apConfigs.size());
    for (int i = 0; i < apConfigs.size(); ++i)
        m_apConfig->setValue(ConfigKeys::entry(i), apConfigs.at(i));
}

QVariantList myQQuickView::loadApConfig()
{
    QVariantList entries;
    for (int i = 0; i < m_apConfig->value(ConfigKeys::kTotal, 0).toInt(); ++i)
        entries.append(m_apConfig->value(ConfigKeys::entry(i), 0));
    return entries;
}

QVariantList myQQuickView::loadDeviceApConfig()
{
    return {m_apConfig->value(ConfigKeys::kColourMaxStage, 8).toInt()};
}

void myQQuickView::resetApconfig()
{
    const QString file = m_apConfig->fileName();
    // Pending writes go to the old file now, before it is replaced: written
    // later they would land in the fresh copy.
    m_apConfig->save();
    delete m_apConfig;
    // In one step: a crash or a kill never leaves half a configuration.
    if (QFileInfo::exists(kApConfigDefaultPath))
        replaceByCopy(kApConfigDefaultPath, file);
    else
        QFile::remove(file);
    m_apConfig = new DataSettings(kApConfigPath);
    loadMessageTexts();
}

bool myQQuickView::getIsSkinShow()
{
    return QDir(kSkinFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted).size() > 1;
}

void myQQuickView::openUpdateExe()
{
    if (m_hid)
        m_hid->stopListener();
    QThread::msleep(kUpdaterDelayMs);
    auto *updater = new QProcess(this);
    updater->start(Updater::programPath(), QStringList(), QIODevice::ReadWrite);
}

QString myQQuickView::getCustomFilePath()
{
    const QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = chooseFile(false, tr("Open File"), tr("Image Files(*.png)"), start);
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showBox(false, m_messages.value(2), m_messages.value(3) + path);
        return QString();
    }
    return path;
}

bool myQQuickView::getMsgAns_FoolProofing()
{
    return showBox(true, m_messages.value(4), m_messages.value(5));
}

QString myQQuickView::chooseFile(bool save, const QString &caption, const QString &filter, const QString &folder)
{
    return m_chooseFile ? m_chooseFile(save, caption, filter, folder) : QString();
}

// Without a box to show, a warning still reaches the user as a notice, and a
// question is answered with its safe default, Cancel.
bool myQQuickView::showBox(bool question, const QString &title, const QString &text)
{
    if (m_messageBox)
        return m_messageBox(question, title, text);
    if (!question)
        emit messageRequested(title, text);
    return false;
}
