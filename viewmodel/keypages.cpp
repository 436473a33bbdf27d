// What the key assignment, macro and gun pages need beyond the file
// operations: a deleted macro leaves every profile, not only the one on
// screen; the three gun presets go to the mouse together.

#include "myqquickview.h"
#include "storage/datakeys.h"

#include "model/buttonrules.h"
#include "storage/buttonentry.h"
#include "storage/profileset.h"
#include "storage/settingsvalues.h"
#include "storage/storageparts.h"

#include <QSettings>

namespace {

const QString &kMacroGroup = ProfileKeys::kMacroGroup;
const auto &kMatrixGroups = ProfileKeys::kKeyMatrixGroups;

// Removes the bindings of `name` from one profile; the 0-based slots they held.
QList<int> unbind(QSettings *profile, const QString &name)
{
    QList<int> freed;
    profile->beginGroup(kMacroGroup);
    for (const QString &key : profile->childKeys()) {
        bool ok = false;
        const int slot = key.toInt(&ok);
        if (profile->value(key).toString() != name)
            continue;
        profile->remove(key);
        if (ok && slot >= 0)
            freed.append(slot);
    }
    profile->endGroup();
    return freed;
}

} // namespace

void myQQuickView::releaseMacro(QVariant name)
{
    const QString macro = name.toString();
    if (macro.isEmpty())
        return;
    for (int p = 0; p < ProfileSet::kCount; ++p) {
        QSettings *profile = m_profiles->at(p);
        const QList<int> freed = unbind(profile, macro);
        if (freed.isEmpty())
            continue;
        for (const QString &group : kMatrixGroups) {
            // Entry 0 of a gun matrix plays its gun macro, never a button slot.
            const int first = group == kMatrixGroups[0] ? 0 : 1;
            for (int b = first; b < ButtonEntry::kMouseButtons; ++b) {
                const QString key = group + u'/' + QString::number(b);
                const QVariantList entry = intListValue(listValue(profile->value(key)), ButtonEntry::kSize);
                // Stored macro entries count their slot from 1.
                if (entry.size() != ButtonEntry::kSize || entry.at(0).toInt() != ButtonEntry::kTypeMacro
                    || !freed.contains(entry.at(2).toInt() - 1))
                    continue;
                profile->setValue(key, ButtonRules::toList(ButtonRules::factory(b)));
            }
        }
    }
}

QVariant myQQuickView::sendGunPresets(QStringList names)
{
    return m_storage->transfer.sendGunPresets(names);
}
