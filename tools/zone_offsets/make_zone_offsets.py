#!/usr/bin/env python3
"""Expected civil times of several IANA zones, 1800-2200, for the zone test.

Python's zoneinfo is a second reading of the same compiled zone files, one
that applies each file's closing TZ rule after its last listed change. For
every change of offset in each zone it writes the instants either side and
civil times just before, inside and just after the gap or fold; then one
instant and one civil time a year drawn from a seeded generator.

Lines (tab-separated):
  zone  U  <UTC+8 instant>  <civil time in the zone>  <offset s>  <civil time occurs twice: 0|1>
  zone  L  <civil time>     <UTC+8 instant | gap>     <offset s>  <occurs twice: 0|1>
Times are YYYY-MM-DDTHH:MM, floored to the minute; an L line in a fold gives
the earlier instant.

  python3 tools/zone_offsets/make_zone_offsets.py > tests/app/data/zone_offsets.tsv
"""

import datetime as dt
import random
import sys
import zoneinfo

ZONES = [
    "America/New_York", "Europe/London", "Australia/Sydney", "America/Santiago",
    "Asia/Shanghai", "Pacific/Auckland", "Europe/Dublin", "America/Nuuk",
    "Australia/Lord_Howe",
]
UTC = dt.timezone.utc
CHINA = dt.timedelta(hours=8)
FIRST = dt.datetime(1800, 1, 2, tzinfo=UTC)
LAST = dt.datetime(2200, 12, 30, tzinfo=UTC)
MINUTE = dt.timedelta(minutes=1)


def text(t):
    return t.strftime("%Y-%m-%dT%H:%M")


def floor_minute(t):
    return t.replace(second=0, microsecond=0)


def offset_at(zone, instant):
    return instant.astimezone(zone).utcoffset()


def changes(zone):
    """(UTC instant, offset before, offset after) of every change, to the second."""
    step = dt.timedelta(hours=12)
    t, before = FIRST, offset_at(zone, FIRST)
    while t < LAST:
        nxt = t + step
        after = offset_at(zone, nxt)
        if after != before:
            lo, hi = t, nxt  # offset(lo) == before, offset(hi) != before
            while hi - lo > dt.timedelta(seconds=1):
                mid = lo + (hi - lo) / 2
                mid = mid.replace(microsecond=0)
                if mid <= lo:
                    mid = lo + dt.timedelta(seconds=1)
                if offset_at(zone, mid) == before:
                    lo = mid
                else:
                    hi = mid
            yield hi, before, offset_at(zone, hi)
        t, before = nxt, after


def civil_kind(zone, civil):
    """(offset of the earlier instant or None in a gap, occurs twice)."""
    offsets = []
    for fold in (0, 1):
        o = civil.replace(tzinfo=zone, fold=fold).utcoffset()
        back = (civil - o).replace(tzinfo=UTC).astimezone(zone).replace(tzinfo=None)
        if back == civil and o not in offsets:
            offsets.append(o)
    if not offsets:
        return None, False
    return max(offsets), len(offsets) > 1


def utc_line(name, zone, instant):
    instant = floor_minute(instant)
    local = instant.astimezone(zone)
    civil = floor_minute(local.replace(tzinfo=None))
    _, twice = civil_kind(zone, civil)
    seconds = int(local.utcoffset().total_seconds())
    return f"{name}\tU\t{text(instant + CHINA)}\t{text(civil)}\t{seconds}\t{int(twice)}"


def local_line(name, zone, civil):
    civil = floor_minute(civil)
    offset, twice = civil_kind(zone, civil)
    if offset is None:
        return f"{name}\tL\t{text(civil)}\tgap\t0\t0"
    china = floor_minute(civil - offset + CHINA)
    return f"{name}\tL\t{text(civil)}\t{text(china)}\t{int(offset.total_seconds())}\t{int(twice)}"


def main():
    out = ["# " + line if line else "#" for line in __doc__.strip().splitlines()]
    # The zone test compares this with the system's release before it trusts the rows.
    with open("/usr/share/zoneinfo/tzdata.zi") as release:
        out.append(f"# tzdata {release.readline().split()[-1]}")
    rng = random.Random(2026)
    for name in ZONES:
        zone = zoneinfo.ZoneInfo(name)
        for at, before, after in changes(zone):
            out.append(utc_line(name, zone, at - dt.timedelta(seconds=1)))
            out.append(utc_line(name, zone, at + dt.timedelta(seconds=59)))
            start = (at + min(before, after)).replace(tzinfo=None)
            end = (at + max(before, after)).replace(tzinfo=None)
            out.append(local_line(name, zone, start - MINUTE))
            out.append(local_line(name, zone, start + (end - start) / 2))
            out.append(local_line(name, zone, end + dt.timedelta(seconds=59)))
        for year in range(1800, 2201):
            second = rng.randrange(365 * 86400)
            instant = dt.datetime(year, 1, 2, tzinfo=UTC) + dt.timedelta(seconds=second)
            out.append(utc_line(name, zone, instant))
            civil = dt.datetime(year, 1, 2) + dt.timedelta(seconds=rng.randrange(365 * 86400))
            out.append(local_line(name, zone, civil))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
