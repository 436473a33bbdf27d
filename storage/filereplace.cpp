#include "filereplace.h"

#include <QFile>
#include <QSaveFile>

bool replaceByCopy(const QString &source, const QString &target)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;
    // QSaveFile writes a temporary file in the target's folder and renames it
    // over the target on commit; it never writes the target in place.
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kChunk = 64 * 1024;
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(kChunk);
        if (chunk.isEmpty() || to.write(chunk) != chunk.size()) {
            to.cancelWriting();
            break;
        }
    }
    return from.error() == QFileDevice::NoError && to.commit();
}
