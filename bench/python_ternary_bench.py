#!/usr/bin/env python3
"""The Python package against matplotlib: a DataFrame of 501 rows to a ternary diagram's PNG.

    COMPOSITIONAL_PLOTS_BUILD=build PYTHONPATH=python python3 bench/python_ternary_bench.py [N]

In one process, both warm (one picture each first), the two drawn in turn N times (default 50):
compositional_plots.ternary(...).png() against the same figure in matplotlib (the DataFrame
closed and placed in the triangle with numpy, frame, corner names, 5-pixel dots in the groups'
colours, legend, the viewer's 918 x 734 pixels) saved as PNG to memory. Then the package's import
time, and the first picture of a fresh process, each the median of 10 processes.
"""
import io
import os
import statistics
import subprocess
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
import pandas as pd  # noqa: E402

import compositional_plots as cp  # noqa: E402

PARTS = ["SiO2", "Al2O3", "FeO"]
COLOURS = [(0, 0, 0), (1, 0, 0), (0, 1, 0), (0, 0, 1)]
DOT = (5 * 72 / 100) ** 2  # a 5-pixel square, in points squared
FONT = {"family": "sans-serif", "weight": "bold", "size": 24 * 72 / 100}


def rocks(rows=501, seed=7):
    generator = np.random.default_rng(seed)
    values = generator.lognormal(mean=[3.9, 2.7, 2.3], sigma=0.25, size=(rows, 3))
    frame = pd.DataFrame(values, columns=PARTS)
    frame["rock"] = generator.choice(["basalt", "andesite", "rhyolite"], size=rows)
    return frame


def matplotlib_png(frame):
    parts = frame[PARTS].to_numpy()
    closed = parts / parts.sum(axis=1, keepdims=True)
    x = closed[:, 2] + closed[:, 1] / 2
    y = closed[:, 1] * 0.866
    fig = plt.figure(figsize=(9.18, 7.34), dpi=100)
    ax = fig.add_subplot()
    ax.plot([0, 0.5, 1, 0], [0, 0.866, 0, 0], color="black", linewidth=0.72)
    for name, (tx, ty) in zip([PARTS[1], PARTS[0], PARTS[2]],
                              [(0.45, 0.9), (-0.1, -0.03), (1.02, -0.03)]):
        ax.text(tx, ty, name, fontdict=FONT)
    ax.set_xlim(-0.4, 1.25)
    ax.set_ylim(-0.2, 1.1)
    ax.set_axis_off()
    labels = list(dict.fromkeys(frame["rock"]))
    for g, label in enumerate(labels, start=1):
        chosen = (frame["rock"] == label).to_numpy()
        ax.scatter(x[chosen], y[chosen], s=DOT, marker="s", color=COLOURS[g], linewidths=0,
                   label=f"Grup {g}")
    ax.legend(loc="upper right", frameon=False, prop=FONT)
    out = io.BytesIO()
    fig.savefig(out, format="png")
    plt.close(fig)
    return out.getvalue()


def package_png(frame):
    return cp.ternary(frame, parts=PARTS, group="rock").png()


def fresh_process_seconds(code, repeats=10):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        subprocess.run([sys.executable, "-c", code], check=True)
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def main():
    repeats = int(sys.argv[1]) if len(sys.argv) > 1 else 50
    frame = rocks()
    package_png(frame), matplotlib_png(frame)  # warm
    times = {package_png: [], matplotlib_png: []}
    cpu = {package_png: [], matplotlib_png: []}  # the process's threads, the driver's too
    for _ in range(repeats):
        for draw in times:
            start, start_cpu = time.perf_counter(), time.process_time()
            draw(frame)
            times[draw].append(time.perf_counter() - start)
            cpu[draw].append(time.process_time() - start_cpu)
    for draw, label in [(package_png, "compositional_plots"), (matplotlib_png, "matplotlib")]:
        t = times[draw]
        print(f"{label:20s} 501 rows to PNG: median {statistics.median(t) * 1e3:6.2f} ms, "
              f"mean {statistics.mean(t) * 1e3:6.2f} ms, CPU median "
              f"{statistics.median(cpu[draw]) * 1e3:6.2f} ms ({repeats} runs, paired)")
    imported = statistics.median(float(subprocess.run(
        [sys.executable, "-c", "import time; t = time.perf_counter(); "
         "import compositional_plots; print(time.perf_counter() - t)"],
        check=True, capture_output=True, text=True).stdout) for _ in range(10))
    first = fresh_process_seconds(
        "import numpy, compositional_plots as cp; "
        "cp.ternary(numpy.random.default_rng(1).random((501, 3)) + 0.1).png()")
    with_numpy = fresh_process_seconds("import numpy")
    print(f"import compositional_plots: {imported * 1e3:.1f} ms")
    print(f"first picture of a fresh process, numpy imported: {(first - with_numpy) * 1e3:.0f} ms")


if __name__ == "__main__":
    os.environ.setdefault("PYTHONDONTWRITEBYTECODE", "1")
    main()
