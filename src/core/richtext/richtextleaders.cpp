#include "richtext/richtextleaders.h"

#include "base/pageresolution.h"
#include "richtext/rtfparser.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace {

// Fonts are laid out at 96 pixels per inch whatever the painter's device.
constexpr qreal kPixelsPerPoint = kScreenPpi / 72.0;

bool anyLeader(const QTextBlockFormat &format)
{
    for (const QVariant &leader : format.property(RtfParaState::kTabLeadersProperty).toList()) {
        if (leader.toBool())
            return true;
    }
    return false;
}

// The character format of the text at a position of the block.
QTextCharFormat formatAt(const QTextBlock &block, int position)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(block.position() + position))
            return fragment.charFormat();
    }
    return block.charFormat();
}

// Whether the tab whose gap starts at x (relative to the line's start)
// stops at a stop with a leader: Qt takes the first stop beyond x.
bool leaderFor(const QTextBlockFormat &format, qreal x)
{
    const QList<QTextOption::Tab> stops = format.tabPositions();
    const QList<QVariant> leaders = format.property(RtfParaState::kTabLeadersProperty).toList();
    for (int i = 0; i < stops.size(); ++i) {
        if (stops[i].position > x + 0.01)
            return i < leaders.size() && leaders[i].toBool();
    }
    return false;
}

void drawDots(QPainter &painter, const QTextCharFormat &format, const QFont &fallback, const QPointF &origin,
    const QTextLine &line, qreal from, qreal to)
{
    QFont font = fallback.resolve(format.font());
    const qreal points
        = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : fallback.pointSizeF();
    font.setPixelSize(std::max(1, int(std::lround((points > 0 ? points : 12) * kPixelsPerPoint))));
    const QFontMetricsF metrics(font);
    const qreal step = metrics.horizontalAdvance(QLatin1Char('.'));
    if (step <= 0)
        return;
    // Dots sit on a grid of their own width, so leaders of lines one under
    // another line up, with half a dot clear of the text on either side.
    qreal x = std::ceil((from + step / 2) / step) * step;
    QString dots;
    const qreal start = x;
    for (; x + step <= to - step / 2; x += step)
        dots += QLatin1Char('.');
    if (dots.isEmpty())
        return;
    const QBrush foreground = format.foreground();
    painter.setPen(foreground.style() != Qt::NoBrush ? foreground.color() : QPalette().color(QPalette::Text));
    painter.setFont(font);
    painter.drawText(QPointF(origin.x() + start, origin.y() + line.y() + line.ascent()), dots);
}

} // namespace

namespace RichTextLeaders {

void draw(QPainter &painter, const QTextDocument &document)
{
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    bool saved = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const QTextLayout *lines = block.layout();
        if (!lines || !anyLeader(format))
            continue;
        const QString text = block.text();
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const int end = line.textStart() + line.textLength();
            for (int at = line.textStart(); at < end && at < text.size(); ++at) {
                if (text.at(at) != QLatin1Char('\t'))
                    continue;
                const qreal from = line.cursorToX(at);
                const qreal to = std::min(line.cursorToX(at + 1), line.x() + line.width());
                if (!leaderFor(format, from - line.x()))
                    continue;
                if (!saved) {
                    painter.save();
                    saved = true;
                }
                drawDots(painter, formatAt(block, at), document.defaultFont(), origin, line, from, to);
            }
        }
    }
    if (saved)
        painter.restore();
}

} // namespace RichTextLeaders
