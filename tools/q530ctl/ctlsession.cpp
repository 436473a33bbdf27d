#include "ctlsession.h"


#include "device/devicetable.h"
#include "device/hid_thread.h"
#include "device/hidapibackend.h"
#include "simulator/simulatedmouse.h"
#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"

#include <QJsonArray>
#include <QSettings>

namespace {

template <typename Bytes>
QJsonArray byteArray(const Bytes &bytes)
{
    QJsonArray out;
    for (auto b : bytes)
        out.append(int(uchar(b)));
    return out;
}

} // namespace

CtlSession::CtlSession(const CtlOptions &options)
    : m_condition(options.condition)
{
    if (options.simulate)
        m_simulated = std::make_unique<SimulatedMouse>();
    else
        m_hidapi = std::make_unique<HidapiBackend>();
    HidBackend *backend = m_simulated ? static_cast<HidBackend *>(m_simulated.get()) : m_hidapi.get();
    m_hid = std::make_unique<Hid_Thread>(backend);
    m_view = std::make_unique<myQQuickView>(nullptr);
    m_view->setHid(m_hid.get());
    // The profile the program last worked on, as its page takes it at start;
    // taken without writing it back, so a refused run leaves every file as it was.
    m_view->profiles().setCurrentIndex(m_view->getProfile().toInt());
}

CtlSession::~CtlSession()
{
    m_view.reset();
    m_hid.reset();
}

CtlSession::Mouse CtlSession::connect()
{
    if (m_simulated) {
        if (m_condition == QLatin1String("unplugged"))
            m_simulated->unplug();
        m_simulated->setAccessDenied(m_condition == QLatin1String("no-access"));
    }
    m_hid->updateDeviceList(loadDeviceDescriptions());
    const QList<DeviceRecord> devices = m_hid->deviceList();
    const uint index = m_hid->currentDeviceIndex();
    if (index >= uint(devices.size()) || devices.at(int(index)).commandPath.isEmpty()
        || devices.at(int(index)).eventPath.isEmpty())
        return Mouse::Absent;
    const DeviceRecord &mouse = devices.at(int(index));
    HidBackend *backend = m_simulated ? static_cast<HidBackend *>(m_simulated.get()) : m_hidapi.get();
    if (backend->isAccessDenied(mouse.commandPath.toUtf8().constData())
        || backend->isAccessDenied(mouse.eventPath.toUtf8().constData()))
        return Mouse::NoAccess;
    if (m_simulated) {
        m_simulated->setBusy(m_condition == QLatin1String("busy"));
        if (m_condition == QLatin1String("drop-first"))
            m_simulated->failAfter(SimulatedMouse::Operation::SendFeature);
    }
    return Mouse::Ready;
}

void CtlSession::finish()
{
    m_hid->waitForPendingExchange();
    for (int i = 0; i < ProfileSet::kCount; ++i)
        m_view->profiles().sync(i);
    m_view->appConfig()->save();
}

QJsonObject CtlSession::simulatedState() const
{
    if (!m_simulated)
        return {};
    const MouseState s = m_simulated->state();
    QJsonObject out;
    out.insert(QStringLiteral("plugged"), m_simulated->isPlugged());
    out.insert(QStringLiteral("reportRate"), int(s.reportRate));
    out.insert(QStringLiteral("keyMatrixNo"), int(s.profile));
    out.insert(QStringLiteral("dpiStage"), int(s.dpiStage));
    out.insert(QStringLiteral("dpiStageCount"), int(s.dpiStageCount));
    out.insert(QStringLiteral("dpiCodes"), byteArray(s.dpiCodes));
    out.insert(QStringLiteral("rgbEffect"), byteArray(s.rgbEffect));
    out.insert(QStringLiteral("xySensitivity"), byteArray(s.xySensitivity));
    out.insert(QStringLiteral("stageColours"), byteArray(s.ledStageColors.value(1)));
    QJsonArray matrices;
    for (const QByteArray &m : s.keyMatrices)
        matrices.append(byteArray(m));
    out.insert(QStringLiteral("keyMatrices"), matrices);
    QJsonObject slotBytes;
    for (auto it = s.macroSlots.cbegin(); it != s.macroSlots.cend(); ++it)
        slotBytes.insert(QString::number(it.key()), byteArray(it.value()));
    out.insert(QStringLiteral("macroSlots"), slotBytes);
    QJsonArray frames;
    for (const QByteArray &frame : m_simulated->recorded(SimulatedMouse::Record::FeatureSent))
        frames.append(frame.size() > 1 ? int(uchar(frame.at(1))) : -1);
    out.insert(QStringLiteral("commands"), frames); // the command code of every request frame, in order
    return out;
}
