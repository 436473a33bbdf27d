#pragma once

#include <QByteArray>
#include <QVariant>
#include <QVariantList>

struct DeviceLink;
class ProfileSet;

// Button assignments: the current profile's copy ("keydefine_R8/<b>" for key
// matrix 1, "keydefine_R8<k>/<b>" for the gun key matrices, "keydefine/<i>"
// on a keyboard-type device) and the tables sent to the device, plus the
// keyboard-type device's key switches and user pictures.
//
// Lists from the page are taken with their length: missing values count as
// 0, values past a table are ignored. Without a device link nothing is sent
// and reads from the device give zeros.
class KeyAssignment
{
public:
    static constexpr int kKeyOnOffBytes = 21;
    static constexpr int kPictureBytes = 512;
    static constexpr uchar kPictureNotSent = 255;  // option of ui_12H_SetUserPicture
    // Key matrix 1 is the buttons'; the three gun slots have 2, 3 and 4.
    static constexpr uint kFirstGunMatrix = 2;
    static constexpr uint kLastGunMatrix = 4;

    explicit KeyAssignment(ProfileSet &profiles, const DeviceLink &link);

    // The 64 bytes a key matrix from the page is sent as: values cut to a
    // byte, and the named-key type as the plain key the device knows.
    static QByteArray deviceMatrix(const QVariantList &src64);

    void ui_12H_SetKeyMatrix(const QVariantList &src64);
    // Does nothing for a matrix number outside 2 ... 4.
    void ui_12H_SetGunKeyMatrix(const QVariantList &src64, const QVariant &keyMatrixIndex);
    // Four ints, or [] when the button has no entry.
    QVariantList getKeydefine(const QVariant &matrixId) const;
    QVariantList getGunKeydefine(const QVariant &keyMatrixIndex, const QVariant &matrixId) const;
    QVariantList ui_92H_GetKeyMatrix();

    void ui_0DH_SetKeyMatrix(const QVariantList &src512);
    QVariantList ui_8DH_GetKeyMatrix();
    void ui_0EH_SetKeyOnOff(const QVariantList &src21);
    QVariantList ui_8EH_GetKeyOnOff();
    void ui_12H_SetUserPicture(uchar index, uchar option, const QVariantList &src512);
    QVariantList ui_92H_GetUserPicture(uchar index) const;

private:
    void storeAndSendMatrix(const QVariantList &src64, const QString &prefix, uchar matrix);

    ProfileSet &m_profiles;
    const DeviceLink &m_link;
};
