# %% [markdown]
# # Rocks as compositions: the eight plots from a pandas table
#
# A notebook in script form (cells marked `# %%`): run it whole with
# `python3 python/examples/rocks_tour.py [OUT_FOLDER]`, or cell by cell in an editor that knows
# the marks. In a notebook each picture shows itself inline; here they are saved.

# %%
import pathlib
import sys

import numpy as np
import pandas as pd

import compositional_plots as cp

here = pathlib.Path(__file__).resolve().parent
rocks = pd.read_csv(here.parents[1] / "tools" / "host" / "examples" / "rocks.csv")
out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "rocks-pictures")
out.mkdir(exist_ok=True)
rocks.head()

# %% [markdown]
# Three oxides of each rock on the ternary diagram, over a 10 % grid, coloured by rock type.
# Each row is closed to proportions first; the legend numbers the groups in the order they
# first appear (basalt, andesite, rhyolite).

# %%
ternary = cp.ternary(rocks, parts=["SiO2", "Al2O3", "FeO"], group="rock", grid=True)
ternary.save(out / "ternary.png")
ternary.save(out / "ternary.pdf")  # vector drawing for print

# %% [markdown]
# The principal components of all five oxides as a biplot, the outliers marked, and the same
# in 3D turned a little.

# %%
cp.biplot(rocks, group="rock", outliers=True, names=True).save(out / "biplot.png")
cp.biplot3d(rocks, group="rock", rotate=(0, 6, 0)).save(out / "biplot3d.png")

# %% [markdown]
# Log-ratio coordinates (balances) of three parts, four parts in a tetrahedron.

# %%
cp.logratio(rocks, parts=["SiO2", "Al2O3", "FeO"], group="rock",
            transform="balances").save(out / "logratio.png")
cp.tetrahedron(rocks, parts=["SiO2", "Al2O3", "FeO", "MgO"], group="rock",
               shapes=True).save(out / "tetrahedron.png")

# %% [markdown]
# Where the next rock should fall (predictive regions), and where each type's centre is
# (confidence regions), at a picture scale fit for a slide.

# %%
cp.predictive(rocks, parts=["SiO2", "Al2O3", "FeO"], levels=[0.5, 0.9, 0.99],
              scale=2).save(out / "predictive.png")
cp.confidence(rocks, parts=["SiO2", "Al2O3", "FeO"], group="rock",
              level=0.99).save(out / "confidence.png")

# %% [markdown]
# A numpy array has no names: its parts are x1, x2, x3. Mistakes come back with the tool's
# words, as Python exceptions.

# %%
cp.ternary(np.random.default_rng(1).dirichlet([4, 2, 1], size=200)).save(out / "array.png")
try:
    cp.ternary(rocks, parts=["SiO2", "Na2O", "FeO"])
except KeyError as error:
    print("KeyError:", error)

# %%
print(f"pictures in {out}/: {', '.join(sorted(p.name for p in out.iterdir()))}")
