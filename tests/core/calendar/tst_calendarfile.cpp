#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "calendar/stylesheetfile.h"
#include "calendarfilebytes.h"
#include "calendartesthelpers.h"

#include "stream/classregistry.h"
#include "stream/component.h"
#include "stream/filestreams.h"
#include "stream/propertyio.h"
#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

#include <QBuffer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "fulldisk.h"
#include "testfiles.h"

namespace {

// A placed object stand-in with a position and a caption.
class TFileTestObject : public TComponent
{
public:
    using TComponent::TComponent;
    QString className() const override { return QStringLiteral("TFileTestObject"); }
    void writeProperties(TWriter &w) const override
    {
        TComponent::writeProperties(w);
        PropertyIO::writeInteger(w, "Left", left);
        PropertyIO::writeString(w, "Caption", caption);
    }
    PropertyRead readProperty(const QString &path, TReader &r) override
    {
        if (PropertyIO::is(path, "Left"))
            left = r.readInteger();
        else if (PropertyIO::is(path, "Caption"))
            caption = r.readString();
        else
            return TComponent::readProperty(path, r);
        return PropertyRead::Done;
    }
    int left = 0;
    QString caption;
};

class TUnknownObject : public TComponent
{
public:
    using TComponent::TComponent;
    QString className() const override { return QStringLiteral("TNotRegistered"); }
};

TFileTestObject *addObject(TComponent &owner, const QString &name, int left)
{
    auto *object = new TFileTestObject(&owner);
    object->setName(name);
    object->setParent(&owner);
    object->left = left;
    object->caption = name + QStringLiteral(" text");
    return object;
}

const QByteArray kRtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Dentist \\b 9:30\\b0\\par}";

// A page with nothing left at its defaults.
void fillPage(CalendarPage &page)
{
    page.resetToDefaultStyle(QDate(2024, 2, 11));
    CalendarAttributes a = page.attributes();
    a.paperSize = PaperSize::A4;
    a.calendarLayout = loFC12After;
    a.leftMarginInch = 0.5f;
    a.topMarginInch = 0.75f;
    a.rightMarginInch = 1.0f;
    a.bottomMarginInch = 1.25f;
    a.calendarBorder = cbTopBottom;
    a.headersBorder = cbTop;
    a.cellBorder = cbBottom;
    a.miniCalBorder = cbNone;
    a.miniHeadersBorder = cbAll;
    a.miniCellBorder = cbTopBottom;
    a.calendarLineLayout = llCellsOnly;
    a.miniCalendarLineLayout = mllMinimal;
    a.headersStyle = dsWhole;
    a.miniHeadersStyle = dsThreeChars;
    a.numberPosition = cnpCenter;
    a.titleShowYear = false;
    a.miniShowYear = false;
    a.titleBGColor = 0x0000FF;
    a.headersBGColor = 0x80000008;
    a.miniHeadersBGColor = 0x123456;
    a.miniCalBGColor = 0xC0C0C0;
    a.titleFont = { QStringLiteral("Arial"), 30, false, true, true, true, 0x00FF00 };
    a.headersFont = { QStringLiteral("Courier New"), 11, true, false, false, true, 0x800000 };
    a.cellFont = { QStringLiteral("Times New Roman"), 13, false, false, true, false, 0x808000 };
    a.miniTitleFont = { QStringLiteral("Arial"), 9, true, true, false, false, 0 };
    a.miniHeadersFont = { QStringLiteral("Arial"), 7, false, false, false, false, 0xFFFFFF };
    a.miniCellFont = { QStringLiteral("Arial"), 5, false, true, false, false, 0x0000FF };
    a.mainCalDay = 11;
    a.mainCalMonth = 2;
    a.mainCalYear = 2024;
    a.startOfWeek = 2;
    a.startingTime = (7 * 60 + 45) / 1440.0;
    a.userTitle = QStringLiteral("Family – 2024");
    for (int i = 0; i < 12; ++i)
        a.monthNames[i] = QStringLiteral("Mois%1").arg(i + 1);
    for (int i = 0; i < 7; ++i)
        a.dayNames[i] = QStringLiteral("Jour%1").arg(i + 1);
    page.loadAttributes(a);
    page.setCellContents(3, kRtf);
    page.setCellContents(40, "{\\rtf1\\ansi Last\\par}");
}

void compareAttributes(const CalendarAttributes &x, const CalendarAttributes &y)
{
    QCOMPARE(x.paperSize, y.paperSize);
    QCOMPARE(x.calendarOrientation, y.calendarOrientation);
    QCOMPARE(x.calendarLayout, y.calendarLayout);
    QCOMPARE(x.leftMarginInch, y.leftMarginInch);
    QCOMPARE(x.topMarginInch, y.topMarginInch);
    QCOMPARE(x.rightMarginInch, y.rightMarginInch);
    QCOMPARE(x.bottomMarginInch, y.bottomMarginInch);
    QCOMPARE(x.calendarBorder, y.calendarBorder);
    QCOMPARE(x.headersBorder, y.headersBorder);
    QCOMPARE(x.cellBorder, y.cellBorder);
    QCOMPARE(x.miniCalBorder, y.miniCalBorder);
    QCOMPARE(x.miniHeadersBorder, y.miniHeadersBorder);
    QCOMPARE(x.miniCellBorder, y.miniCellBorder);
    QCOMPARE(x.calendarLineLayout, y.calendarLineLayout);
    QCOMPARE(x.miniCalendarLineLayout, y.miniCalendarLineLayout);
    QCOMPARE(x.headersStyle, y.headersStyle);
    QCOMPARE(x.miniHeadersStyle, y.miniHeadersStyle);
    QCOMPARE(x.numberPosition, y.numberPosition);
    QCOMPARE(x.titleShowYear, y.titleShowYear);
    QCOMPARE(x.miniShowYear, y.miniShowYear);
    QCOMPARE(x.titleBGColor, y.titleBGColor);
    QCOMPARE(x.headersBGColor, y.headersBGColor);
    QCOMPARE(x.miniHeadersBGColor, y.miniHeadersBGColor);
    QCOMPARE(x.miniCalBGColor, y.miniCalBGColor);
    QVERIFY(x.titleFont == y.titleFont);
    QVERIFY(x.headersFont == y.headersFont);
    QVERIFY(x.cellFont == y.cellFont);
    QVERIFY(x.miniTitleFont == y.miniTitleFont);
    QVERIFY(x.miniHeadersFont == y.miniHeadersFont);
    QVERIFY(x.miniCellFont == y.miniCellFont);
    QCOMPARE(x.monthNames, y.monthNames);
    QCOMPARE(x.dayNames, y.dayNames);
}

bool readBytes(QByteArray data, CalendarPage &page, TComponent *owner, QString *error,
    CalendarFile::ReadReport *report = nullptr)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return CalendarFile::read(buffer, page, owner, error, nullptr, report);
}

} // namespace

// Calendar files and style sheets on disk and byte by byte.
class TestCalendarFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyAttributeRoundTrips();
    void marginsAreHundredths();
    void headerBytes();
    void emptyCellRecordHasNoProperties();
    void namesBeyondCodePageRoundTrip();
    void olderVersionsReadWithDefaults_data();
    void olderVersionsReadWithDefaults();
    void objectsRoundTripInStackingOrder();
    void loadedObjectsAreRenamed();
    void unregisteredClassKeepsTheRest();
    void badObjectListKeepsTheCalendar();
    void manyObjectsAreReadWhole_data();
    void manyObjectsAreReadWhole();
    void orientationFollowsLayout();
    void badFileChangesNothing();
    void everyTruncationFailsCleanly();
    void styleSheetRoundTrip();
    void styleAndCalendarAreNotInterchangeable();
    void missingFileIsReported();
    void failedSaveKeepsTheOldFile();
    void unwritablePlacesAreReported_data();
    void unwritablePlacesAreReported();
};

void TestCalendarFile::initTestCase()
{
    TClassRegistry::registerClass<TFileTestObject>(QStringLiteral("TFileTestObject"));
}

void TestCalendarFile::everyAttributeRoundTrips()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("family.dwf");
    CalendarPage page;
    fillPage(page);
    QString error;
    QVERIFY2(CalendarFile::save(path, page, nullptr, &error), qPrintable(error));

    CalendarPage back;
    TComponent owner;
    QVERIFY2(CalendarFile::load(path, back, &owner, &error), qPrintable(error));
    compareAttributes(back.attributes(), page.attributes());
    QCOMPARE(back.mainCalDay(), 11);
    QCOMPARE(back.mainCalMonth(), 2);
    QCOMPARE(back.mainCalYear(), 2024);
    QCOMPARE(back.startOfWeek(), 2);
    QCOMPARE(qRound(back.startingTime() * 1440), 7 * 60 + 45);
    QCOMPARE(back.userTitle(), QStringLiteral("Family – 2024"));
    QCOMPARE(back.cellContents(3), kRtf);
    QCOMPARE(back.cellContents(40), QByteArray("{\\rtf1\\ansi Last\\par}"));
    QVERIFY(back.cellStorage(4)->isEmpty());
    QCOMPARE(owner.componentCount(), 0);
    // Saved again, the file is the same byte for byte.
    QCOMPARE(calendarBytes(back, nullptr), readFile(path));
}

void TestCalendarFile::marginsAreHundredths()
{
    CalendarPage page;
    page.setLeftMarginInch(0.25f);
    page.setTopMarginInch(0.29f);
    const QByteArray data = calendarBytes(page, nullptr);
    // list, version, kind, paper, orientation, then the margins.
    QCOMPARE(data.mid(9, 4), QByteArray("\x02\x19\x02\x1c", 4));
    CalendarPage back;
    QString error;
    QVERIFY(readBytes(data, back, nullptr, &error));
    QCOMPARE(back.leftMarginInch(), 0.25f);
    QCOMPARE(back.topMarginInch(), 0.28f);
}

void TestCalendarFile::headerBytes()
{
    CalendarPage page;
    page.setPaperSize(PaperSize::A4);
    const QByteArray data = calendarBytes(page, nullptr);
    QCOMPARE(
        data.left(9), QByteArray("\x01\x02\x04\x02\x01\x02\x01\x02", 8) + char(page.calendarOrientation()));
    // The last bytes: user title (empty), end of list, an empty object list.
    QCOMPARE(data.right(5), QByteArray("\x06\x00\x00\x01\x00", 5));
}

void TestCalendarFile::emptyCellRecordHasNoProperties()
{
    CalendarPage page;
    page.setCellContents(2, kRtf);
    page.setCellContents(3, "{\\rtf1\\ansi \\par}"); // a frame with nothing in it
    const QByteArray data = calendarBytes(page, nullptr);
    const QByteArray empty = QByteArray("TPF0\x0dTWPRtfStorage\x00\x00\x00", 20);
    QCOMPARE(data.count(empty), 41);
    const QByteArray filled = QByteArray("TPF0\x0dTWPRtfStorage\x00\x0cRtfText.Data\x0a", 33);
    const qsizetype at = data.indexOf(filled);
    QVERIFY(at > 0);
    QCOMPARE(data.mid(at + filled.size() + 4, kRtf.size()), kRtf);
}

void TestCalendarFile::namesBeyondCodePageRoundTrip()
{
    CalendarPage page;
    page.setMonthName(3, QStringLiteral("Březen"));
    page.setMonthName(9, QStringLiteral("Σεπτέμβριος"));
    page.setDayName(1, QStringLiteral("Neděle"));
    page.setUserTitle(QStringLiteral("Καλή χρονιά"));
    const QByteArray data = calendarBytes(page, nullptr);
    QVERIFY(data.contains(QByteArray("\x14") + char(QStringLiteral("Březen").toUtf8().size())));
    CalendarPage back;
    QString error;
    QVERIFY2(readBytes(data, back, nullptr, &error), qPrintable(error));
    QString name;
    back.monthName(3, name);
    QCOMPARE(name, QStringLiteral("Březen"));
    back.monthName(9, name);
    QCOMPARE(name, QStringLiteral("Σεπτέμβριος"));
    back.dayName(1, name);
    QCOMPARE(name, QStringLiteral("Neděle"));
    back.monthName(4, name);
    QCOMPARE(name, QStringLiteral("April"));
    QCOMPARE(back.userTitle(), QStringLiteral("Καλή χρονιά"));
}

void TestCalendarFile::olderVersionsReadWithDefaults_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("title");
    QTest::newRow("1") << 1 << QString();
    QTest::newRow("2") << 2 << QStringLiteral("Own title");
    QTest::newRow("3") << 3 << QStringLiteral("Own title");
    QTest::newRow("4") << 4 << QStringLiteral("Own title");
}

void TestCalendarFile::olderVersionsReadWithDefaults()
{
    QFETCH(int, version);
    QFETCH(QString, title);
    CalendarPage page;
    page.setUserTitle(QStringLiteral("Before"));
    page.setCellContents(1, kRtf);
    TComponent owner;
    addObject(owner, QStringLiteral("Old"), 1);
    QString error;
    CalendarFile::ReadReport read;
    QVERIFY2(readBytes(CalendarFileBytes::calendar(version), page, &owner, &error, &read), qPrintable(error));
    QCOMPARE(read.version, version);
    QVERIFY(!read.damaged);
    QCOMPARE(page.userTitle(), title);
    QCOMPARE(page.wmfBorderFile(), QString());
    QCOMPARE(owner.componentCount(), 0);
    QVERIFY(page.cellStorage(1)->isEmpty());
    QCOMPARE(page.cellStorage(5)->plainText(), QStringLiteral("Old text"));
    QCOMPARE(page.paperSize(), PaperSize::A4);
    QCOMPARE(page.calendarLayout(), int(loFCMinisInTitleLS));
    QCOMPARE(page.calendarOrientation(), coLandscape);
    QCOMPARE(page.leftMarginInch(), 0.5f);
    QCOMPARE(page.bottomMarginInch(), 1.25f);
    QCOMPARE(page.calendarBorder(), cbTop);
    QCOMPARE(page.calendarLineLayout(), llHeadersAndCells);
    QString name;
    page.monthName(12, name);
    QCOMPARE(name, QStringLiteral("M12"));
    page.dayName(7, name);
    QCOMPARE(name, QStringLiteral("D7"));
    QCOMPARE(page.titleBGColor(), TColor(0x00FF00));
    QVERIFY(page.titleFont()
        == (CalendarFont { QStringLiteral("Arial"), 20, true, false, false, false, 0x0000FF }));
    QCOMPARE(page.titleShowYear(), false);
    QCOMPARE(page.headersBorder(), cbBottom);
    QCOMPARE(page.headersStyle(), dsWhole);
    QCOMPARE(page.headersBGColor(), TColor(0xC0C0C0));
    QCOMPARE(page.cellFont().color, TColor(0x123456));
    QCOMPARE(page.cellBorder(), cbTopBottom);
    QCOMPARE(page.miniCalendarLineLayout(), mllBoxed);
    QCOMPARE(page.miniCalBorder(), cbNone);
    QCOMPARE(page.miniShowYear(), true);
    QCOMPARE(page.miniHeadersFont().color, TColor(0xFFFFFF));
    QCOMPARE(page.miniHeadersBGColor(), TColor(0x808080));
    QCOMPARE(page.miniHeadersStyle(), dsFirstChar);
    QCOMPARE(page.miniHeadersBorder(), cbBottom);
    QCOMPARE(page.miniCellBorder(), cbTop);
    QCOMPARE(page.miniCellFont().size, 6);
    QCOMPARE(page.numberPosition(), cnpCenter);
    QCOMPARE(page.mainCalDay(), 17);
    QCOMPARE(page.mainCalMonth(), 6);
    QCOMPARE(page.mainCalYear(), 2003);
    QCOMPARE(page.startOfWeek(), 2);
    QCOMPARE(qRound(page.startingTime() * 1440), 9 * 60 + 30);
}

void TestCalendarFile::objectsRoundTripInStackingOrder()
{
    CalendarPage page;
    TComponent owner;
    addObject(owner, QStringLiteral("Special1"), 10);
    TFileTestObject *top = addObject(owner, QStringLiteral("Special2"), 20);
    addObject(owner, QStringLiteral("Special3"), 30);
    top->bringToFront();
    const QByteArray data = calendarBytes(page, &owner);

    TComponent back;
    addObject(back, QStringLiteral("Stale"), 99);
    QString error;
    QVERIFY2(readBytes(data, page, &back, &error), qPrintable(error));
    QCOMPARE(back.componentCount(), 3);
    QList<int> lefts;
    for (TComponent *c : back.children())
        lefts << static_cast<TFileTestObject *>(c)->left;
    QCOMPARE(lefts, (QList<int> { 10, 30, 20 }));
    QCOMPARE(static_cast<TFileTestObject *>(back.children()[2])->caption, QStringLiteral("Special2 text"));
}

void TestCalendarFile::loadedObjectsAreRenamed()
{
    CalendarPage page;
    TComponent owner;
    addObject(owner, QStringLiteral("Component1"), 1);
    addObject(owner, QStringLiteral("Special7"), 2);
    TComponent back;
    QString error;
    QVERIFY(readBytes(calendarBytes(page, &owner), page, &back, &error));
    QCOMPARE(back.components()[0]->name(), QStringLiteral("Component0"));
    QCOMPARE(back.components()[1]->name(), QStringLiteral("Component1"));
}

void TestCalendarFile::unregisteredClassKeepsTheRest()
{
    CalendarPage page;
    fillPage(page);
    TComponent owner;
    addObject(owner, QStringLiteral("A"), 1);
    addObject(owner, QStringLiteral("B"), 2);
    (new TUnknownObject(&owner))->setParent(&owner);
    addObject(owner, QStringLiteral("D"), 4);
    CalendarPage back;
    TComponent objects;
    QString error;
    QVERIFY2(readBytes(calendarBytes(page, &owner), back, &objects, &error), qPrintable(error));
    QCOMPARE(objects.componentCount(), 2);
    CalendarFile::ReadReport report;
    QVERIFY(readBytes(calendarBytes(page, &owner), back, &objects, &error, &report));
    QVERIFY(report.damaged);
    QCOMPARE(report.objectsRead, 2);
    QCOMPARE(back.cellContents(3), kRtf);
    QCOMPARE(back.userTitle(), page.userTitle());
    compareAttributes(back.attributes(), page.attributes());
}

void TestCalendarFile::badObjectListKeepsTheCalendar()
{
    // Version 3, object list of one good record and then rubbish.
    QByteArray list(
        "\x01TPF0\x0fTFileTestObject\x01X\x04Left\x02\x07\x00\x00TPF0\x0fTFileTestObject\x00\x03Top\x02", 48);
    CalendarPage page;
    TComponent owner;
    QString error;
    QVERIFY2(readBytes(CalendarFileBytes::calendar(3, list), page, &owner, &error), qPrintable(error));
    QCOMPARE(owner.componentCount(), 1);
    QCOMPARE(static_cast<TFileTestObject *>(owner.components()[0])->left, 7);
    QCOMPARE(owner.components()[0]->name(), QStringLiteral("Component0"));
    QCOMPARE(page.userTitle(), QStringLiteral("Own title"));
}

void TestCalendarFile::manyObjectsAreReadWhole_data()
{
    QTest::addColumn<QString>("naming");
    QTest::addColumn<bool>("keepNames");
    // Past the thousand names the paste gives out, stored names stay.
    QTest::newRow("own names") << "own" << false;
    // Stored names that repeat past the thousand go: they broke the list
    // off after 1,006 objects.
    QTest::newRow("five names repeating") << "five" << false;
    // Placing tools name a thousand objects and leave the rest unnamed.
    QTest::newRow("tools' names, then none") << "tools" << false;
    QTest::newRow("tools' names kept") << "tools" << true;
}

void TestCalendarFile::manyObjectsAreReadWhole()
{
    QFETCH(QString, naming);
    QFETCH(bool, keepNames);
    constexpr int kCount = 5000;
    const auto storedName = [&](int i) {
        if (naming == QLatin1String("five"))
            return QStringLiteral("Label%1").arg(i % 5 + 1);
        if (naming == QLatin1String("tools") && i >= 1000)
            return QString();
        return QStringLiteral("Special%1").arg(i + 1);
    };
    CalendarPage page;
    TComponent owner;
    for (int i = 0; i < kCount; ++i)
        addObject(owner, storedName(i), i);
    QByteArray data = calendarBytes(page, &owner);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TComponent back;
    CalendarFile::ReadReport report;
    QString error;
    QVERIFY2(CalendarFile::read(buffer, page, &back, &error, nullptr, &report, keepNames), qPrintable(error));
    QVERIFY(!report.damaged);
    QCOMPARE(report.objectsRead, kCount);
    QCOMPARE(int(back.children().size()), kCount);
    QSet<QString> named; // lower case
    for (int i = 0; i < kCount; ++i) {
        const auto *object = static_cast<const TFileTestObject *>(back.children()[size_t(i)]);
        QCOMPARE(object->left, i);
        QString expected = keepNames ? storedName(i) : QStringLiteral("Component%1").arg(i);
        if (!keepNames && i > 1000 && !named.contains(storedName(i).toLower()))
            expected = storedName(i);
        else if (!keepNames && i > 1000)
            expected.clear();
        named.insert(expected.toLower());
        QCOMPARE(object->name(), expected);
        if (!expected.isEmpty())
            QCOMPARE(back.findComponent(expected), object);
    }
}

void TestCalendarFile::orientationFollowsLayout()
{
    CalendarPage page;
    page.setCalendarLayout(loFullCalendar);
    QByteArray data = calendarBytes(page, nullptr);
    QCOMPARE(data.mid(7, 2), QByteArray("\x02\x00", 2));
    data[8] = 1; // landscape stored with a portrait layout
    CalendarPage back;
    QString error;
    QVERIFY(readBytes(data, back, nullptr, &error));
    QCOMPARE(back.calendarOrientation(), coPortrait);
}

void TestCalendarFile::badFileChangesNothing()
{
    CalendarPage page;
    fillPage(page);
    TComponent owner;
    addObject(owner, QStringLiteral("Keep"), 5);
    const CalendarAttributes before = page.attributes();

    QByteArray data = CalendarFileBytes::calendar(4);
    data[data.indexOf("M7") - 2] = 2; // a month name that is an integer
    QString error;
    QVERIFY(!readBytes(data, page, &owner, &error));
    QCOMPARE(error, QStringLiteral("Invalid property value"));
    compareAttributes(page.attributes(), before);
    QCOMPARE(page.cellContents(3), kRtf);
    QCOMPARE(page.userTitle(), before.userTitle);
    QCOMPARE(owner.componentCount(), 1);

    // Values the page cannot take are refused the same way.
    QByteArray layout = CalendarFileBytes::calendar(4);
    layout[22] = 40; // the layout number
    QVERIFY(!readBytes(layout, page, &owner, &error));
    QCOMPARE(error, QStringLiteral("Invalid property value"));
    QCOMPARE(page.calendarLayout(), before.calendarLayout);
}

void TestCalendarFile::everyTruncationFailsCleanly()
{
    CalendarPage page;
    fillPage(page);
    TComponent owner;
    for (int i = 0; i < 3; ++i)
        addObject(owner, QStringLiteral("O%1").arg(i), i);
    const QByteArray whole = calendarBytes(page, &owner);
    const qsizetype listStart
        = whole.lastIndexOf(QByteArray("\x00\x01TPF0\x0fTFileTestObject", 22), whole.size() - 1);
    QVERIFY(listStart > 0);
    int failures = 0;
    for (qsizetype length = 0; length < whole.size(); ++length) {
        CalendarPage target;
        TComponent objects;
        QString error;
        CalendarFile::ReadReport report;
        const bool ok = readBytes(whole.left(length), target, &objects, &error, &report);
        if (length <= listStart) {
            QVERIFY2(!ok, qPrintable(QString::number(length)));
            QVERIFY(!error.isEmpty());
            ++failures;
        } else {
            QVERIFY2(ok, qPrintable(QStringLiteral("%1: %2").arg(length).arg(error)));
            // Objects read before the cut stay, counted; the one cut off does not.
            QVERIFY(objects.componentCount() <= 3);
            QVERIFY(report.damaged);
            QCOMPARE(report.objectsRead, objects.componentCount());
            QCOMPARE(target.userTitle(), page.userTitle());
            if (length == whole.size() - 1)
                QCOMPARE(objects.componentCount(), 3);
        }
    }
    QVERIFY(failures > 1000);
    {
        CalendarPage target;
        TComponent objects;
        QString error;
        CalendarFile::ReadReport report;
        QVERIFY(readBytes(whole, target, &objects, &error, &report));
        QVERIFY(!report.damaged);
        QCOMPARE(report.objectsRead, 3);
    }

    // A style sheet has no guarded part: every cut fails and changes nothing.
    QBuffer styleBuffer;
    styleBuffer.open(QIODevice::WriteOnly);
    QString error;
    QVERIFY(StyleSheetFile::write(styleBuffer, page, &error));
    const QByteArray style = styleBuffer.data();
    for (qsizetype length = 0; length < style.size(); ++length) {
        QByteArray part = style.left(length);
        QBuffer buffer(&part);
        buffer.open(QIODevice::ReadOnly);
        CalendarPage target;
        const CalendarAttributes before = target.attributes();
        QVERIFY(!StyleSheetFile::read(buffer, target, &error));
        QVERIFY(!error.isEmpty());
        compareAttributes(target.attributes(), before);
    }
}

void TestCalendarFile::styleSheetRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("look.dws");
    CalendarPage page;
    fillPage(page);
    QString error;
    QVERIFY2(StyleSheetFile::save(path, page, &error), qPrintable(error));
    const QByteArray data = readFile(path);
    QCOMPARE(data.left(3), QByteArray("\x01\x02\x04", 3));
    QCOMPARE(data.mid(3, 2), QByteArray("\x02\x02", 2));
    QCOMPARE(data.right(3), QByteArray("\x06\x00\x00", 3)); // border name, end of list

    CalendarPage back;
    back.resetToDefaultStyle(QDate(2030, 7, 4));
    back.setUserTitle(QStringLiteral("Mine"));
    back.setCellContents(9, kRtf);
    QVERIFY2(StyleSheetFile::load(path, back, &error), qPrintable(error));
    compareAttributes(back.attributes(), page.attributes());
    // Only the look comes from a style sheet.
    QCOMPARE(back.mainCalYear(), 2030);
    QCOMPARE(back.mainCalMonth(), 7);
    QCOMPARE(back.userTitle(), QStringLiteral("Mine"));
    QCOMPARE(back.cellContents(9), kRtf);
}

void TestCalendarFile::styleAndCalendarAreNotInterchangeable()
{
    QTemporaryDir dir;
    CalendarPage page;
    fillPage(page);
    QString error;
    QVERIFY(StyleSheetFile::save(dir.filePath("a.dws"), page, &error));
    QVERIFY(CalendarFile::save(dir.filePath("a.dwf"), page, nullptr, &error));

    CalendarPage other;
    const CalendarAttributes before = other.attributes();
    QVERIFY(!CalendarFile::load(dir.filePath("a.dws"), other, nullptr, &error));
    QCOMPARE(error, QStringLiteral("Invalid property value"));
    QVERIFY(!StyleSheetFile::load(dir.filePath("a.dwf"), other, &error));
    QCOMPARE(error, QStringLiteral("Invalid property value"));
    compareAttributes(other.attributes(), before);
}

void TestCalendarFile::missingFileIsReported()
{
    QTemporaryDir dir;
    CalendarPage page;
    QString error;
    QVERIFY(!CalendarFile::load(dir.filePath("none.dwf"), page, nullptr, &error));
    QCOMPARE(error,
        QStringLiteral("Cannot open file %1: No such file or directory").arg(dir.filePath("none.dwf")));
    QVERIFY(!StyleSheetFile::load(dir.path(), page, &error));
    QCOMPARE(error, QStringLiteral("Cannot open file %1: Is a directory").arg(dir.path()));
    writeFile(dir.filePath("empty.dwf"), QByteArray());
    QVERIFY(!CalendarFile::load(dir.filePath("empty.dwf"), page, nullptr, &error));
    QCOMPARE(error, QStringLiteral("Stream read error"));
}

void TestCalendarFile::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    CalendarPage page;
    QString error;
    const QString missing = dir.filePath("no/such/folder/x.dwf");
    QVERIFY(!CalendarFile::save(missing, page, nullptr, &error));
    QCOMPARE(error, QStringLiteral("Cannot create file %1: No such file or directory").arg(missing));
    QVERIFY(!StyleSheetFile::save(dir.path(), page, &error));
    QCOMPARE(error, QStringLiteral("Cannot create file %1: Is a directory").arg(dir.path()));

    // A write that fails half way leaves the old file as it was.
    const QString path = dir.filePath("old.dwf");
    writeFile(path, "old contents");
    QVERIFY(!FileStreams::save(
        path,
        [](TWriter &w) {
            w.writeBinary(QByteArray(5000, 'x'));
            throw StreamError(StreamMessages::writeError());
        },
        &error));
    QCOMPARE(error, QStringLiteral("Stream write error"));
    QCOMPARE(readFile(path), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "old.dwf" });
}

void TestCalendarFile::unwritablePlacesAreReported_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("reason");
    QTest::newRow("under a regular file") << "file"
                                          << "Not a directory";
    QTest::newRow("folder in the way") << "folder"
                                       << "Is a directory";
    QTest::newRow("full disk") << "full"
                               << "No space left on device";
}

void TestCalendarFile::unwritablePlacesAreReported()
{
    QFETCH(QString, place);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    FullDisk disk(64);
    if (place == QLatin1String("full") && !disk.mounted())
        QSKIP("No permission to mount a small file system here");
    const QString folder = place == QLatin1String("full") ? disk.path() : dir.path();
    const QStringList names { QStringLiteral("old.dwf"), QStringLiteral("old.dws") };
    for (const QString &name : names) {
        const QString path = QDir(folder).filePath(name);
        writeFile(path, "old contents");
        if (place == QLatin1String("folder"))
            QVERIFY(QFile::remove(path) && QDir().mkpath(path + QStringLiteral("/inside")));
    }
    if (place == QLatin1String("full"))
        disk.fill();
    CalendarPage page;
    fillPage(page);
    for (const QString &name : names) {
        const QString path = QDir(folder).filePath(name);
        const QString target = place == QLatin1String("file") ? path + QStringLiteral("/x") : path;
        QString error;
        QVERIFY(name.endsWith(QLatin1String("dwf")) ? !CalendarFile::save(target, page, nullptr, &error)
                                                    : !StyleSheetFile::save(target, page, &error));
        QCOMPARE(error, QStringLiteral("Cannot create file %1: %2").arg(target, reason));
        QCOMPARE(
            readFile(path), place == QLatin1String("folder") ? QByteArray() : QByteArray("old contents"));
    }
}

QTEST_MAIN(TestCalendarFile)
#include "tst_calendarfile.moc"
