"""The eight plots, each with the options of plot_host's command for it."""
from ._picture import Picture
from ._table import read_columns


def _number(value):
    # repr gives the shortest text that reads back to the same float.
    return repr(float(value)) if isinstance(value, (int, float)) else str(value)


def _draw(plot, data, parts, group, zero_replace=None, size=None, scale=1, rotate=None,
          transform=None, levels=None, level=None, **flags):
    """The Picture of plot_host's `plot` with these options."""
    name, columns, group_column = read_columns(data, group)
    arguments = [plot]
    if parts is not None:  # a list of names, or the tool's "A,B,C"
        text = parts if isinstance(parts, str) else ",".join(str(p) for p in parts)
        arguments += ["--parts", text]
    if group_column is not None:
        arguments += ["--group", group_column]
    if zero_replace is not None:
        arguments += ["--zero-replace", _number(zero_replace)]
    if size is not None:
        width, height = size
        arguments += ["--size", f"{width}x{height}"]
    if rotate is not None:
        arguments += ["--rotate", ",".join(str(r) for r in rotate)]
    if transform is not None:
        arguments += ["--transform", str(transform)]
    if levels is not None:
        levels = [levels] if isinstance(levels, (int, float)) else levels
        arguments += ["--levels", ",".join(_number(v) for v in levels)]
    if level is not None:
        arguments += ["--level", _number(level)]
    arguments += [f"--{name}" for name, on in flags.items() if on]
    return Picture(name, columns, arguments, scale)


_COMMON = """
    data: a pandas DataFrame, a numpy array (its parts named x1, x2, ...) or anything
        array-like, one composition per row. Rows are closed to proportions.
    parts: the part columns, by name (default: every column whose first value is a number).
    group: a column of group labels, by name, or each row's label (at most ten groups).
    zero_replace: replace zero parts multiplicatively by this proportion; without it a zero
        part is a ValueError.
    size: (width, height) of the picture in pixels.
    scale: the PNG at this many times the pixels each way (1 to 4).
    Returns a Picture. ValueError for data that do not fit the plot and for bad options,
    KeyError for a column the data do not have, with plot_host's messages (rows counted as in
    a CSV file of the data: the header is row 1)."""


def _documented(summary, extra=""):
    def document(function):
        function.__doc__ = summary + "\n" + _COMMON + extra
        return function
    return document


_ROTATE = "\n    rotate: (x, y, z) presses of the rotation buttons before the picture."


@_documented("The ternary diagram of three parts, over a 10 % grid or the first two principal "
             "components, with marker shapes by group.")
def ternary(data, parts=None, group=None, grid=False, components=False, shapes=False,
            zero_replace=None, size=None, scale=1):
    return _draw("ternary", data, parts, group, zero_replace, size, scale, grid=grid,
                 components=components, shapes=shapes)


@_documented("The tetrahedron of four parts.", _ROTATE)
def tetrahedron(data, parts=None, group=None, shapes=False, zero_replace=None, size=None,
                scale=1, rotate=None):
    return _draw("tetrahedron", data, parts, group, zero_replace, size, scale, rotate,
                 shapes=shapes)


@_documented("The 2D biplot of the clr principal components (3 to 21 parts): labels numbers "
             "the observations, outliers marks those beyond the 0.975 chi-square Mahalanobis "
             "distance, names labels the rays by name.")
def biplot(data, parts=None, group=None, shapes=False, labels=False, outliers=False,
           names=False, zero_replace=None, size=None, scale=1):
    return _draw("biplot", data, parts, group, zero_replace, size, scale, shapes=shapes,
                 labels=labels, outliers=outliers, names=names)


@_documented("The 3D biplot of the clr principal components (3 to 20 parts).", _ROTATE)
def biplot3d(data, parts=None, group=None, shapes=False, labels=False, outliers=False,
             names=False, zero_replace=None, size=None, scale=1, rotate=None):
    return _draw("biplot3d", data, parts, group, zero_replace, size, scale, rotate,
                 shapes=shapes, labels=labels, outliers=outliers, names=names)


@_documented("The 2D scatter of the alr (against the last part) or balance coordinates of "
             "three parts: transform is 'alr' or 'balances'.")
def logratio(data, parts=None, group=None, transform="alr", shapes=False, zero_replace=None,
             size=None, scale=1):
    return _draw("logratio", data, parts, group, zero_replace, size, scale,
                 transform=transform, shapes=shapes)


@_documented("The 3D scatter of the alr or balance coordinates of four parts.", _ROTATE)
def logratio3d(data, parts=None, group=None, transform="alr", shapes=False, zero_replace=None,
               size=None, scale=1, rotate=None):
    return _draw("logratio3d", data, parts, group, zero_replace, size, scale, rotate,
                 transform=transform, shapes=shapes)


@_documented("The predictive regions of three parts on the ternary diagram, at up to three "
             "levels.")
def predictive(data, parts=None, group=None, levels=(0.9, 0.95, 0.99), zero_replace=None,
               size=None, scale=1):
    return _draw("predictive", data, parts, group, zero_replace, size, scale, levels=levels)


@_documented("The confidence region of each group's centre (three parts) at the level.")
def confidence(data, parts=None, group=None, level=0.95, shapes=False, zero_replace=None,
               size=None, scale=1):
    return _draw("confidence", data, parts, group, zero_replace, size, scale, level=level,
                 shapes=shapes)
