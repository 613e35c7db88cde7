#include "app/calendarmain.h"

#include "platform/datafolder.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("datewright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Datewright"));
    QApplication::setApplicationVersion(QStringLiteral("3.2g"));

    QString error;
    if (!DataFolder::ensureInitialized(&error))
        QMessageBox::warning(nullptr, QStringLiteral("Datewright"), error);

    TCalendarMain window;
    window.show();
    return app.exec();
}
