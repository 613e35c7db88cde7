// The configuration report window: what it shows, copying it, and the
// Help menu command that opens it with the window's current settings.
#include "app/calendarmain.h"
#include "app/configurationinfo.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

class TestConfigurationInfo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowEnvironment> m_env;

private slots:
    void init() { m_env = std::make_unique<MainWindowEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void showsTheReportFromItsFirstLine()
    {
        QStringList report;
        for (int i = 0; i < 200; ++i)
            report << QStringLiteral("Line %1:\tvalue").arg(i);
        TConfigurationInfo dialog(report);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Configuration Information"));
        auto *memo = dialog.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
        QVERIFY(memo && memo->isReadOnly());
        memo->moveCursor(QTextCursor::End);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(memo->textCursor().position(), 0);
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
        QCOMPARE(dialog.reportText(), report.join(QLatin1Char('\n')));
    }

    void copiesTheReportToTheClipboard()
    {
        const QStringList report { QStringLiteral("Monday"), QString(), QStringLiteral("[Product]"),
            QStringLiteral("Program:     \tDatewright") };
        TConfigurationInfo dialog(report);
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
        dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), report.join(QLatin1Char('\n')));
        QCOMPARE(m_env->dialogs.messages.size(), 1);
        QCOMPARE(m_env->dialogs.messages.first().kind, QStringLiteral("information"));
        QCOMPARE(m_env->dialogs.messages.first().title, QStringLiteral("Configuration Information"));
        QCOMPARE(
            m_env->dialogs.messages.first().text, QStringLiteral("Information copied to Windows clipboard"));
        dialog.findChild<QPushButton *>(QStringLiteral("Button2"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void helpMenuShowsTheWindowsCurrentSettings()
    {
        TCalendarMain main;
        main.show();
        QAction *command = main.menus().ConfigurationInformation1;
        QVERIFY(command->isEnabled());
        // Hints turned off just now, not yet saved: the report says so.
        main.menus().mnuShowHint->trigger();
        QVERIFY(!main.menus().mnuShowHint->isChecked());
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            auto *dialog = qobject_cast<TConfigurationInfo *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = dialog->reportText();
            dialog->accept();
        });
        command->trigger();
        const QStringList lines = shown.split(QLatin1Char('\n'));
        QVERIFY2(lines.contains(QStringLiteral("[Environment]")), qPrintable(shown));
        QVERIFY(lines.contains(QStringLiteral("ShowHint:   :\t0")));
        QVERIFY(lines.contains(QStringLiteral("LastZoom:    \t60/30")));
        QVERIFY(lines.contains(QStringLiteral("DeFFont      \tArial,10,0,0,0,0")));
        // This computer's memory is there, with a load between 0 and 100.
        const QString load
            = lines.filter(QStringLiteral("Memory Load: \t")).value(0).section(QLatin1Char('\t'), 1);
        QVERIFY(load.toInt() >= 0 && load.toInt() <= 100 && !load.isEmpty());
    }
};

QTEST_MAIN(TestConfigurationInfo)
#include "tst_configurationinfo.moc"
