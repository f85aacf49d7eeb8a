#include "app/BookWindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <utility>

namespace varnelle {

namespace {

// How long a start waits for the window of its book: to connect, and for the
// answer of a window busy with something that does not let it read.
constexpr int HandOverMs = 5000;
constexpr int AnswerMs = 30000;
// A request is a line of a few file names; a longer one is no start's.
constexpr qint64 MaxRequest = 4 * 1024 * 1024;

QByteArray encoded(const WindowRequest &request)
{
    QJsonObject object;
    object["files"] = QJsonArray::fromStringList(request.files);
    object["edit"] = request.editContact;
    object["search"] = request.searchText;
    object["token"] = request.activationToken;
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

WindowRequest decoded(const QByteArray &bytes)
{
    WindowRequest request;
    const QJsonObject object = QJsonDocument::fromJson(bytes.trimmed()).object();
    for (const QJsonValue &file : object["files"].toArray())
        if (file.isString() && QFileInfo(file.toString()).isAbsolute())
            request.files << file.toString();
    request.editContact = object["edit"].toInt();
    request.searchText = object["search"].toString();
    request.activationToken = object["token"].toString();
    return request;
}

} // namespace

BookWindow::BookWindow(const QString &bookFile, QObject *parent)
    : QObject(parent), mName(SocketName(bookFile))
{
}

BookWindow::~BookWindow() = default;

QString BookWindow::SocketName(const QString &bookFile)
{
    // The book may not exist yet at the first start: its folder is resolved then.
    const QFileInfo book(bookFile);
    const QString canonical = book.exists() ? book.canonicalFilePath()
                                            : QDir(book.absolutePath()).canonicalPath() + u'/' + book.fileName();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath("varnelle-" + QString::fromLatin1(hash));
}

bool BookWindow::handOver(const WindowRequest &request) const
{
    QLocalSocket socket;
    socket.connectToServer(mName);
    if (!socket.waitForConnected(HandOverMs))
        return false;
    socket.write(encoded(request));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(HandOverMs))
            return false;
    // The window answers once it has read the request. The request stays in
    // the socket for a window that answers later: it is the window's all the
    // same, and a second window must not take the book's socket from it.
    while (!socket.canReadLine() && socket.waitForReadyRead(AnswerMs)) {
    }
    return true;
}

bool BookWindow::handOverOrListen(const WindowRequest &request)
{
    if (handOver(request))
        return true;
    // Only one start at a time decides; the other finds the window listening.
    QLockFile decision(mName + ".lock");
    decision.tryLock(HandOverMs);
    if (handOver(request))
        return true;
    QLocalServer::removeServer(mName); // left by a start that ended without closing it
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(mServer, &QLocalServer::newConnection, this, &BookWindow::accept);
    // Without the socket the window opens all the same; it is only not found by later starts.
    mServer->listen(mName);
    return false;
}

void BookWindow::serve()
{
    mServing = true;
    for (const WindowRequest &request : std::exchange(mWaiting, {}))
        emit requested(request);
}

void BookWindow::accept()
{
    while (QLocalSocket *socket = mServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxRequest)
                    socket->abort();
                return;
            }
            const WindowRequest request = decoded(socket->readLine());
            socket->write("ok\n");
            socket->disconnectFromServer();
            if (mServing)
                emit requested(request);
            else
                mWaiting << request;
        });
    }
}

} // namespace varnelle
