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

LinkOnSimulator::LinkOnSimulator(SimulatedMouse::Family family, int reportLength)
    : peer(family)
    , link(&peer)
{
    if (reportLength > 0)
        peer.setReportLength(reportLength);
    // The protocol's waits at an eighth of their length: fast, but a command
    // still waits for the exchange before it.
    link.setSleeper([](int ms) { QThread::usleep(ulong(ms) * 1000 / 8); });
    link.updateDeviceList(peer.deviceTable());
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

BalloonSpy::BalloonSpy(Hid_Thread &link)
{
    connect(&link, &Hid_Thread::balloonRequested, this,
            [this](const QString &title, const QString &text) { append(QVariantList{title, text}); });
}

QByteArray hexBytes(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}
