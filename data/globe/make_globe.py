#!/usr/bin/python3
"""Builds japan.GLL, the globe's data file: land by height, lakes, rivers, borders and names
of East Asia and the western Pacific around Japan.

Format (little-endian): a 72-byte header ("QBGLL1" at offset 0, the int32 record count at
offset 8, zeros elsewhere), then the records, each a 60-byte header
    char tag[4]; int32 type; int32 sub-level; int32 0; int32 data bytes D;
    float anchor longitude (negated: east is negative); float anchor latitude;
    char name[32] (CP932, zero-terminated)
followed by D / 8 points, each a float longitude (negated) and a float latitude.

Contents (all within longitudes 100-170 E, latitudes 5-65 N):
  type 0    land at or above each height level (sub-level 0-7), nested: every level's
            polygons cover all land at or above its lower bound, since the globe paints
            level 0 first and each higher level over it. Level 0 is GSHHG's land; the
            others are ETOPO5 heights within that land, at or above HEIGHT_LEVELS metres.
            Holes (valleys, lakes) are filled; the lakes are drawn over the land.
  type 1    none: no permanent ice field within the area reaches the grid's resolution.
  type 2    lakes (GSHHG).
  type 3    borders (GSHHG level 1: land borders; GSHHG draws none through the islands
            off Hokkaido's east).
  type 4/6  major rivers (GSHHG classes 1-3) / other permanent rivers (class 4).
  type 100  countries in Japanese (iso-codes), at anchors of our own.
  type 102  capitals, type 103 cities (GeoNames, Japanese names), sub-level by population.
  type 200+ seas, straits, bays, islands, peninsulas, mountains and the like around Japan:
            the table NAMED_PLACES below, facts of our own.

Sources: ETOPO5 (NOAA, public domain) from Debian ferret-datasets; GSHHG 2.3.7 (Wessel &
Smith, LGPL-3+) through GMT; GeoNames (CC BY 4.0) through libgeonames; iso-codes (LGPL-2.1+).

Needs (only to rebuild the file; building Quarrenby does not), as root:
  apt-get install ferret-datasets gmt python3-gdal iso-codes \\
      libgeonames0 libgeonames-common locales
  (GMT's own package carries GSHHG's intermediate resolution used here)
  and the ja_JP.UTF-8 locale (echo "ja_JP.UTF-8 UTF-8" >>/etc/locale.gen; locale-gen).
Usage:
  /usr/bin/python3 data/globe/make_globe.py [data/globe/japan.GLL]
"""
import ctypes
import gettext
import json
import locale
import os
import struct
import sys
import tempfile

from osgeo import gdal, ogr

gdal.UseExceptions()
ogr.UseExceptions()

HERE = os.path.dirname(os.path.abspath(__file__))
# GMT is run as the offline map layer's generator runs it.
sys.path.insert(0, os.path.join(HERE, "..", "webmap"))
from make_basemap import run  # noqa: E402
ETOPO5 = "/usr/share/ferret-vis/data/etopo5.cdf"

WEST, EAST, SOUTH, NORTH = 100, 170, 5, 65
REGION = f"-R{WEST}/{EAST}/{SOUTH}/{NORTH}"

# Lower bounds of the eight height levels, metres above sea level.
HEIGHT_LEVELS = [0, 200, 500, 1000, 1500, 2000, 3000, 4000]
# The grid the land and the heights are polygonized on (GMT increment, degrees).
GRID, GRID_DEGREES = "1m", 1 / 60
# GSHHG resolution: intermediate (about 1 km), fine enough for a globe of Japan.
RESOLUTION = "i"
# Simplification tolerances (degrees) and the smallest area kept (square degrees).
AREA_TOLERANCE = 0.02
LINE_TOLERANCE = 0.02
MIN_AREA = 0.004
MIN_LINE_LENGTH = 0.05

# GeoNames cities kept: all of Japan's with at least JAPAN_MIN_POPULATION people, the
# others with at least ABROAD_MIN_POPULATION and a Japanese name.
JAPAN_MIN_POPULATION = 150_000
ABROAD_MIN_POPULATION = 2_000_000
# Sub-levels of cities and capitals: the first bound the population reaches.
POPULATION_LEVELS = [5_000_000, 1_000_000, 300_000]

# Countries named on the globe: ISO code and where the name is written (lon, lat).
COUNTRIES = [
    ("JP", 138.0, 37.5), ("KR", 127.8, 36.3), ("KP", 126.8, 40.0), ("CN", 110.0, 33.0),
    ("MN", 104.0, 46.5), ("RU", 130.0, 58.0), ("TW", 120.9, 23.6), ("PH", 122.5, 12.5),
    ("VN", 105.6, 16.5), ("LA", 102.5, 19.5), ("TH", 101.0, 15.5), ("KH", 104.9, 12.7),
    ("PW", 134.6, 7.5), ("FM", 155.0, 7.0), ("MP", 145.7, 16.5), ("GU", 144.8, 13.6),
]

# Capitals within the area: ISO code of the country and where the capital lies (lon, lat);
# GeoNames has no capital flag, so its city of that country nearest the point is taken.
CAPITALS = [("JP", 139.69, 35.69), ("KR", 126.98, 37.57), ("KP", 125.75, 39.03),
            ("CN", 116.40, 39.91), ("TW", 121.53, 25.05), ("PH", 120.98, 14.60),
            ("VN", 105.84, 21.02), ("MN", 106.88, 47.91), ("LA", 102.60, 17.97),
            ("TH", 100.50, 13.75), ("KH", 104.92, 11.56)]
CAPITAL_DISTANCE = 0.3

# Names of our own: type, sub-level, Japanese name, longitude, latitude (anchor).
NAMED_PLACES = [
    (203, 0, "日本海", 134.5, 40.5), (203, 0, "太平洋", 150.0, 30.0),
    (203, 0, "東シナ海", 125.5, 29.5), (203, 0, "オホーツク海", 148.5, 53.0),
    (203, 0, "フィリピン海", 132.0, 20.0), (203, 0, "黄海", 123.0, 36.0),
    (203, 0, "南シナ海", 114.0, 15.0), (203, 0, "ベーリング海", 166.0, 58.0),
    (203, 0, "瀬戸内海", 133.2, 34.2),
    (208, 0, "津軽海峡", 140.6, 41.5), (208, 0, "対馬海峡", 129.5, 34.0),
    (208, 0, "宗谷海峡", 142.0, 45.6), (208, 0, "関門海峡", 130.95, 33.95),
    (208, 0, "間宮海峡", 141.6, 52.2), (208, 0, "台湾海峡", 119.5, 24.0),
    (208, 0, "根室海峡", 145.3, 43.8), (208, 0, "大隅海峡", 130.8, 30.9),
    (202, 0, "東京湾", 139.8, 35.5), (202, 0, "駿河湾", 138.6, 34.9),
    (202, 0, "伊勢湾", 136.8, 34.8), (202, 0, "相模湾", 139.35, 35.2),
    (202, 0, "富山湾", 137.3, 36.9), (202, 0, "陸奥湾", 140.9, 41.0),
    (202, 0, "内浦湾", 140.6, 42.3), (202, 0, "鹿児島湾", 130.65, 31.45),
    (202, 0, "有明海", 130.3, 33.0), (202, 0, "若狭湾", 135.6, 35.7),
    (202, 0, "渤海", 120.0, 38.8),
    (200, 0, "佐渡島", 138.4, 38.05), (200, 0, "屋久島", 130.5, 30.35),
    (200, 0, "種子島", 131.0, 30.6), (200, 0, "淡路島", 134.85, 34.35),
    (200, 0, "対馬", 129.3, 34.4), (200, 0, "奄美大島", 129.4, 28.3),
    (200, 0, "沖縄島", 127.9, 26.5), (200, 0, "石垣島", 124.15, 24.4),
    (200, 0, "利尻島", 141.2, 45.18), (200, 0, "隠岐", 133.2, 36.2),
    (200, 0, "八丈島", 139.8, 33.1), (200, 0, "小笠原諸島", 142.2, 27.1),
    (200, 0, "択捉島", 147.8, 45.0), (200, 0, "国後島", 145.9, 44.1),
    (200, 0, "色丹島", 146.75, 43.8), (200, 0, "歯舞群島", 146.1, 43.45),
    (200, 0, "樺太", 142.8, 50.0), (200, 0, "千島列島", 152.0, 47.5),
    (200, 0, "済州島", 126.55, 33.4), (200, 0, "海南島", 109.8, 19.2),
    (200, 0, "北海道", 143.0, 43.4), (200, 0, "本州", 139.8, 38.0),
    (200, 0, "四国", 133.4, 33.7), (200, 0, "九州", 130.9, 32.6),
    (210, 0, "知床半島", 145.1, 44.1), (210, 0, "房総半島", 140.15, 35.2),
    (210, 0, "伊豆半島", 138.95, 34.85), (210, 0, "紀伊半島", 135.9, 34.0),
    (210, 0, "能登半島", 136.9, 37.2), (210, 0, "男鹿半島", 139.8, 39.9),
    (210, 0, "下北半島", 141.1, 41.3), (210, 0, "渡島半島", 140.3, 41.9),
    (210, 0, "大隅半島", 130.9, 31.2), (210, 0, "薩摩半島", 130.35, 31.4),
    (210, 0, "カムチャツカ半島", 159.0, 56.0), (210, 0, "朝鮮半島", 127.0, 37.5),
    (210, 0, "山東半島", 121.0, 37.0), (210, 0, "遼東半島", 122.2, 39.5),
    (205, 0, "富士山", 138.7274, 35.3606), (205, 0, "北岳", 138.2386, 35.6744),
    (205, 0, "奥穂高岳", 137.6481, 36.2892), (205, 0, "御嶽山", 137.4803, 35.8928),
    (205, 0, "大雪山", 142.8542, 43.6636), (205, 0, "岩木山", 140.3033, 40.6558),
    (205, 0, "鳥海山", 140.0489, 39.0992), (205, 0, "白山", 136.7714, 36.1553),
    (205, 0, "大山", 133.5461, 35.3711), (205, 0, "石鎚山", 133.1156, 33.7675),
    (205, 0, "阿蘇山", 131.1039, 32.8847), (205, 0, "桜島", 130.6572, 31.5931),
    (205, 0, "宮之浦岳", 130.5042, 30.3358), (205, 0, "白頭山", 128.0555, 41.9936),
    (205, 0, "玉山", 120.9575, 23.47), (205, 0, "クリュチェフスカヤ山", 160.6447, 56.0569),
    (206, 0, "飛騨山脈", 137.6, 36.4), (206, 0, "木曽山脈", 137.85, 35.75),
    (206, 0, "赤石山脈", 138.2, 35.4), (206, 0, "奥羽山脈", 140.8, 39.5),
    (206, 0, "日高山脈", 142.8, 42.6), (206, 0, "中国山地", 133.0, 35.1),
    (206, 0, "四国山地", 133.5, 33.55), (206, 0, "九州山地", 131.2, 32.4),
    (206, 0, "大興安嶺", 121.0, 50.0),
    (209, 0, "関東平野", 139.6, 36.1), (209, 0, "根釧台地", 144.9, 43.3),
    (209, 0, "シラス台地", 130.7, 31.75), (209, 0, "石狩平野", 141.6, 43.3),
    (209, 0, "濃尾平野", 136.8, 35.25), (209, 0, "モンゴル高原", 105.0, 44.5),
    (201, 0, "信濃川", 138.9, 37.5), (201, 0, "利根川", 140.2, 35.85),
    (201, 0, "石狩川", 141.9, 43.45), (201, 0, "北上川", 141.2, 39.0),
    (201, 0, "長江", 117.0, 30.3), (201, 0, "黄河", 116.5, 36.3),
    (201, 0, "アムール川", 135.5, 50.0),
    (204, 0, "琵琶湖", 136.1, 35.25), (204, 0, "霞ヶ浦", 140.4, 36.05),
    (204, 0, "サロマ湖", 143.9, 44.13), (204, 0, "猪苗代湖", 140.1, 37.48),
    (204, 0, "バイカル湖", 108.0, 53.5), (204, 0, "ハンカ湖", 132.4, 45.0),
]

NAME_BYTES = 32


def cp932_name(text):
    """The name in CP932, cut after the last whole character that leaves room for the
    terminator; None when a character has no CP932 form."""
    out = b""
    for char in text:
        try:
            code = char.encode("cp932")
        except UnicodeEncodeError:
            return None
        if len(out) + len(code) > NAME_BYTES - 1:
            break
        out += code
    return out


class Record:
    """One record of the file: type, sub-level, tag, name, anchor and points (lon, lat)."""

    def __init__(self, tag, kind, level, points=(), name="", anchor=(0.0, 0.0)):
        self.tag, self.kind, self.level = tag, kind, level
        self.points, self.name, self.anchor = list(points), name, anchor

    def pack(self):
        name = cp932_name(self.name)
        if name is None:
            raise ValueError(f"{self.name!r} has no CP932 form")
        data = b"".join(struct.pack("<ff", -lon, lat) for lon, lat in self.points)
        header = struct.pack("<4siiiiff32s", self.tag.encode("ascii"), self.kind, self.level, 0,
                             len(data), -self.anchor[0], self.anchor[1], name)
        return header + data


def write_file(records, target):
    header = bytearray(72)
    header[0:6] = b"QBGLL1"
    struct.pack_into("<i", header, 8, len(records))
    with open(target + ".tmp", "wb") as out:
        out.write(bytes(header))
        for record in records:
            out.write(record.pack())
    os.replace(target + ".tmp", target)


# ---- Areas ------------------------------------------------------------------------------

def gmt_mask(scratch, name, wet_dry):
    """A GSHHG mask on the grid: 1 where the -N classes (ocean/land/lake/island/pond) say so."""
    path = os.path.join(scratch, name + ".nc")
    run(["gmt", "grdlandmask", REGION, "-I" + GRID, "-D" + RESOLUTION, "-N" + wet_dry,
         "-G" + path])
    return gdal.Open(path).ReadAsArray()


def heights(shape):
    """ETOPO5 heights resampled onto the grid of the masks (cell centres on whole minutes)."""
    half = GRID_DEGREES / 2
    grid = gdal.Warp("", ETOPO5, format="MEM", srcSRS="EPSG:4326", dstSRS="EPSG:4326",
                     outputBounds=(WEST - half, SOUTH - half, EAST + half, NORTH + half),
                     width=shape[1], height=shape[0], resampleAlg="bilinear")
    return grid.ReadAsArray()


def mask_polygons(mask):
    """Outer rings of the areas where mask is 1, simplified; holes are left out."""
    rows, cols = mask.shape
    half = GRID_DEGREES / 2
    raster = gdal.GetDriverByName("MEM").Create("", cols, rows, 1, gdal.GDT_Byte)
    raster.SetGeoTransform((WEST - half, GRID_DEGREES, 0, NORTH + half, 0, -GRID_DEGREES))
    raster.GetRasterBand(1).WriteArray(mask.astype("uint8"))
    source = ogr.GetDriverByName("Memory").CreateDataSource("")
    layer = source.CreateLayer("areas")
    layer.CreateField(ogr.FieldDefn("value", ogr.OFTInteger))
    band = raster.GetRasterBand(1)
    gdal.Polygonize(band, band, layer, 0, ["8CONNECTED=8"])
    rings = []
    for feature in layer:
        outer = ogr.Geometry(ogr.wkbPolygon)
        outer.AddGeometry(feature.GetGeometryRef().GetGeometryRef(0))
        simple = outer.SimplifyPreserveTopology(AREA_TOLERANCE)
        if simple is None or simple.IsEmpty() or simple.GetArea() < MIN_AREA:
            continue
        ring = simple.GetGeometryRef(0)
        rings.append([clamp(ring.GetX(i), ring.GetY(i)) for i in range(ring.GetPointCount())])
    return rings


def clamp(lon, lat):
    """Cell edges at the area's rim lie half a cell outside it."""
    return (min(max(lon, WEST), EAST), min(max(lat, SOUTH), NORTH))


def height_areas(scratch):
    # Land and islands in lakes are dry; ponds on such islands are wet.
    land = gmt_mask(scratch, "land", "0/1/0/1/0") == 1
    height = heights(land.shape)
    records = []
    for level, bound in enumerate(HEIGHT_LEVELS):
        area = land if level == 0 else land & (height >= bound)
        records += [Record("HGT", 0, level, ring) for ring in mask_polygons(area)]
    return records


def lakes(scratch):
    lake = gmt_mask(scratch, "lake", "0/0/1/0/1") == 1
    return [Record("LAK", 2, 0, ring) for ring in mask_polygons(lake)]


# ---- Lines ------------------------------------------------------------------------------

def gmt_lines(option):
    """GMT's lines of one kind, joined where pieces meet at bin edges, simplified."""
    text = run(["gmt", "coast", REGION, "-D" + RESOLUTION, *option, "-M"])
    pieces, points = [], []
    for row in text.splitlines() + [">"]:
        if not row.startswith(">"):
            x, y = row.split()[:2]
            # Rounding makes the shared ends of pieces identical.
            points.append((round(float(x), 6), round(float(y), 6)))
            continue
        if len(points) >= 2:
            pieces.append(points)
        points = []
    return [simplified(line) for line in joined(pieces) if length(line) >= MIN_LINE_LENGTH]


def joined(pieces):
    """Pieces joined end to start where exactly two of them meet."""
    ends = {}
    for piece in pieces:
        for point in (piece[0], piece[-1]):
            ends[point] = ends.get(point, 0) + 1
    starts = {piece[0]: piece for piece in pieces if ends[piece[0]] == 2}
    used, lines = set(), []
    for piece in pieces:
        if id(piece) in used:
            continue
        used.add(id(piece))
        line = list(piece)
        while ends[line[-1]] == 2 and line[-1] in starts and id(starts[line[-1]]) not in used:
            follower = starts[line[-1]]
            used.add(id(follower))
            line += follower[1:]
        lines.append(line)
    return lines


def length(line):
    return sum(((x1 - x0) ** 2 + (y1 - y0) ** 2) ** 0.5
               for (x0, y0), (x1, y1) in zip(line, line[1:]))


def simplified(points):
    line = ogr.Geometry(ogr.wkbLineString)
    for x, y in points:
        line.AddPoint_2D(x, y)
    line = line.Simplify(LINE_TOLERANCE)
    return [(line.GetX(i), line.GetY(i)) for i in range(line.GetPointCount())]


def lines():
    records = [Record("BRD", 3, 0, points) for points in gmt_lines(["-N1"])]
    records += [Record("RIV", 4, 0, points) for points in gmt_lines(["-I1", "-I2", "-I3"])]
    records += [Record("RIV", 6, 0, points) for points in gmt_lines(["-I4"])]
    return records


# ---- Names ------------------------------------------------------------------------------

def population_level(population):
    for level, bound in enumerate(POPULATION_LEVELS):
        if population >= bound:
            return level
    return len(POPULATION_LEVELS)


def countries():
    names = gettext.translation("iso_3166-1", "/usr/share/locale", ["ja"])
    with open("/usr/share/iso-codes/json/iso_3166-1.json", encoding="utf-8") as f:
        entries = {entry["alpha_2"]: entry for entry in json.load(f)["3166-1"]}
    records = []
    for code, lon, lat in COUNTRIES:
        # The common name's translation when there is one (中国), else the official one's.
        entry = entries[code]
        common = entry.get("common_name", entry["name"])
        name = names.gettext(common)
        if name == common:
            name = names.gettext(entry["name"])
        # "大韓民国 (韓国)": the name without the short form in brackets.
        name = name.split(" (")[0]
        records.append(Record("CTY", 100, 0, name=name, anchor=(lon, lat)))
    return records


def geonames():
    """(Japanese name, country code, lon, lat, population) of every city."""
    os.environ["LANGUAGE"] = "ja"
    library = ctypes.CDLL("libgeonames.so.0")
    library.geonames_get_city.restype = ctypes.c_void_p
    library.geonames_get_city.argtypes = [ctypes.c_int]
    library.geonames_city_free.argtypes = [ctypes.c_void_p]
    getters = {}
    for field, kind in (("name", ctypes.c_char_p), ("country_code", ctypes.c_char_p),
                        ("latitude", ctypes.c_double), ("longitude", ctypes.c_double),
                        ("population", ctypes.c_uint)):
        getter = getattr(library, "geonames_city_get_" + field)
        getter.restype, getter.argtypes = kind, [ctypes.c_void_p]
        getters[field] = getter

    def city(index):
        handle = library.geonames_get_city(index)
        try:
            return {field: getter(handle) for field, getter in getters.items()}
        finally:
            library.geonames_city_free(handle)

    locale.setlocale(locale.LC_ALL, "ja_JP.UTF-8")
    cities = []
    for index in range(library.geonames_get_n_cities()):
        fields = city(index)
        cities.append((fields["name"].decode(), fields["country_code"].decode(),
                       fields["longitude"], fields["latitude"], fields["population"]))
    return cities


def city_kept(name, country, lon, lat, population):
    if not (WEST <= lon <= EAST and SOUTH <= lat <= NORTH) or cp932_name(name) is None:
        return False
    if country == "JP":
        return population >= JAPAN_MIN_POPULATION
    # Names GeoNames has no Japanese form for come out in Latin letters: left out.
    return population >= ABROAD_MIN_POPULATION and not name.isascii()


def capital(cities, country, lon, lat):
    distance, city = min((abs(c[2] - lon) + abs(c[3] - lat), c) for c in cities if c[1] == country)
    if distance > CAPITAL_DISTANCE:
        sys.exit(f"GeoNames has no city near the capital of {country} at {lon} E, {lat} N")
    return city


def cities():
    everything = geonames()
    records = []
    for name, country, lon, lat, population in (capital(everything, *c) for c in CAPITALS):
        records.append(Record("CAP", 102, population_level(population), name=name,
                              anchor=(lon, lat)))
    for name, country, lon, lat, population in everything:
        if city_kept(name, country, lon, lat, population):
            records.append(Record("CIT", 103, population_level(population), name=name,
                                  anchor=(lon, lat)))
    return records


def named_places():
    return [Record("NAM", kind, level, name=name, anchor=(lon, lat))
            for kind, level, name, lon, lat in NAMED_PLACES]


def main():
    if len(sys.argv) > 2:
        sys.exit(__doc__)
    target = sys.argv[1] if len(sys.argv) == 2 else os.path.join(HERE, "japan.GLL")
    with tempfile.TemporaryDirectory() as scratch:
        records = height_areas(scratch) + lakes(scratch)
    records += lines() + countries() + cities() + named_places()
    write_file(records, target)
    counts = {}
    for record in records:
        counts[record.kind] = counts.get(record.kind, 0) + 1
    print(f"{target}: {os.path.getsize(target):,} bytes, {len(records)} records")
    print(", ".join(f"type {kind}: {count}" for kind, count in sorted(counts.items())))


if __name__ == "__main__":
    main()
