#!/usr/bin/env python3
"""End-to-end tests of quarrenby-cli: exit statuses, outputs and the files it writes."""
import json
import os
import subprocess
import sys
import tempfile
import unittest

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "build/cli/quarrenby-cli"
SOURCE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SAMPLE = os.path.join(SOURCE, "data", "sample")


def run(*args):
    result = subprocess.run([CLI, *args], capture_output=True, text=True)
    return result.returncode, result.stdout, result.stderr


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
        self.assertEqual(run("export", "a.3dm", "b.tif")[0], 2)
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


if __name__ == "__main__":
    unittest.main(verbosity=1)
