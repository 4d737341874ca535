#!/usr/bin/env python3
"""End-to-end tests of quarrenby-cli view3d: the rendered picture and the refusals."""
import os
import sys
import tempfile
import unittest

import cli_test
from cli_test import SAMPLE, png_pixels, run, write_fuji_tile

TILE = os.path.join(SAMPLE, "FG-GML-5238-74-00-DEM5A-20161001.3dm")
NAVY = (0, 0, 128)


def reddish(colours):
    """Colours of the lit dark-red walls: red well above green and blue, which are equal."""
    return {c for c in colours if c[0] > c[1] + 60 and c[1] == c[2]}


class View3d(unittest.TestCase):
    def test_a_tile_shows_the_sky_the_walls_and_the_lit_terrain(self):
        with tempfile.TemporaryDirectory() as d:
            out = os.path.join(d, "tile.png")
            self.assertEqual(run("view3d", TILE, out, "--size", "400x300", "--database", d)[0], 0)
            width, height, colours = png_pixels(out)
            self.assertEqual((width, height), (400, 300))
            self.assertIn(NAVY, colours)
            self.assertGreater(len(reddish(colours)), 0, "the side walls")
            self.assertGreater(len(colours - reddish(colours) - {NAVY}), 100, "shaded terrain")

    def test_turning_the_light_or_the_camera_changes_the_picture(self):
        with tempfile.TemporaryDirectory() as d:
            pictures = []
            for options in ((), ("--light-azimuth", "135"), ("--azimuth", "-90", "--elevation", "60"),
                            ("--colour-scheme", "0")):
                out = os.path.join(d, "p%d.png" % len(pictures))
                code, _, err = run("view3d", TILE, out, "--size", "200x150", "--database", d, *options)
                self.assertEqual(code, 0, err)
                with open(out, "rb") as f:
                    pictures.append(f.read())
            self.assertEqual(len(set(pictures)), 4)

    def test_names_stand_on_their_poles(self):
        with tempfile.TemporaryDirectory() as d:
            tile = os.path.join(d, "FG-GML-5338-05-38-DEM5A-20161001.3dm")
            write_fuji_tile(tile)
            named, plain = os.path.join(d, "named.png"), os.path.join(d, "plain.png")
            self.assertEqual(run("view3d", tile, named, "--names", "--size", "400x300", "--database", d)[0], 0)
            self.assertEqual(run("view3d", tile, plain, "--size", "400x300", "--database", d)[0], 0)
            extra = png_pixels(named)[2] - png_pixels(plain)[2]
            self.assertGreater(len(extra), 3, "the name's picture and its pole")

    def test_refusals_leave_the_picture_alone(self):
        with tempfile.TemporaryDirectory() as d:
            out = os.path.join(d, "kept.png")
            with open(out, "wb") as f:
                f.write(b"older picture")
            for options in (("--elevation", "90"), ("--distance", "0.5"), ("--colour-scheme", "8"),
                            ("--exaggeration", "0"), ("--resolution", "0"), ("--size", "0x10"),
                            ("--range", "1,2,3"), ("--azimuth", "east")):
                self.assertEqual(run("view3d", TILE, out, *options)[0], 2, options)
            self.assertEqual(run("view3d", TILE, "out.jpg")[0], 2)
            code, _, err = run("view3d", TILE, out, "--range", "0,0,20,100", "--database", d)
            self.assertEqual(code, 1)
            self.assertIn("30", err)
            code, _, err = run("view3d", TILE, out, "--resolution", "100", "--database", d)
            self.assertEqual(code, 1, "a budget of 90 points gives fewer than 30 samples a side")
            self.assertIn("30", err)
            code, _, err = run("view3d", TILE, out, "--range", "0,0,225,100", "--database", d)
            self.assertEqual(code, 1)
            self.assertEqual(run("view3d", "/nonexistent/a.3dm", out)[0], 1)
            with open(out, "rb") as f:
                self.assertEqual(f.read(), b"older picture")

    def test_a_machine_without_opengl_is_told_so(self):
        with tempfile.TemporaryDirectory() as d:
            out = os.path.join(d, "none.png")
            env = dict(os.environ, __EGL_VENDOR_LIBRARY_FILENAMES=os.path.join(d, "no-vendor.json"))
            code, _, err = run("view3d", TILE, out, "--size", "80x60", "--database", d, env=env)
            self.assertEqual(code, 1)
            self.assertIn("OpenGL", err)
            self.assertFalse(os.path.exists(out))


if __name__ == "__main__":
    unittest.main(verbosity=1)
