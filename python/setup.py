"""pip install ./python, after the build: the package with the library and the plug-ins of the
build folder ($COMPOSITIONAL_PLOTS_BUILD, else build/ beside this folder) copied into it.
Offline with Debian's setuptools: pip install --no-build-isolation --no-index ./python"""
import os
import pathlib
import shutil

from setuptools import setup
from setuptools.command.build_py import build_py

HERE = pathlib.Path(__file__).resolve().parent


class build_py_with_library(build_py):
    def run(self):
        super().run()
        build = pathlib.Path(os.environ.get("COMPOSITIONAL_PLOTS_BUILD", HERE.parent / "build"))
        library = build / "tools" / "host" / "library" / "libcompositional_plots.so"
        plugins = sorted((build / "plugins").glob("*.so"))
        if not library.is_file() or len(plugins) != 8:
            raise SystemExit(f"no built library and eight plug-ins in {build}: build the project "
                             "first, or set COMPOSITIONAL_PLOTS_BUILD to its build folder")
        native = pathlib.Path(self.build_lib) / "compositional_plots" / "_native"
        (native / "plugins").mkdir(parents=True, exist_ok=True)
        shutil.copy2(library, native)
        for plugin in plugins:
            shutil.copy2(plugin, native / "plugins")


setup(
    name="compositional_plots",
    version="1.0",
    description="Plots of compositional data drawn by the compositional plot plug-ins",
    packages=["compositional_plots"],
    python_requires=">=3.9",
    install_requires=["numpy"],
    cmdclass={"build_py": build_py_with_library},
    zip_safe=False,
)
