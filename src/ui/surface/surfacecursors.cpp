#include "surface/surfacecursors.h"

#include "widgets/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <iterator>

namespace SurfaceCursors {

namespace {

constexpr int kCursorSize = 32; // the size X11 and most themes use at 100%
constexpr QPoint kHotSpot(7, 7);

// Drawn in a dark line with a light edge, so it shows on any page colour;
// the gap in the middle leaves the pixel being pointed at visible.
void drawCross(QPainter &painter)
{
    const int c = kHotSpot.x(), reach = 7, gap = 2;
    const QLine arms[] = { { c - reach, c, c - gap, c }, { c + gap, c, c + reach, c },
        { c, c - reach, c, c - gap }, { c, c + gap, c, c + reach } };
    painter.setPen(QPen(QColor(255, 255, 255, 230), 3, Qt::SolidLine, Qt::SquareCap));
    painter.drawLines(arms, 4);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLines(arms, 4);
}

} // namespace

QString toolPicture(TLPanelState tool)
{
    switch (tool) {
    case psLabel:
        return QStringLiteral("datewright-tool-label");
    case psImage:
        return QStringLiteral("datewright-tool-clipart");
    case psRichLabel:
        return QStringLiteral("datewright-tool-richtext");
    case psSuperText:
        return QStringLiteral("datewright-tool-supertext");
    case psFlatCalendar:
        return QStringLiteral("datewright-tool-calendar");
    case psPointing:
        break;
    }
    return {};
}

QCursor placing(TLPanelState tool)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(kCursorSize, kCursorSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Lines one logical pixel wide fall on whole device pixels.
    const qreal centre = int(std::lround(ratio)) % 2 ? 0.5 / ratio : 0.0;
    painter.translate(centre, centre);
    drawCross(painter);
    painter.resetTransform();
    const QString picture = toolPicture(tool);
    if (!picture.isEmpty())
        Pictures::icon(picture).paint(&painter, QRect(kHotSpot + QPoint(5, 5), QSize(16, 16)));
    painter.end();
    return QCursor(pixmap, kHotSpot.x(), kHotSpot.y());
}

QCursor forGrip(int grip)
{
    static const Qt::CursorShape shapes[] = { Qt::ClosedHandCursor, Qt::SizeFDiagCursor, Qt::SizeBDiagCursor,
        Qt::SizeBDiagCursor, Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeHorCursor, Qt::SizeVerCursor,
        Qt::SizeHorCursor };
    return grip >= 0 && grip < int(std::size(shapes)) ? shapes[grip] : Qt::ArrowCursor;
}

QCursor pointing()
{
    return Qt::PointingHandCursor;
}

} // namespace SurfaceCursors
