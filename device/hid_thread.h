#pragma once

#include "devicetable.h"
#include "heldrecord.h"
#include "linkresults.h"
#include "protocol.h"

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QMutex>
#include <QPromise>
#include <QString>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class HidBackend;
struct HidHandle;

// One entry of the device list: a description and where its interfaces are.
// Empty paths mean the device is absent.
struct DeviceRecord
{
    int index = 0;
    QString productName;
    int type = -1;
    QString commandPath;
    QString eventPath;
    uint reportLength = 0;
};

// The device link: finds the mouse, runs every command exchange on its command
// interface (one at a time) and listens on its event interface for DPI-stage
// notifications and removal.
//
// Threads: every command and every other call is made on one thread (the GUI
// thread; never started as a thread of its own). SET exchanges run on the
// global thread pool, the listener on a pool of its own, GET exchanges on the
// calling thread.
//
// Contracts of the commands:
// - Every command first takes the transport: while an earlier exchange runs it
//   waits in steps of kTransportStepMs, processing events, for at most
//   kTransportAttempts steps (2040 ms). A command that cannot take it is
//   dropped: nothing is sent, "cmd Failed" (SETs: and their code) goes to the
//   debug output, a SET's result is false and a GET gives nothing.
// - SETs reach the mouse in the order they were issued: one issued from an
//   event handled inside another command's wait goes after that command. A
//   GET issued there is answered at once.
// - A SET returns once its exchange has started; its SetResult tells whether
//   the mouse took it. The exchange sends the request frame, then the block
//   (copied at the call: the caller may reuse it at once) in reports of the
//   device's report length with kReportGapMs after each. SETs marked "settles"
//   add a 2 x kSettleHalfMs pause after the frame and again after a data phase.
// - A GET blocks for its whole exchange: request frame, reply frame, then the
//   block's input reports, each awaited at most kInputReportTimeoutMs. It
//   gives its values only when all of this went through and the reply's
//   checksum holds; otherwise (absent or removed mouse, refused request,
//   damaged reply, missing data report) it gives nothing.
// - Nothing is retried; a failed exchange closes its handle and gives the
//   transport back, so the next command runs as if nothing happened.
class Hid_Thread : public QThread
{
    Q_OBJECT
public:
    using Sleeper = std::function<void(int milliseconds)>;

    // `backend` is not owned and must outlive this object.
    explicit Hid_Thread(HidBackend *backend, QObject *owner = nullptr);
    ~Hid_Thread() override;

    // All fixed waits of the transport go through this (tests run it fast).
    void setSleeper(Sleeper sleeper);

    // Which record the commands and the listener use (0: the 64-byte-report
    // device, 1: the mouse). Atomic: SET exchanges read it on the pool.
    uint currentDeviceIndex() const { return m_currentIndex.load(); }
    QList<DeviceRecord> deviceList() const;
    bool isListening() const { return m_listening.load(); }
    QObject *owner() const { return m_owner; }

    // Enumerates the interfaces of the described mouse and replaces the list.
    void updateDeviceList(const QList<DeviceDescription> &descriptions);

    // At most one listener runs, ever: starting one stops the last first. The
    // start reads the keyboard options and, when they came, writes them back
    // with kOptionReportDpiStage set.
    void startListener(uint index);
    // Returns after at most one listener read (kListenerReadTimeoutMs).
    void stopListener();
    // Listener tasks running now (0 or 1).
    int runningListeners() const { return m_runningListeners.load(); }

    // Blocks until the last SET exchange started here has ended.
    void waitForPendingExchange();
    // The last SET exchange started, and whether one is still to end or to
    // start (issued during another command's wait).
    QFuture<bool> lastExchange() const { return m_lastSet; }
    bool hasPendingSets() const { return !m_lastSet.isFinished() || !m_deferred.isEmpty(); }

    // A SET whose bytes the mouse holds already (it took them from this link
    // since the connect) is not sent: its result is taken at once. With
    // send-all every SET goes, for a mouse that forgets; Q530_SEND_ALL=1 in
    // the environment sets it at start.
    void setSendAll(bool sendAll) { m_sendAll = sendAll; }

    static constexpr uint kMouseIndex = 1; // the record of the mouse family
    static constexpr int kInputReportTimeoutMs = 1000;
    static constexpr int kListenerReadTimeoutMs = 500;
    static constexpr int kTransportAttempts = 255;
    static constexpr int kTransportStepMs = 8;
    static constexpr int kSettleHalfMs = 64;
    static constexpr int kReportGapMs = 8;

    // Settings commands (R0..R7: the reply bytes after the report id).
    SetResult hid_01H_SetReportRate(uchar rate);                                         // settles
    SetResult hid_02H_SetCurrentProfile(uchar profile);
    SetResult hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    SetResult hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2); // settles
    SetResult hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4);  // settles
    SetResult hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    SetResult hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3);
    SetResult hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                                 uchar direction);                                       // settles
    SetResult hid_09H_SetKeyboardMode(uchar mode);                                       // settles
    SetResult hid_0BH_SetCurrentDPIStage(uchar dpiStage);                                // settles
    SetResult hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);       // settles
    SetResult hid_0EH_SetXYSensitive(uchar par0, uchar par1);                            // settles
    SetResult hid_13H_SetRecoveryData();
    SetResult hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);

    // R1 in lower-case hex, ".", R2 in two upper-case hex digits: "1.0A".
    std::optional<QString> hid_80H_GetFWVersion();
    std::optional<uchar> hid_81H_GetReportRate();
    std::optional<uchar> hid_82H_GetCurrentProfile();
    std::optional<KeyboardOptions> hid_83H_GetKeyboardoption();
    std::optional<FunctionOption> hid_83H_GetFunctionOption();
    std::optional<ButtonSensitivity> hid_84H_GetButtonSensitivity();
    std::optional<LedInstruct> hid_87H_GetLEDInstructFunction(uchar type);
    std::optional<LedType> hid_88H_GetLEDType();
    std::optional<uchar> hid_89H_GetKeyboardMode();
    std::optional<uchar> hid_8BH_GetCurrentDPIStage();
    std::optional<RgbEffect> hid_8DH_GetRGBLedEffect();
    std::optional<Colour> hid_94H_GetColor(uchar index);

    // Table commands, 64-byte-report family. SETs send the first n bytes of
    // their source (n in the name); GETs give exactly n bytes. All settle.
    SetResult hid_0DH_SetKeyMatrix(const uchar *src512);
    SetResult hid_0EH_SetKeyOnOff(const uchar *src21);
    SetResult hid_11H_SetMacroKey(uchar macroId, const uchar *src192);
    SetResult hid_12H_SetUserPicture(uchar index, uchar option, const uchar *src512);
    std::optional<QByteArray> hid_8DH_GetKeyMatrix();
    std::optional<QByteArray> hid_8EH_GetKeyOnOff();
    std::optional<QByteArray> hid_91H_GetMacroKey(uchar macroId);
    std::optional<QByteArray> hid_92H_GetUserPicture(uchar index);

    // Table commands, mouse family. LED type 2 carries 4 bytes, the others 24.
    SetResult hid_10H_SetLED8StageColor(uchar type, const uchar *src24);
    SetResult hid_11H_SetDPISet(uchar dpiStage, const uchar *src8);
    SetResult hid_12H_SetKeyMatrix(const uchar *src64, uchar indexAddOne);
    SetResult hid_13H_SetMacroKey(uchar macroId, const uchar *src128);
    std::optional<QByteArray> hid_90H_GetLED8StageColor(uchar type);
    std::optional<DpiSet> hid_91H_GetDPISet();
    std::optional<QByteArray> hid_92H_GetKeyMatrix();
    std::optional<QByteArray> hid_93H_GetMacroKey(uchar macroId);

signals:
    // A tray balloon; emitted on the GUI thread or by the listener on a pool
    // thread, so receivers in the GUI thread get it queued.
    void balloonRequested(const QString &title, const QString &text);

public slots:
    // Makes `did` the current device (restarting the listener when it
    // changes), then connects to it when it is there and may be opened.
    void swichCurDevice(uint did);

private:
    struct Params { uchar p[6] = {0, 0, 0, 0, 0, 0}; };
    using Reply = std::array<uchar, 8>; // R0..R7

    struct PendingSet
    {
        uchar code;
        Params params;
        bool settles;
        QByteArray block;
        std::shared_ptr<QPromise<bool>> outcome;
        std::optional<HeldRecord::Slot> slot; // where the mouse will hold it
        quint64 ticket = 0;
    };
    class Exchange;

    SetResult startSet(uchar code, const Params &params, bool settles, const uchar *block = nullptr, int n = 0);
    void sendSet(const PendingSet &set);
    void endSet(const PendingSet &set, bool taken);
    void sendDeferredSets();
    struct Answer
    {
        Reply reply;
        QByteArray block; // the n bytes of the data phase
    };
    // Takes the transport and runs the exchange here.
    std::optional<Answer> runGet(uchar code, const Params &params, int n = 0);
    std::optional<QByteArray> getBlock(uchar code, const Params &params, int n);

    bool waitTransportFree();
    void buildRequest(uchar code, const Params &params);
    bool runSetExchange(int n, bool settles);
    bool runGetExchange(int n);
    void settlePause();
    void releaseTransport();
    void closeCommandHandle();
    HidHandle *openCommandInterface(uint index);
    HidHandle *openEventInterface(uint index);
    void closeEventHandle();
    HidHandle *openInterface(uint index, bool command);
    uint reportLengthOf(uint index) const;
    void connectStep();
    void listenEvents(uint index);

    QObject *m_owner;
    HidBackend *m_backend;
    mutable QMutex m_listMutex;     // the listener clears an event path on removal
    QList<DeviceRecord> m_devices;
    std::atomic<uint> m_currentIndex{1};
    HidHandle *m_commandHandle = nullptr;
    HidHandle *m_eventHandle = nullptr;
    std::atomic<bool> m_transportFree{true};
    std::atomic<bool> m_listening{false};
    std::atomic<bool> m_pauseFlag{true};
    QFuture<void> m_listener;
    // The listener never ends while the mouse is there: on the global pool it
    // would hold a thread that SET exchanges need (all of them, on one CPU).
    QThreadPool m_listenerPool;
    std::atomic<int> m_runningListeners{0};
    QFuture<bool> m_lastSet;
    int m_waiting = 0;                // commands of the GUI thread in waitTransportFree()
    QList<PendingSet> m_deferred;     // SETs issued meanwhile, oldest first
    QByteArray m_deniedPaths;         // the mouse last refused to this user, already told
    Sleeper m_sleep;
    HeldRecord m_held;
    bool m_sendAll;

    struct
    {
        uchar request[Protocol::kFrameSize];
        uchar reply[Protocol::kFrameSize];
        uchar data[Protocol::kDataBufferSize];
    } m_io{};
};
