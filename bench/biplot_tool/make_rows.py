#!/usr/bin/env python3
"""Writes the benchmark's table: 214 compositions of 8 parts in 4 groups, with a sample id and a
group column, as a published table of that shape would be. Deterministic."""
import random
import sys

PARTS = ["SiO2", "TiO2", "Al2O3", "Fe2O3", "MnO", "MgO", "CaO", "Na2O"]
GROUPS = ["basalt", "andesite", "dacite", "rhyolite"]


def main(path):
    rng = random.Random(214)
    with open(path, "w", encoding="utf-8") as out:
        out.write("sample," + ",".join(PARTS) + ",rock\n")
        for i in range(214):
            g = i % len(GROUPS)
            centre = [50 + 6 * g, 2 - 0.4 * g, 16, 11 - 2 * g, 0.2, 8 - 1.8 * g, 11 - 2 * g, 3 + g]
            row = [max(0.01, c * rng.lognormvariate(0, 0.12)) for c in centre]
            out.write(f"S{i + 1:03d}," + ",".join(f"{v:.3f}" for v in row) + f",{GROUPS[g]}\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "rows214.csv")
