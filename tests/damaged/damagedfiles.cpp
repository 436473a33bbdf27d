#include "damagedfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <filesystem>

namespace {

const QString kShipped = QStringLiteral(Q530_DATA_DIR);

const QByteArray kMacro1 = "[config]\nindex=0\ntotal=2\nrepeat=2\ndid=1\n\n[macro]\n0=\"1,A\"\n1=\"2,A\"\n";
const QByteArray kMacro2 = "[config]\nindex=1\ntotal=1\nrepeat=1\ndid=1\n\n[macro]\n0=\"0,50\"\n";
const QByteArray kGunData = "[gunData]\nGeneral=1, 2, 3, 4, 5\n";

} // namespace

QByteArray Damaged::shipped(const QString &relative)
{
    return readFile(kShipped + u'/' + relative);
}

QStringList Damaged::intactFiles()
{
    QStringList files;
    QDirIterator it(kShipped, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(kShipped.size() + 1));
    files << QStringLiteral("macro/M1.bin") << QStringLiteral("macro/M2.bin") << QStringLiteral("gun/gunData.bin");
    files.sort();
    return files;
}

QByteArray Damaged::intact(const QString &relative)
{
    if (relative == QLatin1String("macro/M1.bin"))
        return kMacro1;
    if (relative == QLatin1String("macro/M2.bin"))
        return kMacro2;
    if (relative == QLatin1String("gun/gunData.bin"))
        return kGunData;
    QByteArray content = shipped(relative);
    if (relative == QLatin1String("setting/name.bin"))
        return "[macro]\nmacroName=M1, M2\n\n" + content;
    if (relative == QLatin1String("setting/p1.bin")) {
        // The binding comes first, so a profile cut after its buttons keeps it.
        content.replace("[keydefine_R8]\n0=1, 0, 240, 0\n1=1, 0, 241, 0\n2=1, 0, 242, 0\n3=15, 0, 46, 0\n",
                        "[keydefine_R8]\n0=1, 0, 240, 0\n1=1, 0, 241, 0\n2=1, 0, 242, 0\n3=9, 0, 1, 0\n");
        return "[macro]\n0=M1\n\n" + content;
    }
    return content;
}

bool Damaged::writeIntact(const QString &modules)
{
    for (const QString &file : intactFiles()) {
        if (!writeFile(modules + u'/' + file, intact(file)))
            return false;
    }
    return true;
}

bool Damaged::writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray Damaged::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray content = file.readAll();
    return content.isNull() ? QByteArray("") : content;
}

QByteArray Damaged::withValue(const QByteArray &content, const QString &group, const QString &key, const QString &value)
{
    const QByteArray header = '[' + group.toUtf8() + ']';
    const QByteArray line = key.toUtf8() + '=' + value.toUtf8();
    QList<QByteArray> lines = content.split('\n');
    qsizetype start = lines.indexOf(header);
    if (start < 0) {
        lines << "" << header << line;
        return lines.join('\n') + '\n';
    }
    qsizetype end = start + 1;
    while (end < lines.size() && !lines.at(end).startsWith('['))
        ++end;
    for (qsizetype i = start + 1; i < end; ++i) {
        if (lines.at(i).startsWith(key.toUtf8() + '=')) {
            lines[i] = line;
            return lines.join('\n');
        }
    }
    lines.insert(start + 1, line);
    return lines.join('\n');
}

QByteArray Damaged::cutBefore(const QByteArray &content, const QByteArray &marker)
{
    const qsizetype at = content.indexOf(marker);
    return at < 0 ? content : content.left(at);
}

QByteArray Damaged::cutAfter(const QByteArray &content, const QByteArray &marker)
{
    const qsizetype at = content.indexOf(marker);
    return at < 0 ? content : content.left(at + marker.size());
}

QByteArray Damaged::randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

QMap<QString, QByteArray> Damaged::listing(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path.mid(root.size() + 1), readFile(path));
    }
    return files;
}

bool Damaged::makeProgramFolder(const QString &program, const QString &folder)
{
    namespace fs = std::filesystem;
    QDir().mkpath(folder);
    const fs::path from(program.toStdString());
    const fs::path to((folder + QStringLiteral("/q530")).toStdString());
    std::error_code error;
    fs::create_hard_link(from, to, error);
    if (error && !fs::copy_file(from, to, error))
        return false;
    // The shipped data only: the fixtures are the user's files.
    for (const QString &file : intactFiles()) {
        const QByteArray content = shipped(file);
        if (!content.isNull() && !writeFile(folder + QStringLiteral("/modules/") + file, content))
            return false;
    }
    return true;
}
