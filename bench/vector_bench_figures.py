#!/usr/bin/env python3
"""matplotlib's savefig of the figures vector_bench writes with the plug-ins.

Usage: vector_bench_figures.py ternary|tetrahedron POINTS.csv OUT.svg|OUT.pdf REPEATS

POINTS.csv holds the positions the plug-in plots (x,y,group or x,y,z,group). The figure has the
viewer's size (918 x 734 pixels at 100 dpi), the plug-in's frame, corner names, 5-pixel dots in
the groups' colours and the legend. After one save to warm up, the figure is saved REPEATS
times; printed: the mean seconds of a save and the file's size in bytes.
"""
import csv
import os
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

# The plug-ins' group colours, groups 1 to 10.
COLOURS = [(0, 0, 0), (1, 0, 0), (0, 1, 0), (0, 0, 1), (1, 1, 0), (0, 1, 1), (1, 0, 1),
           (0.5, 0, 0.5), (1, 0.5, 0), (0.5, 0.5, 0.5)]
DOT = (5 * 72 / 100) ** 2  # a 5-pixel square, in points squared
FONT = {"family": "sans-serif", "weight": "bold", "size": 24 * 72 / 100}


def read_points(path):
    with open(path, newline="") as f:
        rows = [[float(v) for v in row] for row in csv.reader(f)]
    return [r[:-1] for r in rows], [int(r[-1]) for r in rows]


def ternary(ax, points, groups):
    ax.plot([0, 0.5, 1, 0], [0, 0.866, 0, 0], color="black", linewidth=0.72)
    for name, (x, y) in zip("ABC", [(0.45, 0.9), (-0.1, -0.03), (1.02, -0.03)]):
        ax.text(x, y, name + " ", fontdict=FONT)
    ax.set_xlim(-0.4, 1.25)
    ax.set_ylim(-0.2, 1.1)
    ax.set_axis_off()
    return [list(p) for p in zip(*points)]


def tetrahedron(ax, points, groups):
    a, b, c, d = (0, 0, 0), (0, 2 / 3 ** 0.5, 0), (3 ** 0.5 / 2, 0.5, 0), (3 ** 0.5 / 6, 0.5, 1)
    for p, q in [(a, b), (a, c), (a, d), (b, c), (b, d), (c, d)]:
        ax.plot(*[[p[i], q[i]] for i in range(3)], color="black", linewidth=0.72)
    for name, at in zip("BAC", [b, a, c]):
        ax.text(*at, name + " ", fontdict=FONT)
    ax.view_init(elev=90, azim=-90)  # the plug-in's camera: down the z axis, y up
    ax.set_axis_off()
    return [list(p) for p in zip(*points)]


def main():
    kind, points_path, out, repeats = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    points, groups = read_points(points_path)
    fig = plt.figure(figsize=(9.18, 7.34), dpi=100)
    if kind == "ternary":
        ax = fig.add_subplot()
        columns = ternary(ax, points, groups)
    else:
        ax = fig.add_subplot(projection="3d")
        columns = tetrahedron(ax, points, groups)
    for g in sorted(set(groups)):
        chosen = [i for i, h in enumerate(groups) if h == g]
        ax.scatter(*[[col[i] for i in chosen] for col in columns], s=DOT, marker="s",
                   color=COLOURS[(g - 1) % len(COLOURS)], linewidths=0, label=f"Grup {g} ")
    ax.legend(loc="upper right", frameon=False, prop=FONT)
    fig.savefig(out)  # warm: fonts and the renderer set up
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        fig.savefig(out)
        times.append(time.perf_counter() - start)
    print(f"{sum(times) / len(times):.6f} {os.path.getsize(out)}")


if __name__ == "__main__":
    main()
