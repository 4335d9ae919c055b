"""What the Python tests share: the source tree, tarniq-cli run as a child, and its arithmetic on units."""

import json
import math
import os
import pathlib
import subprocess

import pytest
from hypothesis import settings

# Property tests draw the same examples on every run and leave no database behind.
settings.register_profile("tarniq", derandomize=True, database=None)
settings.load_profile("tarniq")

ROOT = pathlib.Path(__file__).resolve().parents[2]
CLI = pathlib.Path(os.environ.get("TARNIQ_CLI", ROOT / "build" / "tarniq-cli"))


@pytest.fixture(scope="session")
def cli():
    """Runs tarniq-cli with the arguments; its completed process (text out and err)."""
    if not CLI.exists():
        pytest.skip(f"tarniq-cli is not built at {CLI} (make test builds it)")

    def run(*arguments):
        return subprocess.run([str(CLI), *map(str, arguments)], capture_output=True, text=True, check=False)

    return run


@pytest.fixture(scope="session")
def cli_json(cli):
    """The JSON document tarniq-cli prints for `VERB --option value ...` (a list of words), parsed."""

    def run(verb, *arguments):
        done = cli(verb, *arguments, "--format", "json")
        assert done.returncode == 0, done.stderr
        return json.loads(done.stdout)

    return run


def to_metres(length, unit="cm"):
    """A length of the command line in metres, as the request layer converts it."""
    return {"cm": length / 100.0, "mm": length / 1000.0, "in": length * 0.0254}[unit]


def from_metres(metres, unit="cm"):
    """A length in metres as the command line prints it: a last-bit error of the
    conversion taken back to the 15-digit decimal it is near."""
    length = {"cm": metres * 100.0, "mm": metres * 1000.0, "in": metres / 0.0254}[unit]
    decimal = float(f"{length:.15g}")
    last_place = math.nextafter(abs(length), math.inf) - abs(length)
    return decimal if abs(decimal - length) <= 2.0 * last_place else length


def nan_for_none(values):
    """JSON's null (no value) as the NaN an array holds in its place."""
    return [math.nan if value is None else value for value in values]
