#include "savelog.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Absolute, so a file named "./modules/..." and by its full path is one file.
QString key(const QString &file)
{
    return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

} // namespace

SaveLog &SaveLog::instance()
{
    static SaveLog log;
    return log;
}

void SaveLog::failed(const QString &file, const QString &reason)
{
    const QString name = QDir::toNativeSeparators(key(file));
    bool first = false;
    {
        const QMutexLocker lock(&m_mutex);
        m_failures.append(name + QStringLiteral(": ") + reason);
        first = !m_failing.value(name);
        ++m_count;
        m_lastSucceeded = false;
        m_failing.insert(name, true);
    }
    qWarning("Cannot save %s: %s", qPrintable(name), qPrintable(reason));
    if (first)
        emit saveFailed(name, reason);
}

void SaveLog::saved(const QString &file)
{
    const QMutexLocker lock(&m_mutex);
    m_failing.remove(QDir::toNativeSeparators(key(file)));
    ++m_count;
    m_lastSucceeded = true;
}

QStringList SaveLog::failures() const
{
    const QMutexLocker lock(&m_mutex);
    return m_failures;
}

quint64 SaveLog::count() const
{
    const QMutexLocker lock(&m_mutex);
    return m_count;
}

bool SaveLog::lastSucceeded() const
{
    const QMutexLocker lock(&m_mutex);
    return m_lastSucceeded;
}
