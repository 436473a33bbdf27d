#include "simulationmenu.h"

#include "simulator/simulatedmouse.h"

#include <QAction>
#include <QMenu>

void addSimulationEntries(QMenu *menu, QAction *before, SimulatedMouse *mouse)
{
    auto *press = new QAction(QObject::tr("Press DPI button"), menu);
    auto *unplug = new QAction(QObject::tr("Unplug mouse"), menu);
    auto *plug = new QAction(QObject::tr("Plug in mouse"), menu);
    QObject::connect(press, &QAction::triggered, mouse, &SimulatedMouse::pressDpiButton);
    QObject::connect(unplug, &QAction::triggered, mouse, &SimulatedMouse::unplug);
    QObject::connect(plug, &QAction::triggered, mouse, &SimulatedMouse::replug);

    auto follow = [=] {
        const bool plugged = mouse->isPlugged();
        press->setEnabled(plugged);
        unplug->setEnabled(plugged);
        plug->setEnabled(!plugged);
    };
    QObject::connect(mouse, &SimulatedMouse::plugged, menu, follow);
    QObject::connect(mouse, &SimulatedMouse::unplugged, menu, follow);
    follow();

    menu->insertActions(before, {press, unplug, plug});
    menu->insertSeparator(before);
}
