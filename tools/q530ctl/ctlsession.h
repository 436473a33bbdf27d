#pragma once

#include "ctloptions.h"

#include <QJsonObject>

#include <memory>

class HidBackend;
class Hid_Thread;
class SimulatedMouse;
class myQQuickView;

// Everything one run works with, as the program builds it: the mouse (real
// or simulated) behind the device link, the view model on the data folder
// (already the working folder) with the profile the program last had.
class CtlSession
{
public:
    explicit CtlSession(const CtlOptions &options);
    ~CtlSession();
    CtlSession(const CtlSession &) = delete;
    CtlSession &operator=(const CtlSession &) = delete;

    myQQuickView &view() { return *m_view; }
    Hid_Thread &hid() { return *m_hid; }
    // Null unless the run is on the simulated mouse.
    SimulatedMouse *simulated() { return m_simulated.get(); }

    enum class Mouse { Ready, Absent, NoAccess };
    // Looks for the mouse as the program's device check does. No listener
    // is started: a run shows no notices.
    Mouse connect();

    // Waits until the last command has reached the mouse and writes the
    // profiles and the configuration to their files.
    void finish();

    // The simulated mouse's state as plain values (tests read it).
    QJsonObject simulatedState() const;

private:
    std::unique_ptr<SimulatedMouse> m_simulated;
    std::unique_ptr<HidBackend> m_hidapi;
    std::unique_ptr<Hid_Thread> m_hid;
    std::unique_ptr<myQQuickView> m_view;
    QString m_condition;
};
