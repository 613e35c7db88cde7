#include "streamtesthelpers.h"

#include "stream/classregistry.h"
#include "stream/colornames.h"
#include "stream/fontproperty.h"
#include "stream/streamerror.h"

#include <QTest>

// Component records: writing, reading into existing and new objects, the
// reader's events and its failures.
class TestStreamComponents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordBytes();
    void emptyPropertyListIsOneEndMarker();
    void longNameIsCut();
    void defaultsAreSkipped();
    void coloursAsIdentifiersWhereNamed();
    void fontAsFiveSubProperties();
    void componentsAreCreatedFromRegisteredNames();
    void setNameEventRenames();
    void duplicateNameFails();
    void unregisteredClassKeepsTheObjectsBefore();
    void unknownPropertyFailsAfterSkipping();
    void invalidPathFails();
    void badSignatureFails();
    void prefixByteIsRead();
    void childRecordsGetTheirParent();
    void readRootIntoExistingObject();
    void rootNameIsMadeUnique();
    void findMethodEvent();
    void ownershipAndStacking();
    void componentsAreFoundByTheirCurrentName_data();
    void componentsAreFoundByTheirCurrentName();
};

void TestStreamComponents::initTestCase()
{
    TClassRegistry::registerClass<TTestBox>(QStringLiteral("TTestBox"));
}

static QByteArray recordOf(const TComponent &component)
{
    return written([&](TWriter &w) { w.writeRootComponent(component); });
}

void TestStreamComponents::recordBytes()
{
    TTestBox box;
    box.setName(QStringLiteral("Box1"));
    box.left = 200;
    box.caption = QStringLiteral("Hi");
    QByteArray expected("TPF0");
    expected += bytes({ 8 }) + "TTestBox" + bytes({ 4 }) + "Box1";
    expected += bytes({ 4 }) + "Left" + bytes({ 3, 200, 0 });
    expected += bytes({ 6 }) + "Locked" + bytes({ 8 });
    expected += bytes({ 7 }) + "Caption" + bytes({ 6, 2 }) + "Hi";
    expected += bytes({ 0, 0 });
    QCOMPARE(recordOf(box), expected);
}

void TestStreamComponents::emptyPropertyListIsOneEndMarker()
{
    TComponent plain;
    QCOMPARE(recordOf(plain), QByteArray("TPF0") + bytes({ 10 }) + "TComponent" + bytes({ 0, 0, 0 }));
}

void TestStreamComponents::longNameIsCut()
{
    TComponent plain;
    plain.setName(QString(300, QLatin1Char('N')));
    const QByteArray data = recordOf(plain);
    QCOMPARE(quint8(data[4 + 11]), quint8(255));
    QCOMPARE(data.size(), 4 + 11 + 256 + 2);
}

void TestStreamComponents::defaultsAreSkipped()
{
    const QStringList names { QStringLiteral("taLeftJustify"), QStringLiteral("taRightJustify") };
    const QByteArray data = written([&](TWriter &w) {
        PropertyIO::writeInteger(w, "A", 0, 0);
        PropertyIO::writeInteger(w, "B", 0);
        PropertyIO::writeBoolean(w, "C", true, 1);
        PropertyIO::writeBoolean(w, "D", false);
        PropertyIO::writeEnum(w, "E", 0, names, 0);
        PropertyIO::writeEnum(w, "F", 1, names, 0);
        PropertyIO::writeFloat(w, "G", 0.0);
        PropertyIO::writeString(w, "H", QString());
        PropertyIO::writeBinary(w, "I", QByteArray());
    });
    QCOMPARE(data, bytes({ 1, 'B', 2, 0, 1, 'D', 8, 1, 'F', 7, 14 }) + "taRightJustify");
}

void TestStreamComponents::coloursAsIdentifiersWhereNamed()
{
    const QByteArray data = written([](TWriter &w) {
        PropertyIO::writeColor(w, "A", 0xFFFF00, 0xFFFF00); // at its default: skipped
        PropertyIO::writeColor(w, "B", 0x80000008);
        PropertyIO::writeColor(w, "C", 0x123456);
        PropertyIO::writeColor(w, "D", 0x8000000F);
    });
    QCOMPARE(data,
        bytes({ 1, 'B', 7, 12 }) + "clWindowText" + bytes({ 1, 'C', 4, 0x56, 0x34, 0x12, 0, 1, 'D', 7, 9 })
            + "clBtnFace");
    QCOMPARE(ColorNames::colorToIdent(0x808080), QStringLiteral("clGray"));
    QCOMPARE(ColorNames::colorToIdent(0xC0C0C0), QStringLiteral("clSilver"));
    TColor color = 0;
    QVERIFY(ColorNames::identToColor(QStringLiteral("CLINFOBK"), &color));
    QCOMPARE(color, TColor(0x80000018));
    QVERIFY(ColorNames::identToColor(QStringLiteral("clNone"), &color));
    QCOMPARE(color, TColor(0x1FFFFFFF));
}

void TestStreamComponents::fontAsFiveSubProperties()
{
    CalendarFont font { QStringLiteral("Arial"), 10, true, false, true, false, 0x0000FF };
    QByteArray data = written([&](TWriter &w) { PropertyIO::writeFont(w, "Font", font, fpVariable); });
    QByteArray expected = bytes({ 10 }) + "Font.Color" + bytes({ 7, 5 }) + "clRed";
    expected += bytes({ 11 }) + "Font.Height" + bytes({ 2, 0xF3 }); // -13 pixels for 10 points
    expected += bytes({ 9 }) + "Font.Name" + bytes({ 6, 5 }) + "Arial";
    expected += bytes({ 10 }) + "Font.Pitch" + bytes({ 7, 10 }) + "fpVariable";
    expected += bytes({ 10 }) + "Font.Style" + bytes({ 11, 6 }) + "fsBold" + bytes({ 11 }) + "fsUnderline"
        + bytes({ 0 });
    QCOMPARE(data, expected);

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    CalendarFont back;
    int pitch = fpDefault;
    for (int i = 0; i < 5; ++i) {
        const QString path = reader.readStr();
        QVERIFY(PropertyIO::hasPrefix(path, "font"));
        QCOMPARE(PropertyIO::readFont(reader, PropertyIO::subPath(path), back, &pitch), PropertyRead::Done);
    }
    QCOMPARE(back, font);
    QCOMPARE(pitch, int(fpVariable));
    QCOMPARE(PropertyIO::pointsFromFontHeight(-16), 12);
    QCOMPARE(PropertyIO::fontHeightFromPoints(26), -35);
}

static QByteArray listOf(const QList<const TComponent *> &components)
{
    return written([&](TWriter &w) {
        w.writeListBegin();
        for (const TComponent *c : components)
            w.writeRootComponent(*c);
        w.writeListEnd();
    });
}

void TestStreamComponents::componentsAreCreatedFromRegisteredNames()
{
    TTestBox a, b;
    a.setName(QStringLiteral("First"));
    a.left = -5;
    a.locked = true;
    a.setTag(77);
    b.data = QByteArray(3000, 'p');
    b.caption = QStringLiteral("Κείμενο");
    QByteArray data = listOf({ &a, &b }) + "tail";

    TComponent owner, parent;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QList<TComponent *> seen;
    {
        TReader reader(buffer);
        reader.readListBegin();
        reader.readComponents(&owner, &parent, [&](TComponent *c) { seen << c; });
    }
    QCOMPARE(buffer.read(4), QByteArray("tail"));
    QCOMPARE(seen.size(), 2);
    QCOMPARE(owner.componentCount(), 2);
    QCOMPARE(parent.children().size(), size_t(2));
    auto *first = dynamic_cast<TTestBox *>(seen[0]);
    auto *second = dynamic_cast<TTestBox *>(seen[1]);
    QVERIFY(first && second);
    QCOMPARE(first->name(), QStringLiteral("First"));
    QCOMPARE(first->left, -5);
    QCOMPARE(first->locked, true);
    QCOMPARE(first->tag(), 77);
    QCOMPARE(first->parent(), &parent);
    QCOMPARE(first->owner(), &owner);
    QCOMPARE(second->data, b.data);
    QCOMPARE(second->caption, b.caption);
    QCOMPARE(second->loadedCalls, 1);
    QVERIFY(!second->wasLoadingInLoaded);
    QVERIFY(!second->isLoading() && !second->isReading());
}

void TestStreamComponents::setNameEventRenames()
{
    TTestBox a, b;
    a.setName(QStringLiteral("Special1"));
    b.setName(QStringLiteral("Special1"));
    QByteArray data = listOf({ &a, &b });
    TComponent owner;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    reader.onSetName = [&](TReader &, TComponent *, QString &name) {
        for (int n = 0;; ++n) {
            name = QStringLiteral("Component%1").arg(n);
            if (!owner.findComponent(name))
                return;
        }
    };
    reader.readListBegin();
    reader.readComponents(&owner, &owner, {});
    QCOMPARE(owner.components()[0]->name(), QStringLiteral("Component0"));
    QCOMPARE(owner.components()[1]->name(), QStringLiteral("Component1"));
}

static QString failureOf(QByteArray data, TComponent &owner)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    try {
        reader.readListBegin();
        reader.readComponents(&owner, &owner, {});
    } catch (const StreamError &e) {
        return e.message();
    }
    return {};
}

void TestStreamComponents::duplicateNameFails()
{
    TTestBox a, b;
    a.setName(QStringLiteral("Twin"));
    b.setName(QStringLiteral("twin"));
    TComponent owner;
    QCOMPARE(failureOf(listOf({ &a, &b }), owner), QStringLiteral("A component named twin already exists"));
    QCOMPARE(owner.componentCount(), 1);
    QCOMPARE(owner.children().size(), size_t(1));
}

class TUnregistered : public TComponent
{
public:
    using TComponent::TComponent;
    QString className() const override { return QStringLiteral("TNowhere"); }
};

void TestStreamComponents::unregisteredClassKeepsTheObjectsBefore()
{
    TTestBox a, c;
    TUnregistered b;
    TComponent owner;
    QCOMPARE(failureOf(listOf({ &a, &b, &c }), owner), QStringLiteral("Class TNowhere not found"));
    QCOMPARE(owner.componentCount(), 1);
}

void TestStreamComponents::unknownPropertyFailsAfterSkipping()
{
    QByteArray data = bytes({ 1 }) + "TPF0" + bytes({ 8 }) + "TTestBox" + bytes({ 0, 5 }) + "Bogus"
        + bytes({ 2, 1, 0, 0, 0 });
    TComponent owner;
    QCOMPARE(failureOf(data, owner), QStringLiteral("Property does not exist"));
    QCOMPARE(owner.componentCount(), 0);
}

void TestStreamComponents::invalidPathFails()
{
    QByteArray data = bytes({ 1 }) + "TPF0" + bytes({ 8 }) + "TTestBox" + bytes({ 0, 9 }) + "Bogus.Tag"
        + bytes({ 2, 1, 0, 0, 0 });
    TComponent owner;
    QCOMPARE(failureOf(data, owner), QStringLiteral("Invalid property path"));
}

void TestStreamComponents::badSignatureFails()
{
    TComponent owner;
    QCOMPARE(failureOf(bytes({ 1 }) + "TPF1" + bytes({ 8 }) + "TTestBox" + bytes({ 0, 0, 0, 0 }), owner),
        QStringLiteral("Invalid stream format"));
    QCOMPARE(failureOf(bytes({ 1 }) + "TPF0" + bytes({ 8 }) + "TTestBox", owner),
        QStringLiteral("Stream read error"));
    QCOMPARE(owner.componentCount(), 0);
}

void TestStreamComponents::prefixByteIsRead()
{
    // $F2: child position 3 follows; then an ordinary record.
    QByteArray data
        = bytes({ 1 }) + "TPF0" + bytes({ 0xF2, 2, 3, 8 }) + "TTestBox" + bytes({ 1, 'X', 0, 0, 0 });
    TComponent owner;
    QCOMPARE(failureOf(data, owner), QString());
    QCOMPARE(owner.componentCount(), 1);
    QCOMPARE(owner.components()[0]->name(), QStringLiteral("X"));
}

void TestStreamComponents::childRecordsGetTheirParent()
{
    TTestBox outer;
    outer.setName(QStringLiteral("Outer"));
    TTestBox inner(&outer);
    inner.setName(QStringLiteral("Inner"));
    inner.setParent(&outer);
    inner.left = 9;
    const QByteArray data = listOf({ &outer });
    TComponent owner;
    QCOMPARE(failureOf(data, owner), QString());
    QCOMPARE(owner.componentCount(), 2);
    TComponent *readOuter = owner.findComponent(QStringLiteral("Outer"));
    auto *readInner = dynamic_cast<TTestBox *>(owner.findComponent(QStringLiteral("inner")));
    QVERIFY(readOuter && readInner);
    QCOMPARE(readInner->parent(), readOuter);
    QCOMPARE(readInner->left, 9);

    // A failing child frees its parent record and itself.
    QByteArray bad = data;
    bad.replace("Left", "Lefx");
    TComponent other;
    QCOMPARE(failureOf(bad, other), QStringLiteral("Property does not exist"));
    QCOMPARE(other.componentCount(), 0);
}

void TestStreamComponents::readRootIntoExistingObject()
{
    TTestBox source;
    source.setName(QStringLiteral("Stored"));
    source.caption = QStringLiteral("Into");
    QByteArray data = recordOf(source);
    // Any class name: the object exists already.
    data.replace("TTestBox", "TOtherXX");
    TTestBox target;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    reader.readRootComponent(target);
    QCOMPARE(target.caption, QStringLiteral("Into"));
    QCOMPARE(target.name(), QStringLiteral("Stored"));
    QCOMPARE(target.loadedCalls, 1);
}

void TestStreamComponents::rootNameIsMadeUnique()
{
    TComponent owner;
    TComponent taken(&owner);
    taken.setName(QStringLiteral("Box"));
    TComponent taken1(&owner);
    taken1.setName(QStringLiteral("Box_1"));
    TTestBox target(&owner);
    TTestBox source;
    source.setName(QStringLiteral("Box"));
    QByteArray data = recordOf(source);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    reader.readRootComponent(target);
    QCOMPARE(target.name(), QStringLiteral("Box_2"));
}

void TestStreamComponents::findMethodEvent()
{
    QByteArray none;
    QBuffer buffer(&none);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QVERIFY_THROWS_EXCEPTION(StreamError, reader.findMethod(QStringLiteral("LabelClick")));
    QString asked;
    reader.onFindMethod = [&](TReader &, const QString &name, bool &error) {
        asked = name;
        error = false;
    };
    reader.findMethod(QStringLiteral("LabelClick"));
    QCOMPARE(asked, QStringLiteral("LabelClick"));
}

void TestStreamComponents::ownershipAndStacking()
{
    auto *owner = new TComponent;
    auto *a = new TComponent(owner);
    auto *b = new TComponent(owner);
    auto *c = new TComponent(owner);
    for (TComponent *x : { a, b, c })
        x->setParent(owner);
    c->sendToBack();
    a->bringToFront();
    QCOMPARE(owner->children(), (std::vector<TComponent *> { c, b, a }));
    QCOMPARE(a->childIndex(), 2);
    delete b;
    QCOMPARE(owner->componentCount(), 2);
    QCOMPARE(owner->children(), (std::vector<TComponent *> { c, a }));
    delete owner; // frees a and c; ASan would see a leak or a double free
}

// The owner's name index follows every change: naming, renaming, freeing,
// names shared by two, any case.
void TestStreamComponents::componentsAreFoundByTheirCurrentName_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<int>("found"); // index in the owner's components, -1 for none
    QTest::newRow("named") << ""
                           << "Box" << 0;
    QTest::newRow("other case") << ""
                                << "bOX" << 0;
    QTest::newRow("other case beyond ASCII") << "rename to Äpfel"
                                             << "äPFEL" << 0;
    QTest::newRow("old name after a rename") << "rename to Crate"
                                             << "Box" << -1;
    QTest::newRow("new name after a rename") << "rename to Crate"
                                             << "crate" << 0;
    QTest::newRow("name cleared") << "rename to "
                                  << "Box" << -1;
    QTest::newRow("empty name is never found") << "rename to "
                                               << "" << -1;
    QTest::newRow("freed") << "free"
                           << "Box" << -1;
    QTest::newRow("shared, one freed") << "share, free"
                                       << "box" << 0;
    QTest::newRow("shared, one renamed") << "share, rename to Crate"
                                         << "box" << 1;
    QTest::newRow("other owner's") << ""
                                   << "Lid" << -1;
}

void TestStreamComponents::componentsAreFoundByTheirCurrentName()
{
    QFETCH(QString, change);
    QFETCH(QString, lookup);
    QFETCH(int, found);
    TComponent owner, other;
    auto *box = new TComponent(&owner);
    box->setName(QStringLiteral("Box"));
    auto *lid = new TComponent(&owner);
    (new TComponent(&other))->setName(QStringLiteral("Lid"));
    if (change.startsWith(QLatin1String("share")))
        lid->setName(QStringLiteral("BOX"));
    const QString rename = change.section(QStringLiteral("rename to "), 1);
    if (change.contains(QLatin1String("rename to ")))
        box->setName(rename);
    if (change.contains(QLatin1String("free"))) {
        delete box;
        box = nullptr;
    }
    TComponent *const expected = found < 0 ? nullptr : owner.components()[size_t(found)];
    QCOMPARE(owner.findComponent(lookup), expected);
    QCOMPARE(owner.findComponent(lookup.toUpper()), expected);
}

QTEST_GUILESS_MAIN(TestStreamComponents)
#include "tst_streamcomponents.moc"
