// The command-line tool, run as a separate process the way scripts use it.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "clirunner.h"
#include "iconlibraries.h"
#include "testfiles.h"

namespace {

QJsonArray rect(int l, int t, int r, int b)
{
    return { l, t, r, b };
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    QJsonObject info(const QStringList &options)
    {
        const CliRun run = runCli(QStringList { QStringLiteral("info") } + options, m_home.path());
        if (run.exitCode != 0)
            qWarning() << run.err;
        return QJsonDocument::fromJson(run.out).object();
    }

private slots:
    void infoDescribesTheDefaultStylePage()
    {
        const QJsonObject page = info({ "--month", "12", "--year", "2026", "--day", "7" });
        QCOMPARE(page["kind"].toString(), QStringLiteral("calendar"));
        QCOMPARE(page["version"].toInt(), 4);
        QCOMPARE(page["layout"].toInt(), 3);
        QCOMPARE(page["orientation"].toInt(), 1);
        QCOMPARE(page["margins"].toObject()["left"].toDouble(), 0.5);
        QCOMPARE(page["miniCalendarLineLayout"].toInt(), 1);
        QCOMPARE(page["miniHeadersBorder"].toInt(), 4); // top and bottom
        QCOMPARE(page["fonts"].toObject()["miniTitle"].toObject()["size"].toInt(), 10);
        QCOMPARE(page["startTime"].toString(), QStringLiteral("08:00"));
        QCOMPARE(page["date"].toObject()["day"].toInt(), 7);
        QCOMPARE(page["monthNames"].toArray().size(), 12);
        QCOMPARE(page["dayNames"].toArray().size(), 7);
        QVERIFY(page["cells"].toArray().isEmpty());
        QVERIFY(page["objects"].toArray().isEmpty());

        const QJsonObject geometry = page["geometry"].toObject();
        QCOMPARE(geometry["pageWidth"].toInt(), 1056);
        QCOMPARE(geometry["pageHeight"].toInt(), 816);
        QCOMPARE(geometry["minis"].toArray().size(), 2);
        QCOMPARE(geometry["minis"].toArray()[0].toObject()["month"].toInt(), 11);
        QCOMPARE(geometry["minis"].toArray()[1].toObject()["year"].toInt(), 2027);
    }

    void infoReportsGeometryAfterDrawing()
    {
        const QJsonObject page = info(
            { "--layout", "0", "--margins", "0.25,0.25,0.25,0.25", "--month", "12", "--year", "2026" });
        const QJsonObject geometry = page["geometry"].toObject();
        QCOMPARE(geometry["pageWidth"].toInt(), 816);
        QCOMPARE(geometry["pageHeight"].toInt(), 1056);
        QCOMPARE(geometry["pageRect"].toArray(), rect(24, 24, 792, 1032));
        QCOMPARE(geometry["calendarRect"].toArray(), rect(26, 26, 790, 1030));
        const QJsonArray cells = geometry["cells"].toArray();
        QCOMPARE(cells.size(), 42);
        // December 2026 starts on a Tuesday: day 1 in the third column.
        QCOMPARE(cells[1].toObject()["day"].toInt(), 0);
        QCOMPARE(cells[2].toObject()["day"].toInt(), 1);
        QCOMPARE(cells[32].toObject()["day"].toInt(), 31);
        QCOMPARE(cells[33].toObject()["day"].toInt(), 0);
        const QJsonArray first = cells[0].toObject()["rect"].toArray();
        const QJsonArray free = cells[0].toObject()["free"].toArray();
        QVERIFY(first[2].toInt() > first[0].toInt());
        QCOMPARE(free[0], first[0]);
        QVERIFY(free[1].toInt() > first[1].toInt()); // room kept for the number
    }

    void infoAppliesEveryOption()
    {
        const QJsonObject page = info({ "--layout", "4", "--paper", "a4", "--month", "1", "--year", "1998",
            "--week-start", "monday", "--language", "german", "--title", "Urlaub" });
        QCOMPARE(page["paperSize"].toInt(), 1);
        QCOMPARE(page["layout"].toInt(), 4);
        QCOMPARE(page["startOfWeek"].toInt(), 2);
        QCOMPARE(page["userTitle"].toString(), QStringLiteral("Urlaub"));
        QCOMPARE(page["monthNames"].toArray()[2].toString(), QStringLiteral("März"));
        QCOMPARE(page["dayNames"].toArray()[5].toString(), QStringLiteral("Freitag "));
        const QJsonObject geometry = page["geometry"].toObject();
        QCOMPARE(geometry["pageWidth"].toInt(), 793); // trunc(8.27 * 96)
        const QJsonArray minis = geometry["minis"].toArray();
        QCOMPARE(minis.size(), 12);
        QCOMPARE(minis[0].toObject()["month"].toInt(), 7);
        QCOMPARE(minis[0].toObject()["year"].toInt(), 1997);
        QCOMPARE(minis[11].toObject()["month"].toInt(), 7);
        QCOMPARE(minis[11].toObject()["year"].toInt(), 1998);
    }

    void dataNamesTheShippedAndTheUsersFolders()
    {
        const CliRun run = runCli({ "data" }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        const QJsonObject folders = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(folders["user"].toString(), QDir(m_home.path()).absolutePath());
        QVERIFY(QFileInfo(folders["shipped"].toString() + QStringLiteral("/Holidays/Germany.ics")).isFile());
    }

    void borderNamesMayCarryTheirExtension()
    {
        // Landscape layout 1 reads the .wls file whichever extension is typed.
        const QJsonObject page = info({ "--layout", "1", "--border", "Holly.wpo" });
        QCOMPARE(page["border"].toString(), QStringLiteral("Holly"));
    }

    void renderWritesPicturesWithoutMargins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << "page.png";
        QTest::newRow("bmp") << "page.BMP";
        QTest::newRow("jpg") << "page.jpg";
    }

    void renderWritesPicturesWithoutMargins()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString out = dir.filePath(name);
        const CliRun run = runCli(
            { "render", out, "--layout", "0", "--zoom", "0.601", "--margins", "0.25,0.25,0.25,0.25" },
            m_home.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QImage image(out);
        QVERIFY(!image.isNull());
        // trunc(96 * 0.25 * 0.601) = 14 cut from each side, then one pixel less.
        const int width = int(816 * 0.601f), height = int(1056 * 0.601f);
        QCOMPARE(image.width(), width - 14 - 14 - 1);
        QCOMPARE(image.height(), height - 14 - 14 - 1);
    }

    void renderWritesAPdfOfThePaperSize()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("page.pdf"));
        const CliRun run = runCli({ "render", out, "--layout", "1", "--paper", "a4" }, m_home.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QFile pdf(out);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY2(bytes.contains("/MediaBox [0 0 841") || bytes.contains("/MediaBox [0 0 842"),
            "an A4 landscape sheet");
    }

    // Icons are listed from their pictures' headers: a library naming one
    // huge picture from a quarter of a million icons lists at once instead
    // of decoding for half an hour. Any icon still comes out whole.
    void iconsAreListedAndExtracted_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("depth");
        QTest::newRow("our own writer's") << "own" << 2 << 32 << 32;
        QTest::newRow("one huge picture named by every icon") << "forged" << 262140 << 1024 << 32;
    }

    void iconsAreListedAndExtracted()
    {
        QFETCH(QString, library);
        QFETCH(int, count);
        QFETCH(int, side);
        QFETCH(int, depth);
        QTemporaryDir dir;
        const QString file = dir.filePath(library + QStringLiteral(".icl"));
        const QColor colour(0, 0, 200);
        if (library == QLatin1String("own")) {
            QVERIFY(writeIconLibrary(file, count, { Qt::red, colour }));
        } else {
            QImage picture(side, side, QImage::Format_ARGB32);
            picture.fill(colour);
            picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
            QByteArray png;
            QBuffer buffer(&png);
            QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
            writeFile(file, iconLibraryNamingOnePicture(count, png));
        }
        const CliRun list = runCli({ "icons", file }, m_home.path());
        QCOMPARE(list.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(list.out).object();
        QCOMPARE(json.value("count").toInt(), count);
        const QJsonArray icons = json.value("icons").toArray();
        QCOMPARE(icons.size(), count);
        QCOMPARE(icons.last().toObject(),
            (QJsonObject {
                { "index", count - 1 }, { "width", side }, { "height", side }, { "depth", depth } }));

        const QString out = dir.filePath(QStringLiteral("icon.png"));
        const CliRun extract
            = runCli({ "icons", file, "--extract", QString::number(count - 1), out }, m_home.path());
        QCOMPARE(extract.exitCode, 0);
        const QImage icon(out);
        QCOMPARE(icon.size(), QSize(side, side));
        QCOMPARE(icon.pixel(side / 2, side / 2), colour.rgb());
        if (library == QLatin1String("forged"))
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    }

    void badInputFailsWithOneLineAndKeepsFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("layout 22") << QStringList { "render", "OUT", "--layout", "22" } << "--layout";
        QTest::newRow("month 13") << QStringList { "render", "OUT", "--month", "13" } << "--month";
        QTest::newRow("month text") << QStringList { "render", "OUT", "--month", "May" } << "--month";
        QTest::newRow("paper") << QStringList { "render", "OUT", "--paper", "legal" } << "--paper";
        QTest::newRow("week start") << QStringList { "render", "OUT", "--week-start", "friday" }
                                    << "--week-start";
        QTest::newRow("language") << QStringList { "render", "OUT", "--language", "klingon" } << "--language";
        QTest::newRow("margins") << QStringList { "render", "OUT", "--margins", "1,2,3" } << "--margins";
        QTest::newRow("negative margin")
            << QStringList { "render", "OUT", "--margins", "1,-2,1,1" } << "--margins";
        QTest::newRow("zoom") << QStringList { "render", "OUT", "--zoom", "0" } << "--zoom";
        QTest::newRow("border") << QStringList { "render", "OUT", "--border", "NoSuchBorder" }
                                << "NoSuchBorder";
        QTest::newRow("border names the shipped ones")
            << QStringList { "render", "OUT", "--border", "NoSuchBorder" } << "Spring Flowers";
        QTest::newRow("unknown option") << QStringList { "render", "OUT", "--colour", "red" } << "colour";
        QTest::newRow("unknown command") << QStringList { "paint", "OUT" } << "paint";
        QTest::newRow("no command") << QStringList {} << "Usage";
        QTest::newRow("picture type") << QStringList { "render", "OUT.gif" } << ".png";
    }

    void badInputFailsWithOneLineAndKeepsFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("page.png"));
        {
            QFile existing(out);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("previous contents");
        }
        for (QString &argument : arguments) {
            if (argument.startsWith(QLatin1String("OUT")))
                argument = dir.filePath(QStringLiteral("page.png")).chopped(4) + argument.mid(3);
            if (argument.endsWith(QLatin1String("page")))
                argument = out;
        }
        const CliRun run = runCli(arguments, m_home.path());
        QVERIFY(run.exitCode > 0);
        const QString err = QString::fromUtf8(run.err);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY2(err.trimmed().split(QLatin1Char('\n')).first().contains(message), qPrintable(err));
        QFile existing(out);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("previous contents"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
