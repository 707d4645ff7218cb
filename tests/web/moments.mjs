// The moments the page is checked at, each with the options it is plotted
// under: term edges a minute either side, the 23:xx hours under both day
// starts, both ends of the year range, and every option and method.
import { execFileSync } from 'node:child_process';

const pad = (n, w = 2) => String(n).padStart(w, '0');
const text = (d) => `${pad(d.getUTCFullYear(), 4)}-${pad(d.getUTCMonth() + 1)}-${pad(d.getUTCDate())}T` +
    `${pad(d.getUTCHours())}:${pad(d.getUTCMinutes())}`;
const plus = (moment, minutes) => text(new Date(Date.parse(moment + 'Z') + minutes * 60000));

// The option sets, cycled through; a zone is used only for years whose
// rules every tz database agrees on.
const kOptionSets = [
  {},
  { method: 'zhirun' },
  { method: 'maoshan' },
  { dayStart: '0' },
  { centre: 'gen-kun' },
  { longitude: 116.4, solar: 'apparent' },
  { longitude: 87.6, solar: 'mean', method: 'zhirun' },
  { longitude: -73.95, solar: 'apparent', dayStart: '0', centre: 'gen-kun' },
  { zone: 'Europe/Berlin' },
  { zone: 'America/New_York', method: 'maoshan' },
  { zone: 'Asia/Kolkata', dayStart: '0' },
  { zone: 'Australia/Sydney', centre: 'gen-kun', longitude: 151.2, solar: 'mean' },
];

// The term starts (UTC+8, to the minute) met in a year, from the tool's boundaries.
function termStarts(chartTool, year, step = 1440) {
  const out = execFileSync(chartTool, ['--json', '--from', `${year}-01-01T00:00`,
    '--to', `${year}-12-31T00:00`, '--step-minutes', String(step)], { encoding: 'utf8', maxBuffer: 1 << 28 });
  const starts = new Set();
  for (const line of out.trim().split('\n')) {
    starts.add(JSON.parse(line).boundaries.term.start.slice(0, 16));
  }
  return [...starts].filter((s) => s.startsWith(String(year)));
}

export function chartMoments(chartTool) {
  const moments = [];
  const add = (moment, options = {}) => moments.push({ moment, options });
  // Term edges: the minute before and the minute after the term begins.
  for (const year of [1800, 2024, 2079, 2080, 2999]) {
    for (const start of termStarts(chartTool, year)) {
      add(start, kOptionSets[moments.length % 8]);
      add(plus(start, 1), kOptionSets[moments.length % 8]);
      if (moments.length >= 150) break;
    }
  }
  // 23:xx and midnight under both day starts.
  for (const day of ['1900-02-28', '1999-12-31', '2000-02-29', '2026-12-07', '2100-06-15']) {
    for (const time of ['22:59', '23:00', '23:30', '23:59', '00:00']) {
      add(`${day}T${time}`, {});
      add(`${day}T${time}`, { dayStart: '0' });
    }
  }
  // Both ends of the year range.
  for (const moment of ['1800-01-01T00:00', '1800-01-01T23:00', '1800-02-04T12:00',
                        '2999-12-31T23:59', '2999-12-31T22:59', '2999-12-22T00:00']) {
    for (const options of kOptionSets.slice(0, 5)) add(moment, options);
  }
  // A civil time that the clocks pass twice takes the earlier instant.
  add('2024-10-27T02:30', { zone: 'Europe/Berlin' });
  add('2024-11-03T01:30', { zone: 'America/New_York', dayStart: '0' });
  // Every option set at moments spread over the years (a fixed sequence).
  let seed = 20261208;
  while (moments.length < 300) {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    const options = kOptionSets[moments.length % kOptionSets.length];
    const [first, span] = options.zone ? [1990, 40] : [1800, 1200];
    const year = first + (seed % span);
    const minute = Math.floor(seed / 1200) % (365 * 24 * 60);
    add(plus(`${year}-01-01T00:00`, minute), options);
  }
  return moments;
}

// The tool's arguments for a moment's options.
export function toolArguments({ moment, options }) {
  const args = [];
  if (options.method) args.push('--method', options.method);
  if (options.dayStart) args.push('--day-start', options.dayStart);
  if (options.centre) args.push('--centre-palace', options.centre);
  if (options.longitude !== undefined) args.push('--longitude', String(options.longitude));
  if (options.solar) args.push('--solar-time', options.solar);
  if (options.zone) args.push('--tz', options.zone);
  return [...args, moment];
}
