#include "pagerig.h"

#include "../device/devicefixture.h"

#include "device/devicestate.h"
#include "platform/pointersettings.h"
#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"
#include "tests/support/datacopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJSValue>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>

using Kind = SimulatedMouse::Record::Kind;

struct PageRig::PointerLog
{
    QVariantList speeds;
    QVariantList doubleClickTimes;
    QVariantList lines;
};

namespace {

// Takes what the page hands the system instead of changing the user's settings.
class RecordingPointer final : public PointerSettings
{
public:
    explicit RecordingPointer(QVariantList *speeds, QVariantList *times, QVariantList *lines)
        : m_speeds(speeds), m_times(times), m_lines(lines) {}
    bool mouseParams(MouseParams &params) override
    {
        params = {{6, 10, 1}};
        return true;
    }
    bool setMouseParams(const MouseParams &) override { return true; }
    bool setMouseSpeed(int speed) override { return add(m_speeds, speed); }
    bool setWheelScrollLines(unsigned lines) override { return add(m_lines, lines); }
    bool setDoubleClickTime(unsigned ms) override { return add(m_times, ms); }

private:
    static bool add(QVariantList *list, const QVariant &value)
    {
        list->append(value);
        return true;
    }
    QVariantList *m_speeds;
    QVariantList *m_times;
    QVariantList *m_lines;
};

QVariantList asList(const uint8_t *bytes, int count)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(int(bytes[i]));
    return list;
}

} // namespace

void ControlRecorder::clear()
{
    m_calls.clear();
    emit callsChanged();
}

void ControlRecorder::onMinimize() { record(QStringLiteral("onMinimize")); }
void ControlRecorder::onClose() { record(QStringLiteral("onClose")); }
void ControlRecorder::onXChanged(int x) { record(QStringLiteral("onXChanged %1").arg(x)); }
void ControlRecorder::onYChanged(int y) { record(QStringLiteral("onYChanged %1").arg(y)); }

void ControlRecorder::record(const QString &call)
{
    m_calls.append(call);
    emit callsChanged();
}

PageRig::PageRig()
    : m_pointer(std::make_unique<PointerLog>())
{
}

PageRig::~PageRig()
{
    m_view.reset();
    m_sim.reset();
}

void PageRig::applicationAvailable()
{
    // The shipped data (language file, factory profiles) in a folder of our own.
    copyFolder(QStringLiteral(Q530_DATA_DIR), m_folder.path() + QStringLiteral("/modules"));
    QDir::setCurrent(m_folder.path());
    DpiTables::reset();
    m_sim = std::make_unique<LinkOnSimulator>();
    m_view = std::make_unique<myQQuickView>(nullptr);
    m_view->setHid(&m_sim->link);
    m_view->setPointerSettings(std::make_unique<RecordingPointer>(&m_pointer->speeds,
                                                                  &m_pointer->doubleClickTimes,
                                                                  &m_pointer->lines));
    m_view->setFileChooser([this](bool save, const QString &caption, const QString &filter, const QString &) {
        m_fileDialogs.append(QVariantMap{{QStringLiteral("save"), save},
                                         {QStringLiteral("caption"), caption},
                                         {QStringLiteral("filter"), filter}});
        return m_fileAnswers.isEmpty() ? QString() : m_fileAnswers.takeFirst();
    });
}

void PageRig::qmlEngineAvailable(QQmlEngine *engine)
{
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view.get());
    context->setContextProperty(QStringLiteral("ui_Ctl"), &m_control);
    context->setContextProperty(QStringLiteral("testRig"), this);
}

QVariantMap PageRig::mouseState()
{
    m_sim->link.waitForPendingExchange();
    const MouseState s = m_sim->peer.state();
    const QByteArray colours = s.ledStageColors.value(1);
    QVariantList stageColours;
    for (char c : colours)
        stageColours.append(int(uchar(c)));
    return {
        {QStringLiteral("reportRate"), int(s.reportRate)},
        {QStringLiteral("dpiStageCount"), int(s.dpiStageCount)},
        {QStringLiteral("dpiCodes"), asList(s.dpiCodes.data(), int(s.dpiCodes.size()))},
        {QStringLiteral("rgbEffect"), asList(s.rgbEffect.data(), int(s.rgbEffect.size()))},
        {QStringLiteral("xySensitivity"), asList(s.xySensitivity.data(), int(s.xySensitivity.size()))},
        {QStringLiteral("stageColours"), stageColours},
    };
}

QVariantList PageRig::keyMatrix(int index)
{
    m_sim->link.waitForPendingExchange();
    if (index < 1 || index > 4)
        return {};
    const QByteArray bytes = m_sim->peer.state().keyMatrices[size_t(index - 1)];
    return asList(reinterpret_cast<const uint8_t *>(bytes.constData()), int(bytes.size()));
}

QVariantList PageRig::macroSlot(int slot)
{
    m_sim->link.waitForPendingExchange();
    const QByteArray bytes = m_sim->peer.state().macroSlots.value(uint8_t(slot));
    return asList(reinterpret_cast<const uint8_t *>(bytes.constData()), int(bytes.size()));
}

int PageRig::keyMatrixNo()
{
    m_sim->link.waitForPendingExchange();
    return m_sim->peer.state().profile;
}

int PageRig::framesSent(int code)
{
    int count = 0;
    for (const QByteArray &frame : m_sim->frames())
        count += frame.size() > 1 && uchar(frame.at(1)) == code;
    return count;
}

QVariantList PageRig::gunLengths()
{
    m_sim->link.waitForPendingExchange();
    QVariantList lengths;
    for (const uint16_t words : m_sim->peer.state().gunLengths)
        lengths.append(int(words));
    return lengths;
}

int PageRig::framesSentTotal()
{
    return int(m_sim->frames().size());
}

bool PageRig::linkIdle() const
{
    return !m_sim->link.hasPendingSets();
}

void PageRig::clearMouseRecords()
{
    m_sim->link.waitForPendingExchange();
    m_sim->peer.clearRecords();
}

QVariantList PageRig::pointerSpeeds() const { return m_pointer->speeds; }
QVariantList PageRig::doubleClickTimes() const { return m_pointer->doubleClickTimes; }
QVariantList PageRig::wheelLines() const { return m_pointer->lines; }

void PageRig::clearPointer()
{
    *m_pointer = PointerLog();
}

void PageRig::setAppConfig(const QString &key, const QVariant &value)
{
    m_view->appConfig()->setValue(key, value);
}

void PageRig::setStored(int profile, const QString &key, const QVariant &value)
{
    // A list from JavaScript arrives wrapped; the profile keeps plain values.
    const QVariant plain = value.canConvert<QJSValue>() ? value.value<QJSValue>().toVariant() : value;
    if (QSettings *settings = m_view->profiles().at(profile))
        settings->setValue(key, plain);
}

QVariant PageRig::stored(int profile, const QString &key) const
{
    QSettings *settings = m_view->profiles().at(profile);
    return settings ? settings->value(key) : QVariant();
}

int PageRig::currentProfile() const
{
    return m_view->profiles().currentIndex();
}

void PageRig::writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

bool PageRig::fileExists(const QString &path) const
{
    return QFile::exists(path);
}

void PageRig::removeMacroFiles()
{
    QDir folder(QStringLiteral("modules/macro"));
    for (const QString &name : folder.entryList(QDir::Files))
        folder.remove(name);
}

QString PageRig::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString PageRig::folderDigest() const
{
    // Pending profile writes go to disk first, so the digest is what is stored.
    for (int p = 0; p < ProfileSet::kCount; ++p)
        m_view->profiles().sync(p);
    QStringList lines;
    QDirIterator it(QStringLiteral("."), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        lines.append(path + u' ' + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()));
    }
    lines.sort();
    return lines.join(u'\n');
}

void PageRig::answerFileDialogs(const QStringList &answers)
{
    m_fileAnswers = answers;
    m_fileDialogs.clear();
}

QVariantList PageRig::fileDialogsAsked() const
{
    return m_fileDialogs;
}

void PageRig::restoreGunPresets()
{
    QDir folder(QStringLiteral("modules/gun"));
    for (const QString &name : folder.entryList(QDir::Files))
        folder.remove(name);
    copyFolder(QStringLiteral(Q530_DATA_DIR "/gun"), folder.path());
    const QSettings shipped(QStringLiteral(Q530_DATA_DIR "/setting/name.bin"), QSettings::IniFormat);
    m_view->updataNameList(1, shipped.value(QStringLiteral("gun/gunName")).toStringList());
}

QString PageRig::dpiNotice(int stage) const
{
    return DpiTables::text(stage - 1);
}
