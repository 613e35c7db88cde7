// Opening and saving a full calendar file: 42 cells of formatted text and
// 200 placed objects of every kind. Each should stay within 20 ms.
// Opening a calendar of many labels grows with their number: 40,000 take at
// most five times as long as 10,000, and 100,000 under 3 s.
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "document/calendardocument.h"
#include "objects/placedobjectclasses.h"
#include "objects/vflatcalendar.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"
#include "richtext/wprtfstorage.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A few lines of mixed formatting, as the cell editor writes them.
QByteArray cellRtf(int day)
{
    return QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times "
                      "New Roman;}}"
                      "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
                      "\\pard\\f0\\fs18 Day ")
        + QByteArray::number(day)
        + "\\par \\b\\cf1 Dentist\\b0\\cf0  at 9:30\\par \\i\\f1\\fs20 Call \\ul Mother\\ulnone\\i0\\par "
          "\\cf2 Pick up the shopping on the way home\\cf0\\par}";
}

void fillCalendar(CalendarPage &page, TComponent &objects)
{
    page.resetToDefaultStyle(QDate(2025, 3, 1));
    page.setUserTitle(QStringLiteral("Busy month"));
    for (int i = 1; i <= kCellCount; ++i)
        page.setCellContents(i, cellRtf(i));
    TWPRtfStorage rich;
    rich.setRtf(cellRtf(99));
    for (int i = 0; i < 200; ++i) {
        TVGraphicControl *object = nullptr;
        switch (i % 4) {
        case 0: {
            auto *label = new TVPLabel(&objects);
            label->setCaption(QStringLiteral("Label %1").arg(i));
            object = label;
            break;
        }
        case 1: {
            auto *text = new TVSuperText(&objects);
            text->setCaption(QStringLiteral("Super %1").arg(i));
            object = text;
            break;
        }
        case 2:
            object = new TVFlatCalendar(&objects, QDate(2025, 3, 1));
            break;
        default: {
            auto *label = new TVPRichBaseLabel(&objects);
            label->setRTFText(rich);
            object = label;
        }
        }
        object->setName(QStringLiteral("Special%1").arg(i + 1));
        object->setParent(&objects);
        object->setBounds(5 * (i % 40), 4 * (i / 40), 120, 40);
    }
}

} // namespace

class BenchFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void save();
    void open();
    void openManyObjects_data();
    void openManyObjects();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void BenchFiles::initTestCase()
{
    registerPlacedObjectClasses();
    m_path = m_dir.filePath(QStringLiteral("busy.dwf"));
    CalendarPage page;
    TComponent objects;
    fillCalendar(page, objects);
    QString error;
    QVERIFY2(CalendarFile::save(m_path, page, &objects, &error), qPrintable(error));
}

void BenchFiles::save()
{
    CalendarPage page;
    TComponent objects;
    fillCalendar(page, objects);
    const QString path = m_dir.filePath(QStringLiteral("saved.dwf"));
    QString error;
    QBENCHMARK
    {
        if (!CalendarFile::save(path, page, &objects, &error))
            QFAIL(qPrintable(error));
    }
}

void BenchFiles::open()
{
    CalendarPage page;
    TComponent objects;
    QString error;
    QBENCHMARK
    {
        if (!CalendarFile::load(m_path, page, &objects, &error))
            QFAIL(qPrintable(error));
    }
    QCOMPARE(objects.componentCount(), 200);
}

void BenchFiles::openManyObjects_data()
{
    QTest::addColumn<int>("count");
    for (const int count : { 10000, 40000, 100000 })
        QTest::addRow("%d labels", count) << count;
}

void BenchFiles::openManyObjects()
{
    QFETCH(int, count);
    const QString path = m_dir.filePath(QStringLiteral("labels%1.dwf").arg(count));
    {
        CalendarDocument document;
        document.page().resetToDefaultStyle(QDate(2025, 3, 1));
        for (int i = 0; i < count; ++i) {
            auto *label = new TVPLabel(&document.objects());
            label->setParent(&document.objects());
            label->setName(QStringLiteral("Special%1").arg(i + 1));
            label->setCaption(QString::number(i));
            label->setBounds(i % 500, i / 500 % 700, 40, 20);
        }
        QString error;
        QVERIFY2(document.saveAs(path, &error), qPrintable(error));
    }
    CalendarDocument document;
    CalendarFile::ReadReport report;
    QString error;
    QBENCHMARK_ONCE
    {
        if (!document.open(path, &error, &report))
            QFAIL(qPrintable(error));
    }
    QVERIFY(!report.damaged);
    QCOMPARE(document.objects().componentCount(), count);
}

QTEST_MAIN(BenchFiles)
#include "bench_files.moc"
