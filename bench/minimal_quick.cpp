// The floor for bench/startup.sh: the same kind of window the program opens
// (a frameless, translucent QWidget holding a QQuickWidget) showing one
// 1000 x 640 rectangle, and nothing else.

#include <QApplication>
#include <QQuickWidget>
#include <QUrl>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground);

    auto *view = new QQuickWidget(&window);
    view->setResizeMode(QQuickWidget::SizeViewToRootObject);
    view->setClearColor(Qt::transparent);
    view->setAttribute(Qt::WA_AlwaysStackOnTop);
    view->setSource(QUrl(QStringLiteral("qrc:/bench/minimal_quick.qml")));
    window.resize(view->size());

    window.show();
    return app.exec();
}
