// The two icon lists: loading, lazy extraction, the same file twice,
// self-sizing, drawing and dragging an icon out.
#include "icons/iconlistbox.h"
#include "icons/viconlistbox.h"

#include "iconlibraries.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestIconLists : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_library; // 25 icons: red, green, blue, ...

private slots:
    void initTestCase()
    {
        m_library = m_dir.filePath(QStringLiteral("twentyfive.icl"));
        QVERIFY(writeIconLibrary(m_library, 25, { Qt::red, Qt::green, Qt::blue }));
    }

    void missingFilesEmptyAndDisableTheList()
    {
        TIconListBox list;
        QCOMPARE(list.NumberOfIcons(), -1);
        QSignalSpy changes(&list, &IconListBase::OnFileChange);
        list.setFileName(m_dir.filePath(QStringLiteral("missing.icl")));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.NumberOfIcons(), -1);
        QCOMPARE(list.model()->rowCount(), 0);
        QVERIFY(!list.isEnabled());
        list.setAutoDisable(false);
        QVERIFY(list.isEnabled());
        // A file without icons: enabled, empty, 0 icons, and why.
        const QString text = m_dir.filePath(QStringLiteral("notes.icl"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("just words") > 0);
        file.close();
        list.setAutoDisable(true);
        list.setFileName(text);
        QVERIFY(list.isEnabled());
        QCOMPARE(list.NumberOfIcons(), 0);
        QCOMPARE(list.loadError(), QStringLiteral("Not an icon file, icon library or program"));
    }

    void iconsAreExtractedWhenFirstDrawn()
    {
        TIconListBox list;
        list.setXIcons(3);
        list.setYIcons(3);
        QSignalSpy changes(&list, &IconListBase::OnFileChange);
        list.setFileName(m_library);
        list.setFileName(m_library); // the same name: nothing
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.NumberOfIcons(), 25);
        QCOMPARE(list.model()->rowCount(), 25);
        QCOMPARE(list.model()->index(24, 0).data().toString(), QStringLiteral("24"));
        QCOMPARE(list.ItemIndex(), 0);
        QCOMPARE(list.extractedCount(), 0);

        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage shown = list.grab().toImage();
        // The visible columns only, entry 0 selected on the highlight colour.
        QVERIFY(list.isExtracted(0) && list.isExtracted(8));
        QVERIFY(!list.isExtracted(24));
        QVERIFY(list.extractedCount() < 25);
        const int frame = list.frameWidth();
        QCOMPARE(shown.pixel(frame + 1, frame + 1), list.palette().color(QPalette::Highlight).rgb());
        QCOMPARE(shown.pixel(frame + 19, frame + 19), QColor(Qt::red).rgb()); // icon 0, centred
        QCOMPARE(shown.pixel(frame + 19, frame + 38 + 19), QColor(Qt::green).rgb()); // icon 1 below it
        QCOMPARE(shown.pixel(frame + 38 + 1, frame + 1), list.palette().color(QPalette::Base).rgb());

        // Caching off: everything is extracted while loading.
        list.setEnableCaching(false);
        QCOMPARE(list.extractedCount(), 25);
        QVERIFY(list.isExtracted(24));
    }

    void sizesItselfToItsColumnsAndRows()
    {
        TIconListBox list;
        list.resize(10, 10);
        list.setXIcons(3);
        list.setYIcons(3);
        const int frame = 2 * list.frameWidth();
        const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
        QCOMPARE(list.size(), QSize(3 * 38 + frame, 3 * 38 + frame + scrollBar + 1));
        list.setXIcons(0);
        list.setYIcons(-2);
        QCOMPARE(list.XIcons(), 3);
        QCOMPARE(list.YIcons(), 3);
        list.setYIcons(2);
        QCOMPARE(list.size(), QSize(3 * 38 + frame, 2 * 38 + frame + scrollBar + 1));
        QCOMPARE(list.Version(), QStringLiteral("TIconListBox v1.10"));
    }

    void theOtherListKeepsItsOrientation()
    {
        TVIconListBox list;
        QCOMPARE(list.Orientation(), TVIconListBox::lbVertical);
        QCOMPARE(list.cellSide(), 34);
        list.setOrientation(TVIconListBox::lbHorizontal);
        QCOMPARE(list.Orientation(), TVIconListBox::lbHorizontal);
        list.setFileName(m_library);
        QCOMPARE(list.NumberOfIcons(), 25);
    }

    void draggedEntriesCarryTheirIcon()
    {
        TVIconListBox list;
        list.setFileName(m_library);
        const QModelIndex second = list.model()->index(2, 0);
        std::unique_ptr<QMimeData> data(list.model()->mimeData({ second }));
        QVERIFY(data && data->hasImage());
        const QImage image = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.pixel(16, 16), QColor(Qt::blue).rgb());
        QVERIFY(list.isExtracted(2));
    }
};

QTEST_MAIN(TestIconLists)
#include "tst_iconlists.moc"
