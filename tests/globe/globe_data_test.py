#!/usr/bin/env python3
"""Checks the delivered globe data file (data/globe/japan.GLL): that it parses strictly
(sizes adding up to the file's length, terminated CP932 names, points within the area),
that it holds every kind of record the globe draws, and that land, sea, heights and
cities lie where they are."""
import os
import struct
import sys
import unittest

SOURCE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DEFAULT = os.path.join(SOURCE, "data", "globe", "japan.GLL")
GLOBE = sys.argv.pop(1) if len(sys.argv) > 1 else DEFAULT
WEST, EAST, SOUTH, NORTH = 100, 170, 5, 65
FILE_HEADER, RECORD_HEADER = 72, 60
AREA_TYPES, LINE_TYPES = {0, 1, 2, 5, 7}, {3, 4, 6}
NAME_TYPES = {100, 101, 102, 103} | set(range(200, 212))


class Record:
    def __init__(self, kind, level, name, anchor, points):
        self.kind, self.level, self.name = kind, level, name
        self.anchor, self.points = anchor, points


def parse(data):
    """The records of a file, or ValueError naming the first fault."""
    if len(data) < FILE_HEADER:
        raise ValueError("shorter than the file header")
    count = struct.unpack_from("<i", data, 8)[0]
    offset, records = FILE_HEADER, []
    for index in range(count):
        if offset + RECORD_HEADER > len(data):
            raise ValueError(f"record {index} header runs past the end")
        tag, kind, level, _, size, lon, lat, name = struct.unpack_from("<4siiiiff32s", data,
                                                                         offset)
        if b"\0" not in tag or b"\0" not in name:
            raise ValueError(f"record {index}: tag or name without a terminator")
        if size < 0 or size % 8 or offset + RECORD_HEADER + size > len(data):
            raise ValueError(f"record {index}: data size {size} does not fit")
        text = name[:name.index(b"\0")].decode("cp932")
        start = offset + RECORD_HEADER
        values = struct.unpack_from(f"<{size // 4}f", data, start)
        points = [(-values[i], values[i + 1]) for i in range(0, len(values), 2)]
        records.append(Record(kind, level, text, (-lon, lat), points))
        offset = start + size
    if offset != len(data):
        raise ValueError(f"{len(data) - offset} bytes after the last record")
    return records


def ring_contains(ring, lon, lat):
    inside = False
    for (x0, y0), (x1, y1) in zip(ring, ring[-1:] + ring[:-1]):
        if (y0 > lat) != (y1 > lat) and lon < x0 + (lat - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


class GlobeFileTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(GLOBE, "rb") as f:
            cls.data = f.read()
        cls.records = parse(cls.data)

    def of(self, kind, level=None):
        return [r for r in self.records if r.kind == kind and level in (None, r.level)]

    def covered(self, kind, level, lon, lat):
        return any(ring_contains(r.points, lon, lat) for r in self.of(kind, level))

    def test_parser_refuses_damaged_copies(self):
        with self.assertRaises(ValueError):
            parse(self.data[:-1])
        with self.assertRaises(ValueError):
            parse(self.data + b"\0")
        bad_count = bytearray(self.data)
        struct.pack_into("<i", bad_count, 8, len(self.records) + 1)
        with self.assertRaises(ValueError):
            parse(bytes(bad_count))

    def test_header_and_record_fields(self):
        self.assertEqual(self.data[:6], b"QBGLL1")
        self.assertLess(len(self.data), 4_000_000, "the file is read at every start")
        for record in self.records:
            self.assertIn(record.kind, AREA_TYPES | LINE_TYPES | NAME_TYPES)
            self.assertTrue(0 <= record.level <= 7, (record.kind, record.level))
            if record.kind in NAME_TYPES:
                self.assertTrue(record.name, "a name record without a name")
                self.assertEqual(record.points, [])
                lon, lat = record.anchor
                self.assertTrue(WEST <= lon <= EAST and SOUTH <= lat <= NORTH, record.name)
            else:
                self.assertGreaterEqual(len(record.points), 3 if record.kind in AREA_TYPES else 2)
            for lon, lat in record.points:
                self.assertTrue(WEST <= lon <= EAST and SOUTH <= lat <= NORTH, (lon, lat))

    def test_every_kind_the_globe_draws_is_there(self):
        for level in range(8):
            self.assertTrue(self.of(0, level), f"no land at height level {level}")
        for kind in (2, 3, 4, 6, 100, 102, 103, 200, 202, 203, 205, 208, 210):
            self.assertTrue(self.of(kind), f"no record of type {kind}")
        for level in range(4):
            self.assertTrue(self.of(103, level), f"no city of size class {level}")

    def test_cities_lie_at_their_places(self):
        for name, lon, lat in (("東京", 139.69, 35.69), ("大阪", 135.50, 34.69),
                               ("札幌", 141.35, 43.06)):
            found = [r for r in self.of(103) if r.name.startswith(name)]
            self.assertEqual(len(found), 1, name)
            self.assertAlmostEqual(found[0].anchor[0], lon, delta=0.1)
            self.assertAlmostEqual(found[0].anchor[1], lat, delta=0.1)
        self.assertTrue(any(r.name.startswith("東京") for r in self.of(102)))
        self.assertIn("日本", [r.name for r in self.of(100)])

    def test_land_sea_and_heights(self):
        for lon, lat in ((139.69, 35.69), (141.35, 43.06), (130.40, 33.59), (127.68, 26.21)):
            self.assertTrue(self.covered(0, 0, lon, lat), f"{lon} E {lat} N should be land")
        for lon, lat in ((135.0, 40.0), (145.0, 30.0), (125.0, 30.0)):
            self.assertFalse(self.covered(0, 0, lon, lat), f"{lon} E {lat} N should be sea")
        # Near Mount Fuji and in the Japanese Alps the land rises to 1,500 m or more on the
        # 5-minute grid of the heights; the Kanto plain stays below 500 m.
        for lon, lat in ((138.73, 35.36), (137.65, 36.29)):
            near = [(lon + i * 0.05, lat + j * 0.05) for i in range(-4, 5) for j in range(-4, 5)]
            self.assertTrue(any(self.covered(0, 4, *p) for p in near), (lon, lat))
        self.assertFalse(self.covered(0, 2, 139.80, 35.90))
        self.assertFalse(self.covered(0, 1, 139.69, 35.69))
        self.assertTrue(self.covered(2, 0, 136.10, 35.25), "Lake Biwa")

    def test_levels_are_nested(self):
        """Land at a level lies within the level below, since the globe paints each level
        over the lower ones: bands instead of nested areas would leave holes."""
        grid = [(128 + i * 0.4, 30 + j * 0.4) for i in range(45) for j in range(40)]
        for level in range(1, 8):
            upper = [p for p in grid if self.covered(0, level, *p)]
            self.assertTrue(upper or level > 5, f"no point at level {level}")
            outside = [p for p in upper if not self.covered(0, level - 1, *p)]
            # Independent simplification may shift a boundary by a grid step here and there.
            self.assertLessEqual(len(outside), max(1, len(upper) // 50), (level, outside[:5]))

if __name__ == "__main__":
    unittest.main()
