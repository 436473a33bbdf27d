#include "keycodes.h"

#include "storage/keynames.h"

namespace {

QVariantList pairList(const QList<KeyNames::Pair> &pairs)
{
    QVariantList list;
    for (const KeyNames::Pair &p : pairs)
        list.append(QVariant(QVariantList{p.name, int(p.code)}));
    return list;
}

// The first pair with the name or code wins.
int codeOf(const QList<KeyNames::Pair> &pairs, const QString &name)
{
    for (const KeyNames::Pair &p : pairs)
        if (p.name == name)
            return p.code;
    return 0;
}

QString nameOf(const QList<KeyNames::Pair> &pairs, int code)
{
    for (const KeyNames::Pair &p : pairs)
        if (p.code == code)
            return p.name;
    return {};
}

QVariantMap functionMap(bool chinese)
{
    QVariantMap map;
    for (const KeyNames::Function &f : KeyNames::functions())
        map.insert(f.code, chinese ? f.chinese : f.english);
    return map;
}

} // namespace

KeyCodes::KeyCodes(QObject *parent)
    : QObject(parent)
{
}

QVariantList KeyCodes::keyPairs() const { return pairList(KeyNames::keyPairs()); }
QVariantList KeyCodes::mousePairs() const { return pairList(KeyNames::mouseButtonPairs()); }

QVariantList KeyCodes::functionNames() const
{
    QVariantList rows;
    for (const KeyNames::Function &f : KeyNames::functions())
        rows.append(QVariant(QVariantList{f.code, f.english, f.chinese}));
    return rows;
}

QVariantMap KeyCodes::englishFunctions() const { return functionMap(false); }
QVariantMap KeyCodes::chineseFunctions() const { return functionMap(true); }

int KeyCodes::keyCode(const QString &name) const { return codeOf(KeyNames::keyPairs(), name); }
QString KeyCodes::keyName(int code) const { return nameOf(KeyNames::keyPairs(), code); }
int KeyCodes::mouseCode(const QString &name) const { return codeOf(KeyNames::mouseButtonPairs(), name); }
QString KeyCodes::mouseName(int code) const { return nameOf(KeyNames::mouseButtonPairs(), code); }

QString KeyCodes::inputName(int code) const
{
    return code >= KeyNames::kMouseLeft ? mouseName(code) : keyName(code);
}

QString KeyCodes::functionName(const QString &code, int language) const
{
    return KeyNames::functionName(code, language);
}
