#pragma once

#include "devicetable.h"
#include "protocol.h"

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <functional>

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
// interface (one at a time, guarded by the transport-free flag) and listens on
// its event interface for DPI-stage notifications and removal.
//
// Never started as a thread: commands are called on the GUI thread; SET
// exchanges and the listener run on the global thread pool; GET exchanges run
// on the calling thread.
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

    uint currentDeviceIndex() const { return m_currentIndex; }
    QList<DeviceRecord> deviceList() const;
    bool isListening() const { return m_listening.load(); }
    QObject *owner() const { return m_owner; }

    void updateDeviceList(const QList<DeviceDescription> &descriptions);

    HidHandle *openCommandInterface(uint index);
    HidHandle *openEventInterface(uint index);
    bool waitTransportFree();
    bool runSetExchange(int n, bool wait);
    bool runGetExchange(int n);

    // At most one listener runs, ever: starting one stops the last first.
    void startListener(uint index);
    void stopListener();
    void listenEvents(uint index);
    // Listener tasks running now (0 or 1).
    int runningListeners() const { return m_runningListeners.load(); }

    // Blocks until the last SET exchange started here has ended.
    void waitForPendingExchange();

    // Whether the last GET command read the mouse: false after a busy
    // transport or a failed exchange, when its outputs hold fill values. Read
    // it right after the command; nothing in between may run another one.
    bool lastGetSucceeded() const { return m_lastGetOk; }

    // An input report of a GET data phase that does not arrive within this
    // time fails the exchange instead of hanging the GUI thread.
    static constexpr int kInputReportTimeoutMs = 1000;
    static constexpr int kListenerReadTimeoutMs = 500;
    static constexpr int kTransportAttempts = 255;
    static constexpr int kTransportStepMs = 8;
    static constexpr int kSettleHalfMs = 64;
    static constexpr int kReportGapMs = 8;

signals:
    // A tray balloon; emitted on the GUI thread or by the listener on a pool
    // thread, so receivers in the GUI thread get it queued.
    void balloonRequested(const QString &title, const QString &text);

public slots:
    void swichCurDevice(uint did);
    uchar hidCS(uchar *cmd);

    // Settings commands
    void hid_01H_SetReportRate(uchar rate);
    void hid_02H_SetCurrentProfile(uchar profile);
    void hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2);
    void hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4);
    void hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3);
    void hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction);
    void hid_09H_SetKeyboardMode(uchar mode);
    void hid_0BH_SetCurrentDPIStage(uchar dpiStage);
    void hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid_0EH_SetXYSensitive(uchar par0, uchar par1);
    void hid_13H_SetRecoveryData();
    void hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);

    void hid_80H_GetFWVersion(QString &version);
    void hid_81H_GetReportRate(uchar &rate);
    void hid_82H_GetCurrentProfile(uchar &profile);
    void hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid_83H_GetFunctionOption(uchar &type, uchar &option1, uchar &option2);
    void hid_84H_GetButtonSensitivity(uchar &sens1, uchar &sens2, uchar &sens3, uchar &sens4);
    bool hid_87H_GetLEDInstructFunction(uchar type, uchar &option1, uchar &option2, uchar &option3);
    void hid_88H_GetLEDType(uchar &effect, uchar &speed, uchar &light, uchar &color, uchar &direction);
    void hid_89H_GetKeyboardMode(uchar &mode);
    void hid_8BH_GetCurrentDPIStage(uchar &dpiStage);
    void hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2);
    void hid_94H_GetColor(uchar index, uchar &rValue, uchar &gValue, uchar &bValue);

    // Table commands: 64-byte-report family
    void hid_0DH_SetKeyMatrix(uchar *src512);
    void hid_0EH_SetKeyOnOff(uchar *src21);
    void hid_11H_SetMacroKey(uchar macroId, uchar *src192);
    void hid_12H_SetUserPicture(uchar index, uchar option, uchar *src512);
    void hid_8DH_GetKeyMatrix(uchar *src512);
    void hid_8EH_GetKeyOnOff(uchar *src21);
    void hid_91H_GetMacroKey(uchar macroId, uchar *src192);
    void hid_92H_GetUserPicture(uchar index, uchar *src512);

    // Table commands: mouse family
    void hid_10H_SetLED8StageColor(uchar type, uchar *src24);
    void hid_11H_SetDPISet(uchar dpiStage, uchar *src8);
    void hid_12H_SetKeyMatrix(uchar *src64, uchar indexAddOne);
    void hid_13H_SetMacroKey(uchar macroId, uchar *src128);
    void hid_90H_GetLED8StageColor(uchar type, uchar *src24);
    bool hid_91H_GetDPISet(uchar &dpiMAXStage, uchar *src8);
    void hid_92H_GetKeyMatrix(uchar *src64);
    void hid_93H_GetMacroKey(uchar macroId, uchar *src128);

private:
    enum class GetResult { Busy, Failed, Done };
    struct Params { uchar p[6] = {0, 0, 0, 0, 0, 0}; };
    struct Reply { uchar r[8] = {0, 0, 0, 0, 0, 0, 0, 0}; };

    struct DeferredSet
    {
        uchar code;
        Params params;
        bool wait;
        QByteArray block;
        int n;
    };

    void buildRequest(uchar code, const Params &params);
    // Takes the transport, sends the frame and n bytes of `block` on the pool.
    // Commands reach the mouse in the order they were issued: one issued while
    // another waits for the transport is sent after it.
    void startSet(uchar code, const Params &params, bool wait, const uchar *block = nullptr, int n = 0);
    void sendSet(const DeferredSet &set);
    void sendDeferredSets();
    // Takes the transport and runs the exchange here; `block` (n bytes) is
    // copied in before and back after, whatever the outcome.
    GetResult runGet(const Params &params, uchar code, const Reply &fill, uchar *block = nullptr, int n = 0);
    uchar reply(int r) const { return m_io.reply[1 + r]; }

    void settlePause();
    void releaseTransport();
    void closeCommandHandle();
    HidHandle *openInterface(uint index, bool command);
    uint reportLengthOf(uint index) const;
    void connectStep();

    QObject *m_owner;
    HidBackend *m_backend;
    mutable QMutex m_listMutex;     // the listener clears an event path on removal
    QList<DeviceRecord> m_devices;
    uint m_currentIndex = 1;
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
    bool m_lastGetOk = false;
    int m_waiting = 0;                // commands of the GUI thread in waitTransportFree()
    QList<DeferredSet> m_deferred;    // SETs issued meanwhile, oldest first
    QByteArray m_deniedPaths;       // the mouse last refused to this user, already told
    Sleeper m_sleep;

    struct
    {
        uchar request[Protocol::kFrameSize];
        uchar reply[Protocol::kFrameSize];
        uchar data[Protocol::kDataBufferSize];
    } m_io{};
};
