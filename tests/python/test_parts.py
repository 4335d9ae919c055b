"""Parts: the panels against tarniq-cli's JSON, the solid against its STL model, the layout's geometry, refusals."""

import collections
import struct

import numpy as np
import pytest
from conftest import from_metres, to_metres

import tarniq

WR90 = tarniq.find_waveguide("WR-90")
HORN_ARGS = ["--aperture", "11,8", "--length", "20", "--waveguide", "WR-90"]
HORN = tarniq.make_horn(to_metres(11), to_metres(8), to_metres(20), WR90)


def read_stl(path):
    """A binary STL's normals (n, 3) and vertices (n, 3, 3), as float32."""
    data = path.read_bytes()
    (count,) = struct.unpack_from("<I", data, 80)
    records = np.frombuffer(data, dtype=np.dtype([("v", "<f4", (12,)), ("attribute", "<u2")]), count=count, offset=84)
    return records["v"][:, :3], records["v"][:, 3:].reshape(count, 3, 3)


# The parts verb's panel rows and its STL model (millimetres, single precision) are the module's.
@pytest.mark.parametrize("wall_cm, throat_cm", [(0.2, 0.0), (0.35, 1.2)])
def test_panels_and_solid_are_the_command_lines(cli_json, tmp_path, wall_cm, throat_cm):
    model = tmp_path / "horn.stl"
    rows = cli_json("parts", *HORN_ARGS, "--model", model, "--wall", wall_cm, "--throat", throat_cm)["rows"]
    panels = tarniq.horn_panels(HORN)
    for panel, row in zip((panels.broad, panels.narrow), rows):
        assert (panel.kind.name, panel.count) == (row["panel"], row["count"])
        for name in ("short_edge", "long_edge", "height", "corner_edge"):
            assert from_metres(getattr(panel, name)) == row[f"{name}_cm"], name
        assert (panel.flare_angle_deg, panel.corner_angle_deg) == (row["flare_angle_deg"], row["corner_angle_deg"])
    assert panels.axial_length == pytest.approx(0.2, rel=1e-14)

    options = tarniq.SolidOptions(wall_thickness=to_metres(wall_cm), throat_length=to_metres(throat_cm))
    solid = tarniq.horn_solid(HORN, options)
    normals, vertices = read_stl(model)
    assert solid.normals.shape == normals.shape and solid.vertices.shape == vertices.shape
    assert solid.normals.dtype == solid.vertices.dtype == np.float64
    np.testing.assert_array_equal(solid.normals.astype(np.float32), normals)
    np.testing.assert_array_equal((solid.vertices * 1000.0).astype(np.float32), vertices)


# The solid is closed (every edge shared by two triangles, in opposite directions), its normals are unit length
# and agree with the vertices' winding, and its walls are as thick as asked.
def test_solid_is_closed_and_consistent():
    solid = tarniq.horn_solid(HORN, tarniq.SolidOptions(wall_thickness=0.004, throat_length=0.01))
    v = solid.vertices
    np.testing.assert_allclose(np.linalg.norm(solid.normals, axis=1), 1.0, rtol=1e-12)
    cross = np.cross(v[:, 1] - v[:, 0], v[:, 2] - v[:, 0])
    assert (np.einsum("ij,ij->i", cross, solid.normals) > 0).all()
    edges = collections.Counter()
    for triangle in np.round(v * 1e9).astype(np.int64):
        for a, b in ((0, 1), (1, 2), (2, 0)):
            edges[(tuple(triangle[a]), tuple(triangle[b]))] += 1
    assert all(edges[(b, a)] == count for (a, b), count in edges.items())
    assert v[..., 2].min() == pytest.approx(-0.01) and v[..., 2].max() == pytest.approx(0.2, rel=1e-12)
    assert np.abs(v[..., 0]).max() > 0.11 / 2 + 0.004 * 0.99  # the outer surface stands off the aperture


# Separate pieces and a net, with and without tabs: counts, shapes, everything on the sheet.
@pytest.mark.parametrize("kind, tab_mm, pieces, tabs, folds", [
    (tarniq.LayoutKind.separate, 0.0, 4, 0, 0),
    (tarniq.LayoutKind.separate, 5.0, 4, 4, 4),
    (tarniq.LayoutKind.net, 0.0, 1, 1, 4),
    (tarniq.LayoutKind.net, 6.0, 1, 1, 4),
])
def test_flat_layouts(kind, tab_mm, pieces, tabs, folds):
    layout = tarniq.flat_layout(HORN, tarniq.LayoutOptions(kind=kind, tab_width=tab_mm / 1000.0))
    assert len(layout.outlines) == pieces and layout.tabs.shape == (tabs, 4, 2) and layout.folds.shape == (folds, 2, 2)
    assert [panel.kind.name for panel in layout.panels] == ["broad", "narrow", "broad", "narrow"] or pieces == 4
    width, height = layout.size
    points = np.concatenate([outline for outline in layout.outlines] + [p.corners for p in layout.panels])
    assert points.shape[1] == 2 and (points >= -1e-12).all()
    assert (points[:, 0] <= width + 1e-12).all() and (points[:, 1] <= height + 1e-12).all()
    panels = tarniq.horn_panels(HORN)
    for placed in layout.panels:
        wanted = panels.broad if placed.kind == tarniq.PanelKind.broad else panels.narrow
        corners = placed.corners
        assert corners.shape == (4, 2)
        assert np.linalg.norm(corners[1] - corners[0]) == pytest.approx(wanted.short_edge, rel=1e-12)
        assert np.linalg.norm(corners[2] - corners[3]) == pytest.approx(wanted.long_edge, rel=1e-12)
        assert np.mean(corners, axis=0) == pytest.approx(placed.centre, abs=wanted.height)


# Refusals, with the library's messages.
def test_parts_refusals():
    crooked = tarniq.make_horn_from_slant_radii(0.11, 0.08, 0.25, 0.25, WR90)
    for call in (lambda: tarniq.horn_panels(crooked), lambda: tarniq.horn_solid(crooked),
                 lambda: tarniq.flat_layout(crooked), lambda: tarniq.widest_tab(crooked)):
        with pytest.raises(ValueError, match="axial length"):
            call()
    with pytest.raises(ValueError, match="too wide"):
        tarniq.flat_layout(HORN, tarniq.LayoutOptions(tab_width=tarniq.widest_tab(HORN) * 1.01))
    with pytest.raises(ValueError, match="0.08"):
        tarniq.horn_solid(HORN, tarniq.SolidOptions(wall_thickness=tarniq.thickest_wall(HORN)))
    with pytest.raises(ValueError, match="8 cm"):
        tarniq.horn_solid(HORN, tarniq.SolidOptions(wall_thickness=0.08, message_lengths=tarniq.centimetres_scale))
    short_wide = tarniq.make_horn(0.30, 0.25, 0.03, WR90)
    with pytest.raises(tarniq.NoSolution):
        tarniq.flat_layout(short_wide, tarniq.LayoutOptions(kind=tarniq.LayoutKind.net))
