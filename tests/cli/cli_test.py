#!/usr/bin/env python3
"""End-to-end tests of quarrenby-cli: exit statuses, outputs and the files it writes."""
import json
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "build/cli/quarrenby-cli"
SOURCE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SAMPLE = os.path.join(SOURCE, "data", "sample")


def run(*args, env=None):
    result = subprocess.run([CLI, *args], capture_output=True, text=True, env=env)
    return result.returncode, result.stdout, result.stderr


def without_settings(home):
    """An environment in which the desktop program has stored no settings."""
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
    env.pop("XDG_DOCUMENTS_DIR", None)
    return env


class Usage(unittest.TestCase):
    def test_help_and_usage_errors(self):
        code, out, _ = run("--help")
        self.assertEqual(code, 0)
        for command in ("info", "height", "refine", "export", "tilename", "neighbour", "import", "convert",
                        "assemble"):
            self.assertIn(command, out)
        self.assertEqual(run()[0], 2)
        self.assertEqual(run("frobnicate")[0], 2)
        self.assertEqual(run("info")[0], 2)
        self.assertEqual(run("refine", "a.3dm", "3", "b.3dm")[0], 2)
        self.assertEqual(run("export", "a.3dm", "b.png")[0], 2)
        self.assertEqual(run("open", "a.3dm", "--out", "b.png")[0], 2)
        self.assertEqual(run("tilename", "35", "139", "7")[0], 2)
        self.assertEqual(run("assemble", "--kind", "6", "--west", "139")[0], 2)
        self.assertEqual(run("convert", "--database")[0], 2)

    def test_missing_file_is_a_failure(self):
        code, _, err = run("info", "/nonexistent/a.3dm")
        self.assertEqual(code, 1)
        self.assertIn("/nonexistent/a.3dm", err)


class Naming(unittest.TestCase):
    def test_tile_names_and_neighbours(self):
        self.assertEqual(run("tilename", "35.333333333", "139.75", "10")[1].strip(), "5339-06.3dm")
        self.assertEqual(run("tilename", "35.333333333", "139.75", "5")[1].strip(), "5339-06-00.3dm")
        self.assertEqual(run("tilename", "35.333333333", "139.75", "1")[1].strip(), "5339-06-00-DEM1A.3dm")
        self.assertEqual(run("neighbour", "5339-07.3dm", "1", "0")[1].strip(), "5340-00")
        self.assertEqual(run("neighbour", "5339-70.3dm", "0", "1")[1].strip(), "5439-00")
        self.assertEqual(run("neighbour", "d/Data/5339/533907.mem", "1", "0")[1].strip(), "d/Data/5340/534000.mem")
        self.assertEqual(run("neighbour", "notes.txt", "1", "0")[0], 1)


def single(value):
    """A number as a single-precision float holds it."""
    return struct.unpack("<f", struct.pack("<f", value))[0]


def file_facts(path):
    """(points with data, lowest, highest) of a .3dm tile, an elevation XML file or a
    .mem text mesh, read here as the formats define them, not as Quarrenby reads them."""
    if path.endswith(".3dm"):
        heights = [h for h in tile_heights(path) if h > -999]
    elif path.endswith(".xml"):
        with open(path, encoding="utf-8-sig") as f:
            text = f.read()
        high = [int(v) for v in text.split("<gml:high>")[1].split("<")[0].split()]
        start = [int(v) for v in text.split("<gml:startPoint>")[1].split("<")[0].split()]
        points = (high[0] + 1) * (high[1] + 1)
        body = text.split("<gml:tupleList>")[1].split("</gml:tupleList>")[0]
        values = [float(t.split(",")[1]) for t in body.split() if "," in t]
        heights = [single(v) for v in values[:points - (start[1] * (high[0] + 1) + start[0])] if v > -9000]
    else:
        with open(path, "rb") as f:
            lines = f.read().split(b"\r\n")
        cols, rows, flags = int(lines[0][23:26]), int(lines[0][26:29]), lines[0][225:]
        data = iter(lines[1:])
        heights = []
        for r in range(rows):
            if r < len(flags) and flags[r:r + 1] == b"0":
                continue
            line = next(data)
            fields = [line[9 + 5 * i:14 + 5 * i] for i in range(cols) if 9 + 5 * i < len(line)]
            heights += [single(int(f) / 10 if f.strip() else 0.0) for f in fields if f.strip() != b"-9999"]
    return len(heights), min(heights), max(heights)


def facts(info):
    """(points with data, lowest, highest) of the JSON of info."""
    return info["validPoints"], single(info["minHeight"]), single(info["maxHeight"])


class Grids(unittest.TestCase):
    def test_info_of_each_kind(self):
        tile = json.loads(run("info", "--json", os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.3dm"))[1])
        self.assertEqual((tile["type"], tile["cols"], tile["rows"], tile["meshSize"]), ("3dm", 225, 150, 5))
        self.assertEqual((tile["validPoints"], tile["dataDate"], tile["newDatum"]), (33448, 20161001, True))
        xml = json.loads(run("info", "--json", os.path.join(SAMPLE, "FG-GML-3926-76-DEM10B-20161001.xml"))[1])
        self.assertEqual((xml["type"], xml["cols"], xml["rows"], xml["meshSize"]), ("xml", 1125, 750, 10))
        self.assertEqual((xml["startX"], xml["startY"]), (743, 639))
        mem = json.loads(run("info", "--json", os.path.join(SAMPLE, "tokachi-644320.mem"))[1])
        self.assertEqual((mem["type"], mem["cols"], mem["meshSize"], mem["newDatum"]), ("mem", 200, 50, False))
        self.assertEqual(sorted(tile), sorted(["path", "type", "cols", "rows", "meshSize", "meshSize2", "west",
                                               "east", "south", "north", "minHeight", "maxHeight",
                                               "validPoints", "dataDate", "newDatum", "startX", "startY"]))

    def test_info_reports_the_lowest_highest_and_count_of_the_points_with_data(self):
        """Every sample and shared file, its facts computed here from the file itself."""
        shared = os.path.join(SOURCE, "..", "shared", "data", "dem")
        with tempfile.TemporaryDirectory() as db:
            files = [os.path.join(SAMPLE, name) for name in sorted(os.listdir(SAMPLE))
                     if name.endswith((".3dm", ".xml", ".mem"))]
            files += [os.path.join(shared, name) for name in sorted(os.listdir(shared))
                      if name.endswith(".xml")] if os.path.isdir(shared) else []
            archives = [os.path.join(SAMPLE, "FG-GML-6443-20-DEM5A.zip")]
            archives += [os.path.join(shared, "FG-GML-3624-30-DEM5B.zip")] if os.path.isdir(shared) else []
            for archive in archives:
                self.assertEqual(run("convert", archive, "--database", db)[0], 0, archive)
            files += [os.path.join(db, "5m", name) for name in sorted(os.listdir(os.path.join(db, "5m")))]
            self.assertGreater(len(files), 70)
            for path in files:
                code, out, err = run("info", path, "--json")
                self.assertEqual(code, 0, err)
                self.assertEqual(facts(json.loads(out)), file_facts(path), path)

    def test_height_inside_and_outside(self):
        tile = os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.3dm")
        code, out, _ = run("height", tile, "35.254", "138.506", "--json")
        self.assertEqual(code, 0)
        point = json.loads(out)
        self.assertEqual((point["col"], point["row"]), (107, 77))  # single-precision arithmetic
        self.assertTrue(100 < point["height"] < 700)
        self.assertEqual(run("height", tile, "36", "138.506")[0], 1)

    def test_refine_and_import_write_tiles(self):
        with tempfile.TemporaryDirectory() as d:
            out = os.path.join(d, "fine.3dm")
            src = os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.3dm")
            self.assertEqual(run("refine", src, "2", out)[0], 0)
            fine = json.loads(run("info", "--json", out)[1])
            self.assertEqual((fine["cols"], fine["rows"], fine["meshSize"]), (450, 300, 2))
            self.assertEqual(run("refine", src, "5", out)[0], 0, "an existing output is replaced")
            self.assertEqual(json.loads(run("info", "--json", out)[1])["cols"], 1125)
            imported = os.path.join(d, "imported.3dm")
            self.assertEqual(run("import", os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.xml"),
                                 imported)[0], 0)
            with open(imported, "rb") as a, open(src, "rb") as b:
                self.assertEqual(a.read(), b.read(), "the import equals the sample tile byte for byte")


class Database(unittest.TestCase):
    def test_convert_then_assemble(self):
        with tempfile.TemporaryDirectory() as db:
            code, out, _ = run("convert", os.path.join(SAMPLE, "FG-GML-6443-20-DEM5A.zip"), "--database", db,
                               "--json")
            self.assertEqual(code, 0)
            summary = json.loads(out)
            self.assertEqual((summary["found"], summary["converted"], summary["kept"], summary["failed"]),
                             (67, 67, 0, 0))
            self.assertTrue(os.path.exists(os.path.join(db, "5m", "6443-20-06.3dm")))
            again = json.loads(run("convert", os.path.join(SAMPLE, "FG-GML-6443-20-DEM5A.zip"),
                                   "--database=" + db, "--json")[1])
            self.assertEqual((again["converted"], again["kept"]), (0, 67))
            code, out, _ = run("assemble", "--database", db, "--kind", "6", "--west", "143", "--east", "143.125",
                               "--south", "42.833333333", "--north", "42.916666667", "--json")
            self.assertEqual(code, 0)
            area = json.loads(out)
            self.assertEqual(area["baseFile"], os.path.join(db, "5m", "6443-20-00.3dm"))
            self.assertEqual((area["across"], area["down"], area["baseX"], area["baseY"]), (10, 10, 0, 9))
            code, _, err = run("assemble", "--database", db, "--kind", "6", "--west", "139", "--east", "139.125",
                               "--south", "35", "--north", "35.083333333")
            self.assertEqual(code, 1)
            self.assertIn("選択した範囲にファイルは見つかりませんでした。", err)

    def test_convert_reports_each_failure(self):
        with tempfile.TemporaryDirectory() as d:
            bad = os.path.join(d, "bad.xml")
            with open(bad, "w") as f:
                f.write("<Dataset/>")
            code, out, _ = run("convert", bad, "--database", os.path.join(d, "db"), "--json")
            self.assertEqual(code, 1)
            summary = json.loads(out)
            self.assertEqual(summary["failures"], [{"file": bad,
                                                    "reason": "このデータは<gml:lowerCorner>情報がないので処理できません。"}])


class AreaFiles(unittest.TestCase):
    def test_write_then_show(self):
        with tempfile.TemporaryDirectory() as d:
            self.assertEqual(run("area", "write", d, "北アルプス", "/db/10m/5437-60.3dm", "6", "4", "3", "2")[0], 0)
            path = os.path.join(d, "北アルプス.ARE")
            with open(path, "rb") as f:
                data = f.read()
            self.assertEqual(len(data), 412)
            self.assertEqual(data[:8], b"TQZH\0\0\0\0")
            self.assertEqual(data[8:18], "北アルプス".encode("cp932"))
            code, out, _ = run("area", "show", path, "--json")
            self.assertEqual(code, 0)
            self.assertEqual(json.loads(out), {"name": "北アルプス", "baseFile": "/db/10m/5437-60.3dm", "across": 6,
                                               "down": 4, "baseX": 3, "baseY": 2, "listFlag": 1,
                                               "layout": "current"})
            older = bytearray(data)
            older[328:336] = (3).to_bytes(4, "little") + (2).to_bytes(4, "little")
            older[352:364] = bytes(12)
            with open(os.path.join(d, "older.ARE"), "wb") as f:
                f.write(older)
            shown = json.loads(run("area", "show", os.path.join(d, "older.ARE"), "--json")[1])
            self.assertEqual((shown["across"], shown["down"], shown["layout"]), (3, 2, "older"))

    def test_refusals(self):
        with tempfile.TemporaryDirectory() as d:
            code, _, err = run("area", "write", os.path.join(d, "sub"), "../escape", "b.3dm", "1", "1", "0", "0")
            self.assertEqual(code, 1)
            self.assertIn("山域名にファイル名として使えない文字が含まれています。", err)
            self.assertEqual(os.listdir(d), [])
            self.assertEqual(run("area", "write", d, "x", "b.3dm", "0", "1", "0", "0")[0], 2)
            self.assertEqual(run("area", "write", d, "x", "b.3dm", "2", "2", "2", "0")[0], 2)
            self.assertEqual(run("area", "write", d, "x" * 64, "b.3dm", "1", "1", "0", "0")[0], 2)
            self.assertEqual(run("area", "show")[0], 2)
            with open(os.path.join(d, "short.ARE"), "wb") as f:
                f.write(bytes(100))
            self.assertEqual(run("area", "show", os.path.join(d, "short.ARE"))[0], 1)


class Open(unittest.TestCase):
    def test_an_area_and_a_file_open_as_the_viewer_opens_them(self):
        with tempfile.TemporaryDirectory() as db:
            self.assertEqual(run("convert", os.path.join(SAMPLE, "FG-GML-6443-20-DEM5A.zip"), "--database", db)[0], 0)
            code, out, _ = run("open", "--database", db, "--mesh-setting", "2", "--west", "143", "--east", "143.125",
                               "--south", "42.833333333", "--north", "42.916666667", "--json")
            self.assertEqual(code, 0)
            area = json.loads(out)
            self.assertEqual((area["cols"], area["rows"], area["meshSize"], area["tiles"]), (2250, 1500, 5, 100))
            self.assertEqual((area["west"], area["east"], area["north"]), (" 143. 0' 0", " 143. 7'30", "  42.55' 0"))
            self.assertEqual(run("open", "--database", db, "--mesh-setting", "1", "--west", "143", "--east", "143.125",
                                 "--south", "42.833333333", "--north", "42.916666667")[0], 1, "no 10 m tiles")
        single = json.loads(run("open", os.path.join(SAMPLE, "tokachi-644320.mem"), "--json")[1])
        self.assertEqual((single["fileType"], single["cols"], single["meshSize"]), ("数値地図５０ｍメッシュ", 200, 50))
        self.assertEqual(run("open", "--mesh-setting", "9")[0], 2)

    def test_a_named_area_takes_the_mesh_setting_and_database_as_render_does(self):
        with tempfile.TemporaryDirectory() as db, tempfile.TemporaryDirectory() as home:
            self.assertEqual(run("convert", os.path.join(SAMPLE, "FG-GML-6443-20-DEM5A.zip"), "--database", db)[0], 0)
            self.assertEqual(run("area", "write", db, "tokachi", os.path.join(db, "5m", "6443-20-00.3dm"), "10", "10",
                                 "0", "9")[0], 0)
            area, env = os.path.join(db, "tokachi.ARE"), without_settings(home)
            code, out, err = run("open", area, "--mesh-setting", "2", "--database", db, "--json", env=env)
            self.assertEqual(code, 0, err)
            opened = json.loads(out)
            self.assertEqual((opened["fileName"], opened["cols"], opened["rows"], opened["tiles"]),
                             ("tokachi", 2250, 1500, 100))
            # Without a database folder the tiles are looked for in the default one, and named.
            code, _, err = run("open", area, "--mesh-setting", "2", env=env)
            self.assertEqual(code, 1)
            self.assertIn("ファイルが見つかりませんでした: ", err)
            self.assertIn(os.path.join("5m", "6443-20-90.3dm") + " ほか 99 個", err)
            code, _, err = run("open", area, "--mesh-setting", "1", "--database", db)
            self.assertEqual(code, 1)
            self.assertIn(os.path.join(db, "10m", "6443-20-90.3dm"), err)
            code, _, err = run("open", "--database", db, "--mesh-setting", "1", "--west", "143", "--east", "143.125",
                               "--south", "42.833333333", "--north", "42.916666667")
            self.assertEqual(code, 1)
            self.assertIn(os.path.join(db, "10m"), err)
            short = os.path.join(db, "short.ARE")
            with open(short, "wb") as f:
                f.write(bytes(100))
            code, _, err = run("open", short, "--mesh-setting", "2", "--database", db)
            self.assertEqual(code, 1)
            self.assertIn(short, err)
            self.assertEqual(run("open", area, "--mesh-setting", "6")[0], 2)
            self.assertEqual(run("open", area, "--west", "143")[0], 2, "a file or a rectangle, not both")
            self.assertEqual(run("open", "--mesh-setting", "0", "--west", "143", "--east", "143.125", "--south",
                                 "42.833333333", "--north", "42.916666667")[0], 2, "no rectangle of disc data")

    def test_every_missing_file_is_named(self):
        for args in (("open", "/nonexistent/a.3dm"), ("open", "/nonexistent/a.ARE"),
                     ("render", "/nonexistent/a.3dm", "/nonexistent/out.png"), ("info", "/nonexistent/a.mem"),
                     ("export", "/nonexistent/a.xml", "/nonexistent/out.asc")):
            code, _, err = run(*args)
            self.assertEqual(code, 1, args)
            self.assertIn(args[1], err, args)


def tile_heights(path):
    """The heights of a .3dm tile, row by row from the north-west point."""
    with open(path, "rb") as f:
        data = f.read()
    cols, rows = struct.unpack_from("<i", data, 32)[0], struct.unpack_from("<i", data, 52)[0]
    return list(struct.unpack_from("<%df" % (cols * rows), data, 128))


def ascii_grid_heights(path):
    """The header words and the heights of an ASCII grid."""
    with open(path) as f:
        words = f.read().split()
    header = dict(zip(words[0:14:2], words[1:14:2]))
    return header, [float(w) for w in words[14:]]


def gdal_valid_percent(path):
    """GDAL's share of valid points of a raster, or None without gdalinfo."""
    try:
        result = subprocess.run(["gdalinfo", "-stats", path], capture_output=True, text=True)
    except FileNotFoundError:
        return None
    for line in result.stdout.splitlines():
        if "STATISTICS_VALID_PERCENT=" in line:
            return float(line.split("=")[1])
    return None


class NoData(unittest.TestCase):
    """The gaps of the data are written and reported as gaps, not as the height drawn there."""
    BOX = ("--west", "143", "--east", "143.125", "--south", "42.833333333", "--north", "42.916666667")

    def test_the_sample_areas_gaps_are_exported_as_no_data(self):
        with tempfile.TemporaryDirectory() as db:
            self.assertEqual(run("convert", os.path.join(SAMPLE, "FG-GML-6443-20-DEM5A.zip"), "--database", db)[0], 0)
            tiles = [os.path.join(db, "5m", name) for name in sorted(os.listdir(os.path.join(db, "5m")))]
            self.assertEqual(len(tiles), 67)
            measured = sum(sum(1 for h in tile_heights(t) if h > -999) for t in tiles)
            asc, tile, tif = (os.path.join(db, "area." + kind) for kind in ("asc", "3dm", "tif"))
            for out in (asc, tile, tif):
                code, _, err = run("open", "--database", db, "--mesh-setting", "2", *self.BOX, "--out", out)
                self.assertEqual(code, 0, err)
            header, heights = ascii_grid_heights(asc)
            self.assertEqual(header["NODATA_value"], "-9999")
            self.assertEqual(len(heights), 2250 * 1500)
            self.assertEqual(sum(1 for h in heights if h != -9999), measured)
            joined = tile_heights(tile)
            self.assertEqual(sum(1 for h in joined if h != -9999), measured)
            self.assertEqual(min(h for h in joined if h != -9999), 56.34000015258789, "the lowest measured height")
            with open(tile, "rb") as f:
                self.assertEqual(struct.unpack_from("<i", f.read(100), 96)[0], measured, "valid points in the header")
            percent = gdal_valid_percent(asc)
            if percent is not None:
                self.assertAlmostEqual(percent, 100.0 * measured / (2250 * 1500), places=1)
                self.assertLess(percent, 50.0)
                self.assertAlmostEqual(gdal_valid_percent(tif), percent, places=3, msg="the GeoTIFF's no-data")

            # The middle of the cell lies in an absent tile; the tile exported from the area says so.
            point = json.loads(run("height", tile, "42.875", "143.0625", "--json")[1])
            self.assertIsNone(point["height"])
            self.assertIn("データなし", run("height", tile, "42.875", "143.0625")[1])
            self.assertGreater(json.loads(run("height", tile, "42.8375", "143.0065", "--json")[1])["height"], 100)

    def test_a_text_meshs_gaps_are_exported_as_no_data(self):
        with tempfile.TemporaryDirectory() as d:
            with open(os.path.join(SAMPLE, "tokachi-644320.mem"), "rb") as f:
                lines = f.read().split(b"\r\n")
            fields = [line[9 + 5 * i:14 + 5 * i] for line in lines[1:201] for i in range(200)]
            measured = sum(1 for field in fields if field.strip() != b"-9999")
            asc = os.path.join(d, "mem.asc")
            self.assertEqual(run("export", os.path.join(SAMPLE, "tokachi-644320.mem"), asc)[0], 0)
            self.assertEqual(sum(1 for h in ascii_grid_heights(asc)[1] if h != -9999), measured)
            opened = os.path.join(d, "opened.asc")
            self.assertEqual(run("open", os.path.join(SAMPLE, "tokachi-644320.mem"), "--out", opened)[0], 0)
            self.assertEqual(sum(1 for h in ascii_grid_heights(opened)[1] if h != -9999), measured)


class Places(unittest.TestCase):
    @staticmethod
    def line(kind, tenths, old_lat, old_lon, new_lat, new_lon, name):
        return b"%02d%05d%12.7f%12.7f%12.7f%12.7f" % (kind, tenths, old_lat, old_lon, new_lat, new_lon) + \
            name.encode("cp932") + b"\r\n"

    def test_a_place_file_and_the_names_it_puts_on_a_grid(self):
        tile = os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.3dm")
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "tessim2.pln")
            with open(path, "wb") as f:
                f.write(b" " * 68 + b"03" + b" " * 98 + b"\r\n")
                f.write(self.line(0, 4321, 35.2508, 138.5092, 35.254, 138.506, "富士見台"))
                f.write(self.line(12, 15000, 36.0, 139.0, 36.003, 138.997, "峠"))
            code, out, _ = run("places", path, "--json")
            self.assertEqual(code, 0)
            names = json.loads(out)
            self.assertEqual([n["name"] for n in names], ["富士見台", "峠"])
            self.assertEqual((names[1]["kind"], names[1]["height"], names[1]["coords"], names[1]["origin"]),
                             (12, 1500, 1, 0))
            self.assertEqual((names[0]["col"], names[0]["row"]), (-1, -1))
            code, out, _ = run("places", path, "--grid", tile, "--json")
            self.assertEqual(code, 0)
            shown = json.loads(out)
            self.assertEqual([(n["name"], n["col"], n["row"]) for n in shown], [("富士見台", 107, 77)])
            self.assertIn("峠", run("places", path)[1])
        self.assertEqual(run("places", "/nonexistent/x.pln")[0], 1)
        self.assertEqual(run("places", path, "--grid")[0], 2)


def png_pixels(path):
    """(width, height, set of (r, g, b)) of an 8-bit RGB or RGBA PNG, rows unfiltered."""
    width, height, rows = png_rows(path)
    return width, height, set(colour for row in rows for colour in row)


def png_rows(path):
    """(width, height, rows of (r, g, b)) of an 8-bit RGB or RGBA PNG, rows unfiltered."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour_type = header
    assert depth == 8 and colour_type in (2, 6)
    step = 3 if colour_type == 2 else 4
    raw, stride, previous, rows = zlib.decompress(idat), width * step, bytearray(width * step), []
    for y in range(height):
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - step] if i >= step else 0
            b, c = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                row[i] = (row[i] + a) & 255
            elif kind == 2:
                row[i] = (row[i] + b) & 255
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(row[i:i + 3]) for i in range(0, stride, step)])
        previous = row
    return width, height, rows


def write_fuji_tile(path):
    """A 5 m tile (225 x 150 points) around the summit of Mt Fuji, 35.3608N 138.7275E
    in the current datum, whose heights rise as a cone toward the summit."""
    cols, rows, south, west, north, east = 225, 150, 35.358333333, 138.725, 35.366666667, 138.7375
    heights = []
    for r in range(rows):
        for c in range(cols):
            lat, lon = north - r * (north - south) / (rows - 1), west + c * (east - west) / (cols - 1)
            heights.append(3776.0 - 40000.0 * (abs(lat - 35.3608) + abs(lon - 138.7275)))
    header = bytearray(128)
    header[0:4] = b"TQZH"
    for offset, value in ((4, 2), (32, cols), (52, rows), (72, 5), (92, 5), (96, cols * rows), (100, 20161001),
                          (104, 1)):
        struct.pack_into("<i", header, offset, value)
    struct.pack_into("<I", header, 12, 0x02000000)
    struct.pack_into("<4f", header, 112, south, west, north, east)
    with open(path, "wb") as f:
        f.write(header + struct.pack("<%df" % len(heights), *heights))


class Render(unittest.TestCase):
    TILE = os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.3dm")

    def test_contours_and_bands_of_a_tile_as_png(self):
        with tempfile.TemporaryDirectory() as d:
            contour, bands = os.path.join(d, "contour.png"), os.path.join(d, "bands.png")
            self.assertEqual(run("render", self.TILE, contour, "--database", d)[0], 0)
            width, height, colours = png_pixels(contour)
            self.assertEqual((width, height), (1600, 1200))
            self.assertIn((255, 255, 255), colours)
            self.assertIn((0, 0, 0), colours, "the frame")
            self.assertGreater(len(colours & {(64, 202, 122), (38, 159, 50), (121, 174, 43), (123, 138, 40),
                                              (150, 147, 38), (167, 132, 24), (146, 118, 61), (128, 64, 64)}), 2)
            self.assertEqual(run("render", self.TILE, bands, "--method", "bands", "--size", "400x300",
                                 "--range", "20,10,120,90", "--database", d)[0], 0)
            width, height, colours = png_pixels(bands)
            self.assertEqual((width, height), (400, 300))
            self.assertGreater(len(colours), 5, "bands of several heights")

    def test_names_stay_text_in_svg(self):
        with tempfile.TemporaryDirectory() as d:
            tile = os.path.join(d, "FG-GML-5338-05-38-DEM5A-20161001.3dm")
            write_fuji_tile(tile)
            named, plain = os.path.join(d, "named.svg"), os.path.join(d, "plain.svg")
            self.assertEqual(run("render", tile, named, "--names", "--size", "800x600", "--database", d)[0], 0)
            self.assertEqual(run("render", tile, plain, "--size", "800x600", "--database", d)[0], 0)
            with open(named, encoding="utf-8") as f:
                svg = f.read()
            self.assertIn('width="800', svg)
            self.assertIn("<text", svg)
            self.assertIn("富士山", svg)
            with open(plain, encoding="utf-8") as f:
                self.assertNotIn("富士山", f.read())
            png = os.path.join(d, "named.png")
            self.assertEqual(run("render", tile, png, "--names", "--database", d)[0], 0)
            self.assertIn((0, 0, 0), png_pixels(png)[2], "black text of a first-level peak")

    def test_an_area_file_and_refusals(self):
        with tempfile.TemporaryDirectory() as db:
            self.assertEqual(run("convert", os.path.join(SAMPLE, "FG-GML-6443-20-DEM5A.zip"), "--database", db)[0], 0)
            base = os.path.join(db, "5m", "6443-20-00.3dm")
            self.assertEqual(run("area", "write", db, "tokachi", base, "10", "10", "0", "9")[0], 0)
            area = os.path.join(db, "tokachi.ARE")
            out = os.path.join(db, "area.png")
            five = ("--mesh-setting", "2", "--database", db)
            self.assertEqual(run("render", area, out, "--range", "0,0,2249,1499", *five)[0], 0)
            self.assertGreater(len(png_pixels(out)[2]), 3)
            self.assertEqual(run("render", area, out, "--range", "0,0,2250,1499", *five)[0], 1)
            self.assertEqual(run("render", area, out, "--range", "5,5,5,9", *five)[0], 1)
            self.assertEqual(run("render", area, out, "--mesh-setting", "6")[0], 2)
        self.assertEqual(run("render", self.TILE, "out.jpg")[0], 2)
        self.assertEqual(run("render", self.TILE, "out.png", "--size", "0x10")[0], 2)
        self.assertEqual(run("render", self.TILE, "out.png", "--size", "100")[0], 2)
        self.assertEqual(run("render", self.TILE, "out.png", "--method", "shaded")[0], 2)
        self.assertEqual(run("render", self.TILE, "out.png", "--range", "1,2,3")[0], 2)
        self.assertEqual(run("render", "/nonexistent/a.3dm", "/nonexistent/out.png")[0], 1)


def globe_file(path, records):
    """A japan.GLL of (type, sub-level, [(east longitude, latitude)...]) records."""
    header = bytearray(b"QBGLL1".ljust(72, b"\0"))
    struct.pack_into("<i", header, 8, len(records))
    body = b""
    for kind, level, points in records:
        body += struct.pack("<4s4i2f32s", b"ar", kind, level, 0, 8 * len(points), 0.0, 0.0, b"")
        body += b"".join(struct.pack("<2f", -lon, lat) for lon, lat in points)
    with open(path, "wb") as f:
        f.write(bytes(header) + body)


SEA = (0x8C, 0xD7, 0xF7)
LOWLAND = (0x48, 0xCA, 0x6C)


class Globe(unittest.TestCase):
    def test_the_globe_faces_japan_with_its_sea_and_land(self):
        with tempfile.TemporaryDirectory() as d:
            data, out, svg = os.path.join(d, "japan.GLL"), os.path.join(d, "globe.png"), os.path.join(d, "globe.svg")
            globe_file(data, [(0, 0, [(138.3, 36.3), (138.6, 36.3), (138.6, 36.6), (138.3, 36.6)])])
            code, _, err = run("globe", out, "--size", "320x240", "--data", data)
            self.assertEqual(code, 0, err)
            width, height, rows = png_rows(out)
            self.assertEqual((width, height), (320, 240))
            # The centre faces 36N 138E, where two mesh-cell lines cross; beside them the sea.
            self.assertEqual(rows[120][160], (0, 0, 0))
            self.assertEqual(rows[124][164], SEA)
            self.assertIn(LOWLAND, set(c for row in rows for c in row))
            self.assertEqual(run("globe", svg, "--size", "320x240", "--data", data, "--zoom-index", "3",
                                 "--angle", "10", "--bent", "150", "--kind", "4")[0], 0)
            with open(svg, encoding="utf-8") as f:
                self.assertIn("<svg", f.read())

    def test_a_missing_or_damaged_data_file_and_usage_errors(self):
        with tempfile.TemporaryDirectory() as d:
            data, out = os.path.join(d, "japan.GLL"), os.path.join(d, "globe.png")
            with open(data, "wb") as f:
                f.write(b"QBGLL1".ljust(8, b"\0") + struct.pack("<i", 1000) + bytes(100))
            code, _, err = run("globe", out, "--data", data)
            self.assertEqual(code, 1)
            self.assertIn(data, err)
            self.assertIn("record count", err)
            self.assertFalse(os.path.exists(out))
            code, _, err = run("globe", out, "--data", os.path.join(d, "missing.GLL"))
            self.assertEqual(code, 1)
            self.assertIn("missing.GLL", err)
        for bad in (("globe",), ("globe", "out.jpg"), ("globe", "out.png", "--zoom-index", "10"),
                    ("globe", "out.png", "--angle", "east"), ("globe", "out.png", "--mesh-setting", "6")):
            self.assertEqual(run(*bad)[0], 2, bad)


def sampling(cols, rows, resolution):
    """The rendering view's step and sample counts of a range of cols x rows points."""
    budget = int(resolution * 0.9)
    step = max(1.0, (cols * rows / budget) ** 0.5 + 0.01)
    def count(points):
        n = 0
        while n * step <= points - 1:
            n += 1
        return n

    while True:
        across, down = count(cols), count(rows)
        if across * down <= budget:
            return step, across, down
        step += 0.01


def glb_parts(path):
    """The JSON and the binary chunk of a .glb, after checking its header and chunk lengths."""
    with open(path, "rb") as f:
        data = f.read()
    magic, version, length = struct.unpack_from("<III", data, 0)
    assert (magic, version, length) == (0x46546C67, 2, len(data)), (magic, version, length, len(data))
    json_length, json_type = struct.unpack_from("<II", data, 12)
    assert json_type == 0x4E4F534A and json_length % 4 == 0
    gltf = json.loads(data[20:20 + json_length])
    bin_at = 20 + json_length
    bin_length, bin_type = struct.unpack_from("<II", data, bin_at)
    assert bin_type == 0x004E4942 and bin_at + 8 + bin_length == len(data)
    return gltf, data[bin_at + 8:]


def glb_accessor(gltf, binary, index):
    """The values of an accessor, a tuple per element."""
    accessor = gltf["accessors"][index]
    view = gltf["bufferViews"][accessor["bufferView"]]
    width = {"SCALAR": 1, "VEC3": 3, "VEC4": 4}[accessor["type"]]
    code, size = {5126: ("f", 4), 5125: ("I", 4), 5123: ("H", 2)}[accessor["componentType"]]
    stride = view.get("byteStride", width * size)
    start = view["byteOffset"] + accessor.get("byteOffset", 0)
    assert start + stride * (accessor["count"] - 1) + width * size <= view["byteOffset"] + view["byteLength"]
    return [struct.unpack_from("<%d%s" % (width, code), binary, start + i * stride) for i in range(accessor["count"])]


def stl_triangles(path):
    with open(path, "rb") as f:
        data = f.read()
    assert not data.startswith(b"solid")
    count = struct.unpack_from("<I", data, 80)[0]
    assert len(data) == 84 + 50 * count
    return [struct.unpack_from("<12f", data, 84 + 50 * i) for i in range(count)]


def closed_volume(triangles):
    """The enclosed volume of a solid whose every edge two triangles share in opposite directions; None otherwise."""
    edges = {}
    volume = 0.0
    for t in triangles:
        a, b, c = t[3:6], t[6:9], t[9:12]
        for edge in ((a, b), (b, c), (c, a)):
            edges[edge] = edges.get(edge, 0) + 1
        volume += (a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0])
                   + a[2] * (b[0] * c[1] - b[1] * c[0])) / 6.0
    if any(count != 1 or edges.get((e[1], e[0])) != 1 for e, count in edges.items()):
        return None
    return volume


class Mesh(unittest.TestCase):
    TILE = os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.3dm")

    def mesh(self, *options):
        code, out, err = run("mesh", self.TILE, "--json", *options)
        self.assertEqual(code, 0, err)
        return json.loads(out)

    def test_the_resampling_and_the_cost_of_a_build(self):
        whole = self.mesh()
        self.assertEqual(sorted(whole), sorted(["step", "samplesAcross", "samplesDown", "blocks", "blockCols",
                                                "blockRows", "rowsUsed", "vertices", "triangles", "target",
                                                "extent"]))
        # 225 x 150 points in 8 x 8 blocks of 29 x 19, each with its seams.
        self.assertEqual((whole["step"], whole["samplesAcross"], whole["samplesDown"]), (1, 225, 150))
        self.assertEqual((whole["blocks"], whole["blockCols"], whole["blockRows"], whole["rowsUsed"]),
                         (64, 29, 19, 150))
        self.assertEqual((whole["vertices"], whole["triangles"]), ((7 * 30 + 22) * (7 * 20 + 17), 2 * 224 * 149))
        for got, expected in zip(whole["extent"] + whole["target"][:2], [20, 20 * 150 / 225, 10, 10 * 150 / 225]):
            self.assertAlmostEqual(got, expected, places=5)
        for resolution in (4000, 10000):
            step, across, down = sampling(225, 150, resolution)
            coarse = self.mesh("--resolution", str(resolution))
            self.assertAlmostEqual(coarse["step"], step, places=9)
            self.assertEqual((coarse["samplesAcross"], coarse["samplesDown"]), (across, down))
            self.assertLessEqual(across * down, int(resolution * 0.9))
        part = self.mesh("--range", "20,10,120,90")
        self.assertEqual((part["samplesAcross"], part["samplesDown"]), (101, 81))
        tall = self.mesh("--exaggeration", "2")
        self.assertAlmostEqual(tall["target"][2], 2 * whole["target"][2], places=4)

    def test_too_few_samples_and_bad_options_are_refused(self):
        code, _, err = run("mesh", self.TILE, "--range", "0,0,20,100")
        self.assertEqual(code, 1)
        self.assertIn("21 x 101", err)
        self.assertIn("30", err)
        self.assertEqual(run("mesh", self.TILE, "--range", "0,0,225,149")[0], 1, "outside the grid")
        for options in (("--range", "1,2,3"), ("--resolution", "0"), ("--resolution", "67108865"),
                        ("--exaggeration", "0"), ("--exaggeration", "tall"), ("--colour-scheme", "8"),
                        ("--resolution",)):
            self.assertEqual(run("mesh", self.TILE, *options)[0], 2, options)
        self.assertEqual(run("mesh")[0], 2)
        self.assertEqual(run("mesh", "/nonexistent/a.3dm")[0], 1)


class MeshExport(unittest.TestCase):
    TILE = Mesh.TILE

    def export(self, d, name, *options):
        out = os.path.join(d, name)
        code, _, err = run("export", self.TILE, out, "--database", d, *options)
        self.assertEqual(code, 0, err)
        return out

    def test_glb_is_valid_gltf_in_metres_with_normals_and_colours(self):
        with tempfile.TemporaryDirectory() as d:
            gltf, binary = glb_parts(self.export(d, "t.glb"))
            self.assertEqual(gltf["asset"]["version"], "2.0")
            self.assertEqual(gltf["buffers"][0]["byteLength"], len(binary))
            surface, sides = gltf["meshes"][0]["primitives"]
            for primitive in (surface, sides):
                attributes = primitive["attributes"]
                positions = glb_accessor(gltf, binary, attributes["POSITION"])
                accessor = gltf["accessors"][attributes["POSITION"]]
                for k in range(3):
                    self.assertEqual(single(accessor["min"][k]), min(p[k] for p in positions))
                    self.assertEqual(single(accessor["max"][k]), max(p[k] for p in positions))
                for name in ("NORMAL", "COLOR_0"):
                    self.assertEqual(gltf["accessors"][attributes[name]]["count"], len(positions))
                normals = glb_accessor(gltf, binary, attributes["NORMAL"])
                self.assertTrue(all(abs(sum(c * c for c in n) - 1) < 1e-3 for n in normals))
                indices = glb_accessor(gltf, binary, primitive["indices"])
                self.assertEqual(len(indices) % 3, 0)
                self.assertLess(max(i[0] for i in indices), len(positions))
            # One grid of 225 x 150 samples, 5 m apart, y up.
            positions = glb_accessor(gltf, binary, surface["attributes"]["POSITION"])
            self.assertEqual(len(positions), 225 * 150)
            self.assertEqual(len(glb_accessor(gltf, binary, surface["indices"])), 3 * 2 * 224 * 149)
            self.assertEqual(gltf["accessors"][surface["attributes"]["POSITION"]]["min"][0::2], [0, -745])
            self.assertEqual(gltf["accessors"][surface["attributes"]["POSITION"]]["max"][0::2], [1120, 0])
            heights = [h for h in tile_heights(self.TILE) if h > -999]
            self.assertAlmostEqual(max(p[1] for p in positions), max(heights), places=2)
            self.assertTrue(all(n[1] > 0 for n in glb_accessor(gltf, binary, surface["attributes"]["NORMAL"])),
                            "the terrain faces up")
            colours = glb_accessor(gltf, binary, sides["attributes"]["COLOR_0"])
            self.assertEqual(set(colours), {(round(((128 / 255 + 0.055) / 1.055) ** 2.4 * 65535), 0, 0, 65535)},
                             "dark red walls, linear")
            other, other_binary = glb_parts(self.export(d, "slope.glb", "--colour-scheme", "2"))
            self.assertNotEqual(glb_accessor(other, other_binary, 2), glb_accessor(gltf, binary, 2))

    def test_stl_is_a_closed_solid_of_the_terrains_volume(self):
        with tempfile.TemporaryDirectory() as d:
            triangles = stl_triangles(self.export(d, "t.stl"))
            self.assertEqual(len(triangles), 2 * 224 * 149 + 2 * 2 * (224 + 149) + 2 * (224 + 149))
            volume = closed_volume(triangles)
            self.assertIsNotNone(volume, "every edge is shared by two triangles, wound the same way")
            heights = [h for h in tile_heights(self.TILE) if h > -999]
            # About the mean height times the area (and a plinth of 1 m: see below).
            self.assertAlmostEqual(volume / (1120 * 745 * sum(heights) / len(heights)), 1, delta=0.01)
            for t in triangles[:50] + triangles[-50:]:
                self.assertAlmostEqual(sum(c * c for c in t[:3]), 1, places=4)
            coarse = [closed_volume(stl_triangles(self.export(d, "c.stl", "--resolution", "4000",
                                                              "--exaggeration", factor))) for factor in ("1", "2")]
            # The tile's points without data stand at 0, so the base lies 1 m below: a plinth of the area.
            step, across, down = sampling(225, 150, 4000)
            plinth = (across - 1) * step * 5 * (down - 1) * step * 5
            self.assertAlmostEqual((coarse[1] - plinth) / (coarse[0] - plinth), 2, places=4, msg="twice as tall")

    def test_obj_has_a_coloured_vertex_and_a_normal_for_every_face_corner(self):
        with tempfile.TemporaryDirectory() as d:
            with open(self.export(d, "t.obj", "--range", "0,0,59,39")) as f:
                lines = [line.split() for line in f if not line.startswith(("#", "o "))]
            vertices = [l for l in lines if l[0] == "v"]
            normals = [l for l in lines if l[0] == "vn"]
            faces = [l for l in lines if l[0] == "f"]
            self.assertEqual(len(vertices), len(normals))
            self.assertTrue(all(len(v) == 7 and all(0 <= float(c) <= 1 for c in v[4:]) for v in vertices))
            self.assertGreaterEqual(len(vertices), 60 * 40)
            self.assertEqual(len(faces), 2 * 59 * 39 + 2 * 2 * (59 + 39) + 2 * (59 + 39))
            corners = [int(n) for face in faces for corner in face[1:] for n in corner.split("//")]
            self.assertEqual((min(corners), max(corners)), (1, len(vertices)))

    def test_a_failed_export_leaves_the_old_file(self):
        with tempfile.TemporaryDirectory() as d:
            out = os.path.join(d, "t.stl")
            with open(out, "wb") as f:
                f.write(b"old")
            self.assertEqual(run("export", self.TILE, out, "--range", "0,0,20,100")[0], 1)
            self.assertEqual(run("export", self.TILE, os.path.join(d, "missing", "t.glb"))[0], 1)
            self.assertEqual(run("export", self.TILE, out, "--resolution", "x")[0], 2)
            self.assertEqual(run("export", self.TILE, os.path.join(d, "t.tif"), "--range", "0,0,50,50")[0], 2)
            with open(out, "rb") as f:
                self.assertEqual(f.read(), b"old")
            self.assertEqual(sorted(os.listdir(d)), ["t.stl"])


if __name__ == "__main__":
    unittest.main(verbosity=1)
