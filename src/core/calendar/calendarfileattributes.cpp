#include "calendar/calendarfileattributes.h"

#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

#include <cmath>

namespace CalendarFileAttributes {

namespace {

constexpr int kMaxFontSize = 1000;
constexpr qint32 kMaxMarginHundredths = 500; // the page refuses margins of 5 inches and more

[[noreturn]] void refuse()
{
    throw StreamError(StreamMessages::invalidPropertyValue());
}

void writeFont(TWriter &writer, const CalendarFont &font)
{
    writer.writeString(font.name);
    writer.writeInteger(font.size);
    writer.writeBoolean(font.bold);
    writer.writeBoolean(font.italic);
    writer.writeBoolean(font.underline);
    writer.writeBoolean(font.strikeout);
    writer.writeInteger(qint32(font.color));
}

void readFont(TReader &reader, CalendarFont &font)
{
    font.name = reader.readString();
    font.size = reader.readInteger();
    if (font.size < 1 || font.size > kMaxFontSize)
        refuse();
    font.bold = reader.readBoolean();
    font.italic = reader.readBoolean();
    font.underline = reader.readBoolean();
    font.strikeout = reader.readBoolean();
    font.color = TColor(reader.readInteger());
}

int readRanged(TReader &reader, int low, int high)
{
    const int value = reader.readInteger();
    if (value < low || value > high)
        refuse();
    return value;
}

float readMargin(TReader &reader)
{
    return float(readRanged(reader, 0, kMaxMarginHundredths - 1) * 0.01);
}

template <typename Enum> Enum readEnum(TReader &reader, Enum last)
{
    return Enum(readRanged(reader, 0, int(last)));
}

void readNames(TReader &reader, QStringList &names, int count)
{
    names.clear();
    for (int i = 0; i < count; ++i)
        names << reader.readString();
}

} // namespace

qint32 marginToHundredths(float inches)
{
    return qint32(std::trunc(double(inches) * 100.0));
}

void write(TWriter &writer, const CalendarAttributes &a)
{
    writer.writeInteger(int(a.paperSize));
    writer.writeInteger(a.calendarOrientation);
    writer.writeInteger(marginToHundredths(a.leftMarginInch));
    writer.writeInteger(marginToHundredths(a.topMarginInch));
    writer.writeInteger(marginToHundredths(a.rightMarginInch));
    writer.writeInteger(marginToHundredths(a.bottomMarginInch));
    writer.writeInteger(a.calendarLayout);
    writer.writeInteger(a.calendarBorder);
    writer.writeInteger(a.calendarLineLayout);
    for (int i = 0; i < 12; ++i)
        writer.writeString(a.monthNames.value(i));
    for (int i = 0; i < 7; ++i)
        writer.writeString(a.dayNames.value(i));
    writer.writeInteger(qint32(a.titleBGColor));
    writeFont(writer, a.titleFont);
    writer.writeBoolean(a.titleShowYear);
    writeFont(writer, a.headersFont);
    writer.writeInteger(a.headersBorder);
    writer.writeInteger(a.headersStyle);
    writer.writeInteger(qint32(a.headersBGColor));
    writeFont(writer, a.cellFont);
    writer.writeInteger(a.cellBorder);
    writer.writeInteger(a.miniCalendarLineLayout);
    writer.writeInteger(a.miniCalBorder);
    writer.writeInteger(qint32(a.miniCalBGColor));
    writer.writeBoolean(a.miniShowYear);
    writeFont(writer, a.miniTitleFont);
    writeFont(writer, a.miniHeadersFont);
    writer.writeInteger(qint32(a.miniHeadersBGColor));
    writer.writeInteger(a.miniHeadersStyle);
    writer.writeInteger(a.miniHeadersBorder);
    writer.writeInteger(a.miniCellBorder);
    writeFont(writer, a.miniCellFont);
    writer.writeInteger(a.numberPosition);
}

void read(TReader &reader, CalendarAttributes &a)
{
    a.paperSize = PaperSize(readRanged(reader, 0, 1));
    a.calendarOrientation = readEnum(reader, coLandscape);
    a.leftMarginInch = readMargin(reader);
    a.topMarginInch = readMargin(reader);
    a.rightMarginInch = readMargin(reader);
    a.bottomMarginInch = readMargin(reader);
    a.calendarLayout = readRanged(reader, 0, kLayoutCount - 1);
    a.calendarBorder = readEnum(reader, cbTopBottom);
    a.calendarLineLayout = readEnum(reader, llCellsOnly);
    readNames(reader, a.monthNames, 12);
    readNames(reader, a.dayNames, 7);
    a.titleBGColor = TColor(reader.readInteger());
    readFont(reader, a.titleFont);
    a.titleShowYear = reader.readBoolean();
    readFont(reader, a.headersFont);
    a.headersBorder = readEnum(reader, cbTopBottom);
    a.headersStyle = readEnum(reader, dsWhole);
    a.headersBGColor = TColor(reader.readInteger());
    readFont(reader, a.cellFont);
    a.cellBorder = readEnum(reader, cbTopBottom);
    a.miniCalendarLineLayout = readEnum(reader, mllMinimal);
    a.miniCalBorder = readEnum(reader, cbTopBottom);
    a.miniCalBGColor = TColor(reader.readInteger());
    a.miniShowYear = reader.readBoolean();
    readFont(reader, a.miniTitleFont);
    readFont(reader, a.miniHeadersFont);
    a.miniHeadersBGColor = TColor(reader.readInteger());
    a.miniHeadersStyle = readEnum(reader, dsWhole);
    a.miniHeadersBorder = readEnum(reader, cbTopBottom);
    a.miniCellBorder = readEnum(reader, cbTopBottom);
    readFont(reader, a.miniCellFont);
    a.numberPosition = readEnum(reader, cnpUpperRight);
}

} // namespace CalendarFileAttributes
