// Drawing speed of a page's placed objects at 100%: 20 clip-art metafiles
// (the busy test drawings, or the shipped clip art), 2 rich-text labels and
// 3 floating calendars over a Letter page. The first
// paint starts from objects just read (nothing drawn yet); the repaint draws
// the same objects again, as the surface does on every exposed window.
// Prints the median of 15 runs of each.
#include "objects/placedobjects.h"
#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vprichbaselabel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>

namespace {

constexpr int kRuns = 15;

QString fidelityFile(const char *name)
{
    return QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/../tests/core/metafile/data/fidelity/")
        + QLatin1String(name);
}

void addClipArt(TComponent &page)
{
    const char *files[] = { "clipart.wmf", "lines.wmf", "curves.wmf", "fills.wmf", "text.wmf" };
    for (int i = 0; i < 20; ++i) {
        auto *image = new TVImage(&page);
        image->setParent(&page);
        QString error;
        if (!image->loadPictureFile(fidelityFile(files[i % 5]), &error))
            qFatal("%s", qPrintable(error));
        image->setBounds(20 + (i % 5) * 150, 20 + (i / 5) * 150, 120, 120);
    }
}

// The twenty largest metafiles of the clip art that ships with the program.
void addShippedClipArt(TComponent &page)
{
    const QFileInfoList files = QDir(QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/ClipArt"))
                                    .entryInfoList({ QStringLiteral("*.wmf") }, QDir::Files, QDir::Size);
    if (files.size() < 20)
        qFatal("the shipped clip art is missing");
    for (int i = 0; i < 20; ++i) {
        auto *image = new TVImage(&page);
        image->setParent(&page);
        QString error;
        if (!image->loadPictureFile(files[i].filePath(), &error))
            qFatal("%s", qPrintable(error));
        image->setBounds(20 + (i % 5) * 150, 20 + (i / 5) * 150, 120, 120);
    }
}

void addRichLabels(TComponent &page)
{
    TWPRtfStorage text;
    text.setRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}{\\colortbl;\\red0\\green0\\blue160;}"
        "\\f1\\fs36\\qc\\cf1 Family \\b Reunion\\b0\\par\\f0\\fs20\\ql\\cf0 Saturday at the lake, "
        "bring a dish to share and your swimming things.\\par}");
    for (int i = 0; i < 2; ++i) {
        auto *label = new TVPRichBaseLabel(&page);
        label->setParent(&page);
        label->setRTFText(text);
        label->setTransparent(i == 0);
        label->setBounds(40 + i * 380, 640, 340, 90);
    }
}

void addFloatingCalendars(TComponent &page)
{
    for (int i = 0; i < 3; ++i) {
        auto *calendar = new TVFlatCalendar(&page, QDate(2025, 5 + i, 1));
        calendar->setParent(&page);
        calendar->setCellBorderStyle(fcbAll);
        calendar->setShadowDepth(3);
        calendar->setBounds(40 + i * 250, 780, 220, 180);
    }
}

using Filler = void (*)(TComponent &);

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double processCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timing
{
    double wall = 0;
    double cpu = 0; // processor time of every thread, which other loads leave alone
};

// Milliseconds of one paint of the objects over a white Letter page.
Timing timePaint(const TComponent &page, QImage &target)
{
    target.fill(Qt::white);
    QPainter painter(&target);
    QElapsedTimer timer;
    const double cpu = processCpuMs();
    timer.start();
    PlacedObjects::paint(painter, page, 1.0f);
    return { timer.nsecsElapsed() / 1e6, processCpuMs() - cpu };
}

} // namespace

Q_DECLARE_METATYPE(QVector<Filler>)

class BenchObjects : public QObject
{
    Q_OBJECT

private slots:
    void firstPaintAndRepaint_data();
    void firstPaintAndRepaint();
};

void BenchObjects::firstPaintAndRepaint_data()
{
    QTest::addColumn<QVector<Filler>>("fillers");
    QTest::newRow("whole page") << QVector<Filler> { addClipArt, addRichLabels, addFloatingCalendars };
    QTest::newRow("whole page, shipped clip art")
        << QVector<Filler> { addShippedClipArt, addRichLabels, addFloatingCalendars };
    QTest::newRow("clip art alone") << QVector<Filler> { addClipArt };
    QTest::newRow("shipped clip art alone") << QVector<Filler> { addShippedClipArt };
    QTest::newRow("rich labels alone") << QVector<Filler> { addRichLabels };
    QTest::newRow("floating calendars alone") << QVector<Filler> { addFloatingCalendars };
}

void BenchObjects::firstPaintAndRepaint()
{
    QFETCH(QVector<Filler>, fillers);
    QImage target(816, 1056, QImage::Format_RGB32);
    std::vector<double> first, firstCpu, again, againCpu;
    for (int run = 0; run < kRuns; ++run) {
        auto page = std::make_unique<TComponent>();
        for (Filler fill : fillers)
            fill(*page);
        const Timing one = timePaint(*page, target);
        const Timing two = timePaint(*page, target);
        first.push_back(one.wall);
        firstCpu.push_back(one.cpu);
        again.push_back(two.wall);
        againCpu.push_back(two.cpu);
    }
    qInfo("first paint: median %.2f ms, processor %.2f ms (whole page: target 16 ms)", median(first),
        median(firstCpu));
    qInfo("repaint:     median %.2f ms, processor %.2f ms (whole page: target 4 ms)", median(again),
        median(againCpu));
}

QTEST_MAIN(BenchObjects)
#include "bench_objects.moc"
