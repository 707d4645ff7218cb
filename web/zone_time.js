// Civil time in an IANA zone ⇄ the instant in China Standard Time (UTC+8),
// by the browser's own time-zone data, read as veltrane-chart --tz reads it.
const ZoneTime = (() => {
  'use strict';

  const pad = (n, w = 2) => String(n).padStart(w, '0');
  const partsOfUtc = (ms) => {
    const d = new Date(ms);
    return { year: d.getUTCFullYear(), month: d.getUTCMonth() + 1, day: d.getUTCDate(),
             hour: d.getUTCHours(), minute: d.getUTCMinutes() };
  };
  const utcOfParts = (p) => {
    const d = new Date(0);
    d.setUTCFullYear(p.year, p.month - 1, p.day);
    d.setUTCHours(p.hour, p.minute, p.second || 0, 0);
    return d.getTime();
  };
  const sameMinute = (a, b) => a.year === b.year && a.month === b.month && a.day === b.day &&
      a.hour === b.hour && a.minute === b.minute;

  const formats = new Map();
  function zoneFormat(zone) {
    if (!formats.has(zone)) {
      formats.set(zone, new Intl.DateTimeFormat('en-US', {
        timeZone: zone, hourCycle: 'h23', era: 'short', year: 'numeric', month: 'numeric',
        day: 'numeric', hour: 'numeric', minute: 'numeric', second: 'numeric' }));
    }
    return formats.get(zone);
  }
  // The civil time (to the second) in `zone` of an instant.
  function civilIn(zone, ms) {
    const p = {};
    for (const part of zoneFormat(zone).formatToParts(new Date(ms))) p[part.type] = part.value;
    const year = p.era === 'BC' ? 1 - Number(p.year) : Number(p.year);
    return { year, month: Number(p.month), day: Number(p.day), hour: Number(p.hour),
             minute: Number(p.minute), second: Number(p.second) };
  }
  const offsetSeconds = (zone, ms) => Math.round((utcOfParts(civilIn(zone, ms)) - ms) / 1000);

  function isZone(zone) {
    try { zoneFormat(zone); return true; } catch (e) { return false; }
  }

  // Reads a civil time of `zone` as an instant: a time the clocks skipped is
  // an error, one they passed twice gives the earlier instant.
  function resolve(local, zone) {
    if (zone === '') return { china: local, offset: 480, ambiguous: false };
    const asUtc = utcOfParts(local);
    const instants = new Set();
    for (const probe of [asUtc - 86400000, asUtc, asUtc + 86400000]) {
      const t = asUtc - offsetSeconds(zone, probe) * 1000;
      if (sameMinute(civilIn(zone, t), local)) instants.add(t);
    }
    if (instants.size === 0) return null;
    const t = Math.min(...instants);
    return { china: partsOfUtc(Math.floor(t / 60000) * 60000 + 8 * 3600000),
             offset: Math.floor(offsetSeconds(zone, t) / 60), ambiguous: instants.size > 1 };
  }

  // The civil time in `zone` of a UTC+8 moment.
  function localOf(china, zone) {
    if (zone === '') return china;
    return civilIn(zone, utcOfParts(china) - 8 * 3600000);
  }

  // The instant (ms) of a UTC+8 time as the core's JSON writes it: "2001-12-27T03:00:00".
  const instantOf = (s) => utcOfParts({ year: Number(s.slice(0, 4)), month: Number(s.slice(5, 7)),
    day: Number(s.slice(8, 10)), hour: Number(s.slice(11, 13)), minute: Number(s.slice(14, 16)),
    second: Number(s.slice(17, 19) || 0) });
  const toMinute = (ms) => Math.ceil(ms / 60000) * 60000;

  return { pad, partsOfUtc, utcOfParts, civilIn, isZone, resolve, localOf, instantOf, toMinute };
})();
