"""The picture a plot function returns: PNG bytes at once, vector files and windows on demand."""
import concurrent.futures
import os
import pathlib
import queue
import tempfile
import threading

from . import _native


class _ViewerThread:
    """The one thread that opens every viewer window: the plug-ins keep windows to the thread
    that opened the first, and a window needs a thread that waits for its events."""

    def __init__(self):
        self._jobs = queue.Queue()
        self._thread = None
        self._lock = threading.Lock()

    def run(self, draw):
        """A future of `draw()`, run on the viewer thread after the windows before it close."""
        future = concurrent.futures.Future()
        with self._lock:
            if self._thread is None:
                self._thread = threading.Thread(target=self._serve, name="viewer", daemon=True)
                self._thread.start()
        self._jobs.put((draw, future))
        return future

    def _serve(self):
        while True:
            draw, future = self._jobs.get()
            try:
                future.set_result(draw())
            except BaseException as error:  # handed to the caller, never lost
                future.set_exception(error)


_viewer = _ViewerThread()


class Picture:
    """A plot of compositions. In a notebook it shows itself; elsewhere save or show it."""

    def __init__(self, table, arguments, scale=1):
        self._table = table
        self._arguments = list(arguments)
        self._scale = scale
        self._png = self._file(".png", ["--scale", str(scale)])

    def _draw(self, extra):
        _native.plot(self._table, self._arguments + list(extra))

    def _file(self, suffix, extra=()):
        """The bytes of the picture drawn to a file of that suffix."""
        with tempfile.TemporaryDirectory(prefix="compositional-plots-") as folder:
            path = os.path.join(folder, "picture" + suffix)
            self._draw(["--out", path, *extra])
            return pathlib.Path(path).read_bytes()

    def png(self):
        """The picture as PNG bytes."""
        return self._png

    def save(self, path):
        """Writes the picture by the extension of `path`: .png its pixels; .svg, .pdf or .eps
        vector drawing for print."""
        path = os.fspath(path)
        if pathlib.Path(path).suffix.lower() == ".png":
            pathlib.Path(path).write_bytes(self._png)
        else:
            self._draw(["--out", path])

    def show(self, block=True):
        """Shows the plot in a viewer window on the X display. With block (the default) returns
        when the window is closed; else at once, with a future that is done when it is closed.
        Windows open one after another: a window waits for the one before it to close."""
        if not os.environ.get("DISPLAY"):
            raise RuntimeError("no display to show the plot on: save the picture instead")
        future = _viewer.run(lambda: self._draw([]))
        if not block:
            return future
        future.result()
        return None

    def _repr_png_(self):
        return self._png

    def _repr_svg_(self):
        return self._file(".svg").decode()
