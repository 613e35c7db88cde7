#include "document/pageprint.h"

#include "base/pageresolution.h"
#include "document/calendardocument.h"

#include <QPainter>

namespace PagePrint {

void paint(QPainter &painter, const CalendarDocument &document, double dotsPerInch)
{
    PagePaintOptions options;
    options.paper = true;
    document.paint(painter, float(dotsPerInch / kScreenPpi), options);
}

QImage picture(const CalendarDocument &document, int dotsPerInch)
{
    const QSize size = document.page().controlSizeAt(float(dotsPerInch) / kScreenPpi);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.setDotsPerMeterX(int(dotsPerInch / 0.0254 + 0.5));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, document, dotsPerInch);
    return image;
}

} // namespace PagePrint
