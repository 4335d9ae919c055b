"""tarniq: design and analysis of pyramidal horn antennas fed from a rectangular waveguide.

The library of tarniq-cli, in SI units: lengths in metres, frequencies in
hertz, angles in degrees, levels in dB (``half_power_db`` is half power).

- Horns and waveguides: ``Horn``, ``make_horn``, ``find_waveguide``,
  ``standard_waveguides``, ``waveguides_for_frequency``, cutoffs.
- Analysis over NumPy arrays of frequencies or angles: ``gain_dbi``,
  ``pattern_cut``, ``pattern_cuts``, ``beamwidth``, ``beamwidths``.
- Designs: ``design_rectangular``, ``design_square``, ``design_for_gain``;
  ``horn_warnings`` says where the model or the feed stops holding.
- The full far field and phase centre: ``far_field``, ``far_field_grid``,
  ``phase_center``; the gain at a distance: ``gain_at_distance_dbi``.
- Dish feeds: ``dish_illumination`` (a horn or a ``TabulatedFeed``),
  ``design_feed``, ``design_best_feed``, ``dish_edge_angle_deg``.
- Parts: ``horn_panels``, ``flat_layout``, ``horn_solid`` (NumPy arrays of
  points and facets).
- Requests as the command line makes them: ``request("analyze", ...)`` gives
  the dict that ``tarniq-cli analyze ... --format json`` prints, and
  ``request_frame`` a pandas DataFrame of its rows.

Errors: ValueError for an argument outside its domain, ``NoSolution`` when
no horn meets a well-formed request, ``SearchFailed`` when a search gives up
(both RuntimeError), ``UsageError`` (a ValueError) for a mistake in a request.
The library computes with the GIL released, so threads run in parallel.

>>> import tarniq
>>> design = tarniq.design_for_gain(20.0, 10e9, tarniq.find_waveguide("WR-90"))
>>> round(tarniq.gain_dbi(design.horn, 10e9), 2)
20.0
"""

from tarniq._tarniq import *  # noqa: F403 (the library's types, functions and constants)
from tarniq._tarniq import NoSolution, SearchFailed, __version__
from tarniq._requests import UsageError, request, request_frame

# What `from tarniq import *` gives: everything public but Warning, which
# would hide Python's own Warning class (tarniq.Warning stays available).
__all__ = sorted(name for name in dir() if not name.startswith("_") and name != "Warning")
