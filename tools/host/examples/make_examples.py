#!/usr/bin/env python3
"""Writes rocks.csv: 90 five-part rock compositions (weight %) in three groups, the same file on
every run (a fixed linear congruential generator, no library randomness)."""
import math
import os

PARTS = ["SiO2", "Al2O3", "FeO", "MgO", "CaO"]
GROUPS = {
    "basalt": [49.0, 15.0, 11.0, 8.0, 11.0],
    "andesite": [58.0, 17.0, 7.0, 4.0, 7.0],
    "rhyolite": [73.0, 13.5, 2.0, 0.5, 1.5],
}
PER_GROUP = 30
SPREAD = 0.12  # of the log parts


class Lcg:
    def __init__(self, seed):
        self.state = seed

    def uniform(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % 2**64
        return ((self.state >> 11) + 0.5) / 2**53

    def normal(self):
        r = math.sqrt(-2.0 * math.log(self.uniform()))
        return r * math.cos(2.0 * math.pi * self.uniform())


def main():
    random = Lcg(20261208)
    lines = ["sample," + ",".join(PARTS) + ",rock"]
    n = 0
    for rock, centre in GROUPS.items():
        for _ in range(PER_GROUP):
            parts = [c * math.exp(SPREAD * random.normal()) for c in centre]
            total = sum(parts)
            n += 1
            values = ",".join(f"{100 * p / total:.2f}" for p in parts)
            lines.append(f"R{n:03d},{values},{rock}")
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "rocks.csv"), "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
