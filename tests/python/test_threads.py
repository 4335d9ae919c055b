"""Threads: designs, analyses, feeds, parts and requests run side by side give what they give one after another."""

import concurrent.futures

import numpy as np

import tarniq

WR90 = tarniq.find_waveguide("WR-90")
FREQUENCIES = np.linspace(8.2e9, 12.4e9, 43)


def work(task):
    """One task of a mixed load; its results as plain values."""
    kind, value = task
    if kind == "design":
        prescription = tarniq.RectangularPrescription(e_beamwidth_deg=30.0, h_beamwidth_deg=20.0,
                                                      phase_deviation=value, frequency_hz=10e9, feed=WR90)
        design = tarniq.design_rectangular(prescription)
        widths = tarniq.beamwidths(design.horn, FREQUENCIES, 10.0)
        return design, tarniq.gain_dbi(design.horn, FREQUENCIES).tolist(), widths.e_plane.tolist()
    if kind == "gain":
        design = tarniq.design_for_gain(value, 10e9, WR90)
        return design, tarniq.pattern_cut(design.horn, 10e9, tarniq.Plane.h, np.linspace(-90, 90, 30001)).tolist()
    if kind == "feed":
        horn = tarniq.make_horn(value, 0.08, 0.20, WR90)
        dish = tarniq.dish_illumination(horn, 10e9, np.linspace(40.0, 80.0, 9))
        centre = tarniq.phase_center(horn, FREQUENCIES)
        return dish.aperture.tolist(), centre.common.tolist(), tarniq.horn_solid(horn).vertices.tolist()
    return tarniq.request("analyze", aperture=(value, 8), length=20, waveguide="WR-90", frequency="8:12:0.25",
                          level=1)


def test_threads_give_the_serial_answers():
    tasks = [("design", 0.05 + 0.03 * i) for i in range(12)] + [("gain", 15.0 + i) for i in range(8)] + [
        ("request", 9.0 + 0.5 * i) for i in range(8)] + [("feed", 0.06 + 0.01 * i) for i in range(6)]
    serial = [work(task) for task in tasks]
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        for _ in range(2):
            assert list(pool.map(work, tasks)) == serial
