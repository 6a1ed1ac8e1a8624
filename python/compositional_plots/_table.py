"""A DataFrame, a numpy array or anything array-like as the library's table of columns."""
import ctypes

from ._native import Column, Table


def _numbers(values):
    import numpy as np
    array = np.ascontiguousarray(values, dtype=np.float64)
    return array, array.ctypes.data_as(ctypes.POINTER(ctypes.c_double))


def _texts(values):
    import numpy as np
    cells = [None if v is None or (isinstance(v, float) and np.isnan(v)) else str(v).encode()
             for v in values]
    array = (ctypes.c_char_p * len(cells))(*cells)
    return array, ctypes.cast(array, ctypes.POINTER(ctypes.c_char_p))


def _named_columns(data):
    """(name, values) of each column; the parts of an array without names are x1, x2, ..."""
    import numpy as np
    if hasattr(data, "columns") and hasattr(data, "__getitem__"):  # a pandas DataFrame
        return [(str(name), data[name].to_numpy()) for name in data.columns]
    if hasattr(data, "keys"):  # a mapping of columns
        return [(str(name), np.asarray(data[name])) for name in data.keys()]
    array = np.asarray(data)
    if array.dtype.names:  # a structured array
        return [(name, array[name]) for name in array.dtype.names]
    if array.ndim != 2:
        raise ValueError(f"the data must be a table: one row per composition, one column per "
                         f"part (got {array.ndim} dimensions)")
    return [(f"x{j + 1}", array[:, j]) for j in range(array.shape[1])]


def _column(name, values):
    """A Column and the arrays it points into."""
    kind = getattr(getattr(values, "dtype", None), "kind", "O")
    if kind in "iuf":
        kept, pointer = _numbers(values)
        return Column(name.encode(), pointer, None), kept
    kept, pointer = _texts(values)
    return Column(name.encode(), None, pointer), kept


def read_columns(data, group=None):
    """The data's name for messages, its (name, values) columns, and the name of the group
    column (None without one). `group` names a column of the data, or gives each row's label."""
    import numpy as np
    name = "DataFrame" if type(data).__module__.startswith("pandas") else "data"
    columns = _named_columns(data)
    group_name = None
    if isinstance(group, str):
        group_name = group
    elif group is not None:
        names = {n for n, _ in columns}
        group_name = next(n for n in ("group", "group_", "group__") if n not in names)
        columns.append((group_name, np.asarray(group, dtype=object)))
    rows = len(columns[0][1]) if columns else 0
    if any(len(values) != rows for _, values in columns):
        raise ValueError(f"every column must have {rows} rows, as the first has")
    return name, columns, group_name


def make_table(name, columns):
    """The library's Table of the columns of read_columns."""
    made = [_column(n, values) for n, values in columns]
    array = (Column * len(made))(*(c for c, _ in made))
    rows = len(columns[0][1]) if columns else 0
    table = Table(name.encode(), rows, len(made), array)
    table._keep = (array, made)  # the memory the table points into lives with it
    return table
