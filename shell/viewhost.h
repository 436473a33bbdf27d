#pragma once

#include <QPointer>
#include <QQuickWidget>

class myQQuickView;

// Shows the pages for a view model: loads them, reports a page that fails to
// load, calls the page's root functions the view model asks for, blocks input
// when the page asks, and answers the view model's file dialogs and boxes
// with the system's own.
class ViewHost : public QQuickWidget
{
    Q_OBJECT
public:
    // `view` is not owned and must outlive the host.
    explicit ViewHost(myQQuickView *view, QWidget *parent = nullptr);
    ~ViewHost() override;

    myQQuickView *viewModel() const;

signals:
    // Queued after the first paint, so it comes once that frame is on its
    // way to the screen: work that can wait goes there.
    void firstFramePainted();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void callRoot(const QString &function, const QVariantList &arguments);

    QPointer<myQQuickView> m_view;
    bool m_painted = false;
};
