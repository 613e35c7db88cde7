#include "objects/painttarget.h"

#include "base/pageresolution.h"
#include "report/papertarget.h"

#include <QPainter>

PaintTarget PaintTarget::of(const QPainter &painter, float scale)
{
    PaintTarget target;
    target.zoom = scale;
    const QPaintDevice *device = painter.device();
    if (!device)
        return target;
    if (!PaperTarget::isPaper(painter))
        return target;
    target.print = true;
    target.deviceFactor = device->logicalDpiX() / double(kScreenPpi);
    if (target.deviceFactor > 0)
        target.zoom = float(scale / target.deviceFactor);
    else
        target.deviceFactor = 1.0;
    return target;
}
