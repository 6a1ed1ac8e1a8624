"""Plots of compositional data (positive parts of a whole) from a pandas DataFrame, a numpy
array or anything array-like, drawn by the same statistics and plug-ins as plot_host:

    import compositional_plots as cp
    picture = cp.ternary(rocks, parts=["SiO2", "Al2O3", "FeO"], group="rock", grid=True)
    picture.save("rocks.pdf")   # .png, .svg, .pdf or .eps
    picture.show()              # a viewer window; in a notebook the picture shows itself

The library and the plug-ins are found where `cmake --install` or `pip install ./python` put
them, or in the build folder named by $COMPOSITIONAL_PLOTS_BUILD."""
from ._picture import Picture
from ._plots import (biplot, biplot3d, confidence, logratio, logratio3d, predictive, ternary,
                     tetrahedron)

__all__ = ["Picture", "biplot", "biplot3d", "confidence", "logratio", "logratio3d",
           "predictive", "ternary", "tetrahedron"]
