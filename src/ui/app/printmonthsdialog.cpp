#include "app/printmonthsdialog.h"

#include "app/printcommands.h"
#include "calendar/pagelayout.h"
#include "events/holidaycalendars.h"
#include "widgets/commondialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Items the user added can be removed; the shipped calendars only unticked.
constexpr int kAddedRole = Qt::UserRole + 1;

} // namespace

PrintMonthsDialog::PrintMonthsDialog(
    Output output, int year, int month, const QString &dataFolder, QWidget *parent)
    : QDialog(parent)
    , Month(new QComboBox(this))
    , Year(new QSpinBox(this))
    , Count(new QSpinBox(this))
    , Sources(new QListWidget(this))
    , AddButton(new QPushButton(QStringLiteral("&Add..."), this))
    , RemoveButton(new QPushButton(QStringLiteral("&Remove"), this))
    , Buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("PrintMonthsDialog"));
    const QString titles[] = { QStringLiteral("Print Months"), QStringLiteral("Export Months as PDF"),
        QStringLiteral("Export Months as PNG") };
    setWindowTitle(titles[int(output)]);
    const QString actions[]
        = { QStringLiteral("&Print"), QStringLiteral("&Export"), QStringLiteral("&Export") };
    Buttons->button(QDialogButtonBox::Ok)->setText(actions[int(output)]);

    const QLocale c = QLocale::c();
    for (int m = 1; m <= 12; ++m)
        Month->addItem(c.standaloneMonthName(m));
    Month->setCurrentIndex(qBound(1, month, 12) - 1);
    Year->setRange(kFirstYear, kLastYear);
    Year->setValue(qBound(kFirstYear, year, kLastYear));
    Count->setRange(1, MonthRange::kMostMonths);
    Count->setValue(12);

    for (const HolidayCalendars::Country &country : HolidayCalendars::countries(dataFolder)) {
        auto *item = new QListWidgetItem(QStringLiteral("Holidays: ") + country.name, Sources);
        item->setData(Qt::UserRole, country.path);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    auto *form = new QFormLayout;
    auto *start = new QHBoxLayout;
    start->addWidget(Month);
    start->addWidget(Year);
    form->addRow(QStringLiteral("First month:"), start);
    form->addRow(QStringLiteral("Number of months:"), Count);
    if (output == Output::Png) {
        Resolution = new QComboBox(this);
        for (const int dpi : PrintCommands::kPngResolutions)
            Resolution->addItem(QStringLiteral("%1 dots per inch").arg(dpi), dpi);
        Resolution->setCurrentIndex(1);
        form->addRow(QStringLiteral("Resolution:"), Resolution);
    }
    auto *sourceButtons = new QHBoxLayout;
    sourceButtons->addWidget(AddButton);
    sourceButtons->addWidget(RemoveButton);
    sourceButtons->addStretch();
    auto *top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addWidget(new QLabel(QStringLiteral("Fill every month from:"), this));
    top->addWidget(Sources);
    top->addLayout(sourceButtons);
    top->addWidget(Buttons);

    connect(AddButton, &QPushButton::clicked, this, &PrintMonthsDialog::addClicked);
    connect(RemoveButton, &QPushButton::clicked, this, &PrintMonthsDialog::removeClicked);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto removable = [this] {
        const QListWidgetItem *item = Sources->currentItem();
        RemoveButton->setEnabled(item && item->data(kAddedRole).toBool());
    };
    connect(Sources, &QListWidget::currentItemChanged, this, removable);
    removable();
}

MonthRange PrintMonthsDialog::range() const
{
    MonthRange range;
    range.firstYear = Year->value();
    range.firstMonth = Month->currentIndex() + 1;
    range.count = Count->value();
    return range;
}

QStringList PrintMonthsDialog::fillFiles() const
{
    QStringList files;
    for (int row = 0; row < Sources->count(); ++row) {
        const QListWidgetItem *item = Sources->item(row);
        if (item->checkState() == Qt::Checked)
            files << item->data(Qt::UserRole).toString();
    }
    return files;
}

int PrintMonthsDialog::resolution() const
{
    return Resolution ? Resolution->currentData().toInt() : 0;
}

void PrintMonthsDialog::addFile(const QString &fileName)
{
    for (int row = 0; row < Sources->count(); ++row) {
        QListWidgetItem *item = Sources->item(row);
        if (QFileInfo(item->data(Qt::UserRole).toString()) == QFileInfo(fileName)) {
            item->setCheckState(Qt::Checked);
            Sources->setCurrentItem(item);
            return;
        }
    }
    auto *item = new QListWidgetItem(QFileInfo(fileName).fileName(), Sources);
    item->setToolTip(fileName);
    item->setData(Qt::UserRole, fileName);
    item->setData(kAddedRole, true);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    Sources->setCurrentItem(item);
}

void PrintMonthsDialog::addClicked()
{
    CommonDialogs::FileRequest request;
    request.title = QStringLiteral("Fill Every Month From");
    request.filter = QStringLiteral("iCalendar or Recurring Dates (*.ics *.ICS *.dax *.DAX);;All Files (*)");
    const QString fileName = CommonDialogs::current().openFileName(this, request);
    if (!fileName.isEmpty())
        addFile(fileName);
}

void PrintMonthsDialog::removeClicked()
{
    QListWidgetItem *item = Sources->currentItem();
    if (item && item->data(kAddedRole).toBool())
        delete item;
}
