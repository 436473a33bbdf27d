#include "simulatedmouse.h"

#include "device/protocol.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QThread>

#include <algorithm>
#include <cstring>

using namespace Protocol;

// One opened interface. Input reports are queued per handle, as hidraw does:
// a report reaches the handles that are open when it arrives.
struct SimHandle final : HidHandle
{
    SimulatedMouse::Interface iface;
    QList<SimulatedMouse::PendingReport> input;
    bool dead = false;
};

namespace {

const char *const kPathPrefix = "sim:q530/";

QByteArray bytesOf(const unsigned char *data, size_t length)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(length));
}

// A table block of `n` bytes: what the mouse holds, padded or cut to n.
QByteArray sized(QByteArray block, int n)
{
    block.resize(n, '\0');
    return block;
}

} // namespace

SimulatedMouse::SimulatedMouse(Family family, QObject *parent)
    : QObject(parent)
    , m_family(family)
    , m_identity(identityOf(family))
{
}

SimulatedMouse::~SimulatedMouse()
{
    QMutexLocker lock(&m_mutex);
    qDeleteAll(m_handles);
}

SimulatedMouse::Identity SimulatedMouse::identityOf(Family family)
{
    if (family == Family::KeyboardClass)
        return {0x04d9, 0x8008, 0xff01, 0x0001, 0xff02, 0x0001, 64};
    return {0x04d9, 0xa1ee, 0xff00, 0xff00, 0xff01, 0xff01, 32};
}

QList<DeviceDescription> SimulatedMouse::deviceTable() const
{
    QMutexLocker lock(&m_mutex);
    DeviceDescription other;
    other.type = 0;
    other.vid = 0x04d9;
    other.pid = 0x8008;
    other.reportLength = 64;
    DeviceDescription searched;
    searched.type = 1;
    searched.vid = m_identity.vid;
    searched.pid = m_identity.pid;
    searched.usagePage = m_identity.commandUsagePage;
    searched.usage = m_identity.commandUsage;
    searched.usagePage2 = m_identity.eventUsagePage;
    searched.usage2 = m_identity.eventUsage;
    searched.productName = QStringLiteral("Simulated");
    searched.reportLength = uint(m_identity.reportLength);
    return {other, searched};
}

void SimulatedMouse::setReportLength(int length)
{
    QMutexLocker lock(&m_mutex);
    m_identity.reportLength = std::max(1, length);
}

void SimulatedMouse::setListedTwice(bool twice)
{
    QMutexLocker lock(&m_mutex);
    m_listedTwice = twice;
}

// ---- the person holding the mouse ---------------------------------------------------

bool SimulatedMouse::isPlugged() const
{
    QMutexLocker lock(&m_mutex);
    return m_plugged;
}

void SimulatedMouse::unplug()
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_plugged)
            return;
        m_plugged = false;
        for (SimHandle *h : m_handles)
            h->dead = true;
        m_pendingWrite.reset();
        m_unreadEvents.clear();
        m_inputArrived.notify_all();
    }
    emit unplugged();
}

void SimulatedMouse::replug()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_plugged)
            return;
        m_plugged = true;
        // A power cycle forgets that the program asked for notifications.
        m_state.options[3] &= uint8_t(~kOptionReportDpiStage);
    }
    emit plugged();
}

void SimulatedMouse::pressDpiButton()
{
    QMutexLocker lock(&m_mutex);
    if (!m_plugged)
        return;
    m_state.dpiStage = m_state.nextDpiStage();
    if (m_state.options[3] & kOptionReportDpiStage)
        deliverEvent(QByteArray::fromRawData("\x06\x07\x00", 3) + char(m_state.dpiStage));
}

void SimulatedMouse::sendEventReport(const QByteArray &report)
{
    QMutexLocker lock(&m_mutex);
    if (m_plugged)
        deliverEvent(report);
}

void SimulatedMouse::deliverEvent(const QByteArray &sent)
{
    const PendingReport report{damagedReport(sent, kNotificationSize), QDeadlineTimer()}; // due at once
    record(Record::EventReport, report.bytes);
    bool delivered = false;
    for (SimHandle *h : m_handles) {
        if (h->iface == Interface::Event && !h->dead) {
            h->input.append(report);
            delivered = true;
        }
    }
    // The listener reopens its handle twice a second; the endpoint keeps a
    // report that falls between two opens for the next one.
    if (!delivered)
        m_unreadEvents.append(report);
    m_inputArrived.notify_all();
}

// ---- modes ------------------------------------------------------------------------

void SimulatedMouse::setLatency(int milliseconds)
{
    QMutexLocker lock(&m_mutex);
    m_latencyMs = std::max(0, milliseconds);
}

void SimulatedMouse::setBusy(bool busy)
{
    QMutexLocker lock(&m_mutex);
    m_busy = busy;
}

void SimulatedMouse::setSilent(bool silent)
{
    QMutexLocker lock(&m_mutex);
    m_silent = silent;
}

void SimulatedMouse::setAccessDenied(bool denied)
{
    QMutexLocker lock(&m_mutex);
    m_accessDenied = denied;
}

void SimulatedMouse::failAfter(Operation op, int successes)
{
    QMutexLocker lock(&m_mutex);
    m_faults.append({op, std::max(0, successes)});
}

void SimulatedMouse::unplugAfter(Operation op, int successes)
{
    QMutexLocker lock(&m_mutex);
    m_unplugs.append({op, std::max(0, successes)});
}

void SimulatedMouse::setReplyFault(ReplyFault fault)
{
    QMutexLocker lock(&m_mutex);
    m_replyFault = fault;
}

void SimulatedMouse::setReportDelay(int milliseconds)
{
    QMutexLocker lock(&m_mutex);
    m_reportDelayMs = std::max(0, milliseconds);
}

bool SimulatedMouse::countDown(QList<Fault> &faults, Operation op)
{
    for (int i = 0; i < faults.size(); ++i) {
        if (faults[i].op != op)
            continue;
        if (faults[i].remaining-- == 0) {
            faults.removeAt(i);
            return true;
        }
    }
    return false;
}

bool SimulatedMouse::shouldFail(Operation op)
{
    return countDown(m_faults, op);
}

int SimulatedMouse::afterSuccess(Operation op, QMutexLocker<QMutex> &lock, int result)
{
    if (countDown(m_unplugs, op)) {
        lock.unlock();
        unplug();
    }
    return result;
}

QByteArray SimulatedMouse::damagedReport(const QByteArray &report, int fullLength) const
{
    QByteArray out = report;
    switch (m_replyFault) {
    case ReplyFault::Short: out.truncate(fullLength / 2); break;
    case ReplyFault::WrongId:
        if (fullLength == kNotificationSize && !out.isEmpty())
            out[0] = char(kNotifyByte0 - 1);
        break;
    default: break;
    }
    return out;
}

void SimulatedMouse::simulateLatency() const
{
    int ms;
    {
        QMutexLocker lock(&m_mutex);
        ms = m_latencyMs;
    }
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

// ---- state and recording ------------------------------------------------------------

MouseState SimulatedMouse::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

void SimulatedMouse::setState(const MouseState &state)
{
    QMutexLocker lock(&m_mutex);
    m_state = state;
}

QList<SimulatedMouse::Record> SimulatedMouse::records() const
{
    QMutexLocker lock(&m_mutex);
    return m_records;
}

QList<QByteArray> SimulatedMouse::recorded(Record::Kind kind) const
{
    QMutexLocker lock(&m_mutex);
    QList<QByteArray> out;
    for (const Record &r : m_records)
        if (r.kind == kind)
            out.append(r.bytes);
    return out;
}

void SimulatedMouse::clearRecords()
{
    QMutexLocker lock(&m_mutex);
    m_records.clear();
}

int SimulatedMouse::openHandleCount() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_handles.size());
}

void SimulatedMouse::record(Record::Kind kind, const QByteArray &bytes)
{
    m_records.append({kind, bytes});
}

// ---- enumeration and handles -----------------------------------------------------------

QList<QByteArray> SimulatedMouse::interfacePaths(Interface which) const
{
    const QByteArray base = QByteArray(kPathPrefix) + "if" + QByteArray::number(int(which));
    QList<QByteArray> paths{base};
    if (m_listedTwice)
        paths.append(base + "-2");
    return paths;
}

std::optional<SimulatedMouse::Interface> SimulatedMouse::interfaceOfPath(const QByteArray &path) const
{
    for (Interface i : {Interface::Pointer, Interface::Command, Interface::Event})
        if (interfacePaths(i).contains(path))
            return i;
    return std::nullopt;
}

HidInterfaceInfo *SimulatedMouse::enumerate(uint16_t vendorId, uint16_t productId)
{
    simulateLatency();
    QMutexLocker lock(&m_mutex);
    if (!m_plugged || (vendorId && vendorId != m_identity.vid) || (productId && productId != m_identity.pid))
        return nullptr;

    struct Usage { Interface iface; uint16_t page, usage; int number; };
    const Usage usages[] = {
        {Interface::Pointer, 0x0001, 0x0002, 0}, // the ordinary mouse interface
        {Interface::Command, m_identity.commandUsagePage, m_identity.commandUsage, 1},
        {Interface::Event, m_identity.eventUsagePage, m_identity.eventUsage, 2},
    };
    HidInterfaceInfo *head = nullptr;
    HidInterfaceInfo **tail = &head;
    const int copies = m_listedTwice ? 2 : 1;
    for (int copy = 0; copy < copies; ++copy) {
        for (const Usage &u : usages) {
            auto *info = new HidInterfaceInfo;
            info->path = interfacePaths(u.iface).at(copy);
            info->vendorId = m_identity.vid;
            info->productId = m_identity.pid;
            info->usagePage = u.page;
            info->usage = u.usage;
            info->interfaceNumber = u.number;
            *tail = info;
            tail = &info->next;
        }
    }
    return head;
}

void SimulatedMouse::freeEnumeration(HidInterfaceInfo *list)
{
    while (list) {
        HidInterfaceInfo *next = list->next;
        delete list;
        list = next;
    }
}

HidHandle *SimulatedMouse::openPath(const char *path)
{
    simulateLatency();
    QMutexLocker lock(&m_mutex);
    const auto iface = interfaceOfPath(QByteArray(path ? path : ""));
    if (!m_plugged || !iface || m_accessDenied || shouldFail(Operation::Open))
        return nullptr;
    auto *h = new SimHandle;
    h->iface = *iface;
    if (h->iface == Interface::Event) {
        h->input = m_unreadEvents;
        m_unreadEvents.clear();
    }
    m_handles.append(h);
    if (countDown(m_unplugs, Operation::Open)) {
        lock.unlock();
        unplug(); // the caller gets a handle that is dead already
    }
    return h;
}

bool SimulatedMouse::isAccessDenied(const char *path)
{
    QMutexLocker lock(&m_mutex);
    return m_plugged && m_accessDenied && interfaceOfPath(QByteArray(path ? path : ""));
}

int SimulatedMouse::setNonblocking(HidHandle *handle, int)
{
    QMutexLocker lock(&m_mutex);
    return isLive(static_cast<SimHandle *>(handle)) ? 0 : -1;
}

void SimulatedMouse::close(HidHandle *handle)
{
    if (!handle)
        return;
    QMutexLocker lock(&m_mutex);
    auto *h = static_cast<SimHandle *>(handle);
    m_handles.removeOne(h);
    delete h;
}

bool SimulatedMouse::isLive(SimHandle *h) const
{
    return h && !h->dead && m_plugged && m_handles.contains(h);
}

// ---- transfers ---------------------------------------------------------------------

int SimulatedMouse::sendFeatureReport(HidHandle *handle, const unsigned char *data, size_t length)
{
    simulateLatency();
    QMutexLocker lock(&m_mutex);
    auto *h = static_cast<SimHandle *>(handle);
    if (!isLive(h) || h->iface != Interface::Command || shouldFail(Operation::SendFeature))
        return -1;
    const QByteArray frame = bytesOf(data, length);
    if (length != size_t(kFrameSize) || data[0] != 0x00 || checksum(data + 1) != data[8] || m_busy) {
        record(Record::Rejected, frame);
        return -1;
    }
    record(Record::FeatureSent, frame);
    handleRequest(data);
    return afterSuccess(Operation::SendFeature, lock, int(length));
}

int SimulatedMouse::getFeatureReport(HidHandle *handle, unsigned char *data, size_t length)
{
    simulateLatency();
    QMutexLocker lock(&m_mutex);
    auto *h = static_cast<SimHandle *>(handle);
    if (!isLive(h) || h->iface != Interface::Command || length < 1 || shouldFail(Operation::GetFeature))
        return -1;
    QByteArray reply = m_reply.isEmpty() ? QByteArray(kFrameSize, '\0') : m_reply;
    switch (m_replyFault) {
    case ReplyFault::BadChecksum: reply[2] = char(reply.at(2) ^ 0x10); break;
    case ReplyFault::Short: reply.truncate(3); break;
    case ReplyFault::WrongId: reply[0] = 0x01; break;
    case ReplyFault::None: break;
    }
    const size_t n = std::min(length, size_t(reply.size()));
    std::memcpy(data, reply.constData(), n);
    record(Record::FeatureReply, reply.left(qsizetype(n)));
    m_reply.clear();
    if (!m_replyData.isEmpty() && !m_silent)
        queueInput(m_replyData);
    m_replyData.clear();
    return afterSuccess(Operation::GetFeature, lock, int(n));
}

int SimulatedMouse::write(HidHandle *handle, const unsigned char *data, size_t length)
{
    simulateLatency();
    QMutexLocker lock(&m_mutex);
    auto *h = static_cast<SimHandle *>(handle);
    if (!isLive(h) || h->iface != Interface::Command || length < 1 || shouldFail(Operation::Write))
        return -1;
    record(Record::OutputReport, bytesOf(data, length));
    if (m_pendingWrite) {
        const int payload = std::min(int(length) - 1, m_identity.reportLength);
        const int wanted = m_pendingWrite->expected - int(m_pendingWrite->received.size());
        m_pendingWrite->received.append(reinterpret_cast<const char *>(data + 1), std::min(payload, wanted));
        if (m_pendingWrite->received.size() >= m_pendingWrite->expected) {
            applyTable(*m_pendingWrite);
            m_pendingWrite.reset();
        }
    }
    return afterSuccess(Operation::Write, lock, int(length));
}

int SimulatedMouse::read(HidHandle *handle, unsigned char *data, size_t length)
{
    return readTimeout(handle, data, length, -1);
}

int SimulatedMouse::readTimeout(HidHandle *handle, unsigned char *data, size_t length, int milliseconds)
{
    simulateLatency();
    QMutexLocker lock(&m_mutex);
    auto *h = static_cast<SimHandle *>(handle);
    if (!isLive(h) || shouldFail(Operation::Read))
        return -1;
    QDeadlineTimer deadline(milliseconds < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(milliseconds));
    // A late report wakes nobody when it becomes due: wait until then.
    while (h->input.isEmpty() || !h->input.first().ready.hasExpired()) {
        if (!isLive(h))
            return -1;
        if (milliseconds == 0 || deadline.hasExpired())
            return 0;
        QDeadlineTimer until = deadline;
        if (!h->input.isEmpty() && h->input.first().ready < until)
            until = h->input.first().ready;
        if (until.isForever())
            m_inputArrived.wait(m_mutex);
        else
            m_inputArrived.wait_for(m_mutex, until.remainingTimeAsDuration());
    }
    const QByteArray report = h->input.takeFirst().bytes;
    const size_t n = std::min(length, size_t(report.size()));
    std::memcpy(data, report.constData(), n);
    return afterSuccess(Operation::Read, lock, int(n));
}

void SimulatedMouse::queueInput(const QByteArray &data)
{
    const int length = m_identity.reportLength;
    for (int offset = 0; offset < data.size(); offset += length) {
        const PendingReport report{damagedReport(sized(data.mid(offset, length), length), length),
                                   QDeadlineTimer(m_reportDelayMs)};
        record(Record::InputReport, report.bytes);
        for (SimHandle *h : m_handles)
            if (h->iface == Interface::Command && !h->dead)
                h->input.append(report);
    }
    m_inputArrived.notify_all();
}

// ---- the mouse's side of the protocol ------------------------------------------------------

void SimulatedMouse::handleRequest(const uint8_t *frame)
{
    const uint8_t code = frame[1];
    const uint8_t *p = frame + 2; // p[0] is p1
    m_pendingWrite.reset();
    if (code & 0x80) {
        prepareReply(code, p);
        return;
    }

    // Requests followed by a data phase, by family and header.
    int expected = 0;
    if (m_family == Family::Mouse) {
        switch (code) {
        case kSetLedStageColor: expected = p[1]; break;                // 4 or 24
        case kSetDpiSetOrMacro192: expected = p[1]; break;             // 8
        case kSetKeyMatrixOrPicture: expected = p[1]; break;           // 64
        case kSetMacroOrRecovery: expected = p[1] == kMacroBytes ? kMacroBytes : 0; break;
        default: break;
        }
    } else {
        switch (code) {
        case kSetRgbEffectOrKeyMatrix: expected = 512; break;
        case kSetXyOrKeyOnOff: expected = p[2] == kKeyOnOffBytes ? 21 : 0; break;
        case kSetDpiSetOrMacro192: expected = 192; break;
        case kSetKeyMatrixOrPicture: expected = 512; break;
        default: break;
        }
    }
    if (expected > 0) {
        PendingWrite w{code, {}, expected, {}};
        std::copy(p, p + 6, w.params);
        m_pendingWrite = w;
        return;
    }
    applySet(code, p);
}

void SimulatedMouse::applySet(uint8_t code, const uint8_t *p)
{
    MouseState &s = m_state;
    switch (code) {
    case kSetReportRate: s.reportRate = p[0]; break;
    case kSetCurrentProfile: s.profile = p[0]; break;
    case kSetOptions: std::copy(p, p + 4, s.options.begin()); break;
    case kSetGunData:
        if (p[4] < s.gunLengths.size())
            s.gunLengths[p[4]] = uint16_t(p[0] | (p[1] << 8));
        break;
    case kSetLed:
        std::copy(p, p + 4, s.ledCommand.begin());
        s.ledInstruct[p[0]] = {{p[1], p[2], p[3]}};
        break;
    case kSetLedType: std::copy(p, p + 6, s.ledType.begin()); break;
    case kSetKeyboardMode: s.keyboardMode = p[0]; break;
    case kSetDpiStage:
        if (p[0] >= 1 && p[0] <= 8)
            s.dpiStage = p[0];
        break;
    case kSetRgbEffectOrKeyMatrix: std::copy(p, p + 3, s.rgbEffect.begin()); break;
    case kSetXyOrKeyOnOff: std::copy(p, p + 2, s.xySensitivity.begin()); break;
    case kSetMacroOrRecovery:
        if (p[0] == kRecoveryAll) {
            const int recoveries = s.recoveries + 1;
            const uint8_t major = s.firmwareMajor, minor = s.firmwareMinor;
            s = MouseState();
            s.recoveries = recoveries;
            s.firmwareMajor = major;
            s.firmwareMinor = minor;
        }
        break;
    case kSetColor: s.colors[p[1]] = {{p[2], p[3], p[4]}}; break;
    default: break; // unknown commands are acknowledged and ignored
    }
}

void SimulatedMouse::applyTable(const PendingWrite &w)
{
    MouseState &s = m_state;
    const uint8_t *p = w.params;
    const QByteArray &block = w.received;
    if (m_family == Family::Mouse) {
        switch (w.code) {
        case kSetLedStageColor: s.ledStageColors[p[0]] = block; break;
        case kSetDpiSetOrMacro192:
            s.dpiStageCount = p[0];
            std::copy(block.begin(), block.begin() + 8, s.dpiCodes.begin());
            break;
        case kSetKeyMatrixOrPicture:
            if (p[0] >= 1 && p[0] <= 4)
                s.keyMatrices[size_t(p[0] - 1)] = block;
            break;
        case kSetMacroOrRecovery: s.macroSlots[p[0]] = block; break;
        default: break;
        }
        return;
    }
    switch (w.code) {
    case kSetRgbEffectOrKeyMatrix: s.keyMatrix512 = block; break;
    case kSetXyOrKeyOnOff: s.keyOnOff21 = block; break;
    case kSetDpiSetOrMacro192: s.macros192[p[1]] = block; break;
    case kSetKeyMatrixOrPicture: s.userPictures[p[1]] = block; break;
    default: break;
    }
}

void SimulatedMouse::prepareReply(uint8_t code, const uint8_t *p)
{
    const MouseState &s = m_state;
    uint8_t r[8] = {code, 0, 0, 0, 0, 0, 0, 0};
    QByteArray data;
    auto put = [&r](int from, std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes)
            r[from++] = b;
    };

    const bool keyboardFamily = m_family == Family::KeyboardClass;
    switch (code) {
    case kGetFirmwareVersion: put(1, {s.firmwareMajor, s.firmwareMinor}); break;
    case kGetReportRate: put(1, {s.reportRate}); break;
    case kGetCurrentProfile: put(1, {s.profile}); break;
    case kGetOptions: put(1, {s.options[0], s.options[1], s.options[2], s.options[3]}); break;
    case kGetButtonSensitivity:
        put(1, {s.buttonSensitivity[0], s.buttonSensitivity[1], s.buttonSensitivity[2], s.buttonSensitivity[3]});
        break;
    case kGetLedInstruct: {
        const auto values = s.ledInstruct.value(p[0]);
        put(1, {p[0], values[0], values[1], values[2]});
        break;
    }
    case kGetLedType:
        put(1, {s.ledType[0], s.ledType[1], s.ledType[2], s.ledType[3], s.ledType[4], s.ledType[5]});
        break;
    case kGetKeyboardMode: put(1, {s.keyboardMode}); break;
    case kGetDpiStage: put(1, {s.dpiStage}); break;
    case kGetRgbEffectOrKeyMatrix:
        if (keyboardFamily) {
            put(3, {kReports512At64});
            data = sized(s.keyMatrix512, 512);
        } else {
            put(1, {s.rgbEffect[0], s.rgbEffect[1], s.rgbEffect[2]});
        }
        break;
    case kGetKeyOnOff:
        put(3, {kKeyOnOffBytes});
        data = sized(s.keyOnOff21, 21);
        break;
    case kGetLedStageColor:
        put(1, {p[0], uint8_t(p[0] == 2 ? kLedType2Bytes : kLedStageBytes)});
        data = sized(s.ledStageColors.value(p[0]), p[0] == 2 ? kLedType2Bytes : kLedStageBytes);
        break;
    case kGetDpiSetOrMacro192:
        if (keyboardFamily) {
            put(2, {p[1], kReports192At64});
            data = sized(s.macros192.value(p[1]), 192);
        } else {
            put(1, {s.dpiStageCount, kDpiSetBytes});
            data = QByteArray(reinterpret_cast<const char *>(s.dpiCodes.data()), 8);
        }
        break;
    case kGetKeyMatrixOrPicture:
        if (keyboardFamily) {
            put(2, {p[1], kReports512At64});
            data = sized(s.userPictures.value(p[1]), 512);
        } else {
            put(1, {p[0], kKeyMatrixBytes});
            data = p[0] >= 1 && p[0] <= 4 ? s.keyMatrices[size_t(p[0] - 1)] : QByteArray(64, '\0');
        }
        break;
    case kGetMacro:
        put(1, {p[0], kMacroBytes});
        data = sized(s.macroSlots.value(p[0]), 128);
        break;
    case kGetColor: {
        const auto rgb = s.colors.value(p[1]);
        put(2, {p[1], rgb[0], rgb[1], rgb[2]});
        break;
    }
    default: break;
    }
    r[7] = checksum(r);
    m_reply = QByteArray(1, '\0') + QByteArray(reinterpret_cast<const char *>(r), 8);
    m_replyData = data;
}
