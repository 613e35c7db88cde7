#include "app/calendarmain.h"

#include "app/configurationinfo.h"
#include "icons/floatingpalette.h"
#include "icons/iconlistbox.h"
#include "richtext/celleditbridge.h"
#include "widgets/commondialogs.h"
#include "widgets/helpviewer.h"

#include "base/programversion.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

const QString kWebsite = QStringLiteral("https://datewright.org/");

} // namespace

void TCalendarMain::VisitOurInternetW1Click()
{
    QDesktopServices::openUrl(QUrl(kWebsite));
}

void TCalendarMain::Contents1Click()
{
    HelpViewer::ShowHelpContents();
}

void TCalendarMain::ConfigurationInformation1Click()
{
    // The preferences as they are now, not as last saved.
    Preferences shown = m_preferences;
    shown.defaultEditorFont = m_cellEditing->defaultFont();
    shown.iconToolWanted = m_iconToolWanted;
    shown.iconFileName = IconTool->IconListBox->FileName();
    shown.hintsOn = m_menus.mnuShowHint->isChecked();
    TConfigurationInfo dialog(ConfigurationReport::lines(currentConfiguration(this, shown)), this);
    dialog.exec();
}

void TCalendarMain::About1Click()
{
    CommonDialogs::current().information(this, QStringLiteral("About Datewright"),
        QStringLiteral("Datewright\nVersion " DATEWRIGHT_VERSION "\n\nDesign and print calendar pages.\n\n"
                       "Holiday calendars from date-holidays (https://github.com/commenthol/date-holidays), "
                       "data licensed CC BY 3.0, code ISC."));
}
