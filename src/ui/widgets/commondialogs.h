#pragma once

#include "base/calendarfont.h"

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

// Every message box and common dialog of the program goes through here, so
// that tests can answer them without a user. Code asks the installed
// implementation:
//
//     if (CommonDialogs::AskYesNo(this, text, QStringLiteral("WARNING"))) ...
//     const QString name = CommonDialogs::current().saveFileName(this, request);
//
// A test derives from CommonDialogs, overrides the calls it expects, and
// installs it with a CommonDialogs::Override for the length of the test.
class CommonDialogs
{
public:
    // What a file dialog is asked for; empty fields keep Qt's defaults.
    struct FileRequest
    {
        QString title;
        QString folder;
        QString fileName;
        QString filter; // in Qt's form: "Calendar Style Sheet (*.DWS)"
        QString selectedFilter; // one of the filter's entries, chosen at first
        QString defaultSuffix;
        bool confirmOverwrite = true; // save dialogs only
    };

    virtual ~CommonDialogs() = default;

    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    virtual void information(QWidget *parent, const QString &title, const QString &text);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);

    // Empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const FileRequest &request);
    virtual QString saveFileName(QWidget *parent, const FileRequest &request);

    // Which faces a font dialog lists: outline text needs scalable ones.
    enum class FontFaces { Any, Scalable };

    // True when the user accepts; the font (and the colour, when one is
    // given) is changed only then. With a colour the dialog offers it too.
    virtual bool chooseFont(
        QWidget *parent, QFont &font, QColor *color = nullptr, FontFaces faces = FontFaces::Any);
    virtual bool chooseColor(QWidget *parent, QColor &color);
    // One of several choices; true, with index set, when the user accepts.
    virtual bool chooseItem(
        QWidget *parent, const QString &title, const QString &label, const QStringList &items, int &index);
    // The system's print and page setup dialogs on the printer kept for the
    // run; true when the user accepts, the printer then holding the choice.
    virtual bool print(QWidget *parent, QPrinter &printer);
    virtual bool pageSetup(QWidget *parent, QPrinter &printer);
    // A question answered by one of several named buttons: the index of the
    // one pressed, -1 when the box was closed without one.
    virtual int choose(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
        int defaultIndex);
    // An information box with a "Do not show this again" check box; true
    // when the user ticked it.
    virtual bool informationWithOptOut(QWidget *parent, const QString &title, const QString &text);

    // The implementation in use: the real dialogs unless one is installed.
    static CommonDialogs &current();

    // Installs an implementation while it lives; the previous one returns
    // when it goes out of scope.
    class Override
    {
    public:
        explicit Override(CommonDialogs &dialogs);
        ~Override();
        Override(const Override &) = delete;
        Override &operator=(const Override &) = delete;

    private:
        CommonDialogs *m_previous;
        // Colour buttons ask the installed dialogs through this while it lives.
        bool (*m_previousChooser)(QWidget *, QColor &);
    };

    // The program's two shared message boxes: caption "Information" with
    // one OK button, and a Yes/No question that consents only on Yes.
    static void ShowInformation(QWidget *parent, const QString &text);
    static bool AskYesNo(QWidget *parent, const QString &text, const QString &caption);
    // The same question before a step that throws work away: No is the
    // default, so Enter never destroys anything.
    static bool ConfirmDestructive(QWidget *parent, const QString &text, const QString &caption);
    // The font dialog for a calendar font (face, size in points, styles and
    // colour). True, with the font changed, when the user accepts; a system
    // colour stays one unless the user picked another colour.
    static bool chooseCalendarFont(QWidget *parent, CalendarFont &font, FontFaces faces = FontFaces::Any);

private:
    static CommonDialogs *s_installed;
};
