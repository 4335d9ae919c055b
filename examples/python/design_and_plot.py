"""Designs an X-band horn for 30° by 20° beamwidths and draws its E- and H-plane cuts and its frequency response.

    .venv/bin/python examples/python/design_and_plot.py OUTPUT_FOLDER

writes pattern.png and response.png into OUTPUT_FOLDER (default: the current folder).
"""

import pathlib
import sys

import matplotlib

matplotlib.use("Agg")  # files only, no window
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import tarniq  # noqa: E402


def design_horn():
    """A horn on WR-90 with 30° (E plane) and 20° (H plane) half-power beamwidths at 10 GHz."""
    feed = tarniq.find_waveguide("WR-90")
    prescription = tarniq.RectangularPrescription(e_beamwidth_deg=30.0, h_beamwidth_deg=20.0,
                                                  frequency_hz=10e9, feed=feed)
    return tarniq.design_rectangular(prescription)


def draw_pattern(horn, path):
    angles = np.linspace(-90.0, 90.0, 721)
    cuts = tarniq.pattern_cuts(horn, 10e9, angles)
    peak = tarniq.gain_dbi(horn, 10e9)
    figure, axes = plt.subplots(figsize=(8, 5))
    axes.plot(angles, cuts.e_plane_dbi, label="E plane")
    axes.plot(angles, cuts.h_plane_dbi, label="H plane")
    axes.axhline(peak - tarniq.half_power_db, color="grey", linestyle=":", label="−3 dB")
    axes.set(xlabel="Angle off boresight (degrees)", ylabel="Directivity (dBi)", ylim=(peak - 40, peak + 3),
             title=f"Pattern cuts at 10 GHz, peak {peak:.2f} dBi")
    axes.grid(True, alpha=0.3)
    axes.legend()
    figure.savefig(path, dpi=100)
    plt.close(figure)


def draw_response(horn, path):
    band = horn.feed.band
    frequencies = np.linspace(band.low, band.high, 85)
    widths = tarniq.beamwidths(horn, frequencies, tarniq.half_power_db)
    figure, (gain_axes, width_axes) = plt.subplots(2, 1, sharex=True, figsize=(8, 7))
    gain_axes.plot(frequencies / 1e9, tarniq.gain_dbi(horn, frequencies))
    gain_axes.set(ylabel="Gain (dBi)", title=f"Frequency response over the band of {horn.feed.name}")
    width_axes.plot(frequencies / 1e9, widths.e_plane, label="E plane")
    width_axes.plot(frequencies / 1e9, widths.h_plane, label="H plane")
    width_axes.set(xlabel="Frequency (GHz)", ylabel="3 dB beamwidth (degrees)")
    width_axes.legend()
    for axes in (gain_axes, width_axes):
        axes.grid(True, alpha=0.3)
    figure.savefig(path, dpi=100)
    plt.close(figure)


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    folder.mkdir(parents=True, exist_ok=True)
    design = design_horn()
    horn = design.horn
    print(f"aperture {horn.aperture_width * 100:.2f} x {horn.aperture_height * 100:.2f} cm, "
          f"axial length {design.axial_length * 100:.2f} cm, gain {tarniq.gain_dbi(horn, 10e9):.2f} dBi")
    draw_pattern(horn, folder / "pattern.png")
    draw_response(horn, folder / "response.png")
    print(f"wrote {folder / 'pattern.png'} and {folder / 'response.png'}")


if __name__ == "__main__":
    main()
