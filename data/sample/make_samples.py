#!/usr/bin/env python3
"""Builds the sample files of this folder from the agency's elevation XML.

- FG-GML-5238-74-00-DEM5A-20161001.3dm: the 5 m tile of the XML file of the
  same name as a Quarrenby tile (225 x 150 points).
- tokachi-644320.mem: a 200 x 200 point text mesh (the 50 m layout) of
  secondary cell 6443-20, sampled from the 5 m tiles in
  FG-GML-6443-20-DEM5A.zip; points without data are -9999 and rows without
  any data are flagged absent. Its corners are the cell's corners in the
  current datum.

Run it from anywhere with python3; it needs nothing beyond the standard library.
"""
import os
import re
import struct
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
NO_DATA = -9999.0


def parse_dem_xml(text):
    """Returns (south, west, north, east, cols, rows, date, heights) with heights
    in row order from the north-west point; the tuple list starts at the start
    point and runs on in row order."""
    def numbers(tag):
        m = re.search(re.escape(tag) + r"([^<]*)<", text)
        return [float(x) for x in m.group(1).split()]
    south, west = numbers("lowerCorner>")
    north, east = numbers("upperCorner>")
    high_x, high_y = numbers("<gml:high>")
    start_x, start_y = numbers("<gml:startPoint>")
    date = re.search(r"timePosition>(\d+)-(\d+)-(\d+)", text)
    cols, rows = int(high_x) + 1, int(high_y) + 1
    body = text[text.index("<gml:tupleList>") + 15:text.index("</gml:tupleList>")]
    values = [float(t.split(",")[1]) for t in body.split() if "," in t]
    heights = [NO_DATA] * (cols * rows)
    first = int(start_y) * cols + int(start_x)
    for i, v in enumerate(values[:cols * rows - first]):
        heights[first + i] = v if v > -9000 else NO_DATA
    stamp = int(date.group(1)) * 10000 + int(date.group(2)) * 100 + int(date.group(3))
    return south, west, north, east, cols, rows, stamp, heights


def write_tile(path, dem, mesh):
    south, west, north, east, cols, rows, date, heights = dem
    header = bytearray(128)
    header[0:4] = b"TQZH"
    struct.pack_into("<i", header, 4, 2)
    struct.pack_into("<I", header, 12, 0x02000000)
    struct.pack_into("<i", header, 32, cols)
    struct.pack_into("<i", header, 52, rows)
    struct.pack_into("<i", header, 72, mesh)
    struct.pack_into("<i", header, 92, mesh)
    struct.pack_into("<i", header, 96, sum(1 for h in heights if h > -9000))
    struct.pack_into("<i", header, 100, date)
    struct.pack_into("<i", header, 104, 1)
    struct.pack_into("<4f", header, 112, south, west, north, east)
    with open(path, "wb") as out:
        out.write(header)
        out.write(struct.pack("<%df" % len(heights), *heights))


def mosaic_of_cell(zip_path):
    """The 5 m heights of a whole secondary cell: 10 x 10 tiles of 225 x 150."""
    width, height = 2250, 1500
    grid = [NO_DATA] * (width * height)
    with zipfile.ZipFile(zip_path) as archive:
        for name in archive.namelist():
            m = re.search(r"-(\d)(\d)-DEM5A", name)
            if not m:
                continue
            row_in_cell, col_in_cell = int(m.group(1)), int(m.group(2))
            dem = parse_dem_xml(archive.read(name).decode("utf-8-sig"))
            cols, rows, heights = dem[4], dem[5], dem[7]
            top = (9 - row_in_cell) * rows
            left = col_in_cell * cols
            for r in range(rows):
                start = (top + r) * width + left
                grid[start:start + cols] = heights[r * cols:(r + 1) * cols]
    return grid, width, height


def write_text_mesh(path, code, grid, width, height, corners):
    size = 200
    lines = []
    flags = []
    for i in range(size):
        r = round(i * (height - 1) / (size - 1))
        fields = []
        for j in range(size):
            h = grid[r * width + round(j * (width - 1) / (size - 1))]
            fields.append(-9999 if h == NO_DATA else int(round(h * 10)))
        has_data = any(v != -9999 for v in fields)
        flags.append("1" if has_data else "0")
        if has_data:
            lines.append("%s%03d%s" % (code, i + 1, "".join("%5d" % v for v in fields)))
    header = list(" " * 1009)

    def put(pos, text):
        header[pos:pos + len(text)] = list(text)
    put(0, code)
    put(11, "2016")
    put(15, "2016")
    put(19, "2016")
    put(23, "%03d%03d" % (size, size))
    put(29, "".join(corners))
    put(225, "".join(flags))
    with open(path, "wb") as out:
        out.write(("".join(header) + "\r\n").encode("ascii"))
        for line in lines:
            out.write((line + "\r\n").encode("ascii"))


def main():
    with open(os.path.join(HERE, "FG-GML-5238-74-00-DEM5A-20161001.xml"), encoding="utf-8-sig") as f:
        write_tile(os.path.join(HERE, "FG-GML-5238-74-00-DEM5A-20161001.3dm"), parse_dem_xml(f.read()), 5)
    grid, width, height = mosaic_of_cell(os.path.join(HERE, "FG-GML-6443-20-DEM5A.zip"))
    # South 42°50'00", west 143°00'00", north 42°55'00", east 143°07'30".
    write_text_mesh(os.path.join(HERE, "tokachi-644320.mem"), "644320", grid, width, height,
                    ["0425000", "1430000", "0425500", "1430730"])


if __name__ == "__main__":
    main()
