#pragma once

class TVSuperText;

// What the SuperText dialogs copy between an object and their preview.
namespace SuperTextCopy {

// Everything the preview shows: caption, font, background and border, the
// gradient, the texture, outline, shadow, surface type, and the size at 100%.
void toPreview(const TVSuperText &object, TVSuperText &preview);
// What the object takes back on OK: the look of the letters and the
// caption, never its background, border or size.
void fromPreview(const TVSuperText &preview, TVSuperText &object);

} // namespace SuperTextCopy
