// The properties preview on a laptop-sized screen: the dialog opens within
// the screen, large enough for the page to fill most of its pane, and the
// page always shows whole at the largest whole percent that fits, after a
// resize and after another paper or orientation too. Set DW_SCREENSHOT_DIR
// to keep a picture of each state.
#include "calendar/calendarpage.h"
#include "properties/calendarproperties.h"
#include "surface/calendarpanel32.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

class TestPropertiesPreview : public QObject
{
    Q_OBJECT

private slots:
    void pageFitsItsPane_data();
    void pageFitsItsPane();
};

namespace {

// What the fitted page must be: whole in the pane, the next percent not,
// and a good part of the pane's room.
QString fitFault(TCalendarProperties &dialog)
{
    auto *area = qobject_cast<QScrollArea *>(dialog.ExampleCalendar()->parentWidget()->parentWidget());
    const QSize room = area->viewport()->size();
    const QSize shown = dialog.ExampleCalendar()->size();
    const float scale = dialog.previewScale();
    const QSize next = dialog.preview().controlSizeAt(scale + 0.01f);
    if (shown.width() > room.width() || shown.height() > room.height())
        return QStringLiteral("page %1x%2 cut in %3x%4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(room.width())
            .arg(room.height());
    if (scale < 1.0f && next.width() < room.width() - 8 && next.height() < room.height() - 8)
        return QStringLiteral("%1% leaves room unused").arg(dialog.ZoomLabel->text());
    const double share = double(shown.width()) * shown.height() / (double(room.width()) * room.height());
    if (share < 0.5)
        return QStringLiteral("page fills %1 of its pane").arg(share, 0, 'f', 2);
    if (!QRect(QPoint(0, 0), dialog.screen()->availableGeometry().size())
             .contains(QRect(QPoint(0, 0), dialog.size())))
        return QStringLiteral("dialog larger than the screen");
    return QString();
}

void keepPicture(QWidget &widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("DW_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        widget.grab().save(folder + QStringLiteral("/preview-") + name + QStringLiteral(".png"));
}

} // namespace

void TestPropertiesPreview::pageFitsItsPane_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("paper");
    QTest::newRow("month, letter, portrait") << 0 << 0;
    QTest::newRow("month, letter, landscape") << 1 << 0;
    QTest::newRow("12 months, A4, landscape") << 11 << 1;
    QTest::newRow("two-week planner, A4") << 19 << 1;
}

void TestPropertiesPreview::pageFitsItsPane()
{
    QFETCH(int, layout);
    QFETCH(int, paper);
    CalendarPage calendar;
    calendar.setCalendarLayout(layout);
    calendar.setPaperSize(paper == 1 ? PaperSize::A4 : PaperSize::Letter);
    TCalendarProperties dialog(calendar);
    dialog.setPreviewScale(1.001f); // a remembered 100% would not show the page whole
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QString tag
        = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1String(", "), QLatin1String("-"));
    keepPicture(dialog, tag);
    QString fault = fitFault(dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("opening: ") + fault));

    // More room: a larger page. Less room: a smaller one, still whole.
    const float opened = dialog.previewScale();
    dialog.resize(dialog.size() - QSize(150, 120));
    QCoreApplication::processEvents();
    QVERIFY(dialog.previewScale() < opened);
    fault = fitFault(dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("smaller: ") + fault));
    dialog.resize(dialog.size() + QSize(150, 120));
    QCoreApplication::processEvents();
    QCOMPARE(dialog.previewScale(), opened);

    // The other orientation and the other paper are fitted afresh.
    if (dialog.orientationButton(1)->isEnabled()) {
        dialog.orientationButton(layout % 2 == 0 ? 1 : 0)->click();
        fault = fitFault(dialog);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("turned: ") + fault));
        keepPicture(dialog, tag + QStringLiteral("-turned"));
    }
    dialog.paperButton(paper == 1 ? 0 : 1)->click();
    fault = fitFault(dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("other paper: ") + fault));

    // A step of the zoom buttons holds until the room changes.
    dialog.ZoomInButton->click();
    QVERIFY(dialog.previewScale() > opened - 0.2f);
    const float zoomed = dialog.previewScale();
    QCoreApplication::processEvents();
    QCOMPARE(dialog.previewScale(), zoomed);
}

int main(int argc, char **argv)
{
    // A laptop's screen, the tightest the dialog meets often.
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestPropertiesPreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_propertiespreview.moc"
