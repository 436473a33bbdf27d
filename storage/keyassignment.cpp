#include "keyassignment.h"
#include "datakeys.h"

#include "buttonentry.h"
#include "devicelink.h"
#include "profileset.h"
#include "settingsvalues.h"

#include "device/hid_thread.h"

#include <QSettings>

namespace {

constexpr uchar kMainMatrix = 1;

const QString &kMouseMatrix = ProfileKeys::kKeyMatrixGroups[0];
const QString kKeyboardMatrix = QStringLiteral("keydefine");

QString entryKey(const QString &prefix, int entry)
{
    return prefix + u'/' + QString::number(entry);
}

QVariantList entryAt(const QVariantList &values, int entry)
{
    QVariantList out;
    for (int i = entry * ButtonEntry::kSize; i < (entry + 1) * ButtonEntry::kSize; ++i)
        out.append(i < values.size() ? values.at(i).toInt() : 0);
    return out;
}

// A short entry is padded with zeros and what is not a number counts as 0,
// but an entry without any number, or with one that is no byte, is damaged:
// it reads as no entry, so the button keeps its factory function.
QVariantList storedEntry(const QSettings &profile, const QString &key)
{
    const QVariantList stored = listValue(profile.value(key));
    QVariantList entry;
    bool anyNumber = false;
    for (int i = 0; i < ButtonEntry::kSize; ++i) {
        bool ok = false;
        const qlonglong value = i < stored.size() ? stored.at(i).toLongLong(&ok) : 0;
        if (ok && (value < 0 || value > 0xFF))
            return {};
        anyNumber = anyNumber || ok;
        entry.append(ok ? int(value) : 0);
    }
    return anyNumber ? entry : QVariantList();
}

} // namespace

KeyAssignment::KeyAssignment(ProfileSet &profiles, const DeviceLink &link)
    : m_profiles(profiles)
    , m_link(link)
{
}

void KeyAssignment::storeAndSendMatrix(const QVariantList &src64, const QString &prefix, uchar matrix)
{
    QSettings *profile = m_profiles.current();
    for (int b = 0; b < ButtonEntry::kMouseButtons; ++b)
        profile->setValue(entryKey(prefix, b), entryAt(src64, b));

    QByteArray table = deviceMatrix(src64);
    if (m_link.hid)
        m_link.hid->hid_12H_SetKeyMatrix(reinterpret_cast<uchar *>(table.data()), matrix);
}

QByteArray KeyAssignment::deviceMatrix(const QVariantList &src64)
{
    uchar table[ButtonEntry::kMatrixBytes];
    fillBytes(src64, table, ButtonEntry::kMatrixBytes);
    // The device knows no "named key" type: it is a plain key there.
    for (int i = 0; i < ButtonEntry::kMatrixBytes; i += ButtonEntry::kSize) {
        if (table[i] == ButtonEntry::kTypeNamedKey)
            table[i] = ButtonEntry::kTypeKeyboard;
    }
    return QByteArray(reinterpret_cast<const char *>(table), ButtonEntry::kMatrixBytes);
}

void KeyAssignment::ui_12H_SetKeyMatrix(const QVariantList &src64)
{
    storeAndSendMatrix(src64, kMouseMatrix, kMainMatrix);
}

void KeyAssignment::ui_12H_SetGunKeyMatrix(const QVariantList &src64, const QVariant &keyMatrixIndex)
{
    // Only the gun key matrices: 1 is the buttons' own, and a larger number
    // cut to a byte would land in another one.
    const uint k = keyMatrixIndex.toUInt();
    if (k < kFirstGunMatrix || k > kLastGunMatrix)
        return;
    storeAndSendMatrix(src64, kMouseMatrix + QString::number(k), uchar(k));
}

QVariantList KeyAssignment::getKeydefine(const QVariant &matrixId) const
{
    const QString id = matrixId.toString();
    switch (m_link.deviceIndex()) {
    case DeviceLink::kMouseIndex: return storedEntry(*m_profiles.current(), kMouseMatrix + u'/' + id);
    case DeviceLink::kKeyboardIndex: return storedEntry(*m_profiles.current(), kKeyboardMatrix + u'/' + id);
    default: return {};
    }
}

QVariantList KeyAssignment::getGunKeydefine(const QVariant &keyMatrixIndex, const QVariant &matrixId) const
{
    const QString key = kMouseMatrix + QString::number(keyMatrixIndex.toUInt()) + u'/' + matrixId.toString();
    return storedEntry(*m_profiles.current(), key);
}

QVariantList KeyAssignment::ui_92H_GetKeyMatrix()
{
    return DeviceLink::tableValues(m_link.hid ? m_link.hid->hid_92H_GetKeyMatrix() : std::nullopt, ButtonEntry::kMatrixBytes);
}

void KeyAssignment::ui_0DH_SetKeyMatrix(const QVariantList &src512)
{
    QSettings *profile = m_profiles.current();
    for (int i = 0; i < ButtonEntry::kKeyboardKeys; ++i)
        profile->setValue(entryKey(kKeyboardMatrix, i), entryAt(src512, i));
    uchar table[ButtonEntry::kKeyboardTableBytes];
    fillBytes(src512, table, ButtonEntry::kKeyboardTableBytes);
    if (m_link.hid)
        m_link.hid->hid_0DH_SetKeyMatrix(table);
}

QVariantList KeyAssignment::ui_8DH_GetKeyMatrix()
{
    return DeviceLink::tableValues(m_link.hid ? m_link.hid->hid_8DH_GetKeyMatrix() : std::nullopt, ButtonEntry::kKeyboardTableBytes);
}

void KeyAssignment::ui_0EH_SetKeyOnOff(const QVariantList &src21)
{
    uchar table[kKeyOnOffBytes];
    fillBytes(src21, table, kKeyOnOffBytes);
    if (m_link.hid)
        m_link.hid->hid_0EH_SetKeyOnOff(table);
}

QVariantList KeyAssignment::ui_8EH_GetKeyOnOff()
{
    return DeviceLink::tableValues(m_link.hid ? m_link.hid->hid_8EH_GetKeyOnOff() : std::nullopt, kKeyOnOffBytes);
}

void KeyAssignment::ui_12H_SetUserPicture(uchar index, uchar option, const QVariantList &src512)
{
    m_profiles.current()->setValue(ProfileKeys::userPicture(index), src512.mid(0, kPictureBytes));
    if (option == kPictureNotSent || !m_link.hid)
        return;
    uchar picture[kPictureBytes];
    fillBytes(src512, picture, kPictureBytes);
    m_link.hid->hid_12H_SetUserPicture(index, option, picture);
}

QVariantList KeyAssignment::ui_92H_GetUserPicture(uchar index) const
{
    return intListValue(m_profiles.current()->value(ProfileKeys::userPicture(index)),
                        kPictureBytes);
}
