#pragma once

#include "device/devicetable.h"
#include "device/hidbackend.h"
#include "mousestate.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QDeadlineTimer>

#include <condition_variable>
#include <optional>

struct SimHandle;

// A protocol peer that stands where the mouse would: it lists the mouse's
// interfaces, checks every request frame, keeps the mouse's state, answers
// reads from it, takes and sends data phases in report-length chunks and
// sends the DPI-stage notification on its event interface. It can be
// unplugged, made slow, busy or failing, and it records every frame and
// report so tests can assert exact bytes.
//
// All operations are thread-safe: SET exchanges and the listener call in from
// pool threads while the GUI thread runs GET exchanges.
class SimulatedMouse : public QObject, public HidBackend
{
    Q_OBJECT
public:
    // Which of the two device descriptions this peer plays.
    enum class Family { Mouse, KeyboardClass };

    struct Identity
    {
        uint16_t vid;
        uint16_t pid;
        uint16_t commandUsagePage;
        uint16_t commandUsage;
        uint16_t eventUsagePage;
        uint16_t eventUsage;
        int reportLength;
    };

    enum class Interface { Pointer, Command, Event };

    struct Record
    {
        enum Kind {
            FeatureSent,    // a request frame the program sent (9 bytes)
            FeatureReply,   // the reply frame handed back (9 bytes)
            OutputReport,   // a data report the program wrote (reportLength + 1)
            InputReport,    // a data report queued for the program (reportLength)
            EventReport,    // a notification on the event interface
            Rejected,       // a frame refused: bad checksum, bad size, busy
        };
        Kind kind;
        QByteArray bytes;
    };

    // HID operations that a test can make fail.
    enum class Operation { Open, SendFeature, GetFeature, Write, Read };

    // Damage done to what the mouse hands back: reply frames, data reports of
    // reads and notifications. A bad checksum flips a bit of the first value
    // byte behind the checksum's back; a short one stops halfway (reply frame
    // after R1); a wrong id puts 0x01 in a reply's report-id byte and 0x05 in
    // a notification's first byte.
    enum class ReplyFault { None, BadChecksum, Short, WrongId };

    // A report on its way to the program, readable from `ready` on.
    struct PendingReport
    {
        QByteArray bytes;
        QDeadlineTimer ready;
    };

    explicit SimulatedMouse(Family family = Family::Mouse, QObject *parent = nullptr);
    ~SimulatedMouse() override;

    static Identity identityOf(Family family);
    Identity identity() const { return m_identity; }
    // A device table whose second description, the one the link searches,
    // is this peer; the first is the other family's, never searched.
    QList<DeviceDescription> deviceTable() const;
    void setReportLength(int length);
    // The enumeration lists every interface twice (as some hubs do).
    void setListedTwice(bool twice);

    // ---- the person holding the mouse
    bool isPlugged() const;
    void unplug();
    void replug();
    // Steps to the next stage that is on and, when the program has asked for
    // it (option byte 4, bit 0x40), reports it on the event interface.
    void pressDpiButton();
    // Queues any report on the event interface (tests: odd stages, noise).
    void sendEventReport(const QByteArray &report);

    // ---- modes
    void setLatency(int milliseconds);          // every HID call takes this long
    void setBusy(bool busy);                    // request frames are refused
    void setSilent(bool silent);                // data reports of reads never come
    // Listed as ever, but opening is refused, as for a user the system gives
    // no access to the device.
    void setAccessDenied(bool denied);
    // The (successes + 1)-th call of `op` from now fails, once.
    void failAfter(Operation op, int successes = 0);
    // The (successes + 1)-th call of `op` from now goes through, and then the
    // cable comes out, once.
    void unplugAfter(Operation op, int successes = 0);
    void setReplyFault(ReplyFault fault);
    // The data reports of a read arrive this long after its reply frame.
    void setReportDelay(int milliseconds);

    // ---- state and recording
    MouseState state() const;
    void setState(const MouseState &state);
    QList<Record> records() const;
    QList<QByteArray> recorded(Record::Kind kind) const;
    void clearRecords();
    int openHandleCount() const;

    // ---- HidBackend
    HidInterfaceInfo *enumerate(uint16_t vendorId, uint16_t productId) override;
    void freeEnumeration(HidInterfaceInfo *list) override;
    HidHandle *openPath(const char *path) override;
    int setNonblocking(HidHandle *handle, int nonblock) override;
    void close(HidHandle *handle) override;
    int sendFeatureReport(HidHandle *handle, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidHandle *handle, unsigned char *data, size_t length) override;
    int write(HidHandle *handle, const unsigned char *data, size_t length) override;
    int read(HidHandle *handle, unsigned char *data, size_t length) override;
    int readTimeout(HidHandle *handle, unsigned char *data, size_t length, int milliseconds) override;
    bool isAccessDenied(const char *path) override;

signals:
    // Device-change notices, as the system would give them.
    void plugged();
    void unplugged();

private:
    struct PendingWrite
    {
        uint8_t code;
        uint8_t params[6];
        int expected;
        QByteArray received;
    };

    void simulateLatency() const;
    bool shouldFail(Operation op);
    // Ends a transfer that just went through: pulls the cable when asked to.
    int afterSuccess(Operation op, QMutexLocker<QMutex> &lock, int result);
    QByteArray damagedReport(const QByteArray &report, int fullLength) const;
    bool isLive(SimHandle *h) const;
    void record(Record::Kind kind, const QByteArray &bytes);
    void handleRequest(const uint8_t *frame);
    void applySet(uint8_t code, const uint8_t *p);
    void applyTable(const PendingWrite &write);
    void prepareReply(uint8_t code, const uint8_t *p);
    void queueInput(const QByteArray &data);
    void deliverEvent(const QByteArray &report);
    QList<QByteArray> interfacePaths(Interface which) const;
    std::optional<Interface> interfaceOfPath(const QByteArray &path) const;

    const Family m_family;
    Identity m_identity;
    mutable QMutex m_mutex;
    // Waits on m_mutex; unlike QWaitCondition its unlock and relock happen
    // in QMutex's own inline code, where ThreadSanitizer sees them.
    std::condition_variable_any m_inputArrived;
    MouseState m_state;
    QList<SimHandle *> m_handles;
    QList<Record> m_records;
    std::optional<PendingWrite> m_pendingWrite;
    QByteArray m_reply;                // reply frame of the last GET request
    QByteArray m_replyData;            // its data phase, sent once the reply is read
    QList<PendingReport> m_unreadEvents; // notifications waiting for an open handle
    bool m_plugged = true;
    bool m_listedTwice = false;
    bool m_busy = false;
    bool m_silent = false;
    bool m_accessDenied = false;
    int m_latencyMs = 0;
    struct Fault { Operation op; int remaining; };
    QList<Fault> m_faults;
    QList<Fault> m_unplugs;
    static bool countDown(QList<Fault> &faults, Operation op);
    ReplyFault m_replyFault = ReplyFault::None;
    int m_reportDelayMs = 0;
};
