"""Requests as the command line makes them: tarniq.request and tarniq.request_frame, through the request layer."""

import json
import numbers
import os
from typing import Any

from tarniq import _tarniq

__all__ = ["UsageError", "request", "request_frame"]

# The outcome's status, as tarniq-cli's exit status.
_NO_SOLUTION = 1
_USAGE = 2


class UsageError(ValueError):
    """A mistake in a request: an unknown verb or option, a missing option, a bad value.

    The message is the command line's (options spelled ``--waveguide-size``);
    ``option`` is the keyword at fault as given to request (``waveguide_size``),
    or empty when no one option is.
    """

    __module__ = "tarniq"

    def __init__(self, message, option=""):
        super().__init__(message)
        self.option = option


def _option_name(keyword):
    # from_ (a keyword in Python) is --from; waveguide_size is --waveguide-size.
    return keyword.removesuffix("_").replace("_", "-")


def _keyword(option):
    return option.replace("-", "_") if option else ""


def _option_text(keyword, value):
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, numbers.Integral):
        return str(int(value))
    if isinstance(value, numbers.Real):
        return repr(float(value))  # the shortest text that reads back as the same double
    if isinstance(value, str):
        return value
    if isinstance(value, os.PathLike):
        return os.fspath(value)
    if isinstance(value, (tuple, list)) and value and all(
        isinstance(item, numbers.Real) and not isinstance(item, bool) for item in value
    ):
        return ",".join(_option_text(keyword, item) for item in value)
    raise UsageError(f"{keyword}={value!r} is not a number, a string, a path, a flag or a list of numbers", keyword)


def _options(options):
    """The options as the request layer takes them, and whether a plot is wanted."""
    texts = {}
    plot = False
    for keyword, value in options.items():
        name = _option_name(keyword)
        if name == "output":
            raise UsageError("output: tarniq.request returns the result rather than writing a file", keyword)
        if name == "format" and value != "json":
            raise UsageError(f"format={value!r}: tarniq.request gives the JSON document as a dict", keyword)
        if name == "plot":
            if not isinstance(value, bool):
                raise UsageError(
                    f"plot={value!r}: give plot=True for the SVG text under the result's \"plot_svg\"", keyword
                )
            plot = value
            if plot:
                texts[name] = "plot.svg"
            continue
        texts[name] = _option_text(keyword, value)
    return texts, plot


def _run(verb, options):
    if not isinstance(verb, str):
        raise UsageError(f"the verb {verb!r} is not a string")
    texts, plot = _options(options)
    answer = _tarniq._run_request(verb, texts)
    if answer["status"] == _USAGE:
        raise UsageError(answer["error"], _keyword(answer["option"]))
    if answer["status"] == _NO_SOLUTION:
        raise _tarniq.NoSolution(answer["error"])
    result = json.loads(answer["document"])
    if plot:
        result["plot_svg"] = answer["plot_svg"]
    # The drawings and models a request names (drawing=, model=) are written
    # as tarniq-cli writes them, once the whole request has succeeded.
    for name, contents in answer["files"]:
        with open(name, "wb") as file:
            file.write(contents)
    return result, answer["columns"]


def request(verb: str, **options: Any) -> dict[str, Any]:
    result, _ = _run(verb, options)
    return result


def request_frame(verb: str, **options: Any) -> Any:
    """The rows of request(verb, **options) as a pandas DataFrame.

    One column per result column, in order, NaN where there is no value; the
    rest of the result ("verb", "units", "input", "warnings" and "plot_svg")
    is in the frame's ``attrs``. Needs pandas (Debian: python3-pandas).

    Raises
    ------
    ImportError
        When pandas is not installed.
    UsageError, NoSolution
        As request does.

    Examples
    --------
    >>> frame = tarniq.request_frame("analyze", aperture=(11, 8), length=20, waveguide="WR-90",
    ...                              frequency="9:11:1")
    >>> frame["gain_dbi"].round(2).tolist()
    [18.68, 19.51, 20.24]
    """
    try:
        import pandas
    except ImportError as error:
        raise ImportError(
            "tarniq.request_frame needs pandas (Debian: python3-pandas); tarniq.request gives the same rows as a dict"
        ) from error
    result, columns = _run(verb, options)
    frame = pandas.DataFrame.from_records(result.pop("rows"), columns=columns)
    frame.attrs.update(result)
    return frame


def _verb_help():
    lines = []
    for verb in _tarniq._verbs():
        lines += ["", f"{verb['name']}: {verb['summary']}"]
        for option in verb["options"]:
            keyword = "from_" if option["name"] == "from" else option["name"].replace("-", "_")
            if keyword in ("output", "format"):
                continue
            value = "True" if keyword in ("plot", "polar") or not option["value"] else option["value"]
            help_text = option["help"]
            if keyword == "plot":
                help_text = "the SVG plot under the result's \"plot_svg\""
            lines.append(f"    {keyword}={value}: {help_text}")
    return "\n".join(lines)


request.__doc__ = f"""The result of a request, as tarniq-cli VERB ... --format json prints it.

Options are the command line's long options with ``_`` for ``-`` (``from_``
for --from), their values numbers, strings (ranges "START:STOP:STEP"),
lists of numbers for pairs (``aperture=(11, 8)``) or True for flags. Units
as on the command line: lengths in ``units`` (default cm), frequencies in
GHz, angles in degrees. ``plot=True`` adds the SVG plot's text under
"plot_svg"; files the request names (``from_``) are read from disk.

Returns
-------
dict
    "verb", "units", "input", "rows" (one dict per row keyed by column name,
    None for no value) and "warnings" ({{"code", "message", "rows"}}): the numbers
    are tarniq-cli's to the last bit.

Raises
------
UsageError
    A ValueError naming the option: an unknown verb or option, a missing
    option, a value that is not a finite number, ``output`` (the result is
    returned, not written) or a format other than JSON.
NoSolution
    When nothing answers the request (also when a search gave up: the
    message says so).

Examples
--------
>>> result = tarniq.request("gain-design", gain=20, frequency=10, waveguide="WR-90", units="mm")
>>> round(result["rows"][0]["aperture_width_mm"], 2)
133.82

Verbs and options
-----------------{_verb_help()}
"""

# Where users find them.
request.__module__ = request_frame.__module__ = "tarniq"
