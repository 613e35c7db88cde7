#include "surface/objecteditors.h"

#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"
#include "pictures/picturefile.h"
#include "surface/calendarpanel32.h"
#include "surface/flatcalendareditor.h"
#include "surface/imagebrowser.h"
#include "surface/objectmenu.h"
#include "surface/objectmenuentries.h"
#include "surface/richtextlabeleditor.h"
#include "surface/textobjectmenus.h"
#include "widgets/commondialogs.h"

#include <QFileInfo>
#include <QMenu>
#include <QPointer>

using namespace ObjectMenuEntries;

namespace ObjectEditors {

namespace {

TBorderStyle toggled(TBorderStyle style)
{
    return style == bsSingle ? bsNone : bsSingle;
}

// The edit a kind opens, placed or double-clicked; false for kinds without one.
bool edit(TCalendarPanel32 &panel, TVGraphicControl &object)
{
    if (auto *label = dynamic_cast<TVPLabel *>(&object)) {
        TextObjectMenus::editLabelText(panel, *label);
        return true;
    }
    if (auto *text = dynamic_cast<TVSuperText *>(&object)) {
        TextObjectMenus::editSuperText(panel, *text);
        return true;
    }
    bool changed = false;
    if (auto *image = dynamic_cast<TVImage *>(&object))
        changed = TVImageBrowser::LoadImageFromDisk(*image, &panel);
    else if (auto *label = dynamic_cast<TVPRichBaseLabel *>(&object))
        changed = TRichTextLabelEditor::editRichText(*label, panel.scale(), &panel, panel.defaultTextFont());
    else if (auto *calendar = dynamic_cast<TVFlatCalendar *>(&object))
        changed = TFlatCalendarEditor::editProperties(*calendar, &panel);
    else
        return false;
    settle(panel, object, changed);
    return true;
}

void imageEntries(QMenu &menu, TCalendarPanel32 &panel, TVImage &image)
{
    QPointer<TCalendarPanel32> surface(&panel);
    addCommand(menu, QStringLiteral("Load Image From Disk"), [surface, &image] {
        if (surface)
            edit(*surface, image);
    });
    menu.addSeparator();
    addToggle(menu, panel, image, QStringLiteral("Border"), image.borderStyle() == bsSingle,
        [&image] { image.setBorderStyle(toggled(image.borderStyle())); });
    addToggle(menu, panel, image, QStringLiteral("Stretch to Fit"), image.stretch(),
        [&image] { image.setStretch(!image.stretch()); });
    addToggle(menu, panel, image, QStringLiteral("AutoSize"), image.autoSize(),
        [&image] { image.setAutoSize(!image.autoSize()); });
    addToggle(
        menu, panel, image, QStringLiteral("Flip"), image.flip(), [&image] { image.setFlip(!image.flip()); },
        image.canMirror());
    addToggle(
        menu, panel, image, QStringLiteral("Reverse"), image.reverse(),
        [&image] { image.setReverse(!image.reverse()); }, image.canMirror());
    menu.addSeparator();
    QAction *monthly
        = addCommand(menu, QStringLiteral("Picture Changes with the Month..."), [surface, &image] {
              if (!surface)
                  return;
              if (!image.pictureFolder().isEmpty()) {
                  // Off again: the picture shown stays.
                  image.setPictureFolder(QString());
                  settle(*surface, image);
                  return;
              }
              CommonDialogs::FileRequest request;
              request.title = QStringLiteral("A Picture in the Folder of the Months' Pictures");
              const QString patterns = PictureFile::nameFilter().replace(QLatin1Char(';'), QLatin1Char(' '));
              request.filter = QStringLiteral("Pictures (%1 %2)").arg(patterns, patterns.toLower());
              const QString chosen = CommonDialogs::current().openFileName(surface, request);
              if (chosen.isEmpty())
                  return;
              image.setPictureFolder(QFileInfo(chosen).absolutePath());
              // The page counts its months from January, as the document does for
              // a page on its own.
              image.showFolderPicture(surface->page().mainCalMonth() - 1);
              settle(*surface, image);
          });
    monthly->setCheckable(true);
    monthly->setChecked(!image.pictureFolder().isEmpty());
}

void richLabelEntries(QMenu &menu, TCalendarPanel32 &panel, TVPRichBaseLabel &label)
{
    QPointer<TCalendarPanel32> surface(&panel);
    addToggle(menu, panel, label, QStringLiteral("Transparent"), label.transparent(),
        [&label] { label.setTransparent(!label.transparent()); });
    addCommand(menu, QStringLiteral("Background Color"), [surface, &label] {
        QColor color = toQColor(label.bgColor());
        if (!surface || !CommonDialogs::current().chooseColor(surface, color))
            return;
        label.setBGColor(fromQColor(color));
        label.setTransparent(false);
        settle(*surface, label);
    });
    addToggle(menu, panel, label, QStringLiteral("Border"), label.borderStyle() == bsSingle,
        [&label] { label.setBorderStyle(toggled(label.borderStyle())); });
    addCommand(menu, QStringLiteral("Edit"), [surface, &label] {
        if (surface)
            edit(*surface, label);
    });
}

void kindEntries(QMenu &menu, TCalendarPanel32 &panel, TVGraphicControl &object)
{
    menu.addSeparator();
    if (auto *image = dynamic_cast<TVImage *>(&object)) {
        imageEntries(menu, panel, *image);
    } else if (auto *label = dynamic_cast<TVPRichBaseLabel *>(&object)) {
        richLabelEntries(menu, panel, *label);
    } else if (auto *label = dynamic_cast<TVPLabel *>(&object)) {
        TextObjectMenus::addLabelEntries(menu, panel, *label);
    } else if (auto *text = dynamic_cast<TVSuperText *>(&object)) {
        TextObjectMenus::addSuperTextEntries(menu, panel, *text);
    } else if (auto *calendar = dynamic_cast<TVFlatCalendar *>(&object)) {
        QPointer<TCalendarPanel32> surface(&panel);
        addCommand(menu, QStringLiteral("Properties"), [surface, calendar] {
            if (surface)
                edit(*surface, *calendar);
        });
    }
}

} // namespace

void install(TCalendarPanel32 &panel)
{
    // The floating calendar has no step of its own after placing.
    panel.setEditStep([&panel](TVGraphicControl &object) {
        if (!dynamic_cast<TVFlatCalendar *>(&object))
            edit(panel, object);
    });
    panel.setEditEvent([&panel](TVGraphicControl &object) { return edit(panel, object); });
    panel.objectMenu().setKindEntries(
        [&panel](QMenu &menu, TVGraphicControl &object) { kindEntries(menu, panel, object); });
}

} // namespace ObjectEditors
