// The program's pictures: every drawing legible at the sizes buttons and
// menus use and drawn afresh for large ones, the desktop's theme taking
// precedence where it has the picture, and help pages showing them.
#include "picturecheck.h"
#include "widgets/helpviewer.h"
#include "widgets/pictures.h"

#include <QDir>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

// The share of the square the drawing covers.
double inkShare(const QImage &image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qAlpha(image.pixel(x, y)) > 128;
    return double(ink) / (image.width() * image.height());
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void init() { QIcon::setThemeName(QString()); }

    void everyDrawingIsLegibleAndDrawnForLargeSizes()
    {
        const QStringList names = Pictures::ownNames();
        QVERIFY(names.size() >= 50);
        for (const QString &name : names) {
            QVERIFY2(QSvgRenderer(QStringLiteral(":/icons/%1.svg").arg(name)).isValid(), qPrintable(name));
            const QIcon icon = Pictures::ownIcon(name);
            for (int size : { 16, 24, 32 }) {
                // A picture too faint to tell, or a filled square, is a broken drawing.
                const double share = inkShare(PictureCheck::drawnAt(icon, size));
                QVERIFY2(
                    share > 0.08 && share < 0.97, qPrintable(QStringLiteral("%1 at %2").arg(name).arg(size)));
            }
            QVERIFY2(PictureCheck::sharpAt32(icon), qPrintable(name));
        }
        QVERIFY(Pictures::ownIcon(QStringLiteral("no-such-picture")).isNull());
    }

    void darkPalettesGetLightInk()
    {
        // Opaque pixels of the drawing that pass test, out of all opaque ones.
        const auto share = [](const QImage &drawn, auto test) {
            const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
            int opaque = 0;
            int passing = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (qAlpha(pixel) < 128)
                        continue;
                    ++opaque;
                    passing += test(pixel);
                }
            return opaque ? double(passing) / opaque : 0.0;
        };
        const QColor outline(0x2e, 0x3b, 0x4e);
        const auto isOutline = [&](QRgb pixel) {
            return qAbs(qRed(pixel) - outline.red()) < 6 && qAbs(qGreen(pixel) - outline.green()) < 6
                && qAbs(qBlue(pixel) - outline.blue()) < 6;
        };
        const auto isLight = [](QRgb pixel) { return qGray(pixel) > 170; };
        const QPalette light = QGuiApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
        int outlined = 0;
        for (const QString &name : Pictures::ownNames()) {
            if (name == QLatin1String("datewright") || name == QLatin1String("datewright-16"))
                continue; // the program's own icon keeps its colours on every desktop
            const QIcon icon = Pictures::ownIcon(name);
            const bool hasOutline = share(PictureCheck::drawnAt(icon, 32), isOutline) > 0.05;
            outlined += hasOutline;
            // The same icon object follows the palette it is drawn under.
            QGuiApplication::setPalette(dark);
            const QImage onDark = PictureCheck::drawnAt(icon, 32);
            QGuiApplication::setPalette(light);
            QVERIFY2(share(onDark, isOutline) < 0.01, qPrintable(name));
            QVERIFY2(!hasOutline || share(onDark, isLight) > 0.05, qPrintable(name));
        }
        QVERIFY2(outlined >= 20, "the light palette's drawings carry dark outlines");
    }

    void theDesktopThemeComesFirst()
    {
        QTemporaryDir themes;
        QDir(themes.path()).mkpath(QStringLiteral("plain/16x16/actions"));
        QFile index(themes.filePath(QStringLiteral("plain/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=plain\nDirectories=16x16/actions\n\n"
                    "[16x16/actions]\nSize=16\nType=Fixed\n");
        index.close();
        QImage magenta(16, 16, QImage::Format_ARGB32);
        magenta.fill(Qt::magenta);
        QVERIFY(magenta.save(themes.filePath(QStringLiteral("plain/16x16/actions/zoom-in.png"))));
        const QStringList searchPaths = QIcon::themeSearchPaths();
        QIcon::setThemeSearchPaths({ themes.path() });
        QIcon::setThemeName(QStringLiteral("plain"));

        const auto centre = [](const QString &name) {
            return QColor(Pictures::icon(name).pixmap(16, 16).toImage().pixel(8, 8));
        };
        QCOMPARE(centre(QStringLiteral("zoom-in")), QColor(Qt::magenta));
        // A picture the theme lacks is ours; so is one only this program has.
        QCOMPARE(Pictures::icon(QStringLiteral("zoom-out")).pixmap(16, 16).toImage(),
            Pictures::ownIcon(QStringLiteral("zoom-out")).pixmap(16, 16).toImage());
        QVERIFY(centre(QStringLiteral("datewright-tool-supertext")) != QColor(Qt::magenta));

        QIcon::setThemeName(QString());
        QIcon::setThemeSearchPaths(searchPaths);
        QVERIFY(centre(QStringLiteral("zoom-in")) != QColor(Qt::magenta));
    }

    void helpPagesShowTheButtonsPictures()
    {
        const QDir folder = QFileInfo(HelpViewer::contentsFile()).dir();
        const QRegularExpression picture(QStringLiteral("src=\"picture:([^\"]+)\""));
        const QStringList names = Pictures::ownNames();
        int shown = 0;
        for (const QString &page : folder.entryList({ "*.html" })) {
            QFile file(folder.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (auto match = picture.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();
                 ++shown) {
                const QString name = match.next().captured(1);
                QVERIFY2(names.contains(name), qPrintable(page + " shows unknown picture " + name));
            }
        }
        QVERIFY(shown >= 10);
        // The viewer draws them, at the size of a line of text.
        HelpViewer::ShowHelpContents();
        auto *browser = HelpViewer::instance().findChild<QTextBrowser *>();
        const QImage image
            = browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture:zoom-in")))
                  .value<QImage>();
        QCOMPARE(image.size() / image.devicePixelRatio(), QSize(16, 16));
        HelpViewer::instance().hide();
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
