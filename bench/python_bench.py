"""Speed of the Python module: a pattern cut against NumPy and SciPy, the cost of a call, threads at work.

Run by `make bench` with the module installed (`make python`); needs SciPy
(Debian python3-scipy) for the reference implementation.
"""

import concurrent.futures
import os
import statistics
import time
import timeit

import numpy as np
from scipy.special import fresnel

import tarniq

HORN = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
FREQUENCY = 10e9
ANGLE_COUNT = 1_000_000


def reference_cut(horn, frequency_hz, plane, angles_deg):
    """The same closed form as tarniq's pattern_cut, written with NumPy and SciPy's Fresnel integrals.

    Across the plane's aperture (ξ from -1 to 1) the field is amplitude(ξ)·e^(-j2πsξ²),
    s = A²/(8λR); its far field at u = (A/λ)·sin θ is ∫ amplitude·e^(-j2πsξ² + jπuξ) dξ,
    in Fresnel integrals after completing the square. The H plane's cosine amplitude is
    the sum of two uniform terms at u ± 1/2. Directivity = gain + 10·log10 of the power
    relative to boresight, times the obliquity factor ((1 + cos θ)/2)².
    """
    wavelength = tarniq.speed_of_light / frequency_hz
    a = tarniq.aperture(horn, plane)
    s = a * a / (8.0 * wavelength * tarniq.slant_radius(horn, plane))
    theta = np.radians(angles_deg)
    u = (a / wavelength) * np.abs(np.sin(theta))
    root = 2.0 * np.sqrt(s)

    def uniform(u):
        s2, c2 = fresnel((4.0 * s - u) / root)
        s1, c1 = fresnel((-4.0 * s - u) / root)
        return np.exp(1j * np.pi * u * u / (8.0 * s)) * ((c2 - c1) - 1j * (s2 - s1))

    def field(u):
        return uniform(u) if plane == tarniq.Plane.e else uniform(u + 0.5) + uniform(u - 0.5)

    power = np.abs(field(u)) ** 2 / np.abs(field(np.zeros(1))) ** 2
    obliquity = (1.0 + np.cos(theta)) / 2.0
    with np.errstate(divide="ignore"):
        return tarniq.gain_dbi(horn, frequency_hz) + 10.0 * np.log10(power * obliquity**2)


def best_seconds(run, repeats=5):
    """The fastest of several runs: the least disturbed by other work on the machine."""
    return min(timed(run) for _ in range(repeats))[0]


def timed(run):
    """Wall-clock and processor seconds (all threads) of one run."""
    wall, processor = time.perf_counter(), time.process_time()
    run()
    return time.perf_counter() - wall, time.process_time() - processor


def pattern_cut_against_numpy():
    # k·step for k = -N ... N: exactly symmetric about 0, as a sweep is usually built.
    step = 180.0 / ANGLE_COUNT
    symmetric = np.arange(-(ANGLE_COUNT // 2), ANGLE_COUNT // 2 + 1) * step
    # The same span, every angle its own: no symmetry for the library to use.
    shifted = -90.0 + (np.arange(ANGLE_COUNT) + 0.5) * step
    print(f"pattern_cut over {ANGLE_COUNT:,} angles of one plane, best of 10 runs (NumPy: 5),"
          f" tarniq on {os.cpu_count()} cores:")
    for plane in (tarniq.Plane.e, tarniq.Plane.h):
        for name, angles in (("symmetric sweep", symmetric), ("no symmetry", shifted)):
            ours = tarniq.pattern_cut(HORN, FREQUENCY, plane, angles)
            theirs = reference_cut(HORN, FREQUENCY, plane, angles)
            finite = np.isfinite(theirs) & (theirs > ours.max() - 60.0)
            difference = np.max(np.abs(ours[finite] - theirs[finite]))
            tarniq_wall, tarniq_cpu = min(timed(lambda: tarniq.pattern_cut(HORN, FREQUENCY, plane, angles))
                                          for _ in range(10))
            numpy_wall, numpy_cpu = min(timed(lambda: reference_cut(HORN, FREQUENCY, plane, angles)) for _ in range(5))
            print(
                f"  {plane.name.upper()} plane, {name:15}  tarniq {tarniq_wall * 1e3:6.1f} ms"
                f"  NumPy+SciPy {numpy_wall * 1e3:6.1f} ms: {numpy_wall / tarniq_wall:4.1f}x faster"
                f" ({numpy_cpu / tarniq_cpu:4.1f}x less processor time;"
                f" largest difference {difference:.0e} dB within 60 dB of the peak)"
            )


def gain_dbi_call_cost():
    count = 200_000
    per_call = min(timeit.repeat(lambda: tarniq.gain_dbi(HORN, FREQUENCY), number=count, repeat=5)) / count
    frequencies = np.full(100_000, FREQUENCY)
    per_value = best_seconds(lambda: tarniq.gain_dbi(HORN, frequencies)) / frequencies.size
    print(
        f"gain_dbi: {per_call * 1e6:.2f} µs a call from Python; the computation alone "
        f"{per_value * 1e6:.2f} µs (over an array); overhead {(per_call - per_value) * 1e6:.2f} µs a call"
    )


def designs_in_threads():
    """A day's design study: rectangular horns for 48 beamwidth pairs at 10 phase deviations each."""
    wr90 = tarniq.find_waveguide("WR-90")

    def study(e_beamwidth):
        designs = []
        for h_beamwidth in np.linspace(15.0, 30.0, 4):
            for s in np.linspace(0.05, 0.5, 10):
                prescription = tarniq.RectangularPrescription(
                    e_beamwidth_deg=e_beamwidth, h_beamwidth_deg=h_beamwidth, phase_deviation=s, frequency_hz=10e9,
                    feed=wr90)
                try:
                    designs.append(tarniq.design_rectangular(prescription))
                except tarniq.NoSolution:
                    pass
        return designs

    e_beamwidths = np.linspace(15.0, 40.0, 12)
    serial = best_seconds(lambda: [study(e) for e in e_beamwidths], repeats=3)
    workers = os.cpu_count() or 1
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        threaded = best_seconds(lambda: list(pool.map(study, e_beamwidths)), repeats=3)
    count = len(e_beamwidths) * 40
    print(
        f"{count} rectangular designs: {serial * 1e3:.0f} ms one after another, "
        f"{threaded * 1e3:.0f} ms on {workers} threads ({serial / threaded:.1f}x)"
    )


if __name__ == "__main__":
    print(f"tarniq {tarniq.__version__}, NumPy {np.__version__}, load average {statistics.mean(os.getloadavg()):.1f}")
    pattern_cut_against_numpy()
    gain_dbi_call_cost()
    designs_in_threads()
