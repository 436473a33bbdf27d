#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QtGlobal>

#include <optional>

// What the mouse holds of what this link sent it: for every setting and
// table a SET writes, the bytes of the last SET the mouse took. A SET with
// the same bytes would change nothing and need not be sent.
//
// Sound by construction: a SET forgets its slot when it is issued and the
// slot is known again only once the mouse took it, and only if no later SET
// to the slot was issued meanwhile; a refused, dropped or interrupted
// exchange leaves the slot unknown. The DPI stage and the key matrix number
// are never known: the mouse changes them by itself.
//
// Thread-safe: SETs are issued on the GUI thread and end on the pool.
class HeldRecord
{
public:
    using Slot = quint32;

    // The slot a mouse-family SET writes, or none for SETs that are always
    // sent (the stage, the key matrix number, factory data, unknown codes).
    // `params` holds p1..p6.
    static std::optional<Slot> slotOf(uchar code, const uchar *params, bool hasBlock);

    // Whether the mouse holds exactly `bytes` in `slot`.
    bool holds(Slot slot, const QByteArray &bytes) const;
    // A SET of `bytes` to `slot` is on its way; the returned ticket names it.
    quint64 issue(Slot slot, const QByteArray &bytes);
    // The SET of `ticket` has ended; `taken`: the mouse took all of it.
    void ended(Slot slot, quint64 ticket, bool taken);
    // The mouse may hold anything in `slot`.
    void forget(Slot slot);
    // Nothing is known any more (connect, removal, factory data).
    void forgetAll();

private:
    struct Entry
    {
        QByteArray bytes;
        quint64 ticket = 0;
        bool held = false;
    };

    mutable QMutex m_mutex;
    QHash<Slot, Entry> m_entries;
    quint64 m_lastTicket = 0;
};
