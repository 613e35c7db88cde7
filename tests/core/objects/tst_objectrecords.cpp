#include "objects/placedobjectclasses.h"
#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"

#include "stream/streamerror.h"

#include <QTest>

#include <climits>

#include "objectfixtures.h"
#include "recordtesthelpers.h"

// The component records of the five kinds: bytes, order, defaults and round
// trips of every property.
class TestObjectRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void imageRecordBytes();
    void imageAutoSizeWritesBoth();
    void labelRecordBytes();
    void colourAsIdentifierOrInteger();
    void flatCalendarFontsAndAlwaysWritten();
    void emptyCaptionIsKept();
    void roundTrip_data();
    void roundTrip();
    void fontPitchSurvives();
    void readingUsesSetterRules();
    void readingReportsNothing();
    void extremeValuesStayInRange();
    void badPictureDataFails();
    void unknownPropertyFails();
    void propertyPaths_data();
    void propertyPaths();

private:
    static void fillCommon(TVGraphicControl &object);
};

namespace {

const QStringList kCommon { "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Locked",
    "Unselectable" };

QStringList font(const QString &prefix)
{
    return { prefix + ".Color", prefix + ".Height", prefix + ".Name", prefix + ".Style" };
}

RecordBytes commonHead(
    const QByteArray &className, const QByteArray &name, int left, int top, int width, int height)
{
    RecordBytes r;
    r.raw("TPF0").str(className).str(name);
    r.prop("Left").i8(left).prop("Top").i8(top);
    r.prop("Width");
    width > 127 ? r.i16(width) : r.i8(width);
    r.prop("Height");
    height > 127 ? r.i16(height) : r.i8(height);
    return r;
}

} // namespace

void TestObjectRecords::initTestCase()
{
    registerPlacedObjectClasses();
    registerPlacedObjectClasses(); // a second call changes nothing
}

void TestObjectRecords::imageRecordBytes()
{
    TVImage image;
    image.setName(QStringLiteral("Special1"));
    image.setBounds(10, 20, 105, 105);
    RecordBytes expected = commonHead("TVImage", "Special1", 10, 20, 105, 105);
    // Stretch true and AutoSize false are both defaults; Locked false is tag 8.
    expected.prop("Locked").no().prop("Unselectable").no();
    expected.prop("BorderStyle").ident("bsNone");
    expected.prop("Reverse").no().prop("Flip").no();
    expected.end().end();
    QCOMPARE(recordOf(image), expected.bytes);
}

void TestObjectRecords::imageAutoSizeWritesBoth()
{
    TVImage image;
    image.setAutoSize(true);
    const QStringList names = propertyNames(recordOf(image));
    QVERIFY(names.contains("AutoSize"));
    QVERIFY(names.contains("Stretch"));
    QVERIFY(names.indexOf("AutoSize") < names.indexOf("BorderStyle"));
    QVERIFY(names.indexOf("BorderStyle") < names.indexOf("Stretch"));
}

void TestObjectRecords::labelRecordBytes()
{
    TVPLabel label;
    label.setName(QStringLiteral("Special2"));
    label.setBounds(5, 6, 142, 33);
    RecordBytes expected = commonHead("TVPLabel", "Special2", 5, 6, 142, 33);
    expected.prop("Locked").no().prop("Unselectable").no();
    expected.prop("Caption").string("Text");
    expected.prop("Font.Color").ident("clBlack");
    expected.prop("Font.Height").i8(-13); // 10 points, negative: a character height
    expected.prop("Font.Name").string("Arial");
    expected.prop("Font.Style").emptySet();
    expected.prop("Transparent").yes();
    expected.prop("BackColor").ident("clWhite");
    expected.prop("BorderStyle").ident("bsNone");
    expected.end().end();
    QCOMPARE(recordOf(label), expected.bytes);
}

void TestObjectRecords::colourAsIdentifierOrInteger()
{
    TVPLabel label;
    label.setColorShadow(0x0000FF); // clRed has a name
    label.setBackColor(0x123456); // no name: an integer
    const QByteArray record = recordOf(label);
    QVERIFY(record.contains(RecordBytes().prop("colorShadow").ident("clRed").bytes));
    QVERIFY(record.contains(RecordBytes().prop("BackColor").i32(0x123456).bytes));
    // The declared default is skipped whatever its form.
    QVERIFY(!record.contains("colorHighlight"));
}

void TestObjectRecords::flatCalendarFontsAndAlwaysWritten()
{
    TVFlatCalendar calendar(nullptr, QDate(2026, 3, 1));
    const QByteArray record = recordOf(calendar);
    QVERIFY(record.contains(RecordBytes().prop("TitleFont.Color").ident("clWindowText").bytes));
    QVERIFY(record.contains(RecordBytes().prop("TitleFont.Height").i8(-11).bytes));
    QVERIFY(record.contains(RecordBytes().prop("CellFont.Height").i8(-9).bytes));
    // Nothing of the calendar has a declared default: all of it is written.
    QVERIFY(record.contains(RecordBytes().prop("StartOfWeek").i8(1).bytes));
    QVERIFY(record.contains(RecordBytes().prop("Year").i16(2026).bytes));
    QVERIFY(record.contains(RecordBytes().prop("ShadowDepth").i8(0).bytes));
    QVERIFY(record.contains(RecordBytes().prop("CalTransparent").no().bytes));
    QVERIFY(record.contains(RecordBytes().prop("CellBorderStyle").ident("fcbNone").bytes));
}

void TestObjectRecords::emptyCaptionIsKept()
{
    TComponent owner;
    TVSuperText text;
    text.setCaption(QString());
    QVERIFY(recordOf(text).contains(RecordBytes().prop("Caption").string("").bytes));
    auto *copy = dynamic_cast<TVSuperText *>(readBack(recordOf(text), &owner));
    QVERIFY(copy);
    QVERIFY(copy->caption().isEmpty());
}

void TestObjectRecords::fillCommon(TVGraphicControl &object)
{
    object.setName(QStringLiteral("Special7"));
    object.setTag(70000);
    object.setBounds(-5, 300, 222, 111);
    object.setCursor(-21);
    object.setHint(QStringLiteral("a hint"));
    object.setLocked(true);
    object.setUnselectable(true);
}

void TestObjectRecords::roundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("label") << "label"
                           << kCommon
            + QStringList { "Alignment", "DepthHighlight", "DepthShadow", "DirectionHighlight",
                  "DirectionShadow", "colorHighlight", "colorShadow", "Caption" }
            + font("Font") + QStringList { "Transparent", "BackColor", "BorderStyle" };
    QTest::newRow("rotated label") << "rotated label"
                                   << kCommon + QStringList { "Angle", "Caption" } + font("Font")
            + QStringList { "Transparent", "BackColor", "BorderStyle" };
    QTest::newRow("bitmap") << "bitmap"
                            << kCommon
            + QStringList { "AutoSize", "BorderStyle", "Picture.Data", "Stretch", "Reverse", "Flip" };
    QTest::newRow("metafile") << "metafile"
                              << kCommon + QStringList { "BorderStyle", "Picture.Data", "Reverse", "Flip" };
    QTest::newRow("rich") << "rich"
                          << kCommon
            + QStringList { "RTFText.Data", "BorderStyle", "Transparent", "BGColor" };
    QTest::newRow("supertext") << "supertext"
                               << kCommon
            + QStringList { "ShadowDepth", "ShadowOrientation", "Shadowcolor", "BorderStyle",
                  "ControlTransparent", "BGColor", "Caption" }
            + font("Font")
            + QStringList { "FillDirection", "GradientToColor", "GradientFromColor", "Image.Data",
                  "OutlineColor", "OutlineStyle", "OutlineWidth", "SurfaceType",
                  "LastBitmapFileNameandPath" };
    QTest::newRow("calendar") << "calendar"
                              << kCommon + QStringList { "StartOfWeek", "Month", "Year" } + font("TitleFont")
            + font("DayNameFont") + font("CellFont")
            + QStringList { "ShowYear", "DayNameBGColor", "CalendarBorderStyle", "DayNameBorderStyle",
                  "CellBorderStyle", "DayNameStyle", "TitleBGcolor", "Backgroundcolor", "ShadowColor",
                  "ShadowDepth", "ShadowPosition", "Language", "CalTransparent" };
}

void TestObjectRecords::roundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, expected);
    std::unique_ptr<TVGraphicControl> source = makeKind(kind);
    fillCommon(*source);
    const QByteArray record = recordOf(*source);
    QCOMPARE(propertyNames(record), expected);

    TComponent owner;
    TComponent parent;
    TComponent *read = readBack(record, &owner, &parent);
    QVERIFY(read);
    QCOMPARE(read->className(), source->className());
    QCOMPARE(read->name(), QStringLiteral("Special7"));
    QCOMPARE(read->parent(), &parent);
    // Every property came back: the copy writes the very same record.
    QCOMPARE(recordOf(*read), record);
    auto *object = dynamic_cast<TVGraphicControl *>(read);
    QCOMPARE(object->boundsRect(), source->boundsRect());
    QVERIFY(object->locked());
    QCOMPARE(object->displayScale(), 1.0f); // never streamed
    QCOMPARE(object->lastKnownBounds(), object->boundsRect()); // where it starts
}

void TestObjectRecords::fontPitchSurvives()
{
    RecordBytes r = commonHead("TVPLabel", "L", 1, 2, 3, 4);
    r.prop("Font.Pitch").ident("fpFixed").end().end();
    TComponent owner;
    TComponent *label = readBack(r.bytes, &owner);
    QVERIFY(recordOf(*label).contains(RecordBytes().prop("Font.Pitch").ident("fpFixed").bytes));
}

void TestObjectRecords::readingUsesSetterRules()
{
    TComponent owner;
    RecordBytes label = commonHead("TVPLabel", "A", 1, 2, 142, 33);
    label.prop("Angle").i8(45).end().end();
    auto *read = dynamic_cast<TVPLabel *>(readBack(label.bytes, &owner));
    QCOMPARE(read->angle(), 0);

    RecordBytes calendar = commonHead("TVFlatCalendar", "B", 1, 2, 100, 100);
    calendar.prop("StartOfWeek").i8(3).prop("ShadowDepth").i8(11).end().end();
    auto *flat = dynamic_cast<TVFlatCalendar *>(readBack(calendar.bytes, &owner));
    QCOMPARE(int(flat->startOfWeek()), 1);
    QCOMPARE(flat->shadowDepth(), 0);
}

void TestObjectRecords::readingReportsNothing()
{
    // Objects read from a file are not changes the user made; but the first
    // move after reading is one, or a calendar moved right after opening
    // would close without asking to be saved.
    TComponent owner;
    TVPLabel source;
    source.setLocked(true);
    source.setCaption(QStringLiteral("x"));
    QBuffer buffer;
    buffer.setData(QByteArray(1, char(1)) + recordOf(source) + QByteArray(1, char(0)));
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    reader.readListBegin();
    int signals_ = 0;
    TVPLabel *read = nullptr;
    reader.readComponents(&owner, nullptr, [&](TComponent *c) {
        read = dynamic_cast<TVPLabel *>(c);
        connect(read, &TVGraphicControl::modified, [&] { ++signals_; });
    });
    QVERIFY(read);
    QCOMPARE(signals_, 0);
    read->setLeft(read->left() + 15);
    QCOMPARE(signals_, 1);
}

void TestObjectRecords::extremeValuesStayInRange()
{
    TComponent owner;
    RecordBytes r;
    r.raw("TPF0").str("TVPLabel").str("Far");
    r.prop("Left").i32(INT_MAX).prop("Top").i32(INT_MIN).prop("Width").i32(INT_MAX).prop("Height").i8(-1);
    r.prop("DepthShadow").i32(INT_MIN).prop("DirectionShadow").ident("sdLeft").end().end();
    auto *label = dynamic_cast<TVPLabel *>(readBack(r.bytes, &owner));
    QVERIFY(label);
    QCOMPARE(label->left(), 1 << 24);
    QCOMPARE(label->top(), -(1 << 24));
    QCOMPARE(label->width(), 1 << 24);
    QCOMPARE(label->shadowOffset(), QPoint(INT_MAX, 0));
    label->applyScale(200.0f);
    QCOMPARE(label->left(), INT_MAX);
    QCOMPARE(label->boundsRect().right, INT_MAX);
}

void TestObjectRecords::badPictureDataFails()
{
    RecordBytes r = commonHead("TVImage", "Bad", 1, 2, 3, 4);
    r.prop("Picture.Data")
        .raw(QByteArray::fromHex("0a0c000000") + QByteArray("\x07TBitmap\xff\xff\x00\x00", 12));
    r.end().end();
    TComponent owner;
    try {
        readBack(r.bytes, &owner);
        QFAIL("a bitmap longer than its data was read");
    } catch (const StreamError &e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid property value"));
    }
    QCOMPARE(owner.componentCount(), 0); // the half-read object is freed
}

void TestObjectRecords::unknownPropertyFails()
{
    TComponent owner;
    for (const QByteArray &name :
        { QByteArray("Colour"), QByteArray("Picture.Size"), QByteArray("Font.Face") }) {
        RecordBytes r = commonHead(name == "Picture.Size" ? "TVImage" : "TVPLabel", "X", 1, 2, 3, 4);
        r.prop(name).i8(1).end().end();
        try {
            readBack(r.bytes, &owner);
            QFAIL(name.constData());
        } catch (const StreamError &e) {
            QCOMPARE(e.message(), QStringLiteral("Property does not exist"));
        }
    }
}

void TestObjectRecords::propertyPaths_data()
{
    // A path is looked up among the class's records and its base classes',
    // without regard to case. Under an object property ("Picture.") only the
    // record's own value is found; a dotted path under anything else is not
    // a path at all. A value read is written back under the record's name.
    const QString notFound = QStringLiteral("Property does not exist");
    const QString invalidPath = QStringLiteral("Invalid property path");
    const QByteArray rtf = QByteArrayLiteral("{\\rtf1 x}");
    const QByteArray rtfData = QByteArray(1, char(10)) + QByteArray::fromHex("09000000") + rtf;
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QByteArray>("writtenAs");
    const auto row = [](const char *name, const QByteArray &className, const QByteArray &path,
                         const QByteArray &value, const QString &error, const QByteArray &writtenAs) {
        QTest::newRow(name) << className << path << value << error << writtenAs;
    };
    const RecordBytes one = RecordBytes().i8(1);
    row("inherited", "TVFlatCalendar", "TAG", RecordBytes().i8(5).bytes, {}, "Tag");
    row("label caption", "TVPLabel", "caption", RecordBytes().string("").bytes, {}, "Caption");
    row("supertext caption", "TVSuperText", "CAPTION", RecordBytes().string("").bytes, {}, "Caption");
    row("font", "TVPLabel", "font.color", RecordBytes().ident("clRed").bytes, {}, "Font.Color");
    row("supertext pitch", "TVSuperText", "Font.Pitch", RecordBytes().ident("fpFixed").bytes, {},
        "Font.Pitch");
    row("title pitch", "TVFlatCalendar", "TitleFont.Pitch", RecordBytes().ident("fpFixed").bytes, {},
        "TitleFont.Pitch");
    row("day name pitch", "TVFlatCalendar", "DayNameFont.Pitch", RecordBytes().ident("fpFixed").bytes, {},
        "DayNameFont.Pitch");
    row("cell pitch", "TVFlatCalendar", "cellfont.pitch", RecordBytes().ident("fpFixed").bytes, {},
        "CellFont.Pitch");
    row("rich text", "TVPRichBaseLabel", "rtftext.DATA", rtfData, {}, "RTFText.Data");
    row("other kind's name", "TVFlatCalendar", "Transparent", RecordBytes().yes().bytes, notFound, {});
    row("font without name", "TVPLabel", "Font.", one.bytes, invalidPath, {});
    row("under a plain value", "TVPLabel", "Caption.Text", one.bytes, invalidPath, {});
    row("other kind's font", "TVFlatCalendar", "Font.Color", one.bytes, invalidPath, {});
    row("font member", "TVFlatCalendar", "CellFont.Face", one.bytes, notFound, {});
    row("object alone", "TVImage", "Picture", one.bytes, notFound, {});
    row("below the data", "TVImage", "Picture.Data.Size", one.bytes, notFound, {});
    row("bitmap member", "TVSuperText", "Image.Bits", one.bytes, notFound, {});
    row("other kind's object", "TVSuperText", "Picture.Data", one.bytes, invalidPath, {});
    row("rich text member", "TVPRichBaseLabel", "RTFText.Size", one.bytes, notFound, {});
}

void TestObjectRecords::propertyPaths()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, value);
    QFETCH(QString, error);
    QFETCH(QByteArray, writtenAs);
    RecordBytes r = commonHead(className, "P", 1, 2, 30, 40);
    r.prop(path).raw(value).prop("Hint").string("after").end().end();
    TComponent owner;
    try {
        TComponent *read = readBack(r.bytes, &owner);
        QVERIFY2(error.isEmpty(), "read without failing");
        const QByteArray record = recordOf(*read);
        QVERIFY(record.contains(RecordBytes().prop(writtenAs).raw(value).bytes));
        QVERIFY(record.contains(RecordBytes().prop("Hint").string("after").bytes)); // one value consumed
        QCOMPARE(propertyNames(record).filter(".Pitch").size(), writtenAs.endsWith(".Pitch") ? 1 : 0);
    } catch (const StreamError &e) {
        QCOMPARE(e.message(), error);
    }
}

QTEST_MAIN(TestObjectRecords)
#include "tst_objectrecords.moc"
