#!/usr/bin/env python3
"""The tool's biplot job done with numpy and matplotlib, for timing side by side: read the CSV,
close the rows, clr, PCA by SVD of the centred clr matrix, scores and loadings each scaled to
0.95, scatter coloured by group, rays with names, legend, PNG of the same size.
Usage: matplotlib_biplot.py ROWS.csv OUT.png"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402


def main(path, png):
    header = open(path, encoding="utf-8").readline().strip().split(",")
    parts = header[1:-1]
    x = np.loadtxt(path, delimiter=",", skiprows=1, usecols=range(1, len(header) - 1))
    groups = np.loadtxt(path, delimiter=",", skiprows=1, usecols=len(header) - 1, dtype=str)
    x = x / x.sum(axis=1, keepdims=True)
    logs = np.log(x)
    clr = logs - logs.mean(axis=1, keepdims=True)
    centred = clr - clr.mean(axis=0)
    u, s, vt = np.linalg.svd(centred, full_matrices=False)
    scores = u[:, :2] * s[:2]
    loadings = vt[:2].T
    scores *= 0.95 / np.abs(scores).max(axis=0)
    loadings *= 0.95 / np.abs(loadings).max(axis=0)
    explained = np.cumsum(s**2) / np.sum(s**2)

    fig, ax = plt.subplots(figsize=(9.18, 7.34), dpi=100)
    colours = ["black", "red", "lime", "blue", "yellow", "cyan", "magenta", "purple", "orange"]
    for k, label in enumerate(dict.fromkeys(groups)):
        mine = groups == label
        ax.scatter(scores[mine, 0], scores[mine, 1], s=9, marker="s", color=colours[k],
                   label=label)
    for (dx, dy), name in zip(loadings, parts):
        ax.plot([0, dx], [0, dy], color="black", linewidth=0.8)
        ax.annotate(name, (dx, dy))
    ax.set_xlabel(f"PC1 ({explained[0]:.3f})")
    ax.set_ylabel(f"PC2 ({explained[1]:.3f} cumulative)")
    ax.legend(loc="upper right")
    fig.savefig(png)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
