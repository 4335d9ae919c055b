"""Functions over frequencies, angles and Fresnel arguments: shapes, dtypes, missing values, arrays split over cores."""

import math

import hypothesis.extra.numpy as hnp
import numpy as np
import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import tarniq

WR90 = tarniq.find_waveguide("WR-90")
HORN = tarniq.make_horn(0.11, 0.08, 0.20, WR90)
E, H = tarniq.Plane.e, tarniq.Plane.h

# Each function of one array argument, with sample points it accepts: (name, call, points).
FREQUENCIES = [8e9, 9.5e9, 11e9, 12.4e9, 30e9, 2e9]
ANGLES = [0.0, -12.5, 30.0, 89.0, -90.0, 45.0]
FUNCTIONS = [
    ("gain_dbi", lambda f: tarniq.gain_dbi(HORN, f), FREQUENCIES),
    ("gain_ratio", lambda f: tarniq.gain_ratio(HORN, f), FREQUENCIES),
    ("wavelength", tarniq.wavelength, FREQUENCIES),
    ("phase_deviation", lambda f: tarniq.phase_deviation(HORN, H, f), FREQUENCIES),
    ("beamwidth", lambda f: tarniq.beamwidth(HORN, f, E, 10.0), FREQUENCIES),
    ("beamwidths.h_plane", lambda f: tarniq.beamwidths(HORN, f, 3.01).h_plane, FREQUENCIES),
    ("table_beamwidth", lambda f: tarniq.table_beamwidth(HORN, f, E, 10.0), FREQUENCIES),
    ("pattern_cut", lambda a: tarniq.pattern_cut(HORN, 10e9, H, a), ANGLES),
    ("pattern_cuts.e_plane_dbi", lambda a: tarniq.pattern_cuts(HORN, 10e9, a).e_plane_dbi, ANGLES),
    ("pattern_cuts.angles_deg", lambda a: tarniq.pattern_cuts(HORN, 10e9, a).angles_deg, ANGLES),
    ("fresnel.C", lambda x: tarniq.fresnel(x).C, ANGLES),
]
IDS = [name for name, _, _ in FUNCTIONS]


def as_number(value):
    """A scalar result as the number an array holds: NaN for None."""
    return math.nan if value is None else value


# Any array-like in, a float64 array of its shape out, each element what a call with that one value gives.
@pytest.mark.parametrize("name, call, points", FUNCTIONS, ids=IDS)
def test_arrays_keep_their_shape_and_match_single_calls(name, call, points):
    singles = np.array([as_number(call(point)) for point in points])
    assert all(isinstance(call(point), (float, type(None))) for point in points)
    grid = np.array(points).reshape(2, 3)
    inputs = [
        (points, (6,)),
        (tuple(points), (6,)),
        (grid, (2, 3)),
        (grid.T, (3, 2)),  # not C-contiguous
        (np.array(points, dtype=np.float32).astype(np.float64), (6,)),
        (np.array(points)[::2], (3,)),  # strided
        (np.array(points)[:, None, None], (6, 1, 1)),
    ]
    for given_points, shape in inputs:
        result = call(given_points)
        assert isinstance(result, np.ndarray) and result.dtype == np.float64 and result.shape == shape, name
        expected = np.array([as_number(call(float(p))) for p in np.ravel(np.asarray(given_points))])
        np.testing.assert_array_equal(result.ravel(), expected)
    np.testing.assert_array_equal(call(points), singles)
    assert call(np.array([], dtype=float)).shape == (0,)
    # Numbers of other types: an int, a NumPy scalar and a 0-d array give a float.
    for number in (int(points[2]), np.float32(points[2]), np.array(points[2])):
        assert call(number) == pytest.approx(as_number(call(float(points[2]))), rel=1e-6, nan_ok=True)


# Where the library has no value: None for one frequency, NaN in an array; -inf at ±180° in a cut.
def test_missing_values():
    assert tarniq.beamwidth(HORN, 10e9, E, 40.0) is None
    widths = tarniq.beamwidths(HORN, [10e9, 40e9], 40.0)
    assert np.isnan(widths.e_plane[0]) and widths.e_plane[1] > 0
    assert tarniq.beamwidths(HORN, 10e9, 40.0).e_plane is None
    assert tarniq.pattern_cut(HORN, 10e9, E, 180.0) == -math.inf
    np.testing.assert_array_equal(tarniq.pattern_cut(HORN, 10e9, H, [-180, 180]), [-math.inf, -math.inf])


# Text, bytes, None and objects are not numbers: TypeError, as for any wrong argument type.
@pytest.mark.parametrize("value", ["10e9", b"10", None, [1.0, "x"], object()])
def test_non_numbers_are_refused(value):
    with pytest.raises(TypeError):
        tarniq.gain_dbi(HORN, value)


# A long array is computed in parts on the cores: the parts give what single calls give,
# for sweeps symmetric about boresight (their second half computed, then mirrored) or not.
@settings(max_examples=25, deadline=None)
@given(
    count=st.integers(min_value=16384, max_value=70000),
    step=st.floats(min_value=1e-4, max_value=180.0 / 70000),
    symmetric=st.booleans(),
    plane=st.sampled_from([E, H]),
)
def test_long_sweeps_match_their_halves(count, step, symmetric, plane):
    k = np.arange(count) - (count - 1) / 2.0
    angles = k * step if symmetric else -90.0 + np.arange(count) * step
    whole = tarniq.pattern_cut(HORN, 10e9, plane, angles)
    pieces = np.concatenate([tarniq.pattern_cut(HORN, 10e9, plane, part) for part in np.array_split(angles, 7)])
    np.testing.assert_array_equal(whole, pieces)
    if symmetric:
        np.testing.assert_array_equal(whole, whole[::-1])


# Frequencies given any way, short or long, give the same gains element by element.
@settings(max_examples=40, deadline=None)
@given(frequencies=hnp.arrays(np.float64, st.integers(0, 40000), elements=st.floats(1e9, 1e11)))
def test_gain_over_any_frequencies_is_elementwise(frequencies):
    gains = tarniq.gain_dbi(HORN, frequencies)
    sample = np.unique(np.linspace(0, frequencies.size - 1, min(frequencies.size, 50)).astype(int))
    np.testing.assert_array_equal(gains[sample], [tarniq.gain_dbi(HORN, float(f)) for f in frequencies[sample]])
