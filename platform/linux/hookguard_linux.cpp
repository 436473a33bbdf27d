#include "platform/hookguard.h"

#include "hooks/evdevkeys.h"
#include "hooks/hookcodes.h"
#include "hooks/inputcapture.h"
#include "hooks/callbackregistry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <optional>
#include <utility>

using namespace HookCodes;

namespace {

// How long a key-up waits for the key-down that would make it a repeat. Only
// the moment the up is reported moves; the time it carries is its own.
constexpr int kRepeatWaitMs = 100;

// The time of an event as the display server stamped it (X11 and Wayland
// both count milliseconds of the monotonic clock); an event that comes
// without one (0) takes the monotonic clock's.
quint32 eventTime(const QInputEvent *event)
{
    if (event->timestamp() != 0)
        return quint32(event->timestamp());
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// An ordinary Linux program cannot watch the whole desktop, so the capture
// takes the events of the program's own windows. Every physical event reaches
// the program first at its top-level window, spontaneously; from there Qt
// hands it on to widgets, the Quick scene's window and items, each of which
// this application-wide filter sees again. Taking only that first delivery
// reports each event once.
class WindowInputFilter : public QObject
{
public:
    WindowInputFilter()
    {
        m_repeatWait.setSingleShot(true);
        m_repeatWait.setInterval(kRepeatWaitMs);
        connect(&m_repeatWait, &QTimer::timeout, this, &WindowInputFilter::reportWaitingUp);
    }

    // Every key counts as up again, and an up still waiting is forgotten.
    void reset()
    {
        m_repeatWait.stop();
        m_waitingUp.reset();
        m_capture.clearKeyStates();
    }

    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (isFirstDelivery(receiver, event))
                onKey(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (isFirstDelivery(receiver, event))
                onButton(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::ApplicationStateChange:
            // Key-ups go to whichever program has the focus: without this a
            // key released elsewhere would stay down and its next press here
            // would go unreported.
            if (static_cast<QApplicationStateChangeEvent *>(event)->applicationState() != Qt::ApplicationActive) {
                reportWaitingUp();
                m_capture.releaseHeldKeys(m_lastTime);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    struct KeyUp
    {
        HookScanCode key;
        quint32 flags;
        quint32 time;
    };

    static bool isFirstDelivery(const QObject *receiver, const QEvent *event)
    {
        return receiver->isWindowType() && event->spontaneous();
    }

    // The system repeats a held key as up and down pairs; the keyboard hook
    // sees only the held key, so the repeats are dropped. Qt marks a pair it
    // finds together in its queue; a pair whose down it has not read yet
    // comes unmarked, as a real up and a down stamped with the up's time (or
    // the next millisecond). So an up waits a moment for such a down before
    // it is reported.
    void onKey(const QKeyEvent *event)
    {
        if (event->isAutoRepeat())
            return;
        const auto key = hookScanCodeForNative(event->nativeScanCode());
        if (!key)
            return;
        quint32 flags = key->extended ? kExtendedFlag : 0;
        if (event->modifiers() & Qt::AltModifier)
            flags |= kAltDownFlag;
        const quint32 time = eventTime(event);
        m_lastTime = time;
        const bool isDown = event->type() == QEvent::KeyPress;
        if (isDown && m_waitingUp && isSameKey(m_waitingUp->key, *key) && quint32(time - m_waitingUp->time) <= 1) {
            m_repeatWait.stop();
            m_waitingUp.reset();
            return;
        }
        reportWaitingUp();
        if (isDown) {
            m_capture.keyboard(kKeyDown, key->scanCode, flags, time);
        } else {
            m_waitingUp = KeyUp{*key, flags, time};
            m_repeatWait.start();
        }
    }

    void reportWaitingUp()
    {
        m_repeatWait.stop();
        if (const auto up = std::exchange(m_waitingUp, std::nullopt))
            m_capture.keyboard(kKeyUp, up->key.scanCode, up->flags, up->time);
    }

    static bool isSameKey(const HookScanCode &a, const HookScanCode &b)
    {
        return a.scanCode == b.scanCode && a.extended == b.extended;
    }

    void onButton(const QMouseEvent *event)
    {
        const quint32 message = buttonMessage(event->type(), event->button());
        if (message == 0)
            return;
        // Events are reported in the order they happened.
        reportWaitingUp();
        const quint32 time = eventTime(event);
        m_lastTime = time;
        const QPoint screen = event->globalPosition().toPoint();
        m_capture.mouse(message, screen.x(), screen.y(), time);
    }

    // The button message the mouse hook would see for the same event.
    static quint32 buttonMessage(QEvent::Type type, Qt::MouseButton button)
    {
        const int step = type == QEvent::MouseButtonPress ? 0 : type == QEvent::MouseButtonRelease ? 1 : 2;
        switch (button) {
        case Qt::LeftButton:
            return kLeftButtonDown + step;
        case Qt::RightButton:
            return kRightButtonDown + step;
        case Qt::MiddleButton:
            return kMiddleButtonDown + step;
        default:
            return 0;
        }
    }

    InputCapture m_capture;
    std::optional<KeyUp> m_waitingUp;
    QTimer m_repeatWait;
    quint32 m_lastTime = 0;
};

} // namespace

struct HookGuard::Private
{
    static void resetCapture(void *self)
    {
        if (const auto &filter = static_cast<Private *>(self)->filter)
            filter->reset();
    }

    std::unique_ptr<WindowInputFilter> filter;
};

HookGuard::HookGuard()
    : d(std::make_unique<Private>())
{
    CallbackRegistry::setCaptureReset(&Private::resetCapture, d.get());
    install();
}

HookGuard::~HookGuard()
{
    remove();
    CallbackRegistry::dropCaptureReset(d.get());
}

bool HookGuard::install()
{
    remove();
    QCoreApplication *app = QCoreApplication::instance();
    // Application filters only work on the thread the application lives on.
    if (!app || QThread::currentThread() != app->thread())
        return false;
    d->filter = std::make_unique<WindowInputFilter>();
    app->installEventFilter(d->filter.get());
    return true;
}

void HookGuard::remove()
{
    if (!d->filter)
        return;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(d->filter.get());
    d->filter.reset();
}

bool HookGuard::isInstalled() const
{
    return d->filter != nullptr;
}
