#include "ui_controler.h"

#include "apptitle.h"
#include "startuptrace.h"
#include "viewhost.h"
#include "viewmodel/myqquickview.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QWidget>

Ui_Controler::Ui_Controler(QWidget *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    m_window = window;
    connect(window, &QWidget::windowTitleChanged, this, &Ui_Controler::windowTitleChanged);
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setStyleSheet(QStringLiteral("background:transparent;"));

    m_view = new myQQuickView;
    m_view->setObjectName(QStringLiteral("ui_View"));
    StartupTrace::mark("view model made (settings and profiles read)");
    m_host = new ViewHost(m_view, window);
    StartupTrace::mark("view host made (QML engine)");
    // The host's child: its pages go before the view model they call.
    m_view->setParent(m_host);
    // The names the pages call C++ by, in place before the pages are made.
    QQmlContext *context = m_host->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);
    m_host->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
    StartupTrace::mark("pages loaded (QML compile)");

    window->resize(m_host->size());
    window->setWindowTitle(applicationTitle());
}

myQQuickView *Ui_Controler::view() const
{
    return m_view;
}

ViewHost *Ui_Controler::host() const
{
    return m_host;
}

QString Ui_Controler::windowTitle() const
{
    return m_window ? m_window->windowTitle() : QString();
}

void Ui_Controler::onMinimize()
{
    if (m_window)
        m_window->showMinimized();
}

void Ui_Controler::onClose()
{
    if (m_window)
        m_window->setVisible(false);
}

void Ui_Controler::onXChanged(int x)
{
    if (m_window)
        m_window->move(m_window->x() + x, m_window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (m_window)
        m_window->move(m_window->x(), m_window->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (QQuickItem *root = m_host->rootObject())
        QMetaObject::invokeMethod(root, "setProtectUI", Qt::DirectConnection, Q_ARG(QVariant, QVariant(busyTime)));
}
