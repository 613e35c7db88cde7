// Placed objects drawn and found as a group: where an object shows at a zoom,
// and the stacking order for drawing and for hit testing. The page with its objects is proven on real files
// by the surface's objects test.
#include "objects/placedobjects.h"
#include "objects/vgraphiccontrol.h"

#include <QPainter>
#include <QTest>

namespace {

// A kind that notes when it is drawn, in the order of drawing.
class TracedObject : public TVGraphicControl
{
public:
    TracedObject(TComponent *owner, QStringList *trace, const QString &name)
        : TVGraphicControl(owner)
        , m_trace(trace)
    {
        setName(name);
        setParent(owner);
    }
    void paint(QPainter &, float) const override { m_trace->append(name()); }

private:
    QStringList *m_trace;
};

// The base kind: no drawing of its own and no minimum size.
TVGraphicControl *addObject(TComponent &owner, const QRect &bounds)
{
    auto *object = new TVGraphicControl(&owner);
    object->setParent(&owner);
    object->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return object;
}

} // namespace

class TestObjectPainting : public QObject
{
    Q_OBJECT

private slots:
    void displayRectFromScaleOne_data();
    void displayRectFromScaleOne();
    void stackingOrder();
};

void TestObjectPainting::displayRectFromScaleOne_data()
{
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<float>("storedAt");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QRect>("shown");
    QTest::newRow("100%") << QRect(10, 20, 100, 40) << 1.0f << 1.0f << QRect(10, 20, 100, 40);
    QTest::newRow("60.1% truncates edges")
        << QRect(10, 20, 100, 40) << 1.0f << 0.601f << QRect(6, 12, 60, 24);
    // Edges, not sizes, are scaled: two objects that touch keep touching.
    QTest::newRow("second of two touching")
        << QRect(110, 20, 100, 40) << 1.0f << 0.601f << QRect(66, 12, 60, 24);
    QTest::newRow("left of the page") << QRect(-50, -10, 100, 40) << 1.0f << 0.5f << QRect(-25, -5, 50, 20);
    // Bounds stored at another scale are read back to scale 1 first.
    QTest::newRow("stored at 50%") << QRect(5, 10, 50, 20) << 0.5f << 1.0f << QRect(10, 20, 100, 40);
    QTest::newRow("no size") << QRect(10, 20, 0, 0) << 1.0f << 1.0f << QRect(10, 20, 0, 0);
}

void TestObjectPainting::displayRectFromScaleOne()
{
    QFETCH(QRect, bounds);
    QFETCH(float, storedAt);
    QFETCH(float, zoom);
    QFETCH(QRect, shown);
    TComponent owner;
    TVGraphicControl *object = addObject(owner, bounds);
    object->adoptScale(storedAt);
    QCOMPARE(object->displayRect(zoom), shown);
    QCOMPARE(object->boundsRect(),
        (TRect { bounds.left(), bounds.top(), bounds.left() + bounds.width(),
            bounds.top() + bounds.height() })); // drawing stores nothing
}

void TestObjectPainting::stackingOrder()
{
    TComponent owner;
    QStringList trace;
    auto *bottom = new TracedObject(&owner, &trace, QStringLiteral("bottom"));
    auto *top = new TracedObject(&owner, &trace, QStringLiteral("top"));
    bottom->setBounds(0, 0, 100, 100);
    top->setBounds(50, 50, 100, 100);
    TComponent notAnObject(&owner);
    notAnObject.setParent(&owner); // children that are no placed objects are passed over
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    PlacedObjects::paint(painter, owner, 1.0f);
    QCOMPARE(trace, QStringList({ "bottom", "top" }));

    QCOMPARE(PlacedObjects::at(owner, { 75, 75 }, 1.0f), top);
    QCOMPARE(PlacedObjects::at(owner, { 25, 25 }, 1.0f), bottom);
    QCOMPARE(PlacedObjects::at(owner, { 149, 149 }, 1.0f), top);
    QCOMPARE(PlacedObjects::at(owner, { 150, 150 }, 1.0f), nullptr); // right and bottom edges are outside
    QCOMPARE(PlacedObjects::at(owner, { 75, 75 }, 0.5f), nullptr); // (37, 37) to (75, 75) at 50%
    QCOMPARE(PlacedObjects::at(owner, { 74, 74 }, 0.5f), top);
    bottom->bringToFront();
    QCOMPARE(PlacedObjects::at(owner, { 75, 75 }, 1.0f), bottom);
    trace.clear();
    PlacedObjects::paint(painter, owner, 1.0f);
    QCOMPARE(trace, QStringList({ "top", "bottom" }));
}

QTEST_MAIN(TestObjectPainting)
#include "tst_objectpainting.moc"
