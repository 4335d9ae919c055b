"""The far field, phase centres, gain at a distance and dish feeds against tarniq-cli's JSON and their own laws."""

import math

import numpy as np
import pytest
from conftest import from_metres, nan_for_none, to_metres

import tarniq

WR90 = tarniq.find_waveguide("WR-90")
HORN_ARGS = ["--aperture", "11,8", "--length", "20", "--waveguide", "WR-90"]
HORN = tarniq.make_horn(to_metres(11), to_metres(8), to_metres(20), WR90)
# A small horn that feeds a dish, and a dish of f/D 0.4.
FEED_ARGS = ["--aperture", "3.1,2.3", "--length", "2.3", "--waveguide", "WR-90"]
FEED = tarniq.make_horn(to_metres(3.1), to_metres(2.3), to_metres(2.3), WR90)


def column(rows, name):
    return np.array(nan_for_none([row[name] for row in rows]), dtype=float)


def level_dbi(field):
    """The command line's level of a complex field: 10·log10|field|², -inf where it vanishes."""
    with np.errstate(divide="ignore"):
        return 10.0 * np.log10(np.abs(field) ** 2)


# The field verb's grid: the co-polar level and phase, and no cross-polar field.
def test_far_field_grid_is_the_command_lines(cli_json):
    rows = cli_json("field", *HORN_ARGS, "--frequency", "10", "--theta", "0:90:7.5", "--phi", "0:330:30")["rows"]
    thetas, phis = np.arange(0, 90.1, 7.5), np.arange(0, 331, 30.0)
    field = tarniq.far_field_grid(HORN, 10e9, thetas, phis)
    assert field.co.shape == field.cross.shape == (thetas.size, phis.size) and field.co.dtype == np.complex128
    np.testing.assert_array_equal(column(rows, "theta_deg"), np.repeat(thetas, phis.size))
    np.testing.assert_allclose(level_dbi(field.co).ravel(), column(rows, "co_dbi"), rtol=1e-14, atol=1e-13)
    np.testing.assert_allclose(np.degrees(np.angle(field.co)).ravel(), column(rows, "co_phase_deg"), atol=1e-11)
    assert not field.cross.any() and np.isnan(column(rows, "cross_dbi")).all()


# far_field at any (θ, φ), broadcast, is the grid's value; on the principal planes it is pattern_cut's.
def test_far_field_is_the_grid_and_the_pattern_cuts():
    thetas = np.array([-60.0, -10.0, 0.0, 5.0, 33.0, 90.0, 150.0])
    phis = np.array([0.0, 20.0, 90.0, 135.0, -400.0])
    grid = tarniq.far_field_grid(HORN, 10e9, thetas, phis)
    broadcast = tarniq.far_field(HORN, 10e9, thetas[:, None], phis[None, :])
    np.testing.assert_allclose(broadcast.co, grid.co, rtol=1e-14)  # the grid shares work across directions
    single = tarniq.far_field(HORN, 10e9, 33.0, 20.0)
    assert isinstance(single.co, complex) and single.co == broadcast.co[4, 1] and single.cross == 0j
    for phi, plane in ((0.0, tarniq.Plane.h), (90.0, tarniq.Plane.e)):
        np.testing.assert_allclose(level_dbi(tarniq.far_field(HORN, 10e9, thetas, phi).co),
                                   tarniq.pattern_cut(HORN, 10e9, plane, thetas), rtol=0, atol=1e-9)
    # A negative θ is the direction (-θ, φ + 180°).
    np.testing.assert_allclose(tarniq.far_field(HORN, 10e9, -thetas, phis[1] + 180.0).co, grid.co[:, 1], rtol=1e-12)
    with pytest.raises(ValueError, match="angle θ 200 degrees"):
        tarniq.far_field_grid(HORN, 10e9, [0, 200], [0])
    with pytest.raises(ValueError):
        tarniq.far_field(HORN, 10e9, [0.0, 1.0, 2.0], [0.0, 1.0])  # shapes that do not broadcast


# Phase centres over frequency (the phase-center verb) and the gain measured at a distance
# (the analyze verb's --distance column), bit for bit.
def test_phase_centres_and_gain_at_distance_are_the_command_lines(cli_json):
    rows = cli_json("phase-center", *HORN_ARGS, "--frequency", "8:12:1", "--level", "12")["rows"]
    frequency_hz = column(rows, "frequency_ghz") * 1e9
    centres = tarniq.phase_center(HORN, frequency_hz, 12.0)
    for name, values in (("e_phase_center_cm", centres.e_plane), ("h_phase_center_cm", centres.h_plane),
                         ("phase_center_cm", centres.common)):
        assert [from_metres(value) for value in values] == column(rows, name).tolist(), name
    single = tarniq.phase_center(HORN, 10e9, 12.0)
    assert (single.e_plane, single.common) == (centres.e_plane[2], centres.common[2])

    rows = cli_json("analyze", *HORN_ARGS, "--frequency", "8:12:0.5", "--distance", "150")["rows"]
    frequency_hz = column(rows, "frequency_ghz") * 1e9
    np.testing.assert_array_equal(tarniq.gain_at_distance_dbi(HORN, frequency_hz, 1.5), column(rows, "gain_at_distance_dbi"))
    # Closer is less, farther tends to the far-field gain; frequencies and distances broadcast.
    distances = np.geomspace(0.3, 3000.0, 9)
    gains = tarniq.gain_at_distance_dbi(HORN, frequency_hz[:, None], distances)
    assert gains.shape == (frequency_hz.size, distances.size)
    assert (np.diff(gains, axis=1) > 0).all()
    np.testing.assert_allclose(gains[:, -1], tarniq.gain_dbi(HORN, frequency_hz), atol=1e-3)
    np.testing.assert_allclose(10 * np.log10(tarniq.gain_at_distance_ratio(HORN, frequency_hz[:, None], distances)),
                               gains, rtol=1e-14)


# The dish verb over f/D, for the horn and for a pattern file of the same feed, bit for bit.
DISH_FIELDS = [("e_edge_taper_db", "e_edge_taper_db"), ("h_edge_taper_db", "h_edge_taper_db"),
               ("space_loss_db", "space_loss_db"), ("spillover", "spillover_efficiency"),
               ("taper", "taper_efficiency"), ("phase", "phase_efficiency"),
               ("polarization", "polarization_efficiency"), ("aperture", "aperture_efficiency")]


@pytest.mark.parametrize("offset_cm", [0.0, -0.4])
def test_dish_illumination_is_the_command_lines(cli_json, tmp_path, offset_cm):
    position = tarniq.FeedPosition(offset=to_metres(offset_cm))
    horn_rows = cli_json("dish", *FEED_ARGS, "--frequency", "10", "--f-over-d", "0.3:0.7:0.1",
                         "--offset", offset_cm)["rows"]
    edge = tarniq.dish_edge_angle_deg(column(horn_rows, "f_over_d"))
    # The feed's own cuts as a pattern file, every number written exactly.
    angles = np.arange(-180.0, 180.1, 2.5)
    cuts = tarniq.pattern_cuts(FEED, 10e9, angles)
    field_e = tarniq.far_field(FEED, 10e9, angles, 90.0).co
    field_h = tarniq.far_field(FEED, 10e9, angles, 0.0).co
    feed = tarniq.TabulatedFeed(angles_deg=angles[1:-1], e_plane_db=cuts.e_plane_dbi[1:-1],
                                h_plane_db=cuts.h_plane_dbi[1:-1], e_phase_deg=np.degrees(np.angle(field_e))[1:-1],
                                h_phase_deg=np.degrees(np.angle(field_h))[1:-1], frequency_hz=10e9)
    lines = ["angle_deg,e_plane_dbi,h_plane_dbi,e_phase_deg,h_phase_deg"]
    lines += [",".join(repr(float(v)) for v in values) for values in
              zip(feed.angles_deg, feed.e_plane_db, feed.h_plane_db, feed.e_phase_deg, feed.h_phase_deg)]
    (tmp_path / "feed.csv").write_text("\n".join(lines) + "\n")
    file_rows = cli_json("dish", "--pattern-file", tmp_path / "feed.csv", "--frequency", "10",
                         "--f-over-d", "0.3:0.7:0.1", "--offset", offset_cm)["rows"]
    of_horn = tarniq.dish_illumination(FEED, 10e9, edge, position)
    for rows, ours in ((horn_rows, of_horn), (file_rows, tarniq.dish_illumination(feed, edge, position))):
        np.testing.assert_array_equal(ours.edge_angle_deg, column(rows, "edge_angle_deg"))
        for field, name in DISH_FIELDS:
            np.testing.assert_array_equal(getattr(ours, field), column(rows, name), err_msg=name)
        product = ours.spillover * ours.taper * ours.phase * ours.polarization
        np.testing.assert_allclose(ours.aperture, product, rtol=1e-9)
    one = tarniq.dish_illumination(FEED, 10e9, float(edge[1]), position)
    assert isinstance(one.aperture, float) and one.aperture == of_horn.aperture[1]


# The feed-design verb at given S and searched, bit for bit; what the search finds beats its neighbour.
def test_feed_designs_are_the_command_lines(cli_json):
    base = ["--f-over-d", "0.6", "--frequency", "10", "--waveguide", "WR-90"]
    prescription = tarniq.FeedPrescription(edge_angle_deg=tarniq.dish_edge_angle_deg(0.6), edge_taper_db=12.0,
                                           frequency_hz=10e9, feed=WR90)
    rows = cli_json("feed-design", *base, "--edge-taper", "12", "--s", "0.3:0.5:0.1")["rows"]
    searched_s = cli_json("feed-design", *base, "--edge-taper", "12")["rows"]
    searched_both = cli_json("feed-design", *base)["rows"]
    designs = [tarniq.design_feed(tarniq.FeedPrescription(**{**_fields(prescription), "phase_deviation": row["s"]}))
               for row in rows]
    designs.append(tarniq.design_best_feed(prescription, tarniq.FeedSearch.phase_deviation))
    designs.append(tarniq.design_best_feed(prescription, tarniq.FeedSearch.phase_deviation_and_edge_taper))
    for feed, row in zip(designs, rows + searched_s + searched_both):
        horn = feed.design.horn
        assert feed.phase_deviation == row["s"] and feed.edge_taper_db == row["edge_taper_db"]
        assert from_metres(horn.aperture_width) == row["aperture_width_cm"]
        assert from_metres(feed.design.axial_length) == row["axial_length_cm"]
        assert from_metres(feed.phase_center.common) == row["phase_center_cm"]
        for field in ("aperture", "spillover", "taper", "phase"):
            assert getattr(feed.dish, field) == row[f"{field}_efficiency"], field
        widths = tarniq.beamwidths(horn, 10e9, feed.edge_taper_db)
        assert widths.e_plane == pytest.approx(2 * prescription.edge_angle_deg, abs=0.011)
        assert widths.h_plane == pytest.approx(2 * prescription.edge_angle_deg, abs=0.011)
    best = designs[-2]  # at the smallest S searched, where the efficiency still rises
    neighbour = tarniq.design_feed(
        tarniq.FeedPrescription(**{**_fields(prescription), "phase_deviation": best.phase_deviation + 0.02}))
    assert neighbour.dish.aperture < best.dish.aperture


def _fields(prescription):
    return {name: getattr(prescription, name)
            for name in ("edge_angle_deg", "edge_taper_db", "phase_deviation", "frequency_hz", "feed")}


# f/D and edge angle are each other's inverse over arrays; refusals name the value.
def test_dish_geometry_and_refusals():
    f_over_d = np.geomspace(0.05, 20.0, 50).reshape(5, 10)
    angles = tarniq.dish_edge_angle_deg(f_over_d)
    assert angles.shape == (5, 10) and (np.diff(angles.ravel()) < 0).all()
    np.testing.assert_allclose(tarniq.dish_f_over_d(angles), f_over_d, rtol=1e-13)
    assert tarniq.dish_edge_angle_deg(0.25) == pytest.approx(90.0, rel=1e-15)
    with pytest.raises(ValueError, match="f/D -1"):
        tarniq.dish_edge_angle_deg([0.4, -1.0])
    with pytest.raises(ValueError, match="180"):
        tarniq.dish_illumination(FEED, 10e9, [60.0, 180.0])
    with pytest.raises(ValueError, match="edge angle 95"):
        tarniq.design_feed(tarniq.FeedPrescription(edge_angle_deg=95.0, frequency_hz=10e9, feed=WR90))
    with pytest.raises(ValueError):
        tarniq.dish_illumination(tarniq.TabulatedFeed(angles_deg=[0, 10], e_plane_db=[0], h_plane_db=[0, -3]), 60.0)
    with pytest.raises(tarniq.NoSolution):
        tarniq.design_feed(tarniq.FeedPrescription(edge_angle_deg=tarniq.dish_edge_angle_deg(0.26), phase_deviation=0.2,
                                                   frequency_hz=10e9, feed=WR90))
    assert not math.isnan(tarniq.dish_illumination(HORN, 10e9, 30.0).aperture)
