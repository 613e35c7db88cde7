#include "app/calendarmain.h"
#include "app/singleinstance.h"

#include "base/programversion.h"
#include "objects/placedobjectclasses.h"
#include "platform/datafolder.h"
#include "surface/surfaceclipboard.h"
#include "widgets/pictures.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("datewright"));
    // No display name: the platform would append it to every window title,
    // and the main window's caption already begins with the program's name.
    QApplication::setApplicationVersion(QStringLiteral(DATEWRIGHT_VERSION));
    // Every window, dialogs included, shows the program's icon; the desktop
    // entry's name lets Wayland compositors find the same one.
    QApplication::setWindowIcon(Pictures::applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("datewright"));

    // Calendar files hold placed objects by class name; the reader must know them.
    registerPlacedObjectClasses();

    QStringList files = QApplication::arguments().mid(1);
    for (QString &file : files)
        file = QFileInfo(file).absoluteFilePath();
    SingleInstance instance;
    if (!instance.start(files))
        return 0;

    QString error;
    if (!DataFolder::ensureInitialized(&error))
        QMessageBox::warning(nullptr, QStringLiteral("Datewright"), error);

    TCalendarMain window;
    if (!files.isEmpty())
        window.setStartupFile(files.first());
    QObject::connect(
        &instance, &SingleInstance::activationRequested, &window, &TCalendarMain::activateFromOtherStart);
    window.show();
    const int status = app.exec();
    // Objects copied in this run are not offered to the next one.
    QFile::remove(SurfaceClipboard::fileName());
    return status;
}
