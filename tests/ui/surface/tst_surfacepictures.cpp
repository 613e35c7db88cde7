// The design surface's cursors and menu pictures: each placing tool shows
// its own cursor everywhere until it is put down, the selection frame's
// grips their sizing arrows, and the menus their commands' pictures.
#include "surfacefixture.h"

#include "surface/objectmenu.h"
#include "surface/surfacecursors.h"

#include <QGuiApplication>
#include <QMenu>
#include <QtTest>

class TestSurfacePictures : public QObject
{
    Q_OBJECT

private slots:
    void placingToolsShowTheirCursorUntilPutDown()
    {
        SurfaceFixture f;
        QVERIFY(!QGuiApplication::overrideCursor());
        QList<QImage> seen;
        for (TLPanelState tool : { psLabel, psImage, psRichLabel, psSuperText, psFlatCalendar }) {
            f.panel.page().setPanelState(tool);
            const QCursor *cursor = QGuiApplication::overrideCursor();
            QVERIFY(cursor && cursor->shape() == Qt::BitmapCursor);
            const QPoint hot = cursor->hotSpot();
            const QImage image = cursor->pixmap().toImage();
            const qreal ratio = cursor->pixmap().devicePixelRatio();
            QCOMPARE(ratio, qApp->devicePixelRatio());
            // The pixel pointed at stays clear; the cross's arms surround it.
            QCOMPARE(qAlpha(image.pixel(hot * ratio)), 0);
            for (const QPoint arm : { QPoint(4, 0), QPoint(-4, 0), QPoint(0, 4), QPoint(0, -4) })
                QCOMPARE(QColor(image.pixel((hot + arm) * ratio)), QColor(Qt::black));
            // Each tool's cursor carries the tool's picture.
            QVERIFY(!seen.contains(image));
            seen << image;
            // Over the page, off any object, the surface shows it too.
            f.hover(QPoint(5, 5));
            QCOMPARE(f.panel.cursor().pixmap().toImage(), image);
        }
        f.panel.page().setPanelState(psPointing);
        QVERIFY(!QGuiApplication::overrideCursor()); // one override, taken back once
    }

    void gripsShowSizingArrows_data()
    {
        QTest::addColumn<QPoint>("at"); // in the frame, 0 to 1 of its width and height
        QTest::addColumn<int>("shape");
        QTest::newRow("top left") << QPoint(0, 0) << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom right") << QPoint(1, 1) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top right") << QPoint(1, 0) << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom left") << QPoint(0, 1) << int(Qt::SizeBDiagCursor);
        QTest::newRow("top middle") << QPoint(-1, 0) << int(Qt::SizeVerCursor);
        QTest::newRow("left middle") << QPoint(0, -1) << int(Qt::SizeHorCursor);
        QTest::newRow("inside: move") << QPoint(-1, -1) << int(Qt::ClosedHandCursor);
    }
    void gripsShowSizingArrows()
    {
        QFETCH(QPoint, at);
        QFETCH(int, shape);
        SurfaceFixture f;
        f.add(QRect(100, 100, 60, 40));
        f.click(f.centreOf(QStringLiteral("A")));
        f.panel.handle().releaseCapture();
        const QRect frame = f.panel.handle().frame();
        // -1 stands for the middle; a point on the far edge lies one pixel in.
        const auto place = [](int where, int from, int length) {
            return where < 0 ? from + length / 2 : from + where * (length - 1);
        };
        f.hover(
            QPoint(place(at.x(), frame.left(), frame.width()), place(at.y(), frame.top(), frame.height())));
        QCOMPARE(int(f.panel.cursor().shape()), shape);
    }

    void menusShowTheirCommandsPictures()
    {
        SurfaceFixture f;
        TVGraphicControl *object = f.add(QRect(100, 100, 60, 40));
        QMenu *objectMenu = f.panel.objectMenu().build(*object);
        for (const QMenu *menu : { f.panel.contextMenu(), objectMenu }) {
            for (const QAction *action : menu->actions()) {
                const QString text = action->text();
                // Check marks and the marking commands go without.
                if (action->isSeparator() || action->isCheckable()
                    || text.startsWith(QLatin1String("Mark All")) || text == QLatin1String("Clone")
                    || text == QLatin1String("Unselectable"))
                    continue;
                QVERIFY2(!action->icon().isNull(), qPrintable(text));
            }
        }
        delete objectMenu;
    }
};

QTEST_MAIN(TestSurfacePictures)
#include "tst_surfacepictures.moc"
