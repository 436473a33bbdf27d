#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>

class QQmlEngine;

// The pages' own shared helpers, evaluated here so that the command line
// follows the same rules: the button-entry functions of "keypages.js" and
// the key and function names of "KeyCodeString.qml". Entries are four
// numbers [type, p1, p2, p3]; lists of entries hold sixteen of them.
class PageScripts
{
public:
    PageScripts();
    ~PageScripts();
    PageScripts(const PageScripts &) = delete;
    PageScripts &operator=(const PageScripts &) = delete;

    // Why the helpers could not be loaded; empty when they are there.
    QString loadError() const { return m_error; }

    // ---- keypages.js
    QVariantList parseCode(const QString &text);              // [] unless eight hex digits
    QString codeText(const QVariantList &entry);
    QVariantList cleanEntry(const QVariant &stored, const QVariantList &fallback);
    bool isLeftClick(const QVariantList &entry);
    bool isGunKey(const QVariantList &entry);
    bool isMacro(const QVariantList &entry);
    bool isZero(const QVariantList &entry);
    bool isSingleKey(const QVariantList &entry);
    bool mayReassign(const QVariantList &entries, int index);
    QVariantList matrixBytes(const QVariantList &entries);
    QVariantList gunLayerBytes(const QVariantList &entries, int layer, int playMode);
    QVariantList gunChain(const QVariantList &gunKeyIndexes, int button);
    int macroSlotFor(const QVariantList &entries, int index);
    int entryCount();
    int buttonSlots();
    int gunSlots();

    // ---- KeyCodeString.qml
    int keyCode(const QString &name);          // 0 for a name it does not know
    QString keyName(int code);                 // "" for a code without a name
    QStringList keyNames();                    // in table order, each once
    QString functionName(const QString &code); // English; "" without a name
    // [code, English name] of every named function, in table order.
    QList<QStringList> functionNames();

private:
    QVariant call(const char *function, const QVariantList &arguments);

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_root;
    QString m_error;
};
