#include "textobjects/supertextcopy.h"

#include "objects/vsupertext.h"

#include <cmath>

namespace SuperTextCopy {

namespace {

// The letters' look; the surface type goes first, as it drops a texture
// the type does not use.
void copyLetters(const TVSuperText &from, TVSuperText &to)
{
    to.setSurfaceType(from.surfaceType());
    to.setImage(from.image());
    to.setGradientFromColor(from.gradientFromColor());
    to.setGradientToColor(from.gradientToColor());
    to.setFillDirection(from.fillDirection());
    to.setOutlineColor(from.outlineColor());
    to.setOutlineStyle(from.outlineStyle());
    to.setOutlineWidth(from.outlineWidth());
    to.setShadowcolor(from.shadowcolor());
    to.setShadowDepth(from.shadowDepth());
    to.setShadowOrientation(from.shadowOrientation());
    to.setFont(from.font());
    to.setCaption(from.caption());
}

} // namespace

void toPreview(const TVSuperText &object, TVSuperText &preview)
{
    copyLetters(object, preview);
    preview.setControlTransparent(object.controlTransparent());
    preview.setBGColor(object.bgColor());
    preview.setBorderStyle(object.borderStyle());
    preview.setLastBitmapFileNameandPath(object.lastBitmapFileNameandPath());
    const float scale = object.displayScale();
    preview.setBounds(preview.left(), preview.top(), int(std::trunc(object.width() / scale)),
        int(std::trunc(object.height() / scale)));
}

void fromPreview(const TVSuperText &preview, TVSuperText &object)
{
    copyLetters(preview, object);
    object.setLastBitmapFileNameandPath(preview.lastBitmapFileNameandPath());
}

} // namespace SuperTextCopy
