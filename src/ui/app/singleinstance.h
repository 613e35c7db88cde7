#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// Keeps one copy of the program per user and data folder. The first copy
// listens on a local socket; a later copy hands it the files named on its
// command line, asks it to come to the front, and exits.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The key names the socket; by default it is derived from the user's
    // data folder, so separate data folders run separately.
    explicit SingleInstance(QString key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy (it then listens); false after the
    // files were passed to the running copy.
    bool start(const QStringList &files);

    [[nodiscard]] static QString defaultKey();

signals:
    // The running copy was started again, with these files (may be none).
    void activationRequested(const QStringList &files);

private:
    void readConnection();

    QString m_key;
    QLocalServer *m_server = nullptr;
};
