#pragma once

#include <QObject>
#include <QVariantList>
#include <QVariantMap>

// The key, mouse button and function names for the pages, from the one
// table the program has (storage/keynames). Pairs are [name, code]; function
// rows [code, English, Chinese].
class KeyCodes : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList keyPairs READ keyPairs CONSTANT)
    Q_PROPERTY(QVariantList mousePairs READ mousePairs CONSTANT)
    Q_PROPERTY(QVariantList functionNames READ functionNames CONSTANT)
    // Function code -> English name, and -> Chinese name.
    Q_PROPERTY(QVariantMap mouseData2str READ englishFunctions CONSTANT)
    Q_PROPERTY(QVariantMap mouseData2str1 READ chineseFunctions CONSTANT)
public:
    explicit KeyCodes(QObject *parent = nullptr);

    QVariantList keyPairs() const;
    QVariantList mousePairs() const;
    QVariantList functionNames() const;
    QVariantMap englishFunctions() const;
    QVariantMap chineseFunctions() const;

    // Usage of a key name, 0 for a name that is none; the name of a usage,
    // "" for a code without one. A shared name stands for its first code.
    Q_INVOKABLE int keyCode(const QString &name) const;
    Q_INVOKABLE QString keyName(int code) const;
    Q_INVOKABLE int mouseCode(const QString &name) const;
    Q_INVOKABLE QString mouseName(int code) const;
    // A recorded code: mouse buttons from 0xF0 on, keys below.
    Q_INVOKABLE QString inputName(int code) const;
    Q_INVOKABLE QString functionName(const QString &code, int language) const;
};
