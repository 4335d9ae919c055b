"""The module's functions against tarniq-cli's JSON for the same horns (bit for bit), and against closed forms."""

import math

import numpy as np
import pytest
from conftest import from_metres, nan_for_none, to_metres

import tarniq

WR90 = tarniq.find_waveguide("WR-90")
# The README's horn: 11 × 8 cm aperture, 20 cm long, on WR-90.
HORN_ARGS = ["--aperture", "11,8", "--length", "20", "--waveguide", "WR-90"]
HORN = tarniq.make_horn(to_metres(11), to_metres(8), to_metres(20), WR90)


def column(rows, name):
    return np.array(nan_for_none([row[name] for row in rows]), dtype=float)


def assert_same(ours, theirs):
    """Bit for bit, NaN where the command line has no value."""
    np.testing.assert_array_equal(np.asarray(ours, dtype=float), np.asarray(theirs, dtype=float))


# Gain and pattern beamwidths over frequency, and the table method's beamwidths: the analyze verb.
@pytest.mark.parametrize("method", ["pattern", "table"])
def test_analysis_over_frequency_is_the_command_lines(cli_json, method):
    rows = cli_json("analyze", *HORN_ARGS, "--frequency", "6:14:0.5", "--method", method)["rows"]
    frequency_hz = column(rows, "frequency_ghz") * 1e9
    assert_same(tarniq.gain_dbi(HORN, frequency_hz), column(rows, "gain_dbi"))
    for level, suffix in ((tarniq.half_power_db, "3db"), (10.0, "10db")):
        if method == "pattern":
            widths = tarniq.beamwidths(HORN, frequency_hz, level)
            e_plane, h_plane = widths.e_plane, widths.h_plane
            assert_same(tarniq.beamwidth(HORN, frequency_hz, tarniq.Plane.e, level), e_plane)
        else:
            e_plane = tarniq.table_beamwidth(HORN, frequency_hz, tarniq.Plane.e, level)
            h_plane = tarniq.table_beamwidth(HORN, frequency_hz, tarniq.Plane.h, level)
        assert_same(e_plane, column(rows, f"e_{suffix}_deg"))
        assert_same(h_plane, column(rows, f"h_{suffix}_deg"))
    np.testing.assert_allclose(10.0 * np.log10(tarniq.gain_ratio(HORN, frequency_hz)), column(rows, "gain_dbi"),
                               rtol=1e-15)


# Both cuts at the command line's angles, each cut alone, and the field's zero at ±180° (null there).
def test_pattern_cuts_are_the_command_lines(cli_json):
    rows = cli_json("pattern", *HORN_ARGS, "--frequency", "10", "--angles", "-180:180:0.5")["rows"]
    angles = column(rows, "angle_deg")
    cuts = tarniq.pattern_cuts(HORN, 10e9, angles)
    assert_same(cuts.angles_deg, angles)
    for plane, name in ((tarniq.Plane.e, "e_plane_dbi"), (tarniq.Plane.h, "h_plane_dbi")):
        theirs = column(rows, name)
        ours = tarniq.pattern_cut(HORN, 10e9, plane, angles)
        assert_same(ours[1:-1], theirs[1:-1])
        assert_same(getattr(cuts, name), ours)
        assert ours[0] == ours[-1] == -math.inf and np.isnan(theirs[[0, -1]]).all()


DESIGN_CASES = [
    # (command-line options, the prescription, the method)
    (["--e-beamwidth", "30", "--h-beamwidth", "20", "--waveguide", "WR-90"],
     lambda s: tarniq.RectangularPrescription(e_beamwidth_deg=30.0, h_beamwidth_deg=20.0, phase_deviation=s,
                                              frequency_hz=10e9, feed=WR90), tarniq.DesignMethod.pattern),
    (["--e-beamwidth", "30", "--h-beamwidth", "20", "--waveguide", "WR-90", "--method", "table", "--level", "10"],
     lambda s: tarniq.RectangularPrescription(e_beamwidth_deg=30.0, h_beamwidth_deg=20.0, phase_deviation=s,
                                              level_db=10.0, frequency_hz=10e9, feed=WR90),
     tarniq.DesignMethod.table),
    (["--square", "--beamwidth", "25", "--plane", "average", "--waveguide-size", "2,2"],
     lambda s: tarniq.SquarePrescription(beamwidth_deg=25.0, plane=tarniq.SquarePlane.average, phase_deviation=s,
                                         frequency_hz=10e9, feed=tarniq.Waveguide(width=0.02, height=0.02)),
     tarniq.DesignMethod.pattern),
    (["--square", "--beamwidth", "25", "--plane", "h", "--waveguide-size", "2,2", "--method", "table"],
     lambda s: tarniq.SquarePrescription(beamwidth_deg=25.0, plane=tarniq.SquarePlane.h, phase_deviation=s,
                                         frequency_hz=10e9, feed=tarniq.Waveguide(width=0.02, height=0.02)),
     tarniq.DesignMethod.table),
]


# Each design row: the horn, its gain and the beamwidths of its pattern at the design level.
@pytest.mark.parametrize("options, prescription, method", DESIGN_CASES)
def test_designs_are_the_command_lines(cli_json, options, prescription, method):
    document = cli_json("design", *options, "--frequency", "10", "--s", "0.1:0.5:0.1")
    level = document["input"]["level_db"]
    for row in document["rows"]:
        chosen = prescription(row["s"])
        design = (tarniq.design_square if isinstance(chosen, tarniq.SquarePrescription) else tarniq.design_rectangular)(
            chosen, tarniq.DesignOptions(method=method))
        horn = design.horn
        for name in ("aperture_width", "aperture_height", "h_slant_radius", "e_slant_radius"):
            assert from_metres(getattr(horn, name)) == row[f"{name}_cm"], name
        assert from_metres(design.axial_length) == row["axial_length_cm"]
        assert design.s_plane.name == row["s_plane"]
        assert tarniq.gain_dbi(horn, 10e9) == row["gain_dbi"]
        widths = tarniq.beamwidths(horn, 10e9, level)
        assert (widths.e_plane, widths.h_plane) == (row["e_beamwidth_deg"], row["h_beamwidth_deg"])


# The optimum-gain horn and the side walls a builder cuts: the gain-design verb, in millimetres.
def test_gain_design_is_the_command_lines(cli_json):
    row = cli_json("gain-design", "--gain", "22.5", "--frequency", "11", "--waveguide", "WR-90", "--units", "mm")["rows"][0]
    design = tarniq.design_for_gain(22.5, 11e9, WR90)
    assert from_metres(design.horn.aperture_width, "mm") == row["aperture_width_mm"]
    assert from_metres(design.axial_length, "mm") == row["axial_length_mm"]
    for plane, name in ((tarniq.Plane.h, "h_flare_length_mm"), (tarniq.Plane.e, "e_flare_length_mm")):
        assert from_metres(tarniq.side_wall_length(design.horn, plane), "mm") == row[name]
    assert tarniq.gain_dbi(design.horn, 11e9) == row["gain_dbi"]
    # The classical horn it starts from: phase deviations 1/4 and 3/8, one axial length, gain near the request.
    classical = tarniq.classical_gain_horn(22.5, 11e9, WR90)
    assert tarniq.phase_deviation(classical.horn, tarniq.Plane.e, 11e9) == pytest.approx(0.25, rel=1e-12)
    assert tarniq.phase_deviation(classical.horn, tarniq.Plane.h, 11e9) == pytest.approx(0.375, rel=1e-12)
    assert tarniq.gain_dbi(classical.horn, 11e9) == pytest.approx(22.5, abs=0.5)


# The catalogue and its names, and the guides whose band holds a frequency: the waveguides verb.
@pytest.mark.parametrize("frequency", [None, 10.0, 95.0])
def test_waveguide_catalogue_is_the_command_lines(cli_json, frequency):
    arguments = [] if frequency is None else ["--frequency", frequency]
    rows = cli_json("waveguides", *arguments, "--units", "mm")["rows"]
    guides = tarniq.standard_waveguides() if frequency is None else tarniq.waveguides_for_frequency(frequency * 1e9)
    assert [guide.name for guide in guides] == [row["name"] for row in rows]
    for guide, row in zip(guides, rows):
        names = tarniq.waveguide_names(guide)
        assert (names.iec, names.british) == (row["iec_name"], row["british_name"])
        assert (from_metres(guide.width, "mm"), from_metres(guide.height, "mm")) == (row["width_mm"], row["height_mm"])
        assert tarniq.te10_cutoff(guide) / 1e9 == row["te10_cutoff_ghz"]
        assert (guide.band.low / 1e9, guide.band.high / 1e9) == (row["band_low_ghz"], row["band_high_ghz"])
        assert tarniq.find_waveguide(names.iec) == tarniq.find_waveguide(names.british) == guide
        assert tarniq.catalogue_entry(tarniq.Waveguide(width=1.0, height=0.5, name=guide.name)) == guide


# Warnings about a horn, as the command line words them in centimetres.
@pytest.mark.parametrize("frequency", [6.0, 13.0, 16.0])
def test_warnings_are_the_command_lines(cli_json, frequency):
    small = ["--aperture", "2.5,1.2", "--length", "3", "--waveguide", "WR-90"]
    document = cli_json("analyze", *small, "--frequency", frequency)
    horn = tarniq.make_horn(to_metres(2.5), to_metres(1.2), to_metres(3), WR90)
    options = tarniq.WarningOptions(message_lengths=tarniq.centimetres_scale)
    warnings = tarniq.horn_warnings(horn, frequency * 1e9, options)
    assert warnings
    assert [(w.code.name, w.message) for w in warnings] == [(w["code"], w["message"]) for w in document["warnings"]]


# Geometry and waveguide modes against their closed forms.
def test_geometry_and_cutoffs_follow_their_formulas():
    c = tarniq.speed_of_light
    guide = tarniq.Waveguide(width=0.03, height=0.012)
    assert tarniq.te10_cutoff(guide) == c / (2 * 0.03)
    assert tarniq.te20_cutoff(guide) == c / 0.03
    assert tarniq.te01_cutoff(guide) == c / (2 * 0.012)
    assert tarniq.te11_cutoff(guide) == pytest.approx(c / 2 * math.hypot(1 / 0.03, 1 / 0.012), rel=1e-15)
    assert tarniq.lowest_higher_mode(guide) == tarniq.WaveguideMode(name="TE20", cutoff_hz=c / 0.03)
    square = tarniq.Waveguide(width=0.02, height=0.02)
    assert tarniq.is_square(square) and not tarniq.is_square(guide)
    assert tarniq.lowest_higher_mode(square).name == "TE11"
    assert tarniq.catalogue_entry(guide) is None and tarniq.waveguide_names(guide) is None
    assert tarniq.wavelength(10e9) == c / 10e9

    for plane, width, guide_size in ((tarniq.Plane.h, 0.11, 0.02286), (tarniq.Plane.e, 0.08, 0.01016)):
        radius = tarniq.slant_radius(HORN, plane)
        assert tarniq.aperture(HORN, plane) == width and tarniq.waveguide_dimension(HORN, plane) == guide_size
        assert tarniq.axial_length(HORN, plane) == pytest.approx(0.20, rel=1e-14)
        assert tarniq.side_wall_length(HORN, plane) == pytest.approx(radius * (width - guide_size) / width, rel=1e-14)
        assert tarniq.phase_deviation(HORN, plane, 10e9) == pytest.approx(
            width**2 / (8 * (c / 10e9) * radius), rel=1e-14)
    again = tarniq.make_horn_from_slant_radii(0.11, 0.08, HORN.h_slant_radius, HORN.e_slant_radius, WR90)
    assert again == HORN
    tarniq.check_horn(again)
    assert tarniq.is_table_level(3.01) and tarniq.is_table_level(10.0000001) and not tarniq.is_table_level(3.0)


# Fresnel integrals against Gauss-Legendre quadrature of their definitions, and their symmetry and limits.
def test_fresnel_integrals_match_quadrature():
    x = np.array([-7.3, -2.0, -0.4, 0.0, 0.3, 1.0, 1.7, 2.5, 4.2, 6.0, 9.9])
    nodes, weights = np.polynomial.legendre.leggauss(400)
    t = (nodes[:, None] + 1.0) * x / 2.0  # [0, x] for each x
    expected_s = (weights[:, None] * np.sin(np.pi * t**2 / 2)).sum(axis=0) * x / 2
    expected_c = (weights[:, None] * np.cos(np.pi * t**2 / 2)).sum(axis=0) * x / 2
    f = tarniq.fresnel(x)
    np.testing.assert_allclose(f.S, expected_s, atol=1e-13)
    np.testing.assert_allclose(f.C, expected_c, atol=1e-13)
    assert_same(tarniq.fresnel(-x).S, -f.S)
    big = tarniq.fresnel(1e300)
    assert (big.S, big.C) == (0.5, 0.5)
