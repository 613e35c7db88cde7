#include "calendar/monthcells.h"

#include "calendar/pagelayout.h"
#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

#include <QDate>

namespace MonthCellsBlock {

void write(TWriter &writer, const MonthCells &months)
{
    writer.writeListBegin();
    for (auto month = months.begin(); month != months.end(); ++month) {
        writer.writeInteger(month.key() / 12);
        writer.writeInteger(month.key() % 12 + 1);
        writer.writeListBegin();
        for (auto day = month->begin(); day != month->end(); ++day) {
            writer.writeInteger(day.key());
            writer.writeBinary(day.value());
        }
        writer.writeListEnd();
    }
    writer.writeListEnd();
}

bool read(TReader &reader, MonthCells &months)
{
    MonthCells found;
    try {
        reader.readListBegin();
        while (!reader.endOfList()) {
            const int year = reader.readInteger();
            const int month = reader.readInteger();
            if (year < kFirstYear || year > kLastYear || month < 1 || month > 12)
                return false;
            const int days = QDate(year, month, 1).daysInMonth();
            QMap<int, QByteArray> &cells = found[monthCellsKey(year, month)];
            reader.readListBegin();
            while (!reader.endOfList()) {
                const int day = reader.readInteger();
                if (day < 1 || day > days)
                    return false;
                cells.insert(day, reader.readBinary());
            }
            reader.readListEnd();
        }
        reader.readListEnd();
    } catch (const StreamError &) {
        return false;
    }
    months = found;
    return true;
}

} // namespace MonthCellsBlock
