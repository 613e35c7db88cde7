// Help pages by topic number, and every page's links lead somewhere; every
// topic the program's sources open has its page, and every dialog's Help
// button (or F1) opens its own page, usable while the dialog waits.
#include "widgets/helpviewer.h"

#include "calendar/calendarpage.h"
#include "objects/vflatcalendar.h"
#include "properties/calendarproperties.h"
#include "recurring/editrecurringdateformula.h"
#include "recurring/editrecurringdates.h"
#include "recurring/getholidays.h"
#include "recurring/selectrecurringdates.h"
#include "surface/flatcalendareditor.h"
#include "surface/imagebrowser.h"
#include "surface/richtextlabeleditor.h"

#include <QDialogButtonBox>
#include <QDirIterator>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

#include <QtTest>
#include <functional>
#include <memory>

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

    void everyTopicInTheSourcesHasAPage()
    {
        // Topics as the sources name them: a help call with a number, a
        // topic constant, the properties pages' table, a page by file name.
        const QList<QRegularExpression> patterns { QRegularExpression(
                                                       QStringLiteral("ShowHelpContext\\((\\d+)\\)")),
            QRegularExpression(QStringLiteral("HelpTopic\\w*\\s*=\\s*(\\d+)")),
            QRegularExpression(QStringLiteral("\\{\\s*\"[^\"]+\",\\s*(\\d{4,5})\\s*\\}")),
            QRegularExpression(QStringLiteral("ShowHelpPage\\(QStringLiteral\\(\"([^\"]+)\"\\)")) };
        QMap<QString, QString> used; // page file name -> where it is used
        QDirIterator it(QStringLiteral(DW_SOURCE_DIR "/src/ui"), { "*.cpp", "*.h" }, QDir::Files,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile source(it.next());
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(source.readAll());
            for (const QRegularExpression &pattern : patterns) {
                for (auto match = pattern.globalMatch(text); match.hasNext();) {
                    const QString found = match.next().captured(1);
                    const bool number = found.front().isDigit();
                    used.insert(number ? QStringLiteral("topic-%1.html").arg(found) : found, it.fileName());
                }
            }
        }
        for (const char *expected :
            { "topic-2100.html", "topic-3109.html", "topic-40003.html", "recurring.html" })
            QVERIFY2(used.contains(QLatin1String(expected)), expected);
        const QRegularExpression heading(QStringLiteral("<title>([^<]+)</title>.*<h1>\\1</h1>"),
            QRegularExpression::DotMatchesEverythingOption);
        for (auto page = used.cbegin(); page != used.cend(); ++page) {
            const QString file = HelpViewer::pageFile(page.key());
            QVERIFY2(file.endsWith(QLatin1Char('/') + page.key()),
                qPrintable(page.value() + QStringLiteral(" opens missing ") + page.key()));
            QFile html(file);
            QVERIFY(html.open(QIODevice::ReadOnly));
            QVERIFY2(heading.match(QString::fromUtf8(html.readAll())).hasMatch(),
                qPrintable(page.key() + QStringLiteral(" has no heading matching its title")));
        }
    }

    void everyDialogOpensItsOwnPage_data()
    {
        QTest::addColumn<std::function<QDialog *()>>("make");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("byKey"); // F1 rather than a Help button
        QTest::newRow("clip art") << std::function<QDialog *()>([] { return new TVImageBrowser; })
                                  << QStringLiteral("topic-40003.html") << false;
        QTest::newRow("rich-text label")
            << std::function<QDialog *()>([] { return new TRichTextLabelEditor; })
            << QStringLiteral("topic-40013.html") << false;
        QTest::newRow("floating calendar") << std::function<QDialog *()>([] {
            static TVFlatCalendar calendar(nullptr, QDate(2025, 6, 1));
            return new TFlatCalendarEditor(calendar);
        }) << QStringLiteral("topic-40015.html")
                                           << false;
        static QTemporaryDir folder;
        QTest::newRow("recurring dates")
            << std::function<QDialog *()>([] { return new TEditRecurringDates(folder.path()); })
            << QStringLiteral("recurring.html") << true;
        QTest::newRow("recurring formula")
            << std::function<QDialog *()>([] { return new TEditRecurringDateFormula; })
            << QStringLiteral("recurring.html") << true;
        QTest::newRow("holidays") << std::function<QDialog *()>([] { return new TGetHolidays; })
                                  << QStringLiteral("recurring.html") << true;
        QTest::newRow("fill from the list")
            << std::function<QDialog *()>([] { return new TSelectRecurringDates({}); })
            << QStringLiteral("recurring.html") << true;
        for (int tab : { 0, 4, 9 }) {
            for (bool key : { false, true }) {
                const int topic = tab == 9 ? 3109 : 2100 + tab;
                QTest::addRow("properties tab %d%s", tab, key ? " by F1" : "") << std::function<QDialog *()>(
                    [tab] {
                        static CalendarPage page;
                        auto *dialog = new TCalendarProperties(page);
                        // As the main window answers the dialog.
                        QObject::connect(
                            dialog, &TCalendarProperties::helpRequested, &HelpViewer::ShowHelpContext);
                        dialog->TabSet1->setCurrentRow(tab);
                        return dialog;
                    }) << QStringLiteral("topic-%1.html").arg(topic) << key;
            }
        }
    }

    void everyDialogOpensItsOwnPage()
    {
        QFETCH(std::function<QDialog *()>, make);
        QFETCH(QString, page);
        QFETCH(bool, byKey);
        HelpViewer::ShowHelpContents();
        HelpViewer::instance().hide();
        std::unique_ptr<QDialog> dialog(make());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        if (byKey) {
            QTest::keyClick(dialog.get(), Qt::Key_F1);
        } else {
            QPushButton *help = nullptr;
            for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                auto *box = qobject_cast<QDialogButtonBox *>(button->parentWidget());
                if ((box && box->buttonRole(button) == QDialogButtonBox::HelpRole))
                    help = button;
            }
            QVERIFY(help);
            help->click();
        }
        QVERIFY(HelpViewer::instance().isVisible());
        QVERIFY2(HelpViewer::instance().currentFile().endsWith(QLatin1Char('/') + page),
            qPrintable(HelpViewer::instance().currentFile()));
        HelpViewer::instance().hide();
    }

    void usableWhileADialogWaits()
    {
        QDialog dialog;
        bool hidden = false;
        QTimer::singleShot(0, &dialog, [&] {
            HelpViewer::ShowHelpContext(2100);
            HelpViewer &viewer = HelpViewer::instance();
            QVERIFY(QTest::qWaitForWindowExposed(&viewer));
            QTest::keyClick(viewer.windowHandle(), Qt::Key_Escape);
            hidden = !viewer.isVisible();
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(hidden);
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
