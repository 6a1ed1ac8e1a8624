"""A viewer window in a process of its own: Picture.show pipes the table and options here."""
import pickle
import sys

from . import _native
from ._table import make_table

if __name__ == "__main__":
    name, columns, arguments = pickle.load(sys.stdin.buffer)
    try:
        _native.plot(make_table(name, columns), arguments)
    except (RuntimeError, ValueError, KeyError) as error:
        sys.exit(str(error))
