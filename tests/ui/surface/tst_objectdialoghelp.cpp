// Each object dialog's Help button opens its own page, and the page names
// every control of the dialog by the caption it shows.
#include "surface/flatcalendareditor.h"
#include "surface/imagebrowser.h"
#include "surface/richtextlabeleditor.h"
#include "widgets/helpviewer.h"

#include "objects/vflatcalendar.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using DialogMaker = std::function<std::unique_ptr<QDialog>()>;

// What a user reads on the dialog: button, box and group captions, form
// labels, and the hints of tool-bar entries, which show only pictures.
QStringList captions(const QDialog &dialog)
{
    QStringList names;
    const auto add = [&names](QString text) {
        text.remove(QLatin1Char('&'));
        text = text.trimmed();
        if (text.size() > 1 && !text.startsWith(QLatin1Char('*')) && !names.contains(text))
            names << text;
    };
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        if (!button->parent()->inherits("QToolBar") && !button->inherits("QToolBarExtension"))
            add(button->text());
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        add(label->text());
    for (const QGroupBox *group : dialog.findChildren<QGroupBox *>())
        add(group->title());
    for (const QToolBar *bar : dialog.findChildren<QToolBar *>()) {
        for (const QAction *action : bar->actions())
            add(action->toolTip());
        for (const QWidget *widget : bar->findChildren<QWidget *>())
            if (!widget->inherits("QToolButton"))
                add(widget->toolTip());
    }
    return names;
}

QString pageText(const QString &file)
{
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly))
        return {};
    return QTextDocumentFragment::fromHtml(QString::fromUtf8(page.readAll())).toPlainText();
}

} // namespace

Q_DECLARE_METATYPE(DialogMaker)

class TestObjectDialogHelp : public QObject
{
    Q_OBJECT

private slots:
    void helpNamesEveryControl_data();
    void helpNamesEveryControl();
};

void TestObjectDialogHelp::helpNamesEveryControl_data()
{
    QTest::addColumn<DialogMaker>("make");
    QTest::addColumn<int>("topic");
    QTest::newRow("Load Image File") << DialogMaker([] { return std::make_unique<TVImageBrowser>(); })
                                     << 40003;
    QTest::newRow("Rich Text Editor")
        << DialogMaker([] { return std::make_unique<TRichTextLabelEditor>(); }) << 40013;
    QTest::newRow("Floating Calendar Properties") << DialogMaker([] {
        static TVFlatCalendar calendar;
        calendar.setBounds(0, 0, 170, 150);
        return std::make_unique<TFlatCalendarEditor>(calendar);
    }) << 40015;
}

void TestObjectDialogHelp::helpNamesEveryControl()
{
    QFETCH(DialogMaker, make);
    QFETCH(int, topic);
    const std::unique_ptr<QDialog> dialog = make();
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    buttons->button(QDialogButtonBox::Help)->click();
    HelpViewer &viewer = HelpViewer::instance();
    QVERIFY(viewer.isVisible());
    QVERIFY2(viewer.currentFile().endsWith(QStringLiteral("topic-%1.html").arg(topic)),
        qPrintable(viewer.currentFile()));
    viewer.hide();
    const QString text = pageText(viewer.currentFile());
    QVERIFY(text.contains(dialog->windowTitle().trimmed()));
    const QStringList names = captions(*dialog);
    QVERIFY2(names.size() >= 5, qPrintable(names.join(" | ")));
    QStringList missing;
    for (const QString &name : names)
        if (!text.contains(name))
            missing << name;
    QVERIFY2(missing.isEmpty(), qPrintable("not named on the page: " + missing.join(" | ")));
}

QTEST_MAIN(TestObjectDialogHelp)
#include "tst_objectdialoghelp.moc"
