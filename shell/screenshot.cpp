#include "screenshot.h"

#include "device/devicestate.h"
#include "shell/pagecall.h"
#include "shell/viewhost.h"
#include "viewmodel/myqquickview.h"
#include "widget.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QJSValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QSaveFile>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
// The page shows its main page after its start-up lock; then its panels get
// a moment to settle. A page that never says so is taken after the limit.
constexpr int kPollMs = 50;
constexpr int kSettleMs = 300;
constexpr int kLimitMs = 10000;

bool mainPageShown(Widget &window)
{
    const QQuickItem *root = window.host()->rootObject();
    return !root || root->property("mainPageShown").toBool();
}

// QML hands arrays and objects over as QJSValue.
QJsonValue plain(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QJSValue>())
        return QJsonValue::fromVariant(value.value<QJSValue>().toVariant());
    return QJsonValue::fromVariant(value);
}

// A part of the page by its objectName.
QObject *part(const QObject *root, const char *name)
{
    return root ? root->findChild<QObject *>(QLatin1String(name)) : nullptr;
}

QJsonValue property(const QObject *item, const char *name)
{
    return item ? plain(item->property(name)) : QJsonValue();
}

// A page function that is not there gives null.
QJsonValue call(QObject *item, const char *function, const QVariant &argument = QVariant())
{
    const QVariant result = callPageFunction(item, function, argument.isValid() ? QVariantList{argument} : QVariantList{});
    return result.isValid() ? plain(result) : QJsonValue();
}

// One role of every row of a list model, as the panel lists it.
QJsonArray column(const QVariant &model, const QByteArray &role)
{
    QJsonArray out;
    const auto *list = qvariant_cast<QAbstractItemModel *>(model);
    if (!list)
        return out;
    const int roleId = list->roleNames().key(role, -1);
    for (int row = 0; row < list->rowCount(); ++row)
        out.append(plain(list->data(list->index(row, 0), roleId)));
    return out;
}

// What the panels show once the page has been filled, for checks from
// outside the process: the page's own values, not the profile's.
QJsonObject shownValues(Widget &window)
{
    QObject *page = window.host()->rootObject();
    QObject *root = page ? qvariant_cast<QObject *>(page->property("dashboard")) : nullptr;
    QObject *keys = part(root, "keyMatrixMain");
    QObject *xy = part(root, "xySettingMain");
    QObject *dpi = part(root, "dpiSettingMain");
    QObject *light = part(root, "lightControlMain");
    QObject *macros = part(root, "macroPresets");

    QJsonArray gunLayers;
    for (int layer = 1; layer < 4; ++layer)
        gunLayers.append(call(keys, "entries", layer));
    QJsonArray levels;
    for (int row = 0; row < 4; ++row)
        levels.append(call(light, "level", row));
    QJsonArray balloons;
    for (int i = 0; i < DpiTables::kStages; ++i)
        balloons.append(DpiTables::text(i));
    // The first macro, as the macro editor opens on it.
    const QJsonValue macroNames = call(macros, "macroNames");
    QJsonValue macroActions = QJsonArray();
    QJsonValue macroLoops = QStringLiteral("1");
    if (macroNames.isArray() && !macroNames.toArray().isEmpty()) {
        const QJsonObject first = call(macros, "loadMacro", macroNames.toArray().first().toVariant()).toObject();
        macroActions = first.value(QLatin1String("actions"));
        macroLoops = QString::number(first.value(QLatin1String("loops")).toInt(1));
    }
    QVariant layerModels;
    if (keys)
        layerModels = keys->property("buttons");

    return QJsonObject{
        {"language", property(root, "language")},
        {"profileNo", property(root, "profileNo")},
        {"mainTexts", property(root, "mainLang")},
        {"buttons", call(keys, "entries", 0)},
        {"gunLayers", gunLayers},
        {"buttonTexts", column(layerModels, "keyText")},
        {"gunKeys", property(keys, "gunKeyData")},
        {"gunMenuNames", property(part(root, "gunPresets"), "gunMenuNames")},
        {"xy", QJsonArray{property(xy, "xValue"), property(xy, "yValue")}},
        {"dpiValues", property(dpi, "dpiValues")},
        {"dpiSelected", property(dpi, "isSelect")},
        {"dpiColors", property(dpi, "colors")},
        {"lightEffect", property(light, "selModel")},
        {"lightLevels", levels},
        {"reportRate", property(part(root, "reprotRateMain"), "reportValue")},
        {"cursorSpeed", property(part(root, "mouseRateMain"), "value")},
        {"doubleClickSpeed", property(part(root, "doubleRateMain"), "value")},
        {"scrollLines", property(part(root, "scrollRateMain"), "lines")},
        {"macroNames", macroNames},
        {"macroActions", macroActions},
        {"macroLoops", macroLoops},
        {"dpiBalloonTexts", balloons},
    };
}

// Beside the screenshot, with the same base name and ".json".
void writeShownValues(Widget &window, const QString &screenshot)
{
    const QFileInfo info(screenshot);
    const QString path = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".json");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(shownValues(window)).toJson()) < 0
        || !file.commit())
        std::fprintf(stderr, "Could not write the shown values to %s\n", qPrintable(path));
}

void grab(Widget &window, const QString &path)
{
    const QImage image = window.host()->grabFramebuffer();
    if (image.save(path))
        std::printf("Screenshot written to %s\n", qPrintable(path));
    else
        std::fprintf(stderr, "Could not write the screenshot to %s\n", qPrintable(path));
    if (!qEnvironmentVariableIsEmpty("Q530_SCREENSHOT_VALUES"))
        writeShownValues(window, path);
    std::fflush(stdout);
    window.quitAction()->trigger();
}

} // namespace

void screenshotAndQuit(Widget &window, const QString &path)
{
    QObject::connect(&window, &Widget::uiStarted, &window, [&window, path] {
        auto *poll = new QTimer(&window);
        auto waited = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, &window, [&window, path, poll, waited] {
            *waited += kPollMs;
            if (!mainPageShown(window) && *waited < kLimitMs)
                return;
            poll->deleteLater();
            QTimer::singleShot(kSettleMs, &window, [&window, path] { grab(window, path); });
        });
        poll->start(kPollMs);
    }, Qt::SingleShotConnection);
}
