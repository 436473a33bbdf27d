#include "presetfiles.h"
#include "datakeys.h"

#include "filereplace.h"
#include "inifile.h"
#include "safename.h"
#include "settingsvalues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString &kIndex = PresetKeys::kIndex;
const QString &kTotal = PresetKeys::kTotal;
const QString &kRepeat = PresetKeys::kRepeat;
const QString &kDid = PresetKeys::kDid;

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

PresetFiles::PresetFiles(const QString &folder, const QString &linesGroup, const DeviceLink &link,
                         const QStringList &ownFiles)
    : m_folder(folder)
    , m_linesGroup(linesGroup)
    , m_link(link)
    , m_ownFiles(ownFiles)
{
}

bool PresetFiles::acceptsName(const QString &name) const
{
    // Case-insensitive: on Windows "GUNDATA" is the same file.
    return isSafeName(name) && !m_ownFiles.contains(name, Qt::CaseInsensitive);
}

QString PresetFiles::filePath(const QString &name) const
{
    return m_folder + u'/' + name + QStringLiteral(".bin");
}

bool PresetFiles::exists(const QString &name) const
{
    return acceptsName(name) && QFileInfo(filePath(name)).isFile();
}

bool PresetFiles::create(const QString &name, uint index)
{
    if (!acceptsName(name))
        return false;
    QDir().mkpath(m_folder);
    DataSettings file(filePath(name));
    file.setValue(kIndex, index);
    file.setValue(kTotal, 0);
    file.setValue(kRepeat, 1);
    file.setValue(kDid, -1);
    return file.save();
}

bool PresetFiles::save(const QString &name, const QStringList &lines, const QVariant &repeat)
{
    if (!exists(name))
        return false;
    DataSettings file(filePath(name));
    file.remove(m_linesGroup);
    file.setValue(kTotal, lines.size());
    file.setValue(kRepeat, repeat);
    for (int i = 0; i < lines.size(); ++i)
        file.setValue(m_linesGroup + u'/' + QString::number(i), lines.at(i));
    return file.save();
}

QStringList PresetFiles::lines(const QString &name) const
{
    if (!exists(name))
        return {};
    DataSettings file(filePath(name));
    const int total = qBound(0, intValue(file.value(kTotal), 0), kMaxLines);
    QStringList out;
    for (int i = 0; i < total; ++i) {
        // A line with a comma that is not quoted reads as a list.
        const QVariant line = file.value(m_linesGroup + u'/' + QString::number(i), 0);
        out.append(line.typeId() == QMetaType::QStringList ? line.toStringList().join(u',') : line.toString());
    }
    return out;
}

QStringList PresetFiles::load(const QString &name) const
{
    if (!exists(name))
        return {};
    QStringList out = lines(name);
    DataSettings file(filePath(name));
    out.append(file.value(kRepeat, 0).toString());
    return out;
}

int PresetFiles::repeatCount(const QString &name) const
{
    if (!exists(name))
        return 1;
    DataSettings file(filePath(name));
    return qBound(0, intValue(file.value(kRepeat), 1), kMaxRepeat);
}

QVariant PresetFiles::type(const QString &name) const
{
    if (!exists(name))
        return 0;
    return DataSettings(filePath(name)).value(kDid, 0);
}

QVariant PresetFiles::index(const QString &name) const
{
    if (!exists(name))
        return 0;
    return DataSettings(filePath(name)).value(kIndex, 0);
}

void PresetFiles::setIndex(const QString &name, const QVariant &index)
{
    if (exists(name))
        DataSettings(filePath(name)).setValue(kIndex, index);
}

void PresetFiles::setType(const QString &name, const QVariant &type)
{
    if (exists(name))
        DataSettings(filePath(name)).setValue(kDid, type);
}

QVariantList PresetFiles::config(const QString &name) const
{
    if (!exists(name))
        return {};
    DataSettings file(filePath(name));
    const int repeat = intValue(file.value(kRepeat), 1);
    const bool forThisDevice = intValue(file.value(kDid), -1) == int(m_link.deviceIndex());
    const int index = forThisDevice ? intValue(file.value(kIndex), -1) : -1;
    return {index, repeat};
}

void PresetFiles::setConfig(const QString &name, const QVariantList &config)
{
    if (!exists(name))
        return;
    DataSettings file(filePath(name));
    if (config.size() > 0)
        file.setValue(kIndex, config.at(0));
    if (config.size() > 1)
        file.setValue(kRepeat, config.at(1));
    file.setValue(kDid, m_link.deviceIndex());
}

bool PresetFiles::remove(const QString &name)
{
    return exists(name) && QFile::remove(filePath(name));
}

bool PresetFiles::rename(const QString &oldName, const QString &newName)
{
    if (!exists(oldName) || !acceptsName(newName) || QFileInfo::exists(filePath(newName)))
        return false;
    return QFile::rename(filePath(oldName), filePath(newName));
}

bool PresetFiles::replaceFrom(const QString &name, const QString &source)
{
    if (!exists(name) || source.isEmpty())
        return false;
    const QString target = filePath(name);
    if (sameFile(source, target))
        return true;
    // A failed copy must not cost the macro, nor a kill leave half of one.
    return replaceByCopy(source, target);
}

bool PresetFiles::copyTo(const QString &name, const QString &target) const
{
    if (!exists(name) || target.isEmpty() || sameFile(filePath(name), target))
        return false;
    return replaceByCopy(filePath(name), target);
}
