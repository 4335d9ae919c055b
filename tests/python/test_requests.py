"""tarniq.request and request_frame against tarniq-cli: the same documents, plots, refusals and messages."""

import json
import math
import sys

import numpy as np
import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import tarniq
from tarniq import _tarniq

VERBS = {verb["name"]: verb for verb in _tarniq._verbs()}


def keywords(verb, arguments):
    """Command-line words after the verb as request's keywords: --waveguide-size 2,2 is waveguide_size="2,2",
    a flag is True, --from is from_, and --plot FILE is plot=True."""
    flags = {option["name"] for option in VERBS[verb]["options"] if not option["value"]}
    options, words = {}, list(arguments)
    while words:
        name = words.pop(0).removeprefix("--")
        value = True if name in flags else words.pop(0)
        options["from_" if name == "from" else name.replace("-", "_")] = True if name == "plot" else value
    return options


def run_both(cli, tmp_path, verb, arguments):
    """The request's result, and tarniq-cli's JSON document with its plot's text under "plot_svg"."""
    options = keywords(verb, arguments)
    words = list(arguments)
    if "--plot" in words:
        words[words.index("--plot") + 1] = str(tmp_path / "plot.svg")
    done = cli(verb, *words, "--format", "json", "-o", tmp_path / "out.json")
    assert done.returncode == 0, done.stderr
    theirs = json.loads((tmp_path / "out.json").read_text())
    if "--plot" in words:
        theirs["plot_svg"] = (tmp_path / "plot.svg").read_text()
    return tarniq.request(verb, **options), theirs


EXTRA_REQUESTS = [
    "design --square --beamwidth 25 --plane average --waveguide-size 2,2 --frequency 10 --s 0.1:0.4:0.1 --plot d.svg",
    "design --e-beamwidth 12 --h-beamwidth 10 --frequency 94 --waveguide WR-10 --method table --units mm --level 10",
    "gain-design --gain 25 --frequency 12 --waveguide-size 0.9,0.4 --units in --plot g.svg",
    "analyze --aperture 6 --length 10 --waveguide WR-137 --frequency 5:9:0.25 --level 1 --method table",
    "pattern --aperture 11,8 --length 20 --waveguide WR-90 --frequency 10 --angles -180:180:2.5 --plot p.svg --polar",
    "waveguides --units mm --frequency 40",
]


# Every verb's example of the verb table, and more: the dict is the command line's JSON, the plot its SVG.
@pytest.mark.parametrize("line", [verb["example"].removeprefix("tarniq-cli ") for verb in VERBS.values()]
                         + EXTRA_REQUESTS)
def test_requests_give_the_command_lines_document(cli, tmp_path, line):
    verb, *arguments = line.split()
    ours, theirs = run_both(cli, tmp_path, verb, arguments)
    assert ours == theirs
    assert json.dumps(ours["rows"]) == json.dumps(theirs["rows"])  # every number to the last digit


# A horn taken from a design's JSON file on disk (from_, row).
def test_horn_from_a_design_file(cli, tmp_path):
    design = tmp_path / "design.json"
    done = cli("design", "--e-beamwidth", "30", "--h-beamwidth", "20", "--frequency", "10", "--waveguide", "WR-90",
               "--s", "0.1:0.3:0.1", "--units", "mm", "--format", "json", "-o", design)
    assert done.returncode == 0
    ours, theirs = run_both(cli, tmp_path, "analyze", ["--from", design, "--row", "2", "--frequency", "9:11:1"])
    assert ours == theirs and ours["input"]["from"] == f"{design}, row 2"


# Values given as Python numbers, NumPy scalars, lists or flags read as their text does.
def test_values_of_any_python_type():
    by_text = tarniq.request("analyze", aperture="11,8", length="20", waveguide="WR-90", frequency="10", level="3")
    assert tarniq.request("analyze", aperture=(11, 8), length=20.0, waveguide="WR-90", frequency=np.float64(10),
                          level=np.int64(3)) == by_text
    rectangular = dict(e_beamwidth=30, h_beamwidth=20, frequency=10, waveguide="WR-90")
    assert tarniq.request("design", square=False, **rectangular) == tarniq.request("design", **rectangular)
    tiny = tarniq.request("analyze", aperture=(11, 8), length=20, waveguide="WR-90", frequency=1e-5)
    assert tiny["input"]["frequency_ghz"] == 1e-5


HORN = dict(aperture="11,8", length=20, waveguide="WR-90")

# Refusals of the request layer: the command line's message (its words after "error: " and before
# the "(see ...)" hint) and the keyword at fault.
LAYER_REFUSALS = [
    ("analyze", {**HORN, "frequency": "12cm"}, "frequency"),
    ("analyze", {**HORN, "frequency": math.nan}, "frequency"),
    ("analyze", {**HORN, "frequency": "10:8:1"}, "frequency"),
    ("analyze", {**HORN, "frequency": 10, "units": "ft"}, "units"),
    ("pattern", {**HORN, "frequency": 10, "polar": True}, "polar"),
    ("design", {"e_beamwidth": 30, "frequency": 10, "waveguide": "WR-90"}, "h_beamwidth"),
    ("analyze", {**HORN, "frequency": 10, "waveguide_size": "2,1"}, "waveguide_size"),
    ("analyze", {"aperture": "11,8", "length": 20, "waveguide": "WR-900", "frequency": 10}, "waveguide"),
    ("analyze", {**HORN, "frequency": 10, "row": 2}, "row"),
]


@pytest.mark.parametrize("verb, options, keyword", LAYER_REFUSALS)
def test_usage_errors_are_the_command_lines(cli, verb, options, keyword):
    with pytest.raises(tarniq.UsageError) as raised:
        tarniq.request(verb, **options)
    assert raised.value.option == keyword
    words = []
    for name, value in options.items():
        words += [f"--{name.replace('_', '-')}"] + ([] if value is True else [str(value)])
    done = cli(verb, *words)
    assert done.returncode == 2
    assert f"tarniq-cli: error: {raised.value} (see tarniq-cli {verb} --help)\n" == done.stderr


# Refusals of the Python face itself, and of names the command line's parser refuses before the layer.
PYTHON_REFUSALS = [
    ("analyze", {**HORN, "frequency": 10, "output": "out.csv"}, "output",
     "output: tarniq.request returns the result rather than writing a file"),
    ("analyze", {**HORN, "frequency": 10, "format": "csv"}, "format",
     "format='csv': tarniq.request gives the JSON document as a dict"),
    ("pattern", {**HORN, "frequency": 10, "plot": "p.svg"}, "plot",
     "plot='p.svg': give plot=True for the SVG text under the result's \"plot_svg\""),
    ("analyze", {**HORN, "frequency": [10, "x"]}, "frequency",
     "frequency=[10, 'x'] is not a number, a string, a path, a flag or a list of numbers"),
    ("analyse", {}, "", 'unknown verb "analyse" (design, gain-design, feed-design, analyze, pattern, field, phase-center, dish, parts, waveguides); did you mean analyze?'),
    ("analyze", {**HORN, "frequncy": 10}, "frequncy", 'unknown option "--frequncy" for analyze; did you mean --frequency?'),
    ("design", {}, "e_beamwidth",
     "missing --e-beamwidth (or --square), --h-beamwidth (or --square), --frequency and --waveguide (or --waveguide-size)"),
]


@pytest.mark.parametrize("verb, options, keyword, message", PYTHON_REFUSALS)
def test_python_usage_errors(verb, options, keyword, message):
    with pytest.raises(tarniq.UsageError) as raised:
        tarniq.request(verb, **options)
    assert (str(raised.value), raised.value.option) == (message, keyword)


def test_no_result_raises_no_solution(cli):
    with pytest.raises(tarniq.NoSolution) as raised:
        tarniq.request("analyze", aperture="1,1", length=20, waveguide="WR-90", frequency=10)
    done = cli("analyze", "--aperture", "1,1", "--length", "20", "--waveguide", "WR-90", "--frequency", "10")
    assert done.returncode == 1 and done.stderr == f"tarniq-cli: error: {raised.value}\n"


# The rows as a DataFrame: the columns in order, NaN for no value, the rest of the result in attrs.
def test_request_frame():
    pandas = pytest.importorskip("pandas")
    options = dict(aperture=(11, 8), length=20, waveguide="WR-90", frequency="0.5:12.5:0.5", plot=True)
    frame = tarniq.request_frame("analyze", **options)
    result = tarniq.request("analyze", **options)
    assert list(frame.columns) == list(result["rows"][0])
    assert (frame.dtypes == np.float64).all() and frame["e_10db_deg"].isna().any()
    expected = pandas.DataFrame([[math.nan if v is None else v for v in row.values()] for row in result["rows"]],
                                columns=frame.columns)
    pandas.testing.assert_frame_equal(frame, expected)
    assert frame.attrs == {key: value for key, value in result.items() if key != "rows"}
    empty = tarniq.request_frame("waveguides", frequency=500)
    assert empty.empty and list(empty.columns)[:2] == ["name", "width_in"]


def test_request_frame_without_pandas(monkeypatch):
    monkeypatch.setitem(sys.modules, "pandas", None)
    with pytest.raises(ImportError, match="request_frame needs pandas"):
        tarniq.request_frame("waveguides")


# Any verb with any of its options and any values: a result or the request's own errors, never a crash.
@settings(max_examples=200, deadline=None)
@given(data=st.data())
def test_any_request_ends_cleanly(data):
    verb = data.draw(st.sampled_from(sorted(VERBS)))
    names = [option["name"] for option in VERBS[verb]["options"] if option["name"] not in ("output", "plot", "from")]
    chosen = data.draw(st.lists(st.sampled_from(names), max_size=6, unique=True))
    value = st.one_of(st.floats(allow_nan=True, allow_infinity=True), st.integers(-10**30, 10**30), st.booleans(),
                      st.text(max_size=12), st.sampled_from(["WR-90", "0.1:0.5:0.1", "11,8", "8:12:0.5", "e", "mm"]))
    options = {name.replace("-", "_"): data.draw(value) for name in chosen}
    try:
        result = tarniq.request(verb, **options)
    except (tarniq.UsageError, tarniq.NoSolution):
        return
    assert result["verb"] == verb and isinstance(result["rows"], list)
