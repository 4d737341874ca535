#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets, one folder per target.

Usage: make_seeds.py SOURCE_DIR OUT_DIR

The seeds are cut from the real files of data/sample, data/place and
../shared/data: small, so that each run of a target stays fast, but with
every part the readers look at (a whole header, a few rows, the tail of an
XML file).
"""
import io
import os
import struct
import sys
import zipfile

TUPLES_KEPT = 40
AREA_RECORD_SIZE = 412
AREA_LAYOUT_MARK = 0x12345678


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


# .3dm tiles: a 128-byte header, then columns x rows little-endian floats.
def tile(header, columns, rows, heights, datum=1, south=None, west=None):
    h = bytearray(header)
    struct.pack_into("<i", h, 32, columns)
    struct.pack_into("<i", h, 52, rows)
    struct.pack_into("<i", h, 96, columns * rows)
    struct.pack_into("<i", h, 104, datum)
    if south is not None:
        struct.pack_into("<ff", h, 112, south, west)
        struct.pack_into("<ff", h, 120, south + 0.0008, west + 0.0012)
    return bytes(h) + struct.pack("<%df" % len(heights), *heights)


def tile_seeds(source, out):
    data = open(os.path.join(source, "data/sample/FG-GML-5238-74-00-DEM5A-20161001.3dm"), "rb").read()
    header, columns = data[:128], struct.unpack_from("<i", data, 32)[0]
    heights = struct.unpack_from("<%df" % (columns * 10), data, 128)
    window = [heights[r * columns + c] for r in range(10) for c in range(15)]
    write(out, "window.3dm", tile(header, 15, 10, window))
    write(out, "old-datum.3dm", tile(header, 15, 10, window, datum=0))
    write(out, "inside-base.3dm", tile(header, 8, 5, window[:40], south=35.2504, west=138.5006))
    write(out, "cut.3dm", data[:128 + 4 * 200])


# .mem text meshes: a header line of 1008 characters or more, then one line
# per row: 9 characters of row code, then five characters a height.
def text_mesh_seeds(source, out):
    lines = open(os.path.join(source, "data/sample/tokachi-644320.mem"), "rb").read().split(b"\r\n")
    header = bytearray(lines[0])
    header[23:29] = b"010010"
    rows = [line[:9 + 5 * 10] for line in lines[1:11]]
    write(out, "window.mem", b"\r\n".join([bytes(header)] + rows) + b"\r\n")
    header[225:230] = b"10101"
    write(out, "absent-rows.mem", b"\r\n".join([bytes(header)] + rows[:7]) + b"\r\n")
    write(out, "fakejdem.mem", open(os.path.join(source, "../shared/data/jdem/fakejdem.mem"), "rb").read())


# Elevation XML: the head up to the tuple list, a few tuples, and the tail
# with the start point; the grid made small to match.
def cut_xml(xml, high=b"29 19", start=None):
    open_tag, close_tag = b"<gml:tupleList>", b"</gml:tupleList>"
    begin = xml.index(open_tag) + len(open_tag)
    end = xml.index(close_tag)
    tuples = xml[begin:end].split(b"\r\n" if b"\r\n" in xml[begin:end] else b"\n")
    kept = b"\r\n".join(tuples[:TUPLES_KEPT + 1]) + b"\r\n"
    cut = xml[:begin] + kept + xml[end:]
    low = cut.index(b"<gml:high>") + len(b"<gml:high>")
    cut = cut[:low] + high + cut[cut.index(b"<", low):]
    if start is not None:
        point = cut.index(b"<gml:startPoint>") + len(b"<gml:startPoint>")
        cut = cut[:point] + start + cut[cut.index(b"<", point):]
    return cut


def xml_members(source, archive, count):
    with zipfile.ZipFile(os.path.join(source, archive)) as z:
        names = [n for n in z.namelist() if n.lower().endswith(".xml")][:count]
        return [(os.path.basename(n), z.read(n)) for n in names]


def xml_seeds(source, out):
    complete = open(os.path.join(source, "data/sample/FG-GML-5238-74-00-DEM5A-20161001.xml"), "rb").read()
    coastal = open(os.path.join(source, "data/sample/FG-GML-3926-76-DEM10B-20161001.xml"), "rb").read()
    write(out, "dem5a.xml", cut_xml(complete))
    write(out, "dem5a-whole-grid.xml", cut_xml(complete, high=b"224 149"))
    write(out, "dem10b.xml", cut_xml(coastal, start=b"3 2"))
    for name, xml in xml_members(source, "../shared/data/dem/FG-GML-3624-30-DEM5B.zip", 2):
        write(out, name, cut_xml(xml, start=b"1 1"))


def zip_of(members, compression):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", compression) as z:
        for name, data in members:
            z.writestr(name, data)
    return buffer.getvalue()


def zip_seeds(source, out):
    members = [(n, cut_xml(x, high=b"9 9", start=b"0 0"))
               for n, x in xml_members(source, "data/sample/FG-GML-6443-20-DEM5A.zip", 2)]
    write(out, "deflated.zip", zip_of(members, zipfile.ZIP_DEFLATED))
    write(out, "stored.zip", zip_of(members[:1] + [("readme.txt", b"DEM"), ("folder.xml/", b"")],
                                    zipfile.ZIP_STORED))


# Place files: a 170-character header line, then one record a line.
def place_header(format_number, columns=0, rows=0):
    header = bytearray(b" " * 168)
    header[15:43] = b"0352000138373003525001384500"
    header[68:78] = b"%02d%04d%04d" % (format_number, columns, rows)
    return bytes(header) + b"\r\n"


def place_seeds(source, out):
    lines = open(os.path.join(source, "data/place/tessim2.pln"), "rb").read().split(b"\r\n")
    records = [line for line in lines[1:20] if line]
    write(out, "system.pln", b"\r\n".join([lines[0]] + records) + b"\r\n")
    format2 = [line[:31] + line[55:] for line in records[:8]]
    write(out, "format2.pln", place_header(2) + b"\r\n".join(format2) + b"\r\n")
    format1 = [b"%04d%04d" % (i * 7, i * 5) + line[:7] + line[55:] for i, line in enumerate(records[:8])]
    write(out, "format1.pln", place_header(1, 225, 150) + b"\r\n".join(format1) + b"\r\n")


# Area files: 412 bytes, integers little-endian.
def area(name, base, across, down, column, row, layout=True):
    record = bytearray(AREA_RECORD_SIZE)
    record[0:4] = b"TQZH"
    record[8:8 + len(name)] = name
    record[72:72 + len(base)] = base
    struct.pack_into("<iiiiiii", record, 328, across, down, column, row, 0, 1, AREA_LAYOUT_MARK if layout else 0)
    if layout:
        struct.pack_into("<ii", record, 356, across, down)
    return bytes(record)


def area_seeds(out):
    name = "十勝平野".encode("cp932")
    write(out, "tiles-10m.ARE", area(name, b"/db/10m/6443-20.3dm", 3, 2, 1, 1))
    write(out, "tiles-5m.ARE", area(name, b"/db/5m/6443-20-55.3dm", 4, 4, 2, 3))
    write(out, "disc-mem.ARE", area(b"disc", b"/media/cdrom/Data/6443/644320.mem", 2, 2, 0, 1))
    write(out, "disc-sem.ARE", area(b"disc", b"/media/cdrom/Data/250m/6443.sem", 2, 1, 0, 0, layout=False))


# Map page messages, one a line.
def web_message_seeds(out):
    write(out, "load.txt", b"MapLoaded\nLayerChanged,GSI Pale\nmousemove,,36.1,138.2,10\n")
    write(out, "boxes.txt", b"boxzoom,35.71,139.49,35.62,139.62\nboxzoom,36,140,35.25,139.25\nboxzoom,35.1\n")
    write(out, "points.txt", b"pinpoint,35.5,139.0\ncenter,35.3,139.1\nundo\nSendMsg,,x\npinpoint,inf,1\n")


# japan.GLL: a 72-byte header with the record count at offset 8, then records
# of a 60-byte header (tag, type, sub-level, kept, data bytes, anchor, name)
# and their points, longitudes negated.
def globe_record(tag, kind, level, points=(), anchor=(0.0, 0.0), name=b""):
    head = struct.pack("<4s4i2f32s", tag, kind, level, 0, 8 * len(points), anchor[0], anchor[1], name)
    return head + b"".join(struct.pack("<2f", lon, lat) for lon, lat in points)


def globe_file(records):
    header = bytearray(b"QBGLL1".ljust(72, b"\0"))
    struct.pack_into("<i", header, 8, len(records))
    return bytes(header) + b"".join(records)


def globe_seeds(out):
    land = [(-139.0, 35.0), (-140.0, 35.0), (-140.0, 36.0), (-139.0, 36.0)]
    records = [
        globe_record(b"ar", 0, 0, land),
        globe_record(b"ar", 0, 3, land[:3]),
        globe_record(b"lk", 2, 0, land),
        globe_record(b"rv", 4, 0, land[:2]),
        globe_record(b"bd", 3, 0, land[:2]),
        globe_record(b"ct", 103, 1, anchor=(-139.69, 35.69), name="東京".encode("cp932")),
        globe_record(b"sa", 203, 0, anchor=(-135.0, 38.0), name="日本海".encode("cp932")),
    ]
    write(out, "small.GLL", globe_file(records))
    write(out, "names.GLL", globe_file(records[5:]))
    write(out, "empty.GLL", globe_file([]))


def main():
    source, out = sys.argv[1], sys.argv[2]
    tile_seeds(source, os.path.join(out, "tile"))
    text_mesh_seeds(source, os.path.join(out, "textmesh"))
    xml_seeds(source, os.path.join(out, "xml"))
    zip_seeds(source, os.path.join(out, "zip"))
    place_seeds(source, os.path.join(out, "places"))
    area_seeds(os.path.join(out, "area"))
    web_message_seeds(os.path.join(out, "webmessage"))
    globe_seeds(os.path.join(out, "globe"))


if __name__ == "__main__":
    main()
