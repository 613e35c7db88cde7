// The document's own operations: moving between months keeps what was typed
// in each, and an open or a save that fails leaves the document as it was.
#include "document/calendardocument.h"
#include "document/monthrun.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "testfiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray cellText(const QString &text)
{
    return QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 %1\\par}").arg(text).toLatin1();
}

void typeOnDay(CalendarDocument &document, int day, const QString &text)
{
    CalendarPage &page = document.page();
    page.recordCellTable(1.0f);
    page.setCellContents(page.cellOfDay(day), cellText(text));
}

QString textOnDay(CalendarDocument &document, int day)
{
    CalendarPage &page = document.page();
    page.recordCellTable(1.0f);
    return page.cellStorage(page.cellOfDay(day))->plainText();
}

} // namespace

class TestCalendarDocument : public QObject
{
    Q_OBJECT

private slots:
    void eachMonthKeepsItsOwnCells()
    {
        CalendarDocument document;
        document.page().resetToDefaultStyle(QDate(2026, 3, 1));
        typeOnDay(document, 5, QStringLiteral("Dentist"));

        // March 5 and April 5 lie in different cells of the grid.
        document.moveToMonth(2026, 4);
        QVERIFY(document.isModified());
        QVERIFY(!document.page().anyCellHasContents());
        QCOMPARE(document.otherMonths().keys(), QList<int>({ 2026 * 12 + 2 }));
        typeOnDay(document, 5, QStringLiteral("Walk"));

        document.moveToMonth(2026, 3);
        QCOMPARE(textOnDay(document, 5), QStringLiteral("Dentist"));
        QCOMPARE(document.otherMonths().keys(), QList<int>({ 2026 * 12 + 3 }));

        // A month left empty is forgotten; months out of range are refused.
        document.page().clearAllCells();
        document.moveToMonth(2027, 1);
        QCOMPARE(document.otherMonths().keys(), QList<int>({ 2026 * 12 + 3 }));
        document.moveToMonth(2027, 13);
        QCOMPARE(document.page().mainCalMonth(), 1);
        document.moveToMonth(2026, 4);
        QCOMPARE(textOnDay(document, 5), QStringLiteral("Walk"));
        QVERIFY(document.otherMonths().isEmpty());
    }

    void failedOpenKeepsTheDocument_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents"); // none: the file is not made
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << "gone.DWF" << QByteArray() << ": No such file or directory";
        QTest::newRow("rubbish") << "bad.DWF" << QByteArray("rubbish")
                                 << ". Possibly corrupted, possibly not a Calendar file";
        QTest::newRow("style sheet") << "bad.DWS" << QByteArray("\x01")
                                     << ". Possibly corrupted, possibly not a Calendar Style file";
        QTest::newRow("folder") << "folder.DWF" << QByteArray("DIR") << ": Is a directory";
    }

    void failedOpenKeepsTheDocument()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (contents == "DIR")
            QVERIFY(QDir().mkpath(path));
        else if (!contents.isNull())
            writeFile(path, contents);
        CalendarDocument document;
        document.page().resetToDefaultStyle();
        document.page().setUserTitle(QStringLiteral("Kept"));
        (new TVPLabel(&document.objects()))->setParent(&document.objects());
        document.setFileName(dir.filePath(QStringLiteral("mine.DWF")));
        document.setModified(true);

        QString error;
        const bool opened = CalendarDocument::isStyleSheetName(name) ? document.applyStyleSheet(path, &error)
                                                                     : document.open(path, &error);
        QVERIFY(!opened);
        QCOMPARE(error, QStringLiteral("Unable to open %1%2").arg(path, why));
        QCOMPARE(document.page().attributes().userTitle, QStringLiteral("Kept"));
        QCOMPARE(document.objects().children().size(), size_t(1));
        QCOMPARE(document.fileName(), dir.filePath(QStringLiteral("mine.DWF")));
        QVERIFY(document.isModified());
    }

    void failedSaveKeepsNameAndChanges()
    {
        QTemporaryDir dir;
        CalendarDocument document;
        document.page().resetToDefaultStyle();
        const QString mine = dir.filePath(QStringLiteral("mine.DWF"));
        QString error;
        QVERIFY2(document.saveAs(mine, &error), qPrintable(error));
        QVERIFY(!document.isModified());
        document.page().setUserTitle(QStringLiteral("Changed"));
        document.setModified(true);

        QVERIFY(!document.saveAs(QStringLiteral("/dev/full"), &error));
        QVERIFY2(error.contains(QLatin1String("/dev/full")), qPrintable(error));
        QCOMPARE(document.fileName(), mine);
        QVERIFY(document.isModified());

        // Reopened, the file on disk is the one saved before the change.
        CalendarDocument reopened;
        QVERIFY2(reopened.open(mine, &error), qPrintable(error));
        QVERIFY(reopened.page().attributes().userTitle.isEmpty());
        QVERIFY(!reopened.isModified());
    }

    // A picture that changes with the month: the folder's pictures in name
    // order, counted from the run's first month, or on a page of its own
    // from January.
    void pictureChangesWithTheMonth_data()
    {
        QTest::addColumn<int>("runFrom"); // first month of the run; 0 for the page alone
        QTest::addColumn<int>("page"); // the month shown, or the page's index in the run
        QTest::addColumn<int>("pictures"); // how many in the folder
        QTest::addColumn<int>("width"); // of the picture shown: 10 for the first, 20, 30
        QTest::newRow("page alone in March") << 0 << 3 << 3 << 30;
        QTest::newRow("page alone in May wraps") << 0 << 5 << 3 << 20;
        QTest::newRow("run's first page") << 3 << 0 << 3 << 10;
        QTest::newRow("run's fifth page wraps") << 3 << 4 << 3 << 20;
        QTest::newRow("empty folder keeps the picture") << 3 << 1 << 0 << 7;
    }

    void pictureChangesWithTheMonth()
    {
        QFETCH(int, runFrom);
        QFETCH(int, page);
        QFETCH(int, pictures);
        QFETCH(int, width);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("pictures"));
        QVERIFY(QDir().mkpath(folder));
        // Named out of order, upper and lower case, with a file that is no picture.
        const char *names[] = { "b.bmp", "C.BMP", "a.bmp" };
        const int widths[] = { 20, 30, 10 };
        for (int i = 0; i < pictures; ++i) {
            QImage image(widths[i], 5, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(QDir(folder).filePath(QLatin1String(names[i])), "BMP"));
        }
        QFile notes(QDir(folder).filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture");
        notes.close();

        CalendarDocument document;
        document.page().resetToDefaultStyle(QDate(2027, 1, 1));
        auto *image = new TVImage(&document.objects());
        image->setParent(&document.objects());
        image->setBounds(10, 10, 100, 80);
        QImage placed(7, 7, QImage::Format_RGB32);
        placed.fill(Qt::blue);
        image->setPicture(Picture::fromBitmap(placed));
        image->setPictureFolder(folder);
        QString error;
        const QString file = dir.filePath(QStringLiteral("pictures.DWF"));
        QVERIFY2(document.saveAs(file, &error), qPrintable(error));

        CalendarDocument reopened;
        QVERIFY2(reopened.open(file, &error), qPrintable(error));
        auto *shown = dynamic_cast<TVImage *>(reopened.objects().children().at(0));
        QVERIFY(shown);
        QCOMPARE(shown->pictureFolder(), folder);
        if (runFrom == 0) {
            reopened.moveToMonth(2027, page);
            QCOMPARE(shown->picture().width(), width);
            return;
        }
        MonthRange range;
        range.firstYear = 2027;
        range.firstMonth = runFrom;
        range.count = 12;
        MonthRun run(reopened, range, nullptr, CalendarFont());
        const auto *inRun = dynamic_cast<const TVImage *>(run.page(page).objects().children().at(0));
        QCOMPARE(inRun->picture().width(), width);
    }

    void pictureFolderIsWrittenOnlyWhenSet()
    {
        QTemporaryDir dir;
        CalendarDocument document;
        document.page().resetToDefaultStyle();
        auto *image = new TVImage(&document.objects());
        image->setParent(&document.objects());
        const QString file = dir.filePath(QStringLiteral("plain.DWF"));
        QString error;
        QVERIFY2(document.saveAs(file, &error), qPrintable(error));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(!written.readAll().contains("PictureFolder"));
    }
};

QTEST_MAIN(TestCalendarDocument)
#include "tst_calendardocument.moc"
