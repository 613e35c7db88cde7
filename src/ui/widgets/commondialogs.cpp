#include "widgets/commondialogs.h"

#include "widgets/colorbutton.h"
#include "widgets/fontcolordialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

CommonDialogs *CommonDialogs::s_installed = nullptr;

CommonDialogs &CommonDialogs::current()
{
    static CommonDialogs real;
    return s_installed ? *s_installed : real;
}

CommonDialogs::Override::Override(CommonDialogs &dialogs)
    : m_previous(s_installed)
    , m_previousChooser(ColorButton::setChooser(
          [](QWidget *parent, QColor &color) { return current().chooseColor(parent, color); }))
{
    s_installed = &dialogs;
}

CommonDialogs::Override::~Override()
{
    s_installed = m_previous;
    ColorButton::setChooser(m_previousChooser);
}

QMessageBox::StandardButton CommonDialogs::question(QWidget *parent, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

int CommonDialogs::choose(
    QWidget *parent, const QString &title, const QString &text, const QStringList &buttons, int defaultIndex)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> pushed;
    for (int i = 0; i < buttons.size(); ++i) {
        // The last button takes Escape, so closing the box never picks the first.
        const auto role = i == buttons.size() - 1 ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        QPushButton *button = box.addButton(buttons.at(i), role);
        if (i == defaultIndex)
            box.setDefaultButton(button);
        pushed << button;
    }
    box.exec();
    return static_cast<int>(pushed.indexOf(box.clickedButton()));
}

void CommonDialogs::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text);
}

void CommonDialogs::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

static void prepareFileDialog(QFileDialog &dialog, const CommonDialogs::FileRequest &request)
{
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (!request.filter.isEmpty())
        dialog.setNameFilter(request.filter);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
}

QString CommonDialogs::openFileName(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString CommonDialogs::saveFileName(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool CommonDialogs::chooseFont(QWidget *parent, QFont &font, QColor *color, FontFaces faces)
{
    // The dialog lists the installed faces; a face the system substitutes
    // ("Times New Roman" drawn by another family) is shown as that family,
    // and the name the caller asked for comes back when the user keeps it.
    const QString asked = font.family();
    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    QFont chosen;
    if (color) {
        FontColorDialog dialog(shown, *color, parent);
        dialog.setScalableOnly(faces == FontFaces::Scalable);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        chosen = dialog.selectedFont();
        *color = dialog.selectedColor();
    } else {
        bool ok = false;
        const QFontDialog::FontDialogOptions options
            = faces == FontFaces::Scalable ? QFontDialog::ScalableFonts : QFontDialog::FontDialogOptions();
        chosen = QFontDialog::getFont(&ok, shown, parent, QString(), options);
        if (!ok)
            return false;
    }
    if (chosen.family() == shown.family())
        chosen.setFamily(asked);
    font = chosen;
    return true;
}

bool CommonDialogs::chooseColor(QWidget *parent, QColor &color)
{
    return ColorButton::systemColorDialog(parent, color);
}

bool CommonDialogs::chooseItem(
    QWidget *parent, const QString &title, const QString &label, const QStringList &items, int &index)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        parent, title, label, items, std::clamp(index, 0, int(items.size()) - 1), false, &ok);
    if (!ok || !items.contains(chosen))
        return false;
    index = int(items.indexOf(chosen));
    return true;
}

bool CommonDialogs::print(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CommonDialogs::pageSetup(QWidget *parent, QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CommonDialogs::informationWithOptOut(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    auto *optOut = new QCheckBox(QStringLiteral("Do not show this again"), &box);
    box.setCheckBox(optOut);
    box.exec();
    return optOut->isChecked();
}

void CommonDialogs::ShowInformation(QWidget *parent, const QString &text)
{
    current().information(parent, QStringLiteral("Information"), text);
}

bool CommonDialogs::AskYesNo(QWidget *parent, const QString &text, const QString &caption)
{
    return current().question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool CommonDialogs::ConfirmDestructive(QWidget *parent, const QString &text, const QString &caption)
{
    return current().question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool CommonDialogs::chooseCalendarFont(QWidget *parent, CalendarFont &font, FontFaces faces)
{
    QFont chosen(font.name);
    chosen.setPointSize(qMax(font.size, 1));
    chosen.setBold(font.bold);
    chosen.setItalic(font.italic);
    chosen.setUnderline(font.underline);
    chosen.setStrikeOut(font.strikeout);
    const QColor shown = toQColor(font.color);
    QColor color = shown;
    if (!current().chooseFont(parent, chosen, &color, faces))
        return false;
    font.name = chosen.family();
    if (chosen.pointSize() > 0)
        font.size = chosen.pointSize();
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    font.strikeout = chosen.strikeOut();
    if (color != shown)
        font.color = fromQColor(color);
    return true;
}
