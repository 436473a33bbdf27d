#include "hid_thread.h"

#include "devicestate.h"
#include "handover.h"
#include "hidbackend.h"
#include "platform/deviceaccess.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QtConcurrent/QtConcurrentRun>
#include <QDebug>

#include <algorithm>
#include <cstring>
#include <vector>

Hid_Thread::Hid_Thread(HidBackend *backend, QObject *owner)
    : QThread(nullptr)
    , m_owner(owner)
    , m_backend(backend)
    , m_listener(QtFuture::makeReadyFuture())
    , m_sleep([](int ms) { QThread::msleep(ulong(ms)); })
    , m_sendAll(qEnvironmentVariableIntValue("Q530_SEND_ALL") == 1)
{
    m_listenerPool.setMaxThreadCount(1);
    m_listenerPool.setExpiryTimeout(-1);
}

Hid_Thread::~Hid_Thread()
{
    // A pooled exchange or listener must not outlive the object it works on.
    stopListener();
    waitForPendingExchange();
}

void Hid_Thread::setSleeper(Sleeper sleeper)
{
    m_sleep = std::move(sleeper);
}

QList<DeviceRecord> Hid_Thread::deviceList() const
{
    QMutexLocker lock(&m_listMutex);
    return m_devices;
}

// ---- device list -----------------------------------------------------------

void Hid_Thread::updateDeviceList(const QList<DeviceDescription> &descriptions)
{
    QList<DeviceRecord> records;
    for (int i = 0; i < descriptions.size(); ++i) {
        const DeviceDescription &d = descriptions.at(i);
        records.append(DeviceRecord{i, d.productName, d.type, QString(), QString(), d.reportLength});
    }

    // Only the mouse's description is searched; the other one stays absent.
    if (descriptions.size() > 1) {
        const DeviceDescription &d = descriptions.at(1);
        QString commandPath, eventPath;
        HidInterfaceInfo *list = m_backend->enumerate(d.vid, d.pid);
        for (HidInterfaceInfo *it = list; it; it = it->next) {
            if (it->usagePage == d.usagePage && it->usage == d.usage)
                commandPath = QString::fromUtf8(it->path);
            if (it->usagePage == d.usagePage2 && it->usage == d.usage2)
                eventPath = QString::fromUtf8(it->path);
            if (!commandPath.isEmpty() && !eventPath.isEmpty())
                records[1] = DeviceRecord{1, d.productName, d.type, commandPath, eventPath, d.reportLength};
        }
        m_backend->freeEnumeration(list);
    }

    m_held.forgetAll(); // the mouse may have been replaced meanwhile
    QMutexLocker lock(&m_listMutex);
    m_devices = records;
}

uint Hid_Thread::reportLengthOf(uint index) const
{
    QMutexLocker lock(&m_listMutex);
    return index < uint(m_devices.size()) ? m_devices.at(int(index)).reportLength : 0;
}

HidHandle *Hid_Thread::openInterface(uint index, bool command)
{
    QByteArray path;
    {
        QMutexLocker lock(&m_listMutex);
        if (index >= uint(m_devices.size()))
            return nullptr;
        const DeviceRecord &r = m_devices.at(int(index));
        path = (command ? r.commandPath : r.eventPath).toUtf8();
    }
    if (path.isEmpty())
        return nullptr;

    HidHandle *&handle = command ? m_commandHandle : m_eventHandle;
    if (handle) {
        m_backend->close(handle);
        handle = nullptr;
    }
    handle = m_backend->openPath(path.constData());
    if (handle)
        m_backend->setNonblocking(handle, 0);
    return handle;
}

HidHandle *Hid_Thread::openCommandInterface(uint index)
{
    return openInterface(index, true);
}

HidHandle *Hid_Thread::openEventInterface(uint index)
{
    return openInterface(index, false);
}

// ---- transport ---------------------------------------------------------------------

// Holds the transport for one exchange: however the exchange ends, the command
// handle is closed and the transport given back.
class Hid_Thread::Exchange
{
public:
    explicit Exchange(Hid_Thread &link) : m_link(link) {}
    ~Exchange()
    {
        m_link.closeCommandHandle();
        m_link.releaseTransport();
    }
    Q_DISABLE_COPY_MOVE(Exchange)

private:
    Hid_Thread &m_link;
};

bool Hid_Thread::waitTransportFree()
{
    ++m_waiting;
    struct Leave { int &count; ~Leave() { --count; } } leave{m_waiting};
    for (int attempt = 0; attempt < kTransportAttempts; ++attempt) {
        bool expected = true;
        if (m_transportFree.compare_exchange_strong(expected, false))
            return true;
        m_sleep(kTransportStepMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return false;
}

void Hid_Thread::releaseTransport()
{
    m_transportFree.store(true);
    HandOver::give(&m_io);
}

void Hid_Thread::closeCommandHandle()
{
    m_backend->close(m_commandHandle);
    m_commandHandle = nullptr;
}

void Hid_Thread::settlePause()
{
    m_pauseFlag = false;
    m_sleep(kSettleHalfMs);
    m_pauseFlag = true;
    m_sleep(kSettleHalfMs);
}

bool Hid_Thread::runSetExchange(int n, bool settles)
{
    HandOver::take(&m_io);
    const Exchange exchange(*this);
    const uint index = m_currentIndex.load();
    if (!openCommandInterface(index))
        return false;
    HidHandle *h = openCommandInterface(index);
    if (!h || m_backend->sendFeatureReport(h, m_io.request, Protocol::kFrameSize) < 0)
        return false;
    if (settles)
        settlePause();
    if (n <= 0)
        return true;

    const int reportLength = int(reportLengthOf(index));
    const int chunk = std::min(n, reportLength);
    if (chunk <= 0) // a table without a report length could never finish
        return false;
    std::vector<uchar> report(size_t(reportLength) + 1, 0);
    for (int offset = 0; offset < n; offset += chunk) {
        report[0] = 0x00;
        const int available = std::min(chunk, Protocol::kDataBufferSize - offset);
        std::memcpy(report.data() + 1, m_io.data + offset, size_t(available));
        HidHandle *out = openCommandInterface(index);
        if (!out || m_backend->write(out, report.data(), report.size()) < 0)
            return false;
        m_sleep(kReportGapMs);
    }
    if (settles)
        settlePause();
    return true;
}

bool Hid_Thread::runGetExchange(int n)
{
    const Exchange exchange(*this);
    const uint index = m_currentIndex.load();
    if (!openCommandInterface(index))
        return false;
    HidHandle *h = openCommandInterface(index);
    if (!h || m_backend->sendFeatureReport(h, m_io.request, Protocol::kFrameSize) < 0)
        return false;
    h = openCommandInterface(index);
    std::fill(std::begin(m_io.reply), std::end(m_io.reply), uchar(0));
    if (!h || m_backend->getFeatureReport(h, m_io.reply, Protocol::kFrameSize) < 0)
        return false;
    // The reply is taken as it comes: its first byte and its checksum are not
    // checked, as the mouse's firmware is not known to keep them.
    if (n <= 0)
        return true;

    const int reportLength = int(reportLengthOf(index));
    const int chunk = std::min(n, reportLength);
    if (chunk <= 0)
        return false;
    std::vector<uchar> report(size_t(reportLength) + 1, 0);
    // The data reports follow the reply at once; reading them on the handle
    // that fetched the reply keeps any report that arrives before a reopen.
    for (int offset = 0; offset < n; offset += chunk) {
        std::fill(report.begin(), report.end(), 0);
        if (m_backend->readTimeout(h, report.data(), report.size(), kInputReportTimeoutMs) <= 0)
            return false;
        const int available = std::min(chunk, Protocol::kDataBufferSize - offset);
        std::memcpy(m_io.data + offset, report.data(), size_t(available));
    }
    return true;
}

void Hid_Thread::waitForPendingExchange()
{
    m_lastSet.waitForFinished();
    HandOver::take(&m_io);
}

// ---- command framing -----------------------------------------------------------

void Hid_Thread::buildRequest(uchar code, const Params &params)
{
    uchar frame[Protocol::kFrameSize] = {};
    frame[1] = code;
    std::copy(std::begin(params.p), std::end(params.p), frame + 2);
    frame[8] = Protocol::checksum(frame + 1);
    std::memcpy(m_io.request, frame, sizeof frame);
}

SetResult Hid_Thread::startSet(uchar code, const Params &params, bool settles, const uchar *block, int n)
{
    PendingSet set{code, params, settles, QByteArray(), std::make_shared<QPromise<bool>>(), std::nullopt, 0};
    if (block && n > 0)
        set.block = QByteArray(reinterpret_cast<const char *>(block), std::min(n, Protocol::kDataBufferSize));
    if (code == Protocol::kSetMacroOrRecovery && set.block.isEmpty())
        m_held.forgetAll(); // factory data: the mouse's own, which this link never sent
    if (m_currentIndex.load() == kMouseIndex)
        set.slot = HeldRecord::slotOf(code, params.p, !set.block.isEmpty());
    if (set.slot) {
        // Sent or not, the record follows, so it is true when send-all ends.
        const QByteArray bytes = QByteArray(reinterpret_cast<const char *>(params.p), sizeof params.p) + set.block;
        if (!m_sendAll && m_held.holds(*set.slot, bytes)) {
            if (m_waiting == 0)
                sendDeferredSets();
            return SetResult(QtFuture::makeReadyFuture(true));
        }
        set.ticket = m_held.issue(*set.slot, bytes);
    }
    set.outcome->start();
    const SetResult result(set.outcome->future());
    // Issued from an event handled inside another command's wait: going
    // first would reach the mouse before that command, and a setting changed
    // twice would end with the older value.
    if (m_waiting > 0) {
        m_deferred.append(set);
        return result;
    }
    sendDeferredSets();
    sendSet(set);
    sendDeferredSets(); // the ones issued while this one waited
    return result;
}

void Hid_Thread::sendSet(const PendingSet &set)
{
    if (!waitTransportFree()) {
        qDebug("cmd Failed %02X", unsigned(set.code));
        endSet(set, false);
        return;
    }
    buildRequest(set.code, set.params);
    if (!set.block.isEmpty())
        std::memcpy(m_io.data, set.block.constData(), size_t(set.block.size()));
    HandOver::give(&m_io);
    const int n = int(set.block.size());
    m_lastSet = QtConcurrent::run([this, n, set] {
        const bool taken = runSetExchange(n, set.settles);
        endSet(set, taken);
        return taken;
    });
}

void Hid_Thread::endSet(const PendingSet &set, bool taken)
{
    if (set.slot)
        m_held.ended(*set.slot, set.ticket, taken);
    set.outcome->addResult(taken);
    set.outcome->finish();
}

void Hid_Thread::sendDeferredSets()
{
    while (m_waiting == 0 && !m_deferred.isEmpty())
        sendSet(m_deferred.takeFirst());
}

std::optional<Hid_Thread::Answer> Hid_Thread::runGet(uchar code, const Params &params, int n)
{
    sendDeferredSets(); // issued before this one, so they go first
    // The SETs issued while this one waits go from the event loop, after
    // this command has handed back its reply.
    struct Later
    {
        Hid_Thread *link;
        ~Later()
        {
            if (link->m_waiting == 0 && !link->m_deferred.isEmpty())
                QMetaObject::invokeMethod(link, &Hid_Thread::sendDeferredSets, Qt::QueuedConnection);
        }
    } later{this};
    if (!waitTransportFree()) {
        qDebug("cmd Failed");
        return std::nullopt;
    }
    buildRequest(code, params);
    n = std::min(n, Protocol::kDataBufferSize);
    if (!runGetExchange(n))
        return std::nullopt;
    Answer answer{{}, QByteArray(reinterpret_cast<const char *>(m_io.data), std::max(n, 0))};
    std::copy(m_io.reply + 1, m_io.reply + Protocol::kFrameSize, answer.reply.begin());
    return answer;
}

std::optional<QByteArray> Hid_Thread::getBlock(uchar code, const Params &params, int n)
{
    std::optional<Answer> answer = runGet(code, params, n);
    return answer ? std::optional<QByteArray>(std::move(answer->block)) : std::nullopt;
}

// ---- connection and listener -----------------------------------------------------

void Hid_Thread::swichCurDevice(uint did)
{
    if (did != m_currentIndex.load()) {
        m_held.forgetAll();
        m_currentIndex.store(did);
        startListener(did);
    }
    connectStep();
}

void Hid_Thread::connectStep()
{
    QByteArray commandPath, eventPath;
    {
        QMutexLocker lock(&m_listMutex);
        const uint index = m_currentIndex.load();
        if (index < uint(m_devices.size())) {
            const DeviceRecord &r = m_devices.at(int(index));
            commandPath = r.commandPath.toUtf8();
            eventPath = r.eventPath.toUtf8();
        }
    }
    if (commandPath.isEmpty() || eventPath.isEmpty()) {
        m_deniedPaths.clear(); // gone: the next plug-in is told again
        return;
    }
    // Without access every exchange would fail in silence; the person can fix
    // it, so say how, once for this plug-in rather than on every check.
    if (m_backend->isAccessDenied(commandPath.constData()) || m_backend->isAccessDenied(eventPath.constData())) {
        const QByteArray paths = commandPath + ' ' + eventPath;
        if (paths != m_deniedPaths) {
            m_deniedPaths = paths;
            qWarning("No access to the mouse (%s): %s", paths.constData(), qPrintable(DeviceAccess::advice()));
            emit balloonRequested(QStringLiteral("No access to the mouse"), DeviceAccess::advice());
        }
        return;
    }
    m_deniedPaths.clear();
    m_held.forgetAll(); // a mouse just plugged in holds its own settings
    qDebug("Device Connect");
    setDeviceReady(true);
    emit balloonRequested(QStringLiteral("Info"), QStringLiteral("Detect Mouse"));
    startListener(m_currentIndex.load());
}

void Hid_Thread::startListener(uint index)
{
    stopListener();
    // Bytes that were never read are not the mouse's: writing them back would
    // clear its options.
    if (const std::optional<KeyboardOptions> o = hid_83H_GetKeyboardoption()) {
        // What the mouse just said counts, not what this link last sent it.
        const uchar p[6] = {};
        m_held.forget(*HeldRecord::slotOf(Protocol::kSetOptions, p, false));
        hid_03H_SetKeyboardoption(o->byte1, o->byte2, o->byte3, uchar(o->byte4 | Protocol::kOptionReportDpiStage));
    }
    // Both commands wait for the transport while processing events; a device
    // check in that time may have started a listener of its own.
    stopListener();
    m_listening = true;
    HandOver::give(&m_listener);
    m_listener = QtConcurrent::run(&m_listenerPool, &Hid_Thread::listenEvents, this, index);
}

void Hid_Thread::stopListener()
{
    // Also waits for a listener that has just ended by itself on removal.
    m_listening = false;
    m_listener.waitForFinished();
    HandOver::take(&m_listener);
}

void Hid_Thread::listenEvents(uint index)
{
    HandOver::take(&m_listener);
    ++m_runningListeners;
    struct Leave
    {
        Hid_Thread *link;
        ~Leave()
        {
            HandOver::give(&link->m_listener);
            --link->m_runningListeners;
        }
    } leave{this};
    {
        QMutexLocker lock(&m_listMutex);
        if (index >= uint(m_devices.size()) || m_devices.at(int(index)).eventPath.isEmpty()) {
            m_listening = false;
            return;
        }
    }
    // The event interface stays open between reads, so an idle wait costs
    // one poll per read timeout. A read that fails (the mouse gone, or a bad
    // moment) closes it; the next open tells which of the two it was.
    HidHandle *h = nullptr;
    while (m_listening) {
        if (!h) {
            h = openEventInterface(index);
            if (!h) {
                qDebug("Device removed");
                m_held.forgetAll();
                QMutexLocker lock(&m_listMutex);
                if (index < uint(m_devices.size()))
                    m_devices[int(index)].eventPath.clear();
                m_listening = false;
                return;
            }
        }
        uchar report[Protocol::kNotificationSize] = {};
        const int got = m_backend->readTimeout(h, report, sizeof report, kListenerReadTimeoutMs);
        if (got < 0) {
            closeEventHandle();
            h = nullptr;
            continue;
        }
        if (got == Protocol::kNotificationSize && report[0] == Protocol::kNotifyByte0
            && report[1] == Protocol::kNotifyByte1) {
            const QString text = DpiTables::balloonText(report[3]);
            if (!text.isEmpty()) // stages outside 1..8 are ignored
                emit balloonRequested(QStringLiteral("Info"), text);
        }
    }
    closeEventHandle();
}

void Hid_Thread::closeEventHandle()
{
    if (m_eventHandle)
        m_backend->close(m_eventHandle);
    m_eventHandle = nullptr;
}
