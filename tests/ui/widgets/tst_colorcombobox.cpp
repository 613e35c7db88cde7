// The colour drop-down: basic colours, colours added from outside, the
// custom entry through the colour dialog, and cancelling it.
#include "scripteddialogs.h"
#include "widgets/colorcombobox.h"

#include <QSignalSpy>
#include <QtTest>

class TestColorComboBox : public QObject
{
    Q_OBJECT

private slots:
    void basicColorsThenCustom();
    void choosingAnEntrySetsTheColor();
    void settingAnUnlistedColorAddsIt();
    void customEntryAsksForAColor();
    void cancelledCustomKeepsTheColor();
};

void TestColorComboBox::basicColorsThenCustom()
{
    ColorComboBox combo;
    QCOMPARE(combo.count(), 17);
    QCOMPARE(combo.itemText(0), QStringLiteral("Black"));
    QCOMPARE(combo.itemText(15), QStringLiteral("White"));
    QCOMPARE(combo.itemText(combo.customEntry()), QStringLiteral("Custom..."));
    QCOMPARE(combo.color(), QColor(Qt::black));
    QCOMPARE(combo.currentIndex(), 0);
}

void TestColorComboBox::choosingAnEntrySetsTheColor()
{
    ColorComboBox combo;
    QSignalSpy changed(&combo, &ColorComboBox::colorChanged);
    combo.setCurrentIndex(9);
    QCOMPARE(combo.color(), QColor(255, 0, 0));
    QCOMPARE(changed.size(), 1);
    combo.setColor(QColor(255, 0, 0));
    QCOMPARE(changed.size(), 1); // the same colour again is no change
}

void TestColorComboBox::settingAnUnlistedColorAddsIt()
{
    ColorComboBox combo;
    combo.setColor(QColor(0x12, 0x34, 0x56));
    QCOMPARE(combo.count(), 18);
    QCOMPARE(combo.currentText(), QStringLiteral("#123456"));
    QCOMPARE(combo.itemText(combo.customEntry()), QStringLiteral("Custom..."));
    combo.setColor(QColor(0x12, 0x34, 0x56));
    QCOMPARE(combo.count(), 18); // listed once
    combo.setColor(QColor(Qt::white));
    QCOMPARE(combo.currentText(), QStringLiteral("White"));
}

void TestColorComboBox::customEntryAsksForAColor()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    dialogs.colorChoices << QColor(1, 2, 3);
    ColorComboBox combo;
    QSignalSpy changed(&combo, &ColorComboBox::colorChanged);
    combo.setCurrentIndex(combo.customEntry());
    QCOMPARE(combo.color(), QColor(1, 2, 3));
    QCOMPARE(combo.currentText(), QStringLiteral("#010203"));
    QCOMPARE(changed.size(), 1);
}

void TestColorComboBox::cancelledCustomKeepsTheColor()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    ColorComboBox combo;
    combo.setColor(Qt::blue);
    QSignalSpy changed(&combo, &ColorComboBox::colorChanged);
    combo.setCurrentIndex(combo.customEntry());
    QCOMPARE(combo.color(), QColor(Qt::blue));
    QCOMPARE(combo.currentText(), QStringLiteral("Blue"));
    QCOMPARE(changed.size(), 0);
}

QTEST_MAIN(TestColorComboBox)
#include "tst_colorcombobox.moc"
