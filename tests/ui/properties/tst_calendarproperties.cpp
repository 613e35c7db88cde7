// The calendar properties dialog on a real preview page: filling the
// controls without echo, enabling by layout, dates, margins, names, zoom,
// the two OK warnings and applying the result to the page.
#include "calendar/calendarpage.h"
#include "platform/datafolder.h"
#include "platform/inifile.h"
#include "platform/windowplacement.h"
#include "properties/calendarproperties.h"
#include "properties/settimedialog.h"
#include "scripteddialogs.h"
#include "surface/calendarpanel32.h"
#include "surface/surfaceclipboard.h"
#include "testfiles.h"
#include "widgets/colorbutton.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestCalendarProperties : public QObject
{
    Q_OBJECT

private slots:
    void tabsAndHelpContexts();
    void keyboardSwitchesPages();
    void openingAndOkChangeNothing();
    void resetToDefaultsOnFirstShow();
    void layoutListMapsToLayouts_data();
    void layoutListMapsToLayouts();
    void twoWeekPlannerDisablesMonthControls();
    void startingTimeButtonOnlyForDayPlanners_data();
    void startingTimeButtonOnlyForDayPlanners();
    void dateButtonsMoveThePreview();
    void marginShowsAsStep_data();
    void marginShowsAsStep();
    void unitsSwitchKeepsSteps();
    void marginListSetsItsMargin();
    void monthNamesFromTheBox_data();
    void monthNamesFromTheBox();
    void languageButtons();
    void fontButtonAppliesOnlyAccepted();
    void colorAndStyleControlsSetThePreview();
    void extrasPageShowsInThePreviewAndApplies();
    void startingTimeThroughTheTimeDialog();
    void zoomSteps();
    void defaultButtonResetsThePreview();
    void layoutKindWarning();
    void geometryWarning_data();
    void geometryWarning();
    void applyClearsCellsByThePagesRules_data();
    void applyClearsCellsByThePagesRules();
    void placementKeptInTheIniFile();
    void missingBordersFolderDisablesTheList();
    void previewIsOnlyLookedAt();
};

namespace {

struct OpenDialog
{
    explicit OpenDialog(CalendarPage &page, bool show = true)
        : dialog(page)
    {
        if (show)
            dialog.show();
    }
    ~OpenDialog() { dialog.hide(); }
    TCalendarProperties dialog;
};

CalendarPage *newPage(int layout = loFullCalendar)
{
    auto *page = new CalendarPage;
    page->setCalendarLayout(layout);
    page->setMainCalYear(2026);
    page->setMainCalMonth(3);
    page->setMainCalDay(14);
    return page;
}

} // namespace

void TestCalendarProperties::tabsAndHelpContexts()
{
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    const QStringList texts = { "Layout", "Date", "Fonts, Colors", "Mini Fonts, Colors", "Headers", "Lines",
        "Planners", "Language", "Margins", "Borders", "Extras" };
    const int contexts[] = { 2100, 2101, 2102, 2103, 2104, 2105, 2106, 2107, 2108, 3109, 2110 };
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Calendar Properties"));
    QCOMPARE(dialog.TabSet1->count(), 11);
    QCOMPARE(dialog.Notebook->count(), 11);
    QSignalSpy help(&dialog, &TCalendarProperties::helpRequested);
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(dialog.TabSet1->item(i)->text(), texts[i]);
        dialog.TabSet1->setCurrentRow(i);
        QCOMPARE(dialog.Notebook->currentIndex(), i);
        QCOMPARE(dialog.helpContext(), contexts[i]);
        dialog.HelpButton->click();
        QCOMPARE(help.last().at(0).toInt(), contexts[i]);
    }
    QCOMPARE(dialog.Notebook->currentWidget()->objectName(), QStringLiteral("ExtrasPage"));
}

void TestCalendarProperties::keyboardSwitchesPages()
{
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QApplication::setActiveWindow(&dialog);
    dialog.LayoutList->setFocus();
    QTest::keyClick(dialog.LayoutList, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(dialog.Notebook->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(dialog.Notebook->currentIndex(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(dialog.Notebook->currentIndex(), 10); // wraps round to the last page
    // The strip itself answers the arrow keys.
    dialog.TabSet1->setFocus();
    QTest::keyClick(dialog.TabSet1, Qt::Key_Up);
    QCOMPARE(dialog.Notebook->currentIndex(), 9);

    // Tab walks from the strip through the page shown and the buttons back
    // to the strip, on every page, never stopping in the preview.
    dialog.ExampleCalendar()->setFocus(Qt::MouseFocusReason);
    for (int page = 0; page < 11; ++page) {
        dialog.TabSet1->setCurrentRow(page);
        dialog.TabSet1->setFocus();
        QSet<QWidget *> visited;
        for (int i = 0; i < 200 && !visited.contains(QApplication::focusWidget()); ++i) {
            visited.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), dialog.TabSet1);
        QVERIFY(visited.contains(dialog.OkButton));
        QVERIFY(visited.contains(dialog.CancelButton));
        QVERIFY(!visited.contains(dialog.ExampleCalendar()));
        const QWidget *pageWidget = dialog.Notebook->currentWidget();
        const QList<QWidget *> controls = pageWidget->findChildren<QWidget *>();
        const bool anyEnabled = std::any_of(controls.begin(), controls.end(),
            [](QWidget *w) { return w->isEnabled() && (w->focusPolicy() & Qt::TabFocus); });
        if (anyEnabled)
            QVERIFY2(std::any_of(visited.begin(), visited.end(),
                         [pageWidget](QWidget *w) { return pageWidget->isAncestorOf(w); }),
                qPrintable(pageWidget->objectName()));
    }
}

void TestCalendarProperties::openingAndOkChangeNothing()
{
    // Filling the controls must not echo into the preview: a page with
    // unusual values comes back equal, border properties included.
    std::unique_ptr<CalendarPage> page(newPage(loMC24MonthLS));
    page->setPaperSize(PaperSize::A4);
    page->setStartOfWeek(2);
    page->setHeadersStyle(dsWhole);
    page->setMiniCalendarLineLayout(mllMinimal);
    page->setTitleBGColor(0x123456);
    page->setMiniShowYear(false);
    page->setTopMarginInch(0.6f); // shows as a step but stays as it is
    page->setStartingTime(9.5 / 24.0);
    page->setMonthName(4, QStringLiteral("Avril"));
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QVERIFY(!dialog.updating());
    QVERIFY(dialog.preview().sameAttributes(*page));
    QCOMPARE(dialog.LayoutList->currentRow(), 6);
    QVERIFY(dialog.orientationButton(1)->isChecked());
    QVERIFY(dialog.paperButton(1)->isChecked());
    QVERIFY(dialog.weekStartButton(1)->isChecked());
    QCOMPARE(dialog.Calendar->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(dialog.TitleBGColor->color(), QColor(0x56, 0x34, 0x12));
    QCOMPARE(dialog.CalHeaderStyleCombo->currentIndex(), int(dsWhole));
    QCOMPARE(dialog.MiniCalendarLineLayoutCombo->currentIndex(), int(mllMinimal));
    QVERIFY(!dialog.MiniShowYearCheck->isChecked());
    QCOMPARE(dialog.TimeLabel->text(), QLocale().toString(QTime(9, 30), QLocale::ShortFormat));
    QCOMPARE(dialog.MonthNames->toPlainText().split('\n').value(3), QStringLiteral("Avril"));
    QCOMPARE(dialog.DateLabel->text(), QStringLiteral("March 2026"));

    dialog.OkButton->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.applyToPage());
    QCOMPARE(page->topMarginInch(), 0.6f);
}

void TestCalendarProperties::resetToDefaultsOnFirstShow()
{
    std::unique_ptr<CalendarPage> page(newPage(lo2Week));
    page->setLeftMarginInch(1.25f);
    OpenDialog open(*page, false);
    TCalendarProperties &dialog = open.dialog;
    dialog.ResetToDefaults = true;
    dialog.show();
    QCOMPARE(dialog.preview().calendarLayout(), int(loFCMinisInTitleLS));
    QCOMPARE(dialog.preview().leftMarginInch(), 0.5f);
    QCOMPARE(dialog.LayoutList->currentRow(), 1);
    QCOMPARE(dialog.LeftMarginInchcombo->currentText(), QStringLiteral("½ Inch"));
    // A later showing leaves the edits alone.
    dialog.LayoutList->setCurrentRow(0);
    dialog.hide();
    dialog.show();
    QCOMPARE(dialog.preview().calendarLayout(), int(LOFullCalendarLS));
}

void TestCalendarProperties::layoutListMapsToLayouts_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("text");
    QTest::newRow("month portrait") << 0 << false << 0 << "1 Month Calendar ";
    QTest::newRow("month landscape") << 0 << true << 1 << "1 Month Calendar ";
    QTest::newRow("6 before after") << 2 << true << 5 << "1 Month Calendar, 6 Mini Calendars Before & After ";
    QTest::newRow("60 months") << 8 << false << 16 << "60 Month Calendar (Mini Calendars)";
    QTest::newRow("week") << 9 << false << 18 << "One Week Planner";
    QTest::newRow("two weeks, landscape ignored") << 10 << true << 19 << "Two Week Planner";
    QTest::newRow("10 hours") << 11 << false << 20 << "Day Planner (10 hours) ";
    QTest::newRow("15 hours") << 12 << true << 21 << "Day Planner (15 hours) ";
}

void TestCalendarProperties::layoutListMapsToLayouts()
{
    QFETCH(int, entry);
    QFETCH(bool, landscape);
    QFETCH(int, layout);
    QFETCH(QString, text);
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QCOMPARE(dialog.LayoutList->count(), 13);
    dialog.orientationButton(landscape ? 1 : 0)->setChecked(true);
    dialog.LayoutList->setCurrentRow(entry);
    QCOMPARE(dialog.LayoutList->item(entry)->text(), text);
    QCOMPARE(dialog.preview().calendarLayout(), layout);
    dialog.paperButton(1)->setChecked(true);
    QCOMPARE(dialog.preview().paperSize(), PaperSize::A4);
    QCOMPARE(page->calendarLayout(), int(loFullCalendar)); // the page itself waits for OK
}

void TestCalendarProperties::twoWeekPlannerDisablesMonthControls()
{
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QCOMPARE(dialog.SelectMonthYearLabel->text(), QStringLiteral("Select Month & Year"));
    QCOMPARE(dialog.DateLabel->text(), QStringLiteral("March 2026"));
    dialog.LayoutList->setCurrentRow(10);
    QCOMPARE(dialog.preview().calendarLayout(), int(lo2Week));
    QVERIFY(dialog.startingDateMode());
    for (QWidget *off :
        QList<QWidget *> { dialog.rOrientation, dialog.WeekStartsOn, dialog.TitleShowYearCheck,
            dialog.TitleBGColor, dialog.NumberFontButton, dialog.CalendarLineLayoutCombo,
            dialog.MiniShowYearCheck, dialog.Minititlefontbutton, dialog.MiniHeaderFontButton,
            dialog.MiniHeadersBGColorButton, dialog.MiniCellFontButton, dialog.MiniCalBGColorButton,
            dialog.MiniHeadersStyleCombo, dialog.MiniCalendarLineLayoutCombo, dialog.StartingtimeButton })
        QVERIFY2(!off->isEnabled(), qPrintable(off->metaObject()->className()));
    for (QWidget *on : QList<QWidget *> { dialog.TitleFontbutton, dialog.HeaderFontButton,
             dialog.HeaderBGColor, dialog.CalHeaderStyleCombo })
        QVERIFY(on->isEnabled());
    QCOMPARE(dialog.SelectMonthYearLabel->text(), QStringLiteral("Select Starting Date"));
    QCOMPARE(dialog.DateLabel->text(), QLocale().toString(QDate(2026, 3, 14), QLocale::LongFormat));

    // Back to a month with minis: everything for it comes back.
    dialog.LayoutList->setCurrentRow(1);
    QVERIFY(!dialog.startingDateMode());
    QVERIFY(dialog.rOrientation->isEnabled());
    QVERIFY(dialog.MiniCellFontButton->isEnabled());
    QCOMPARE(dialog.DateLabel->text(), QStringLiteral("March 2026"));
}

void TestCalendarProperties::startingTimeButtonOnlyForDayPlanners_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("enabled");
    for (int entry = 0; entry < 13; ++entry)
        QTest::newRow(qPrintable(QString::number(entry))) << entry << (entry >= 11);
}

void TestCalendarProperties::startingTimeButtonOnlyForDayPlanners()
{
    QFETCH(int, entry);
    QFETCH(bool, enabled);
    std::unique_ptr<CalendarPage> page(newPage(loDay15));
    OpenDialog open(*page);
    open.dialog.LayoutList->setCurrentRow(entry);
    QCOMPARE(open.dialog.StartingtimeButton->isEnabled(), enabled);
}

static QPushButton *buttonWithText(QWidget &parent, const QString &text)
{
    for (QPushButton *button : parent.findChildren<QPushButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

void TestCalendarProperties::dateButtonsMoveThePreview()
{
    std::unique_ptr<CalendarPage> page(newPage());
    page->setMainCalMonth(1);
    page->setMainCalDay(31);
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    CalendarPage &preview = dialog.preview();
    buttonWithText(dialog, QStringLiteral(">"))->click();
    // January 31st steps to the last day of February.
    QCOMPARE(QDate(preview.mainCalYear(), preview.mainCalMonth(), preview.mainCalDay()), QDate(2026, 2, 28));
    QCOMPARE(dialog.DateLabel->text(), QStringLiteral("February 2026"));
    buttonWithText(dialog, QStringLiteral(">>"))->click();
    QCOMPARE(preview.mainCalYear(), 2027);
    buttonWithText(dialog, QStringLiteral("<<"))->click();
    buttonWithText(dialog, QStringLiteral("<"))->click();
    QCOMPARE(QDate(preview.mainCalYear(), preview.mainCalMonth(), preview.mainCalDay()), QDate(2026, 1, 28));
    buttonWithText(dialog, QStringLiteral("Now"))->click();
    QCOMPARE(
        QDate(preview.mainCalYear(), preview.mainCalMonth(), preview.mainCalDay()), QDate::currentDate());
    QCOMPARE(page->mainCalMonth(), 1);
}

void TestCalendarProperties::marginShowsAsStep_data()
{
    QTest::addColumn<float>("inches");
    QTest::addColumn<QString>("label");
    QTest::newRow("0.6") << 0.6f << "½ Inch";
    QTest::newRow("0.1") << 0.1f << "¼ Inch";
    QTest::newRow("0") << 0.0f << "¼ Inch";
    QTest::newRow("2") << 2.0f << "1½ Inch";
    QTest::newRow("0.75") << 0.75f << "¾ Inch";
    QTest::newRow("1.49") << 1.49f << "1¼ Inch";
}

void TestCalendarProperties::marginShowsAsStep()
{
    QFETCH(float, inches);
    QFETCH(QString, label);
    std::unique_ptr<CalendarPage> page(newPage());
    page->setLeftMarginInch(inches);
    page->setBottomMarginInch(inches);
    OpenDialog open(*page);
    QCOMPARE(open.dialog.LeftMarginInchcombo->currentText(), label);
    QCOMPARE(open.dialog.BottomMarginInchcombo->currentText(), label);
    QCOMPARE(open.dialog.LeftMarginInchcombo->count(), 6);
    QCOMPARE(open.dialog.preview().leftMarginInch(), inches); // showing is not setting
}

void TestCalendarProperties::unitsSwitchKeepsSteps()
{
    std::unique_ptr<CalendarPage> page(newPage());
    page->setLeftMarginInch(0.25f);
    page->setTopMarginInch(0.75f);
    page->setRightMarginInch(1.25f);
    page->setBottomMarginInch(1.5f);
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QVERIFY(dialog.useInches->isChecked());
    dialog.useMM->setChecked(true);
    QCOMPARE(dialog.LeftMarginInchcombo->currentText(), QStringLiteral("6 mm"));
    QCOMPARE(dialog.TopMarginInchcombo->currentText(), QStringLiteral("19 mm"));
    QCOMPARE(dialog.RightMarginInchcombo->currentText(), QStringLiteral("32 mm"));
    QCOMPARE(dialog.BottomMarginInchcombo->currentText(), QStringLiteral("38 mm"));
    dialog.useInches->setChecked(true);
    QCOMPARE(dialog.TopMarginInchcombo->currentText(), QStringLiteral("¾ Inch"));
    QCOMPARE(dialog.BottomMarginInchcombo->currentText(), QStringLiteral("1½ Inch"));
    // Relabelling is not a change of margin.
    QVERIFY(dialog.preview().sameAttributes(*page));
}

void TestCalendarProperties::marginListSetsItsMargin()
{
    std::unique_ptr<CalendarPage> page(newPage());
    page->setTopMarginInch(0.6f);
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    dialog.useMM->setChecked(true);
    dialog.RightMarginInchcombo->setCurrentIndex(3);
    QCOMPARE(dialog.preview().rightMarginInch(), 1.0f);
    QCOMPARE(dialog.preview().topMarginInch(), 0.6f);
    QCOMPARE(dialog.preview().leftMarginInch(), page->leftMarginInch());
}

void TestCalendarProperties::monthNamesFromTheBox_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("trailingBreak");
    QTest::newRow("13 lines") << 13 << false;
    QTest::newRow("10 lines") << 10 << false;
    QTest::newRow("10 lines and a break") << 10 << true;
    QTest::newRow("empty box") << 0 << false;
}

void TestCalendarProperties::monthNamesFromTheBox()
{
    QFETCH(int, lines);
    QFETCH(bool, trailingBreak);
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QStringList typed;
    for (int i = 1; i <= lines; ++i)
        typed << QStringLiteral("M%1").arg(i);
    dialog.MonthNames->setPlainText(typed.join('\n') + (trailingBreak ? "\n" : ""));
    QApplication::setActiveWindow(&dialog);
    dialog.TabSet1->setCurrentRow(7);
    dialog.MonthNames->setFocus();
    QVERIFY(dialog.MonthNames->hasFocus());
    dialog.DayNames->setFocus(); // leaving the box applies it
    for (int i = 1; i <= 12; ++i) {
        QString name;
        dialog.preview().monthName(i, name);
        QString old;
        page->monthName(i, old);
        QCOMPARE(name, i <= lines ? QStringLiteral("M%1").arg(i) : old);
    }
}

void TestCalendarProperties::languageButtons()
{
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    const QStringList texts = { "English", "Deutsch", "Français", "L'italiano", "Español" };
    for (int i = 0; i < 5; ++i)
        QCOMPARE(dialog.languageButton(i)->text(), texts[i]);

    dialog.languageButton(1)->click();
    QString name;
    dialog.preview().dayName(6, name);
    QCOMPARE(name, QStringLiteral("Freitag ")); // the blank is part of the table
    dialog.preview().monthName(3, name);
    QCOMPARE(name, QStringLiteral("März"));
    QCOMPARE(dialog.DayNames->toPlainText().split('\n').size(), 7);

    dialog.languageButton(4)->click();
    dialog.preview().dayName(4, name);
    QCOMPARE(name, QStringLiteral("Miércoles"));

    dialog.MonthNames->moveCursor(QTextCursor::End);
    dialog.languageButton(0)->click();
    dialog.preview().monthName(12, name);
    QCOMPARE(name, QStringLiteral("December"));
    QCOMPARE(dialog.MonthNames->textCursor().position(), 0);
    QCOMPARE(dialog.DayNames->textCursor().position(), 0);
}

void TestCalendarProperties::fontButtonAppliesOnlyAccepted()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    const CalendarFont before = dialog.preview().titleFont();

    dialogs.fontAnswers << std::nullopt;
    dialog.TitleFontbutton->click();
    QCOMPARE(dialogs.fontRequests, 1);
    QVERIFY(dialog.preview().titleFont() == before);

    QFont chosen(QStringLiteral("Arial"), 30);
    chosen.setItalic(true);
    dialogs.fontAnswers << chosen;
    dialogs.colorAnswers << QColor(0, 0, 255);
    dialog.TitleFontbutton->click();
    const CalendarFont after = dialog.preview().titleFont();
    QCOMPARE(after.name, QStringLiteral("Arial"));
    QCOMPARE(after.size, 30);
    QVERIFY(after.italic);
    QVERIFY(!after.bold);
    QCOMPARE(after.color, TColor(0xFF0000)); // blue, low byte red
    QVERIFY(page->titleFont() == before);

    // A system colour stays one when the colour is left alone.
    dialog.preview().setMiniCellFont(
        CalendarFont { QStringLiteral("Times New Roman"), 6, false, false, false, false, clWindowText });
    dialogs.fontAnswers << QFont(QStringLiteral("Times New Roman"), 7);
    dialog.MiniCellFontButton->setEnabled(true);
    dialog.MiniCellFontButton->click();
    QCOMPARE(dialog.preview().miniCellFont().size, 7);
    QCOMPARE(dialog.preview().miniCellFont().color, clWindowText);
}

void TestCalendarProperties::colorAndStyleControlsSetThePreview()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    std::unique_ptr<CalendarPage> page(newPage(loFCMinisInTitle));
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    CalendarPage &preview = dialog.preview();
    dialogs.colorChoices << QColor(255, 0, 0) << QColor(0, 255, 0) << QColor(0, 0, 255) << QColor(1, 2, 3);
    dialog.TitleBGColor->click();
    dialog.HeaderBGColor->click();
    dialog.MiniHeadersBGColorButton->click();
    dialog.MiniCalBGColorButton->click();
    QCOMPARE(preview.titleBGColor(), TColor(0x0000FF));
    QCOMPARE(preview.headersBGColor(), TColor(0x00FF00));
    QCOMPARE(preview.miniHeadersBGColor(), TColor(0xFF0000));
    QCOMPARE(preview.miniCalBGColor(), TColor(0x030201));
    dialog.CalHeaderStyleCombo->setCurrentIndex(0);
    dialog.MiniHeadersStyleCombo->setCurrentIndex(2);
    dialog.CalendarLineLayoutCombo->setCurrentIndex(2);
    dialog.MiniCalendarLineLayoutCombo->setCurrentIndex(1);
    dialog.weekStartButton(1)->setChecked(true);
    dialog.TitleShowYearCheck->setChecked(false);
    dialog.MiniShowYearCheck->setChecked(false);
    QCOMPARE(preview.headersStyle(), dsFirstChar);
    QCOMPARE(preview.miniHeadersStyle(), dsWhole);
    QCOMPARE(preview.calendarLineLayout(), llCellsOnly);
    QCOMPARE(preview.cellBorder(), cbAll); // the preset came along
    QCOMPARE(preview.headersBorder(), cbNone);
    QCOMPARE(preview.miniCalendarLineLayout(), mllBoxed);
    QCOMPARE(preview.startOfWeek(), 2);
    QCOMPARE(dialog.Calendar->firstDayOfWeek(), Qt::Monday);
    QVERIFY(!preview.titleShowYear());
    QVERIFY(!preview.miniShowYear());
    QVERIFY(!page->sameAttributes(preview));
}

void TestCalendarProperties::extrasPageShowsInThePreviewAndApplies()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    std::unique_ptr<CalendarPage> page(newPage(loFCMinisInTitle));
    PageExtras week;
    week.weekNumbers = true;
    page->setExtras(week);
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    // Filled from the page without echo; the colour only with shading on.
    QVERIFY(dialog.WeekNumbersCheck->isChecked() && !dialog.MoonPhasesCheck->isChecked());
    QVERIFY(!dialog.ShadeColorButton->isEnabled());
    const QRgb shade = qRgb(10, 200, 30);
    const auto shadedPixels = [&] {
        const QImage shown = dialog.ExampleCalendar()->grab().toImage();
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += (shown.pixel(x, y) | 0xFF000000) == shade ? 1 : 0;
        return count;
    };

    dialogs.colorChoices << QColor(shade);
    dialog.ShadeWeekendsCheck->click();
    QVERIFY(dialog.ShadeColorButton->isEnabled());
    QCOMPARE(shadedPixels(), 0);
    dialog.ShadeColorButton->click();
    dialog.NeighbourDaysCheck->click();
    dialog.MoonPhasesCheck->click();
    PageExtras all = week;
    all.shadeWeekends = all.neighbourDays = all.moonPhases = true;
    all.shadeColor = fromQColor(QColor(shade));
    QCOMPARE(dialog.preview().extras(), all);
    QVERIFY(shadedPixels() > 100);
    QCOMPARE(page->extras(), week); // the page waits for OK
    QVERIFY(dialog.applyToPage());
    QCOMPARE(page->extras(), all);
    dialog.DefaultButton->click();
    QVERIFY(!dialog.WeekNumbersCheck->isChecked() && !dialog.ShadeWeekendsCheck->isChecked());
}

void TestCalendarProperties::startingTimeThroughTheTimeDialog()
{
    std::unique_ptr<CalendarPage> page(newPage(loDay10));
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QTimer::singleShot(0, &dialog, [] {
        auto *time = qobject_cast<TSetTimeDialog *>(QApplication::activeModalWidget());
        QVERIFY(time);
        QCOMPARE(time->time(), QTime(8, 0));
        time->hourCell(15)->click();
        time->minuteCell(45)->click();
        time->accept();
    });
    dialog.StartingtimeButton->click();
    QCOMPARE(dialog.preview().startingTime(), 15.75 / 24.0);
    QCOMPARE(dialog.TimeLabel->text(), QLocale().toString(QTime(15, 45), QLocale::ShortFormat));

    // Cancel keeps it; an unreadable label starts the dialog at the current time.
    dialog.TimeLabel->setText(QStringLiteral("soon"));
    QTimer::singleShot(0, &dialog, [] {
        auto *time = qobject_cast<TSetTimeDialog *>(QApplication::activeModalWidget());
        QVERIFY(time);
        QVERIFY(qAbs(time->time().secsTo(QTime::currentTime())) < 120);
        time->hourCell(3)->click();
        time->reject();
    });
    dialog.StartingtimeButton->click();
    QCOMPARE(dialog.preview().startingTime(), 15.75 / 24.0);
    QVERIFY(QLocale().toTime(dialog.TimeLabel->text(), QLocale::ShortFormat).isValid());
}

void TestCalendarProperties::zoomSteps()
{
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page, false);
    TCalendarProperties &dialog = open.dialog;
    dialog.show(); // opens fitted to its pane; the steps run from any zoom
    dialog.setPreviewScale(0.201f);
    dialog.ZoomInButton->click();
    dialog.ZoomOutbutton->click();
    QCOMPARE(dialog.ZoomLabel->text(), QStringLiteral("20%"));
    const QSize at20 = dialog.ExampleCalendar()->size();
    dialog.ZoomOutbutton->click();
    QCOMPARE(dialog.ZoomLabel->text(), QStringLiteral("10%"));
    QVERIFY(dialog.ExampleCalendar()->width() < at20.width());
    dialog.ZoomOutbutton->click();
    QCOMPARE(dialog.ZoomLabel->text(), QStringLiteral("10%"));
    for (int i = 0; i < 12; ++i)
        dialog.ZoomInButton->click();
    QCOMPARE(dialog.ZoomLabel->text(), QStringLiteral("100%"));
    QVERIFY(dialog.previewScale() >= 1.0f && dialog.previewScale() < 1.01f);
}

void TestCalendarProperties::defaultButtonResetsThePreview()
{
    std::unique_ptr<CalendarPage> page(newPage(loWeek));
    page->setRightMarginInch(1.5f);
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QVERIFY(dialog.startingDateMode());
    dialog.DefaultButton->click();
    QCOMPARE(dialog.preview().calendarLayout(), int(loFCMinisInTitleLS));
    QCOMPARE(dialog.preview().rightMarginInch(), 0.5f);
    QCOMPARE(dialog.RightMarginInchcombo->currentText(), QStringLiteral("½ Inch"));
    QCOMPARE(dialog.LayoutList->currentRow(), 1);
    QVERIFY(dialog.orientationButton(1)->isChecked());
    QVERIFY(!dialog.startingDateMode());
    QVERIFY(!dialog.updating());
    QCOMPARE(dialog.preview().mainCalMonth(), QDate::currentDate().month());
}

void TestCalendarProperties::layoutKindWarning()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    std::unique_ptr<CalendarPage> page(newPage());
    page->setCellContents(10, QByteArrayLiteral("{\\rtf1 Dentist\\par}"));
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    QVERIFY(dialog.WarnOnLayoutKindChange);
    QCOMPARE(dialog.OpeningLayoutKind, 0);
    dialog.LayoutList->setCurrentRow(5);
    dialog.MiniHeadersStyleCombo->setCurrentIndex(2);

    dialogs.questionAnswers << QMessageBox::No;
    dialog.OkButton->click();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("WARNING"));
    QCOMPARE(dialogs.messages[0].defaultButton, QMessageBox::No);
    QCOMPARE(dialogs.messages[0].text,
        QStringLiteral("Warning: changing to this type of layout\n"
                       "will erase all text and icons from the current\n"
                       "calendar. Proceed?"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.preview().calendarLayout(), int(loMC12Month));
    QCOMPARE(dialog.preview().miniHeadersStyle(), dsWhole);

    dialogs.questionAnswers << QMessageBox::Yes;
    dialog.OkButton->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.applyToPage());
    QCOMPARE(page->calendarLayout(), int(loMC12Month));
    QVERIFY(!page->anyCellHasContents());
}

void TestCalendarProperties::geometryWarning_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("choice"); // border list row
    QTest::addColumn<bool>("warned");
    QTest::newRow("replaced") << "Holly" << 3 << false;
    QTest::newRow("removed") << "Holly" << 0 << true;
    QTest::newRow("added") << "" << 2 << true;
    QTest::newRow("none kept") << "" << 0 << false;
}

void TestCalendarProperties::geometryWarning()
{
    QFETCH(QString, opening);
    QFETCH(int, choice);
    QFETCH(bool, warned);
    QTemporaryDir folder;
    const QString borders = DataFolder::bundledResourcesPath() + QStringLiteral("/Borders/");
    QDir().mkpath(folder.filePath(QStringLiteral("BORDERS")));
    for (const char *name : { "Holly.wls", "Holly.wpo", "Stars.wls", "Stars.wpo" })
        QVERIFY(
            QFile::copy(borders + name, folder.filePath(QStringLiteral("BORDERS/")) + QLatin1String(name)));
    writeFile(folder.filePath(QStringLiteral("BORDERS/notes.txt")), "not a border");
    writeFile(folder.filePath(QStringLiteral("BORDERS/Aaron.Old.WLS")), "listed, cut at the first dot");

    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    std::unique_ptr<CalendarPage> page(newPage());
    page->setBorderFolder(folder.path());
    page->setWMFBorderFile(opening);
    QCOMPARE(page->wmfBorderFile(), opening);
    OpenDialog open(*page, false);
    TCalendarProperties &dialog = open.dialog;
    dialog.WarnOnGeometryChange = true;
    dialog.WarnOnLayoutKindChange = false;
    dialog.show();
    const QStringList entries = { " [No Special Border]", "Aaron", "Holly", "Stars" };
    QCOMPARE(dialog.BorderFiles->count(), entries.size());
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(dialog.BorderFiles->item(i)->text(), entries[i]);
    QCOMPARE(dialog.BorderFiles->currentRow(), opening.isEmpty() ? 0 : 2);

    dialog.BorderFiles->setCurrentRow(choice);
    QCOMPARE(dialog.preview().wmfBorderFile(), choice == 0 ? QString() : entries[choice]);
    dialogs.questionAnswers << QMessageBox::No;
    dialog.OkButton->click();
    QCOMPARE(dialogs.messages.size(), warned ? 1 : 0);
    QCOMPARE(dialog.isVisible(), warned);
    if (warned) {
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("WARNING"));
        QCOMPARE(dialogs.messages[0].defaultButton, QMessageBox::No);
        QVERIFY(dialogs.messages[0].text.startsWith(
            QStringLiteral("Warning: The Calendar has one or more items\n")));
        QVERIFY(dialogs.messages[0].text.endsWith(
            QStringLiteral("means you will have to reposition these items.\n\nProceed?")));
    }
}

void TestCalendarProperties::applyClearsCellsByThePagesRules_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("monthSteps");
    QTest::addColumn<bool>("pageShown");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("same kind, same month") << 1 << 0 << true << false;
    QTest::newRow("same kind, other month") << 0 << 1 << true << true;
    QTest::newRow("other month, page hidden") << 0 << 1 << false << false;
    QTest::newRow("other kind") << 9 << 0 << true << true;
    QTest::newRow("other kind, page hidden") << 9 << 0 << false << true;
}

void TestCalendarProperties::applyClearsCellsByThePagesRules()
{
    QFETCH(int, entry);
    QFETCH(int, monthSteps);
    QFETCH(bool, pageShown);
    QFETCH(bool, cleared);
    std::unique_ptr<CalendarPage> page(newPage());
    page->setCellContents(5, QByteArrayLiteral("{\\rtf1 Party\\par}"));
    OpenDialog open(*page);
    TCalendarProperties &dialog = open.dialog;
    dialog.WarnOnLayoutKindChange = false;
    dialog.LayoutList->setCurrentRow(entry);
    for (int i = 0; i < monthSteps; ++i)
        buttonWithText(dialog, QStringLiteral(">"))->click();
    dialog.OkButton->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.applyToPage(pageShown));
    QCOMPARE(page->anyCellHasContents(), !cleared);
    QVERIFY(page->sameAttributes(dialog.preview()));
}

void TestCalendarProperties::placementKeptInTheIniFile()
{
    QTemporaryDir folder;
    IniFile ini(folder.filePath(QStringLiteral("DW.ini")));
    const int ppi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
    const QString section
        = QStringLiteral("TCalendarProperties_Placement") + (ppi > 96 ? QString::number(ppi) : QString());
    std::unique_ptr<CalendarPage> page(newPage());
    QRect placed;
    {
        OpenDialog open(*page, false);
        open.dialog.setPlacementFile(&ini);
        open.dialog.show();
        // The first opening stores where the dialog appeared.
        QVERIFY(ini.hasSection(section));
        const QSize small = open.dialog.minimumSizeHint();
        open.dialog.setGeometry(5, 20, small.width(), small.height() + 10);
        placed = open.dialog.geometry();
        open.dialog.CancelButton->click();
    }
    QCOMPARE(ini.readInteger(section, QStringLiteral("Left"), -1), placed.left());
    QCOMPARE(ini.readInteger(section, QStringLiteral("Bottom"), -1), placed.top() + placed.height());
    OpenDialog again(*page, false);
    again.dialog.setPlacementFile(&ini);
    again.dialog.show();
    // Back where it was, moved onto the screen where the screen is smaller.
    WindowPlacement stored;
    stored.load(ini, section, false);
    QCOMPARE(again.dialog.geometry(), stored.fittedTo(QGuiApplication::primaryScreen()->geometry().size()));
    QCOMPARE(again.dialog.size(), placed.size());
}

void TestCalendarProperties::missingBordersFolderDisablesTheList()
{
    QTemporaryDir folder; // no Borders folder in it
    std::unique_ptr<CalendarPage> page(newPage());
    page->setBorderFolder(folder.path());
    OpenDialog open(*page);
    QCOMPARE(open.dialog.BorderFiles->count(), 0);
    QVERIFY(!open.dialog.BorderFiles->isEnabled());
    open.dialog.OkButton->click();
    QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
}

void TestCalendarProperties::previewIsOnlyLookedAt()
{
    QFile::remove(SurfaceClipboard::fileName());
    std::unique_ptr<CalendarPage> page(newPage());
    OpenDialog open(*page);
    TCalendarPanel32 *preview = open.dialog.ExampleCalendar();
    QSignalSpy dropped(preview, &TVBasePanel::droppedObject);
    preview->setPointing(false); // as if a placing tool were down
    QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(preview, QPoint(60, 60));
    QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(30, 30));
    QTest::keyClick(preview, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(preview, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dropped.count(), 0);
    QVERIFY(!preview->contextMenu()->isVisible());
    QVERIFY(!QFile::exists(SurfaceClipboard::fileName()));
    QCOMPARE(preview->objects().size(), 0);
}

QTEST_MAIN(TestCalendarProperties)
#include "tst_calendarproperties.moc"
