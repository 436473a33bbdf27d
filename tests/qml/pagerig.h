#pragma once

// What the page tests stand on: a program folder of their own, the real view
// model on the simulated mouse, and two objects for the tests to look with:
// "ui_Ctl" records the window calls, "testRig" shows what reached the mouse,
// the system and the files.

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class LinkOnSimulator;
class QQmlEngine;
class myQQuickView;

// Stands in for the window controller.
class ControlRecorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList calls READ calls NOTIFY callsChanged)
public:
    QStringList calls() const { return m_calls; }
    Q_INVOKABLE void clear();

public slots:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);

signals:
    void callsChanged();

private:
    void record(const QString &call);
    QStringList m_calls;
};

class PageRig : public QObject
{
    Q_OBJECT
public:
    PageRig();
    ~PageRig() override;

    // What the simulated mouse holds now, after the last exchange has ended:
    // reportRate, dpiStageCount, dpiCodes, rgbEffect, xySensitivity and
    // stageColours (the colour table of type 1).
    Q_INVOKABLE QVariantMap mouseState();
    // Key matrix 1 to 4 (64 bytes) and macro slot 1 to 12 (128 bytes) as the
    // simulated mouse holds them, and the key matrix it plays from.
    Q_INVOKABLE QVariantList keyMatrix(int index);
    Q_INVOKABLE QVariantList macroSlot(int slot);
    Q_INVOKABLE int keyMatrixNo();
    // The length of each gun slot's data the mouse was told, in 2-byte words.
    Q_INVOKABLE QVariantList gunLengths();
    // Request frames with this command code since the last clear.
    Q_INVOKABLE int framesSent(int code);
    Q_INVOKABLE int framesSentTotal();
    Q_INVOKABLE void clearMouseRecords();
    // No SET is on its way to the mouse or waiting to start.
    Q_INVOKABLE bool linkIdle() const;

    // What the system's pointer settings were given, in order.
    Q_INVOKABLE QVariantList pointerSpeeds() const;
    Q_INVOKABLE QVariantList doubleClickTimes() const;
    Q_INVOKABLE QVariantList wheelLines() const;
    Q_INVOKABLE void clearPointer();

    // Files under ./modules/setting, written around the view model.
    Q_INVOKABLE void setAppConfig(const QString &key, const QVariant &value);
    Q_INVOKABLE void setStored(int profile, const QString &key, const QVariant &value);
    Q_INVOKABLE QVariant stored(int profile, const QString &key) const;
    Q_INVOKABLE int currentProfile() const;
    // Text files under the program folder ("modules/macro/M.bin"); the
    // macro folder emptied.
    Q_INVOKABLE void writeFile(const QString &path, const QString &text);
    Q_INVOKABLE bool fileExists(const QString &path) const;
    Q_INVOKABLE void removeMacroFiles();
    // The shipped gun presets back, alone in their folder and the registry.
    Q_INVOKABLE void restoreGunPresets();
    Q_INVOKABLE QString readFile(const QString &path) const;
    // Every file under the program folder with a digest of its contents,
    // one line each: what a step that must change nothing is checked with.
    Q_INVOKABLE QString folderDigest() const;
    // The text of the tray's notice for a DPI stage (1 to 8).
    Q_INVOKABLE QString dpiNotice(int stage) const;

    // The file dialogs answered in place of a person: each dialog takes the
    // next answer, "" (cancelled) when none is left. What was asked, in
    // order: {save, caption, filter}.
    Q_INVOKABLE void answerFileDialogs(const QStringList &answers);
    Q_INVOKABLE QVariantList fileDialogsAsked() const;

public slots:
    // Qt Quick Test calls these by name.
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine *engine);

private:
    struct PointerLog;
    QTemporaryDir m_folder;
    std::unique_ptr<PointerLog> m_pointer;
    std::unique_ptr<LinkOnSimulator> m_sim;
    std::unique_ptr<myQQuickView> m_view;
    ControlRecorder m_control;
    QStringList m_fileAnswers;
    QVariantList m_fileDialogs;
};
