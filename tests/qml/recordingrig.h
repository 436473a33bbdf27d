#pragma once

// The page as the program shows it while a macro is recorded: the real view
// model on the simulated mouse, the capture of the window wired to the page
// as the program wires it, a program folder of its own. The recording tests
// stand on it, whether their keys are sent to the window or come from an X
// server.

#include "pagerig.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class HookGuard;
class LinkOnSimulator;
class QQuickItem;
class QWindow;
class ViewHost;
class myQQuickView;

class RecordingRig
{
public:
    RecordingRig();
    ~RecordingRig();

    // Shows the page and waits for it; a failed check ends the calling test.
    void start();
    // No macro, profile 0 at its factory values, the editor closed.
    void reset();

    myQQuickView &view() const { return *m_view; }
    QWindow *window() const;
    QObject *root() const;
    // A click in the middle of `item`, through the window as a user's.
    void clickItem(QQuickItem *item) const;
    // The page makes the macro editor when it first opens; this makes it as
    // that opening would.
    QObject *editor() const;

    // A new macro, "Macro_0", played by `button`, open in the editor and
    // recording; delays are recorded when `recTime`.
    void recordNewMacroOnButton(int button, bool recTime);
    // The stored actions of "Macro_0", without the loop count.
    QStringList actionLines() const;
    // What the simulated mouse holds in macro slot `slot`.
    QList<int> slotBytes(int slot) const;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<LinkOnSimulator> m_sim;
    std::unique_ptr<myQQuickView> m_view;
    std::unique_ptr<ViewHost> m_host;
    ControlRecorder m_control;
    std::unique_ptr<HookGuard> m_guard;
};

QVariant callQml(QObject *object, const char *function, const QVariant &a = {}, const QVariant &b = {});
