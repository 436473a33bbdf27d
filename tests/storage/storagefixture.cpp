#include "storagefixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

ProgramFolder::ProgramFolder(Data data)
    : m_previous(QDir::currentPath())
{
    QVERIFY(m_dir.isValid());
    QDir root(m_dir.path());
    for (const char *folder : {"modules/setting", "modules/macro", "modules/gun"})
        root.mkpath(QString::fromLatin1(folder));
    if (data == Shipped) {
        const QDir shipped(QStringLiteral(Q530_DATA_DIR));
        for (const char *folder : {"setting", "gun", "macro"}) {
            const QString sub = QString::fromLatin1(folder);
            for (const QString &file : QDir(shipped.filePath(sub)).entryList(QDir::Files))
                QFile::copy(shipped.filePath(sub + u'/' + file), root.filePath(QStringLiteral("modules/") + sub + u'/' + file));
        }
    }
    QDir::setCurrent(m_dir.path());
}

ProgramFolder::~ProgramFolder()
{
    QDir::setCurrent(m_previous);
}

QString ProgramFolder::path(const QString &relative) const
{
    return m_dir.filePath(relative);
}

Storage::Storage(Hid_Thread *hid)
    : StorageParts(profiles)
{
    link.hid = hid;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant iniValue(const QString &path, const QString &key)
{
    return QSettings(path, QSettings::IniFormat).value(key);
}

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList out;
    for (int v : values)
        out.append(v);
    return out;
}
