// Saving the preview's look as a style sheet and loading one into it.
#include "properties/calendarproperties.h"

#include "widgets/commondialogs.h"

#include "calendar/stylesheetfile.h"
#include "platform/datafolder.h"

#include <QDir>
#include <QFileInfo>

static CommonDialogs::FileRequest styleSheetRequest(const QString &title)
{
    CommonDialogs::FileRequest request;
    request.title = title;
    request.folder = DataFolder::path();
    request.filter = QStringLiteral("Calendar Style Sheet (*.DWS)");
    request.defaultSuffix = QStringLiteral("DWS");
    return request;
}

static bool isStyleSheetName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toUpper() == QLatin1String("DWS");
}

void TCalendarProperties::SaveAsStyleSheetButtonClick()
{
    CommonDialogs::FileRequest request = styleSheetRequest(QStringLiteral("Save As Calendar Style Sheet"));
    request.fileName = QStringLiteral("MyStyle.DWS");
    request.confirmOverwrite = true;
    const QString fileName = CommonDialogs::current().saveFileName(this, request);
    if (fileName.isEmpty())
        return;
    if (!isStyleSheetName(fileName)) {
        CommonDialogs::ShowInformation(this, QStringLiteral("Must save as a Calendar Style Sheet (*.DWS)"));
        return;
    }
    // What is saved is the edited look, applied or not.
    QString error;
    if (!StyleSheetFile::save(fileName, preview(), &error))
        CommonDialogs::current().warning(this, windowTitle(), error);
}

void TCalendarProperties::LoadStyleSheetButtonClick()
{
    const QString fileName = CommonDialogs::current().openFileName(
        this, styleSheetRequest(QStringLiteral("Open Calendar Style Sheet")));
    if (fileName.isEmpty())
        return;
    if (!isStyleSheetName(fileName)) {
        CommonDialogs::ShowInformation(this, QStringLiteral("Must be a Calendar Style Sheet (*.DWS)"));
        return;
    }
    {
        const bool wasUpdating = Updating;
        Updating = true;
        QString error;
        bool extrasRefused = false;
        if (!StyleSheetFile::load(fileName, preview(), &error, &extrasRefused))
            CommonDialogs::ShowInformation(this,
                QStringLiteral("Unable to open ") + QDir::toNativeSeparators(fileName)
                    + QStringLiteral(". Possibly \ncorrupted, possibly not a Calendar Style file"));
        else if (extrasRefused)
            CommonDialogs::current().warning(
                this, windowTitle(), StyleSheetFile::extrasRefusedMessage(fileName));
        DetermineSettings();
        Updating = wasUpdating;
    }
    LayoutListClick();
    selectBorderOfPreview();
}
