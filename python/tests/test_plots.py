"""The package against the build tree (COMPOSITIONAL_PLOTS_BUILD) and plot_host (PLOT_HOST)."""
import io
import os
import pathlib
import shutil
import subprocess
import sys

import numpy as np
import pandas as pd
import pytest
from PIL import Image

import compositional_plots as cp

EXAMPLE = pathlib.Path(__file__).resolve().parents[2] / "tools" / "host" / "examples" / "rocks.csv"
ROCKS = pd.read_csv(EXAMPLE, float_precision="round_trip")
THREE, FOUR = ["SiO2", "Al2O3", "FeO"], ["SiO2", "Al2O3", "FeO", "MgO"]
RED, GREEN = (255, 0, 0), (0, 255, 0)  # the legend colours of groups 2 and 3
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def ink(png, colour):
    """How many pixels of the picture have the colour."""
    rgb = np.asarray(Image.open(io.BytesIO(png)).convert("RGB"))
    return int(np.all(rgb == colour, axis=2).sum())


# Each plot with the parts it takes and whether it colours the rows by group.
PLOTS = [(cp.ternary, THREE, True), (cp.tetrahedron, FOUR, True), (cp.biplot, None, True),
         (cp.biplot3d, None, True), (cp.logratio, THREE, True), (cp.logratio3d, FOUR, True),
         (cp.predictive, THREE, False), (cp.confidence, THREE, True)]


@pytest.mark.parametrize("plot, parts, by_group", PLOTS, ids=lambda p: getattr(p, "__name__", ""))
def test_each_plot_draws_the_data_frame(plot, parts, by_group):
    png = plot(ROCKS, parts=parts, group="rock").png()
    assert png.startswith(PNG_SIGNATURE)
    if by_group:
        assert ink(png, RED) > 0 and ink(png, GREEN) > 0
    # The picture follows the rows given.
    assert plot(ROCKS.iloc[::2], parts=parts, group="rock").png() != png


def test_an_array_without_names_has_parts_x1_x2_x3():
    values = ROCKS[THREE].to_numpy()
    named = pd.DataFrame(values, columns=["x1", "x2", "x3"])
    assert cp.ternary(values, grid=True).png() == cp.ternary(named, grid=True).png()
    assert cp.ternary(values.tolist(), grid=True).png() == cp.ternary(named, grid=True).png()


ZERO = ROCKS.assign(FeO=ROCKS["FeO"].where(ROCKS.index != 3, 0.0))
EMPTY = ROCKS.assign(FeO=ROCKS["FeO"].where(ROCKS.index != 7))  # NaN: an empty cell
# Data and options plot_host refuses, with the same in Python and the exception it raises.
ERRORS = [
    (ZERO, ["ternary", "--parts", "SiO2,Al2O3,FeO"], ValueError,
     lambda: cp.ternary(ZERO, parts=THREE)),
    (EMPTY, ["ternary", "--parts", "SiO2,Al2O3,FeO"], ValueError,
     lambda: cp.ternary(EMPTY, parts=THREE)),
    (ROCKS, ["ternary", "--parts", "SiO2,Al2O3,rock"], ValueError,
     lambda: cp.ternary(ROCKS, parts=["SiO2", "Al2O3", "rock"])),
    (ROCKS, ["ternary", "--parts", "SiO2,Na2O,FeO"], KeyError,
     lambda: cp.ternary(ROCKS, parts=["SiO2", "Na2O", "FeO"])),
    (ROCKS, ["ternary", "--parts", "SiO2,Al2O3,FeO", "--group", "sample"], ValueError,
     lambda: cp.ternary(ROCKS, parts=THREE, group="sample")),
    (ROCKS, ["ternary", "--parts", "SiO2,Al2O3,FeO,MgO"], ValueError,
     lambda: cp.ternary(ROCKS, parts=FOUR)),
    (ROCKS, ["confidence", "--level", "2.0"], ValueError,
     lambda: cp.confidence(ROCKS, parts=THREE, level=2)),
    (ROCKS, ["ternary", "--out", "rocks.jpg"], ValueError,
     lambda: cp.ternary(ROCKS, parts=THREE).save("rocks.jpg")),
]


@pytest.mark.parametrize("frame, arguments, error, make", ERRORS,
                         ids=lambda a: " ".join(a) if isinstance(a, list) else "")
def test_bad_data_and_options_raise_with_the_tools_words(tmp_path, frame, arguments, error, make):
    csv = tmp_path / "DataFrame"
    frame.to_csv(csv, index=False)
    # A picture file, so that the tool reads the data without a display.
    picture = [] if "--out" in arguments else ["--png", "out.png"]
    tool = subprocess.run([os.environ["PLOT_HOST"], arguments[0], str(csv), *arguments[1:],
                           *picture], capture_output=True, text=True, cwd=tmp_path)
    assert tool.returncode != 0
    words = tool.stderr.replace("plot_host: ", "").replace(str(csv), "DataFrame")
    words = words.replace("Run with --help for more information.", "").strip()
    with pytest.raises(error) as raised:
        make()
    assert raised.value.args[0] == words


@pytest.mark.parametrize("suffix, start", [(".svg", b"<?xml"), (".pdf", b"%PDF"),
                                           (".eps", b"%!PS"), (".png", PNG_SIGNATURE)])
def test_save_and_notebook_reprs(tmp_path, suffix, start):
    picture = cp.ternary(ROCKS, parts=THREE, group="rock")
    picture.save(tmp_path / ("rocks" + suffix))
    assert (tmp_path / ("rocks" + suffix)).read_bytes().startswith(start)
    assert picture._repr_png_() == picture.png()
    assert "<svg" in picture._repr_svg_()


# The same command line as plot_host's, and the keywords that say it in Python.
SAME_AS_TOOL = [
    (["ternary", "--parts", "SiO2,Al2O3,FeO", "--group", "rock", "--components", "--shapes"],
     lambda: cp.ternary(ROCKS, parts=THREE, group="rock", components=True, shapes=True)),
    (["biplot3d", "--group", "rock", "--outliers", "--names", "--rotate", "0,6,1",
      "--size", "700x800"],
     lambda: cp.biplot3d(ROCKS, group="rock", outliers=True, names=True, rotate=(0, 6, 1),
                         size=(700, 800))),
    (["predictive", "--parts", "SiO2,Al2O3,FeO", "--levels", "0.5,0.9", "--scale", "2"],
     lambda: cp.predictive(ROCKS, parts=THREE, levels=[0.5, 0.9], scale=2)),
    (["logratio", "--parts", "SiO2,Al2O3,FeO", "--transform", "balances", "--zero-replace",
      "0.001"], lambda: cp.logratio(ROCKS, parts=THREE, transform="balances", zero_replace=0.001)),
]


@pytest.mark.parametrize("arguments, make", SAME_AS_TOOL,
                         ids=lambda a: a[0] if isinstance(a, list) else "")
def test_the_same_picture_as_plot_host(tmp_path, arguments, make):
    out = tmp_path / "tool.png"
    subprocess.run([os.environ["PLOT_HOST"], arguments[0], str(EXAMPLE), *arguments[1:],
                    "--png", str(out)], check=True, capture_output=True)
    assert make().png() == out.read_bytes()


def install(how, folder):
    """Installs the package into `folder` by cmake --install or pip; the folder to import from."""
    build = os.environ["COMPOSITIONAL_PLOTS_BUILD"]
    if how == "cmake":
        subprocess.run([os.environ["PLOT_CMAKE"], "--install", build, "--prefix", str(folder)],
                       check=True, capture_output=True)
        return folder / os.environ["PLOT_INSTALL_PYTHON_DIR"]
    source = shutil.copytree(pathlib.Path(__file__).resolve().parents[1], folder / "source")
    subprocess.run([sys.executable, "-m", "pip", "install", "--no-build-isolation", "--no-index",
                    "--no-deps", "--target", str(folder / "site"), str(source)],
                   check=True, capture_output=True)
    return folder / "site"


@pytest.mark.parametrize("how", ["cmake", "pip"])
def test_installed_package_draws_the_same_picture(tmp_path, how):
    site = install(how, tmp_path)
    environment = {k: v for k, v in os.environ.items() if k != "COMPOSITIONAL_PLOTS_BUILD"}
    environment["PYTHONPATH"] = str(site)
    script = ("import sys, numpy, compositional_plots as cp; "
              "sys.stdout.buffer.write(cp.ternary(numpy.load(sys.argv[1]), grid=True).png())")
    values = tmp_path / "values.npy"
    np.save(values, ROCKS[THREE].to_numpy())
    drawn = subprocess.run([sys.executable, "-c", script, str(values)], env=environment,
                           cwd=tmp_path, check=True, capture_output=True).stdout
    assert drawn == cp.ternary(ROCKS[THREE].to_numpy(), grid=True).png()


@pytest.mark.skipif(not os.environ.get("PLOT_TEST_DISPLAY"), reason="no X server for windows")
def test_show_opens_a_viewer_window_after_off_screen_pictures(monkeypatch):
    monkeypatch.setenv("DISPLAY", os.environ["PLOT_TEST_DISPLAY"])
    viewer = cp.ternary(ROCKS, parts=THREE, group="rock").show(block=False)
    try:
        # A viewer that could not draw ends at once; one that shows its window waits for it.
        with pytest.raises(subprocess.TimeoutExpired):
            viewer.wait(timeout=3)
    finally:
        viewer.terminate()
        viewer.wait()
