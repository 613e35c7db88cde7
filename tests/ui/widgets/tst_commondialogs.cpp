// The dialog seam: installing and removing an implementation, and the two
// shared message boxes built on it.
#include "scripteddialogs.h"
#include "widgets/fontcolordialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestCommonDialogs : public QObject
{
    Q_OBJECT

private slots:
    void overrideInstallsAndRestores();
    void askYesNoConsentsOnlyOnYes_data();
    void chooseAnswersWithTheButtonsIndex_data();
    void chooseAnswersWithTheButtonsIndex();
    void askYesNoConsentsOnlyOnYes();
    void showInformationUsesItsCaption();
    void fontColorDialogStartsFromTheGivenFontAndColor();
    void realFontDialogKeepsTheAskedFace();
    void realFontDialogCancelled();
};

void TestCommonDialogs::overrideInstallsAndRestores()
{
    CommonDialogs &real = CommonDialogs::current();
    ScriptedDialogs outer;
    {
        CommonDialogs::Override installOuter(outer);
        QCOMPARE(&CommonDialogs::current(), static_cast<CommonDialogs *>(&outer));
        {
            ScriptedDialogs inner;
            CommonDialogs::Override installInner(inner);
            QCOMPARE(&CommonDialogs::current(), static_cast<CommonDialogs *>(&inner));
        }
        // Nested overrides unwind to the one outside, not to the real dialogs.
        QCOMPARE(&CommonDialogs::current(), static_cast<CommonDialogs *>(&outer));
    }
    QCOMPARE(&CommonDialogs::current(), &real);
}

void TestCommonDialogs::askYesNoConsentsOnlyOnYes_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("consent");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
    QTest::newRow("closed") << int(QMessageBox::Escape) << false;
    QTest::newRow("ok") << int(QMessageBox::Ok) << false;
}

void TestCommonDialogs::askYesNoConsentsOnlyOnYes()
{
    QFETCH(int, answer);
    QFETCH(bool, consent);
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    dialogs.questionAnswers << QMessageBox::StandardButton(answer);
    QCOMPARE(
        CommonDialogs::AskYesNo(nullptr, QStringLiteral("Save changes?"), QStringLiteral("Save")), consent);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].kind, QStringLiteral("question"));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Save"));
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Save changes?"));
}

// The real box: a named button pressed, Enter taking the default and
// Escape the last button, never the first.
void TestCommonDialogs::chooseAnswersWithTheButtonsIndex_data()
{
    QTest::addColumn<QString>("press"); // a button's caption, or a key
    QTest::addColumn<int>("index");
    QTest::newRow("first") << QStringLiteral("&Recover") << 0;
    QTest::newRow("middle") << QStringLiteral("&Discard") << 1;
    QTest::newRow("enter takes the default") << QStringLiteral("Enter") << 1;
    QTest::newRow("escape takes the last") << QStringLiteral("Escape") << 2;
}

void TestCommonDialogs::chooseAnswersWithTheButtonsIndex()
{
    QFETCH(QString, press);
    QFETCH(int, index);
    QString text;
    QTimer answer;
    connect(&answer, &QTimer::timeout, &answer, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        text = box->text();
        if (press == QLatin1String("Enter"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (press == QLatin1String("Escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else {
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == press)
                    button->click();
            }
        }
    });
    answer.start(20);
    const int chosen = CommonDialogs::current().choose(nullptr, QStringLiteral("Recover Calendar"),
        QStringLiteral("Which?"),
        { QStringLiteral("&Recover"), QStringLiteral("&Discard"), QStringLiteral("&Later") }, 1);
    QCOMPARE(text, QStringLiteral("Which?"));
    QCOMPARE(chosen, index);
}

void TestCommonDialogs::showInformationUsesItsCaption()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    CommonDialogs::ShowInformation(nullptr, QStringLiteral("Done"));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].kind, QStringLiteral("information"));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Information"));
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Done"));
}

void TestCommonDialogs::fontColorDialogStartsFromTheGivenFontAndColor()
{
    QFont font(QStringLiteral("Liberation Serif"), 14);
    font.setBold(true);
    font.setItalic(true);
    FontColorDialog dialog(font, QColor(0x12, 0x34, 0x56));
    QCOMPARE(dialog.selectedColor(), QColor(0x12, 0x34, 0x56));
    QCOMPARE(dialog.selectedFont().family(), font.family());
    QCOMPARE(dialog.selectedFont().pointSize(), 14);
    QVERIFY(dialog.selectedFont().bold());
    QVERIFY(dialog.selectedFont().italic());
}

static void answerModal(bool accept)
{
    QTimer::singleShot(0, [accept] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

void TestCommonDialogs::realFontDialogKeepsTheAskedFace()
{
    // The face is drawn by a substitute; accepting it unchanged keeps the
    // name the caller asked for, with its style and colour.
    QFont font(QStringLiteral("Times New Roman"), 26, QFont::Bold);
    QColor color(Qt::white);
    answerModal(true);
    QVERIFY(CommonDialogs::current().chooseFont(nullptr, font, &color));
    QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
    QVERIFY(font.bold());
    QCOMPARE(font.pointSize(), 26);
    QCOMPARE(color, QColor(Qt::white));
}

void TestCommonDialogs::realFontDialogCancelled()
{
    QFont font(QStringLiteral("Arial"), 12);
    QColor color(Qt::red);
    answerModal(false);
    QVERIFY(!CommonDialogs::current().chooseFont(nullptr, font, &color));
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(color, QColor(Qt::red));
}

QTEST_MAIN(TestCommonDialogs)
#include "tst_commondialogs.moc"
