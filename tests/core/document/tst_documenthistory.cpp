// Undo and redo over the calendar file's bytes: every kind of change comes
// back byte for byte, steps never lose objects a later step deleted, bursts
// merge, and the saved state is known again.
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "document/documenthistory.h"
#include "objects/vplabel.h"
#include "stream/component.h"

#include <QBuffer>
#include <QtTest>

#include <functional>

namespace {

struct Calendar
{
    CalendarPage page;
    TComponent objects;
    DocumentHistory history { page, objects };
    qint64 clock = 0;

    Calendar()
    {
        page.resetToDefaultStyle();
        history.setClock([this] { return clock; });
        addLabel(QStringLiteral("First"), 100);
        addLabel(QStringLiteral("Second"), 300);
        history.reset();
    }
    TVPLabel *addLabel(const QString &caption, int left)
    {
        auto *label = new TVPLabel(&objects);
        label->setParent(&objects);
        label->setName(QStringLiteral("Component%1").arg(objects.children().size() - 1));
        label->setCaption(caption);
        label->setBounds(left, 100, 80, 30);
        return label;
    }
    TVPLabel *label(int index) const
    {
        return dynamic_cast<TVPLabel *>(objects.children().at(size_t(index)));
    }
    QByteArray bytes() const
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CalendarFile::write(buffer, page, &objects, nullptr);
        return buffer.data();
    }
};

using Change = std::function<void(Calendar &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestDocumentHistory : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfChangeComesBackByteForByte_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("layout") << Change([](Calendar &c) { c.page.setCalendarLayout(loMC12Month); });
        QTest::newRow("user title") << Change(
            [](Calendar &c) { c.page.setUserTitle(QStringLiteral("Ours")); });
        QTest::newRow("cell text") << Change(
            [](Calendar &c) { c.page.setCellContents(9, QByteArrayLiteral("{\\rtf1\\ansi Dentist\\par}")); });
        QTest::newRow("move") << Change([](Calendar &c) { c.label(0)->setLeft(400); });
        QTest::newRow("caption") << Change(
            [](Calendar &c) { c.label(1)->setCaption(QStringLiteral("Renamed")); });
        QTest::newRow("add") << Change([](Calendar &c) { c.addLabel(QStringLiteral("Third"), 500); });
        QTest::newRow("delete") << Change([](Calendar &c) { delete c.label(0); });
        QTest::newRow("page extras") << Change([](Calendar &c) {
            PageExtras extras;
            extras.weekNumbers = extras.moonPhases = true;
            c.page.setExtras(extras);
        });
    }
    void everyKindOfChangeComesBackByteForByte()
    {
        QFETCH(Change, change);
        Calendar c;
        const QByteArray before = c.bytes();
        change(c);
        const QByteArray after = c.bytes();
        QVERIFY(after != before);
        QVERIFY(c.history.record(QStringLiteral("Step")));
        QCOMPARE(c.history.stack().undoText(), QStringLiteral("Step"));
        c.history.stack().undo();
        QCOMPARE(c.bytes(), before);
        QVERIFY(c.history.stack().isClean());
        c.history.stack().redo();
        QCOMPARE(c.bytes(), after);
        QVERIFY(!c.history.stack().isClean());
    }

    void stepsOutliveTheObjectsTheyTouched()
    {
        Calendar c;
        QSignalSpy restored(&c.history, &DocumentHistory::restored);
        c.label(0)->setLeft(200);
        c.history.record(QStringLiteral("Move"));
        delete c.label(0);
        c.history.record(QStringLiteral("Delete"));
        QVERIFY(!c.history.record(QStringLiteral("Nothing")));
        c.history.stack().undo();
        c.history.stack().undo();
        QCOMPARE(c.objects.children().size(), size_t(2));
        QCOMPARE(c.label(0)->left(), 100);
        c.history.stack().redo();
        QCOMPARE(c.label(0)->left(), 200);
        c.history.stack().redo();
        QCOMPARE(c.objects.children().size(), size_t(1));
        QCOMPARE(c.label(0)->caption(), QStringLiteral("Second"));
        QCOMPARE(restored.count(), 4);
    }

    void burstsMergeWithinASecond()
    {
        Calendar c;
        for (const qint64 at : { 0, 400, 800, 2500 }) {
            c.clock = at;
            c.label(0)->setLeft(c.label(0)->left() + 1);
            c.history.record(QStringLiteral("Move"), DocumentHistory::KeyMoves);
        }
        c.label(0)->setLeft(150);
        c.history.record(QStringLiteral("Move")); // a drag: a step of its own
        QCOMPARE(c.history.stack().count(), 3);
        c.history.stack().undo();
        c.history.stack().undo();
        QCOMPARE(c.label(0)->left(), 103);
        c.history.stack().undo();
        QCOMPARE(c.label(0)->left(), 100);
    }
};

QTEST_MAIN(TestDocumentHistory)
#include "tst_documenthistory.moc"
