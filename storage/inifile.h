#pragma once

#include <QByteArray>
#include <QSettings>

// The program's data files are INI text as QSettings writes it. The program
// reads and writes that text itself, through a settings format of its own,
// because QSettings' own INI save renames its temporary file over the old
// file even when the disk was full and not all of it was written. Here a
// save that does not reach the disk whole, or a file whose owner may not
// write it, leaves the old file untouched and the settings object reports
// QSettings::AccessError (and keeps the changes it could not save).
namespace IniFile {

// The format to open every data file with (DataSettings uses it).
QSettings::Format format();

// The text of `values`, sections and keys in alphabetical order.
QByteArray encode(const QSettings::SettingsMap &values);
// The values in `text`. False when a line could not be read (what could be
// read is kept, as QSettings does).
bool decode(const QByteArray &text, QSettings::SettingsMap &values);

} // namespace IniFile

// A data file. Every save is checked: one that fails (the file read-only,
// the disk full, the folder unwritable) is told to SaveLog with its reason,
// whether it was asked for or QSettings saved on its own.
class DataSettings : public QSettings
{
public:
    explicit DataSettings(const QString &fileName, QObject *parent = nullptr);
    ~DataSettings() override;

    // Writes what changed; false, with the old file kept, when it could not.
    bool save();

protected:
    bool event(QEvent *event) override;
};
