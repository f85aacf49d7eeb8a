#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace varnelle {

// What a start asks of the window on its book: files to import, a contact
// to edit, words to search for.
struct WindowRequest {
    QStringList files; // absolute
    qint32 editContact = 0; // none
    QString searchText; // none when empty
    // What lets the window come to the front on Wayland: the activation
    // token the desktop gave the start (XDG_ACTIVATION_TOKEN).
    QString activationToken;
};

// One window per book. The first start on a book listens on a local socket
// named after a hash of the book's path (in the user's runtime folder); a
// later start on the same book hands its request to it and ends. Two starts
// at once decide under a lock file which of them listens, and a socket left
// by a start that ended without closing it is taken over.
class BookWindow : public QObject {
    Q_OBJECT
public:
    explicit BookWindow(const QString &bookFile, QObject *parent = nullptr);
    ~BookWindow() override;

    // Hands request to the window already open on the book and returns true;
    // otherwise listens for later starts (requested) and returns false.
    bool handOverOrListen(const WindowRequest &request);

    // The socket of the book: the same for every path of the same file
    // (symbolic links resolved).
    static QString SocketName(const QString &bookFile);

    // Starts handing the requests to requested, first those that came while
    // the window was not yet loaded.
    void serve();

signals:
    // A later start on the book asked for this.
    void requested(const WindowRequest &request);

private:
    bool handOver(const WindowRequest &request) const;
    void accept();

    QString mName;
    QLocalServer *mServer = nullptr;
    bool mServing = false;
    QList<WindowRequest> mWaiting;
};

} // namespace varnelle
