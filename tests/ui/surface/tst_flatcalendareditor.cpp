// The floating-calendar editor: its controls start from the object, each
// one changes the preview at once, fonts go through the font dialog, and
// the object takes everything but its size over only on OK.
#include "scripteddialogs.h"
#include "surface/flatcalendareditor.h"
#include "widgets/colorbutton.h"
#include "widgets/objectpreview.h"

#include "objects/vflatcalendar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

std::unique_ptr<TVFlatCalendar> placedCalendar()
{
    auto calendar = std::make_unique<TVFlatCalendar>(nullptr, QDate(2025, 6, 1));
    calendar->adoptScale(2.0f); // placed at 200%
    calendar->setBounds(40, 40, 301, 241);
    calendar->setStartOfWeek(2);
    calendar->setCellBorderStyle(fcbTop);
    calendar->setShadowDepth(4);
    calendar->setShadowPosition(fcpUpperLeft);
    calendar->setLanguage(fclItalian);
    calendar->setShowYear(true);
    calendar->setTitleBGcolor(0x00FFFF);
    return calendar;
}

using Property = std::function<int(const TVFlatCalendar &)>;

// Answers the editor once it shows: changes a control, then OK or Cancel.
void answerEditor(const std::function<void(TFlatCalendarEditor &)> &change, bool ok)
{
    QTimer::singleShot(0, [=] {
        auto *editor = qobject_cast<TFlatCalendarEditor *>(QApplication::activeModalWidget());
        QVERIFY(editor);
        change(*editor);
        ok ? editor->accept() : editor->reject();
    });
}

} // namespace

class TestFlatCalendarEditor : public QObject
{
    Q_OBJECT

private slots:
    void startsFromTheObject();
    void controlsChangeTheSample_data();
    void controlsChangeTheSample();
    void colorsAndFontsChangeTheSample();
    void okTakesOverCancelKeeps_data();
    void okTakesOverCancelKeeps();
};

void TestFlatCalendarEditor::startsFromTheObject()
{
    const auto calendar = placedCalendar();
    TFlatCalendarEditor editor(*calendar);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Floating Calendar Properties"));
    // The size at 100%, truncated.
    QCOMPARE(QSize(editor.sample().width(), editor.sample().height()), QSize(150, 120));
    QCOMPARE(editor.findChild<QComboBox *>("MonthCombo")->currentIndex(), 5);
    QCOMPARE(editor.findChild<QSpinBox *>("YearSpinner")->value(), 2025);
    QCOMPARE(editor.findChild<QComboBox *>("WeekStartsOn")->currentText(), QStringLiteral("Monday"));
    QCOMPARE(editor.findChild<QComboBox *>("CellBorderCombo")->currentText(), QStringLiteral("Top"));
    QCOMPARE(
        editor.findChild<QComboBox *>("ShadowOrientationCombo")->currentText(), QStringLiteral("UpperLeft"));
    QCOMPARE(editor.findChild<QSpinBox *>("ShadowDepthSpinner")->value(), 4);
    QCOMPARE(editor.findChild<QComboBox *>("LanguageCombo")->currentText(), QStringLiteral("L'italiano"));
    QVERIFY(editor.findChild<QCheckBox *>("ShowtitleInyearCheck")->isChecked());
    QCOMPARE(editor.findChild<ColorButton *>("TitleBackgroundbutton")->color(), QColor(255, 255, 0));
    // Filling the controls did not write anything back.
    QCOMPARE(editor.sample().cellBorderStyle(), fcbTop);
}

void TestFlatCalendarEditor::controlsChangeTheSample_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value"); // index, number or checked
    QTest::addColumn<Property>("property");
    QTest::addColumn<int>("want");
    QTest::newRow("month") << "MonthCombo" << 1 << Property([](auto &s) { return s.month(); }) << 2;
    QTest::newRow("year") << "YearSpinner" << 2031 << Property([](auto &s) { return s.year(); }) << 2031;
    QTest::newRow("year below range")
        << "YearSpinner" << 1900 << Property([](auto &s) { return s.year(); }) << 1950;
    QTest::newRow("week start") << "WeekStartsOn" << 0 << Property([](auto &s) { return s.startOfWeek(); })
                                << 1;
    QTest::newRow("day names") << "HeadersStyleCombo" << 2
                               << Property([](auto &s) { return s.dayNameStyle(); }) << int(fdsWhole);
    QTest::newRow("calendar border") << "CalendarBorderCombo" << 4
                                     << Property([](auto &s) { return s.calendarBorderStyle(); })
                                     << int(fcbTopBottom);
    QTest::newRow("header border") << "HeaderBorderCombo" << 3
                                   << Property([](auto &s) { return s.dayNameBorderStyle(); })
                                   << int(fcbBottom);
    QTest::newRow("cell border") << "CellBorderCombo" << 1
                                 << Property([](auto &s) { return s.cellBorderStyle(); }) << int(fcbAll);
    QTest::newRow("shadow position") << "ShadowOrientationCombo" << 1
                                     << Property([](auto &s) { return s.shadowPosition(); })
                                     << int(fcpLowerLeft);
    QTest::newRow("shadow depth") << "ShadowDepthSpinner" << 10
                                  << Property([](auto &s) { return s.shadowDepth(); }) << 10;
    QTest::newRow("language") << "LanguageCombo" << 1 << Property([](auto &s) { return s.language(); })
                              << int(fclGerman);
    QTest::newRow("transparent") << "TransparentCheck" << 1
                                 << Property([](auto &s) { return s.calTransparent(); }) << 1;
    QTest::newRow("show year") << "ShowtitleInyearCheck" << 0
                               << Property([](auto &s) { return s.showYear(); }) << 0;
}

void TestFlatCalendarEditor::controlsChangeTheSample()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(Property, property);
    QFETCH(int, want);
    const auto calendar = placedCalendar();
    TFlatCalendarEditor editor(*calendar);
    QSignalSpy repaints(&editor.sample(), &TVGraphicControl::repaintRequested);
    QWidget *widget = editor.findChild<QWidget *>(control);
    QVERIFY(widget);
    if (auto *box = qobject_cast<QComboBox *>(widget))
        box->setCurrentIndex(value);
    else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(value);
    else
        qobject_cast<QCheckBox *>(widget)->setChecked(value != 0);
    QCOMPARE(property(editor.sample()), want);
    QVERIFY(!repaints.isEmpty());
}

void TestFlatCalendarEditor::colorsAndFontsChangeTheSample()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    const auto calendar = placedCalendar();
    calendar->setShadowDepth(0);
    TFlatCalendarEditor editor(*calendar);
    editor.findChild<ColorButton *>("TitleBackgroundbutton")->setColor(QColor(0, 128, 0));
    QCOMPARE(editor.sample().titleBGcolor(), TColor(0x008000));
    // The preview shows it: the title band's corner, inside the outline.
    auto *preview = editor.findChild<ObjectPreview *>();
    QVERIFY(preview);
    const QImage shown = preview->grab().toImage();
    QCOMPARE(shown.pixelColor(8 + 2, 8 + 2), QColor(0, 128, 0));

    QFont chosen(QStringLiteral("Times New Roman"));
    chosen.setPointSize(14);
    chosen.setBold(true);
    dialogs.fontAnswers << chosen << std::nullopt;
    const auto fontButtons = editor.findChildren<QPushButton *>();
    const auto button = [&](const QString &text) {
        for (QPushButton *b : fontButtons)
            if (b->text() == text)
                return b;
        return static_cast<QPushButton *>(nullptr);
    };
    button(QStringLiteral("Header Font"))->click();
    QCOMPARE(editor.sample().dayNameFont().name, QStringLiteral("Times New Roman"));
    QCOMPARE(editor.sample().dayNameFont().size, 14);
    QVERIFY(editor.sample().dayNameFont().bold);
    const CalendarFont before = editor.sample().cellFont();
    button(QStringLiteral("Cell Font"))->click(); // cancelled
    QCOMPARE(editor.sample().cellFont(), before);
    QCOMPARE(dialogs.fontRequests, 2);
}

void TestFlatCalendarEditor::okTakesOverCancelKeeps_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
}

void TestFlatCalendarEditor::okTakesOverCancelKeeps()
{
    QFETCH(bool, ok);
    const auto calendar = placedCalendar();
    QSignalSpy modified(calendar.get(), &TVGraphicControl::modified);
    answerEditor(
        [](TFlatCalendarEditor &editor) {
            editor.findChild<QComboBox *>("CellBorderCombo")->setCurrentIndex(int(fcbAll));
            editor.findChild<QSpinBox *>("YearSpinner")->setValue(2030);
        },
        ok);
    QCOMPARE(TFlatCalendarEditor::editProperties(*calendar), ok);
    QCOMPARE(calendar->cellBorderStyle(), ok ? fcbAll : fcbTop);
    QCOMPARE(calendar->year(), ok ? 2030 : 2025);
    QCOMPARE(QSize(calendar->width(), calendar->height()), QSize(301, 241)); // never the size
    QCOMPARE(modified.size(), ok ? 1 : 0);
}

QTEST_MAIN(TestFlatCalendarEditor)
#include "tst_flatcalendareditor.moc"
