#include "pagescripts.h"

#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>

namespace {

// One object that reaches the pages' helpers by name; each entry forwards to
// the page code unchanged.
const char kBridge[] = R"(
import QtQuick
import "qrc:/modules/qml/R8/keypages.js" as KeyPages
import "qrc:/modules/qml/basic"

QtObject {
    property KeyCodeString keyCodes: KeyCodeString {}

    function call(name, a) {
        switch (name) {
        case "parseCode": return KeyPages.parseCode(a[0])
        case "codeText": return KeyPages.codeText(a[0])
        case "cleanEntry": return KeyPages.cleanEntry(a[0], a[1])
        case "isLeftClick": return KeyPages.isLeftClick(a[0])
        case "isGunKey": return KeyPages.isGunKey(a[0])
        case "isMacro": return KeyPages.isMacro(a[0])
        case "isZero": return KeyPages.isZero(a[0])
        case "isSingleKey": return KeyPages.isSingleKey(a[0])
        case "mayReassign": return KeyPages.mayReassign(a[0], a[1])
        case "matrixBytes": return KeyPages.matrixBytes(a[0])
        case "gunLayerBytes": return KeyPages.gunLayerBytes(a[0], a[1], a[2])
        case "gunChain": return KeyPages.gunChain(a[0], a[1])
        case "macroSlotFor": return KeyPages.macroSlotFor(a[0], a[1])
        case "entryCount": return KeyPages.entryCount
        case "buttonSlots": return KeyPages.buttonSlots
        case "gunSlots": return KeyPages.gunSlots
        case "keyCode": return keyCodes.keyCode(a[0])
        case "keyName": return keyCodes.keyName(a[0])
        case "keyPairs": return keyCodes.keyPairs
        case "functionName": return keyCodes.functionName(a[0], 0)
        case "functionNames": return keyCodes.functionNames
        }
        throw new Error("no page helper " + name)
    }
}
)";

QVariant plain(const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<QJSValue>())
        return v.value<QJSValue>().toVariant();
    return v;
}

QVariantList plainList(const QVariant &v)
{
    QVariantList out;
    for (const QVariant &element : plain(v).toList())
        out.append(plain(element));
    return out;
}

} // namespace

PageScripts::PageScripts()
    : m_engine(std::make_unique<QQmlEngine>())
{
    QQmlComponent component(m_engine.get());
    component.setData(kBridge, QUrl(QStringLiteral("qrc:/q530ctl/PageScripts.qml")));
    m_root.reset(component.create());
    if (!m_root)
        m_error = component.errorString().trimmed();
}

PageScripts::~PageScripts()
{
    m_root.reset();
}

QVariant PageScripts::call(const char *function, const QVariantList &arguments)
{
    if (!m_root)
        return {};
    QVariant result;
    QMetaObject::invokeMethod(m_root.get(), "call", Q_RETURN_ARG(QVariant, result),
                              Q_ARG(QVariant, QString::fromLatin1(function)), Q_ARG(QVariant, arguments));
    return plain(result);
}

QVariantList PageScripts::parseCode(const QString &text) { return plainList(call("parseCode", {text})); }
QString PageScripts::codeText(const QVariantList &entry) { return call("codeText", {QVariant(entry)}).toString(); }
QVariantList PageScripts::cleanEntry(const QVariant &stored, const QVariantList &fallback)
{
    return plainList(call("cleanEntry", {stored, fallback}));
}
bool PageScripts::isLeftClick(const QVariantList &entry) { return call("isLeftClick", {QVariant(entry)}).toBool(); }
bool PageScripts::isGunKey(const QVariantList &entry) { return call("isGunKey", {QVariant(entry)}).toBool(); }
bool PageScripts::isMacro(const QVariantList &entry) { return call("isMacro", {QVariant(entry)}).toBool(); }
bool PageScripts::isZero(const QVariantList &entry) { return call("isZero", {QVariant(entry)}).toBool(); }
bool PageScripts::isSingleKey(const QVariantList &entry) { return call("isSingleKey", {QVariant(entry)}).toBool(); }
bool PageScripts::mayReassign(const QVariantList &entries, int index)
{
    return call("mayReassign", {QVariant(entries), index}).toBool();
}
QVariantList PageScripts::matrixBytes(const QVariantList &entries)
{
    return plainList(call("matrixBytes", {QVariant(entries)}));
}
QVariantList PageScripts::gunLayerBytes(const QVariantList &entries, int layer, int playMode)
{
    return plainList(call("gunLayerBytes", {QVariant(entries), layer, playMode}));
}
QVariantList PageScripts::gunChain(const QVariantList &gunKeyIndexes, int button)
{
    return plainList(call("gunChain", {QVariant(gunKeyIndexes), button}));
}
int PageScripts::macroSlotFor(const QVariantList &entries, int index)
{
    return call("macroSlotFor", {QVariant(entries), index}).toInt();
}
int PageScripts::entryCount() { return call("entryCount", {}).toInt(); }
int PageScripts::buttonSlots() { return call("buttonSlots", {}).toInt(); }
int PageScripts::gunSlots() { return call("gunSlots", {}).toInt(); }

int PageScripts::keyCode(const QString &name) { return call("keyCode", {name}).toInt(); }
QString PageScripts::keyName(int code) { return call("keyName", {code}).toString(); }

QStringList PageScripts::keyNames()
{
    QStringList names;
    for (const QVariant &pair : plainList(call("keyPairs", {}))) {
        const QString name = plainList(pair).value(0).toString();
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

QString PageScripts::functionName(const QString &code) { return call("functionName", {code}).toString(); }

QList<QStringList> PageScripts::functionNames()
{
    QList<QStringList> table;
    for (const QVariant &row : plainList(call("functionNames", {}))) {
        const QVariantList cells = plainList(row);
        if (cells.size() >= 2)
            table.append({cells.at(0).toString(), cells.at(1).toString()});
    }
    return table;
}
