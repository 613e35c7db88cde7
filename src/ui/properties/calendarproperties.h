#pragma once

#include "base/color.h"
#include "calendar/calendartypes.h"

#include <QDialog>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

struct CalendarFont;
class CalendarPage;
class IniFile;
class QAbstractButton;
class QButtonGroup;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TCalendarPanel32;
class ColorButton;
class PreviewArea;

// Edits every attribute of a calendar page at once on a live preview page
// of its own. The page handed in is touched only by applyToPage(), after
// the dialog ended with OK.
class TCalendarProperties : public QDialog
{
    Q_OBJECT

public:
    // Copies the page's attributes into the preview and, as the page tells,
    // sets OpeningLayoutKind and WarnOnLayoutKindChange (day cells with
    // contents). WarnOnGeometryChange stays for the caller, who knows about
    // placed items.
    explicit TCalendarProperties(CalendarPage &page, QWidget *parent = nullptr);

    // Inputs, set before the dialog is shown.
    bool ResetToDefaults = false;
    bool WarnOnLayoutKindChange = false;
    int OpeningLayoutKind = 1;
    bool WarnOnGeometryChange = false;

    // Where the window's place is kept between showings (DW.ini); without
    // one the dialog keeps no place.
    void setPlacementFile(IniFile *ini) { m_placementIni = ini; }

    [[nodiscard]] TCalendarPanel32 *ExampleCalendar() const { return m_example; }
    [[nodiscard]] CalendarPage &preview() const;
    [[nodiscard]] float previewScale() const;
    void setPreviewScale(float scale);

    // After OK: copies the preview's attributes onto the page with the
    // page's rules (all cells cleared when the layout kind changes, or when
    // the month or year changes on a page showing day cells). True when the
    // attributes differed, that is when the document is now modified.
    bool applyToPage(bool pageShown = true);

    [[nodiscard]] bool updating() const { return Updating; }
    [[nodiscard]] bool startingDateMode() const { return StartingDateMode; }
    // The help topic of the page shown.
    [[nodiscard]] int helpContext() const;

    // Controls, named as the rest of the program knows them.
    QListWidget *TabSet1 = nullptr; // the tab strip, one page per row
    QStackedWidget *Notebook = nullptr;
    QListWidget *LayoutList = nullptr;
    QGroupBox *rOrientation = nullptr;
    QGroupBox *PaperSize = nullptr;
    QLabel *SelectMonthYearLabel = nullptr;
    QCalendarWidget *Calendar = nullptr;
    QLabel *DateLabel = nullptr;
    QGroupBox *WeekStartsOn = nullptr;
    QPushButton *TitleFontbutton = nullptr;
    QPushButton *HeaderFontButton = nullptr;
    QPushButton *NumberFontButton = nullptr;
    ColorButton *TitleBGColor = nullptr;
    ColorButton *HeaderBGColor = nullptr;
    QCheckBox *TitleShowYearCheck = nullptr;
    QPushButton *Minititlefontbutton = nullptr;
    QPushButton *MiniHeaderFontButton = nullptr;
    QPushButton *MiniCellFontButton = nullptr;
    ColorButton *MiniHeadersBGColorButton = nullptr;
    ColorButton *MiniCalBGColorButton = nullptr;
    QCheckBox *MiniShowYearCheck = nullptr;
    QComboBox *CalHeaderStyleCombo = nullptr;
    QComboBox *MiniHeadersStyleCombo = nullptr;
    QComboBox *CalendarLineLayoutCombo = nullptr;
    QComboBox *MiniCalendarLineLayoutCombo = nullptr;
    QPushButton *StartingtimeButton = nullptr;
    QLabel *TimeLabel = nullptr;
    QPlainTextEdit *MonthNames = nullptr;
    QPlainTextEdit *DayNames = nullptr;
    QRadioButton *useInches = nullptr;
    QRadioButton *useMM = nullptr;
    QComboBox *LeftMarginInchcombo = nullptr;
    QComboBox *TopMarginInchcombo = nullptr;
    QComboBox *RightMarginInchcombo = nullptr;
    QComboBox *BottomMarginInchcombo = nullptr;
    QListWidget *BorderFiles = nullptr;
    QLabel *ZoomLabel = nullptr;
    QPushButton *ZoomOutbutton = nullptr;
    QPushButton *ZoomInButton = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *HelpButton = nullptr;
    QPushButton *DefaultButton = nullptr;
    QPushButton *SaveAsStyleSheetButton = nullptr;
    QPushButton *LoadStyleSheetButton = nullptr;
    // The Extras page.
    QCheckBox *WeekNumbersCheck = nullptr;
    QCheckBox *ShadeWeekendsCheck = nullptr;
    QCheckBox *NeighbourDaysCheck = nullptr;
    QCheckBox *MoonPhasesCheck = nullptr;
    ColorButton *ShadeColorButton = nullptr;

    // The radio buttons of the three two-way groups, by item index.
    [[nodiscard]] QRadioButton *orientationButton(int index) const { return m_orientation[index]; }
    [[nodiscard]] QRadioButton *paperButton(int index) const { return m_paper[index]; }
    [[nodiscard]] QRadioButton *weekStartButton(int index) const { return m_weekStart[index]; }
    [[nodiscard]] QPushButton *languageButton(int index) const { return m_languageButtons[index]; }

signals:
    // The Help button: the caller opens the help at this topic.
    void helpRequested(int context);

public slots:
    void TabSet1Click();
    void LayoutListClick();
    void CalendarChange();
    void MonthNamesExit();
    void DayNamesExit();
    void UseInchesClick();
    void BorderFilesClick();
    void StartingtimeButtonClick();
    void ZoomOutbuttonClick();
    void ZoomInButtonClick();
    void DefaultbuttonClick();
    void SaveAsStyleSheetButtonClick();
    void LoadStyleSheetButtonClick();
    void OkButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Geometry
    {
        float margins[4] = {};
        QString borderFile;
        int layout = 0;
        int paperSize = 0;
        int orientation = 0;
    };

    // Building the window (calendarproperties_pages.cpp).
    void createPages();
    QWidget *createLayoutPage();
    QWidget *createDatePage();
    QWidget *createFontsPage();
    QWidget *createMiniFontsPage();
    QWidget *createHeadersPage();
    QWidget *createLinesPage();
    QWidget *createPlannersPage();
    QWidget *createLanguagePage();
    QWidget *createMarginsPage();
    QWidget *createBordersPage();
    QWidget *createExtrasPage(); // calendarproperties_extras.cpp
    void showExtras();
    void extrasChanged();
    QWidget *createPreviewPane();
    QWidget *createButtonRow();
    QGroupBox *createChoiceGroup(
        const QString &title, const QStringList &items, std::array<QRadioButton *, 2> &buttons);
    QPushButton *createFontButton(const QString &text, const CalendarFont &(CalendarPage::*get)() const,
        void (CalendarPage::*set)(const CalendarFont &));
    ColorButton *createColorButton(const QString &text, void (CalendarPage::*set)(TColor));
    QComboBox *createEnumCombo(const QStringList &items, const std::function<void(CalendarPage &, int)> &set);
    QComboBox *createMarginCombo(void (CalendarPage::*set)(float));

    // Filling and enabling (calendarproperties.cpp).
    void FormActivate();
    void FillBorderList();
    void DetermineSettings();
    void SetButtons();
    void SetMarginComboxFromValues();
    void selectBorderOfPreview();
    [[nodiscard]] Geometry captureGeometry() const;
    [[nodiscard]] bool geometryChanged() const;
    void showZoom();
    // The zoom at which the whole page shows in the preview's room.
    void fitPreview();
    // The first size: room for the page at a good size, within the screen.
    void sizeForPreview();
    void moveCalendar(int months);

    // Handlers (calendarproperties_handlers.cpp).
    void chooseFont(
        const CalendarFont &(CalendarPage::*get)() const, void (CalendarPage::*set)(const CalendarFont &));
    void applyLanguage(int language);
    void applyNames(QPlainTextEdit *box, int count, void (CalendarPage::*set)(int, const QString &));
    void fillNameBoxes();

    CalendarPage &m_page;
    IniFile *m_placementIni = nullptr;
    TCalendarPanel32 *m_example = nullptr;
    PreviewArea *m_previewArea = nullptr;
    QSize m_fittedPage; // the page size at 100% the preview was last fitted for
    bool Updating = true;
    bool StartingDateMode = false;
    bool m_activated = false;
    Geometry m_opening;
    std::array<QRadioButton *, 2> m_orientation {};
    std::array<QRadioButton *, 2> m_paper {};
    std::array<QRadioButton *, 2> m_weekStart {};
    std::array<QPushButton *, 5> m_languageButtons {};
};
