#include "stream/fontproperty.h"

#include "base/pageresolution.h"
#include "stream/propertyio.h"
#include "stream/reader.h"
#include "stream/writer.h"

namespace PropertyIO {

namespace {

const QStringList &styleNames()
{
    static const QStringList names { QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
        QStringLiteral("fsUnderline"), QStringLiteral("fsStrikeOut") };
    return names;
}

const QStringList &pitchNames()
{
    static const QStringList names { QStringLiteral("fpDefault"), QStringLiteral("fpVariable"),
        QStringLiteral("fpFixed") };
    return names;
}

// Multiply then divide, rounding half away from zero.
int mulDiv(int value, int numerator, int denominator)
{
    const qint64 product = qint64(value) * numerator;
    const qint64 half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

} // namespace

int fontHeightFromPoints(int points)
{
    return -mulDiv(points, kScreenPpi, 72);
}

int pointsFromFontHeight(int height)
{
    return mulDiv(height < 0 ? -height : height, 72, kScreenPpi);
}

void writeFont(TWriter &writer, const char *prefix, const CalendarFont &font, int pitch)
{
    const QByteArray head = QByteArray(prefix) + '.';
    writeColor(writer, (head + "Color").constData(), font.color);
    writeInteger(writer, (head + "Height").constData(), fontHeightFromPoints(font.size));
    writeString(writer, (head + "Name").constData(), font.name);
    writeEnum(writer, (head + "Pitch").constData(), pitch, pitchNames(), fpDefault);
    const quint32 style = (font.bold ? 1u : 0u) | (font.italic ? 2u : 0u) | (font.underline ? 4u : 0u)
        | (font.strikeout ? 8u : 0u);
    writeSet(writer, (head + "Style").constData(), style, styleNames());
}

PropertyRead readFont(TReader &reader, const QString &subName, CalendarFont &font, int *pitch)
{
    if (is(subName, "Color")) {
        font.color = reader.readColor();
    } else if (is(subName, "Height")) {
        font.size = pointsFromFontHeight(reader.readInteger());
    } else if (is(subName, "Name")) {
        font.name = reader.readString();
    } else if (is(subName, "Pitch")) {
        const int value = reader.readEnum(pitchNames());
        if (pitch)
            *pitch = value;
    } else if (is(subName, "Style")) {
        const quint32 style = reader.readSet(styleNames());
        font.bold = style & 1u;
        font.italic = style & 2u;
        font.underline = style & 4u;
        font.strikeout = style & 8u;
    } else {
        return PropertyRead::NotFound;
    }
    return PropertyRead::Done;
}

} // namespace PropertyIO
