"""The files tarniq-cli parts writes, read back by real readers: an XML parser (SVG), ezdxf (DXF and STL), poppler (PDF).

Run by CTest with TARNIQ_CLI naming the built tarniq-cli; needs Debian's python3-ezdxf and poppler-utils.
"""
import csv
import math
import os
import re
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

import ezdxf
from ezdxf.addons import meshex

CLI = os.environ.get("TARNIQ_CLI", "tarniq-cli")
SVG = "{http://www.w3.org/2000/svg}"
X_BAND = ["--aperture", "11,8", "--length", "20", "--waveguide", "WR-90"]
HYDROGEN = ["--aperture", "60,45", "--length", "55", "--waveguide", "WR-650"]
MM_PER_UNIT = {"cm": 10.0, "mm": 1.0, "in": 25.4}
SHEET_MARGIN = 10.0  # mm the sheet keeps blank, left to the pages' margins in a PDF


def run(folder, *args):
    """Runs tarniq-cli in the folder and returns the panel table as dictionaries, lengths in mm."""
    result = subprocess.run([CLI, "parts", *args, "--format", "csv"], cwd=folder, capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError(f"tarniq-cli parts {' '.join(args)}: {result.stderr}")
    rows = list(csv.DictReader(result.stdout.splitlines()))
    unit = next(name[len("short_edge_"):] for name in rows[0] if name.startswith("short_edge_"))
    return [{key: (value if key == "panel" else float(value) * (MM_PER_UNIT[unit] if key.endswith("_" + unit) else 1.0))
             for key, value in row.items()} for row in rows]


def edges_of(rows):
    """Each panel's four edge lengths (mm), two panels of each kind, sorted."""
    lengths = []
    for row in rows:
        edges = [row[name] for name in row if name.startswith(("short_edge", "long_edge"))]
        corner = next(row[name] for name in row if name.startswith("corner_edge"))
        lengths += int(row["count"]) * (edges + [corner, corner])
    return sorted(lengths)


def assert_lengths(test, got, expected, tolerance):
    test.assertEqual(len(got), len(expected))
    for g, e in zip(sorted(got), expected):
        test.assertAlmostEqual(g, e, delta=tolerance)


def svg_points(d):
    """The points of a path's d attribute of M, L and Z commands."""
    return [(float(x), float(y)) for x, y in re.findall(r"[ML]\s*(-?[\d.]+)\s+(-?[\d.]+)", d)]


def segment_lengths(points, closed):
    pairs = list(zip(points, points[1:] + points[:1] if closed else points[1:]))
    return [math.dist(a, b) for a, b in pairs]


class SvgDrawing(unittest.TestCase):
    def test_true_size_sheet_with_check_square_and_panel_edges(self):
        with tempfile.TemporaryDirectory() as folder:
            rows = run(folder, *X_BAND, "--drawing", "horn.svg")
            root = ElementTree.parse(os.path.join(folder, "horn.svg")).getroot()
            self.assertEqual(root.tag, SVG + "svg")
            width, height = (float(root.get(name).removesuffix("mm")) for name in ("width", "height"))
            self.assertTrue(root.get("width").endswith("mm") and root.get("height").endswith("mm"))
            self.assertEqual([float(v) for v in root.get("viewBox").split()], [0.0, 0.0, width, height])
            texts = [element.text for element in root.iter(SVG + "text")]
            for expected in ("50 mm", "check square", "Horn parts at full size (scale 1:1)", "Broad wall 2 of 2",
                             "Narrow wall 1 of 2", "Aperture 11 × 8 cm, axial length 20 cm"):
                self.assertIn(expected, texts)
            paths = list(root.iter(SVG + "path"))
            square = [p for p in paths if len(svg_points(p.get("d"))) == 4 and "stroke-dasharray" not in p.attrib
                      and p.get("stroke") != "#000000"]
            self.assertEqual(len(square), 1)
            assert_lengths(self, segment_lengths(svg_points(square[0].get("d")), True), [50.0] * 4, 1e-3)
            cuts = [p for p in paths if p.get("stroke") == "#000000"]
            self.assertEqual(len(cuts), 4)
            cut_lengths = [length for p in cuts for length in segment_lengths(svg_points(p.get("d")), True)]
            assert_lengths(self, cut_lengths, edges_of(rows), 2e-3)
            for p in paths:
                for x, y in svg_points(p.get("d")):
                    self.assertTrue(0 <= x <= width and 0 <= y <= height)


class DxfDrawing(unittest.TestCase):
    def test_r12_millimetres_with_the_panels_edges(self):
        with tempfile.TemporaryDirectory() as folder:
            for layout in ([], ["--net", "--tab", "1.5"]):
                rows = run(folder, *HYDROGEN, "--drawing", "horn.dxf", *layout)
                document = ezdxf.readfile(os.path.join(folder, "horn.dxf"))
                self.assertEqual(document.dxfversion, "AC1009")
                self.assertEqual(document.header["$INSUNITS"], 4)
                self.assertEqual(document.header["$MEASUREMENT"], 1)
                self.assertEqual(len(document.audit().errors), 0)
                lines = {name: [] for name in ("CUT", "FOLD", "NOTES")}
                for line in document.modelspace().query("LINE"):
                    lines[line.dxf.layer].append(math.dist(line.dxf.start, line.dxf.end))
                texts = [text.plain_text() for text in document.modelspace().query("TEXT")]
                self.assertIn("50 mm", texts)
                self.assertIn("Narrow wall 2 of 2", texts)
                self.assertIn("inside each corner the walls meet at 96.69°.", texts)
                assert_lengths(self, lines["NOTES"], [50.0] * 4, 1e-3)
                if not layout:
                    assert_lengths(self, lines["CUT"], edges_of(rows), 1e-3)
                    self.assertEqual(lines["FOLD"], [])
                else:
                    # The net: three corner edges folded and the tab's base; its outline the
                    # throat and aperture edges, the first panel's free corner edge and the tab.
                    corner = rows[0][next(name for name in rows[0] if name.startswith("corner_edge"))]
                    assert_lengths(self, lines["FOLD"], [corner] * 4, 1e-3)
                    ends = sorted(row[name] for row in rows for name in row
                                  if name.startswith(("short_edge", "long_edge")) for _ in range(2))
                    cut = sorted(lines["CUT"])
                    self.assertEqual(len(cut), 12)
                    for length in ends:
                        self.assertTrue(any(abs(length - c) < 1e-3 for c in cut), length)
                    self.assertTrue(any(abs(corner - c) < 1e-3 for c in cut))


def paper_pages(width, height, paper_width, paper_height):
    """Pages of a sheet tiled at 1:1 with 10 mm margins and 10 mm overlaps: fewest of portrait and landscape."""
    def along(size, page):
        printable = page - 20.0
        return 1 if size <= printable else 1 + math.ceil((size - printable) / (printable - 10.0))
    portrait = along(width, paper_width) * along(height, paper_height)
    landscape = along(width, paper_height) * along(height, paper_width)
    return (landscape, True) if landscape < portrait else (portrait, False)


class PdfDrawing(unittest.TestCase):
    def test_tiled_pages_of_the_chosen_paper(self):
        papers = {"a4": (210.0, 297.0, "595.276 x 841.89"), "letter": (215.9, 279.4, "612 x 792")}
        with tempfile.TemporaryDirectory() as folder:
            for horn in (X_BAND, HYDROGEN):
                for paper, (paper_width, paper_height, points) in papers.items():
                    run(folder, *horn, "--drawing", "horn.pdf", "--paper", paper)
                    run(folder, *horn, "--drawing", "horn.svg")
                    root = ElementTree.parse(os.path.join(folder, "horn.svg")).getroot()
                    width, height = (float(root.get(name).removesuffix("mm")) - 2 * SHEET_MARGIN
                                     for name in ("width", "height"))
                    pages, landscape = paper_pages(width, height, paper_width, paper_height)
                    info = subprocess.run(["pdfinfo", os.path.join(folder, "horn.pdf")], capture_output=True,
                                          text=True, check=True).stdout
                    self.assertRegex(info, rf"Pages:\s+{pages}\n")
                    size = " x ".join(reversed(points.split(" x "))) if landscape else points
                    self.assertRegex(info, rf"Page size:\s+{re.escape(size)} pts")
                    first = subprocess.run(["pdftotext", "-f", "1", "-l", "1", os.path.join(folder, "horn.pdf"), "-"],
                                           capture_output=True, text=True, check=True).stdout
                    self.assertIn(f"Page A1 of {pages}, scale 1:1", first)
                    self.assertIn("check square", first)


def wall_volume(width, height, length, guide_width, guide_height, wall, throat):
    """The walls' volume (mm³): the outer cross-section less the inner, integrated along the axis."""
    def half(guide, step, z, outer):
        slope = step / length
        if not outer:
            return guide / 2 + slope * max(0.0, z)
        return max(guide / 2 + wall, guide / 2 + slope * z + wall * math.hypot(1.0, slope))

    def section(z):
        steps = ((guide_width, (width - guide_width) / 2), (guide_height, (height - guide_height) / 2))
        outer = 4 * math.prod(half(g, s, z, True) for g, s in steps)
        inner = 4 * math.prod(half(g, s, z, False) for g, s in steps)
        return outer - inner

    # Simpson's rule on fine slices; exact enough between the bends.
    slices = 20000
    step = (length + throat) / slices
    zs = [-throat + i * step for i in range(slices + 1)]
    return step / 3 * sum(section(z) * (1 if i in (0, slices) else 4 if i % 2 else 2) for i, z in enumerate(zs))


class StlModel(unittest.TestCase):
    def test_closed_ring_of_the_walls_volume(self):
        cases = [
            (X_BAND, [], 110.0, 80.0, 200.0, 22.86, 10.16, 2.0, 0.0),
            (X_BAND, ["--wall", "0.3", "--throat", "3"], 110.0, 80.0, 200.0, 22.86, 10.16, 3.0, 30.0),
            (["--aperture", "4.33,3.15", "--length", "7.87", "--waveguide", "WR-90", "--units", "in"], [],
             4.33 * 25.4, 3.15 * 25.4, 7.87 * 25.4, 22.86, 10.16, 2.0, 0.0),
            (HYDROGEN, ["--wall", "0.6", "--throat", "10"], 600.0, 450.0, 550.0, 165.1, 82.55, 6.0, 100.0),
        ]
        with tempfile.TemporaryDirectory() as folder:
            for horn, options, *dimensions in cases:
                run(folder, *horn, "--model", "horn.stl", *options)
                mesh = meshex.stl_readfile(os.path.join(folder, "horn.stl"))
                diagnosis = mesh.diagnose()
                self.assertEqual(diagnosis.euler_characteristic, 0)  # a ring
                self.assertTrue(diagnosis.is_closed_surface)
                self.assertTrue(diagnosis.is_manifold)
                self.assertFalse(diagnosis.is_edge_balance_broken)  # every edge run both ways: faces turned alike
                expected = wall_volume(*dimensions)
                self.assertAlmostEqual(diagnosis.volume() / expected, 1.0, delta=1e-5)  # positive: facing out
                xs, ys, zs = zip(*mesh.vertices)
                self.assertAlmostEqual(min(zs), -dimensions[-1], delta=1e-3)
                self.assertAlmostEqual(max(zs), dimensions[2], delta=1e-3)


if __name__ == "__main__":
    unittest.main(verbosity=2)
