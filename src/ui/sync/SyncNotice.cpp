#include "ui/sync/SyncNotice.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#include <utility>

namespace varnelle {

namespace {

constexpr char Service[] = "org.freedesktop.Notifications";
constexpr char Path[] = "/org/freedesktop/Notifications";
constexpr char Interface[] = "org.freedesktop.Notifications";
constexpr char ShowAction[] = "summary";

} // namespace

SyncNotice::SyncNotice(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(Service, Path, Interface, "ActionInvoked", this, SLOT(actionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, "NotificationClosed", this, SLOT(closed(uint, uint)));
}

void SyncNotice::send(const QString &title, const QString &text, std::function<void()> show,
                      std::function<void()> unsent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        unsent();
        return;
    }
    QDBusMessage notify = QDBusMessage::createMethodCall(Service, Path, Interface, "Notify");
    const QString action = tr("Show Summary");
    notify << QStringLiteral("Varnelle") << mShown << QStringLiteral("org.varnelle.Varnelle") << title << text
           << QStringList{"default", action, QString::fromLatin1(ShowAction), action}
           << QVariantMap{{"desktop-entry", QStringLiteral("org.varnelle.Varnelle")}} << -1;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, show = std::move(show), unsent = std::move(unsent)](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError()) {
                    unsent();
                    return;
                }
                mShown = reply.value();
                mShow = show;
            });
}

void SyncNotice::actionInvoked(uint id, const QString &action)
{
    if (id != mShown || mShown == 0 || (action != "default" && action != ShowAction))
        return;
    mShown = 0;
    if (const std::function<void()> show = std::exchange(mShow, nullptr))
        show();
}

void SyncNotice::closed(uint id, uint reason)
{
    Q_UNUSED(reason)
    if (id == mShown) {
        mShown = 0;
        mShow = nullptr;
    }
}

} // namespace varnelle
