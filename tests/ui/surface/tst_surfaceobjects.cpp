// A calendar with a placed object of every kind, written by the real writer
// and opened in the real main window: the objects show over the page where
// their bounds at scale 1 put them at every zoom, a click on one never opens
// the cell editor, and the picture export and the command line draw them too.
#include "app/calendarmain.h"
#include "clirunner.h"
#include "mainwindowfixture.h"
#include "testfiles.h"

#include "document/pageprint.h"
#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"
#include "richtext/wprichtext.h"
#include "surface/calendarpanel32.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// One object per kind, each in a day cell of the second row; the third is
// unselectable and locked, which must keep the cell beneath it closed too.
constexpr int kFirstCell = 9;
const QStringList kKinds { "TVPLabel", "TVImage", "TVSuperText", "TVPRichBaseLabel", "TVFlatCalendar" };
// Kinds that frame their bounds in black (the clip art is given a border so
// that paper shows it too); the text kinds hug their text, and their
// drawing is tested in tests/core/objects.
bool framesItsBounds(const QString &kind)
{
    return kind == "TVImage" || kind == "TVPRichBaseLabel" || kind == "TVFlatCalendar";
}

TVGraphicControl *makeObject(const QString &kind, TComponent *owner)
{
    if (kind == "TVPLabel")
        return new TVPLabel(owner);
    if (kind == "TVImage") {
        auto *image = new TVImage(owner);
        image->setBorderStyle(bsSingle);
        return image;
    }
    if (kind == "TVSuperText")
        return new TVSuperText(owner);
    if (kind == "TVPRichBaseLabel")
        return new TVPRichBaseLabel(owner);
    return new TVFlatCalendar(owner, QDate(2026, 9, 1));
}

// The black outline of an object, also after the export's squeeze and JPEG
// have smeared it (the objects keep clear of the page's lines).
bool isFrame(QRgb pixel)
{
    return qGray(pixel) < 150;
}

bool frameNear(const QImage &image, const QPoint &at, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.rect().contains(at + QPoint(dx, dy)) && isFrame(image.pixel(at + QPoint(dx, dy))))
                return true;
    return false;
}

// Empty when each edge of box shows the frame (within radius) and the page
// beyond it, radius + 2 pixels out, does not.
QString frameMisfit(const QImage &image, const QRect &box, int radius)
{
    const QPoint c = box.center();
    const QList<QPair<QPoint, QPoint>> edges { { { box.left(), c.y() }, { -1, 0 } },
        { { box.right(), c.y() }, { 1, 0 } }, { { c.x(), box.top() }, { 0, -1 } },
        { { c.x(), box.bottom() }, { 0, 1 } } };
    for (const auto &[edge, out] : edges) {
        if (!frameNear(image, edge, radius))
            return QStringLiteral("no frame near %1,%2").arg(edge.x()).arg(edge.y());
        const QPoint beyond = edge + out * (radius + 2);
        if (image.rect().contains(beyond) && isFrame(image.pixel(beyond)))
            return QStringLiteral("frame at %1,%2").arg(beyond.x()).arg(beyond.y());
    }
    return {};
}

[[nodiscard]] QRect scaled(const QRect &bounds, float zoom)
{
    const auto at = [zoom](int v) { return int(v * double(zoom)); };
    return QRect(QPoint(at(bounds.left()), at(bounds.top())),
        QPoint(at(bounds.left() + bounds.width()) - 1, at(bounds.top() + bounds.height()) - 1));
}

QByteArray pdfContent(const QByteArray &pdf)
{
    QByteArray content;
    static const QRegularExpression streams(
        QStringLiteral("stream\r?\n(.*?)endstream"), QRegularExpression::DotMatchesEverythingOption);
    for (auto it = streams.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        QByteArray zlib = it.next().captured(1).toLatin1();
        zlib.prepend(QByteArray::fromHex("00010000")); // a size hint; qUncompress grows past it
        content += qUncompress(zlib);
    }
    return content;
}

} // namespace

class TestSurfaceObjects : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowEnvironment> m_environment;
    QString m_calendar;
    CalendarPage m_page; // as written, laid out at scale 1
    QList<QRect> m_bounds; // of the objects, at scale 1, in kKinds order

    [[nodiscard]] QRect cellAt1(int cell) const
    {
        const TRect r = m_page.cellTable()[size_t(cell - 1)].rect;
        return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    }
    std::unique_ptr<TCalendarMain> openAt(float zoom);
    QString exportMisfit(const QImage &picture, float zoom) const;

private slots:
    void initTestCase();
    void cleanupTestCase() { m_environment.reset(); }
    void shownOverThePage_data();
    void shownOverThePage();
    void clicksOnObjectsStayOffCells_data();
    void clicksOnObjectsStayOffCells();
    void pictureExport_data();
    void pictureExport();
    void commandLinePictures_data();
    void commandLinePictures();
    void commandLinePdf();
};

void TestSurfaceObjects::initTestCase()
{
    m_environment = std::make_unique<MainWindowEnvironment>();

    m_page.resetToDefaultStyle();
    m_page.setCalendarLayout(0);
    m_page.setMainCalMonth(9);
    m_page.setMainCalYear(2026);
    m_page.recordCellTable(1.0f);
    TComponent objects;
    for (int i = 0; i < kKinds.size(); ++i) {
        const QRect cell = cellAt1(kFirstCell + i);
        m_bounds << QRect(cell.left() + 10, cell.center().y(), cell.width() - 20, cell.height() / 2 - 6);
        TVGraphicControl *object = makeObject(kKinds[i], &objects);
        object->setParent(&objects);
        object->setName(QStringLiteral("Special%1").arg(i + 1));
        object->setBounds(m_bounds[i].x(), m_bounds[i].y(), m_bounds[i].width(), m_bounds[i].height());
        object->setUnselectable(i == 2);
        object->setLocked(i == 2);
    }
    m_calendar = m_environment->path(QStringLiteral("Objects.DWF"));
    QString error;
    QVERIFY2(CalendarFile::save(m_calendar, m_page, &objects, &error), qPrintable(error));
}

std::unique_ptr<TCalendarMain> TestSurfaceObjects::openAt(float zoom)
{
    auto main = std::make_unique<TCalendarMain>();
    if (!showSettled(*main))
        return {};
    main->OpenCalendarFile(m_calendar);
    main->calendarPanel()->SetScale(zoom);
    main->calendarPanel()->repaint(); // records the cell table clicks are looked up in
    return main;
}

void TestSurfaceObjects::shownOverThePage_data()
{
    QTest::addColumn<float>("zoom");
    QTest::newRow("60%") << 0.601f;
    QTest::newRow("100%") << 1.0f;
    QTest::newRow("200%") << 2.0f;
}

void TestSurfaceObjects::shownOverThePage()
{
    QFETCH(float, zoom);
    const auto main = openAt(zoom);
    QVERIFY(main && main->pageShown());
    const auto &children = main->placedObjects().children();
    QCOMPARE(int(children.size()), kKinds.size());
    const QImage shown = main->calendarPanel()->grab().toImage();
    for (int i = 0; i < kKinds.size(); ++i) {
        const auto *object = dynamic_cast<const TVGraphicControl *>(children[size_t(i)]);
        QVERIFY(object);
        QCOMPARE(object->className(), kKinds[i]);
        QCOMPARE(object->boundsRect(),
            (TRect { m_bounds[i].left(), m_bounds[i].top(), m_bounds[i].left() + m_bounds[i].width(),
                m_bounds[i].top() + m_bounds[i].height() }));
        if (!framesItsBounds(kKinds[i]))
            continue;
        const QString misfit = frameMisfit(shown, scaled(m_bounds[i], zoom), 1);
        QVERIFY2(misfit.isEmpty(), qPrintable(kKinds[i] + ": " + misfit));
    }
}

void TestSurfaceObjects::clicksOnObjectsStayOffCells_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<int>("pressOn"); // object index, or -1 for the empty top of the first object's cell
    QTest::addColumn<int>("releaseOn"); // the same; -2 for an empty cell of the next row
    QTest::addColumn<bool>("editorOpens");
    for (const float zoom : { 0.601f, 1.0f }) {
        const QByteArray z = QByteArray::number(int(zoom * 100)) + "%: ";
        QTest::newRow(z + "object") << zoom << 0 << 0 << false;
        QTest::newRow(z + "unselectable object") << zoom << 2 << 2 << false;
        QTest::newRow(z + "pressed on an object, released off it") << zoom << 0 << -1 << false;
        QTest::newRow(z + "pressed off, released on an object") << zoom << -1 << 0 << false;
        QTest::newRow(z + "same cell, off the object") << zoom << -1 << -1 << true;
        QTest::newRow(z + "cell without an object") << zoom << -2 << -2 << true;
    }
}

void TestSurfaceObjects::clicksOnObjectsStayOffCells()
{
    QFETCH(float, zoom);
    QFETCH(int, pressOn);
    QFETCH(int, releaseOn);
    QFETCH(bool, editorOpens);
    const auto main = openAt(zoom);
    QVERIFY(main);
    const auto pointFor = [&](int target) {
        const QRect cell = cellAt1(kFirstCell + 7);
        const QPoint at1 = target >= 0 ? m_bounds[target].center()
            : target == -1             ? cellAt1(kFirstCell).topLeft() + QPoint(10, 10)
                                       : cell.center();
        return QPoint(int(at1.x() * zoom), int(at1.y() * zoom));
    };
    TCalendarPanel32 *panel = main->calendarPanel();
    QVERIFY(main->cellEditor()->isHidden());
    QTest::mousePress(panel, Qt::LeftButton, {}, pointFor(pressOn));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, pointFor(releaseOn));
    QCOMPARE(main->cellEditor()->isVisible(), editorOpens);
}

// Where the margins are cut off and the rest squeezed by one pixel.
QString TestSurfaceObjects::exportMisfit(const QImage &picture, float zoom) const
{
    const CalendarAttributes &a = m_page.attributes();
    const QSize full = m_page.controlSizeAt(zoom);
    const int left = int(96 * a.leftMarginInch * zoom);
    const int top = int(96 * a.topMarginInch * zoom);
    const double sx = double(picture.width()) / (full.width() - int(96 * a.rightMarginInch * zoom) - left);
    const double sy = double(picture.height()) / (full.height() - int(96 * a.bottomMarginInch * zoom) - top);
    for (int i = 0; i < kKinds.size(); ++i) {
        if (!framesItsBounds(kKinds[i]))
            continue;
        const QRect r = scaled(m_bounds[i], zoom).translated(-left, -top);
        const QRect box(
            QPoint(int(r.left() * sx), int(r.top() * sy)), QPoint(int(r.right() * sx), int(r.bottom() * sy)));
        const QString misfit = frameMisfit(picture, box, 2);
        if (!misfit.isEmpty())
            return kKinds[i] + ": " + misfit;
    }
    return {};
}

void TestSurfaceObjects::pictureExport_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<bool>("jpeg");
    QTest::newRow("BMP at 60%") << 0.601f << false;
    QTest::newRow("BMP at 100%") << 1.0f << false;
    QTest::newRow("JPG at 100%") << 1.0f << true;
}

void TestSurfaceObjects::pictureExport()
{
    QFETCH(float, zoom);
    QFETCH(bool, jpeg);
    const auto main = openAt(zoom);
    QVERIFY(main);
    const QString out
        = m_environment->path(jpeg ? QStringLiteral("Export.JPG") : QStringLiteral("Export.BMP"));
    m_environment->dialogs.saveNames << out;
    (jpeg ? main->menus().mnuSaveAsJPG : main->menus().mnuSaveAsBitmap)->trigger();
    const QImage picture(out);
    QVERIFY2(!picture.isNull(), qPrintable(m_environment->messageTexts().join('\n')));
    const QString misfit = exportMisfit(picture, zoom);
    QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
}

void TestSurfaceObjects::commandLinePictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("zoom");
    QTest::newRow("PNG at 100%") << QStringLiteral("Render.png") << 1.0f;
    QTest::newRow("PNG at 60%") << QStringLiteral("Render60.png") << 0.601f;
    QTest::newRow("JPG at 150%") << QStringLiteral("Render.jpg") << 1.5f;
}

void TestSurfaceObjects::commandLinePictures()
{
    QFETCH(QString, name);
    QFETCH(float, zoom);
    const QString out = m_environment->path(name);
    const CliRun run
        = runCli({ "render", m_calendar, out, "--zoom", QString::number(zoom) }, m_environment->home.path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QImage picture(out);
    QVERIFY(!picture.isNull());
    const QString misfit = exportMisfit(picture, zoom);
    QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
}

void TestSurfaceObjects::commandLinePdf()
{
    // Vectors at the PDF's resolution: each object's edges at scale 1 times
    // dots per page pixel, truncated as every display rectangle is.
    const double k = PagePrint::kPdfDotsPerInch / 96.0;
    const auto number = [k](int edge) { return QString::number(int(edge * k)); };
    const QString out = m_environment->path(QStringLiteral("Render.pdf"));
    const CliRun run = runCli({ "render", m_calendar, out }, m_environment->home.path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QByteArray content = pdfContent(readFile(out));
    for (int i = 0; i < kKinds.size(); ++i) {
        if (!framesItsBounds(kKinds[i]))
            continue;
        // Each drawing is clipped to the object's rectangle.
        const QRect &b = m_bounds[i];
        const QByteArray frame = QStringLiteral("%1 %2 m\n%3 %2 l\n%3 %4 l\n%1 %4 l")
                                     .arg(number(b.left()), number(b.top()), number(b.left() + b.width()),
                                         number(b.top() + b.height()))
                                     .toLatin1();
        QVERIFY2(content.contains(frame), frame.constData());
    }
}

QTEST_MAIN(TestSurfaceObjects)
#include "tst_surfaceobjects.moc"
