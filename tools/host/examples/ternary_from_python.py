#!/usr/bin/env python3
"""A host in Python: three parts of a CSV file as a ternary diagram, written as a PNG.

The plug-in is loaded with ctypes through its C interface alone (include/plot_plugin.h and
include/plot_ternary_records.h), as any host would load it.

    ternary_from_python.py PLUGIN_DIR FILE.csv A,B,C GROUP_COLUMN OUT.png
"""
import csv
import ctypes as C
import sys

MAX_POINTS, GRID_ENDS, GRID_FAMILIES, COMPONENT_POINTS = 501, 11, 4, 151
PLOT_I2, PLOT_STRING, PLOT_RECORD, PLOT_STRINGS = 2, 6, 7, 8
TERNARY_HEIGHT = 0.866
# Black, red, green, blue, ...: the colours of groups 1, 2, 3, ... as the plug-in's legend draws them.
GROUP_COLOURS = [(0, 0, 0), (1, 0, 0), (0, 1, 0), (0, 0, 1), (1, 1, 0), (0, 1, 1), (1, 0, 1),
                 (0.5, 0, 0.5), (1, 0.5, 0), (0.5, 0.5, 0.5)]


class Punt(C.Structure):
    _fields_ = [("X", C.c_double), ("Y", C.c_double), ("Color", C.c_float * 3),
                ("forma", C.c_int16)]


class VectorPunts(C.Structure):
    _fields_ = [("Punts", Punt * MAX_POINTS), ("long_", C.c_int16)]


class VectorPuntsGraella(C.Structure):
    _fields_ = [("Punts1", Punt * GRID_ENDS), ("Punts2", Punt * GRID_ENDS), ("long_", C.c_int16)]


class VectorGraella(C.Structure):
    _fields_ = [("VPG", VectorPuntsGraella * GRID_FAMILIES), ("nPuntsGrid", C.c_int16)]


class VectorPuntsPC(C.Structure):
    _fields_ = [("Punts1", Punt * COMPONENT_POINTS), ("Punts2", Punt * COMPONENT_POINTS),
                ("long1", C.c_int16), ("long2", C.c_int16), ("cpe", C.c_float * 2),
                ("pc", C.c_float * 6)]


class PlotString(C.Structure):
    _fields_ = [("data", C.c_char_p), ("length", C.c_int32)]


class PlotRecord(C.Structure):
    _fields_ = [("name", C.c_char_p), ("data", C.c_void_p), ("size", C.c_int32)]


class PlotStrings(C.Structure):
    _fields_ = [("lower", C.c_int32), ("upper", C.c_int32), ("items", C.POINTER(PlotString))]


class PlotValue(C.Union):
    _fields_ = [("i2", C.c_int16), ("r8", C.c_double), ("string", PlotString),
                ("record", PlotRecord), ("strings", PlotStrings)]


class PlotVariant(C.Structure):
    _fields_ = [("type", C.c_int), ("value", PlotValue)]


class PlotError(C.Structure):
    _fields_ = [("number", C.c_int32), ("text", C.c_char * 256)]


def plot_string(text):
    raw = text.encode()
    return PlotString(raw, len(raw))


def record(name, value):
    v = PlotVariant(PLOT_RECORD)
    v.value.record = PlotRecord(name, C.cast(C.pointer(value), C.c_void_p), C.sizeof(value))
    return v


class Plugin:
    def __init__(self, folder, name):
        self.lib = C.CDLL(f"{folder}/{name}.so")
        lib = self.lib
        lib.plot_create.argtypes = [C.c_char_p, C.POINTER(C.c_void_p), C.POINTER(PlotError)]
        lib.plot_release.argtypes = [C.c_void_p]
        lib.plot_put.argtypes = [C.c_void_p, C.c_char_p, C.POINTER(PlotVariant),
                                 C.POINTER(PlotError)]
        lib.plot_call.argtypes = [C.c_void_p, C.c_char_p, C.POINTER(PlotVariant), C.c_int32,
                                  C.POINTER(PlotVariant), C.POINTER(PlotError)]
        lib.plot_set_display_mode.argtypes = [C.c_int32]
        lib.plot_viewer_write_png.argtypes = [C.c_char_p, C.POINTER(PlotError)]
        lib.plot_viewer_close.argtypes = [C.POINTER(PlotError)]

    def check(self, number, error):
        if number != 0:
            raise RuntimeError(f"run-time error {error.number}: {error.text.decode()}")


def read_compositions(path, parts, group_column):
    with open(path, newline="", encoding="utf-8-sig") as f:
        rows = list(csv.DictReader(f))
    groups = []
    points = []
    for row in rows:
        values = [float(row[p]) for p in parts]
        if min(values) <= 0:
            raise ValueError(f"{path}: a part of {values} is not positive")
        total = sum(values)
        closed = [v / total for v in values]
        if row[group_column] not in groups:
            groups.append(row[group_column])
        points.append((closed, groups.index(row[group_column]) + 1))
    if len(points) > MAX_POINTS or len(groups) > len(GROUP_COLOURS):
        raise ValueError(f"{path}: at most {MAX_POINTS} rows in {len(GROUP_COLOURS)} groups")
    return points, groups


def main(folder, csv_path, parts, group_column, out_png):
    parts = parts.split(",")
    points, groups = read_compositions(csv_path, parts, group_column)

    data = VectorPunts()
    data.long_ = len(points)
    for p, (closed, group) in zip(data.Punts, points):
        p.X = 0.5 * closed[0] + closed[2]
        p.Y = TERNARY_HEIGHT * closed[0]
        p.Color[:] = GROUP_COLOURS[group - 1]
        p.forma = group
    grid, components = VectorGraella(), VectorPuntsPC()  # no grid lines asked for
    names = (PlotString * 3)(*[plot_string(p) for p in parts])
    strings = PlotVariant(PLOT_STRINGS)
    strings.value.strings = PlotStrings(1, 3, names)
    arguments = (PlotVariant * 4)(record(b"Vector_Punts", data), record(b"Vector_Graella", grid),
                                  record(b"Vector_Punts_PC", components), strings)

    plugin = Plugin(folder, "ternary")
    lib, error = plugin.lib, PlotError()
    lib.plot_set_display_mode(2)  # off screen: no X server needed
    form = C.c_void_p()
    plugin.check(lib.plot_create(b"CDades_Ternary", C.byref(form), C.byref(error)), error)
    try:
        groups_value = PlotVariant(PLOT_I2)
        groups_value.value.i2 = len(groups)
        plugin.check(lib.plot_put(form, b"nGrups", C.byref(groups_value), C.byref(error)), error)
        # The legend names the groups by their labels (at most 10 characters each).
        labels = (PlotString * len(groups))(*[plot_string(g) for g in groups])
        names_value = PlotVariant(PLOT_STRINGS)
        names_value.value.strings = PlotStrings(1, len(groups), labels)
        plugin.check(lib.plot_put(form, b"nomsGrups", C.byref(names_value), C.byref(error)), error)
        plugin.check(lib.plot_call(form, b"mostrar", arguments, 4, None, C.byref(error)), error)
        plugin.check(lib.plot_viewer_write_png(out_png.encode(), C.byref(error)), error)
        plugin.check(lib.plot_viewer_close(C.byref(error)), error)
    finally:
        lib.plot_release(form)
    print(f"wrote {out_png}")


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
