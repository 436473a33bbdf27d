// The system's pointer settings, kept per profile, and the scroll-button swap
// (a bit of the mouse's function option).

#include "myqquickview.h"
#include "storage/datakeys.h"

#include "device/hid_thread.h"
#include "platform/pointersettings.h"
#include "storage/profileset.h"
#include "storage/settingsvalues.h"

#include <QDebug>
#include <QSettings>

namespace {

constexpr uchar kScrollSwapBit = 0x40;

int pointerSpeedFor(uint position) { return position == 0 ? 1 : int(2 * position); }
uint doubleClickTimeFor(uint position) { return 900 - 70 * position; }

} // namespace

void myQQuickView::setPointerSettings(std::unique_ptr<PointerSettings> pointer)
{
    m_pointer = std::move(pointer);
}

void myQQuickView::setCursorSpeed(uint cursorSpeed)
{
    profile()->setValue(ProfileKeys::kCursorSpeed, cursorSpeed);
    if (!m_pointer->setMouseSpeed(pointerSpeedFor(cursorSpeed)))
        qDebug("setCursorSpeed Failed");
}

uint myQQuickView::getCursorSpeed()
{
    return uintValue(profile()->value(ProfileKeys::kCursorSpeed), 0);
}

void myQQuickView::setVerticalScrollLines(uint lines)
{
    profile()->setValue(ProfileKeys::kScrollLines, lines);
    if (!m_pointer->setWheelScrollLines(lines))
        qDebug("setVerticalScrollLines Failed");
}

uint myQQuickView::getVerticalScrollLines()
{
    return uintValue(profile()->value(ProfileKeys::kScrollLines), 0);
}

void myQQuickView::setDoubleClickSpeed(uint speed)
{
    profile()->setValue(ProfileKeys::kDoubleClickSpeed, speed);
    if (!m_pointer->setDoubleClickTime(doubleClickTimeFor(speed)))
        qDebug("setDoubleClickSpeed Failed");
}

uint myQQuickView::getDoubleClickSpeed()
{
    return uintValue(profile()->value(ProfileKeys::kDoubleClickSpeed), 0);
}

void myQQuickView::setAcceleration(bool acceleration)
{
    PointerSettings::MouseParams params{};
    if (!m_pointer->mouseParams(params)) {
        qDebug("setAcceleration Failed");
        return;
    }
    params[2] = acceleration ? 1 : 0;
    if (!m_pointer->setMouseParams(params))
        qDebug("setAcceleration Failed");
}

bool myQQuickView::getAcceleration()
{
    PointerSettings::MouseParams params{};
    if (!m_pointer->mouseParams(params)) {
        qDebug("getAcceleration Failed");
        return false;
    }
    return params[2] != 0;
}

void myQQuickView::setScrollPinSwap(bool isSwap)
{
    profile()->setValue(ProfileKeys::kScrollSwap, isSwap);
    if (!m_hid)
        return;
    // Read-modify-write: without both reads the write would clear the
    // sensor type, the rate and the other option bits, so nothing is sent.
    const std::optional<FunctionOption> option = m_hid->hid_83H_GetFunctionOption();
    if (!option)
        return;
    const std::optional<uchar> rate = m_hid->hid_81H_GetReportRate();
    if (!rate)
        return;
    const uchar option1 = uchar((option->option1 & ~kScrollSwapBit) | (isSwap ? kScrollSwapBit : 0));
    m_hid->hid_03H_SetFunctionOption(option->type, *rate, option1, option->option2);
}

bool myQQuickView::getScrollPinSwap()
{
    return profile()->value(ProfileKeys::kScrollSwap, false).toBool();
}
