#!/usr/bin/env python3
"""Builds tessim2.pln, the system place file delivered with Quarrenby, from the
Geospatial Information Authority of Japan's list of main mountains
(JapanMountain.csv: name, kana, latitude, longitude, height, current datum).

Each mountain becomes a peak of level 1, 2 or 3:
  level 1: 2,500 m or higher, or the highest mountain of the list within 30 km;
  level 2: 1,500 m or higher, or the highest within 10 km;
  level 3: every other mountain.
The old-datum (Tokyo datum) position is computed with PROJ's cs2cs from
EPSG:6668 (JGD2011) to EPSG:4301 (Tokyo). The file is written in Shift-JIS
(code page 932) with CR LF line ends, in the place-file format 3.

Usage: make_tessim2.py JapanMountain.csv [tessim2.pln]
Only rebuilding the file needs PROJ (Debian package proj-bin); building
Quarrenby does not.
"""
import csv
import math
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


# Characters of the list that code page 932 lacks, written with the variant it has.
CP932_VARIANTS = {"萊": "莱", "屛": "屏"}


def cp932_name(name):
    return "".join(CP932_VARIANTS.get(ch, ch) for ch in name)


def km_between(a, b):
    dy = (a[0] - b[0]) * 111.0
    dx = (a[1] - b[1]) * 111.0 * math.cos(math.radians(a[0]))
    return math.hypot(dx, dy)


def is_highest_within(i, mountains, radius_km):
    here = mountains[i]
    return not any(j != i and other["height"] > here["height"] and
                   km_between((here["lat"], here["lon"]), (other["lat"], other["lon"])) <= radius_km
                   for j, other in enumerate(mountains))


def level_of(i, mountains):
    height = mountains[i]["height"]
    if height >= 2500 or is_highest_within(i, mountains, 30):
        return 1
    if height >= 1500 or is_highest_within(i, mountains, 10):
        return 2
    return 3


def to_tokyo_datum(points):
    text = "".join("%.9f %.9f\n" % p for p in points)
    result = subprocess.run(["cs2cs", "-f", "%.9f", "EPSG:6668", "EPSG:4301"], input=text,
                            capture_output=True, text=True, check=True)
    pairs = []
    for line in result.stdout.splitlines():
        lat, lon = line.split()[:2]
        pairs.append((float(lat), float(lon)))
    if len(pairs) != len(points):
        raise SystemExit("cs2cs returned %d points for %d" % (len(pairs), len(points)))
    return pairs


def angle_field(degrees):
    """A seven-character angle: three digits of degrees, two of minutes, two of seconds."""
    total = int(round(degrees * 3600))
    return "%03d%02d%02d" % (total // 3600, total // 60 % 60, total % 60)


def header(count):
    line = list(" " * 168)

    def put(pos, text):
        line[pos:pos + len(text)] = list(text)
    put(11, "0001")
    put(15, angle_field(20.0) + angle_field(122.0) + angle_field(46.0) + angle_field(154.0))
    put(63, "%05d" % count)
    put(68, "03")
    put(70, "%04d%04d" % (0, 0))
    return "".join(line) + "\r\n"


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "..", "shared", "data",
                                                                  "mountains", "JapanMountain.csv")
    target = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "tessim2.pln")
    with open(source, encoding="utf-8") as f:
        mountains = [{"name": r["名前"], "lat": float(r["緯度"]), "lon": float(r["経度"]),
                      "height": int(r["標高"])} for r in csv.DictReader(f)]
    old = to_tokyo_datum([(m["lat"], m["lon"]) for m in mountains])
    lines = [header(len(mountains))]
    for i, m in enumerate(mountains):
        kind = level_of(i, mountains) - 1  # Peak1, Peak2, Peak3 are kind codes 0, 1, 2
        lines.append("%02d%05d%12.7f%12.7f%12.7f%12.7f%s\r\n" % (
            kind, m["height"] * 10, old[i][0], old[i][1], m["lat"], m["lon"], cp932_name(m["name"])))
    data = "".join(lines).encode("cp932")
    with open(target + ".tmp", "wb") as out:
        out.write(data)
    os.replace(target + ".tmp", target)
    print("%s: %d mountains" % (target, len(mountains)))


if __name__ == "__main__":
    main()
