#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"

#include "objectfixtures.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Values at creation and the rules of the setters of the five kinds.
class TestPlacedObjects : public QObject
{
    Q_OBJECT

private slots:
    void labelAtCreation();
    void labelAngleTakesOnlyRightAngles_data();
    void labelAngleTakesOnlyRightAngles();
    void labelRotationExchangesSides();
    void labelOffsetsFollowDepthAndDirection();
    void labelSizeNeverBelowOne();
    void labelChangesReported();
    void imageAtCreation();
    void imageAutoSizeAndStretchOpposite();
    void imageAutoSizeTakesPictureSizeAtScale();
    void imageLoadsPictureFiles();
    void richLabelAtCreation();
    void richLabelTextIsCopied();
    void superTextAtCreation();
    void superTextSurfaceTypeRules();
    void superTextShadowOffset();
    void flatCalendarAtCreation();
    void flatCalendarStartOfWeek_data();
    void flatCalendarStartOfWeek();
    void flatCalendarShadowDepth();
    void flatCalendarCopiesEditorProperties();
};

void TestPlacedObjects::labelAtCreation()
{
    TVPLabel label;
    QCOMPARE(label.className(), QStringLiteral("TVPLabel"));
    QCOMPARE(label.alignment(), taLeftJustify);
    QCOMPARE(label.depthHighlight(), 0);
    QCOMPARE(label.depthShadow(), 0);
    QCOMPARE(label.directionHighlight(), hdUpLeft);
    QCOMPARE(label.directionShadow(), sdDownRight);
    QCOMPARE(label.colorHighlight(), TColor(0xFFFF00));
    QCOMPARE(label.colorShadow(), TColor(0x808080));
    QCOMPARE(label.angle(), 0);
    QCOMPARE(label.caption(), QStringLiteral("Text"));
    QCOMPARE(label.font().name, QStringLiteral("Arial"));
    QCOMPARE(label.font().size, 10);
    QCOMPARE(label.font().color, clBlack);
    QVERIFY(!label.font().bold);
    QVERIFY(label.transparent());
    QCOMPARE(label.backColor(), clWhite);
    QCOMPARE(label.borderStyle(), bsNone);
    QCOMPARE(label.width(), 142);
    QCOMPARE(label.height(), 33);
    QCOMPARE(label.shadowOffset(), QPoint(0, 0));
    QCOMPARE(label.highlightOffset(), QPoint(0, 0));
    QVERIFY(label.layoutNeeded());
    // The common part.
    QCOMPARE(label.tag(), 0);
    QCOMPARE(label.cursor(), 0);
    QVERIFY(label.hint().isEmpty());
    QVERIFY(!label.locked());
    QVERIFY(!label.unselectable());
    QCOMPARE(label.displayScale(), 1.0f);
    QVERIFY(label.lastKnownBounds().isNull());
}

void TestPlacedObjects::labelAngleTakesOnlyRightAngles_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("expected");
    QTest::newRow("45 refused") << 45 << 0;
    QTest::newRow("-90 refused") << -90 << 0;
    QTest::newRow("360 refused") << 360 << 0;
    QTest::newRow("90") << 90 << 90;
    QTest::newRow("180") << 180 << 180;
    QTest::newRow("270") << 270 << 270;
}

void TestPlacedObjects::labelAngleTakesOnlyRightAngles()
{
    QFETCH(int, angle);
    QFETCH(int, expected);
    TVPLabel label;
    label.setAlignment(taCenter);
    label.setLayoutNeeded(false);
    label.setAngle(angle);
    QCOMPARE(label.angle(), expected);
    // A refused angle changes nothing at all; a rotation drops the alignment.
    QCOMPARE(label.alignment(), expected == 0 ? taCenter : taLeftJustify);
    QCOMPARE(label.layoutNeeded(), expected != 0);
}

void TestPlacedObjects::labelRotationExchangesSides()
{
    TVPLabel label;
    label.setAngle(90);
    QCOMPARE(QSize(label.width(), label.height()), QSize(33, 142));
    label.setAngle(270); // already upright
    QCOMPARE(QSize(label.width(), label.height()), QSize(33, 142));
    label.setAngle(180);
    QCOMPARE(QSize(label.width(), label.height()), QSize(142, 33));
    label.setAngle(0);
    QCOMPARE(QSize(label.width(), label.height()), QSize(142, 33));
}

void TestPlacedObjects::labelOffsetsFollowDepthAndDirection()
{
    TVPLabel label;
    label.setDepthShadow(3);
    label.setDepthHighlight(2);
    QCOMPARE(label.shadowOffset(), QPoint(3, 3));
    QCOMPARE(label.highlightOffset(), QPoint(-2, -2));
    label.setDirectionShadow(sdLeft);
    label.setDirectionHighlight(hdright);
    QCOMPARE(label.shadowOffset(), QPoint(-3, 0));
    QCOMPARE(label.highlightOffset(), QPoint(2, 0));
    label.setDirectionShadow(sdNone);
    label.setDirectionHighlight(hdUp);
    QCOMPARE(label.shadowOffset(), QPoint(0, 0));
    QCOMPARE(label.highlightOffset(), QPoint(0, -2));
    label.setDirectionShadow(sdDownLeft);
    label.setDirectionHighlight(hdUpRight);
    QCOMPARE(label.shadowOffset(), QPoint(-3, 3));
    QCOMPARE(label.highlightOffset(), QPoint(2, -2));
    label.setDepthShadow(0);
    QCOMPARE(label.shadowOffset(), QPoint(0, 0));
}

void TestPlacedObjects::labelSizeNeverBelowOne()
{
    TVPLabel label;
    label.setBounds(5, 5, 0, -4);
    QCOMPARE(QSize(label.width(), label.height()), QSize(1, 1));
}

void TestPlacedObjects::labelChangesReported()
{
    TVPLabel label;
    QSignalSpy modified(&label, &TVGraphicControl::modified);
    QSignalSpy repaint(&label, &TVGraphicControl::repaintRequested);
    label.setColorShadow(0x123456); // repaint only
    QCOMPARE(modified.count(), 0);
    QCOMPARE(repaint.count(), 1);
    label.setAlignment(taRightJustify);
    label.setBorderStyle(bsSingle);
    label.setBackColor(0x00FF00);
    label.setTransparent(false);
    label.setCaption(QStringLiteral("Hello"));
    CalendarFont font = label.font();
    font.size = 20;
    label.applyFont(font);
    QCOMPARE(modified.count(), 6);
    QCOMPARE(label.font().size, 20);
    // Equal values are not changes.
    label.setAlignment(taRightJustify);
    label.setCaption(QStringLiteral("Hello"));
    QCOMPARE(modified.count(), 6);
}

void TestPlacedObjects::imageAtCreation()
{
    TVImage image;
    QVERIFY(!image.autoSize());
    QVERIFY(image.stretch());
    QCOMPARE(image.borderStyle(), bsNone);
    QVERIFY(image.picture().isEmpty());
    QVERIFY(!image.reverse());
    QVERIFY(!image.flip());
    QCOMPARE(QSize(image.width(), image.height()), QSize(105, 105));
    QVERIFY(!image.canMirror());
}

void TestPlacedObjects::imageAutoSizeAndStretchOpposite()
{
    TVImage image;
    image.setAutoSize(true);
    QVERIFY(image.autoSize());
    QVERIFY(!image.stretch());
    image.setStretch(true);
    QVERIFY(image.stretch());
    QVERIFY(!image.autoSize());
    image.setStretch(false);
    QVERIFY(image.autoSize());
    image.setAutoSize(false);
    QVERIFY(image.stretch());
}

void TestPlacedObjects::imageAutoSizeTakesPictureSizeAtScale()
{
    TVImage image;
    image.setBounds(10, 20, 105, 105);
    image.applyScale(0.5f);
    QImage source(64, 48, QImage::Format_RGB32);
    source.fill(Qt::red);
    image.setPicture(Picture::fromBitmap(source));
    QVERIFY(image.canMirror());
    QCOMPARE(image.width(), 52); // 105 x 0.5 = 52.5, ties to even
    image.setAutoSize(true);
    QCOMPARE(image.boundsRect(), (TRect { 5, 10, 5 + 32, 10 + 24 }));
    // Any later resize snaps back.
    image.setBounds(5, 10, 100, 100);
    QCOMPARE(QSize(image.width(), image.height()), QSize(32, 24));
    QVERIFY(!image.isOpaque()); // the bitmap is 64 x 48, the object 32 x 24
    image.applyScale(1.0f);
    QCOMPARE(QSize(image.width(), image.height()), QSize(64, 48));

    // A metafile sizes the object by its own size; it cannot be mirrored.
    image.setPicture(Picture::fromMetafile(tinyMetafile()));
    QVERIFY(!image.canMirror());
    QCOMPARE(QSize(image.width(), image.height()), QSize(100, 50));
}

void TestPlacedObjects::imageLoadsPictureFiles()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("clip.bmp")); // lower case is the same type
    QImage pixels(20, 10, QImage::Format_RGB32);
    pixels.fill(Qt::blue);
    QVERIFY(pixels.save(good, "BMP"));
    const QString bad = dir.filePath(QStringLiteral("broken.BMP"));
    writeFile(bad, "BM not really");

    TVImage image;
    QSignalSpy modified(&image, &TVGraphicControl::modified);
    QString error;
    QVERIFY2(image.loadPictureFile(good, &error), qPrintable(error));
    QVERIFY(image.picture().isBitmap());
    QCOMPARE(image.picture().size(), QSize(20, 10));
    QCOMPARE(modified.count(), 1);
    QVERIFY(!image.loadPictureFile(bad, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(image.picture().isEmpty());
}

void TestPlacedObjects::richLabelAtCreation()
{
    TVPRichBaseLabel label;
    QCOMPARE(label.className(), QStringLiteral("TVPRichBaseLabel"));
    QVERIFY(label.rtfText().rtf().isEmpty());
    QCOMPARE(label.borderStyle(), bsSingle);
    QVERIFY(label.transparent());
    QCOMPARE(label.bgColor(), clWhite);
    QCOMPARE(QSize(label.width(), label.height()), QSize(190, 33));
}

void TestPlacedObjects::richLabelTextIsCopied()
{
    TVPRichBaseLabel label;
    QSignalSpy modified(&label, &TVGraphicControl::modified);
    TWPRtfStorage text;
    text.setRtf("{\\rtf1 Hello}");
    label.setRTFText(text);
    text.setRtf("{\\rtf1 Changed}");
    QCOMPARE(label.rtfText().rtf(), QByteArray("{\\rtf1 Hello}"));
    QCOMPARE(modified.count(), 1);
    label.setTransparent(false); // repaint only
    QCOMPARE(modified.count(), 1);
    label.setBGColor(0x0000FF);
    label.setBorderStyle(bsNone);
    QCOMPARE(modified.count(), 3);
}

void TestPlacedObjects::superTextAtCreation()
{
    TVSuperText text;
    QCOMPARE(text.className(), QStringLiteral("TVSuperText"));
    QCOMPARE(text.shadowDepth(), 0);
    QCOMPARE(text.shadowOrientation(), sdDownRight);
    QCOMPARE(text.shadowcolor(), TColor(0x808080));
    QCOMPARE(text.borderStyle(), bsNone);
    QVERIFY(text.controlTransparent());
    QCOMPARE(text.bgColor(), clWhite);
    QCOMPARE(text.caption(), QStringLiteral("Text"));
    QCOMPARE(text.font().name, QStringLiteral("Arial"));
    QCOMPARE(text.font().size, 48);
    QVERIFY(text.font().bold);
    QCOMPARE(text.font().color, clBlack);
    QCOMPARE(text.fillDirection(), gdRight);
    QCOMPARE(text.gradientToColor(), TColor(0x00FFFF));
    QCOMPARE(text.gradientFromColor(), TColor(0xFF0000));
    QVERIFY(text.image().isEmpty());
    QCOMPARE(text.outlineColor(), clBlack);
    QCOMPARE(text.outlineStyle(), psSolid);
    QCOMPARE(text.outlineWidth(), 1);
    QCOMPARE(text.surfaceType(), stGradientFill);
    QVERIFY(text.lastBitmapFileNameandPath().isEmpty());
    QCOMPARE(QSize(text.width(), text.height()), QSize(142, 33));
}

void TestPlacedObjects::superTextSurfaceTypeRules()
{
    TVSuperText text;
    StoredBitmap texture;
    texture.setImage(QImage(8, 8, QImage::Format_RGB32));
    text.setSurfaceType(stBrushImage);
    text.setImage(texture);
    text.setSurfaceType(stBrushImage);
    QVERIFY(!text.image().isEmpty());
    text.setSurfaceType(stNormal); // any other type drops the texture
    QVERIFY(text.image().isEmpty());

    // Hollow letters keep a visible outline.
    text.setOutlineStyle(psClear);
    text.setSurfaceType(stBrushTransparent);
    QCOMPARE(text.outlineStyle(), psSolid);
    text.setOutlineStyle(psDash);
    text.setSurfaceType(stBrushTransparent);
    QCOMPARE(text.outlineStyle(), psDash);
    text.setOutlineStyle(psClear);
    text.setSurfaceType(stNormal);
    QCOMPARE(text.outlineStyle(), psClear);

    text.setBounds(0, 0, 0, 0);
    QCOMPARE(QSize(text.width(), text.height()), QSize(1, 1));
}

void TestPlacedObjects::superTextShadowOffset()
{
    TVSuperText text;
    QSignalSpy modified(&text, &TVGraphicControl::modified);
    text.setShadowDepth(4);
    QCOMPARE(text.shadowOffset(), QPoint(4, 4));
    text.setShadowOrientation(sdLeft);
    QCOMPARE(text.shadowOffset(), QPoint(-4, 0));
    text.setShadowOrientation(sdDown);
    QCOMPARE(text.shadowOffset(), QPoint(0, 4));
    QCOMPARE(modified.count(), 0); // shadow changes only repaint
    text.setGradientToColor(0x123456);
    QCOMPARE(modified.count(), 0);
    text.setGradientFromColor(0x123456);
    text.setBGColor(0x654321);
    text.setBorderStyle(bsSingle);
    text.setCaption(QStringLiteral("Other"));
    QCOMPARE(modified.count(), 4);
}

void TestPlacedObjects::flatCalendarAtCreation()
{
    TVFlatCalendar calendar(nullptr, QDate(2026, 12, 7));
    QCOMPARE(calendar.className(), QStringLiteral("TVFlatCalendar"));
    QCOMPARE(int(calendar.startOfWeek()), 1);
    QCOMPARE(calendar.month(), 12);
    QCOMPARE(calendar.year(), 2026);
    QCOMPARE(calendar.titleFont().name, QStringLiteral("Arial"));
    QCOMPARE(calendar.titleFont().size, 8);
    QCOMPARE(calendar.dayNameFont().size, 8);
    QCOMPARE(calendar.cellFont().size, 7);
    QCOMPARE(calendar.cellFont().color, clWindowText); // the platform's default
    QVERIFY(!calendar.cellFont().bold);
    QVERIFY(!calendar.showYear());
    QCOMPARE(calendar.dayNameBGColor(), clWhite);
    QCOMPARE(calendar.calendarBorderStyle(), fcbAll);
    QCOMPARE(calendar.dayNameBorderStyle(), fcbAll);
    QCOMPARE(calendar.cellBorderStyle(), fcbNone);
    QCOMPARE(calendar.dayNameStyle(), fdsFirstChar);
    QCOMPARE(calendar.titleBGcolor(), clWhite);
    QCOMPARE(calendar.backgroundcolor(), clWhite);
    QCOMPARE(calendar.shadowColor(), clBlack);
    QCOMPARE(calendar.shadowDepth(), 0);
    QCOMPARE(calendar.shadowPosition(), fcpLowerRight);
    QCOMPARE(calendar.language(), fclEnglish);
    QVERIFY(!calendar.calTransparent());

    TVFlatCalendar today;
    QCOMPARE(today.month(), QDate::currentDate().month());
}

void TestPlacedObjects::flatCalendarStartOfWeek_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0 refused") << 0 << 2;
    QTest::newRow("3 refused") << 3 << 2;
    QTest::newRow("7 refused") << 7 << 2;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
}

void TestPlacedObjects::flatCalendarStartOfWeek()
{
    QFETCH(int, value);
    QFETCH(int, expected);
    TVFlatCalendar calendar;
    calendar.setStartOfWeek(2);
    calendar.setStartOfWeek(value);
    QCOMPARE(int(calendar.startOfWeek()), expected);
}

void TestPlacedObjects::flatCalendarShadowDepth()
{
    TVFlatCalendar calendar;
    QSignalSpy repaint(&calendar, &TVGraphicControl::repaintRequested);
    calendar.setShadowDepth(10);
    calendar.setShadowDepth(11); // refused, the old depth stays
    QCOMPARE(calendar.shadowDepth(), 10);
    calendar.setShadowDepth(-3); // stored; draws no shadow
    QCOMPARE(calendar.shadowDepth(), -3);
    QCOMPARE(repaint.count(), 2);
    calendar.setMonth(13); // the range is not checked
    QCOMPARE(calendar.month(), 13);
}

void TestPlacedObjects::flatCalendarCopiesEditorProperties()
{
    TVFlatCalendar source(nullptr, QDate(2020, 2, 1));
    source.setStartOfWeek(2);
    source.setShowYear(true);
    source.setLanguage(fclGerman);
    source.setShadowDepth(4);
    source.setShadowPosition(fcpUpperLeft);
    source.setCalTransparent(true);
    CalendarFont font = source.cellFont();
    font.italic = true;
    source.setCellFont(font);
    source.setBounds(1, 2, 300, 200);
    TVFlatCalendar copy(nullptr, QDate(2026, 1, 1));
    copy.copyCalendarPropertiesFrom(source);
    QCOMPARE(copy.year(), 2020);
    QCOMPARE(copy.month(), 2);
    QCOMPARE(int(copy.startOfWeek()), 2);
    QVERIFY(copy.showYear());
    QCOMPARE(copy.language(), fclGerman);
    QCOMPARE(copy.shadowDepth(), 4);
    QCOMPARE(copy.shadowPosition(), fcpUpperLeft);
    QVERIFY(copy.calTransparent());
    QVERIFY(copy.cellFont().italic);
    QCOMPARE(copy.width(), 0); // the size is not part of it
}

QTEST_MAIN(TestPlacedObjects)
#include "tst_placedobjects.moc"
