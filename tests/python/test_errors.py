"""Errors: the library's refusals as ValueError, NoSolution and SearchFailed with its messages; nothing crashes."""

import math
import threading

import numpy as np
import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import tarniq

WR90 = tarniq.find_waveguide("WR-90")
HORN = tarniq.make_horn(0.11, 0.08, 0.20, WR90)


def rectangular(**changes):
    values = dict(e_beamwidth_deg=30.0, h_beamwidth_deg=20.0, frequency_hz=10e9, feed=WR90)
    return tarniq.RectangularPrescription(**{**values, **changes})


# Each refused call, the exception and the library's message, whole.
REFUSALS = [
    (lambda: tarniq.make_horn(0.02, 0.08, 0.2, WR90), ValueError,
     "aperture width 0.02 m is not larger than the waveguide width 0.02286 m"),
    (lambda: tarniq.make_horn(0.11, 0.08, math.nan, WR90), ValueError, "axial length nan m is not positive and finite"),
    (lambda: tarniq.gain_dbi(HORN, [10e9, -1.0]), ValueError, "frequency -1 Hz is not positive and finite"),
    (lambda: tarniq.pattern_cut(HORN, 10e9, tarniq.Plane.e, [0, 200]), ValueError,
     "angle 200 degrees is not within [-180, 180]"),
    (lambda: tarniq.fresnel([1.0, math.inf]), ValueError, "Fresnel argument inf is not finite"),
    (lambda: tarniq.find_waveguide("WR-91"), ValueError,
     'unknown waveguide "WR-91": the catalogue runs from WR-2300 to WR-10, written like WR-90, R100 or WG16'),
    (lambda: tarniq.design_rectangular(rectangular(e_beamwidth_deg=200.0)), ValueError,
     "E-plane beamwidth 200 degrees is not between 0 and 180"),
    (lambda: tarniq.design_square(tarniq.SquarePrescription(beamwidth_deg=20, frequency_hz=10e9, feed=WR90)),
     ValueError, "a square horn needs a square waveguide, not WR-90"),
    (lambda: tarniq.design_rectangular(rectangular(level_db=4.0), tarniq.DesignOptions(method=tarniq.DesignMethod.table)),
     ValueError, "level 4 dB is not one of the table method's levels, 0.5, 1, 2, 3.01 (half power) or 10 dB"),
    (lambda: tarniq.design_rectangular(rectangular(e_beamwidth_deg=170.0, h_beamwidth_deg=170.0)), tarniq.NoSolution,
     "no horn meets E plane 170°, H plane 170° at 3.01 dB, 10 GHz, phase deviation 0.25: the smallest H-plane flare "
     "at that phase deviation (aperture 0.02998 m) already gives a narrower beam, 66.2703°"),
    (lambda: tarniq.design_for_gain(5.0, 10e9, WR90, tarniq.millimetres_scale), tarniq.NoSolution,
     "no optimum-gain horn gives 5 dBi at 10 GHz on WR-90 (22.86 mm by 10.16 mm): the smallest one, whose flares "
     "just clear the waveguide (and are at least 1 wavelength high and 1.5 wide), has about 9.83 dBi"),
]


@pytest.mark.parametrize("call, error, message", REFUSALS)
def test_refusals_carry_the_library_message(call, error, message):
    with pytest.raises(error) as raised:
        call()
    assert str(raised.value) == message


# A long list is computed in parts; its error is still the library's for the first bad angle.
def test_long_list_reports_its_first_bad_angle():
    angles = np.zeros(200_000)
    angles[[70_000, 199_990]] = [250.0, -300.0]
    with pytest.raises(ValueError, match=r"^angle 250 degrees is not within \[-180, 180\]$"):
        tarniq.pattern_cut(HORN, 10e9, tarniq.Plane.h, angles)


def test_error_classes():
    assert issubclass(tarniq.NoSolution, RuntimeError) and issubclass(tarniq.SearchFailed, RuntimeError)
    assert not issubclass(tarniq.SearchFailed, tarniq.NoSolution)
    assert issubclass(tarniq.UsageError, ValueError)
    with pytest.raises(TypeError):
        tarniq.Horn(aperture_width=0.1)  # every field of a horn is required, by keyword
    with pytest.raises(TypeError):
        tarniq.Horn(0.11, 0.08, 0.25, 0.23, WR90)


# Any numbers at all, through every kind of call: a value or one of the library's errors, never a crash.
finite_or_not = st.one_of(st.floats(allow_nan=True, allow_infinity=True), st.floats(1e-3, 1.0))


@settings(max_examples=300, deadline=None)
@given(width=finite_or_not, height=finite_or_not, length=finite_or_not, frequency=finite_or_not,
       angle=finite_or_not, level=finite_or_not, beamwidth=finite_or_not, s=finite_or_not)
def test_no_input_crashes(width, height, length, frequency, angle, level, beamwidth, s):
    expected = (ValueError, tarniq.NoSolution, tarniq.SearchFailed)
    try:
        horn = tarniq.make_horn(width, height, length, WR90)
        tarniq.gain_dbi(horn, [frequency * 1e11, 10e9])
        tarniq.pattern_cuts(horn, frequency * 1e11, [angle, -angle, 0.0])
        tarniq.beamwidths(horn, frequency * 1e11, level * 20)
        tarniq.horn_warnings(horn, frequency * 1e11)
    except expected:
        pass
    try:
        tarniq.design_rectangular(rectangular(e_beamwidth_deg=beamwidth * 90, phase_deviation=s))
    except expected:
        pass
    try:
        tarniq.design_for_gain(level * 40, frequency * 1e11, WR90)
    except expected:
        pass


# Another thread changing the objects a call uses cannot disturb it: the call works on its own copies.
def test_objects_changed_during_a_call():
    horn = tarniq.make_horn(0.11, 0.08, 0.20, WR90)
    stop = threading.Event()

    def change():
        names = ["WR-90", "a custom waveguide with a long name " * 4]
        i = 0
        while not stop.is_set():
            horn.feed = tarniq.Waveguide(width=0.02286, height=0.01016, name=names[i % 2])
            i += 1

    changer = threading.Thread(target=change)
    changer.start()
    try:
        expected = tarniq.gain_dbi(tarniq.make_horn(0.11, 0.08, 0.20, WR90), 10e9)
        for _ in range(300):
            assert tarniq.gain_dbi(horn, np.full(50, 10e9))[0] == pytest.approx(expected, rel=1e-15)
            tarniq.horn_warnings(horn, 10e9)
    finally:
        stop.set()
        changer.join()
