// Whatever the mouse hands back is the fuzzer's: each reply frame, data report
// and notification, its length, and whether each HID call goes through. GET
// commands of both families (and a few SETs) run on the command interface
// while the listener reads the event interface. Every command must end, close
// the handles it opened and give the transport back; what a GET hands back
// has its shape; a balloon only ever shows a stage that exists.
//
// Input: byte 0 picks the report length, bytes 1 and 2 the length of the
// event interface's share; then that share, then the command interface's.

#include "device/devicestate.h"
#include "device/hid_thread.h"
#include "device/hidbackend.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// The fuzzer's bytes for one interface, handed out call by call. Once they
// are used up every call fails, so every loop of the link comes to an end.
class Stream
{
public:
    void reset(const uint8_t *data, size_t size)
    {
        QMutexLocker lock(&m_mutex);
        m_data = data;
        m_left = size;
    }

    bool next(uint8_t &byte)
    {
        QMutexLocker lock(&m_mutex);
        if (m_left == 0)
            return false;
        byte = *m_data++;
        --m_left;
        return true;
    }

    size_t take(uint8_t *out, size_t n)
    {
        QMutexLocker lock(&m_mutex);
        n = std::min(n, m_left);
        std::memcpy(out, m_data, n);
        m_data += n;
        m_left -= n;
        return n;
    }

private:
    QMutex m_mutex;
    const uint8_t *m_data = nullptr;
    size_t m_left = 0;
};

struct ReplayHandle final : HidHandle
{
    Stream *stream;
};

class ReplayBackend final : public HidBackend
{
public:
    Stream command, event;

    int open(Stream *which) const
    {
        QMutexLocker lock(&m_mutex);
        return int(std::count_if(m_open.begin(), m_open.end(), [which](ReplayHandle *h) { return h->stream == which; }));
    }

    HidInterfaceInfo *enumerate(uint16_t, uint16_t) override
    {
        const struct { const char *path; uint16_t page, usage; } interfaces[] = {
            {"pointer", 0x0001, 0x0002}, {"command", 0xff00, 0xff00}, {"event", 0xff01, 0xff01}};
        HidInterfaceInfo *head = nullptr;
        for (int i = 2; i >= 0; --i) {
            auto *info = new HidInterfaceInfo;
            info->path = interfaces[i].path;
            info->vendorId = 0x04d9;
            info->productId = 0xa1ee;
            info->usagePage = interfaces[i].page;
            info->usage = interfaces[i].usage;
            info->next = head;
            head = info;
        }
        return head;
    }

    void freeEnumeration(HidInterfaceInfo *list) override
    {
        while (list) {
            HidInterfaceInfo *next = list->next;
            delete list;
            list = next;
        }
    }

    HidHandle *openPath(const char *path) override
    {
        Stream *stream = std::strcmp(path, "command") == 0 ? &command
                       : std::strcmp(path, "event") == 0   ? &event
                                                            : nullptr;
        uint8_t b;
        if (!stream || !stream->next(b) || b % 16 == 0)
            return nullptr;
        auto *h = new ReplayHandle;
        h->stream = stream;
        QMutexLocker lock(&m_mutex);
        m_open.push_back(h);
        return h;
    }

    int setNonblocking(HidHandle *, int) override { return 0; }

    void close(HidHandle *handle) override
    {
        if (!handle)
            return;
        QMutexLocker lock(&m_mutex);
        auto it = std::find(m_open.begin(), m_open.end(), handle);
        if (it == m_open.end())
            std::abort(); // closed twice, or never opened here
        m_open.erase(it);
        delete static_cast<ReplayHandle *>(handle);
    }

    int sendFeatureReport(HidHandle *handle, const unsigned char *, size_t length) override
    {
        return accepted(handle, length);
    }

    int write(HidHandle *handle, const unsigned char *, size_t length) override
    {
        return accepted(handle, length);
    }

    int getFeatureReport(HidHandle *handle, unsigned char *data, size_t length) override
    {
        return reply(handle, data, length, false);
    }

    int read(HidHandle *handle, unsigned char *data, size_t length) override
    {
        return reply(handle, data, length, true);
    }

    int readTimeout(HidHandle *handle, unsigned char *data, size_t length, int) override
    {
        return reply(handle, data, length, true);
    }

private:
    Stream *streamOf(HidHandle *handle) const
    {
        QMutexLocker lock(&m_mutex);
        if (std::find(m_open.begin(), m_open.end(), handle) == m_open.end())
            std::abort(); // used after its close
        return static_cast<ReplayHandle *>(handle)->stream;
    }

    int accepted(HidHandle *handle, size_t length)
    {
        uint8_t b;
        if (!streamOf(handle)->next(b) || b % 8 == 0)
            return -1;
        return int(length);
    }

    // Mostly whole reports; now and then a short one, an error or (for
    // reads) nothing in time.
    int reply(HidHandle *handle, unsigned char *data, size_t length, bool canTimeOut)
    {
        Stream *stream = streamOf(handle);
        uint8_t b;
        if (!stream->next(b) || b % 16 == 0)
            return -1;
        if (canTimeOut && b % 16 == 1)
            return 0;
        const size_t wanted = (b >> 4) < 12 ? length : b % (length + 1);
        return int(stream->take(data, wanted));
    }

    mutable QMutex m_mutex;
    std::vector<ReplayHandle *> m_open;
};

QStringList g_balloons; // what a balloon may say

void quietMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    // Every exchange is waited for before the next command: a busy transport
    // means one was never given back.
    if (message.startsWith(QLatin1String("cmd Failed")))
        std::abort();
}

void checkBalloon(const QString &, const QString &text)
{
    if (!g_balloons.contains(text))
        std::abort();
}

// A block the link hands back holds exactly the bytes asked for.
void checkBlock(const std::optional<QByteArray> &block, int size)
{
    if (block && block->size() != size)
        std::abort();
}

// One command picked by `op`.
void runCommand(Hid_Thread &link, uint8_t op, uint8_t arg)
{
    std::vector<uchar> source(512, 0xA5);
    switch (op % 26) {
    case 0: {
        static const QRegularExpression shape(QStringLiteral("^[0-9a-f]{1,2}\\.[0-9A-F]{2}$"));
        const std::optional<QString> version = link.hid_80H_GetFWVersion();
        if (version && !shape.match(*version).hasMatch())
            std::abort();
        break;
    }
    case 1: (void)link.hid_81H_GetReportRate(); break;
    case 2: (void)link.hid_82H_GetCurrentProfile(); break;
    case 3: (void)link.hid_83H_GetKeyboardoption(); break;
    case 4: (void)link.hid_83H_GetFunctionOption(); break;
    case 5: (void)link.hid_84H_GetButtonSensitivity(); break;
    case 6: (void)link.hid_87H_GetLEDInstructFunction(arg); break;
    case 7: (void)link.hid_88H_GetLEDType(); break;
    case 8: (void)link.hid_89H_GetKeyboardMode(); break;
    case 9: (void)link.hid_8BH_GetCurrentDPIStage(); break;
    case 10: (void)link.hid_8DH_GetRGBLedEffect(); break;
    case 11: (void)link.hid_94H_GetColor(arg); break;
    case 12: checkBlock(link.hid_8DH_GetKeyMatrix(), 512); break;
    case 13: checkBlock(link.hid_8EH_GetKeyOnOff(), 21); break;
    case 14: checkBlock(link.hid_91H_GetMacroKey(arg), 192); break;
    case 15: checkBlock(link.hid_92H_GetUserPicture(arg), 512); break;
    case 16: checkBlock(link.hid_90H_GetLED8StageColor(arg), arg == 2 ? 4 : 24); break;
    case 17: (void)link.hid_91H_GetDPISet(); break;
    case 18: checkBlock(link.hid_92H_GetKeyMatrix(), 64); break;
    case 19: checkBlock(link.hid_93H_GetMacroKey(arg), 128); break;
    // SETs read nothing back, but their writes can fail at any report; each
    // result is known once its exchange ended.
    case 20: (void)link.hid_01H_SetReportRate(arg).taken(); break;
    case 21: (void)link.hid_13H_SetMacroKey(arg, source.data()).taken(); break;
    case 22: (void)link.hid_0DH_SetKeyMatrix(source.data()).taken(); break;
    case 23: (void)link.hid_10H_SetLED8StageColor(arg, source.data()).taken(); break;
    case 24: link.startListener(1); break;
    default: link.swichCurDevice(1); break; // a device check: connect step and listener
    }
    link.waitForPendingExchange();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(quietMessages);
    DpiTables::setValues({400, 800, 1600, 3200, 6400, 12000, 16000, 26000});
    for (int stage = 1; stage <= DpiTables::kStages; ++stage)
        g_balloons.append(DpiTables::balloonText(stage));
    g_balloons.append(QStringLiteral("Detect Mouse"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    static const uint kReportLengths[] = {32, 64, 1, 7, 0, 33};
    const uint reportLength = kReportLengths[data[0] % 6];
    const size_t eventShare = std::min(size - 3, size_t(data[1] | data[2] << 8));
    ReplayBackend backend;
    backend.event.reset(data + 3, eventShare);
    backend.command.reset(data + 3 + eventShare, size - 3 - eventShare);

    {
        Hid_Thread link(&backend);
        link.setSleeper([](int) {});
        QObject::connect(&link, &Hid_Thread::balloonRequested, &checkBalloon);
        QList<DeviceDescription> table(2);
        table[1].type = 1;
        table[1].vid = 0x04d9;
        table[1].pid = 0xa1ee;
        table[1].usagePage = 0xff00;
        table[1].usage = 0xff00;
        table[1].usagePage2 = 0xff01;
        table[1].usage2 = 0xff01;
        table[1].reportLength = reportLength;
        link.updateDeviceList(table);

        uint8_t op, arg;
        while (backend.command.next(op) && backend.command.next(arg)) {
            runCommand(link, op, arg);
            if (backend.open(&backend.command) != 0)
                std::abort(); // an exchange left its handle open
        }
        link.stopListener();
        if (link.runningListeners() != 0 || backend.open(&backend.event) != 0)
            std::abort();
    }
    return 0;
}
