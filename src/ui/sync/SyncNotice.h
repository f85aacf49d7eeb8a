#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace varnelle {

// A desktop notification (org.freedesktop.Notifications on the session bus)
// that a sync needs the user's eye, with an action that shows its summary.
// One at a time: a later notice replaces the one still shown.
class SyncNotice : public QObject {
    Q_OBJECT
public:
    explicit SyncNotice(QObject *parent = nullptr);

    // Sends the notice; `show` is called when its action is chosen. When no
    // notification server answers, `unsent` is called instead (at once, or
    // once the bus has answered).
    void send(const QString &title, const QString &text, std::function<void()> show, std::function<void()> unsent);

private slots:
    void actionInvoked(uint id, const QString &action);
    void closed(uint id, uint reason);

private:
    uint mShown = 0; // the notice on the screen; 0 when none
    std::function<void()> mShow;
};

} // namespace varnelle
