// Saving the preview's look as a style sheet and loading one into it.
#include "properties/calendarproperties.h"

#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"

#include "calendar/stylesheetfile.h"
#include "document/calendardocument.h"
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

void TCalendarProperties::SaveAsStyleSheetButtonClick()
{
    CommonDialogs::FileRequest request = styleSheetRequest(QStringLiteral("Save As Calendar Style Sheet"));
    request.fileName = QStringLiteral("MyStyle.DWS");
    request.confirmOverwrite = true;
    const QString fileName = CommonDialogs::current().saveFileName(this, request);
    if (fileName.isEmpty())
        return;
    if (!CalendarDocument::isStyleSheetName(fileName)) {
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
    if (!CalendarDocument::isStyleSheetName(fileName)) {
        CommonDialogs::ShowInformation(this, QStringLiteral("Must be a Calendar Style Sheet (*.DWS)"));
        return;
    }
    {
        const bool wasUpdating = Updating;
        Updating = true;
        QString error;
        CalendarFile::ReadReport report;
        if (!m_example->document().applyStyleSheet(fileName, &error, &report))
            CommonDialogs::ShowInformation(this, error);
        else if (report.extrasRefused)
            CommonDialogs::current().warning(
                this, windowTitle(), StyleSheetFile::extrasRefusedMessage(fileName));
        DetermineSettings();
        Updating = wasUpdating;
    }
    LayoutListClick();
    selectBorderOfPreview();
}
