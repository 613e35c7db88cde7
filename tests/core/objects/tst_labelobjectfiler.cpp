#include "objects/componentnames.h"
#include "objects/placedobjectclasses.h"
#include "objects/vimage.h"
#include "objects/vlabelobjectfiler.h"
#include "objects/vplabel.h"
#include "objects/vsupertext.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "fulldisk.h"
#include "objectfixtures.h"
#include "recordtesthelpers.h"
#include "testfiles.h"

// The clipboard file, duplicating and cloning of placed objects.
class TestLabelObjectFiler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void pasteOffsetAndNaming();
    void namesSkipTakenNumbers();
    void allNamesTaken();
    void selectionOrderIsKept();
    void emptySelectionWritesNothing();
    void missingFileReadsNothing();
    void duplicateCopiesEverything();
    void cloneSitsBelowOnTop();
    void corruptClipboardFile_data();
    void corruptClipboardFile();
    void unwritableFile_data();
    void unwritableFile();
    void everyTruncationFailsCleanly();

private:
    QString clipboard() const { return m_dir.filePath(QStringLiteral("Clipbrd.tmp")); }

    QTemporaryDir m_dir;
};

void TestLabelObjectFiler::initTestCase()
{
    QVERIFY(m_dir.isValid());
    registerPlacedObjectClasses();
}

void TestLabelObjectFiler::init()
{
    QFile::remove(clipboard());
}

void TestLabelObjectFiler::pasteOffsetAndNaming()
{
    TComponent owner;
    TComponent surface;
    auto *label = new TVPLabel(&owner);
    label->setName(QStringLiteral("Special1"));
    label->setParent(&surface);
    label->setBounds(100, 50, 142, 33);
    auto *image = new TVImage(&owner);
    image->setName(QStringLiteral("Special2"));
    image->setParent(&surface);
    image->setBounds(10, 20, 105, 105);

    TVLabelObjectFiler filer(&owner);
    QString error;
    QVERIFY2(filer.saveSelection({ label, image }, clipboard(), &error), qPrintable(error));

    filer.setPasteOffset(true);
    std::vector<TVGraphicControl *> pasted;
    QVERIFY2(filer.loadObjects(&owner, &surface, clipboard(), &pasted, &error), qPrintable(error));
    QVERIFY(!filer.pasteOffset()); // cleared by the load
    QCOMPARE(int(pasted.size()), 2);
    QCOMPARE(pasted[0]->name(), QStringLiteral("Component0"));
    QCOMPARE(pasted[1]->name(), QStringLiteral("Component1"));
    QCOMPARE(pasted[0]->boundsRect(), (TRect { 115, 65, 115 + 142, 65 + 33 }));
    QCOMPARE(pasted[1]->boundsRect(), (TRect { 25, 35, 25 + 105, 35 + 105 }));
    QCOMPARE(pasted[0]->parent(), &surface);
    QCOMPARE(pasted[0]->owner(), &owner);
    QCOMPARE(int(surface.children().size()), 4);

    // Without the flag the next load keeps the stored places.
    pasted.clear();
    QVERIFY(filer.loadObjects(&owner, &surface, clipboard(), &pasted));
    QCOMPARE(pasted[0]->left(), 100);
    QCOMPARE(pasted[0]->name(), QStringLiteral("Component2"));
    QCOMPARE(pasted[1]->name(), QStringLiteral("Component3"));
}

void TestLabelObjectFiler::namesSkipTakenNumbers()
{
    TComponent owner;
    TVPLabel source;
    source.setName(QStringLiteral("Special1"));
    for (const char *name : { "Component0", "component2" }) {
        auto *taken = new TComponent(&owner);
        taken->setName(QString::fromLatin1(name));
    }
    TVLabelObjectFiler filer(&owner);
    QVERIFY(filer.saveSelection({ &source, &source }, clipboard()));
    std::vector<TVGraphicControl *> pasted;
    QVERIFY(filer.loadObjects(&owner, nullptr, clipboard(), &pasted));
    QCOMPARE(pasted[0]->name(), QStringLiteral("Component1"));
    QCOMPARE(pasted[1]->name(), QStringLiteral("Component3"));
    QCOMPARE(TVLabelObjectFiler::freeComponentName(&owner), QStringLiteral("Component4"));
    // Tools count from 1.
    QCOMPARE(uniqueComponentName(&owner, QStringLiteral("Special"), 1, 1000), QStringLiteral("Special1"));
}

void TestLabelObjectFiler::allNamesTaken()
{
    TComponent owner;
    for (int n = 0; n <= 1000; ++n)
        (new TComponent(&owner))->setName(QStringLiteral("Component%1").arg(n));
    QVERIFY(TVLabelObjectFiler::freeComponentName(&owner).isEmpty());

    TVPLabel source;
    source.setName(QStringLiteral("Special1"));
    TVLabelObjectFiler filer(&owner);
    QVERIFY(filer.saveObject(source, clipboard()));
    std::vector<TVGraphicControl *> pasted;
    QVERIFY(filer.loadObjects(&owner, nullptr, clipboard(), &pasted));
    QCOMPARE(pasted.front()->name(), QStringLiteral("Special1")); // the stored name stays
    QString error;
    QVERIFY(!filer.loadObjects(&owner, nullptr, clipboard(), nullptr, &error));
    QCOMPARE(error, QStringLiteral("A component named Special1 already exists"));
}

void TestLabelObjectFiler::selectionOrderIsKept()
{
    TComponent owner;
    TVPLabel a;
    a.setCaption(QStringLiteral("first"));
    TVSuperText b;
    TVLabelObjectFiler filer(&owner);
    QVERIFY(filer.saveSelection({ &b, &a }, clipboard()));
    const QByteArray bytes = readFile(clipboard());
    QCOMPARE(bytes.left(5), QByteArray("\x01TPF0", 5));
    QVERIFY(bytes.indexOf("TVSuperText") < bytes.indexOf("TVPLabel"));
    QCOMPARE(bytes.right(1), QByteArray(1, '\0'));
}

void TestLabelObjectFiler::emptySelectionWritesNothing()
{
    writeFile(clipboard(), "old");
    TVLabelObjectFiler filer;
    QVERIFY(filer.saveSelection({}, clipboard()));
    QCOMPARE(readFile(clipboard()), QByteArray("old"));
}

void TestLabelObjectFiler::missingFileReadsNothing()
{
    TComponent owner;
    TVLabelObjectFiler filer(&owner);
    std::vector<TVGraphicControl *> pasted;
    QString error;
    QVERIFY(filer.loadObjects(&owner, nullptr, m_dir.filePath("none.tmp"), &pasted, &error));
    QVERIFY(pasted.empty());
    QVERIFY(error.isEmpty());
}

void TestLabelObjectFiler::duplicateCopiesEverything()
{
    TComponent owner;
    TComponent surface;
    auto *text = new TVSuperText(&owner);
    text->setName(QStringLiteral("Special3"));
    text->setParent(&surface);
    text->setBounds(40, 60, 300, 80);
    text->setCaption(QStringLiteral("Copy me"));
    text->setOutlineWidth(4);
    text->setLocked(true);
    TVLabelObjectFiler filer(&owner);
    filer.setPasteOffset(true); // a duplicate never takes the paste offset
    TVGraphicControl *copy = filer.duplicateObject(*text, &owner, &surface);
    QVERIFY(copy);
    QCOMPARE(copy->name(), QStringLiteral("Component0"));
    QCOMPARE(copy->boundsRect(), text->boundsRect());
    auto *typed = dynamic_cast<TVSuperText *>(copy);
    QVERIFY(typed);
    QCOMPARE(typed->caption(), QStringLiteral("Copy me"));
    QCOMPARE(typed->outlineWidth(), 4);
    QVERIFY(typed->locked());
    QVERIFY(filer.pasteOffset());
}

void TestLabelObjectFiler::cloneSitsBelowOnTop()
{
    TComponent owner;
    TComponent surface;
    auto *label = new TVPLabel(&owner);
    label->setName(QStringLiteral("Special1"));
    label->setParent(&surface);
    label->setBounds(30, 40, 142, 33);
    auto *above = new TVImage(&owner);
    above->setParent(&surface);
    QSignalSpy modified(label, &TVGraphicControl::modified);

    TVGraphicControl *copy = TVLabelObjectFiler::cloneObject(*label);
    QVERIFY(copy);
    QCOMPARE(copy->left(), 30);
    QCOMPARE(copy->top(), 65);
    QCOMPARE(surface.children().back(), copy);
    QCOMPARE(copy->owner(), &owner);
    QCOMPARE(modified.count(), 1);
}

void TestLabelObjectFiler::corruptClipboardFile_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kept");
    TVPLabel good;
    const QByteArray record = recordOf(good);
    QTest::newRow("not a list") << QByteArray("junk") << "Invalid property value" << 0;
    QTest::newRow("no signature") << QByteArray("\x01XXXX", 5) << "Invalid stream format" << 0;
    QTest::newRow("cut in the second record")
        << QByteArray(1, char(1)) + record + record.left(record.size() / 2) << "Stream read error" << 1;
    QTest::newRow("unknown class") << QByteArray(1, char(1)) + record
            + RecordBytes().raw("TPF0").str("TFoo").str("x").end().end().bytes
                                   << "Class TFoo not found" << 1;
}

void TestLabelObjectFiler::corruptClipboardFile()
{
    QFETCH(QByteArray, tail);
    QFETCH(QString, message);
    QFETCH(int, kept);
    TComponent owner;
    TComponent surface;
    auto *existing = new TVPLabel(&owner);
    existing->setName(QStringLiteral("Special1"));
    existing->setParent(&surface);
    writeFile(clipboard(), tail);

    TVLabelObjectFiler filer(&owner);
    filer.setPasteOffset(true);
    std::vector<TVGraphicControl *> pasted;
    QString error;
    QVERIFY(!filer.loadObjects(&owner, &surface, clipboard(), &pasted, &error));
    QCOMPARE(error, message);
    QVERIFY(!filer.pasteOffset());
    QCOMPARE(int(pasted.size()), kept);
    QCOMPARE(owner.componentCount(), 1 + kept);
    QCOMPARE(owner.components().front(), existing);
    QCOMPARE(existing->name(), QStringLiteral("Special1"));
}

void TestLabelObjectFiler::unwritableFile_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "missing"
                                    << "No such file or directory";
    QTest::newRow("folder in the way") << "folder"
                                       << "Is a directory";
    QTest::newRow("full disk") << "full"
                               << "No space left on device";
}

void TestLabelObjectFiler::unwritableFile()
{
    QFETCH(QString, place);
    QFETCH(QString, reason);
    FullDisk disk(64);
    if (place == QLatin1String("full") && !disk.mounted())
        QSKIP("No permission to mount a small file system here");
    TVPLabel label;
    label.setCaption(QString(5000, QLatin1Char('x')));
    TVLabelObjectFiler filer;
    QString target = m_dir.filePath(QStringLiteral("missing/Clipbrd.tmp"));
    if (place == QLatin1String("folder")) {
        target = clipboard();
        QVERIFY(QDir().mkpath(target + QStringLiteral("/inside")));
    } else if (place == QLatin1String("full")) {
        target = disk.path(QStringLiteral("Clipbrd.tmp"));
        writeFile(target, "old objects");
        disk.fill();
    }
    QString error;
    QVERIFY(!filer.saveObject(label, target, &error));
    QCOMPARE(
        error, QStringLiteral("Cannot create file %1: %2").arg(QDir::toNativeSeparators(target), reason));
    if (place == QLatin1String("full"))
        QCOMPARE(readFile(target), QByteArray("old objects"));
    if (place == QLatin1String("folder"))
        QVERIFY(QFileInfo(target).isDir() && QDir(target).removeRecursively());
}

void TestLabelObjectFiler::everyTruncationFailsCleanly()
{
    // One object of every kind, each with everything set.
    std::vector<std::unique_ptr<TVGraphicControl>> objects;
    std::vector<TVGraphicControl *> selection;
    for (const char *kind : { "label", "bitmap", "metafile", "rich", "supertext", "calendar" }) {
        objects.push_back(makeKind(QString::fromLatin1(kind)));
        selection.push_back(objects.back().get());
    }
    TVLabelObjectFiler writer;
    QVERIFY(writer.saveSelection(selection, clipboard()));
    const QByteArray full = readFile(clipboard());
    int previousKept = 0;
    for (int length = 0; length < full.size(); ++length) {
        QBuffer cut;
        cut.setData(full.left(length));
        cut.open(QIODevice::ReadOnly);
        TComponent owner;
        TVLabelObjectFiler filer(&owner);
        std::vector<TVGraphicControl *> pasted;
        QString error;
        QVERIFY2(
            !filer.loadObjects(&owner, nullptr, cut, &pasted, &error), qPrintable(QString::number(length)));
        QVERIFY(!error.isEmpty());
        // Objects read before the cut stay, and there are never more of them
        // as the cut moves back.
        QCOMPARE(owner.componentCount(), int(pasted.size()));
        QVERIFY(int(pasted.size()) >= previousKept);
        previousKept = int(pasted.size());
    }
    QCOMPARE(previousKept, int(selection.size())); // only the list's end marker was missing
    TComponent owner;
    std::vector<TVGraphicControl *> pasted;
    QVERIFY(TVLabelObjectFiler(&owner).loadObjects(&owner, nullptr, clipboard(), &pasted));
    QCOMPARE(pasted.size(), selection.size());
}

QTEST_MAIN(TestLabelObjectFiler)
#include "tst_labelobjectfiler.moc"
