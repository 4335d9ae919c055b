# Types of tarniq's compiled module, for editors and type checkers: SI units throughout.
from typing import Any, ClassVar, Optional, Sequence, TypeVar, Union, overload

import numpy as np
import numpy.typing as npt

__version__: str
speed_of_light: float
metres_per_inch: float
hertz_per_gigahertz: float
half_power_db: float

_ArrayLike = npt.ArrayLike
_Array = npt.NDArray[np.float64]
# What an array of samples may be given as (a single number gives a float).
_Samples = Union[npt.NDArray[Any], Sequence[Any]]

class _Enum:
    """What every enum has: its name and value, and all its members by name."""

    __members__: ClassVar[dict[str, Any]]
    def __init__(self, value: int) -> None: ...
    def __int__(self) -> int: ...
    def __index__(self) -> int: ...
    @property
    def name(self) -> str: ...
    @property
    def value(self) -> int: ...

_Self = TypeVar("_Self", bound="_Value")

class _Value:
    """What every value class has: a repr that reads back, ==, pickling and copying."""

    def __copy__(self: _Self) -> _Self: ...
    def __deepcopy__(self: _Self, memo: dict[int, Any]) -> _Self: ...

class NoSolution(RuntimeError): ...
class SearchFailed(RuntimeError): ...

class Plane(_Enum):
    e: ClassVar[Plane]
    h: ClassVar[Plane]

class DesignMethod(_Enum):
    pattern: ClassVar[DesignMethod]
    table: ClassVar[DesignMethod]

class SquarePlane(_Enum):
    e: ClassVar[SquarePlane]
    h: ClassVar[SquarePlane]
    average: ClassVar[SquarePlane]

class WarningCode(_Enum):
    below_cutoff: ClassVar[WarningCode]
    overmoded: ClassVar[WarningCode]
    outside_band: ClassVar[WarningCode]
    beyond_table: ClassVar[WarningCode]
    small_aperture: ClassVar[WarningCode]
    unequal_axial_lengths: ClassVar[WarningCode]
    wide_flare: ClassVar[WarningCode]
    large_phase_deviation: ClassVar[WarningCode]
    missed_prescription: ClassVar[WarningCode]
    shoulder: ClassVar[WarningCode]

class FeedSearch(_Enum):
    phase_deviation: ClassVar[FeedSearch]
    phase_deviation_and_edge_taper: ClassVar[FeedSearch]

class PanelKind(_Enum):
    broad: ClassVar[PanelKind]
    narrow: ClassVar[PanelKind]

class LayoutKind(_Enum):
    separate: ClassVar[LayoutKind]
    net: ClassVar[LayoutKind]

class FrequencyBand(_Value):
    low: float
    high: float
    def __init__(self, *, low: float, high: float) -> None: ...

class Waveguide(_Value):
    width: float
    height: float
    name: str
    band: Optional[FrequencyBand]
    def __init__(
        self, *, width: float, height: float, name: str = "", band: Optional[FrequencyBand] = None
    ) -> None: ...

class Horn(_Value):
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

class HornDesign(_Value):
    horn: Horn
    axial_length: float
    s_plane: Plane
    def __init__(self, *, horn: Horn, axial_length: float, s_plane: Plane) -> None: ...

class RectangularPrescription(_Value):
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

class SquarePrescription(_Value):
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

class LengthScale(_Value):
    symbol: str
    metres: float
    def __init__(self, *, symbol: str, metres: float) -> None: ...

metres_scale: LengthScale
centimetres_scale: LengthScale
millimetres_scale: LengthScale
inches_scale: LengthScale

class DesignOptions(_Value):
    method: DesignMethod
    message_lengths: LengthScale
    def __init__(self, *, method: DesignMethod = ..., message_lengths: LengthScale = ...) -> None: ...

class WarningOptions(_Value):
    method: DesignMethod
    message_lengths: LengthScale
    def __init__(self, *, method: DesignMethod = ..., message_lengths: LengthScale = ...) -> None: ...

class Warning(_Value):
    code: WarningCode
    plane: Optional[Plane]
    message: str
    def __init__(self, *, code: WarningCode, plane: Optional[Plane], message: str) -> None: ...

class Beamwidths(_Value):
    # floats (None for no value) for one frequency, float64 arrays for many
    e_plane: Any
    h_plane: Any
    def __init__(self, *, e_plane: Any, h_plane: Any) -> None: ...

class PatternCuts(_Value):
    # float64 arrays of the angles' shape (floats for one angle)
    angles_deg: Any
    e_plane_dbi: Any
    h_plane_dbi: Any
    def __init__(self, *, angles_deg: Any, e_plane_dbi: Any, h_plane_dbi: Any) -> None: ...

class FresnelIntegrals(_Value):
    # floats for one x, float64 arrays for many
    S: Any
    C: Any
    def __init__(self, *, S: Any, C: Any) -> None: ...

class WaveguideMode(_Value):
    name: str
    cutoff_hz: float
    def __init__(self, *, name: str, cutoff_hz: float) -> None: ...

class WaveguideNames(_Value):
    eia: str
    iec: str
    british: str
    def __init__(self, *, eia: str, iec: str, british: str) -> None: ...

class FarField(_Value):
    # complex for one direction, complex128 arrays for many
    co: Any
    cross: Any
    def __init__(self, *, co: Any, cross: Any) -> None: ...

class PhaseCenter(_Value):
    # metres behind the aperture: floats for one frequency, float64 arrays for many
    e_plane: Any
    h_plane: Any
    common: Any
    def __init__(self, *, e_plane: Any, h_plane: Any, common: Any) -> None: ...

class TabulatedFeed(_Value):
    angles_deg: list[float]
    e_plane_db: list[float]
    h_plane_db: list[float]
    e_phase_deg: list[float]
    h_phase_deg: list[float]
    frequency_hz: float
    def __init__(
        self,
        *,
        angles_deg: _ArrayLike,
        e_plane_db: _ArrayLike,
        h_plane_db: _ArrayLike,
        e_phase_deg: _ArrayLike = ...,
        h_phase_deg: _ArrayLike = ...,
        frequency_hz: float = 0.0,
    ) -> None: ...

class FeedPosition(_Value):
    offset: float
    def __init__(self, *, offset: float = 0.0) -> None: ...

class DishIllumination(_Value):
    # floats for one edge angle, float64 arrays for many
    edge_angle_deg: Any
    f_over_d: Any
    e_edge_taper_db: Any
    h_edge_taper_db: Any
    space_loss_db: Any
    spillover: Any
    taper: Any
    phase: Any
    polarization: Any
    aperture: Any
    def __init__(
        self,
        *,
        edge_angle_deg: Any,
        f_over_d: Any,
        e_edge_taper_db: Any,
        h_edge_taper_db: Any,
        space_loss_db: Any,
        spillover: Any,
        taper: Any,
        phase: Any,
        polarization: Any,
        aperture: Any,
    ) -> None: ...

class FeedPrescription(_Value):
    edge_angle_deg: float
    edge_taper_db: float
    phase_deviation: float
    frequency_hz: float
    feed: Waveguide
    def __init__(
        self,
        *,
        edge_angle_deg: float,
        edge_taper_db: float = 10.0,
        phase_deviation: float = 0.25,
        frequency_hz: float,
        feed: Waveguide,
    ) -> None: ...

class FeedDesign(_Value):
    design: HornDesign
    phase_deviation: float
    edge_taper_db: float
    dish: DishIllumination
    phase_center: PhaseCenter
    def __init__(
        self,
        *,
        design: HornDesign,
        phase_deviation: float,
        edge_taper_db: float,
        dish: DishIllumination,
        phase_center: PhaseCenter,
    ) -> None: ...

class Panel(_Value):
    kind: PanelKind
    count: int
    short_edge: float
    long_edge: float
    height: float
    corner_edge: float
    flare_angle_deg: float
    corner_angle_deg: float
    def __init__(
        self,
        *,
        kind: PanelKind,
        count: int,
        short_edge: float,
        long_edge: float,
        height: float,
        corner_edge: float,
        flare_angle_deg: float,
        corner_angle_deg: float,
    ) -> None: ...

class HornPanels(_Value):
    broad: Panel
    narrow: Panel
    axial_length: float
    def __init__(self, *, broad: Panel, narrow: Panel, axial_length: float) -> None: ...

class LayoutOptions(_Value):
    kind: LayoutKind
    tab_width: float
    message_lengths: LengthScale
    def __init__(
        self, *, kind: LayoutKind = LayoutKind.separate, tab_width: float = 0.0, message_lengths: LengthScale = ...
    ) -> None: ...

class PlacedPanel(_Value):
    kind: PanelKind
    corners: _Array  # (4, 2)
    centre: tuple[float, float]
    axis_angle_deg: float
    def __init__(
        self, *, kind: PanelKind, corners: _Array, centre: tuple[float, float], axis_angle_deg: float
    ) -> None: ...

class FlatLayout(_Value):
    panels: list[PlacedPanel]
    tabs: _Array  # (n, 4, 2)
    outlines: list[_Array]  # each (k, 2)
    folds: _Array  # (n, 2, 2)
    size: tuple[float, float]
    def __init__(
        self,
        *,
        panels: list[PlacedPanel],
        tabs: _Array,
        outlines: list[_Array],
        folds: _Array,
        size: tuple[float, float],
    ) -> None: ...

class SolidOptions(_Value):
    wall_thickness: float
    throat_length: float
    message_lengths: LengthScale
    def __init__(
        self, *, wall_thickness: float = 0.002, throat_length: float = 0.0, message_lengths: LengthScale = ...
    ) -> None: ...

class Facets(_Value):
    normals: _Array  # (n, 3)
    vertices: _Array  # (n, 3, 3)
    def __init__(self, *, normals: _Array, vertices: _Array) -> None: ...

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
def phase_deviation(horn: Horn, plane: Plane, frequency_hz: _Samples) -> _Array: ...

# Analysis: one number in, a float out; an array-like in, a float64 array of its shape out
def fresnel(x: _ArrayLike) -> FresnelIntegrals: ...
@overload
def wavelength(frequency_hz: float) -> float: ...
@overload
def wavelength(frequency_hz: _Samples) -> _Array: ...
@overload
def gain_ratio(horn: Horn, frequency_hz: float) -> float: ...
@overload
def gain_ratio(horn: Horn, frequency_hz: _Samples) -> _Array: ...
@overload
def gain_dbi(horn: Horn, frequency_hz: float) -> float: ...
@overload
def gain_dbi(horn: Horn, frequency_hz: _Samples) -> _Array: ...
@overload
def pattern_cut(horn: Horn, frequency_hz: float, plane: Plane, angles_deg: float) -> float: ...
@overload
def pattern_cut(horn: Horn, frequency_hz: float, plane: Plane, angles_deg: _Samples) -> _Array: ...
def pattern_cuts(horn: Horn, frequency_hz: float, angles_deg: _ArrayLike) -> PatternCuts: ...
@overload
def beamwidth(horn: Horn, frequency_hz: float, plane: Plane, level_db: float) -> Optional[float]: ...
@overload
def beamwidth(horn: Horn, frequency_hz: _Samples, plane: Plane, level_db: float) -> _Array: ...
def beamwidths(horn: Horn, frequency_hz: _ArrayLike, level_db: float) -> Beamwidths: ...
@overload
def table_beamwidth(horn: Horn, frequency_hz: float, plane: Plane, level_db: float) -> Optional[float]: ...
@overload
def table_beamwidth(horn: Horn, frequency_hz: _Samples, plane: Plane, level_db: float) -> _Array: ...
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

# The full far field, phase centres, gain at a finite distance
def far_field(horn: Horn, frequency_hz: float, theta_deg: _ArrayLike, phi_deg: _ArrayLike) -> FarField: ...
def far_field_grid(horn: Horn, frequency_hz: float, theta_deg: _ArrayLike, phi_deg: _ArrayLike) -> FarField: ...
def phase_center(horn: Horn, frequency_hz: _ArrayLike, level_db: float = 10.0) -> PhaseCenter: ...
@overload
def gain_at_distance_ratio(horn: Horn, frequency_hz: float, distance_m: float) -> float: ...
@overload
def gain_at_distance_ratio(horn: Horn, frequency_hz: _ArrayLike, distance_m: _ArrayLike) -> _Array: ...
@overload
def gain_at_distance_dbi(horn: Horn, frequency_hz: float, distance_m: float) -> float: ...
@overload
def gain_at_distance_dbi(horn: Horn, frequency_hz: _ArrayLike, distance_m: _ArrayLike) -> _Array: ...

# Dishes and their feeds
@overload
def dish_edge_angle_deg(f_over_d: float) -> float: ...
@overload
def dish_edge_angle_deg(f_over_d: _Samples) -> _Array: ...
@overload
def dish_f_over_d(edge_angle_deg: float) -> float: ...
@overload
def dish_f_over_d(edge_angle_deg: _Samples) -> _Array: ...
@overload
def dish_illumination(
    horn: Horn, frequency_hz: float, edge_angles_deg: _ArrayLike, position: FeedPosition = ...
) -> DishIllumination: ...
@overload
def dish_illumination(
    feed: TabulatedFeed, edge_angles_deg: _ArrayLike, position: FeedPosition = ...
) -> DishIllumination: ...
def design_feed(prescription: FeedPrescription, message_lengths: LengthScale = ...) -> FeedDesign: ...
def design_best_feed(
    prescription: FeedPrescription, search: FeedSearch, message_lengths: LengthScale = ...
) -> FeedDesign: ...

# Parts: panels, their flat layout, the solid of the walls
def horn_panels(horn: Horn, message_lengths: LengthScale = ...) -> HornPanels: ...
def widest_tab(horn: Horn) -> float: ...
def flat_layout(horn: Horn, options: LayoutOptions = ...) -> FlatLayout: ...
def thickest_wall(horn: Horn) -> float: ...
def horn_solid(horn: Horn, options: SolidOptions = ...) -> Facets: ...

# The request layer (tarniq.request is the way to call it)
def _run_request(verb: str, options: dict[str, str]) -> dict[str, Any]: ...
def _verbs() -> list[dict[str, Any]]: ...
