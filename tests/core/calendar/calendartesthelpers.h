#pragma once

#include "base/rect.h"
#include "calendar/calendarfile.h"

#include <QBuffer>
#include <QStringList>
#include <QTest>

// Rectangles print as (left, top, right, bottom) when a comparison fails.
inline char *toString(const TRect &r)
{
    return QTest::toString(
        QStringLiteral("(%1, %2, %3, %4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}

// The names the page takes from the C locale the tests run in.
inline const QStringList &englishMonths()
{
    static const QStringList names { "January", "February", "March", "April", "May", "June", "July", "August",
        "September", "October", "November", "December" };
    return names;
}

inline const QStringList &englishDays()
{
    static const QStringList names { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
        "Saturday" };
    return names;
}

// The calendar as the program writes it to disk.
inline QByteArray calendarBytes(const CalendarPage &page, const TComponent *objects)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!CalendarFile::write(buffer, page, objects, &error))
        qWarning("%s", qPrintable(error));
    return buffer.data();
}
