#include "programfollowing.h"

#include "model/programfollower.h"
#include "model/profilelistmodel.h"
#include "pagecall.h"
#include "platform/activeprogram.h"
#include "storage/programlist.h"
#include "viewhost.h"
#include "viewmodel/myqquickview.h"
#include "widget.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QQmlProperty>
#include <QQuickItem>

namespace {

// The language file's "follow" table; the page shows the entries before 11.
constexpr int kFollowTable = 7;
enum Text { TrayEntry = 11, ProfileForProgram, ProfileAlone, RunningOnly };
const char *const kEnglish[] = {
    "Follow the program in use",
    "Profile %1 for %2",
    "Profile %1",
    "This desktop does not tell which window is in front: profiles follow the programs that are running.",
};

} // namespace

ProgramFollowing::ProgramFollowing(Widget &window)
    : QObject(&window)
    , m_window(window)
{
    myQQuickView *view = window.view();
    if (view->getLang().toString() == QLatin1String("ChineseSimplified"))
        m_texts = view->getGlobalStrings(kFollowTable, QStringLiteral("lang_025044"));

    m_action = new QAction(text(TrayEntry), this);
    m_action->setObjectName(QStringLiteral("followPrograms"));
    m_action->setCheckable(true);
    m_action->setChecked(view->isFollowing());
    connect(m_action, &QAction::toggled, this, [this](bool on) {
        m_window.view()->setFollowing(on);
        setOn(on);
    });
    connect(view, &myQQuickView::enabledRequested, this, &ProgramFollowing::updateHold);
    // The page is loaded after the window; the dashboard comes later still.
    connect(window.host(), &QQuickWidget::statusChanged, this, &ProgramFollowing::watchPage);
    watchPage();
    setOn(view->isFollowing());
}

ProgramFollowing::~ProgramFollowing() = default;

QString ProgramFollowing::text(int index) const
{
    const QString own = index < m_texts.size() ? m_texts.at(index) : QString();
    return own.isEmpty() ? QString::fromUtf8(kEnglish[index - TrayEntry]) : own;
}

void ProgramFollowing::setOn(bool on)
{
    if (on == isOn())
        return;
    if (!on) {
        m_follower.reset();
        m_watcher.reset();
        return;
    }
    m_follower = std::make_unique<ProgramFollower>();
    // In this program's own window the user edits the profiles: it keeps
    // the profile it has.
    m_follower->setPassedOver({QFileInfo(QCoreApplication::applicationFilePath()).fileName()});
    connect(m_follower.get(), &ProgramFollower::switchWanted, this, &ProgramFollowing::switchTo);
    connect(m_follower.get(), &ProgramFollower::aboutToDecide, this, &ProgramFollowing::reload);
    updateHold();

    m_watcher = std::make_unique<ActiveProgram>();
    if (m_watcher->kind() == ActiveProgram::Kind::RunningPrograms) {
        connect(m_watcher.get(), &ActiveProgram::runningChanged, m_follower.get(), &ProgramFollower::runningChanged);
        if (!m_saidRunning) {
            m_saidRunning = true;
            m_window.showBalloon(QStringLiteral("Info"), text(RunningOnly));
        }
        m_follower->runningChanged(m_watcher->running());
    } else {
        connect(m_watcher.get(), &ActiveProgram::frontChanged, m_follower.get(), &ProgramFollower::frontChanged);
        m_follower->frontChanged(m_watcher->front());
    }
}

void ProgramFollowing::reload()
{
    if (!m_follower)
        return;
    myQQuickView *view = m_window.view();
    const ProfileListModel *list = view->profileList();
    QList<ProgramFollower::Entry> entries;
    for (int i = 0; i < list->count(); ++i) {
        const int profile = list->numberAt(i);
        entries.append({profile, view->programsOf(profile)});
    }
    m_follower->setProfiles(entries);
    m_follower->setFallback(view->followFallback());
}

void ProgramFollowing::watchPage()
{
    QQuickItem *root = m_window.host()->rootObject();
    if (m_dashboard || !root)
        return;
    const QQmlProperty dashboard(root, QStringLiteral("dashboard"));
    m_dashboard = qvariant_cast<QObject *>(dashboard.read());
    if (!m_dashboard) {
        if (!m_waitingForDashboard)
            m_waitingForDashboard = dashboard.connectNotifySignal(this, SLOT(watchPage()));
        return;
    }
    // A dialog or pop-up of the page holds the follower; so does a page
    // locked while it sends.
    QQmlProperty(m_dashboard, QStringLiteral("holdsFollowing")).connectNotifySignal(this, SLOT(updateHold()));
    QQmlProperty(m_dashboard, QStringLiteral("profileNo")).connectNotifySignal(this, SLOT(updateHold()));
    updateHold();
}

void ProgramFollowing::updateHold()
{
    if (!m_follower)
        return;
    const bool pageFree = m_dashboard && !m_dashboard->property("holdsFollowing").toBool()
                          && m_window.view()->isEnabled();
    m_follower->setHeld(!pageFree);
    if (m_dashboard)
        m_follower->setCurrentProfile(m_dashboard->property("profileNo").toInt());
}

void ProgramFollowing::switchTo(int profile, const QString &program)
{
    if (!m_dashboard)
        return;
    callPageFunction(m_dashboard, "changeProfile", {profile});
    callPageFunction(m_dashboard, "profileDialogClosed");
    m_follower->setCurrentProfile(m_dashboard->property("profileNo").toInt());

    const ProfileListModel *list = m_window.view()->profileList();
    QString name = list->nameAt(list->indexOfNumber(profile));
    if (name.isEmpty())
        name = QString::number(profile + 1);
    m_window.showBalloon(QStringLiteral("Info"), program.isEmpty() ? text(ProfileAlone).arg(name)
                                                                   : text(ProfileForProgram).arg(name, program));
}
