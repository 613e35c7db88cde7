// The part of a recovery copy made on the GUI thread while the user works:
// a month page with 200 labels and 42 filled cells written into memory with
// its header. The file itself is written on a worker thread. Run by hand
// with -median N.
#include "document/calendardocument.h"
#include "document/recoverycopy.h"
#include "objects/placedobjectclasses.h"
#include "objects/vplabel.h"
#include "richtext/wprtfstorage.h"

#include <QtTest>

class BenchRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerPlacedObjectClasses(); }
    void snapshot();
};

void BenchRecovery::snapshot()
{
    CalendarDocument document;
    CalendarPage &page = document.page();
    page.resetToDefaultStyle(QDate(2026, 3, 1));
    page.setCalendarLayout(1);
    page.recordCellTable(1.0f);
    for (int cell = 0; cell < 42; ++cell)
        page.setCellContents(cell,
            QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Entry %1\\par}")
                .arg(cell)
                .toLatin1());
    QVERIFY(page.cellStorage(41) && page.cellStorage(41)->plainText().contains(QStringLiteral("Entry 41")));
    TComponent &objects = document.objects();
    for (int i = 0; i < 200; ++i) {
        auto *label = new TVPLabel(&objects);
        label->setParent(&objects);
        label->setName(QStringLiteral("Component%1").arg(i));
        label->setCaption(QStringLiteral("Label %1").arg(i));
        label->setBounds(20 + (i % 20) * 38, 120 + (i / 20) * 60, 36, 24);
    }
    document.setFileName(QStringLiteral("/home/user/Family.DWF"));
    QByteArray bytes;
    QBENCHMARK
    {
        bytes = RecoveryCopy::snapshot(document);
    }
    QVERIFY(!bytes.isEmpty());
    QVERIFY(RecoveryCopy::decode(bytes, nullptr, nullptr, nullptr));
}

QTEST_MAIN(BenchRecovery)
#include "bench_recovery.moc"
