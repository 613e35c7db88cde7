// Help pages by topic number, and every page's links lead somewhere.
#include "widgets/helpviewer.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void everyTopicTheDialogsOpenHasAPage()
    {
        for (int topic : { 2100, 2101, 2102, 2103, 2104, 2105, 2106, 2107, 2108, 3109, 40003, 40004, 40008,
                 40012, 40013, 40014, 40015 }) {
            const QString file = HelpViewer::topicFile(topic);
            QVERIFY2(file.endsWith(QStringLiteral("topic-%1.html").arg(topic)), qPrintable(file));
        }
        // An unknown topic falls back to the contents.
        QCOMPARE(HelpViewer::topicFile(2109), HelpViewer::contentsFile());
    }

    void linksBetweenPagesAreNotBroken()
    {
        const QDir folder = QFileInfo(HelpViewer::contentsFile()).dir();
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
        const auto pages = folder.entryList({ "*.html" });
        QVERIFY(pages.size() > 15);
        for (const QString &page : pages) {
            QFile file(folder.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (auto match = link.globalMatch(html); match.hasNext();) {
                const QString target = match.next().captured(1);
                QVERIFY2(folder.exists(target), qPrintable(page + " links to missing " + target));
            }
        }
    }

    void theViewerShowsTheTopicAndReturnsToTheContents()
    {
        HelpViewer::ShowHelpContext(2108);
        HelpViewer &viewer = HelpViewer::instance();
        QVERIFY(viewer.isVisible());
        QVERIFY(viewer.currentFile().endsWith(QLatin1String("topic-2108.html")));
        HelpViewer::ShowHelpContents();
        QCOMPARE(viewer.currentFile(), HelpViewer::contentsFile());
        viewer.hide();
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
