#include "myqquickview.h"

#include "device/hid_thread.h"

#include <QQmlError>
#include <QQuickItem>

myQQuickView::myQQuickView(QWidget *parent)
    : QQuickWidget(parent)
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
}

void myQQuickView::setHid(Hid_Thread *hid)
{
    m_hid = hid;
}

void myQQuickView::initUI()
{
    queueRootCall("initUI");
}

void myQQuickView::runUI()
{
    queueRootCall("run");
}

void myQQuickView::syncFW()
{
    // Only the 64-byte-report device keeps user pictures; the mouse has none.
    if (!m_hid || m_hid->currentDeviceIndex() != 0)
        return;
    // Copying the pictures into the current profile waits for the profile store.
}

void myQQuickView::forwardKey(uchar isDown, uchar usbCode)
{
    queueRootCall("detectKeyboard", {QVariant::fromValue(isDown), QVariant::fromValue(usbCode)});
}

void myQQuickView::forwardMouse(uchar isDown, uint buttonCode, uint x, uint y)
{
    queueRootCall("detectMouse", {QVariant::fromValue(isDown), QVariant::fromValue(buttonCode),
                                  QVariant::fromValue(x), QVariant::fromValue(y)});
}

void myQQuickView::queueRootCall(const char *function, const QVariantList &arguments)
{
    QQuickItem *root = rootObject();
    if (!root)
        return;
    QGenericArgument a[4];
    for (int i = 0; i < arguments.size() && i < 4; ++i)
        a[i] = Q_ARG(QVariant, arguments.at(i));
    QMetaObject::invokeMethod(root, function, Qt::QueuedConnection, a[0], a[1], a[2], a[3]);
}
