#pragma once

#include "storage/lightingeffect.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QVariantList>

class myQQuickView;

// Sends the current profile to the mouse and the system the way the page
// does when it shows a profile with sending: every panel in the page's
// order (buttons with the macros they play, X/Y sensitivity, DPI stages and
// their colours, lighting, polling rate, pointer speed, double-click speed
// and wheel lines), each from what the profile holds as that panel reads it,
// and then the gun presets of the three gun slots.
class ProfileSender
{
public:
    // What brought the profile: the page's steps after each differ a little.
    enum class Occasion { Switch, Import, Reset };

    // What the mouse should hold afterwards, as far as it can read it back.
    struct Sent
    {
        QByteArray keyMatrix;                       // matrix 1, 64 bytes
        QList<QPair<int, QByteArray>> macroSlots;   // device slot, 128 bytes
        QVariantList dpiCodes;
        LightingEffect::Command lighting;
        int reportRate = 0;
        bool gunPresets = true;                     // false: together too long, not sent
    };

    static Sent send(myQQuickView &view, Occasion occasion);
};
