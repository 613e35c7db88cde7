// The document commands of the main window: new, open, save, save as,
// cancel changes, the question before changes are dropped, the recent
// files, and the picture export of the page.
#include "app/calendarmain.h"

#include "app/mrufilelist.h"
#include "base/zoom.h"
#include "calendar/calendarfile.h"
#include "document/pageexport.h"
#include "richtext/celleditbridge.h"
#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

namespace {

// Files are chosen where the current calendar lies, else among the user's
// documents (the program's own data folder is no place for them); in the
// home folder when that folder is gone or was never made, rather than
// wherever the program was started.
QString startFolder(const QString &currentFile)
{
    const QString folder = currentFile.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : QFileInfo(currentFile).absolutePath();
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

QString TCalendarMain::proposedFileName() const
{
    const CalendarPage &page = CalendarPanel->page();
    QString month;
    page.monthName(page.mainCalMonth(), month);
    return month.left(3) + QString::number(page.mainCalYear()) + QStringLiteral(".DWF");
}

bool TCalendarMain::CheckSaveNeeded()
{
    closeCellEditor();
    if (!m_document->isModified())
        return true;
    // Cancel stops the command that asked, with the changes kept.
    const QMessageBox::StandardButton answer
        = CommonDialogs::current().question(this, QStringLiteral("Save"), QStringLiteral("Save changes?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer != QMessageBox::Yes)
        return true;
    if (m_document->fileName().isEmpty() || m_openedDamaged) {
        mnuSaveAsClick();
        // Cancelling the file dialog or a failed save keeps the changes and
        // stops the command that asked.
        return !m_document->isModified();
    }
    return SaveCalendarFile(m_document->fileName());
}

void TCalendarMain::New1Click()
{
    if (!CheckSaveNeeded())
        return;
    {
        BusyCursor busy;
        closeCellEditor();
    }
    m_newCalendarPending = true;
    mnuPropertiesClick();
    if (!m_propertiesAccepted)
        return;
    SetModified(true);
    m_document->setFileName(QString());
    m_openedDamaged = false;
    CalendarPanel->page().clearAllCells();
    CalendarPanel->DeleteAllObjects();
    showPage(true);
    startHistory(false);
    SetButtons();
    SetCaption();
}

void TCalendarMain::Open1Click()
{
    closeCellEditor();
    if (!CheckSaveNeeded())
        return;
    CommonDialogs::FileRequest request;
    request.title = QStringLiteral("Open Calendar File");
    request.folder = startFolder(m_document->fileName());
    request.filter = QStringLiteral("Calendar File (*.DWF *.dwf)");
    request.defaultSuffix = QStringLiteral("DWF");
    const QString fileName = CommonDialogs::current().openFileName(this, request);
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().toUpper() != QLatin1String("DWF")) {
        CommonDialogs::ShowInformation(this, QStringLiteral("Must be a Calendar file (*.DWF)"));
        return;
    }
    OpenCalendarFile(fileName);
}

void TCalendarMain::OpenRecentFile(const QString &fileName)
{
    // Like Open: unsaved changes are offered for saving first.
    if (CheckSaveNeeded())
        OpenCalendarFile(fileName);
}

void TCalendarMain::OpenCalendarFile(const QString &fileName)
{
    CalendarPanel->setSuspendPainting(true);
    float restoreScale = CalendarPanel->scale() != 1.0f ? CalendarPanel->scale() : 0.0f;
    if (restoreScale != 0.0f && (restoreScale < 0.1f || restoreScale > 1.1f))
        restoreScale = 1.0f;
    closeCellEditor();

    // A file that is missing or cannot be read leaves the calendar on screen
    // as it was, saved or not: nothing of it is lost to a bad file.
    const bool wasShown = pageShown();
    bool opened = false;
    QString error;
    CalendarFile::ReadReport report;
    if (!QFileInfo::exists(fileName)) {
        CommonDialogs::ShowInformation(
            this, QStringLiteral("File ") + fileName + QStringLiteral(" no longer exists"));
    } else {
        BusyCursor busy;
        if (CalendarPanel->scale() != 1.0f)
            CalendarPanel->SetScale(1.0f);
        CalendarPanel->setLoading(true);
        opened = m_document->open(fileName, &error, &report);
        CalendarPanel->HookAllObjects();
        CalendarPanel->setLoading(false);
        if (opened) {
            RecentFiles->Add(fileName);
            RecentFiles->Save();
        }
    }
    if (!opened && !error.isEmpty())
        CommonDialogs::ShowInformation(this, error);

    QCoreApplication::processEvents();
    showPage(opened || wasShown);
    if (opened) {
        SetModified(false);
        startHistory(true);
        m_openedDamaged = report.damaged;
    }
    SetButtons();
    CheckFloaterStatus();
    SetCaption();
    if (restoreScale != 0.0f && restoreScale != 1.0f)
        CalendarPanel->SetScale(restoreScale);
    SetCaption();
    CalendarPanel->setSuspendPainting(false);
    CalendarPanel->update();
    // Said over the calendar as far as it could be read.
    if (opened && report.damaged)
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"),
            CalendarFile::damagedMessage(fileName, report.objectsRead)
                + QStringLiteral("\nSave proposes a new name, so the file itself stays as it is."));
    if (opened && report.extrasRefused)
        CommonDialogs::current().warning(
            this, QStringLiteral("Datewright"), CalendarFile::extrasRefusedMessage(fileName));
}

bool TCalendarMain::SaveCalendarFile(const QString &fileName)
{
    CalendarPanel->setSuspendPainting(true);
    // Files are always written at scale 1, whatever the zoom on screen.
    float restoreScale = 0.0f;
    if (CalendarPanel->scale() != 1.0f) {
        restoreScale = CalendarPanel->scale();
        CalendarPanel->SetScale(1.0f);
    }
    QString error;
    bool saved = false;
    {
        BusyCursor busy;
        closeCellEditor();
        // Whatever the history holds now goes to disk.
        if (m_recordScheduled)
            recordChange();
        saved = m_document->saveAs(fileName, &error);
    }
    if (saved) {
        SetModified(false);
        m_openedDamaged = false; // the calendar's file is now a whole one
    }
    if (restoreScale >= 0.2f && restoreScale <= 1.0f)
        CalendarPanel->SetScale(restoreScale);
    CalendarPanel->setSuspendPainting(false);
    CalendarPanel->update();
    SetButtons();
    SetCaption();
    if (!saved)
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"),
            QStringLiteral("Unable to save %1.\n%2").arg(fileName, error));
    return saved;
}

void TCalendarMain::mnuSaveClick()
{
    // Writing over a damaged file would drop for good what could not be read.
    if (m_openedDamaged) {
        mnuSaveAsClick();
        return;
    }
    if (!m_document->fileName().isEmpty())
        SaveCalendarFile(m_document->fileName());
}

void TCalendarMain::mnuSaveAsClick()
{
    CommonDialogs::FileRequest request;
    request.title = QStringLiteral("Save Calendar File");
    request.folder = startFolder(m_document->fileName());
    const QFileInfo current(m_document->fileName());
    request.fileName = m_document->fileName().isEmpty() ? proposedFileName()
        : m_openedDamaged ? current.completeBaseName() + QStringLiteral(" (repaired).dwf")
                          : current.fileName();
    request.filter = QStringLiteral("Calendar File (*.DWF *.dwf)");
    request.defaultSuffix = QStringLiteral("DWF");
    request.confirmOverwrite = true;
    const QString fileName = CommonDialogs::current().saveFileName(this, request);
    if (!fileName.isEmpty() && SaveCalendarFile(fileName)) {
        RecentFiles->Add(fileName);
        RecentFiles->Save();
    }
    SetButtons();
}

void TCalendarMain::SavebuttonClick()
{
    if (m_menus.mnuSave->isEnabled())
        mnuSaveClick();
    else
        mnuSaveAsClick();
}

void TCalendarMain::mnuCancelChangesClick()
{
    if (!CommonDialogs::ConfirmDestructive(
            this, QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL")))
        return;
    if (!m_document->fileName().isEmpty())
        OpenCalendarFile(m_document->fileName());
    QCoreApplication::processEvents();
    SetModified(false);
}

CommonDialogs::FileRequest TCalendarMain::exportRequest(
    const QString &title, const QString &extension, const QString &filter) const
{
    CommonDialogs::FileRequest request;
    request.title = title;
    request.folder = startFolder(m_document->fileName());
    request.fileName = m_document->fileName().isEmpty()
        ? proposedFileName().chopped(4) + extension
        : QFileInfo(m_document->fileName()).completeBaseName() + extension;
    request.filter = filter;
    request.defaultSuffix = extension.mid(1);
    return request;
}

void TCalendarMain::saveImageAs(bool jpeg)
{
    const CommonDialogs::FileRequest request = jpeg
        ? exportRequest(QStringLiteral("Save Calendar As Bitmap"), QStringLiteral(".JPG"),
            QStringLiteral("JPG File (*.JPG *.jpg)"))
        : exportRequest(QStringLiteral("Save Calendar As Bitmap"), QStringLiteral(".BMP"),
            QStringLiteral("Bitmap File (*.BMP *.bmp)"));
    const QString fileName = CommonDialogs::current().saveFileName(this, request);
    if (fileName.isEmpty())
        return;
    closeCellEditor();
    QString error;
    const float zoom = CalendarPanel->scale();
    const bool saved = PageExport::saveImage(PageExport::picture(*m_document, zoom), fileName,
        jpeg ? PageExport::Format::Jpeg : PageExport::Format::Bmp, &error);
    if (!saved) {
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"), error);
        return;
    }
    const int percent = Zoom(zoom).shownPercent();
    CommonDialogs::ShowInformation(this,
        QStringLiteral("Saved as ") + fileName
            + QStringLiteral("\r\rNote: the calendar has been saved at its\r"
                             "current magnification level of %1%")
                  .arg(percent));
}
