#include "app/singleinstance.h"

#include "platform/datafolder.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kTimeoutMs = 2000;

} // namespace

SingleInstance::SingleInstance(QString key, QObject *parent)
    : QObject(parent)
    , m_key(std::move(key))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    const QByteArray folder = DataFolder::path().toUtf8();
    return QStringLiteral("datewright-")
        + QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::start(const QStringList &files)
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (socket.waitForConnected(kTimeoutMs)) {
        QByteArray message;
        QDataStream stream(&message, QIODevice::WriteOnly);
        stream << files;
        socket.write(message);
        socket.waitForBytesWritten(kTimeoutMs);
        socket.disconnectFromServer();
        return false;
    }

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // A socket left behind by a copy that crashed.
        QLocalServer::removeServer(m_key);
        m_server->listen(m_key);
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readConnection);
    return true;
}

void SingleInstance::readConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readMessage = [this, socket] {
            QDataStream stream(socket);
            stream.startTransaction();
            QStringList files;
            stream >> files;
            if (stream.commitTransaction())
                emit activationRequested(files);
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        if (socket->bytesAvailable() > 0)
            readMessage();
    }
}
