// Every method and property the pages use on ui_View exists on the view
// model and is reachable from QML: a renamed or removed one would only show
// up as a silent failure in a page. The uses are read from the pages themselves.

#include "viewmodel/myqquickview.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class QmlSurfaceTest : public QObject
{
    Q_OBJECT

private slots:
    void everyPageCallIsInvokable();
};

void QmlSurfaceTest::everyPageCallIsInvokable()
{
    QSet<QString> invokable;
    const QMetaObject &meta = myQQuickView::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.access() == QMetaMethod::Public && method.methodType() != QMetaMethod::Signal)
            invokable.insert(QString::fromLatin1(method.name()));
    }
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        invokable.insert(QString::fromLatin1(meta.property(i).name()));

    const QRegularExpression call(QStringLiteral("\\bui_View\\.(\\w+)"));
    QSet<QString> called;
    QStringList missing;
    QDirIterator pages(QStringLiteral(":/modules/qml"), {QStringLiteral("*.qml"), QStringLiteral("*.js")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString path = pages.next();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &m : call.globalMatch(text)) {
            called.insert(m.captured(1));
            if (!invokable.contains(m.captured(1)))
                missing.append(QFileInfo(path).fileName() + u':' + m.captured(1));
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    // The pages were found and read: they use the view model for nearly everything.
    QVERIFY2(called.size() > 40, qPrintable(QString::number(called.size())));
}

QTEST_GUILESS_MAIN(QmlSurfaceTest)
#include "tst_qmlsurface.moc"
