#!/usr/bin/env python3
"""Checks the delivered offline map layer (data/webmap/basemap.js): that the page can
load it, that its levels cover every zoom the map allows, and that land, sea, lakes
and prefectures lie where they are."""
import json
import os
import sys
import unittest

SOURCE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DEFAULT = os.path.join(SOURCE, "data", "webmap", "basemap.js")
BASEMAP = sys.argv.pop(1) if len(sys.argv) > 1 else DEFAULT
PREFIX = "window.quarrenbyBasemap = "
WEST, EAST, SOUTH, NORTH = 120, 150, 20, 47


def load(path):
    with open(path, encoding="utf-8") as f:
        lines = [line for line in f if not line.startswith("//")]
    text = "".join(lines).strip()
    if not text.startswith(PREFIX) or not text.endswith(";"):
        raise ValueError(f"{path} is not a single assignment to window.quarrenbyBasemap")
    return json.loads(text[len(PREFIX):-1])


def polygons(geometry):
    if geometry["type"] == "Polygon":
        return [geometry["coordinates"]]
    if geometry["type"] == "MultiPolygon":
        return geometry["coordinates"]
    raise ValueError(f"unexpected geometry {geometry['type']}")


def ring_contains(ring, lon, lat):
    inside = False
    for (x0, y0), (x1, y1) in zip(ring, ring[1:]):
        if (y0 > lat) != (y1 > lat) and lon < x0 + (lat - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def covers(feature, lon, lat):
    """True when the point lies in one of the feature's polygons and outside its holes."""
    return any(ring_contains(polygon[0], lon, lat)
               and not any(ring_contains(hole, lon, lat) for hole in polygon[1:])
               for polygon in polygons(feature["geometry"]))


def on_land(level, lon, lat):
    return any(covers(feature, lon, lat) for feature in level["features"]["features"])


def assert_rings_inside(test, feature):
    """Closed rings of [lon, lat] pairs (swapped pairs fall outside) within the area."""
    for polygon in polygons(feature["geometry"]):
        for ring in polygon:
            test.assertGreaterEqual(len(ring), 4)
            test.assertEqual(ring[0], ring[-1])
            for lon, lat in ring:
                test.assertTrue(WEST <= lon <= EAST and SOUTH <= lat <= NORTH, (lon, lat))


BASE = load(BASEMAP)

LAND = {"Tokyo": (139.69, 35.69), "Sapporo": (141.35, 43.06), "Naha": (127.68, 26.21),
        "Seoul": (126.98, 37.57), "Taipei": (121.56, 25.04), "Vladivostok": (131.9, 43.12),
        "Iturup": (147.6, 44.95), "Kunashir": (146.0, 44.2), "Hachijojima": (139.79, 33.11)}
SEA = {"Sea of Japan": (135.0, 40.0), "Pacific": (145.0, 30.0), "Yellow Sea": (124.0, 36.0),
       "East China Sea": (125.0, 29.0), "Tokyo Bay": (139.85, 35.5)}


class File(unittest.TestCase):
    def test_small_enough_to_ship(self):
        self.assertLess(os.path.getsize(BASEMAP), 3_000_000)

    def test_is_one_assignment_the_page_can_run(self):
        self.assertEqual(sorted(BASE), ["attribution", "coast", "prefectures"])

    def test_credits_both_sources(self):
        self.assertIn("GSHHG", BASE["attribution"])
        self.assertIn("Natural Earth", BASE["attribution"])


class CoastLevels(unittest.TestCase):
    def test_levels_cover_zoom_5_to_12_without_gap_or_overlap(self):
        levels = BASE["coast"]
        self.assertGreaterEqual(len(levels), 2)
        self.assertEqual(levels[0]["minZoom"], 5)
        self.assertEqual(levels[-1]["maxZoom"], 12)
        for level in levels:
            self.assertLessEqual(level["minZoom"], level["maxZoom"])
        for lower, upper in zip(levels, levels[1:]):
            self.assertEqual(upper["minZoom"], lower["maxZoom"] + 1)

    def test_rings_are_closed_lon_lat_inside_the_area(self):
        for level in BASE["coast"]:
            collection = level["features"]
            self.assertEqual(collection["type"], "FeatureCollection")
            self.assertTrue(collection["features"])
            for feature in collection["features"]:
                self.assertEqual(feature["type"], "Feature")
                assert_rings_inside(self, feature)

    def test_land_and_sea_where_they_are_at_every_level(self):
        for level in BASE["coast"]:
            zoom = f"zoom {level['minZoom']}-{level['maxZoom']}"
            for name, (lon, lat) in LAND.items():
                self.assertTrue(on_land(level, lon, lat), f"{name} at {zoom}")
            for name, (lon, lat) in SEA.items():
                self.assertFalse(on_land(level, lon, lat), f"{name} at {zoom}")

    def test_closer_levels_are_finer_and_keep_lakes(self):
        counts = [sum(len(ring) for feature in level["features"]["features"]
                      for polygon in polygons(feature["geometry"]) for ring in polygon)
                  for level in BASE["coast"]]
        self.assertEqual(counts, sorted(counts))
        self.assertLess(counts[0], counts[-1])
        finest = BASE["coast"][-1]
        self.assertFalse(on_land(finest, 136.1, 35.35), "Lake Biwa")
        self.assertTrue(on_land(finest, 136.3, 35.25), "east of Lake Biwa")


class Prefectures(unittest.TestCase):
    def test_all_47_with_japanese_names(self):
        features = BASE["prefectures"]["features"]
        names = [feature["properties"]["name_ja"] for feature in features]
        self.assertEqual(len(set(names)), 47)
        self.assertEqual(sum(name.endswith("県") for name in names), 43)
        self.assertTrue({"北海道", "東京都", "大阪府", "京都府"} <= set(names))

    def test_places_fall_in_their_prefecture_only(self):
        places = {"北海道": (141.35, 43.06), "東京都": (139.77, 35.68), "沖縄県": (127.68, 26.21),
                  "大阪府": (135.5, 34.69), "長野県": (138.18, 36.65), "鹿児島県": (130.56, 31.6)}
        features = BASE["prefectures"]["features"]
        for name, (lon, lat) in places.items():
            found = [f["properties"]["name_ja"] for f in features if covers(f, lon, lat)]
            self.assertEqual(found, [name])

    def test_rings_are_closed_lon_lat_inside_the_area(self):
        for feature in BASE["prefectures"]["features"]:
            assert_rings_inside(self, feature)


if __name__ == "__main__":
    unittest.main(verbosity=1)
