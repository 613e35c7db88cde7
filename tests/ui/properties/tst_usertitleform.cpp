// The user title dialog: its texts, and OK storing the edited title (an
// empty one included) while Cancel stores nothing.
#include "calendar/calendarpage.h"
#include "properties/usertitleform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestUserTitleForm : public QObject
{
    Q_OBJECT

private slots:
    void texts();
    void okStoresTheText_data();
    void okStoresTheText();
    void escapeCancels();
    void tabWalksRoundEveryControl();
};

static QPushButton *button(TUserTitleForm &form, const QString &text)
{
    for (QPushButton *candidate : form.findChildren<QPushButton *>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

void TestUserTitleForm::texts()
{
    TUserTitleForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("User Defined Title"));
    QVERIFY(form.findChild<QLabel *>()->text()
        == QStringLiteral("Enter calendar title (leave blank for default):"));
    QVERIFY(button(form, QStringLiteral("Ok"))->isDefault());
    QVERIFY(button(form, QStringLiteral("Cancel")));
}

void TestUserTitleForm::okStoresTheText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("new title") << "Family Birthdays";
    QTest::newRow("cleared") << "";
}

void TestUserTitleForm::okStoresTheText()
{
    QFETCH(QString, typed);
    CalendarPage page;
    page.setUserTitle(QStringLiteral("Old Title"));
    TUserTitleForm form;
    form.loadFrom(page);
    QCOMPARE(form.titleText()->text(), QStringLiteral("Old Title"));
    QTimer::singleShot(0, &form, [&form, typed] {
        form.titleText()->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(form.titleText(), Qt::Key_Delete);
        else
            QTest::keyClicks(form.titleText(), typed);
        QTest::keyClick(form.titleText(), Qt::Key_Return);
    });
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    form.applyTo(page);
    QCOMPARE(page.userTitle(), typed);
}

void TestUserTitleForm::escapeCancels()
{
    CalendarPage page;
    page.setUserTitle(QStringLiteral("Kept"));
    TUserTitleForm form;
    form.loadFrom(page);
    QTimer::singleShot(0, &form, [&form] {
        QTest::keyClicks(form.titleText(), QStringLiteral("xyz"));
        QTest::keyClick(form.titleText(), Qt::Key_Escape);
    });
    QCOMPARE(form.exec(), int(QDialog::Rejected));
    QCOMPARE(page.userTitle(), QStringLiteral("Kept"));
}

// Tab goes from the text through both buttons and back to the text, never
// round the buttons alone.
void TestUserTitleForm::tabWalksRoundEveryControl()
{
    TUserTitleForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.titleText()->setFocus();
    QList<QWidget *> walked;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget();
    }
    QCOMPARE(walked.last(), form.titleText());
    QCOMPARE(qobject_cast<QPushButton *>(walked[0]) && qobject_cast<QPushButton *>(walked[1]), true);
    QVERIFY(walked[0] != walked[1]);
}

QTEST_MAIN(TestUserTitleForm)
#include "tst_usertitleform.moc"
