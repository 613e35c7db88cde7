// The command-line tool with calendar files and style sheets.
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "calendar/stylesheetfile.h"
#include "objects/placedobjectclasses.h"
#include "objects/vplabel.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "clirunner.h"
#include "testfiles.h"

class TestCliFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QJsonObject info(const QStringList &arguments)
    {
        const CliRun run = runCli(QStringList { QStringLiteral("info") } + arguments, m_home.path());
        if (run.exitCode != 0)
            qWarning() << run.err;
        return QJsonDocument::fromJson(run.out).object();
    }

    // A calendar with two filled cells and two labels, saved by the library.
    QString sampleCalendar()
    {
        const QString file = path(QStringLiteral("sample.dwf"));
        CalendarPage page;
        page.resetToDefaultStyle(QDate(2025, 5, 1));
        page.setMainCalMonth(5);
        page.setMainCalYear(2025);
        page.setUserTitle(QStringLiteral("Garden"));
        page.setCellContents(5, "{\\rtf1\\ansi Sow beans\\par Water\\par}");
        page.setCellContents(20, "{\\rtf1\\ansi Harvest\\par}");
        TComponent objects;
        auto *first = new TVPLabel(&objects);
        first->setName(QStringLiteral("Special1"));
        first->setParent(&objects);
        first->setBounds(100, 120, 142, 33);
        first->setCaption(QStringLiteral("Spring"));
        auto *second = new TVPLabel(&objects);
        second->setName(QStringLiteral("Special2"));
        second->setParent(&objects);
        second->setBounds(300, 400, 200, 40);
        QString error;
        if (!CalendarFile::save(file, page, &objects, &error))
            qWarning() << error;
        return file;
    }

private slots:
    void initTestCase() { registerPlacedObjectClasses(); }

    void infoOfACalendarFile()
    {
        const QJsonObject page = info({ sampleCalendar() });
        QCOMPARE(page["kind"].toString(), QStringLiteral("calendar"));
        QCOMPARE(page["version"].toInt(), 4);
        QCOMPARE(page["userTitle"].toString(), QStringLiteral("Garden"));
        QCOMPARE(page["date"]["month"].toInt(), 5);
        const QJsonArray cells = page["cells"].toArray();
        QCOMPARE(cells.size(), 2);
        QCOMPARE(cells[0]["index"].toInt(), 5);
        QCOMPARE(cells[0]["day"].toInt(), 1); // May 2025 starts on a Thursday
        QCOMPARE(cells[0]["text"].toString(), QStringLiteral("Sow beans\nWater"));
        QCOMPARE(cells[1]["index"].toInt(), 20);

        const QJsonArray objects = page["objects"].toArray();
        QCOMPARE(objects.size(), 2);
        const QJsonObject label = objects[0].toObject();
        QCOMPARE(label["class"].toString(), QStringLiteral("TVPLabel"));
        QCOMPARE(label["name"].toString(), QStringLiteral("Component0"));
        QCOMPARE(label["left"].toInt(), 100);
        QCOMPARE(label["top"].toInt(), 120);
        QCOMPARE(label["width"].toInt(), 142);
        QCOMPARE(label["height"].toInt(), 33);
        QCOMPARE(label["Caption"].toString(), QStringLiteral("Spring"));
        QCOMPARE(label["Locked"].toBool(true), false);
        QVERIFY(!label.contains("Left"));
        QCOMPARE(objects[1]["name"].toString(), QStringLiteral("Component1"));
        QCOMPARE(objects[1]["left"].toInt(), 300);
    }

    // The options change the file's page as the program's Properties do:
    // text written for May's days is not shown on September's, nor in the
    // rows of a planner.
    void optionsApplyOnTopOfTheFile_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("cells");
        QTest::newRow("title, same month") << QStringList { "--month", "5", "--year", "2025" } << 2;
        QTest::newRow("landscape month grid") << QStringList { "--layout", "1" } << 2;
        QTest::newRow("other month") << QStringList { "--month", "9" } << 0;
        QTest::newRow("other year") << QStringList { "--year", "2026" } << 0;
        QTest::newRow("week planner") << QStringList { "--layout", "18" } << 0;
    }

    void optionsApplyOnTopOfTheFile()
    {
        QFETCH(QStringList, options);
        QFETCH(int, cells);
        const QJsonObject page = info(QStringList { sampleCalendar(), "--title", "Orchard" } + options);
        QCOMPARE(page["userTitle"].toString(), QStringLiteral("Orchard"));
        QCOMPARE(page["cells"].toArray().size(), cells);
        QCOMPARE(page["objects"].toArray().size(), 2);
    }

    void aDamagedCalendarSaysSoAndIsNotFilledInPlace()
    {
        QVERIFY(!info({ sampleCalendar() }).contains("damaged"));
        // Cut inside the second label's record.
        const QString damaged = path(QStringLiteral("damaged.dwf"));
        const QByteArray cut = readFile(sampleCalendar()).chopped(12);
        writeFile(damaged, cut);
        const QString message
            = QStringLiteral("The calendar file %1 is damaged: only 1 placed object could be read.")
                  .arg(damaged);
        CliRun run = runCli({ "info", damaged }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.err), message + QLatin1Char('\n'));
        const QJsonObject described = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(described["damaged"].toBool(), true);
        QCOMPARE(described["objects"].toArray().size(), 1);

        writeFile(
            path(QStringLiteral("may.dax")), QByteArray("Rent").leftJustified(120, ' ') + "@0001     \r\n");
        run = runCli({ "fill", damaged, path(QStringLiteral("may.dax")) }, m_home.path());
        QVERIFY(run.exitCode > 0);
        QCOMPARE(QString::fromUtf8(run.err),
            message + " Not filled in place: give --out to save the filled calendar under another name.\n");
        QCOMPARE(readFile(damaged), cut);
        const QString out = path(QStringLiteral("filled.dwf"));
        run = runCli({ "fill", damaged, path(QStringLiteral("may.dax")), "--out", out }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        const QJsonObject filled = info({ out });
        QVERIFY(!filled.contains("damaged"));
        QCOMPARE(filled["objects"].toArray().size(), 1);
        QCOMPARE(filled["cells"][0]["text"].toString(), QStringLiteral("Sow beans\nWater\nRent"));
    }

    void newWritesACalendarFile()
    {
        const QString out = path(QStringLiteral("new.DWF"));
        const CliRun run
            = runCli({ "new", out, "--layout", "0", "--month", "2", "--year", "2028", "--title", "Leap" },
                m_home.path());
        QCOMPARE(run.exitCode, 0);
        CalendarPage page;
        QString error;
        QVERIFY2(CalendarFile::load(out, page, nullptr, &error), qPrintable(error));
        QCOMPARE(page.calendarLayout(), 0);
        QCOMPARE(page.mainCalYear(), 2028);
        QCOMPARE(page.userTitle(), QStringLiteral("Leap"));
        const QJsonObject described = info({ out });
        QCOMPARE(described["layout"].toInt(), 0);
        QCOMPARE(described["objects"].toArray().size(), 0);
    }

    void styleSheetsDescribedAndApplied()
    {
        CalendarPage look;
        look.setCalendarLayout(loFullCalendar);
        look.setTitleBGColor(0x00FFFF);
        look.setHeadersStyle(dsWhole);
        const QString style = path(QStringLiteral("yellow.dws"));
        QString error;
        QVERIFY(StyleSheetFile::save(style, look, &error));

        const QJsonObject described = info({ style });
        QCOMPARE(described["kind"].toString(), QStringLiteral("style"));
        QCOMPARE(described["version"].toInt(), 4);
        QCOMPARE(described["colors"]["titleBG"].toInt(), 0x00FFFF);

        const QJsonObject styled = info({ sampleCalendar(), "--style", style });
        QCOMPARE(styled["colors"]["titleBG"].toInt(), 0x00FFFF);
        QCOMPARE(styled["headersStyle"].toInt(), int(dsWhole));
        QCOMPARE(styled["userTitle"].toString(), QStringLiteral("Garden"));

        const QString out = path(QStringLiteral("styled.dwf"));
        QCOMPARE(runCli({ "new", out, "--style", style }, m_home.path()).exitCode, 0);
        const QJsonObject written = info({ out });
        QCOMPARE(written["colors"]["titleBG"].toInt(), 0x00FFFF);

        const QString picture = path(QStringLiteral("styled.png"));
        QCOMPARE(runCli({ "render", out, picture, "--style=" + style }, m_home.path()).exitCode, 0);
        QVERIFY(!QImage(picture).isNull());
    }

    void renderDrawsACalendarFile()
    {
        const QString picture = path(QStringLiteral("garden.png"));
        const CliRun run = runCli({ "render", sampleCalendar(), picture }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        const QImage image(picture);
        QVERIFY(!image.isNull());
        // The same layout without the file: same size, but no title or cell text.
        const QString plain = path(QStringLiteral("plain.png"));
        QCOMPARE(runCli({ "render", plain, "--month", "5", "--year", "2025" }, m_home.path()).exitCode, 0);
        const QImage other(plain);
        QCOMPARE(image.size(), other.size());
        QVERIFY(image != other);
    }

    void pageExtrasFromOptionsAndFiles()
    {
        const QStringList month { "--layout", "0", "--month", "1", "--year", "2021" };
        const QString out = path(QStringLiteral("extras.DWF"));
        QCOMPARE(runCli(QStringList { "new", out, "--week-numbers", "--shade-weekends", "--neighbour-days",
                            "--moon" }
                         + month,
                     m_home.path())
                     .exitCode,
            0);
        const QJsonObject saved = info({ out });
        QCOMPARE(saved["version"].toInt(), 5);
        const QJsonObject all { { "weekNumbers", true }, { "shadeWeekends", true }, { "neighbourDays", true },
            { "moonPhases", true }, { "shadeColor", 0xE0E0E0 } };
        QCOMPARE(saved["extras"].toObject(), all);
        // Without a file each switch is its own.
        const QJsonObject moonOnly = info(QStringList { "--moon" })["extras"].toObject();
        QVERIFY(moonOnly["moonPhases"].toBool() && !moonOnly["weekNumbers"].toBool()
            && !moonOnly["shadeWeekends"].toBool() && !moonOnly["neighbourDays"].toBool());

        // Drawn: shaded weekends in the picture, none without the option.
        const QString shaded = path(QStringLiteral("extras.png")), plain = path(QStringLiteral("plain0.png"));
        QCOMPARE(runCli({ "render", out, shaded }, m_home.path()).exitCode, 0);
        QCOMPARE(runCli(QStringList { "render", plain } + month, m_home.path()).exitCode, 0);
        const auto shadePixels = [](const QImage &image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += (image.pixel(x, y) & 0xFFFFFF) == 0xE0E0E0 ? 1 : 0;
            return count;
        };
        QVERIFY(shadePixels(QImage(shaded)) > 10000);
        QVERIFY(shadePixels(QImage(plain)) < 1000); // a few in the edges of letters

        // A damaged extras block: the calendar is described, the extras are off.
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes[bytes.size() - 7] = char(0x7F); // the switches (before the colour): no such bits
        QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
        file.close();
        const CliRun damaged = runCli({ "info", out }, m_home.path());
        QCOMPARE(damaged.exitCode, 0);
        QVERIFY2(damaged.err.contains("page extras"), damaged.err.constData());
        const QJsonObject kept = QJsonDocument::fromJson(damaged.out).object();
        QVERIFY(kept["extrasDamaged"].toBool());
        QCOMPARE(kept["date"]["year"].toInt(), 2021);
        QVERIFY(!kept["extras"]["weekNumbers"].toBool() && !kept["extras"]["moonPhases"].toBool());
    }

    void unreadableFilesFail_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("why"); // what follows the file name
        QTest::newRow("info rubbish") << QStringList { "info", "IN.dwf" } << QByteArray("rubbish")
                                      << ". Possibly corrupted, possibly not a Calendar file";
        QTest::newRow("info empty style") << QStringList { "info", "IN.DWS" } << QByteArray()
                                          << ". Possibly corrupted, possibly not a Calendar Style file";
        QTest::newRow("render truncated")
            << QStringList { "render", "IN.dwf", "OUT" } << QByteArray("\x01\x02\x04", 3)
            << ". Possibly corrupted, possibly not a Calendar file";
        QTest::newRow("style option")
            << QStringList { "new", "OUT", "--style", "IN.dws" } << QByteArray("\x01")
            << ". Possibly corrupted, possibly not a Calendar Style file";
        // A file that is not there says so, not that it may be damaged.
        QTest::newRow("missing") << QStringList { "info", "NONE.dwf" } << QByteArray()
                                 << ": No such file or directory";
        QTest::newRow("missing style") << QStringList { "render", "OUT", "--style", "NONE.dws" }
                                       << QByteArray() << ": No such file or directory";
    }

    void unreadableFilesFail()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, contents);
        QFETCH(QString, why);
        QTemporaryDir dir;
        QString in;
        const QString out = dir.filePath(arguments.contains("render") ? "out.png" : "out.dwf");
        writeFile(out, "previous contents");
        for (QString &argument : arguments) {
            if (argument.startsWith(QLatin1String("IN"))) {
                in = dir.filePath(argument.mid(2).prepend("in"));
                writeFile(in, contents);
                argument = in;
            } else if (argument.startsWith(QLatin1String("NONE"))) {
                in = argument = dir.filePath("none.dwf");
            } else if (argument == QLatin1String("OUT")) {
                argument = out;
            }
        }
        const CliRun run = runCli(arguments, m_home.path());
        QVERIFY(run.exitCode > 0);
        QCOMPARE(QString::fromUtf8(run.err).trimmed(), QStringLiteral("Unable to open %1%2").arg(in, why));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(readFile(out), QByteArray("previous contents"));
    }

    void newRefusesOtherNamesAndReportsFailedSaves()
    {
        CliRun run = runCli({ "new", path(QStringLiteral("x.png")) }, m_home.path());
        QVERIFY(run.exitCode > 0);
        QVERIFY(run.err.contains(".dwf"));
        const QString missing = path(QStringLiteral("no/folder/x.dwf"));
        run = runCli({ "new", missing }, m_home.path());
        QVERIFY(run.exitCode > 0);
        QCOMPARE(QString::fromUtf8(run.err).trimmed(),
            QStringLiteral("Cannot create file %1: No such file or directory").arg(missing));
    }
};

QTEST_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
