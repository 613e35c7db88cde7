#!/usr/bin/env node
// Writes resources/Holidays from the date-holidays package (pinned in
// package-lock.json): per country "<Country>.ics" with its public and bank
// holidays, "<Country>/<Region>.ics" with the days only that region adds,
// and "<Country> observances.ics" with the other kinds of day it marks.
// Each holiday is one event for 2000-2060: a yearly rule where its date is
// fixed, a list of dates otherwise. Run twice, it writes the same bytes.
//
//   cd scripts/holidays && npm ci && node generate.js ../../resources/Holidays
'use strict';

const fs = require('fs');
const path = require('path');
const Holidays = require('date-holidays');

const FIRST_YEAR = 2000;
const LAST_YEAR = 2060;
const MAIN_KINDS = new Set(['public', 'bank']);
const version = require('date-holidays/package.json').version;
// English names people use where the package's differ (and the names the
// calendars were shipped under before).
const COUNTRY_NAMES = { CZ: 'Czechia', IT: 'Italy', US: 'United States' };

// A file name from a name in English: no characters file systems refuse.
function fileName(name) {
  return name.replace(/[\/\\:*?"<>|]/g, '-').trim();
}

function pad(n) {
  return String(n).padStart(2, '0');
}

// The days a holiday covers, as YYYYMMDD: from its local date (the country's
// own), as many as its length in whole days.
function daysOf(holiday) {
  const [year, month, date] = holiday.date.slice(0, 10).split('-').map(Number);
  const length = Math.min(31, Math.max(1, Math.round((holiday.end - holiday.start) / 86400000)));
  const days = [];
  for (let i = 0; i < length; ++i) {
    const day = new Date(Date.UTC(year, month - 1, date + i));
    days.push(`${day.getUTCFullYear()}${pad(day.getUTCMonth() + 1)}${pad(day.getUTCDate())}`);
  }
  return days;
}

// name -> { kind, days: Set } over every year, for one calendar.
function collect(hd, kinds) {
  const events = new Map();
  for (let year = FIRST_YEAR; year <= LAST_YEAR; ++year) {
    for (const holiday of hd.getHolidays(year) || []) {
      if (!kinds(holiday.type))
        continue;
      const key = holiday.name;
      if (!events.has(key))
        events.set(key, { kind: holiday.type, days: new Set() });
      for (const day of daysOf(holiday))
        events.get(key).days.add(day);
    }
  }
  return events;
}

function fold(line) {
  const parts = [];
  let rest = Buffer.from(line, 'utf8');
  while (rest.length > 75) {
    let cut = parts.length === 0 ? 75 : 74;
    while ((rest[cut] & 0xc0) === 0x80)
      --cut; // never inside a UTF-8 sequence
    parts.push(rest.subarray(0, cut).toString('utf8'));
    rest = rest.subarray(cut);
  }
  parts.push(rest.toString('utf8'));
  return parts.join('\r\n ');
}

function escapeText(text) {
  return text.replace(/\\/g, '\\\\').replace(/;/g, '\\;').replace(/,/g, '\\,').replace(/\n/g, '\\n');
}

// A yearly rule when every day falls on one month and day over a run of
// consecutive years, else the first day with the rest as a list.
function dateLines(days) {
  const sorted = [...days].sort();
  const monthDay = sorted[0].slice(4);
  const years = sorted.map((day) => Number(day.slice(0, 4)));
  const yearly = sorted.every((day) => day.slice(4) === monthDay)
    && years.every((year, i) => i === 0 || year === years[i - 1] + 1);
  const lines = [`DTSTART;VALUE=DATE:${sorted[0]}`];
  if (yearly && sorted.length > 1) {
    const last = years[years.length - 1];
    lines.push(last < LAST_YEAR ? `RRULE:FREQ=YEARLY;UNTIL=${sorted[sorted.length - 1]}` : 'RRULE:FREQ=YEARLY');
  } else if (sorted.length > 1) {
    lines.push(fold(`RDATE;VALUE=DATE:${sorted.slice(1).join(',')}`));
  }
  return lines;
}

// Facts the package's data does not have yet, each with the law behind it.
const CORRECTIONS = {
  // Constitution art. 83 as reformed in 2014: from 2024 the President takes
  // office on 1 October, not 1 December.
  MX: (events) => {
    const event = events.get('Transmisión del Poder Ejecutivo Federal');
    if (!event)
      return;
    for (const day of [...event.days]) {
      if (Number(day.slice(0, 4)) >= 2024 && day.endsWith('1201')) {
        event.days.delete(day);
        event.days.add(`${day.slice(0, 4)}1001`);
      }
    }
  },
};

const KIND_NAMES = {
  public: 'Public holiday', bank: 'Bank holiday', school: 'School holiday',
  optional: 'Optional holiday', observance: 'Observance',
};

function writeCalendar(file, title, events, uidPrefix) {
  if (events.size === 0)
    return 0;
  const lines = ['BEGIN:VCALENDAR', 'VERSION:2.0', `PRODID:-//Datewright//Holidays from date-holidays ${version}//EN`,
    fold(`X-WR-CALNAME:${escapeText(title)}`)];
  const names = [...events.keys()].sort((a, b) => {
    const first = (name) => [...events.get(name).days].sort()[0].slice(4);
    return first(a).localeCompare(first(b)) || a.localeCompare(b);
  });
  names.forEach((name, index) => {
    const event = events.get(name);
    lines.push('BEGIN:VEVENT', fold(`SUMMARY:${escapeText(name)}`), ...dateLines(event.days),
      'DTSTAMP:20260101T000000Z', `UID:${uidPrefix}-${index + 1}@holidays.datewright`,
      `CATEGORIES:${KIND_NAMES[event.kind] || 'Holiday'}`, 'END:VEVENT');
  });
  lines.push('END:VCALENDAR');
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, lines.join('\r\n') + '\r\n');
  return events.size;
}

function main() {
  const out = process.argv[2] || path.join(__dirname, '..', '..', 'resources', 'Holidays');
  const countries = new Holidays().getCountries('en');
  let written = 0;
  for (const code of Object.keys(countries).sort()) {
    const country = fileName(COUNTRY_NAMES[code] || countries[code]);
    const hd = new Holidays(code);
    const language = (hd.getLanguages() || ['en'])[0];
    hd.setLanguages(language);
    const main = collect(hd, (kind) => MAIN_KINDS.has(kind));
    if (CORRECTIONS[code])
      CORRECTIONS[code](main);
    const other = collect(hd, (kind) => !MAIN_KINDS.has(kind));
    const slug = code.toLowerCase();
    written += writeCalendar(path.join(out, `${country}.ics`), `Holidays: ${country}`, main, slug) > 0;
    writeCalendar(path.join(out, `${country} observances.ics`), `Observances: ${country}`, other,
      `${slug}-observances`);
    const regions = hd.getStates(code) || {};
    for (const region of Object.keys(regions).sort()) {
      const regional = new Holidays(code, region);
      regional.setLanguages(language);
      const own = collect(regional, (kind) => MAIN_KINDS.has(kind));
      // A day the country already keeps is not the region's own, whatever
      // the region calls it ("Maifeiertag" for "Erster Mai").
      const nationalDays = new Set([...main.values()].flatMap((event) => [...event.days]));
      for (const [name, event] of own) {
        for (const day of nationalDays)
          event.days.delete(day);
        if (event.days.size === 0)
          own.delete(name);
      }
      writeCalendar(path.join(out, country, `${fileName(regions[region])}.ics`),
        `Holidays: ${country}, ${regions[region]}`, own, `${slug}-${region.toLowerCase()}`);
    }
  }
  console.log(`${written} countries written to ${out}`);
}

main();
