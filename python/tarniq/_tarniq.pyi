# Types of tarniq's compiled module, for editors and type checkers: SI units throughout.
import enum
from typing import Any, Optional, Union, overload

import numpy as np
import numpy.typing as npt

__version__: str
speed_of_light: float
metres_per_inch: float
hertz_per_gigahertz: float
half_power_db: float

ArrayLike = npt.ArrayLike
Array = npt.NDArray[np.float64]

class NoSolution(RuntimeError): ...
class SearchFailed(RuntimeError): ...

class Plane(enum.Enum):
    e = 0
    h = 1

class DesignMethod(enum.Enum):
    pattern = 0
    table = 1

class SquarePlane(enum.Enum):
    e = 0
    h = 1
    average = 2

class WarningCode(enum.Enum):
    below_cutoff = 0
    overmoded = 1
    outside_band = 2
    beyond_table = 3
    small_aperture = 4
    unequal_axial_lengths = 5

class FrequencyBand:
    low: float
    high: float
    def __init__(self, *, low: float, high: float) -> None: ...

class Waveguide:
    width: float
    height: float
    name: str
    band: Optional[FrequencyBand]
    def __init__(
        self, *, width: float, height: float, name: str = "", band: Optional[FrequencyBand] = None
    ) -> None: ...

class Horn:
    aperture_width: float
    aperture_height: float
    h_slant_radius: float
    e_slant_radius: float
    feed: Waveguide
    def __init__(
        self,
        *,
        aperture_width: float,
        aperture_height: float,
        h_slant_radius: float,
        e_slant_radius: float,
        feed: Waveguide,
    ) -> None: ...

class HornDesign:
    horn: Horn
    axial_length: float
    s_plane: Plane
    def __init__(self, *, horn: Horn, axial_length: float, s_plane: Plane) -> None: ...

class RectangularPrescription:
    e_beamwidth_deg: float
    h_beamwidth_deg: float
    level_db: float
    phase_deviation: float
    frequency_hz: float
    feed: Waveguide
    def __init__(
        self,
        *,
        e_beamwidth_deg: float,
        h_beamwidth_deg: float,
        level_db: float = 3.01,
        phase_deviation: float = 0.25,
        frequency_hz: float,
        feed: Waveguide,
    ) -> None: ...

class SquarePrescription:
    beamwidth_deg: float
    plane: SquarePlane
    level_db: float
    phase_deviation: float
    frequency_hz: float
    feed: Waveguide
    def __init__(
        self,
        *,
        beamwidth_deg: float,
        plane: SquarePlane = SquarePlane.e,
        level_db: float = 3.01,
        phase_deviation: float = 0.25,
        frequency_hz: float,
        feed: Waveguide,
    ) -> None: ...

class LengthScale:
    symbol: str
    metres: float
    def __init__(self, *, symbol: str, metres: float) -> None: ...

metres_scale: LengthScale
centimetres_scale: LengthScale
millimetres_scale: LengthScale
inches_scale: LengthScale

class DesignOptions:
    method: DesignMethod
    message_lengths: LengthScale
    def __init__(self, *, method: DesignMethod = ..., message_lengths: LengthScale = ...) -> None: ...

class WarningOptions:
    method: DesignMethod
    message_lengths: LengthScale
    def __init__(self, *, method: DesignMethod = ..., message_lengths: LengthScale = ...) -> None: ...

class Warning:
    code: WarningCode
    plane: Optional[Plane]
    message: str
    def __init__(self, *, code: WarningCode, plane: Optional[Plane], message: str) -> None: ...

class Beamwidths:
    e_plane: Union[float, None, Array]
    h_plane: Union[float, None, Array]
    def __init__(self, *, e_plane: Any, h_plane: Any) -> None: ...

class PatternCuts:
    angles_deg: Union[float, Array]
    e_plane_dbi: Union[float, Array]
    h_plane_dbi: Union[float, Array]
    def __init__(self, *, angles_deg: Any, e_plane_dbi: Any, h_plane_dbi: Any) -> None: ...

class FresnelIntegrals:
    S: Union[float, Array]
    C: Union[float, Array]
    def __init__(self, *, S: Any, C: Any) -> None: ...

class WaveguideMode:
    name: str
    cutoff_hz: float
    def __init__(self, *, name: str, cutoff_hz: float) -> None: ...

class WaveguideNames:
    eia: str
    iec: str
    british: str
    def __init__(self, *, eia: str, iec: str, british: str) -> None: ...

# Waveguides
def te10_cutoff(guide: Waveguide) -> float: ...
def te20_cutoff(guide: Waveguide) -> float: ...
def te01_cutoff(guide: Waveguide) -> float: ...
def te11_cutoff(guide: Waveguide) -> float: ...
def lowest_higher_mode(guide: Waveguide) -> WaveguideMode: ...
def is_square(guide: Waveguide) -> bool: ...
def standard_waveguides() -> list[Waveguide]: ...
def find_waveguide(name: str) -> Waveguide: ...
def waveguide_names(guide: Waveguide) -> Optional[WaveguideNames]: ...
def catalogue_entry(guide: Waveguide) -> Optional[Waveguide]: ...
def waveguides_for_frequency(frequency_hz: float) -> list[Waveguide]: ...

# Horns
def make_horn(aperture_width: float, aperture_height: float, axial_length: float, feed: Waveguide) -> Horn: ...
def make_horn_from_slant_radii(
    aperture_width: float, aperture_height: float, h_slant_radius: float, e_slant_radius: float, feed: Waveguide
) -> Horn: ...
def check_horn(horn: Horn) -> None: ...
def aperture(horn: Horn, plane: Plane) -> float: ...
def slant_radius(horn: Horn, plane: Plane) -> float: ...
def waveguide_dimension(horn: Horn, plane: Plane) -> float: ...
def axial_length(horn: Horn, plane: Plane) -> float: ...
def side_wall_length(horn: Horn, plane: Plane) -> float: ...
@overload
def phase_deviation(horn: Horn, plane: Plane, frequency_hz: float) -> float: ...
@overload
def phase_deviation(horn: Horn, plane: Plane, frequency_hz: ArrayLike) -> Array: ...

# Analysis: one number in, a float out; an array-like in, a float64 array of its shape out
@overload
def fresnel(x: float) -> FresnelIntegrals: ...
@overload
def fresnel(x: ArrayLike) -> FresnelIntegrals: ...
@overload
def wavelength(frequency_hz: float) -> float: ...
@overload
def wavelength(frequency_hz: ArrayLike) -> Array: ...
@overload
def gain_ratio(horn: Horn, frequency_hz: float) -> float: ...
@overload
def gain_ratio(horn: Horn, frequency_hz: ArrayLike) -> Array: ...
@overload
def gain_dbi(horn: Horn, frequency_hz: float) -> float: ...
@overload
def gain_dbi(horn: Horn, frequency_hz: ArrayLike) -> Array: ...
@overload
def pattern_cut(horn: Horn, frequency_hz: float, plane: Plane, angles_deg: float) -> float: ...
@overload
def pattern_cut(horn: Horn, frequency_hz: float, plane: Plane, angles_deg: ArrayLike) -> Array: ...
def pattern_cuts(horn: Horn, frequency_hz: float, angles_deg: ArrayLike) -> PatternCuts: ...
@overload
def beamwidth(horn: Horn, frequency_hz: float, plane: Plane, level_db: float) -> Optional[float]: ...
@overload
def beamwidth(horn: Horn, frequency_hz: ArrayLike, plane: Plane, level_db: float) -> Array: ...
def beamwidths(horn: Horn, frequency_hz: ArrayLike, level_db: float) -> Beamwidths: ...
@overload
def table_beamwidth(horn: Horn, frequency_hz: float, plane: Plane, level_db: float) -> Optional[float]: ...
@overload
def table_beamwidth(horn: Horn, frequency_hz: ArrayLike, plane: Plane, level_db: float) -> Array: ...
def is_table_level(level_db: float) -> bool: ...

# Designs and warnings
def design_rectangular(prescription: RectangularPrescription, options: DesignOptions = ...) -> HornDesign: ...
def design_square(prescription: SquarePrescription, options: DesignOptions = ...) -> HornDesign: ...
def classical_gain_horn(
    gain_dbi: float, frequency_hz: float, feed: Waveguide, message_lengths: LengthScale = ...
) -> HornDesign: ...
def design_for_gain(
    gain_dbi: float, frequency_hz: float, feed: Waveguide, message_lengths: LengthScale = ...
) -> HornDesign: ...
def horn_warnings(horn: Horn, frequency_hz: float, options: WarningOptions = ...) -> list[Warning]: ...

# The request layer (tarniq.request is the way to call it)
def _run_request(verb: str, options: dict[str, str]) -> dict[str, Any]: ...
def _verbs() -> list[dict[str, Any]]: ...
