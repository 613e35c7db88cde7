// The clip-art browser on a real folder: the picture files it lists, what
// loading each kind does to the preview and the messages, the Stretch and
// AutoSize boxes, and the object taking the picture over on OK.
#include "scripteddialogs.h"
#include "surface/imagebrowser.h"

#include "../../core/metafile/metafilebuilder.h"

#include "objects/vimage.h"
#include "platform/datafolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QCheckBox *box(const TVImageBrowser &browser, const QString &text)
{
    for (QCheckBox *check : browser.findChildren<QCheckBox *>())
        if (check->text() == text)
            return check;
    return nullptr;
}

} // namespace

class TestImageBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsInTheShippedClipArt();
    void listsPictureFilesOfEitherCase();
    void selectingAFile_data();
    void selectingAFile();
    void stretchAndAutoSizeExcludeEachOther();
    void objectTakesThePictureOnOk_data();
    void objectTakesThePictureOnOk();

private:
    QTemporaryDir m_folder;
};

void TestImageBrowser::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QImage bitmap(64, 48, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    QVERIFY(bitmap.save(m_folder.filePath("sun.bmp"), "BMP"));
    WmfBuilder wmf;
    wmf.add(0x020B, { 0, 0 }).add(0x020C, { 100, 100 });
    wmf.add(0x0418, { 90, 90, 10, 10 }); // ellipse
    writeFile(m_folder.filePath("Ball.WMF"), wmf.placeable(QRect(0, 0, 100, 100), 96));
    writeFile(m_folder.filePath("broken.bmp"), "BM not a bitmap");
    writeFile(m_folder.filePath("broken.jpg"), "not a jpeg");
    writeFile(m_folder.filePath("notes.txt"), "not a picture");
    QVERIFY(QDir(m_folder.path()).mkdir("Winter"));
}

void TestImageBrowser::startsInTheShippedClipArt()
{
    // A first start fills a new data folder; the browser opens on its clip
    // art with every picture listed, whichever reader it needs.
    QTemporaryDir home;
    qputenv("DATEWRIGHT_HOME", home.path().toUtf8());
    QVERIFY(DataFolder::ensureInitialized(nullptr));
    TVImageBrowser browser;
    QCOMPARE(browser.folder(), home.filePath("ClipArt"));
    QCOMPARE(browser.findChild<QComboBox *>("DriveComboBox1")->currentText(), QStringLiteral("Clip art"));
    const QStringList shipped
        = QDir(QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/ClipArt")).entryList(QDir::Files, QDir::Name);
    QCOMPARE(browser.fileNames(), shipped);
    for (const QString &name :
        { QStringLiteral("Sun.bmp"), QStringLiteral("Apple.pcx"), QStringLiteral("Birthday Cake.wmf") }) {
        QVERIFY2(browser.selectFile(name), qPrintable(name));
        QCOMPARE(browser.picture().size().width(), name.endsWith(".wmf") ? 192 : 288);
    }
    qunsetenv("DATEWRIGHT_HOME");
}

void TestImageBrowser::listsPictureFilesOfEitherCase()
{
    TVImageBrowser browser;
    QCOMPARE(browser.windowTitle(), QStringLiteral("Load Image File "));
    browser.setFolder(m_folder.path());
    QCOMPARE(browser.fileNames(), (QStringList { "Ball.WMF", "broken.bmp", "broken.jpg", "sun.bmp" }));
}

void TestImageBrowser::selectingAFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("reported");
    QTest::newRow("bitmap, lower-case extension") << "sun.bmp" << int(Picture::Kind::Bitmap) << false;
    QTest::newRow("metafile") << "Ball.WMF" << int(Picture::Kind::Metafile) << false;
    QTest::newRow("broken bitmap") << "broken.bmp" << int(Picture::Kind::None) << true;
    QTest::newRow("broken jpeg, quietly") << "broken.jpg" << int(Picture::Kind::None) << false;
}

void TestImageBrowser::selectingAFile()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(bool, reported);
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    TVImageBrowser browser;
    browser.setFolder(m_folder.path());
    browser.setAutoSize(true);
    browser.selectFile(QStringLiteral("sun.bmp"));
    browser.selectFile(name);
    QCOMPARE(int(browser.picture().kind()), kind);
    QCOMPARE(dialogs.messages.size(), reported ? 1 : 0);
    if (reported)
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Error loading file!"));
    // The preview shows the picture at its own size, or nothing.
    const auto *preview = browser.findChild<QLabel *>("Image1");
    QCOMPARE(preview->size(), kind == int(Picture::Kind::None) ? QSize(0, 0) : browser.picture().size());
}

void TestImageBrowser::stretchAndAutoSizeExcludeEachOther()
{
    TVImageBrowser browser;
    browser.setFolder(m_folder.path());
    browser.resize(700, 500);
    browser.selectFile(QStringLiteral("sun.bmp"));
    QCheckBox *stretch = box(browser, "Stretch");
    QCheckBox *autoSize = box(browser, "AutoSize");
    QCOMPARE(stretch->toolTip(), QStringLiteral("Stretch image to max display size"));
    const auto *preview = browser.findChild<QLabel *>("Image1");
    stretch->click();
    QVERIFY(stretch->isChecked());
    QVERIFY(preview->width() > 64); // fills the box
    autoSize->click();
    QVERIFY(autoSize->isChecked());
    QVERIFY(!stretch->isChecked());
    QCOMPARE(preview->size(), QSize(64, 48));
    stretch->click();
    QVERIFY(!autoSize->isChecked());
}

void TestImageBrowser::objectTakesThePictureOnOk_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
}

void TestImageBrowser::objectTakesThePictureOnOk()
{
    QFETCH(bool, ok);
    TVImage image;
    image.setBounds(10, 10, 105, 105);
    QSignalSpy modified(&image, &TVGraphicControl::modified);
    const QString folder = m_folder.path();
    QTimer::singleShot(0, [ok, folder] {
        auto *browser = qobject_cast<TVImageBrowser *>(QApplication::activeModalWidget());
        if (!browser)
            return;
        browser->setFolder(folder);
        browser->selectFile(QStringLiteral("sun.bmp"));
        box(*browser, "AutoSize")->click();
        ok ? browser->accept() : browser->reject();
    });
    QCOMPARE(TVImageBrowser::LoadImageFromDisk(image), ok);
    QCOMPARE(image.picture().isBitmap(), ok);
    QCOMPARE(image.autoSize(), ok);
    QCOMPARE(image.stretch(), !ok);
    QCOMPARE(QSize(image.width(), image.height()), ok ? QSize(64, 48) : QSize(105, 105));
    QCOMPARE(modified.isEmpty(), !ok);
    if (ok) // the next browser opens where this picture came from
        QCOMPARE(TVImageBrowser::rememberedFolder(), QDir(folder).absolutePath());
}

QTEST_MAIN(TestImageBrowser)
#include "tst_imagebrowser.moc"
