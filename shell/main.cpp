#include "device/hidapibackend.h"
#include "platform/datafolder.h"
#include "platform/devicenotifier.h"
#include "platform/hookguard.h"
#include "platform/nativemessagefilter.h"
#include "platform/quitsignals.h"
#include "shell/hostcallbacks.h"
#include "shell/screenshot.h"
#include "shell/simulationmenu.h"
#include "shell/singleapplication.h"
#include "shell/startup.h"
#include "shell/startuptrace.h"
#include "shell/widget.h"
#include "simulator/simulatedmouse.h"
#include "q530version.h"

#include <QDir>
#include <QMessageBox>

#include <memory>

namespace {

// A start that gives up says why, on the terminal and where a person sees it.
void tellWhyNot(const QString &text)
{
    qCritical("%s", qPrintable(text));
    if (DataFolder::canShowBoxes())
        QMessageBox::warning(nullptr, QStringLiteral("STELLARC VEYRA MOUSE Q530"), text, QMessageBox::Ok);
}

} // namespace

int main(int argc, char *argv[])
{
    StartupTrace::mark("main entered");
    // Names the per-user data folder (~/.local/share/q530 on Linux),
    // whatever the program file is called.
    QCoreApplication::setApplicationName(QStringLiteral("q530"));
    QCoreApplication::setApplicationVersion(QStringLiteral(Q530_VERSION));
    SingleApplication app(argc, argv);
    if (app.isRunning()) {
        // The running copy brings its window up; one that never answers is
        // a q530ctl run, or a copy still starting, that holds the lock.
        if (!app.sendMessage(QString(), 5000)) {
            tellWhyNot(QStringLiteral("Another copy of the program, or a q530ctl command, is running and holds %1. "
                                      "Start the program again when it has ended.")
                           .arg(QDir::toNativeSeparators(SingleApplication::lockFilePath())));
        }
        return 1;
    }
    if (!app.startError().isEmpty()) {
        tellWhyNot(app.startError());
        return 2;
    }
    // Ended from outside as by the tray's Quit: the lock, the socket and a
    // temporary data copy go with it.
    QuitSignals::quitEventLoop();
    StartupTrace::mark("single instance checked");
    const StartupWarmUp warmUp;

    // Every data path is "./modules/..." in the data folder, which the
    // operating-system layer chooses from the program's own folder. It lives
    // as long as the program: it may be a stand-in for this run only.
    QString folder = QCoreApplication::applicationFilePath();
    const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
    folder = slash >= 0 ? folder.left(slash) : QDir::currentPath();
    const DataFolderChoice data = DataFolder::choose(folder);
    DataFolder::enter(data);
    StartupTrace::mark("data folder ready");
    if (!data.userMessage.isEmpty() && DataFolder::canShowBoxes()) {
        auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("STELLARC VEYRA MOUSE Q530"),
                                    data.userMessage, QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false); // the program runs on behind it
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, box, &QObject::deleteLater);
        box->show();
    }

    // --simulate, the only option: the whole program on the simulated mouse.
    // Both outlive the window.
    std::unique_ptr<SimulatedMouse> simulated;
    std::unique_ptr<HidapiBackend> hidapi;
    if (app.arguments().contains(QStringLiteral("--simulate")))
        simulated = std::make_unique<SimulatedMouse>();
    else
        hidapi = std::make_unique<HidapiBackend>();
    HidBackend *backend = simulated ? static_cast<HidBackend *>(simulated.get()) : hidapi.get();
    StartupTrace::mark("device backend made");

    chooseRenderer();
    int result = 0;
    {
        Widget window(backend);
        QObject::connect(&app, &SingleApplication::messageReceived, &window, &Widget::receiveMessage);

        std::unique_ptr<DeviceNotifier> notices;
        if (simulated) {
            QObject::connect(simulated.get(), &SimulatedMouse::plugged, &window, &Widget::onDeviceChange);
            QObject::connect(simulated.get(), &SimulatedMouse::unplugged, &window, &Widget::onDeviceChange);
            addSimulationEntries(window.trayIcon()->contextMenu(), window.quitAction(), simulated.get());
        } else {
            notices = std::make_unique<DeviceNotifier>();
            QObject::connect(notices.get(), &DeviceNotifier::deviceChanged, &window, &Widget::onDeviceChange);
        }

        HookGuard hooks;
        HostCallbacks callbacks(&window);
        NativeMessageFilter filter;
        StartupTrace::mark("hooks and filters set");

        // Read only by the run script, to picture the window without a display.
        const QString screenshot = qEnvironmentVariable("Q530_SCREENSHOT");
        if (simulated && !screenshot.isEmpty())
            screenshotAndQuit(window, screenshot);

        runFirstDeviceCheck(window);
        result = app.exec();
        // Leaving this block ends the filter, the callbacks and the hooks,
        // then the window, which stops the listener first.
    }
    // The window controller was scheduled for deletion with the window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
