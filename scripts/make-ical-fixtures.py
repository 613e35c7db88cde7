#!/usr/bin/python3
"""Writes the iCalendar test files that another program makes: Python's
icalendar package (Debian's python3-icalendar) writes them, so the reader is
tested on files it did not write itself.

    /usr/bin/python3 scripts/make-ical-fixtures.py   # -> tests/core/events/data/made-by-icalendar.ics
"""
from datetime import date, datetime, timedelta
import os

from datetime import timezone

from icalendar import Calendar, Event

UTC = timezone.utc


class Zoned:
    """A wall-clock time with a TZID the file names but does not define."""

    def __init__(self, zone, *args):
        self.zone = zone
        self.value = datetime(*args)


def add(item, name, value):
    if isinstance(value, Zoned):
        item.add(name, value.value, parameters={"TZID": value.zone})
    else:
        item.add(name, value)


def event(uid, summary, start, end=None, **extra):
    item = Event()
    item.add("uid", uid)
    item.add("dtstamp", datetime(2026, 1, 1, tzinfo=UTC))
    item.add("summary", summary)
    add(item, "dtstart", start)
    if end is not None:
        add(item, "dtend", end)
    for key, value in extra.items():
        add(item, key.replace("_", "-"), value)
    return item


def new_york(*args):
    return Zoned("America/New_York", *args)


def main():
    calendar = Calendar()
    calendar.add("prodid", "-//Datewright tests//python icalendar//EN")
    calendar.add("version", "2.0")
    calendar.add("x-wr-calname", "Family")
    calendar.add_component(event("piano", "Piano", new_york(2026, 3, 3, 16, 30), new_york(2026, 3, 3, 17, 15),
                                 rrule={"freq": "weekly", "byday": "TU"},
                                 exdate=new_york(2026, 3, 17, 16, 30), categories=["Music"]))
    calendar.add_component(event("piano", "Piano (moved)", new_york(2026, 3, 25, 17, 0),
                                 new_york(2026, 3, 25, 17, 45), recurrence_id=new_york(2026, 3, 24, 16, 30),
                                 categories=["Music"]))
    calendar.add_component(event("piano", "Piano", new_york(2026, 3, 31, 16, 30), new_york(2026, 3, 31, 17, 15),
                                 recurrence_id=new_york(2026, 3, 31, 16, 30), status="CANCELLED"))
    calendar.add_component(event("ski", "Ski trip", date(2026, 2, 27), date(2026, 3, 3),
                                 categories=["Holiday", "Family"]))
    calendar.add_component(event("train", "Night train", datetime(2026, 3, 10, 22, 0, tzinfo=UTC),
                                 datetime(2026, 3, 11, 7, 15, tzinfo=UTC)))
    calendar.add_component(event("dentist-old", "Dentist (cancelled)", datetime(2026, 3, 5, 8, 0, tzinfo=UTC),
                                 datetime(2026, 3, 5, 8, 30, tzinfo=UTC), status="CANCELLED"))
    calendar.add_component(event("dentist", "Dentist", datetime(2026, 3, 5, 9, 30, tzinfo=UTC),
                                 datetime(2026, 3, 5, 10, 0, tzinfo=UTC), categories=["Health"]))
    calendar.add_component(event("leap", "Leap birthday", date(2000, 2, 29), date(2000, 3, 1),
                                 rrule={"freq": "yearly"}))
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "..", "tests", "core", "events", "data", "made-by-icalendar.ics")
    with open(out, "wb") as file:
        file.write(calendar.to_ical())


if __name__ == "__main__":
    main()
