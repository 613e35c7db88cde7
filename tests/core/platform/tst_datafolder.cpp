#include "platform/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void homeVariableWins();
    void lookupIgnoresCase_data();
    void lookupIgnoresCase();
    void initializeCreatesFolder();
    void initializeCopiesOnlyMissingFiles();
    void initializeKeepsExistingFolderCase();
    void shippedTexturesCopiedLikeBorders();
    void shippedHolidaysCopiedLikeBorders();

private:
    QByteArray m_savedHome;
};

void TestDataFolder::init()
{
    m_savedHome = qgetenv("DATEWRIGHT_HOME");
}

void TestDataFolder::cleanup()
{
    if (m_savedHome.isNull())
        qunsetenv("DATEWRIGHT_HOME");
    else
        qputenv("DATEWRIGHT_HOME", m_savedHome);
}

void TestDataFolder::homeVariableWins()
{
    QTemporaryDir home;
    qputenv("DATEWRIGHT_HOME", (home.path() + "/sub/../dw/").toUtf8());
    QCOMPARE(DataFolder::path(), home.path() + "/dw");

    qunsetenv("DATEWRIGHT_HOME");
    QVERIFY(!DataFolder::path().isEmpty());
    QVERIFY(!DataFolder::path().startsWith(home.path()));
}

void TestDataFolder::lookupIgnoresCase_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected"); // relative to the folder, empty when not found

    QTest::newRow("exact") << "borders/holly.wpo"
                           << "borders/holly.wpo";
    QTest::newRow("upper file and folder") << "Borders/Holly.WPO"
                                           << "borders/holly.wpo";
    QTest::newRow("nested") << "ICONS/Bonus/MISC1.ICL"
                            << "icons/BONUS/Misc1.icl";
    QTest::newRow("backslashes") << "Icons\\bonus\\misc1.icl"
                                 << "icons/BONUS/Misc1.icl";
    QTest::newRow("missing file") << "Borders/Ivy.wpo"
                                  << "";
    QTest::newRow("missing folder") << "Frames/holly.wpo"
                                    << "";
    QTest::newRow("other extension") << "Borders/Holly.wls"
                                     << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDataFolder::lookupIgnoresCase()
{
    QFETCH(QString, query);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeFile(dir.filePath("borders/holly.wpo"), "x");
    writeFile(dir.filePath("icons/BONUS/Misc1.icl"), "x");

    const QString found = DataFolder::findCaseInsensitive(dir.path(), query);
    QCOMPARE(found, expected.isEmpty() ? QString() : dir.filePath(expected));
}

void TestDataFolder::initializeCreatesFolder()
{
    QTemporaryDir home;
    const QString target = home.filePath("a/b/datewright");
    qputenv("DATEWRIGHT_HOME", target.toUtf8());
    QString error;
    QVERIFY(DataFolder::ensureInitialized(QString(), &error));
    QVERIFY(QFileInfo(target).isDir());
    QVERIFY(error.isEmpty());
}

void TestDataFolder::initializeCopiesOnlyMissingFiles()
{
    QTemporaryDir source;
    writeFile(source.filePath("DW.ini"), "bundled ini");
    writeFile(source.filePath("Borders/Holly.WPO"), "bundled holly");
    writeFile(source.filePath("Borders/Ivy.wls"), "bundled ivy");
    writeFile(source.filePath("samples/Sample.dwf"), "sample");
    writeFile(source.filePath("help/index.html"), "<p>help</p>");
    writeFile(source.filePath("borders-src/Holly.svg"), "<svg/>");
    QFile::setPermissions(source.filePath("Borders/Ivy.wls"), QFile::ReadOwner);

    QTemporaryDir home;
    qputenv("DATEWRIGHT_HOME", home.path().toUtf8());
    writeFile(home.filePath("dw.ini"), "user ini");
    writeFile(home.filePath("Borders/Holly.WPO"), "user holly");

    QVERIFY(DataFolder::ensureInitialized(source.path(), nullptr));

    // Files the user already has, under any letter case, stay as they are.
    QCOMPARE(readFile(home.filePath("dw.ini")), QByteArray("user ini"));
    QVERIFY(!QFileInfo::exists(home.filePath("DW.ini")));
    QCOMPARE(readFile(home.filePath("Borders/Holly.WPO")), QByteArray("user holly"));
    // Missing ones arrive, writable by their owner; samples, help pages and
    // drawing sources stay behind.
    QCOMPARE(readFile(home.filePath("Borders/Ivy.wls")), QByteArray("bundled ivy"));
    QVERIFY(QFileInfo(home.filePath("Borders/Ivy.wls")).isWritable());
    QVERIFY(!QFileInfo::exists(home.filePath("samples")));
    QVERIFY(!QFileInfo::exists(home.filePath("help")));
    QVERIFY(!QFileInfo::exists(home.filePath("borders-src")));

    // A second start copies nothing over the user's changes.
    writeFile(home.filePath("Borders/Ivy.wls"), "edited");
    QVERIFY(DataFolder::ensureInitialized(source.path(), nullptr));
    QCOMPARE(readFile(home.filePath("Borders/Ivy.wls")), QByteArray("edited"));
}

void TestDataFolder::initializeKeepsExistingFolderCase()
{
    // A bundled file goes into the user's folder of the same name whatever
    // its case, so lookups keep finding the files already there.
    QTemporaryDir source;
    writeFile(source.filePath("Borders/Ivy.wls"), "ivy");
    QTemporaryDir home;
    qputenv("DATEWRIGHT_HOME", home.path().toUtf8());
    writeFile(home.filePath("borders/holly.wpo"), "holly");

    QVERIFY(DataFolder::ensureInitialized(source.path(), nullptr));

    // (BonusIcons is made empty for the icon tool's own sets.)
    QCOMPARE(QDir(home.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList({ "BonusIcons", "borders" }));
    QVERIFY(!DataFolder::findCaseInsensitive(home.path(), "Borders/Holly.wpo").isEmpty());
    QCOMPARE(
        DataFolder::findCaseInsensitive(home.path(), "Borders/Ivy.wls"), home.filePath("borders/Ivy.wls"));
}

void TestDataFolder::shippedTexturesCopiedLikeBorders()
{
    // The bundled textures (scripts/make-textures.py) reach the data folder;
    // one the user changed stays as it is.
    const QString bundled = QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES);
    const QStringList textures = QDir(bundled + "/Textures").entryList({ "*.bmp" }, QDir::Files);
    QVERIFY2(textures.size() >= 8, qPrintable(textures.join(',')));
    for (const char *name :
        { "Paper", "Parchment", "Wood", "Marble", "Denim", "Brushed Metal", "Stars", "Confetti" })
        QVERIFY2(textures.contains(QString::fromLatin1(name) + ".bmp"), name);
    QTemporaryDir home;
    qputenv("DATEWRIGHT_HOME", home.path().toUtf8());
    writeFile(home.filePath("Textures/Wood.bmp"), "user wood");

    QVERIFY(DataFolder::ensureInitialized(bundled, nullptr));

    QCOMPARE(readFile(home.filePath("Textures/Wood.bmp")), QByteArray("user wood"));
    QCOMPARE(readFile(home.filePath("Textures/Marble.bmp")), readFile(bundled + "/Textures/Marble.bmp"));
    QVERIFY(QFileInfo(home.filePath("Textures/Stars.bmp")).isWritable());
}

void TestDataFolder::shippedHolidaysCopiedLikeBorders()
{
    const QString bundled = QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES);
    QTemporaryDir home;
    qputenv("DATEWRIGHT_HOME", home.path().toUtf8());
    writeFile(home.filePath("Holidays/Germany.ics"), "user calendar");

    QVERIFY(DataFolder::ensureInitialized(bundled, nullptr));

    QCOMPARE(readFile(home.filePath("Holidays/Germany.ics")), QByteArray("user calendar"));
    QCOMPARE(
        readFile(home.filePath("Holidays/New Zealand.ics")), readFile(bundled + "/Holidays/New Zealand.ics"));
    QCOMPARE(QDir(home.filePath("Holidays")).entryList(QDir::Files).size(),
        QDir(bundled + "/Holidays").entryList(QDir::Files).size());
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
