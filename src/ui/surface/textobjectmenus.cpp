#include "surface/textobjectmenus.h"

#include "surface/objectmenuentries.h"
#include "surface/vbasepanel.h"
#include "textobjects/getlabeltext.h"
#include "textobjects/supertextproperties.h"
#include "textobjects/vfont3deffects.h"
#include "widgets/commondialogs.h"

#include "objects/vplabel.h"
#include "objects/vsupertext.h"

#include <QMenu>
#include <QPointer>

using namespace ObjectMenuEntries;

namespace TextObjectMenus {

namespace {

TBorderStyle toggled(TBorderStyle style)
{
    return style == bsSingle ? bsNone : bsSingle;
}

// "Background Color": the colour dialog from the current colour; on OK the
// colour, and the object is no longer transparent.
template <typename Object>
void addBackgroundColor(QMenu &menu, TVBasePanel &panel, Object &object, TColor current,
    void (Object::*setColor)(TColor), void (Object::*setTransparent)(bool))
{
    QPointer<TVBasePanel> surface(&panel);
    addCommand(
        menu, QStringLiteral("Background Color"), [surface, &object, current, setColor, setTransparent] {
            QColor color = toQColor(current);
            if (!surface || !CommonDialogs::current().chooseColor(surface, color))
                return;
            (object.*setColor)(fromQColor(color));
            (object.*setTransparent)(false);
            settle(*surface, object);
        });
}

// Entry order and alignment values of the "Alignment" submenu.
constexpr TAlignment kAlignments[] = { taLeftJustify, taCenter, taRightJustify };

int alignmentEntry(TAlignment alignment)
{
    for (int i = 0; i < 3; ++i)
        if (kAlignments[i] == alignment)
            return i;
    return 0;
}

} // namespace

void addLabelEntries(QMenu &menu, TVBasePanel &panel, TVPLabel &label)
{
    QPointer<TVBasePanel> surface(&panel);
    addCommand(menu, QStringLiteral("Font"), [surface, &label] {
        CalendarFont font = label.font();
        if (!surface || !CommonDialogs::chooseCalendarFont(surface, font))
            return;
        label.setFont(font);
        label.fitToText();
        settle(*surface, label);
    });
    addCommand(menu, QStringLiteral("3D Effects"), [surface, &label] {
        if (!surface || !TVFont3DEffects::editEffects(label, surface))
            return;
        label.fitToText();
        settle(*surface, label);
    });
    addChoices(menu, panel, label, QStringLiteral("Alignment"),
        { QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right") },
        alignmentEntry(label.alignment()), [&label](int i) { label.setAlignment(kAlignments[i]); });
    addToggle(menu, panel, label, QStringLiteral("Transparent"), label.transparent(),
        [&label] { label.setTransparent(!label.transparent()); });
    addBackgroundColor(menu, panel, static_cast<TVBaseLabel &>(label), label.backColor(),
        &TVBaseLabel::setBackColor, &TVBaseLabel::setTransparent);
    addToggle(menu, panel, label, QStringLiteral("Border"), label.borderStyle() == bsSingle,
        [&label] { label.setBorderStyle(toggled(label.borderStyle())); });
    menu.addSeparator();
    addCommand(menu, QStringLiteral("Text"), [surface, &label] {
        if (surface)
            editLabelText(*surface, label);
    });
    menu.addSeparator();
    addChoices(menu, panel, label, QStringLiteral("Rotation"),
        { QStringLiteral("No Rotation"), QStringLiteral("90 Degrees"), QStringLiteral("180 Degrees"),
            QStringLiteral("270 Degrees") },
        label.angle() / 90, [&label](int i) { label.setAngle(i * 90); });
}

void addSuperTextEntries(QMenu &menu, TVBasePanel &panel, TVSuperText &text)
{
    QPointer<TVBasePanel> surface(&panel);
    addCommand(menu, QStringLiteral("Font"), [surface, &text] {
        CalendarFont font = text.font();
        if (!surface || !CommonDialogs::chooseCalendarFont(surface, font, CommonDialogs::FontFaces::Scalable))
            return;
        text.setFont(font);
        text.fitToText();
        settle(*surface, text);
    });
    addToggle(menu, panel, text, QStringLiteral("Transparent"), text.controlTransparent(),
        [&text] { text.setControlTransparent(!text.controlTransparent()); });
    addBackgroundColor(
        menu, panel, text, text.bgColor(), &TVSuperText::setBGColor, &TVSuperText::setControlTransparent);
    addToggle(menu, panel, text, QStringLiteral("Border"), text.borderStyle() == bsSingle,
        [&text] { text.setBorderStyle(toggled(text.borderStyle())); });
    addCommand(menu, QStringLiteral("Properties"), [surface, &text] {
        if (surface)
            editSuperText(*surface, text);
    });
}

bool editLabelText(TVBasePanel &panel, TVPLabel &label)
{
    const bool accepted = TGetLabelText::EditText(label, &panel);
    settle(panel, label, accepted);
    return accepted;
}

bool editSuperText(TVBasePanel &panel, TVSuperText &text)
{
    const QString caption = text.caption();
    const CalendarFont font = text.font();
    const QPoint shadow = text.shadowOffset();
    const bool accepted = TSuperTextProperties::editProperties(text, &panel);
    const bool cut
        = text.shownCaption(text.layoutAt(text.displayScale()), text.displayScale()) != text.caption();
    if (accepted
        && (cut || text.caption() != caption || text.font() != font || text.shadowOffset() != shadow))
        text.fitToText();
    settle(panel, text, accepted);
    return accepted;
}

} // namespace TextObjectMenus
