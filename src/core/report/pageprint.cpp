#include "report/pageprint.h"

#include "calendar/calendarpage.h"
#include "objects/placedobjects.h"

#include <QPainter>

namespace PagePrint {

void paint(QPainter &painter, const CalendarPage &page, const TComponent *objects, double dotsPerInch)
{
    PagePaintOptions options;
    options.paper = true;
    PlacedObjects::paintPage(painter, page, objects, float(dotsPerInch / kScreenPpi), options);
}

QImage picture(const CalendarPage &page, const TComponent *objects, int dotsPerInch)
{
    const QSize size = page.controlSizeAt(float(dotsPerInch) / kScreenPpi);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.setDotsPerMeterX(int(dotsPerInch / 0.0254 + 0.5));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, page, objects, dotsPerInch);
    return image;
}

} // namespace PagePrint
