#include "viewhost.h"

#include "startuptrace.h"

#include "viewmodel/myqquickview.h"

#include <QFileDialog>
#include <QFocusEvent>
#include <QMessageBox>
#include <QQmlError>
#include <QQuickItem>

ViewHost::ViewHost(myQQuickView *view, QWidget *parent)
    : QQuickWidget(parent)
    , m_view(view)
{
    setResizeMode(QQuickWidget::SizeViewToRootObject);
    // The window is translucent; the page draws its own rounded panel.
    setClearColor(Qt::transparent);
    setAttribute(Qt::WA_AlwaysStackOnTop);
    connect(this, &QQuickWidget::statusChanged, this, [this](QQuickWidget::Status status) {
        if (status != QQuickWidget::Error)
            return;
        for (const QQmlError &error : errors())
            qWarning().noquote() << error.toString();
    });
    connect(view, &myQQuickView::rootCallRequested, this, &ViewHost::callRoot);
    connect(view, &myQQuickView::enabledRequested, this, &QWidget::setEnabled);
    view->setFileChooser([this](bool save, const QString &caption, const QString &filter, const QString &folder) {
        return save ? QFileDialog::getSaveFileName(this, caption, folder, filter)
                    : QFileDialog::getOpenFileName(this, caption, folder, filter);
    });
    view->setShownQuery([this] { return isVisible(); });
    view->setMessageBox([](bool question, const QString &title, const QString &text) {
        if (!question) {
            QMessageBox::warning(nullptr, title, text, QMessageBox::Ok);
            return false;
        }
        return QMessageBox::warning(nullptr, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
            == QMessageBox::Ok;
    });
}

myQQuickView *ViewHost::viewModel() const
{
    return m_view;
}

// A view model that outlives its host no longer asks it anything.
ViewHost::~ViewHost()
{
    if (!m_view)
        return;
    m_view->setFileChooser({});
    m_view->setMessageBox({});
    m_view->setShownQuery({});
}

void ViewHost::paintEvent(QPaintEvent *event)
{
    QQuickWidget::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    StartupTrace::markFirstFrame();
    QMetaObject::invokeMethod(this, &ViewHost::firstFramePainted, Qt::QueuedConnection);
}

void ViewHost::focusInEvent(QFocusEvent *event)
{
    repaint();
    event->accept();
}

// Queued, as the page's own handlers may be what asked.
void ViewHost::callRoot(const QString &function, const QVariantList &arguments)
{
    QQuickItem *root = rootObject();
    if (!root)
        return;
    QGenericArgument a[5];
    for (int i = 0; i < arguments.size() && i < 5; ++i)
        a[i] = Q_ARG(QVariant, arguments.at(i));
    QMetaObject::invokeMethod(root, function.toLatin1().constData(), Qt::QueuedConnection, a[0], a[1], a[2], a[3],
                              a[4]);
}
