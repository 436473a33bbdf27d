#pragma once

#include "device/devicetable.h"
#include "device/hid_thread.h"
#include "simulator/simulatedmouse.h"

#include <QMutex>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

#include <memory>

// Collects what the program writes to Qt's debug output while it lives.
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    QStringList lines() const;
    void clear();

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &message);
    QtMessageHandler m_previous;
};

// A device link on a simulated peer, found and ready, with the transport's
// fixed waits shortened.
struct LinkOnSimulator
{
    explicit LinkOnSimulator(SimulatedMouse::Family family = SimulatedMouse::Family::Mouse, int reportLength = 0);
    ~LinkOnSimulator();

    // Request frames the peer received, after the last SET exchange ended.
    QList<QByteArray> frames();
    QList<QByteArray> outputReports();

    SimulatedMouse peer;
    Hid_Thread link;
};

// The balloons the link asks for, as the window gets them: on this object's
// thread. The listener asks from a thread of its own, where a QSignalSpy
// would record into its list while the test reads it.
class BalloonSpy : public QObject, public QList<QVariantList>
{
public:
    explicit BalloonSpy(Hid_Thread &link);
};

QByteArray hexBytes(const char *spaced);
