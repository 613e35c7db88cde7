// Recovery copies in the main window: a copy left by a run that ended is
// offered at start and recovered, discarded or kept; while changes are
// unsaved the window keeps its own copy, which saving, closing without
// saving and a clean exit remove.
#include "app/calendarmain.h"
#include "app/recoverykeeper.h"
#include "document/recoverycopy.h"
#include "mainwindowfixture.h"
#include "platform/inifile.h"
#include "platform/preferences.h"
#include "surface/calendarpanel32.h"

#include <QAction>
#include <QProcess>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The PID of a process that has finished and been reaped.
qint64 finishedPid()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    if (!process.waitForStarted())
        return 0;
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

// A copy of the calendar file with another title, left by a finished run.
QString plantCopy(const QString &original, const QString &title, bool cutShort = false)
{
    CalendarDocument document;
    QString error;
    if (!original.isEmpty() && !document.open(original, &error))
        qWarning("%s", qPrintable(error));
    document.page().setUserTitle(title);
    RecoveryCopy::Header header = RecoveryCopy::ownHeader(original);
    header.pid = finishedPid();
    header.written = QDateTime(QDate(2026, 12, 1), QTime(9, 15), Qt::UTC);
    QByteArray bytes = RecoveryCopy::encode(header, document.fileBytes());
    if (cutShort)
        bytes.chop(10);
    const QString path = QDir(RecoveryCopy::folder()).filePath(QStringLiteral("left.dwr"));
    if (!RecoveryCopy::write(path, bytes, &error))
        qWarning("%s", qPrintable(error));
    return path;
}

QStringList copiesOnDisk()
{
    return QDir(RecoveryCopy::folder()).entryList(QDir::Files);
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowEnvironment> m_env;

private slots:
    void init() { m_env = std::make_unique<MainWindowEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void copyOfferedAtStart_data()
    {
        QTest::addColumn<int>("answer"); // 0 Recover, 1 Discard, 2 Later, -1 box closed
        QTest::addColumn<bool>("named"); // the copy belongs to a saved calendar
        QTest::newRow("recover saved calendar") << 0 << true;
        QTest::newRow("recover new calendar") << 0 << false;
        QTest::newRow("discard") << 1 << true;
        QTest::newRow("later") << 2 << true;
        QTest::newRow("box closed") << -1 << true;
    }
    void copyOfferedAtStart()
    {
        QFETCH(int, answer);
        QFETCH(bool, named);
        const QString original = named
            ? m_env->writeCalendar(QStringLiteral("Family.DWF"), 1, 3, 2026, QStringLiteral("Saved"))
            : QString();
        const QByteArray onDisk = fileBytes(original);
        const QString left = plantCopy(original, QStringLiteral("Unsaved work"));
        m_env->dialogs.choiceAnswers << answer;
        {
            TCalendarMain main;
            QVERIFY(showSettled(main));
            QCOMPARE(m_env->dialogs.messages.first().kind, QStringLiteral("choice"));
            const QString question = m_env->dialogs.messages.first().text;
            QVERIFY2(
                question.contains(named ? original : QStringLiteral("never saved")), qPrintable(question));
            QVERIFY2(question.contains(QStringLiteral("2026")), qPrintable(question));
            main.recovery().waitForWorker();

            const bool recovered = answer == 0;
            QCOMPARE(main.pageShown(), recovered);
            QCOMPARE(main.Modified(), recovered);
            QCOMPARE(main.CalendarFileName(), recovered ? original : QString());
            QCOMPARE(
                main.document().page().userTitle(), recovered ? QStringLiteral("Unsaved work") : QString());
            QCOMPARE(QFile::exists(left), answer == 2 || answer == -1);
            if (recovered) {
                // This run's own copy took the old one's place.
                QCOMPARE(copiesOnDisk(), QStringList { QFileInfo(main.recovery().path()).fileName() });
                QCOMPARE(main.menus().mnuSave->isEnabled(), named);
                QVERIFY(main.windowTitle().contains(QStringLiteral("*")) || main.isWindowModified());
            }
            if (named)
                QCOMPARE(fileBytes(original), onDisk); // saved only when the user saves
            main.close(); // "Save changes?" answered No
        }
        QCOMPARE(QFile::exists(left), answer == 2 || answer == -1);
        QCOMPARE(copiesOnDisk().size(), answer == 2 || answer == -1 ? 1 : 0);
        if (named)
            QCOMPARE(fileBytes(original), onDisk);
    }

    // The recovered calendar's old copy stays until this run's own copy is
    // on disk: here it cannot be written (a folder stands at its name).
    void oldCopyKeptUntilOwnIsWritten()
    {
        const QString original = m_env->writeCalendar(QStringLiteral("Family.DWF"), 1, 3, 2026);
        const QString left = plantCopy(original, QStringLiteral("Unsaved work"));
        QVERIFY(QDir().mkpath(RecoveryCopy::ownPath()));
        m_env->dialogs.choiceAnswers << 0;
        TCalendarMain main;
        QVERIFY(showSettled(main));
        main.recovery().waitForWorker();
        QCoreApplication::processEvents();
        QCOMPARE(main.document().page().userTitle(), QStringLiteral("Unsaved work"));
        QVERIFY(QFile::exists(left));
        QVERIFY(m_env->messageTexts().join('|').contains(QStringLiteral("Is a directory")));
        QVERIFY(QDir().rmdir(RecoveryCopy::ownPath()));
        main.recovery().keepNow();
        main.recovery().waitForWorker();
        QVERIFY(QFile::exists(main.recovery().path()));
        main.SetModified(false);
    }

    void unreadableCopyReportedNotOffered()
    {
        const QString original = m_env->writeCalendar(QStringLiteral("Family.DWF"), 1, 3, 2026);
        const QString left = plantCopy(original, QStringLiteral("Lost"), true);
        TCalendarMain main;
        QVERIFY(showSettled(main));
        QCOMPARE(m_env->dialogs.messages.first().kind, QStringLiteral("warning"));
        QVERIFY(m_env->dialogs.messages.first().text.contains(left + QStringLiteral(".damaged")));
        for (const ScriptedDialogs::Message &message : m_env->dialogs.messages)
            QVERIFY(message.kind != QLatin1String("choice"));
        QVERIFY(QFile::exists(left + QStringLiteral(".damaged")));
    }

    // The copy of this run's unsaved changes, and each way it goes.
    void ownCopyKeptWhileUnsaved_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("save") << QStringLiteral("save");
        QTest::newRow("save as") << QStringLiteral("save as");
        QTest::newRow("close without saving") << QStringLiteral("close");
        QTest::newRow("window destroyed") << QStringLiteral("destroy");
        QTest::newRow("interval set to none") << QStringLiteral("off");
    }
    void ownCopyKeptWhileUnsaved()
    {
        QFETCH(QString, end);
        // A one-second interval from DW.ini; the copy comes from the timer.
        IniFile(Preferences::fileName())
            .writeInteger(QStringLiteral("Recovery"), QStringLiteral("Interval"), 1);
        const QString original = m_env->writeCalendar(QStringLiteral("Family.DWF"), 1, 3, 2026);
        const QByteArray onDisk = fileBytes(original);
        QString copyPath;
        {
            TCalendarMain main;
            main.setStartupFile(original);
            QVERIFY(showSettled(main));
            QCOMPARE(main.CalendarFileName(), original);
            QCOMPARE(main.recovery().interval(), 1);
            QTest::qWait(1200);
            QVERIFY(copiesOnDisk().isEmpty()); // nothing unsaved, nothing copied

            main.document().page().setUserTitle(QStringLiteral("Typed"));
            main.SetModified(true);
            copyPath = main.recovery().path();
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copyPath), 5000);
            main.recovery().waitForWorker();
            RecoveryCopy::Header header;
            QByteArray calendar;
            QVERIFY(RecoveryCopy::decode(fileBytes(copyPath), &header, &calendar, nullptr));
            QCOMPARE(header.originalFileName, original);
            QCOMPARE(calendar, main.document().fileBytes());
            QVERIFY(RecoveryCopy::abandoned(nullptr).isEmpty()); // a running program's copy
            QCOMPARE(fileBytes(original), onDisk);

            if (end == QLatin1String("save")) {
                main.mnuSaveClick();
            } else if (end == QLatin1String("save as")) {
                m_env->dialogs.saveNames << m_env->path(QStringLiteral("Other.DWF"));
                main.mnuSaveAsClick();
            } else if (end == QLatin1String("close")) {
                main.close();
                QVERIFY(!main.isVisible());
            } else if (end == QLatin1String("off")) {
                main.recovery().setInterval(0);
            }
            if (end != QLatin1String("destroy")) {
                main.recovery().waitForWorker();
                QVERIFY(!QFile::exists(copyPath));
            }
            if (end == QLatin1String("off")) {
                QTest::qWait(1200);
                QVERIFY(!QFile::exists(copyPath)); // and none again
            }
        }
        QVERIFY(!QFile::exists(copyPath));
        QVERIFY(copiesOnDisk().isEmpty());
    }

    // A copy that cannot be written is told once, with the reason, and tried
    // again; the work on screen is untouched.
    void aCopyThatCannotBeWrittenIsToldOnce()
    {
        QFile blocker(RecoveryCopy::folder()); // a file where the folder belongs
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TCalendarMain main;
        QVERIFY(showSettled(main));
        main.OpenCalendarFile(m_env->writeCalendar(QStringLiteral("Family.DWF"), 1, 3, 2026));
        m_env->dialogs.messages.clear();
        main.document().page().setUserTitle(QStringLiteral("Typed"));
        main.SetModified(true);
        for (int attempt = 0; attempt < 3; ++attempt) {
            main.recovery().keepNow();
            main.recovery().waitForWorker();
            QCoreApplication::processEvents();
        }
        QCOMPARE(m_env->dialogs.messages.size(), 1);
        QCOMPARE(m_env->dialogs.messages[0].kind, QStringLiteral("warning"));
        QVERIFY2(m_env->dialogs.messages[0].text.startsWith(
                     QStringLiteral("Unable to write the recovery copy %1").arg(main.recovery().path())),
            qPrintable(m_env->dialogs.messages[0].text));
        QVERIFY(main.Modified());
        QCOMPARE(main.document().page().userTitle(), QStringLiteral("Typed"));
        // Once the folder can be made, the next interval's copy is written.
        QVERIFY(QFile::remove(RecoveryCopy::folder()));
        main.recovery().keepNow();
        main.recovery().waitForWorker();
        QVERIFY(QFile::exists(main.recovery().path()));
        main.SetModified(false);
    }

    // File > Preferences sets the interval: kept in DW.ini and used at once.
    void preferencesSetTheInterval_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown"); // the box's text for the typed value
        QTest::newRow("every minute") << 60 << true << QStringLiteral("60 seconds");
        QTest::newRow("never") << 0 << true << QStringLiteral("Never");
        QTest::newRow("cancelled") << 60 << false << QStringLiteral("60 seconds");
    }
    void preferencesSetTheInterval()
    {
        QFETCH(int, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);
        TCalendarMain main;
        QVERIFY(showSettled(main));
        QCOMPARE(main.recovery().interval(), 120);
        QString text, title;
        QTimer answer;
        connect(&answer, &QTimer::timeout, &answer, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            auto *box = dialog ? dialog->findChild<QSpinBox *>(QStringLiteral("RecoveryInterval")) : nullptr;
            if (!box)
                return;
            title = dialog->windowTitle();
            QCOMPARE(box->value(), 120);
            box->setValue(typed);
            text = box->text();
            accepted ? dialog->accept() : dialog->reject();
        });
        answer.start(20);
        main.menus().mnuPreferences->trigger();
        QCOMPARE(title, QStringLiteral("Preferences"));
        QCOMPARE(text, shown);
        const int expected = accepted ? typed : 120;
        QCOMPARE(main.recovery().interval(), expected);
        QCOMPARE(IniFile(Preferences::fileName())
                     .readInteger(QStringLiteral("Recovery"), QStringLiteral("Interval"), 120),
            expected);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
