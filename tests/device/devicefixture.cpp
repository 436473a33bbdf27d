#include "devicefixture.h"

#include <QMutexLocker>
#include <QThread>

namespace {
QMutex g_captureMutex;
QStringList g_captured;
} // namespace

DebugCapture::DebugCapture()
    : m_previous(qInstallMessageHandler(&DebugCapture::handler))
{
    clear();
}

DebugCapture::~DebugCapture()
{
    qInstallMessageHandler(m_previous);
}

void DebugCapture::handler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&g_captureMutex);
    g_captured.append(message);
}

QStringList DebugCapture::lines() const
{
    QMutexLocker lock(&g_captureMutex);
    return g_captured;
}

void DebugCapture::clear()
{
    QMutexLocker lock(&g_captureMutex);
    g_captured.clear();
}

QList<DeviceDescription> descriptionsFor(const SimulatedMouse &peer)
{
    const SimulatedMouse::Identity id = peer.identity();
    DeviceDescription other;
    other.type = 0;
    other.vid = 0x04d9;
    other.pid = 0x8008;
    other.reportLength = 64;
    DeviceDescription searched;
    searched.type = 1;
    searched.vid = id.vid;
    searched.pid = id.pid;
    searched.usagePage = id.commandUsagePage;
    searched.usage = id.commandUsage;
    searched.usagePage2 = id.eventUsagePage;
    searched.usage2 = id.eventUsage;
    searched.productName = QStringLiteral("Simulated");
    searched.reportLength = uint(id.reportLength);
    return {other, searched};
}

LinkOnSimulator::LinkOnSimulator(SimulatedMouse::Family family, int reportLength)
    : peer(family)
    , link(&peer)
{
    if (reportLength > 0)
        peer.setReportLength(reportLength);
    // The protocol's waits at an eighth of their length: fast, but a command
    // still waits for the exchange before it.
    link.setSleeper([](int ms) { QThread::usleep(ulong(ms) * 1000 / 8); });
    link.updateDeviceList(descriptionsFor(peer));
}

LinkOnSimulator::~LinkOnSimulator()
{
    link.stopListener();
    link.waitForPendingExchange();
}

QList<QByteArray> LinkOnSimulator::frames()
{
    link.waitForPendingExchange();
    return peer.recorded(SimulatedMouse::Record::FeatureSent);
}

QList<QByteArray> LinkOnSimulator::outputReports()
{
    link.waitForPendingExchange();
    return peer.recorded(SimulatedMouse::Record::OutputReport);
}

QByteArray hexBytes(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}
