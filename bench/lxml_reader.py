#!/usr/bin/python3
"""The reader of the agency's elevation XML that a user would write with lxml,
timed to set ImportXml beside it.

    /usr/bin/python3 bench/lxml_reader.py [--runs N] [--numpy] [--value] PATH...

PATH is an .xml file, or a folder whose .xml files are all read (in name
order). One run reads every file: it parses the document with lxml, takes
gml:lowerCorner, gml:upperCorner, gml:high, gml:startPoint and gml:tupleList
by their namespaced tags, splits the tuple list into lines "地表面,123.45"
and places the heights into an array('f') of columns x rows from the start
point on, row after row (points before the start point or behind the list
stay -9999).

--numpy keeps the lxml parse but turns the tuple list into a numpy array in
one call (labels and commas blanked, numpy.fromstring) instead of a Python
loop; it needs numpy. Prints the bytes of one run, the median CPU time of the
runs and MB/s (10^6 bytes per CPU second), or with --value the MB/s alone.
"""
import argparse
import array
import os
import statistics
import sys
import time

from lxml import etree

GML = "{http://www.opengis.net/gml/3.2}"
NO_DATA = -9999.0
# A full 10 m tile's tuple list is one text node of about 16 MB, beyond
# libxml2's default limit of 10 MB for a text node.
PARSER = etree.XMLParser(huge_tree=True)


def numbers(root, tag, kind):
    element = root.find(".//" + GML + tag)
    if element is None or element.text is None:
        raise ValueError("no gml:" + tag)
    first, second = element.text.split()
    return kind(first), kind(second)


def header(path):
    """The parsed document and its grid: corners, columns, rows, first index."""
    root = etree.parse(path, PARSER).getroot()
    south, west = numbers(root, "lowerCorner", float)
    north, east = numbers(root, "upperCorner", float)
    high_x, high_y = numbers(root, "high", int)
    start_x, start_y = numbers(root, "startPoint", int)
    cols, rows = high_x + 1, high_y + 1
    tuples = root.find(".//" + GML + "tupleList")
    if tuples is None:
        raise ValueError("no gml:tupleList")
    return (south, west, north, east), cols, rows, start_y * cols + start_x, tuples.text or ""


def read_plain(path):
    extent, cols, rows, first, text = header(path)
    heights = array.array("f", [NO_DATA]) * (cols * rows)
    index = first
    for line in text.split():
        if index >= len(heights):
            break
        heights[index] = float(line.split(",")[1])
        index += 1
    return extent, cols, rows, heights


# Blanks for the commas and for every byte of the labels (all of them Japanese,
# so bytes of 0x80 and above), leaving the numbers between blanks.
LABEL_BYTES = bytes(0x20 if (b >= 0x80 or b == ord(",")) else b for b in range(256))


def read_numpy(path):
    import numpy

    extent, cols, rows, first, text = header(path)
    heights = numpy.full(cols * rows, NO_DATA, dtype=numpy.float32)
    values = numpy.fromstring(text.encode().translate(LABEL_BYTES), dtype=numpy.float32, sep=" ")
    count = min(len(values), len(heights) - first)
    heights[first : first + count] = values[:count]
    return extent, cols, rows, heights


def xml_files(paths):
    files = []
    for path in paths:
        if os.path.isdir(path):
            names = sorted(n for n in os.listdir(path) if n.lower().endswith(".xml"))
            files.extend(os.path.join(path, n) for n in names)
        else:
            files.append(path)
    return files


def main():
    parser = argparse.ArgumentParser(description="Times reading elevation XML with lxml.")
    parser.add_argument("paths", nargs="+", metavar="PATH")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--numpy", action="store_true")
    parser.add_argument("--value", action="store_true", help="print the MB/s alone")
    args = parser.parse_args()

    files = xml_files(args.paths)
    if not files:
        sys.exit("lxml_reader.py: no XML files")
    read = read_numpy if args.numpy else read_plain
    size = sum(os.path.getsize(f) for f in files)
    times = []
    for _ in range(max(args.runs, 1)):
        # CPU time, as qb_bench's import rates, so that other work on a shared
        # machine does not stretch it.
        began = time.process_time()
        for f in files:
            read(f)
        times.append(time.process_time() - began)
    median = statistics.median(times)
    rate = size / median / 1e6
    if args.value:
        print(f"{rate:.2f}")
        return
    # The points with a height, counted in one more pass outside the timing,
    # to check that the reader saw the same grids as ImportXml.
    valid = sum(sum(1 for h in read(f)[3] if h > -9000.0) for f in files)
    kind = "lxml + numpy" if args.numpy else "lxml"
    print(f"{kind}: {len(files)} files, {size / 1e6:.2f} MB, median {median * 1000:.1f} ms "
          f"of {len(times)} runs, {rate:.2f} MB/s, {valid} points with a height")

if __name__ == "__main__":
    main()
