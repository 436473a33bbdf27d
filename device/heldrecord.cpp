#include "heldrecord.h"

#include "protocol.h"

#include <QMutexLocker>

using namespace Protocol;

namespace {

HeldRecord::Slot slot(uchar code, uchar selector = 0)
{
    return (HeldRecord::Slot(code) << 8) | selector;
}

} // namespace

std::optional<HeldRecord::Slot> HeldRecord::slotOf(uchar code, const uchar *p, bool hasBlock)
{
    switch (code) {
    case kSetReportRate:
    case kSetOptions:
    case kSetLed: // the mouse keeps the last 07H as well as each LED type's values
    case kSetLedType:
    case kSetKeyboardMode:
        return slot(code);
    case kSetRgbEffectOrKeyMatrix:
    case kSetXyOrKeyOnOff:
        return hasBlock ? std::nullopt : std::optional<Slot>(slot(code));
    case kSetGunData:
        return slot(code, p[4]);      // p5: the gun slot
    case kSetColor:
        return slot(code, p[1]);      // p2: the colour index
    case kSetLedStageColor:
        return slot(code, p[0]);      // p1: the LED type
    case kSetDpiSetOrMacro192:
        return hasBlock ? std::optional<Slot>(slot(code)) : std::nullopt; // p1 is a value, not a place
    case kSetKeyMatrixOrPicture:
        return hasBlock ? std::optional<Slot>(slot(code, p[0])) : std::nullopt; // p1: matrix 1..4
    case kSetMacroOrRecovery:
        return hasBlock ? std::optional<Slot>(slot(code, p[0])) : std::nullopt; // p1: macro slot
    default:
        return std::nullopt; // 02H and 0BH the mouse changes itself; 13H FF restores it
    }
}

bool HeldRecord::holds(Slot s, const QByteArray &bytes) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_entries.constFind(s);
    return it != m_entries.cend() && it->held && it->bytes == bytes;
}

quint64 HeldRecord::issue(Slot s, const QByteArray &bytes)
{
    QMutexLocker lock(&m_mutex);
    m_entries.insert(s, Entry{bytes, ++m_lastTicket, false});
    return m_lastTicket;
}

void HeldRecord::ended(Slot s, quint64 ticket, bool taken)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_entries.find(s);
    if (it == m_entries.end() || it->ticket != ticket)
        return; // forgotten, or a later SET to the slot is on its way
    if (taken)
        it->held = true;
    else
        m_entries.erase(it);
}

void HeldRecord::forget(Slot s)
{
    QMutexLocker lock(&m_mutex);
    m_entries.remove(s);
}

void HeldRecord::forgetAll()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
}
