#pragma once

class QMenu;
class TVBasePanel;
class TVPLabel;
class TVSuperText;

// The text label's and the SuperText's own object-menu entries and the
// edits that placing them and double-clicking them open.
namespace TextObjectMenus {

// "Font", "3D Effects", "Alignment", "Transparent", "Background Color",
// "Border", "Text" and "Rotation", with the label's check marks.
void addLabelEntries(QMenu &menu, TVBasePanel &panel, TVPLabel &label);
// "Font" (outline faces only), "Transparent", "Background Color", "Border"
// and "Properties".
void addSuperTextEntries(QMenu &menu, TVBasePanel &panel, TVSuperText &text);

// The label's text dialog; on OK the label grows to hold the text.
bool editLabelText(TVBasePanel &panel, TVPLabel &label);
// The properties dialog; on OK a SuperText whose text, font or shadow
// changed, or whose text no longer fits, is fitted to its text.
bool editSuperText(TVBasePanel &panel, TVSuperText &text);

} // namespace TextObjectMenus
