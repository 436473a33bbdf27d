#pragma once

#include <QQuickWidget>

class Hid_Thread;

// The view model and the view that shows the pages: QML reaches it as
// "ui_View". It calls QML only by queueing functions of the root object.
class myQQuickView : public QQuickWidget
{
    Q_OBJECT
public:
    explicit myQQuickView(QWidget *parent);

    void setHid(Hid_Thread *hid);
    Hid_Thread *hid() const { return m_hid; }

    void initUI();  // queues the root's "initUI"
    void runUI();   // queues the root's "run"
    void syncFW();

    // Recorded input on its way to the macro editor: "detectKeyboard" and
    // "detectMouse" of the root, queued.
    void forwardKey(uchar isDown, uchar usbCode);
    void forwardMouse(uchar isDown, uint buttonCode, uint x, uint y);

private:
    void queueRootCall(const char *function, const QVariantList &arguments = {});

    Hid_Thread *m_hid = nullptr;
};
