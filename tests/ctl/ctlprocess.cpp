#include "ctlprocess.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QUuid>

CtlHome::CtlHome()
    : m_key(QUuid::createUuid().toString(QUuid::Id128))
    , m_home(std::make_unique<QTemporaryDir>())
{
    QDir().mkpath(runtime());
    QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString CtlHome::runtime() const
{
    return home() + "/runtime";
}

void CtlHome::useInstanceFolderHere() const
{
    qputenv("Q530_INSTANCE_KEY", m_key.toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime().toUtf8());
}

QProcessEnvironment CtlHome::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("Q530_INSTANCE_KEY", m_key);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home());
    env.insert("XDG_RUNTIME_DIR", runtime());
    env.insert("XDG_DATA_HOME", home() + "/data");
    env.insert("XDG_CONFIG_HOME", home() + "/config");
    return env;
}

CtlRun CtlHome::runPlain(const QStringList &arguments) const
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.setWorkingDirectory(home());
    p.start(Q530CTL, arguments);
    CtlRun run;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

CtlRun CtlHome::run(const QStringList &arguments, const QString &condition) const
{
    const QString dump = home() + "/mouse.json";
    QFile::remove(dump);
    QStringList all{condition.isEmpty() ? QStringLiteral("--simulate") : "--simulate=" + condition,
                    "--dump-mouse=" + dump};
    CtlRun run = runPlain(all + arguments);
    QFile file(dump);
    if (file.open(QIODevice::ReadOnly))
        run.mouse = QJsonDocument::fromJson(file.readAll()).object();
    return run;
}

QString CtlHome::dataFolder() const
{
    return home() + "/data/q530/modules";
}

QString CtlHome::settingFile(const QString &name) const
{
    return dataFolder() + "/setting/" + name;
}

QString CtlHome::stored(const QString &file, const QString &key) const
{
    const QSettings settings(settingFile(file), QSettings::IniFormat);
    return settings.value(key).toStringList().join(", ");
}

QMap<QString, QByteArray> CtlHome::snapshot() const
{
    QMap<QString, QByteArray> files;
    for (const QString &folder : {home() + "/data", home() + "/config"}) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                files.insert(path.mid(home().size()), f.readAll());
        }
    }
    return files;
}

void CtlHome::addMacro(const QString &name, const QStringList &lines, int repeat) const
{
    QDir().mkpath(dataFolder() + "/macro");
    QSettings macro(dataFolder() + "/macro/" + name + ".bin", QSettings::IniFormat);
    macro.setValue("config/index", 0);
    macro.setValue("config/total", lines.size());
    macro.setValue("config/repeat", repeat);
    macro.setValue("config/did", 1);
    for (int i = 0; i < lines.size(); ++i)
        macro.setValue("macro/" + QString::number(i), lines.at(i));
    QSettings names(settingFile("name.bin"), QSettings::IniFormat);
    QStringList list = names.value("macro/macroName").toStringList();
    list.removeAll("loaderzentak");
    list.append(name);
    if (list.size() == 1)
        list.append("loaderzentak");
    names.setValue("macro/macroName", list);
}

bool mouseHolds(const QJsonObject &mouse, const QString &path, const QVariant &expected, QString &seen)
{
    QString steps = path;
    int from = -1;
    const qsizetype at = steps.indexOf('@');
    if (at >= 0) {
        from = steps.mid(at + 1).toInt();
        steps.truncate(at);
    }
    QJsonValue value = mouse;
    for (const QString &step : steps.split('/')) {
        if (value.isArray())
            value = value.toArray().at(step.toInt());
        else
            value = value.toObject().value(step);
    }
    if (from >= 0) {
        const QJsonArray all = value.toArray();
        QJsonArray part;
        for (int i = from; i < from + expected.toList().size() && i < all.size(); ++i)
            part.append(all.at(i));
        value = part;
    }
    seen = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{value.toVariant()}).toJson(QJsonDocument::Compact));
    return value == QJsonValue::fromVariant(expected);
}
