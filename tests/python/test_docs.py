"""The module's documentation cannot go stale: docstring examples, type stubs, the README's example, the
example script, the version."""

import ast
import doctest
import pydoc
import re
import subprocess
import sys

import matplotlib.image
import numpy as np
import pytest
from conftest import ROOT

import tarniq
from tarniq import _tarniq

STUBS = ast.parse((ROOT / "python" / "tarniq" / "_tarniq.pyi").read_text())
PUBLIC = sorted(name for name in dir(_tarniq) if not name.startswith("_"))
FUNCTIONS = [name for name in PUBLIC if callable(getattr(_tarniq, name)) and not isinstance(getattr(_tarniq, name), type)]
CLASSES = [name for name in PUBLIC if isinstance(getattr(_tarniq, name), type)]


def docstring_tests():
    finder = doctest.DocTestFinder()
    found = finder.find(tarniq, "tarniq", globs={"tarniq": tarniq, "np": np})
    for function in (tarniq.request, tarniq.request_frame):
        found += finder.find(function, f"tarniq.{function.__name__}", globs={"tarniq": tarniq})
    return [test for test in found if test.examples]


# Every function's docstring gives units and shows one example, and the examples print what they say.
def test_docstring_examples_run():
    tests = docstring_tests()
    assert {test.name.removeprefix("tarniq.") for test in tests} >= set(FUNCTIONS) | {"request", "request_frame"}
    runner = doctest.DocTestRunner(optionflags=doctest.NORMALIZE_WHITESPACE)
    for test in tests:
        runner.run(test)
    assert runner.summarize(verbose=False).failed == 0
    for name in FUNCTIONS:
        doc = getattr(tarniq, name).__doc__
        assert doc.startswith(f"{name}(") and "Examples\n--------" in doc, name


def test_help_lists_everything():
    text = pydoc.render_doc(tarniq, renderer=pydoc.plaintext)
    for name in PUBLIC + ["request", "request_frame", "UsageError"]:
        assert re.search(rf"\b{name}\b", text), name
    for verb in _tarniq._verbs():
        assert f"\n{verb['name']}: {verb['summary']}" in tarniq.request.__doc__


def stub_definitions():
    """The stub file's functions (all their overloads) and classes, by name."""
    functions, classes = {}, {}
    for node in STUBS.body:
        if isinstance(node, ast.FunctionDef):
            functions.setdefault(node.name, []).append(node)
        elif isinstance(node, ast.ClassDef):
            classes[node.name] = node
    return functions, classes


def signature_parameters(line, name):
    """Names of the parameters in a pybind11 signature line, each with whether it has a default."""
    inside = re.fullmatch(rf"{name}\((.*)\) -> .*", line).group(1)
    parameters = [part for part in re.split(r", (?=\w+:|\*)", inside) if part and part != "*"]
    return [(part.split(":")[0], " = " in part) for part in parameters if not part.startswith("self")]


def signatures(doc, name):
    """The parameters of each signature of a pybind11 docstring: one, or one per numbered overload."""
    lines = doc.splitlines()
    if lines[1:2] != ["Overloaded function."]:
        return [signature_parameters(lines[0], name)]
    return [signature_parameters(line.split(". ", 1)[1], name) for line in lines if re.match(rf"\d+\. {name}\(", line)]


def stub_parameters(function):
    arguments = function.args
    positional = [(a.arg, False) for a in arguments.args if a.arg != "self"]
    for i, default in enumerate(reversed(arguments.defaults)):
        positional[len(positional) - 1 - i] = (positional[len(positional) - 1 - i][0], True)
    keyword = [(a.arg, d is not None) for a, d in zip(arguments.kwonlyargs, arguments.kw_defaults)]
    return positional + keyword


# The stubs name exactly the module's classes and functions, with the same parameters and defaults.
def test_stubs_match_the_module():
    functions, classes = stub_definitions()
    assigned = {node.target.id for node in STUBS.body if isinstance(node, ast.AnnAssign)}
    named = set(functions) | set(classes) | assigned
    assert sorted(name for name in named if not name.startswith("_")) == PUBLIC
    assert {"__version__", "_run_request", "_verbs"} <= named
    for name in FUNCTIONS:
        stubbed = {tuple(stub_parameters(overload)) for overload in functions[name]}
        assert stubbed == {tuple(parameters) for parameters in signatures(getattr(_tarniq, name).__doc__, name)}, name
    for name in CLASSES:
        cls = getattr(_tarniq, name)
        if issubclass(cls, Exception):
            continue
        stub = classes[name]
        fields = [node.target.id for node in stub.body if isinstance(node, ast.AnnAssign)]
        if hasattr(cls, "__members__"):  # an enum: its members, in order
            assert fields == list(cls.__members__), name
            continue
        init = next(member for member in stub.body if isinstance(member, ast.FunctionDef))
        assert stub_parameters(init) == signature_parameters(cls.__init__.__doc__.splitlines()[0], "__init__"), name
        assert fields == [p for p, _ in stub_parameters(init)], name
        assert all(isinstance(getattr(cls, field), property) for field in fields), name


# The README's "From Python" example prints what the README shows under it.
def test_readme_example(tmp_path):
    readme = (ROOT / "README.md").read_text()
    section = readme[readme.index("\n## From Python\n"):]
    section = section[: section.index("\n## ", 1)]
    code, shown = re.search(r"```python\n(.*?)```\n+```\n(.*?)```", section, re.S).groups()
    done = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, cwd=tmp_path, check=False)
    assert done.returncode == 0, done.stderr
    assert done.stdout == shown


# The example script draws both plots into the folder it is given.
def test_example_script_draws_its_plots(tmp_path):
    script = ROOT / "examples" / "python" / "design_and_plot.py"
    done = subprocess.run([sys.executable, str(script), str(tmp_path / "plots")], capture_output=True, text=True,
                          check=False)
    assert done.returncode == 0, done.stderr
    for name in ("pattern.png", "response.png"):
        path = tmp_path / "plots" / name
        assert path.read_bytes().startswith(b"\x89PNG\r\n\x1a\n")
        image = matplotlib.image.imread(path)
        assert image.shape[0] >= 400 and image.shape[1] >= 700
        assert np.ptp(image[..., :3]) > 0.5  # something drawn, not a blank page


# One version: the VERSION file, the C++ library (tarniq-cli --version) and the module.
def test_version_is_the_libraries(cli):
    version = (ROOT / "VERSION").read_text().strip()
    assert tarniq.__version__ == version
    assert cli("--version").stdout == f"tarniq-cli {version}\n"


@pytest.mark.parametrize("name", ["Horn", "design_for_gain", "Plane", "NoSolution", "UsageError"])
def test_everything_says_it_is_tarniqs(name):
    assert getattr(tarniq, name).__module__ == "tarniq"
