// The main window's zoom: the starting step, the limits of the two zoom
// commands, the caption and the percent steps the preferences keep.
#include "app/calendarmain.h"
#include "mainwindowfixture.h"
#include "surface/calendarpanel32.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QWheelEvent>
#include <QtTest>

// Counts the Page Up and Page Down presses that reach a widget.
class KeyCounter : public QObject
{
public:
    int pageKeys = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            pageKeys += key == Qt::Key_PageDown || key == Qt::Key_PageUp;
        }
        return false;
    }
};

class TestCalendarMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowEnvironment> m_environment;

private slots:
    void init() { m_environment = std::make_unique<MainWindowEnvironment>(); }
    void cleanup() { m_environment.reset(); }

    // The zoom commands act on a calendar that is shown.
    void showCalendar(TCalendarMain &main)
    {
        main.show();
        main.OpenCalendarFile(m_environment->writeCalendar("Shown.DWF", loFCMinisInTitleLS, 12, 2026));
        QVERIFY(main.pageShown());
    }

    void startsAtSixtyPercent();
    void zoomIn_data();
    void zoomIn();
    void zoomOut_data();
    void zoomOut();
    void scrollAreaFollowsPage();
    void captionRoundsHalfToEven_data();
    void captionRoundsHalfToEven();
    void pageKeysZoom();
    void zoomShortcutsAndWheel_data();
    void zoomShortcutsAndWheel();
    void pageKeysReachTheFocusedControlToo();
    void pageKeysIgnoredWhileAnotherWindowIsActive();
};

void TestCalendarMain::startsAtSixtyPercent()
{
    TCalendarMain main;
    QCOMPARE(main.calendarPanel()->scale(), 0.601f);
    QCOMPARE(main.calendarPanel()->page().displayScale(), 0.601f);
    QCOMPARE(main.windowTitle(), QStringLiteral("Datewright[*]    [60%]"));
    main.show();
    // Shown, the page starts from the default style: landscape Letter.
    QCOMPARE(main.calendarPanel()->size(), QSize(int(1056 * 0.601), int(816 * 0.601)));
}

void TestCalendarMain::zoomIn_data()
{
    QTest::addColumn<float>("from");
    QTest::addColumn<float>("to");
    QTest::addColumn<QString>("percent");
    QTest::newRow("0.601") << 0.601f << 0.601f + 0.1f << QStringLiteral("70");
    QTest::newRow("0.901 reaches 1.001") << 0.901f << 0.901f + 0.1f << QStringLiteral("100");
    QTest::newRow("0.95 still applies") << 0.95f << 0.95f + 0.1f << QStringLiteral("105");
    QTest::newRow("0.951 stays") << 0.951f << 0.951f << QStringLiteral("95");
    QTest::newRow("1.001 stays") << 1.001f << 1.001f << QStringLiteral("100");
}

void TestCalendarMain::zoomIn()
{
    QFETCH(float, from);
    QFETCH(float, to);
    QFETCH(QString, percent);
    TCalendarMain main;
    showCalendar(main);
    main.calendarPanel()->SetScale(from);
    main.zoomInAction()->trigger();
    QCOMPARE(main.calendarPanel()->scale(), to);
    QCOMPARE(main.calendarPanel()->size(), main.calendarPanel()->page().controlSizeAt(to));
    if (from != to) // an ignored step leaves the caption alone
        QCOMPARE(main.windowTitle(), QStringLiteral("Datewright[*]  [Shown.DWF]    [%1%]").arg(percent));
}

void TestCalendarMain::zoomOut_data()
{
    QTest::addColumn<float>("from");
    QTest::addColumn<float>("to");
    QTest::newRow("0.601 becomes 0.501") << 0.601f << 0.601f - 0.1f;
    QTest::newRow("1.001") << 1.001f << 1.001f - 0.1f;
    QTest::newRow("0.501 stays") << 0.501f << 0.501f;
    QTest::newRow("0.6 stays") << 0.6f << 0.6f;
}

void TestCalendarMain::zoomOut()
{
    QFETCH(float, from);
    QFETCH(float, to);
    TCalendarMain main;
    showCalendar(main);
    main.calendarPanel()->SetScale(from);
    main.zoomOutAction()->trigger();
    QCOMPARE(main.calendarPanel()->scale(), to);
    QCOMPARE(main.calendarPanel()->size(), main.calendarPanel()->page().controlSizeAt(to));
}

void TestCalendarMain::scrollAreaFollowsPage()
{
    TCalendarMain main;
    showCalendar(main);
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *scrollArea = main.findChild<QScrollArea *>();
    QVERIFY(scrollArea);
    TCalendarPanel32 *panel = main.calendarPanel();
    // The page sits at (5, 5) with as much room around it as it needs, no more.
    const auto misfit = [&]() -> QString {
        QCoreApplication::processEvents();
        const QSize holder = scrollArea->widget()->size(), page = panel->size();
        if (holder == page + QSize(10, 10) && panel->pos() == QPoint(5, 5))
            return {};
        return QStringLiteral("page %1x%2 at (%3, %4) in %5x%6")
            .arg(page.width())
            .arg(page.height())
            .arg(panel->x())
            .arg(panel->y())
            .arg(holder.width())
            .arg(holder.height());
    };
    QVERIFY2(misfit().isEmpty(), qPrintable(misfit()));
    panel->page().setCalendarLayout(loFullCalendar); // portrait: taller
    QVERIFY2(misfit().isEmpty(), qPrintable(misfit()));
    panel->page().setCalendarLayout(loFCMinisInTitleLS); // landscape again
    QVERIFY2(misfit().isEmpty(), qPrintable(misfit()));
    main.zoomOutAction()->trigger();
    QVERIFY2(misfit().isEmpty(), qPrintable(misfit()));
}

void TestCalendarMain::captionRoundsHalfToEven_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("caption");
    QTest::newRow("0.625") << 0.625f << QStringLiteral("Datewright[*]    [62%]");
    QTest::newRow("0.875") << 0.875f << QStringLiteral("Datewright[*]    [88%]");
    QTest::newRow("0.501") << 0.501f << QStringLiteral("Datewright[*]    [50%]");
}

void TestCalendarMain::captionRoundsHalfToEven()
{
    QFETCH(float, scale);
    QFETCH(QString, caption);
    TCalendarMain main;
    main.calendarPanel()->SetScale(scale);
    main.SetCaption();
    QCOMPARE(main.windowTitle(), caption);
}

void TestCalendarMain::pageKeysZoom()
{
    TCalendarMain main;
    showCalendar(main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(main.windowHandle(), Qt::Key_PageDown); // through the window system, as typed
    QCOMPARE(main.calendarPanel()->scale(), 0.601f + 0.1f);
    QTest::keyClick(main.windowHandle(), Qt::Key_PageUp);
    QTest::keyClick(main.windowHandle(), Qt::Key_PageUp);
    QCOMPARE(main.calendarPanel()->scale(), 0.601f + 0.1f - 0.1f - 0.1f);
    QCOMPARE(main.windowTitle(), QStringLiteral("Datewright[*]  [Shown.DWF]    [50%]"));
}

void TestCalendarMain::zoomShortcutsAndWheel_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<float>("scale");
    QTest::newRow("Ctrl+=") << "Ctrl+=" << 0.601f + 0.1f;
    QTest::newRow("Ctrl++") << "Ctrl++" << 0.601f + 0.1f;
    QTest::newRow("Ctrl+-") << "Ctrl+-" << 0.601f - 0.1f;
    QTest::newRow("Ctrl+0") << "Ctrl+0" << 1.001f;
    QTest::newRow("Ctrl+wheel up") << "wheel+" << 0.601f + 0.1f;
    QTest::newRow("Ctrl+wheel down") << "wheel-" << 0.601f - 0.1f;
}

void TestCalendarMain::zoomShortcutsAndWheel()
{
    QFETCH(QString, input);
    QFETCH(float, scale);
    TCalendarMain main;
    showCalendar(main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    if (input.startsWith(QLatin1String("wheel"))) {
        const QPoint at(20, 20);
        const int delta = input.endsWith(QLatin1Char('+')) ? 120 : -120;
        QWheelEvent wheel(at, main.calendarPanel()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
            Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(main.calendarPanel(), &wheel);
    } else {
        QTest::keySequence(main.windowHandle(), QKeySequence(input));
    }
    QCOMPARE(main.calendarPanel()->scale(), scale);
}

void TestCalendarMain::pageKeysReachTheFocusedControlToo()
{
    TCalendarMain main;
    showCalendar(main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    main.calendarPanel()->setFocus();
    KeyCounter counter;
    main.calendarPanel()->installEventFilter(&counter);
    QTest::keyClick(main.windowHandle(), Qt::Key_PageDown);
    QCOMPARE(main.calendarPanel()->scale(), 0.601f + 0.1f); // zoomed once, not once per widget
    QCOMPARE(counter.pageKeys, 1);
}

void TestCalendarMain::pageKeysIgnoredWhileAnotherWindowIsActive()
{
    TCalendarMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QDialog dialog(&main);
    auto *edit = new QLineEdit(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.windowHandle(), Qt::Key_PageDown);
    QVERIFY(edit->hasFocus());
    QCOMPARE(main.calendarPanel()->scale(), 0.601f);
}

QTEST_MAIN(TestCalendarMain)
#include "tst_calendarmain.moc"
