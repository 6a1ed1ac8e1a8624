"""The compositional_plots library and the plug-ins, found where they were built or installed."""
import ctypes
import functools
import os

BUILD_TREE_VARIABLE = "COMPOSITIONAL_PLOTS_BUILD"
LIBRARY = "libcompositional_plots.so"
_PACKAGE = os.path.dirname(os.path.realpath(__file__))

# cp_status of compositional_plots.h.
OK, BAD_OPTION, NO_COLUMN, BAD_DATA, PLOT_FAILED, NO_DISPLAY = range(6)
_EXCEPTIONS = {BAD_OPTION: ValueError, NO_COLUMN: KeyError, BAD_DATA: ValueError}
# A usage error as the tool prints it ends with this line, which means nothing here.
_HELP_HINT = "\nRun with --help for more information."


class Column(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("numbers", ctypes.POINTER(ctypes.c_double)),
                ("texts", ctypes.POINTER(ctypes.c_char_p))]


class Table(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("rows", ctypes.c_int32),
                ("columns", ctypes.c_int32), ("column", ctypes.POINTER(Column))]


def _places():
    """(library, plug-in folder) pairs, in the order they are tried."""
    build = os.environ.get(BUILD_TREE_VARIABLE)
    if build:
        return [(os.path.join(build, "tools", "host", "library", LIBRARY),
                 os.path.join(build, "plugins"))]
    native = os.path.join(_PACKAGE, "_native")
    places = [(os.path.join(native, LIBRARY), os.path.join(native, "plugins"))]  # pip
    try:
        from . import _installed  # written by cmake --install
    except ImportError:
        pass
    else:
        places.append((os.path.join(_PACKAGE, _installed.LIBRARY),
                       os.path.join(_PACKAGE, _installed.PLUGIN_DIR)))
    return places


@functools.lru_cache(maxsize=None)
def library():
    """The loaded library and the plug-ins' folder."""
    places = _places()
    for path, plugins in places:
        if os.path.isfile(path):
            lib = ctypes.CDLL(path)
            lib.cp_plot.argtypes = [ctypes.c_char_p, ctypes.POINTER(Table),
                                    ctypes.POINTER(ctypes.c_char_p), ctypes.c_int32,
                                    ctypes.c_char_p, ctypes.c_int32]
            lib.cp_plot.restype = ctypes.c_int32
            return lib, os.fsencode(os.path.realpath(plugins))
    tried = ", ".join(path for path, _ in places)
    raise RuntimeError(f"compositional_plots: no {LIBRARY} (looked for {tried}); set "
                       f"{BUILD_TREE_VARIABLE} to a build folder, or install the package with "
                       "cmake --install or pip install ./python after the build")


def plot(table, arguments):
    """Draws `table` (a Table) with plot_host's `arguments`; raises what the library reports."""
    lib, plugins = library()
    argv = (ctypes.c_char_p * len(arguments))(*(a.encode() for a in arguments))
    message = ctypes.create_string_buffer(8192)
    status = lib.cp_plot(plugins, ctypes.byref(table), argv, len(arguments), message,
                         len(message))
    if status != OK:
        text = message.value.decode(errors="replace").replace(_HELP_HINT, "")
        raise _EXCEPTIONS.get(status, RuntimeError)(text)
