// The SuperText's three dialogs on real widgets and real files: the
// properties dialog trying everything on its preview (only the current
// surface's group shown, the refit 200 ms after typing, the size steps, no
// OK without text, the object taking the letters' look but never its
// background, border or size), the symbol picker, and the texture browser
// with its start folders and the files it loads.
#include "modalanswer.h"
#include "scripteddialogs.h"
#include "textobjects/supertextbrushimagebrowser.h"
#include "textobjects/supertextgetsymbol.h"
#include "textobjects/supertextproperties.h"
#include "textobjects/symbolgrid.h"
#include "widgets/colorbutton.h"
#include "widgets/helpviewer.h"

#include "objects/vsupertext.h"
#include "platform/datafolder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

std::unique_ptr<TVSuperText> placedText()
{
    auto text = std::make_unique<TVSuperText>();
    text->setBounds(50, 60, 400, 90);
    text->setCaption(QStringLiteral("June"));
    text->setBorderStyle(bsSingle);
    text->setControlTransparent(false);
    text->setBGColor(0x00FFFF);
    text->setShadowDepth(3);
    text->setFillDirection(gdDown);
    text->setOutlineStyle(psDash);
    text->setOutlineWidth(2);
    return text;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QImage checkerboard(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x / 4 + y / 4) % 2 ? qRgb(200, 0, 0) : qRgb(0, 0, 200));
    return image;
}

} // namespace

class TestSuperTextDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void propertiesStartFromTheObject();
    void onlyTheSurfacesGroupShows_data();
    void onlyTheSurfacesGroupShows();
    void typingRefitsAfterAPause();
    void fontSizeSteps_data();
    void fontSizeSteps();
    void okNeedsText();
    void objectTakesTheLettersOnly_data();
    void objectTakesTheLettersOnly();
    void symbolFaces();
    void symbolChosenBecomesTheText();
    void textureStartFolder_data();
    void textureStartFolder();
    void texturesLoaded_data();
    void texturesLoaded();
    void textureTakenByThePreview();
    void helpButtonsOpenTheirPages();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CommonDialogs::Override> m_answers;
};

void TestSuperTextDialogs::initTestCase()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    qputenv("DATEWRIGHT_HOME", m_home->path().toUtf8());
    QVERIFY(DataFolder::ensureInitialized());
    m_answers = std::make_unique<CommonDialogs::Override>(m_dialogs);
    const QString pictures = m_home->filePath(QStringLiteral("Pictures"));
    QVERIFY(QDir().mkpath(pictures));
    QVERIFY(checkerboard(QSize(16, 16)).save(pictures + "/check.bmp", "BMP"));
    QVERIFY(checkerboard(QSize(24, 24)).save(pictures + "/Check.JPG", "JPG"));
    QVERIFY(checkerboard(QSize(32, 32)).save(pictures + "/star.ico", "ICO"));
    writeFile(pictures + "/broken.bmp", "BM not a bitmap");
    writeFile(pictures + "/broken.tga", "not a targa");
    writeFile(pictures + "/vector.wmf", "not listed");
}

void TestSuperTextDialogs::propertiesStartFromTheObject()
{
    const auto text = placedText();
    text->adoptScale(2.0f); // placed at 200%: the preview is the size at 100%
    TSuperTextProperties dialog(*text);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("SuperText Properties"));
    QCOMPARE(QSize(dialog.preview().width(), dialog.preview().height()), QSize(200, 45));
    QCOMPARE(
        dialog.findChild<QComboBox *>("SurfaceTypeCombo")->currentText(), QStringLiteral("Gradient Fill"));
    QCOMPARE(dialog.findChild<QComboBox *>("FillDirectionCombo")->currentText(), QStringLiteral("Down"));
    QCOMPARE(dialog.findChild<ColorButton *>("GradientFromcolorButton")->color(), QColor(Qt::blue));
    QCOMPARE(dialog.findChild<ColorButton *>("GradientToColorButton")->color(), QColor(Qt::yellow));
    QCOMPARE(dialog.findChild<QComboBox *>("OutlineStyleCombo")->currentText(), QStringLiteral("Dash Line"));
    QCOMPARE(dialog.findChild<QSpinBox *>("OutLineWidthSpinner")->value(), 2);
    QCOMPARE(dialog.findChild<QComboBox *>("ShadowOrientationCombo")->currentText(),
        QStringLiteral("Down and Right"));
    QCOMPARE(dialog.findChild<QSpinBox *>("ShadowDepthSpinner")->value(), 3);
    auto *caption = dialog.findChild<QLineEdit *>("CaptionText");
    QCOMPARE(caption->text(), QStringLiteral("June"));
    QCOMPARE(caption->font().family(), QStringLiteral("Arial"));
    QCOMPARE(dialog.findChild<QLabel *>("FontSizeLabel")->text(), QStringLiteral("48 pt"));
    // Before any texture is chosen one of the shipped ones stands ready.
    QVERIFY(!dialog.thumbnail().isNull());
}

void TestSuperTextDialogs::onlyTheSurfacesGroupShows_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("group");
    QTest::newRow("normal") << int(stNormal) << "Font Color";
    QTest::newRow("transparent") << int(stBrushTransparent) << QString();
    QTest::newRow("texture") << int(stBrushImage) << "Load Texture";
    QTest::newRow("gradient") << int(stGradientFill) << "Gradient";
}

void TestSuperTextDialogs::onlyTheSurfacesGroupShows()
{
    QFETCH(int, type);
    QFETCH(QString, group);
    const auto text = placedText();
    text->setOutlineStyle(psClear);
    TSuperTextProperties dialog(*text);
    dialog.show();
    auto *surface = dialog.findChild<QComboBox *>("SurfaceTypeCombo");
    surface->setCurrentIndex(type == stNormal ? stBrushImage : stNormal);
    surface->setCurrentIndex(type);
    QCOMPARE(int(dialog.preview().surfaceType()), type);
    for (const char *name : { "Font Color", "Load Texture", "Gradient" }) {
        QGroupBox *box = nullptr;
        for (QGroupBox *candidate : dialog.findChildren<QGroupBox *>())
            box = candidate->title() == QLatin1String(name) ? candidate : box;
        QCOMPARE(box->isVisible(), group == QLatin1String(name));
    }
    // Texture takes the thumbnail's picture; hollow letters keep an outline.
    QCOMPARE(dialog.preview().image().isEmpty(), type != stBrushImage);
    if (type == stBrushImage)
        QCOMPARE(dialog.preview().image().image(), dialog.thumbnail().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(dialog.findChild<QComboBox *>("OutlineStyleCombo")->currentText(),
        type == stBrushTransparent ? QStringLiteral("Solid Line") : QStringLiteral("Clear"));
}

void TestSuperTextDialogs::typingRefitsAfterAPause()
{
    const auto text = placedText();
    TSuperTextProperties dialog(*text);
    const int before = dialog.preview().width();
    dialog.findChild<QLineEdit *>("CaptionText")->setText(QStringLiteral("Summer holidays"));
    QCOMPARE(dialog.preview().caption(), QStringLiteral("Summer holidays"));
    QVERIFY(dialog.refitPending());
    QCOMPARE(dialog.preview().width(), before); // not while typing
    QTRY_VERIFY(!dialog.refitPending());
    const SuperTextLayout layout = dialog.preview().layoutAt(1.0f);
    QCOMPARE(dialog.preview().shownCaption(layout, 1.0f), QStringLiteral("Summer holidays"));
    QVERIFY(dialog.preview().width() > before);
}

void TestSuperTextDialogs::fontSizeSteps_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("after");
    QTest::newRow("12 down") << 12 << false << 7;
    QTest::newRow("10 down stays") << 10 << false << 10;
    QTest::newRow("148 up") << 148 << true << 153;
    QTest::newRow("150 up stays") << 150 << true << 150;
}

void TestSuperTextDialogs::fontSizeSteps()
{
    QFETCH(int, size);
    QFETCH(bool, up);
    QFETCH(int, after);
    const auto text = placedText();
    CalendarFont font = text->font();
    font.size = size;
    text->setFont(font);
    TSuperTextProperties dialog(*text);
    const int height = dialog.preview().height();
    auto *button = dialog.findChild<QToolButton *>(up ? "FontSizeUp" : "FontSizeDown");
    QCOMPARE(button->isEnabled(), after != size);
    dialog.stepFontSize(up);
    QCOMPARE(dialog.preview().font().size, after);
    QCOMPARE(dialog.findChild<QLabel *>("FontSizeLabel")->text(), QStringLiteral("%1 pt").arg(after));
    // Refitted at once, to the new size.
    QCOMPARE(dialog.preview().height() != height, after != size);
    QVERIFY(!dialog.refitPending());
}

void TestSuperTextDialogs::okNeedsText()
{
    const auto text = placedText();
    TSuperTextProperties dialog(*text);
    dialog.show();
    auto *caption = dialog.findChild<QLineEdit *>("CaptionText");
    caption->clear();
    m_dialogs.messages.clear();
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].title, QStringLiteral("Information"));
    QCOMPARE(m_dialogs.messages[0].text, QStringLiteral("Please enter some text"));
    caption->setText(QStringLiteral("July"));
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestSuperTextDialogs::objectTakesTheLettersOnly_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
}

void TestSuperTextDialogs::objectTakesTheLettersOnly()
{
    QFETCH(bool, ok);
    const auto text = placedText();
    QSignalSpy modified(text.get(), &TVGraphicControl::modified);
    answerModal<TSuperTextProperties>(
        [](TSuperTextProperties &dialog) {
            dialog.findChild<QComboBox *>("SurfaceTypeCombo")->setCurrentIndex(int(stNormal));
            dialog.findChild<ColorButton *>("FontColorButton")->setColor(Qt::red);
            dialog.findChild<QComboBox *>("ShadowOrientationCombo")->setCurrentIndex(int(sdLeft));
            dialog.findChild<ColorButton *>("OutlineColorButton")->setColor(Qt::green);
            dialog.findChild<QLineEdit *>("CaptionText")->setText(QStringLiteral("Jul"));
            // Tried on the preview only, never taken over.
            dialog.preview().setBGColor(0xFF0000);
            dialog.preview().setBorderStyle(bsNone);
        },
        ok);
    QCOMPARE(TSuperTextProperties::editProperties(*text), ok);
    QCOMPARE(text->surfaceType(), ok ? stNormal : stGradientFill);
    QCOMPARE(text->font().color, ok ? TColor(0x0000FF) : TColor(clBlack));
    QCOMPARE(text->shadowOrientation(), ok ? sdLeft : sdDownRight);
    QCOMPARE(text->outlineColor(), ok ? TColor(0x00FF00) : TColor(clBlack));
    QCOMPARE(text->caption(), ok ? QStringLiteral("Jul") : QStringLiteral("June"));
    QCOMPARE(text->bgColor(), TColor(0x00FFFF));
    QCOMPARE(text->borderStyle(), bsSingle);
    QCOMPARE(text->width(), 400);
    QCOMPARE(modified.isEmpty(), !ok);
}

void TestSuperTextDialogs::symbolFaces()
{
    const QStringList symbols = TSuperTextGetSymbol::symbolFonts();
    const QStringList all = TSuperTextGetSymbol::allFonts();
    for (const QString &face : symbols) {
        QVERIFY2(all.contains(face), qPrintable(face));
        QVERIFY(!face.contains(QLatin1Char('[')));
    }
    QVERIFY(all.contains(QStringLiteral("Liberation Sans")));
    QVERIFY(!symbols.contains(QStringLiteral("Liberation Sans")));
    // A symbol face offers its 224 codes; any other face what it has.
    const std::vector<char32_t> codes = TSuperTextGetSymbol::codesOf(QStringLiteral("AnyFace"), true);
    QCOMPARE(int(codes.size()), 224);
    QCOMPARE(int(codes.front()), 32);
    QCOMPARE(int(codes.back()), 255);
    const std::vector<char32_t> latin
        = TSuperTextGetSymbol::codesOf(QStringLiteral("Liberation Sans"), false);
    const auto has = [&latin](char32_t c) { return std::find(latin.begin(), latin.end(), c) != latin.end(); };
    QVERIFY(has(U'A') && has(U'\u20AC') && !has(0x80) && !has(0x1F));
    QVERIFY(latin.size() > 224);

    TSuperTextGetSymbol dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Symbol Selector"));
    QCOMPARE(dialog.showingAllFonts(), symbols.isEmpty());
    dialog.setShowingAllFonts(true);
    dialog.selectFont(QStringLiteral("Liberation Sans"));
    QCOMPARE(dialog.chosenFont(), QStringLiteral("Liberation Sans"));
    QCOMPARE(dialog.symbolList().codes(), latin);
    QVERIFY(dialog.chosenText().isEmpty());
}

void TestSuperTextDialogs::symbolChosenBecomesTheText()
{
    const auto text = placedText();
    TSuperTextProperties dialog(*text);
    // Pick the grid's 34th character of an ordinary face with the mouse,
    // by a double click that also closes the picker.
    answerModal<TSuperTextGetSymbol>(
        [](TSuperTextGetSymbol &picker) {
            picker.setShowingAllFonts(true);
            picker.selectFont(QStringLiteral("Liberation Serif"));
            SymbolGrid &grid = picker.symbolList();
            QTest::mouseDClick(&grid, Qt::LeftButton, {}, grid.cellRect(33).center());
        },
        true);
    dialog.chooseSymbol();
    QCOMPARE(dialog.preview().caption(), QStringLiteral("A"));
    QCOMPARE(dialog.preview().font().name, QStringLiteral("Liberation Serif"));
    QCOMPARE(dialog.findChild<QLineEdit *>("CaptionText")->text(), QStringLiteral("A"));
    QCOMPARE(
        dialog.findChild<QLineEdit *>("CaptionText")->font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(dialog.preview().shownCaption(dialog.preview().layoutAt(1.f), 1.f), QStringLiteral("A"));
    // Cancelled, nothing changes.
    answerModal<TSuperTextGetSymbol>({}, false);
    dialog.chooseSymbol();
    QCOMPARE(dialog.preview().caption(), QStringLiteral("A"));
}

void TestSuperTextDialogs::textureStartFolder_data()
{
    QTest::addColumn<QString>("lastFile"); // relative to the data folder
    QTest::addColumn<bool>("bmbrush");
    QTest::addColumn<QString>("folder");
    QTest::newRow("last file") << "Pictures/check.bmp" << true << "Pictures";
    QTest::newRow("last file gone") << "Pictures/gone.bmp" << false << "Textures";
    QTest::newRow("bmbrush first") << QString() << true << "bmbrush";
}

void TestSuperTextDialogs::textureStartFolder()
{
    QFETCH(QString, lastFile);
    QFETCH(bool, bmbrush);
    QFETCH(QString, folder);
    const QDir home(m_home->path());
    if (bmbrush)
        QVERIFY(home.mkpath(QStringLiteral("BMBrush")));
    const QString last = lastFile.isEmpty() ? QString() : home.filePath(lastFile);
    const QString start = TSuperTextBrushImageBrowser::startFolder(last);
    QCOMPARE(start.compare(home.filePath(folder), Qt::CaseInsensitive), 0);
    const auto text = placedText();
    TSuperTextBrushImageBrowser browser(*text, last);
    QCOMPARE(browser.windowTitle(), QStringLiteral("Load Texture Image"));
    QCOMPARE(browser.folder(), start);
    if (folder == QLatin1String("Textures"))
        QCOMPARE(browser.fileNames().size(), 8); // the shipped textures
    QVERIFY(home.rmpath(QStringLiteral("BMBrush")) || !bmbrush);
}

void TestSuperTextDialogs::texturesLoaded_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size"); // empty: no texture
    QTest::addColumn<bool>("reported");
    QTest::newRow("bitmap") << "check.bmp" << QSize(16, 16) << false;
    QTest::newRow("jpeg, upper-case extension") << "Check.JPG" << QSize(24, 24) << false;
    QTest::newRow("icon, drawn into a bitmap") << "star.ico" << QSize(32, 32) << false;
    QTest::newRow("broken bitmap") << "broken.bmp" << QSize() << true;
    QTest::newRow("broken targa, quietly") << "broken.tga" << QSize() << false;
}

void TestSuperTextDialogs::texturesLoaded()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, reported);
    const auto text = placedText();
    TSuperTextBrushImageBrowser browser(*text, QString());
    browser.setFolder(m_home->filePath(QStringLiteral("Pictures")));
    QCOMPARE(browser.fileNames(),
        (QStringList { "broken.bmp", "broken.tga", "check.bmp", "Check.JPG", "star.ico" }));
    browser.selectFile(QStringLiteral("check.bmp"));
    m_dialogs.messages.clear();
    QCOMPARE(browser.selectFile(name), !size.isEmpty());
    QCOMPARE(browser.texture().size(), size.isEmpty() ? QSize(0, 0) : size);
    QCOMPARE(browser.example().image().size(), browser.texture().size());
    QCOMPARE(m_dialogs.messages.size(), reported ? 1 : 0);
    if (reported)
        QCOMPARE(m_dialogs.messages[0].text, QStringLiteral("Error loading file!"));
}

void TestSuperTextDialogs::textureTakenByThePreview()
{
    const auto text = placedText();
    text->setSurfaceType(stBrushImage);
    TSuperTextProperties dialog(*text);
    const QString folder = m_home->filePath(QStringLiteral("Pictures"));
    answerModal<TSuperTextBrushImageBrowser>(
        [folder](TSuperTextBrushImageBrowser &browser) {
            browser.setFolder(folder);
            browser.selectFile(QStringLiteral("check.bmp"));
        },
        true);
    dialog.loadTexture();
    QCOMPARE(dialog.preview().image().size(), QSize(16, 16));
    QCOMPARE(dialog.thumbnail().size(), QSize(16, 16));
    QCOMPARE(dialog.preview().lastBitmapFileNameandPath(), QDir(folder).filePath("check.bmp"));
    // The next browser opens on it.
    answerModal<TSuperTextBrushImageBrowser>(
        [folder](TSuperTextBrushImageBrowser &browser) { QCOMPARE(browser.folder(), folder); }, false);
    dialog.loadTexture();
    QCOMPARE(dialog.preview().image().size(), QSize(16, 16));
}

void TestSuperTextDialogs::helpButtonsOpenTheirPages()
{
    const auto text = placedText();
    TSuperTextProperties properties(*text);
    TSuperTextBrushImageBrowser browser(*text, QString());
    const std::pair<QDialog *, const char *> dialogs[]
        = { { &properties, "topic-40014.html" }, { &browser, "topic-40012.html" } };
    for (const auto &[dialog, page] : dialogs) {
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Help)->click();
        QVERIFY2(HelpViewer::instance().currentFile().endsWith(QLatin1String(page)), page);
    }
    HelpViewer::instance().hide();
}

QTEST_MAIN(TestSuperTextDialogs)
#include "tst_supertextdialogs.moc"
