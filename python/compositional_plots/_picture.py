"""The picture a plot function returns: PNG bytes at once, vector files and windows on demand."""
import os

from . import _native
from ._table import make_table


class Picture:
    """A plot of compositions. In a notebook it shows itself; elsewhere save or show it."""

    def __init__(self, name, columns, arguments, scale=1):
        self._source = (name, columns, list(arguments))
        self._table = make_table(name, columns)
        self._png = self._file(".png", ["--scale", str(scale)])

    def _draw(self, extra):
        _native.plot(self._table, self._source[2] + list(extra))

    def _file(self, suffix, extra=()):
        """The bytes of the picture drawn to a file of that suffix."""
        import tempfile  # at the first picture: the package imports quickly without it
        with tempfile.TemporaryDirectory(prefix="compositional-plots-") as folder:
            path = os.path.join(folder, "picture" + suffix)
            self._draw(["--out", path, *extra])
            with open(path, "rb") as picture:
                return picture.read()

    def png(self):
        """The picture as PNG bytes."""
        return self._png

    def save(self, path):
        """Writes the picture by the extension of `path`: .png its pixels; .svg, .pdf or .eps
        vector drawing for print."""
        path = os.fspath(path)
        if os.path.splitext(path)[1].lower() == ".png":
            with open(path, "wb") as picture:
                picture.write(self._png)
        else:
            self._draw(["--out", path])

    def show(self, block=True):
        """Shows the plot in a viewer window on the X display. With block (the default) returns
        when the window is closed; else at once, with the viewer's process (wait() for it).

        The window is drawn by a process of its own: a plug-in that has drawn pictures off
        screen in a process shows no window in it."""
        import pickle  # only a window needs them
        import subprocess
        import sys
        if not os.environ.get("DISPLAY"):
            raise RuntimeError("no display to show the plot on: save the picture instead")
        package_parent = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))
        environment = dict(os.environ)
        environment["PYTHONPATH"] = os.pathsep.join(
            filter(None, [package_parent, environment.get("PYTHONPATH")]))
        viewer = subprocess.Popen([sys.executable, "-m", "compositional_plots._window"],
                                  stdin=subprocess.PIPE, stderr=subprocess.PIPE if block else None,
                                  env=environment)
        viewer.stdin.write(pickle.dumps(self._source))
        viewer.stdin.close()
        if not block:
            return viewer
        error = viewer.stderr.read().decode(errors="replace").strip()
        if viewer.wait() != 0:
            raise RuntimeError(error or f"the viewer ended with {viewer.returncode}")
        return None

    def _repr_png_(self):
        return self._png

    def _repr_svg_(self):
        return self._file(".svg").decode()
