#include "devicestate.h"

#include <QMutex>
#include <QMutexLocker>
#include <array>
#include <atomic>

namespace {

std::atomic<bool> g_deviceReady{false};

// Texts are replaced whole by the GUI thread while the listener reads them,
// so both sides go through one mutex; the values are single ints.
struct Tables
{
    QMutex mutex;
    std::array<std::atomic<uint>, DpiTables::kStages> values{};
    std::array<QString, DpiTables::kStages> texts;
    Tables() { resetTexts(); }
    void resetTexts()
    {
        for (QString &t : texts)
            t = QStringLiteral("DPI Switch to");
    }
};

Tables &tables()
{
    static Tables t;
    return t;
}

bool inRange(int index) { return index >= 0 && index < DpiTables::kStages; }

} // namespace

bool deviceReady() { return g_deviceReady.load(); }
void setDeviceReady(bool ready) { g_deviceReady.store(ready); }

namespace DpiTables {

uint value(int index)
{
    return inRange(index) ? tables().values[size_t(index)].load() : 0;
}

void setValues(const QList<uint> &values)
{
    for (int i = 0; i < kStages && i < values.size(); ++i)
        tables().values[size_t(i)].store(values.at(i));
}

QString text(int index)
{
    if (!inRange(index))
        return QString();
    QMutexLocker lock(&tables().mutex);
    return tables().texts[size_t(index)];
}

void setTexts(const QStringList &texts)
{
    QMutexLocker lock(&tables().mutex);
    for (int i = 0; i < kStages && i < texts.size(); ++i)
        tables().texts[size_t(i)] = texts.at(i);
}

void reset()
{
    for (auto &v : tables().values)
        v.store(0);
    QMutexLocker lock(&tables().mutex);
    tables().resetTexts();
}

QString balloonText(int stage)
{
    if (!inRange(stage - 1))
        return QString();
    return text(stage - 1) + QLatin1Char(' ') + QString::number(value(stage - 1));
}

} // namespace DpiTables
