#pragma once

class QAction;
class QMenu;
class SimulatedMouse;

// Tray entries that act as the person holding the simulated mouse, so every
// notice can be seen without hardware. Inserted above `before`.
void addSimulationEntries(QMenu *menu, QAction *before, SimulatedMouse *mouse);
