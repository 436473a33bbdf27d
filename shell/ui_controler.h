#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class ViewHost;
class myQQuickView;

// The window controller, "ui_Ctl" in QML: builds the frameless, translucent
// window around the view and moves, minimises, hides and locks it on the
// page's behalf.
class Ui_Controler : public QObject
{
    Q_OBJECT
    // The frameless window draws its own title bar.
    Q_PROPERTY(QString windowTitle READ windowTitle NOTIFY windowTitleChanged)
public:
    // Sets up `window` and fills it with a view host showing the pages of a
    // new view model; the window owns the host, the host the view model.
    explicit Ui_Controler(QWidget *window);

    myQQuickView *view() const;
    ViewHost *host() const;
    QString windowTitle() const;

public slots:
    void onMinimize();
    void onClose();               // hides; the program stays in the tray
    void onXChanged(int x);       // x and y are deltas in pixels
    void onYChanged(int y);
    void setBusy(int busyTime = 0); // locks the page for busyTime ms; 0 unlocks

signals:
    void windowTitleChanged();

private:
    QPointer<QWidget> m_window;
    QPointer<myQQuickView> m_view;
    QPointer<ViewHost> m_host;
};
