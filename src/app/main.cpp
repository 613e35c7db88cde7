#include "app/calendarmain.h"
#include "app/singleinstance.h"

#include "platform/datafolder.h"
#include "recurring/recurringlistfile.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("datewright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Datewright"));
    QApplication::setApplicationVersion(QStringLiteral("3.2g"));

    QStringList files = QApplication::arguments();
    files.removeFirst();
    SingleInstance instance;
    if (!instance.start(files))
        return 0;

    QString error;
    if (!DataFolder::ensureInitialized(&error))
        QMessageBox::warning(nullptr, QStringLiteral("Datewright"), error);
    // A delivered starting list becomes the recurring-date list once, before the window shows.
    if (!RecurringListFile::convertStartingList(DataFolder::path(), &error))
        QMessageBox::warning(nullptr, QStringLiteral("Datewright"), error);

    TCalendarMain window;
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return app.exec();
}
