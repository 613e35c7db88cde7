#!/usr/bin/python3
"""Writes resources/Holidays/<Country>.ics: the public holidays of each country
below for the years 2000-2060, as one-day events (a date alone is that day), from Debian's
python3-holidays package. The files are committed; building needs no Python.

    /usr/bin/python3 scripts/make-holiday-calendars.py
"""
import os

import holidays
from icalendar import Calendar, Event
from datetime import datetime, timezone

FIRST_YEAR = 2000
LAST_YEAR = 2060

# File name (the country's English name) and the package's class for it.
COUNTRIES = [
    ("Argentina", "Argentina"), ("Australia", "Australia"), ("Austria", "Austria"),
    ("Belarus", "Belarus"), ("Belgium", "Belgium"), ("Brazil", "Brazil"), ("Bulgaria", "Bulgaria"),
    ("Canada", "Canada"), ("Chile", "Chile"), ("Colombia", "Colombia"), ("Croatia", "Croatia"),
    ("Czechia", "Czechia"), ("Denmark", "Denmark"), ("Estonia", "Estonia"), ("Finland", "Finland"),
    ("France", "France"), ("Germany", "Germany"), ("Greece", "Greece"), ("Hungary", "Hungary"),
    ("Iceland", "Iceland"), ("India", "India"), ("Ireland", "Ireland"), ("Israel", "Israel"),
    ("Italy", "Italy"), ("Japan", "Japan"), ("Kenya", "Kenya"), ("Lithuania", "Lithuania"),
    ("Luxembourg", "Luxembourg"), ("Mexico", "Mexico"), ("Netherlands", "Netherlands"),
    ("New Zealand", "NewZealand"), ("Nigeria", "Nigeria"), ("Norway", "Norway"), ("Peru", "Peru"),
    ("Poland", "Poland"), ("Portugal", "Portugal"), ("Serbia", "Serbia"),
    ("Slovakia", "Slovakia"), ("Slovenia", "Slovenia"), ("South Africa", "SouthAfrica"),
    ("Spain", "Spain"), ("Sweden", "Sweden"), ("Switzerland", "Switzerland"), ("Ukraine", "Ukraine"),
    ("United Kingdom", "UnitedKingdom"), ("United States", "UnitedStates"),
]

STAMP = datetime(2026, 1, 1, tzinfo=timezone.utc)


def holidays_of(country_class):
    days = {}
    # Norway and Sweden count every Sunday unless told not to.
    options = {"include_sundays": False} if "include_sundays" in country_class.__init__.__code__.co_varnames else {}
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        try:
            found = country_class(years=year, **options)
        except (NotImplementedError, KeyError, ValueError):
            continue  # the package does not know this year for this country
        for day, name in found.items():
            if day.year == year:
                days[day] = name
    return days


def calendar_of(country, days):
    calendar = Calendar()
    calendar.add("prodid", "-//Datewright//Holidays from python3-holidays//EN")
    calendar.add("version", "2.0")
    calendar.add("x-wr-calname", "Holidays: " + country)
    slug = country.lower().replace(" ", "-")
    for day in sorted(days):
        event = Event()
        event.add("uid", "%s-%s@holidays.datewright" % (day.strftime("%Y%m%d"), slug))
        event.add("dtstamp", STAMP)
        event.add("dtstart", day)
        event.add("summary", days[day])
        event.add("categories", ["Public holiday"])
        calendar.add_component(event)
    return calendar


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.join(here, "..", "resources", "Holidays")
    os.makedirs(folder, exist_ok=True)
    for country, class_name in COUNTRIES:
        days = holidays_of(getattr(holidays, class_name))
        with open(os.path.join(folder, country + ".ics"), "wb") as file:
            file.write(calendar_of(country, days).to_ical())
        print("%-15s %5d days, %d-%d" % (country, len(days), min(days).year, max(days).year))


if __name__ == "__main__":
    main()
