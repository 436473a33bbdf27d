#pragma once

#include <QEvent>

// An event that carries one integer code; the window posts the run-UI event
// to itself so the page starts only once the event loop runs.
class UserEvent : public QEvent
{
public:
    static constexpr QEvent::Type kType = QEvent::Type(1000);
    static constexpr int kRunUI = 2177;

    explicit UserEvent(int code) : QEvent(kType), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};
