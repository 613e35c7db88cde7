// The text label's two dialogs on real widgets: the text dialog and the
// label growing (never shrinking) to its new text, and the 3D effects
// dialog trying every setting on its sample, drawn by the label's own
// drawing, before the label takes them over on OK.
#include "inkprobe.h"
#include "modalanswer.h"
#include "scripteddialogs.h"
#include "textobjects/getlabeltext.h"
#include "textobjects/vfont3deffects.h"
#include "widgets/colorcombobox.h"
#include "widgets/helpviewer.h"

#include "objects/vplabel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>

namespace {

std::unique_ptr<TVPLabel> placedLabel(QSize size)
{
    auto label = std::make_unique<TVPLabel>();
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = 20;
    label->setFont(font);
    label->setCaption(QStringLiteral("Enter text..."));
    label->setBounds(30, 40, size.width(), size.height());
    label->setDepthShadow(3);
    label->setDirectionShadow(sdDownLeft);
    label->setColorShadow(0x0000FF); // red
    return label;
}

} // namespace

class TestLabelDialogs : public QObject
{
    Q_OBJECT

private slots:
    void textDialogGrowsTheLabel_data();
    void textDialogGrowsTheLabel();
    void effectsStartFromTheLabel();
    void effectsChangeTheSampleOnly_data();
    void effectsChangeTheSampleOnly();
    void effectsTakenOverOnOk_data();
    void effectsTakenOverOnOk();
    void helpButtonsOpenTheirPages();
};

void TestLabelDialogs::textDialogGrowsTheLabel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QSize>("start");
    QTest::addColumn<bool>("grows");
    QTest::newRow("longer text grows it") << "Grandmother's 90th birthday" << true << QSize(120, 37) << true;
    QTest::newRow("short text never shrinks it") << "Hi" << true << QSize(400, 37) << false;
    QTest::newRow("cancelled") << "Grandmother's 90th birthday" << false << QSize(120, 37) << false;
}

void TestLabelDialogs::textDialogGrowsTheLabel()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QSize, start);
    QFETCH(bool, grows);
    const auto label = placedLabel(start);
    QSignalSpy modified(label.get(), &TVGraphicControl::modified);
    answerModal<TGetLabelText>(
        [typed](TGetLabelText &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Text"));
            auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("LabelText"));
            QCOMPARE(edit->text(), QStringLiteral("Enter text..."));
            edit->setText(typed);
        },
        ok);
    QCOMPARE(TGetLabelText::EditText(*label), ok);
    QCOMPARE(label->caption(), ok ? typed : QStringLiteral("Enter text..."));
    QCOMPARE(modified.isEmpty(), !ok);
    QVERIFY(label->width() >= start.width() && label->height() >= start.height());
    QCOMPARE(label->width() > start.width(), grows);
    // Grown, the whole text is drawn inside the label.
    const QImage image = InkProbe::drawn(*label, QSize(900, 120));
    const QRect text = InkProbe::box(image, InkProbe::dark);
    QVERIFY(QRect(30, 40, label->width(), label->height()).contains(text));
    if (grows) // nothing cut off
        QVERIFY(text.width() > QFontMetrics(label->font().toQFont(1.f)).horizontalAdvance(typed) * 9 / 10);
}

void TestLabelDialogs::effectsStartFromTheLabel()
{
    const auto label = placedLabel(QSize(200, 37));
    label->setDepthHighlight(2);
    label->setDirectionHighlight(hdUp);
    TVFont3DEffects dialog(*label);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Text 3D Effects"));
    QCOMPARE(dialog.findChild<QComboBox *>("ShadowDirection")->currentText(), QStringLiteral("Lower Left"));
    QCOMPARE(dialog.findChild<QComboBox *>("ShadowDepth")->currentText(), QStringLiteral("3"));
    QCOMPARE(dialog.findChild<ColorComboBox *>("ShadowColorCombo")->color(), QColor(Qt::red));
    QCOMPARE(dialog.findChild<QComboBox *>("HighlightDirection")->currentText(), QStringLiteral("Up"));
    QCOMPARE(dialog.findChild<QComboBox *>("HighLightDepth")->currentIndex(), 2);
    QCOMPARE(dialog.sample().caption(), QStringLiteral("Text"));
    QCOMPARE(dialog.sample().font(), label->font());
}

void TestLabelDialogs::effectsChangeTheSampleOnly_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("shadow"); // the sample's shadow offset after the change
    QTest::addColumn<QPoint>("highlight");
    QTest::newRow("shadow to the right") << "ShadowDirection" << 1 << QPoint(3, 0) << QPoint(0, 0);
    QTest::newRow("shadow depth 10") << "ShadowDepth" << 10 << QPoint(-10, 10) << QPoint(0, 0);
    QTest::newRow("highlight up right") << "HighlightDirection" << 3 << QPoint(-3, 3) << QPoint(0, 0);
    QTest::newRow("highlight depth 4") << "HighLightDepth" << 4 << QPoint(-3, 3) << QPoint(-4, -4);
}

void TestLabelDialogs::effectsChangeTheSampleOnly()
{
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QPoint, shadow);
    QFETCH(QPoint, highlight);
    const auto label = placedLabel(QSize(200, 37));
    TVFont3DEffects dialog(*label);
    dialog.findChild<QComboBox *>(control)->setCurrentIndex(index);
    QCOMPARE(dialog.sample().shadowOffset(), shadow);
    QCOMPARE(dialog.sample().highlightOffset(), highlight);
    QCOMPARE(label->shadowOffset(), QPoint(-3, 3));
    QCOMPARE(label->highlightOffset(), QPoint(0, 0));
    // The sample panel shows the label's drawing: the red shadow on its
    // side of the black text, the whole sample inside the panel.
    auto *panel = dialog.findChild<QScrollArea *>("SamplePanel");
    dialog.show();
    const QImage shown = panel->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect text = InkProbe::box(shown, InkProbe::dark);
    const QRect red = InkProbe::box(shown, InkProbe::reddish);
    QVERIFY(!text.isEmpty() && !red.isEmpty());
    QCOMPARE(red.left() < text.left(), shadow.x() < 0);
    QCOMPARE(red.right() > text.right(), shadow.x() > 0);
    const TVPLabel &sample = dialog.sample();
    QVERIFY(QRect(sample.left(), sample.top(), sample.width(), sample.height()).contains(red));
}

void TestLabelDialogs::effectsTakenOverOnOk_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
}

void TestLabelDialogs::effectsTakenOverOnOk()
{
    QFETCH(bool, ok);
    const auto label = placedLabel(QSize(200, 37));
    const CalendarFont before = label->font();
    QSignalSpy modified(label.get(), &TVGraphicControl::modified);
    answerModal<TVFont3DEffects>(
        [](TVFont3DEffects &dialog) {
            dialog.findChild<QComboBox *>("HighlightDirection")->setCurrentIndex(int(hdLeft));
            dialog.findChild<QComboBox *>("HighLightDepth")->setCurrentIndex(5);
            dialog.findChild<ColorComboBox *>("HighLightColorCombo")->setColor(Qt::green);
            dialog.findChild<ColorComboBox *>("FontColorCombo")->setColor(Qt::blue);
            dialog.findChild<QComboBox *>("ShadowDirection")->setCurrentIndex(int(sdNone));
        },
        ok);
    QCOMPARE(TVFont3DEffects::editEffects(*label), ok);
    QCOMPARE(label->highlightOffset(), ok ? QPoint(-5, 0) : QPoint(0, 0));
    QCOMPARE(label->colorHighlight(), ok ? TColor(0x00FF00) : TColor(0xFFFF00));
    QCOMPARE(label->font().color, ok ? TColor(0xFF0000) : before.color);
    QCOMPARE(label->directionShadow(), ok ? sdNone : sdDownLeft);
    QCOMPARE(label->depthShadow(), 3); // untouched control
    QCOMPARE(label->caption(), QStringLiteral("Enter text...")); // never the sample's text
    QCOMPARE(modified.isEmpty(), !ok);
}

void TestLabelDialogs::helpButtonsOpenTheirPages()
{
    const auto label = placedLabel(QSize(200, 37));
    TGetLabelText text(label->caption());
    TVFont3DEffects effects(*label);
    const std::pair<QDialog *, const char *> dialogs[]
        = { { &text, "topic-40004.html" }, { &effects, "topic-40008.html" } };
    for (const auto &[dialog, page] : dialogs) {
        auto *box = dialog->findChild<QDialogButtonBox *>();
        box->button(QDialogButtonBox::Help)->click();
        QVERIFY2(HelpViewer::instance().currentFile().endsWith(QLatin1String(page)), page);
        QVERIFY(dialog->findChild<QWidget *>("HelpCursorButton"));
    }
    HelpViewer::instance().hide();
}

QTEST_MAIN(TestLabelDialogs)
#include "tst_labeldialogs.moc"
