// The dialogs' bottom rows: which buttons each kind of row holds, in which
// order, and whether OK and Cancel close the dialog themselves.
#include "widgets/dialogbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class TestDialogButtons : public QObject
{
    Q_OBJECT

private slots:
    void okCancelAnswers_data();
    void okCancelAnswers();
    void okCancelKeepsItsOrder();
    void standardRows_data();
    void standardRows();
};

void TestDialogButtons::okCancelAnswers_data()
{
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("clickOk");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("visible");
    QTest::newRow("OK accepts") << true << true << int(QDialog::Accepted) << false;
    QTest::newRow("Cancel rejects") << true << false << int(QDialog::Rejected) << false;
    // The dialog answers for itself: a click alone closes nothing.
    QTest::newRow("own OK") << false << true << -1 << true;
    QTest::newRow("own Cancel") << false << false << -1 << true;
}

void TestDialogButtons::okCancelAnswers()
{
    QFETCH(bool, closes);
    QFETCH(bool, clickOk);
    QFETCH(int, result);
    QFETCH(bool, visible);
    QDialog dialog;
    const DialogButtons::OkCancel row = DialogButtons::okCancel(dialog, QStringLiteral("&Ok"),
        QStringLiteral("&Cancel"), closes ? DialogButtons::Answer::Closes : DialogButtons::Answer::Own);
    (new QVBoxLayout(&dialog))->addWidget(row.box);
    dialog.setResult(-1);
    dialog.show();
    (clickOk ? row.ok : row.cancel)->click();
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.isVisible(), visible);
}

void TestDialogButtons::okCancelKeepsItsOrder()
{
    QDialog dialog;
    const DialogButtons::OkCancel row
        = DialogButtons::okCancel(dialog, QStringLiteral("Ok"), QStringLiteral("Cancel"),
            DialogButtons::Answer::Own, { QStringLiteral("Edit"), QStringLiteral("New") });
    (new QVBoxLayout(&dialog))->addWidget(row.box);
    dialog.resize(500, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<QPushButton *> shown { row.ok, row.actions.value(0), row.actions.value(1), row.cancel };
    QStringList captions;
    for (int i = 0; i < shown.size(); ++i) {
        captions << shown[i]->text();
        if (i > 0)
            QVERIFY(shown[i - 1]->x() < shown[i]->x());
    }
    QCOMPARE(captions, (QStringList { "Ok", "Edit", "New", "Cancel" }));
    QVERIFY(row.ok->isDefault());
    QVERIFY(!row.cancel->isDefault());
    // Tab walks them as shown.
    row.ok->setFocus();
    for (QPushButton *next : shown.mid(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestDialogButtons::standardRows_data()
{
    QTest::addColumn<bool>("withCursor");
    QTest::addColumn<int>("topic");
    QTest::addColumn<bool>("help");
    QTest::newRow("row with help") << true << 40013 << true;
    QTest::newRow("row without help") << true << 0 << false;
    QTest::newRow("box with help") << false << 40013 << true;
    QTest::newRow("box without help") << false << 0 << false;
}

void TestDialogButtons::standardRows()
{
    QFETCH(bool, withCursor);
    QFETCH(int, topic);
    QFETCH(bool, help);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    if (withCursor)
        layout->addLayout(DialogButtons::row(dialog, topic));
    else
        layout->addWidget(DialogButtons::standardBox(dialog, topic));
    QDialogButtonBox *box = DialogButtons::box(dialog);
    QVERIFY(box);
    QVERIFY(box->button(QDialogButtonBox::Ok));
    QVERIFY(box->button(QDialogButtonBox::Cancel));
    QCOMPARE(box->button(QDialogButtonBox::Help) != nullptr, help);
    // Only the full row has the help cursor, and only with a topic to show.
    QCOMPARE(dialog.findChild<QWidget *>(QStringLiteral("HelpCursorButton")) != nullptr, withCursor && help);
    dialog.show();
    box->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestDialogButtons)
#include "tst_dialogbuttons.moc"
