// The colour button: picking through the colour dialog, cancelling, and
// announcing only real changes.
#include "scripteddialogs.h"
#include "widgets/colorbutton.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TestColorButton : public QObject
{
    Q_OBJECT

private slots:
    void clickPicksAColor();
    void cancelKeepsTheColor();
    void sameColorIsNotAnnounced();
    void swatchShowsTheColor();
    void systemDialogReturnsAfterOverride();
};

void TestColorButton::clickPicksAColor()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    dialogs.colorChoices << QColor(Qt::red);
    ColorButton button(QStringLiteral("Title"));
    QSignalSpy changed(&button, &ColorButton::colorChanged);
    button.click();
    QCOMPARE(button.color(), QColor(Qt::red));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].value<QColor>(), QColor(Qt::red));
}

void TestColorButton::cancelKeepsTheColor()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    dialogs.colorChoices << QColor();
    ColorButton button;
    button.setColor(Qt::blue);
    QSignalSpy changed(&button, &ColorButton::colorChanged);
    button.click();
    QCOMPARE(button.color(), QColor(Qt::blue));
    QCOMPARE(changed.size(), 0);
}

void TestColorButton::sameColorIsNotAnnounced()
{
    ColorButton button;
    button.setColor(Qt::green);
    QSignalSpy changed(&button, &ColorButton::colorChanged);
    button.setColor(Qt::green);
    QCOMPARE(changed.size(), 0);
}

void TestColorButton::swatchShowsTheColor()
{
    ColorButton button(QStringLiteral("Headers"));
    button.setColor(QColor(0, 0, 255));
    button.resize(button.sizeHint());
    const QImage image = button.grab().toImage();
    // The swatch sits left of the text, a little in from the frame.
    const QColor left = image.pixelColor(image.width() / 10 + 4, image.height() / 2);
    QCOMPARE(left, QColor(0, 0, 255));
    QVERIFY(button.sizeHint().width() > button.fontMetrics().horizontalAdvance(button.text()));
}

void TestColorButton::systemDialogReturnsAfterOverride()
{
    ColorButton button;
    button.setColor(Qt::blue);
    {
        ScriptedDialogs dialogs;
        CommonDialogs::Override install(dialogs);
        dialogs.colorChoices << QColor(Qt::red);
        button.click();
        QCOMPARE(button.color(), QColor(Qt::red));
    }
    // With the override gone the system's colour dialog opens; cancelled,
    // it leaves the colour alone.
    QString opened;
    QTimer::singleShot(0, [&opened] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        opened = dialog ? QString::fromLatin1(dialog->metaObject()->className()) : QString();
        if (dialog)
            dialog->reject();
    });
    button.click();
    QCOMPARE(opened, QStringLiteral("QColorDialog"));
    QCOMPARE(button.color(), QColor(Qt::red));
}

QTEST_MAIN(TestColorButton)
#include "tst_colorbutton.moc"
