#include "platform/pointersettings.h"

#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleHints>

namespace {

// A run without a window (the command line) only keeps the values.
QStyleHints *ownHints()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::styleHints() : nullptr;
}

// A program cannot change the pointer settings of every Linux desktop, so the
// values live in a per-user store (the same values Windows keeps) and are
// applied where a program may: its own double-click interval and wheel lines.
class LinuxPointerSettings final : public PointerSettings
{
public:
    LinuxPointerSettings()
        : m_store(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                      + QStringLiteral("/q530/pointer.ini"),
                  QSettings::IniFormat)
    {
        const QVariant interval = m_store.value(QStringLiteral("pointer/doubleClickTime"));
        QStyleHints *hints = ownHints();
        if (interval.isValid() && hints)
            hints->setMouseDoubleClickInterval(interval.toInt());
        const QVariant lines = m_store.value(QStringLiteral("pointer/wheelScrollLines"));
        if (lines.isValid() && hints)
            hints->setWheelScrollLines(lines.toInt());
    }

    bool mouseParams(MouseParams &params) override
    {
        // The X server's defaults: threshold 6 and 10, acceleration on.
        params = {m_store.value(QStringLiteral("pointer/threshold1"), 6).toInt(),
                  m_store.value(QStringLiteral("pointer/threshold2"), 10).toInt(),
                  m_store.value(QStringLiteral("pointer/acceleration"), 1).toInt()};
        return m_store.status() == QSettings::NoError;
    }

    bool setMouseParams(const MouseParams &params) override
    {
        m_store.setValue(QStringLiteral("pointer/threshold1"), params[0]);
        m_store.setValue(QStringLiteral("pointer/threshold2"), params[1]);
        m_store.setValue(QStringLiteral("pointer/acceleration"), params[2]);
        return commit();
    }

    bool setMouseSpeed(int speed) override
    {
        if (speed < 1 || speed > 20) // the range the system accepts
            return false;
        m_store.setValue(QStringLiteral("pointer/speed"), speed);
        return commit();
    }

    bool setWheelScrollLines(unsigned lines) override
    {
        m_store.setValue(QStringLiteral("pointer/wheelScrollLines"), lines);
        if (QStyleHints *hints = ownHints())
            hints->setWheelScrollLines(int(lines));
        return commit();
    }

    bool setDoubleClickTime(unsigned milliseconds) override
    {
        m_store.setValue(QStringLiteral("pointer/doubleClickTime"), milliseconds);
        if (QStyleHints *hints = ownHints())
            hints->setMouseDoubleClickInterval(int(milliseconds));
        return commit();
    }

private:
    bool commit()
    {
        m_store.sync();
        return m_store.status() == QSettings::NoError;
    }

    QSettings m_store;
};

} // namespace

std::unique_ptr<PointerSettings> PointerSettings::createForSystem()
{
    return std::make_unique<LinuxPointerSettings>();
}
