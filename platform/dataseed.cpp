#include "platform/dataseed.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <filesystem>
#include <vector>

namespace {

// The build's seeding step reads the same list, so a build folder and a
// user's folder treat every file alike.
const std::vector<QRegularExpression> &readOnlyRules()
{
    static const std::vector<QRegularExpression> rules = [] {
        std::vector<QRegularExpression> list;
        QFile file(QStringLiteral(":/platform/readonlydata.txt"));
        // Without the list nothing counts as read-only: language files stop
        // following the shipped ones, but no file of the user's is replaced.
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qCritical("The list of read-only data files is missing from the program");
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                list.emplace_back(line);
        }
        return list;
    }();
    return rules;
}

bool sameContent(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    return fa.readAll() == fb.readAll();
}

// Copies beside the target first, so a failed copy leaves the old file.
bool copyOver(const QString &from, const QString &to)
{
    if (!QDir().mkpath(QFileInfo(to).path()))
        return false;
    const QString fresh = to + QStringLiteral(".new");
    QFile::remove(fresh);
    if (!QFile::copy(from, fresh))
        return false;
    QFile::setPermissions(fresh, QFile::permissions(fresh) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The rename replaces the old file (or a link in its place) in one step:
    // a killed start never leaves the folder without it.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(fresh.toStdU16String()), std::filesystem::path(to.toStdU16String()),
                            error);
    if (error)
        QFile::remove(fresh);
    return !error;
}

} // namespace

bool DataSeed::isReadOnly(const QString &relativePath)
{
    for (const QRegularExpression &rule : readOnlyRules()) {
        if (rule.match(relativePath).hasMatch())
            return true;
    }
    return false;
}

DataSeed::Report DataSeed::seed(const QString &shipped, const QString &target)
{
    Report report;
    const QString root = QDir(shipped).absolutePath();
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(root.size() + 1);
        const QString to = target + QLatin1Char('/') + relative;
        const QFileInfo existing(to);
        const bool present = existing.exists() || existing.isSymLink();
        if (present && existing.isDir()) { // damaged: a folder where a file belongs
            report.failed.append(relative);
            continue;
        }
        if (present && (!isReadOnly(relative) || sameContent(source, to)))
            continue;
        if (!copyOver(source, to))
            report.failed.append(relative);
        else
            (present ? report.refreshed : report.added).append(relative);
    }
    return report;
}

DataSeed::Report DataSeed::takeOver(const QString &from, const QString &target)
{
    Report report;
    const QString root = QDir(from).absolutePath();
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(root.size() + 1);
        if (isReadOnly(relative))
            continue;
        const QString to = target + QLatin1Char('/') + relative;
        const bool present = QFileInfo::exists(to);
        if (QFileInfo(to).isDir() || !copyOver(source, to))
            report.failed.append(relative);
        else
            (present ? report.refreshed : report.added).append(relative);
    }
    return report;
}

QStringList DataSeed::writtenFolders(const QString &modules)
{
    QStringList folders{QString()};
    const QString root = QDir(modules).absolutePath();
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(root.size() + 1);
        if (isReadOnly(relative))
            continue;
        const qsizetype slash = relative.lastIndexOf(QLatin1Char('/'));
        const QString folder = slash < 0 ? QString() : relative.left(slash);
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

bool DataSeed::canWriteIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open();
}
