#include "profileimport.h"
#include "datakeys.h"

#include "dpistages.h"
#include "inifile.h"
#include "namelist.h"
#include "nameregistry.h"
#include "panelvalues.h"
#include "presetfiles.h"
#include "profileset.h"
#include "settingsvalues.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProfileImport", text);
}

constexpr int kGunSlots = 3;
constexpr int kLowestDpiStage = 1;

// One macro or gun preset as the file carries it.
struct Carried
{
    QString name;
    bool hasLines = false;  // a name without a list brings no lines
    QStringList lines;
    int repeat = 1;
};

// What one kind of preset (macros or gun presets) comes to.
struct KindPlan
{
    QStringList registry;                // the name list after the import
    QStringList exported;                // the exporter's list, in its order
    QHash<QString, QString> localName;   // carried name -> the local one; "" refused
    std::vector<Carried> writes;         // files to make, under their local names
    std::vector<uint> writeIndexes;
    QStringList refused;
};

std::optional<std::vector<Carried>> readCarried(const QSettings &pf, const QString &kind, const PresetFiles &files,
                                                QStringList &exported)
{
    exported = withoutSentinel(stringListValue(pf.value(ProfileKeys::carriedNames(kind))));
    if (exported.size() > ProfileImport::kPresetLimit)
        return std::nullopt;
    std::vector<Carried> out;
    for (int i = 0; i < exported.size(); ++i) {
        const QString &name = exported.at(i);
        // The sentinel is never a name, wherever a foreign file puts it.
        if (!files.acceptsName(name) || name == kNameListSentinel
            || std::any_of(out.begin(), out.end(), [&](const Carried &c) { return c.name == name; }))
            continue;
        Carried c;
        c.name = name;
        // The stored form: the lines, then the repeat count.
        const QStringList stored = stringListValue(pf.value(ProfileKeys::carriedLines(kind, i)));
        c.hasLines = !stored.isEmpty();
        if (c.hasLines) {
            c.lines = stored.mid(0, qMin(int(stored.size()) - 1, PresetFiles::kMaxLines));
            bool ok = false;
            const int repeat = stored.last().toInt(&ok);
            c.repeat = ok ? qBound(0, repeat, PresetFiles::kMaxRepeat) : 1;
        }
        out.push_back(std::move(c));
    }
    return out;
}

bool sameContent(const PresetFiles &files, const QString &name, const Carried &c)
{
    return files.lines(name) == c.lines && files.repeatCount(name) == c.repeat;
}

KindPlan plan(const std::vector<Carried> &carried, const PresetFiles &files, const QStringList &registry)
{
    KindPlan p;
    p.registry = registry;
    uint nextIndex = uint(registry.size());
    for (const QString &name : registry)
        nextIndex = std::max(nextIndex, uintValue(files.index(name), 0) + 1);

    auto isFree = [&](const QString &name) {
        return files.acceptsName(name) && !files.exists(name) && !p.registry.contains(name)
               && std::none_of(p.writes.begin(), p.writes.end(), [&](const Carried &w) { return w.name == name; });
    };
    for (const Carried &c : carried) {
        QString target;
        bool write = false;
        if (!files.exists(c.name)) {
            target = c.name;
            write = true;
        } else if (!c.hasLines || sameContent(files, c.name, c)) {
            target = c.name;
        } else {
            // The user's own preset of that name stays as it is.
            for (int i = 0; i < ProfileImport::kPresetLimit && target.isEmpty(); ++i) {
                const QString candidate = c.name + u'(' + QString::number(i) + u')';
                if (files.exists(candidate) && sameContent(files, candidate, c))
                    target = candidate;
                else if (isFree(candidate)) {
                    target = candidate;
                    write = true;
                }
            }
        }
        const bool listed = p.registry.contains(target);
        if (target.isEmpty() || (!listed && p.registry.size() >= ProfileImport::kPresetLimit)) {
            p.refused.append(c.name);
            p.localName.insert(c.name, QString());
            continue;
        }
        if (!listed)
            p.registry.append(target);
        p.localName.insert(c.name, target);
        if (write) {
            Carried w = c;
            w.name = target;
            p.writes.push_back(std::move(w));
            p.writeIndexes.push_back(nextIndex++);
        }
    }
    return p;
}

// The list position of `name` as the dialogs order the list: by stored
// number, the list's order where two share one; -1 when it is not listed.
int listPosition(const QStringList &registry, const PresetFiles &files, const QString &name)
{
    struct Entry { QString name; int no; int order; };
    std::vector<Entry> entries;
    for (int i = 0; i < registry.size(); ++i) {
        const QString &n = registry.at(i);
        if (n.isEmpty() || std::any_of(entries.begin(), entries.end(), [&](const Entry &e) { return e.name == n; }))
            continue;
        bool ok = false;
        const int no = files.index(n).toInt(&ok);
        entries.push_back({n, ok ? no : i, i});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.no < b.no; });
    const bool shared = std::adjacent_find(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
                            return a.no == b.no;
                        }) != entries.end();
    if (shared)
        std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.order < b.order; });
    for (size_t k = 0; k < entries.size(); ++k)
        if (entries[k].name == name)
            return int(k);
    return -1;
}

// Imported values obey the panels' rules: at least one DPI stage on, the
// active stage one of the six.
void holdToPanelRules(QSettings &pf)
{
    const QString selectKey = ProfileKeys::kDpiSwitches;
    if (pf.contains(selectKey)) {
        // Only a switch that reads as 0 is off, as the panel reads them.
        const QVariantList switches = listValue(pf.value(selectKey));
        bool anyOn = switches.size() < DpiStages::kShown;
        for (int i = 0; i < DpiStages::kShown && !anyOn; ++i) {
            const std::optional<int> flag = PanelValues::parseNumber(switches.at(i));
            anyOn = !flag || *flag != 0;
        }
        if (!anyOn)
            pf.remove(selectKey); // reads as every stage on
    }
    const QString stageKey = ProfileKeys::kDpiStage;
    if (pf.contains(stageKey)) {
        bool ok = false;
        const int stage = pf.value(stageKey).toInt(&ok);
        if (!ok || stage < kLowestDpiStage || stage > DpiStages::kShown)
            pf.remove(stageKey);
    }
}

// The imported profile names the local presets: macro slots by name, gun
// slots by list position.
void pointToLocal(QSettings &pf, const KindPlan &macros, const KindPlan &guns, const PresetFiles &gunFiles)
{
    pf.beginGroup(ProfileKeys::kMacroGroup);
    for (const QString &slot : pf.childKeys()) {
        const QString bound = pf.value(slot).toString();
        const auto local = macros.localName.constFind(bound);
        if (local == macros.localName.constEnd() || *local == bound)
            continue;
        if (local->isEmpty())
            pf.remove(slot);
        else
            pf.setValue(slot, *local);
    }
    pf.endGroup();
    if (guns.exported.isEmpty())
        return;
    for (int s = 0; s < kGunSlots; ++s) {
        const QString key = ProfileKeys::selectGun(s);
        bool ok = false;
        const int chosen = pf.value(key).toInt(&ok);
        if (!ok || chosen < 0 || chosen >= guns.exported.size())
            continue;
        const QString local = guns.localName.value(guns.exported.at(chosen));
        const int position = local.isEmpty() ? -1 : listPosition(guns.registry, gunFiles, local);
        // A slot whose preset did not come plays the slot's own default.
        pf.setValue(key, position >= 0 ? position : s);
    }
}

} // namespace

QString ImportReport::message() const
{
    if (!error.isEmpty())
        return error;
    QStringList parts;
    if (!refusedMacros.isEmpty())
        parts << tr("These macros did not fit, the list holds %1: %2")
                     .arg(ProfileImport::kPresetLimit)
                     .arg(refusedMacros.join(QStringLiteral(", ")));
    if (!refusedGuns.isEmpty())
        parts << tr("These gun presets did not fit, the list holds %1: %2")
                     .arg(ProfileImport::kPresetLimit)
                     .arg(refusedGuns.join(QStringLiteral(", ")));
    return parts.join(u'\n');
}

ProfileImport::ProfileImport(ProfileSet &profiles, NameRegistry &names, PresetFiles &macros, PresetFiles &guns)
    : m_profiles(profiles)
    , m_names(names)
    , m_macros(macros)
    , m_guns(guns)
{
}

ImportReport ProfileImport::run(int profile, const QString &chosenFile)
{
    ImportReport report;
    const QFileInfo chosen(chosenFile);
    if (!ProfileSet::isValidIndex(profile) || chosenFile.isEmpty())
        return report;
    if (!chosen.isFile() || !chosen.isReadable()) {
        report.error = tr("%1 cannot be read.").arg(chosenFile);
        return report;
    }
    if (chosen.size() > kMaxFileBytes) {
        report.error = tr("%1 is too large to be a profile.").arg(chosenFile);
        return report;
    }
    // Read and changed aside: the chosen file is someone else's and stays as it is.
    const QTemporaryDir aside;
    const QString staged = aside.filePath(QStringLiteral("import.pf"));
    if (!aside.isValid() || !QFile::copy(chosenFile, staged)) {
        report.error = tr("%1 cannot be read.").arg(chosenFile);
        return report;
    }
    QFile::setPermissions(staged, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    DataSettings pf(staged);
    if (pf.status() != QSettings::NoError) {
        report.error = tr("%1 is not a profile.").arg(chosenFile);
        return report;
    }

    KindPlan plans[2];
    PresetFiles *files[2] = {&m_macros, &m_guns};
    const QString kinds[2] = {ProfileKeys::kMacroKind, ProfileKeys::kGunKind};
    const NameRegistry::Type types[2] = {NameRegistry::Macro, NameRegistry::Gun};
    for (int k = 0; k < 2; ++k) {
        QStringList exported;
        const auto carried = readCarried(pf, kinds[k], *files[k], exported);
        if (!carried) {
            report.error = tr("%1 is damaged: it carries %2 presets, more than the %3 a list holds.")
                               .arg(chosenFile)
                               .arg(exported.size())
                               .arg(kPresetLimit);
            return report;
        }
        plans[k] = plan(*carried, *files[k], m_names.names(types[k]));
        plans[k].exported = exported;
    }

    // Everything is read and checked: now the writes, presets first.
    std::vector<std::pair<PresetFiles *, QString>> made;
    auto undo = [&made] {
        for (const auto &[folder, name] : made)
            folder->remove(name);
    };
    for (int k = 0; k < 2; ++k) {
        for (size_t w = 0; w < plans[k].writes.size(); ++w) {
            const Carried &c = plans[k].writes[w];
            if (!files[k]->create(c.name, plans[k].writeIndexes[w])) {
                undo();
                report.error = tr("The presets %1 carries cannot be written.").arg(chosenFile);
                return report;
            }
            made.emplace_back(files[k], c.name);
            if (!files[k]->save(c.name, c.lines, c.repeat)) {
                undo();
                report.error = tr("The presets %1 carries cannot be written.").arg(chosenFile);
                return report;
            }
        }
    }
    holdToPanelRules(pf);
    pointToLocal(pf, plans[0], plans[1], m_guns);
    if (!pf.save() || !m_profiles.replaceSlot(profile, staged)) {
        undo();
        report.error = tr("The profile cannot be written.");
        return report;
    }
    for (int k = 0; k < 2; ++k) {
        if (plans[k].registry != m_names.names(types[k]))
            m_names.updataNameList(types[k], plans[k].registry);
    }
    report.imported = true;
    report.refusedMacros = plans[0].refused;
    report.refusedGuns = plans[1].refused;
    return report;
}
