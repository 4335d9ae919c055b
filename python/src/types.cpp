// The library's value types and enums as Python classes, attributes in SI units (metres, hertz, degrees, dB).
#include "bindings.hpp"
#include "conversions.hpp"
#include "tarniq/beamwidth.hpp"
#include "tarniq/design.hpp"
#include "tarniq/horn.hpp"
#include "tarniq/warnings.hpp"
#include "tarniq/waveguide.hpp"
#include "result_values.hpp"
#include "value_class.hpp"

namespace tarniq::python {

void bind_enums(py::module_& m) {
  enum_class<Plane>(m, "Plane",
                    "The two principal planes: E (the aperture height, along the waveguide's narrow wall) and H "
                    "(the aperture width, along its broad wall).")
      .value("e", Plane::e, "E plane: aperture height, waveguide height")
      .value("h", Plane::h, "H plane: aperture width, waveguide width");

  enum_class<DesignMethod>(m, "DesignMethod", "How a design meets its beamwidths.")
      .value("pattern", DesignMethod::pattern,
             "the pattern-true beamwidths (beamwidth()) of the design equal the prescription to 0.01 degree")
      .value("table", DesignMethod::table,
             "the interactive program's designs: the universal beamwidth table in single precision, levels 0.5, "
             "1, 2, 3.01 and 10 dB only");

  enum_class<SquarePlane>(m, "SquarePlane", "The beamwidth a square horn is designed to.")
      .value("e", SquarePlane::e, "the E plane's")
      .value("h", SquarePlane::h, "the H plane's")
      .value("average", SquarePlane::average, "the mean of the two planes'");

  enum_class<WarningCode>(m, "WarningCode", "What a warning is about; its name is the code the command line prints.")
      .value("below_cutoff", WarningCode::below_cutoff, "below the feed's TE10 cutoff: nothing propagates")
      .value("overmoded", WarningCode::overmoded, "above the cutoff of the feed's lowest higher-order mode")
      .value("outside_band", WarningCode::outside_band, "outside a standard feed's recommended band")
      .value("beyond_table", WarningCode::beyond_table, "table method: a phase deviation past the tabulated range")
      .value("small_aperture", WarningCode::small_aperture,
             "an aperture under about one wavelength: aperture theory unreliable")
      .value("unequal_axial_lengths", WarningCode::unequal_axial_lengths,
             "the planes need different axial lengths: the horn cannot be built")
      .value("wide_flare", WarningCode::wide_flare, "a semi-flare angle over 40°: aperture theory unreliable")
      .value("large_phase_deviation", WarningCode::large_phase_deviation,
             "a phase deviation over 2 wavelengths, beyond what the pattern method designs")
      .value("missed_prescription", WarningCode::missed_prescription,
             "table method: the design's pattern misses a prescribed beamwidth by over 0.5°")
      .value("shoulder", WarningCode::shoulder,
             "a beam that dips and rises again above its level: its beamwidth jumps easily");
}


void bind_feed_enums(py::module_& m) {
  enum_class<FeedSearch>(m, "FeedSearch", "What design_best_feed searches.")
      .value("phase_deviation", FeedSearch::phase_deviation, "the phase deviation S, at the prescription's edge taper")
      .value("phase_deviation_and_edge_taper", FeedSearch::phase_deviation_and_edge_taper,
             "S and the edge taper together");

  enum_class<PanelKind>(m, "PanelKind", "The two kinds of wall of a pyramidal horn.")
      .value("broad", PanelKind::broad, "a broad wall, continuing the waveguide's broad wall: the E-plane flare")
      .value("narrow", PanelKind::narrow, "a narrow wall, continuing the waveguide's narrow wall: the H-plane flare");

  enum_class<LayoutKind>(m, "LayoutKind", "How flat_layout lays out the four panels.")
      .value("separate", LayoutKind::separate, "four pieces; with tabs, the broad panels carry them on both edges")
      .value("net", LayoutKind::net, "one piece that folds into the horn, with one joining tab");
}

void bind_feed_types(py::module_& m) {
  value_class<FarFieldValues>(
      m, "FarField",
      "The far field in one or many directions, scaled so that |co|² + |cross|² is the directivity as a power "
      "ratio, phase referred to the centre of the aperture: complex numbers for one direction, complex128 arrays "
      "for many. cross is exactly zero in this aperture model.",
      required("co", &FarFieldValues::co, "co-polar field (Ludwig's third definition, reference along the E plane)"),
      required("cross", &FarFieldValues::cross, "cross-polar field"));

  value_class<PhaseCenterValues>(
      m, "PhaseCenter",
      "Phase centres, metres from the aperture plane back toward the apex: floats for one frequency, float64 "
      "arrays for many.",
      required("e_plane", &PhaseCenterValues::e_plane, "of the E-plane cut, m"),
      required("h_plane", &PhaseCenterValues::h_plane, "of the H-plane cut, m"),
      required("common", &PhaseCenterValues::common, "one point for both cuts, m"));

  value_class<TabulatedFeed>(
      m, "TabulatedFeed",
      R"doc(A feed known by its two principal-plane cuts (a measured or simulated pattern).

Angles off boresight in degrees, ascending, within [-180, 180]; levels
relative, in dB with any reference, none above 1000 dB (-inf, or any
level below -1000 dB, for no field); phases in degrees, empty for a feed
in phase. frequency_hz (Hz) is needed only to displace
the feed (FeedPosition).
)doc",
      required("angles_deg", &TabulatedFeed::angles_deg, "the cuts' angles off boresight, degrees"),
      required("e_plane_db", &TabulatedFeed::e_plane_db, "E-plane level at each angle, dB"),
      required("h_plane_db", &TabulatedFeed::h_plane_db, "H-plane level at each angle, dB"),
      defaulted("e_phase_deg", &TabulatedFeed::e_phase_deg, "E-plane phase at each angle, degrees, or empty"),
      defaulted("h_phase_deg", &TabulatedFeed::h_phase_deg, "H-plane phase at each angle, degrees, or empty"),
      defaulted("frequency_hz", &TabulatedFeed::frequency_hz, "frequency of the pattern, Hz (0: not given)"));

  value_class<FeedPosition>(
      m, "FeedPosition", "Where the feed sits: its phase centre at the focus, or moved along the axis.",
      defaulted("offset", &FeedPosition::offset, "from the focus toward the dish's vertex, m; negative away"));

  value_class<DishIlluminationValues>(
      m, "DishIllumination",
      R"doc(How a feed lights a front-fed dish: floats for one edge angle, float64 arrays of their shape for many.

Efficiencies are fractions between 0 and 1 of the power the feed radiates;
aperture is the product of spillover, taper, phase and polarization. Edge
tapers and the space loss are dB, negative.
)doc",
      required("edge_angle_deg", &DishIlluminationValues::edge_angle_deg, "half-angle of the dish at its focus, degrees"),
      required("f_over_d", &DishIlluminationValues::f_over_d, "focal length over diameter"),
      required("e_edge_taper_db", &DishIlluminationValues::e_edge_taper_db, "E-plane cut at the edge, dB"),
      required("h_edge_taper_db", &DishIlluminationValues::h_edge_taper_db, "H-plane cut at the edge, dB"),
      required("space_loss_db", &DishIlluminationValues::space_loss_db, "spreading from focus to rim, dB"),
      required("spillover", &DishIlluminationValues::spillover, "power inside the edge angle / all the power"),
      required("taper", &DishIlluminationValues::taper, "taper efficiency: how near uniform the illumination is"),
      required("phase", &DishIlluminationValues::phase, "phase efficiency"),
      required("polarization", &DishIlluminationValues::polarization, "co-polar power / all power inside the edge"),
      required("aperture", &DishIlluminationValues::aperture, "aperture efficiency, the product of the four"));

  value_class<FeedPrescription>(
      m, "FeedPrescription",
      R"doc(What a dish feed is designed to (design_feed, design_best_feed).

The dish's edge angle θ0 (degrees, within (0, 90]; dish_edge_angle_deg
gives it from f/D), the edge taper (dB, positive: the feed's level at θ0
below its maximum in both planes), the phase deviation S of the design's S
plane (wavelengths), the frequency (Hz) and the feed waveguide.
)doc",
      required("edge_angle_deg", &FeedPrescription::edge_angle_deg, "the dish's half-angle at its focus, degrees"),
      defaulted("edge_taper_db", &FeedPrescription::edge_taper_db, "level at the dish's edge below the maximum, dB"),
      defaulted("phase_deviation", &FeedPrescription::phase_deviation, "phase deviation S, wavelengths"),
      required("frequency_hz", &FeedPrescription::frequency_hz, "design frequency, Hz"),
      required("feed", &FeedPrescription::feed, "the feed waveguide"));

  value_class<FeedDesignValue>(
      m, "FeedDesign", "A designed dish feed and how it lights the dish with its common phase centre at the focus.",
      required("design", &FeedDesignValue::design, "the horn design"),
      required("phase_deviation", &FeedDesignValue::phase_deviation, "S of the design's S plane, wavelengths"),
      required("edge_taper_db", &FeedDesignValue::edge_taper_db, "as prescribed, or as found by the search, dB"),
      required("dish", &FeedDesignValue::dish, "the illumination of the dish (floats)"),
      required("phase_center", &FeedDesignValue::phase_center, "at 10 dB, metres behind the aperture (floats)"));
}

void bind_parts_types(py::module_& m) {
  value_class<Panel>(
      m, "Panel",
      "One wall of the horn as a flat isosceles trapezoid, inner surface: lengths in metres, angles in degrees.",
      required("kind", &Panel::kind, "broad or narrow"),
      required("count", &Panel::count, "walls of this kind in the horn"),
      required("short_edge", &Panel::short_edge, "edge at the waveguide, m"),
      required("long_edge", &Panel::long_edge, "edge at the aperture, m"),
      required("height", &Panel::height, "between the two edges, in the panel's plane, m"),
      required("corner_edge", &Panel::corner_edge, "each slanted side, shared with the next wall, m"),
      required("flare_angle_deg", &Panel::flare_angle_deg, "between the wall and the axis, degrees"),
      required("corner_angle_deg", &Panel::corner_angle_deg,
               "dihedral between the inner faces of adjacent walls, degrees (90 in a straight guide)"));

  value_class<HornPanels>(m, "HornPanels", "The horn's two kinds of wall panel and its axial length, m.",
                          required("broad", &HornPanels::broad, "the two broad walls"),
                          required("narrow", &HornPanels::narrow, "the two narrow walls"),
                          required("axial_length", &HornPanels::axial_length, "waveguide to aperture, m"));

  value_class<LayoutSettings>(
      m, "LayoutOptions", "How to lay the panels out flat (flat_layout).",
      defaulted("kind", &LayoutSettings::kind, "separate pieces or one net"),
      defaulted("tab_width", &LayoutSettings::tab_width,
                "width of glue or solder tabs, m; 0 for none (a net still gets its joining tab)"),
      defaulted("message_lengths", &LayoutSettings::message_lengths, "the unit error messages show lengths in"));

  value_class<PlacedPanelValue>(
      m, "PlacedPanel", "One panel on the sheet, metres, y up.", required("kind", &PlacedPanelValue::kind, "broad or narrow"),
      required("corners", &PlacedPanelValue::corners,
               "(4, 2) array of (x, y), counterclockwise: waveguide edge, then aperture edge"),
      required("centre", &PlacedPanelValue::centre, "(x, y) of its centroid, where its label goes"),
      required("axis_angle_deg", &PlacedPanelValue::axis_angle_deg,
               "direction from its waveguide edge to its aperture edge, degrees counterclockwise from x"));

  value_class<FlatLayoutValue>(
      m, "FlatLayout",
      "The panels laid flat within [0, size[0]] × [0, size[1]], metres, y up: the panels, tabs, cut outlines "
      "(closed, counterclockwise) and fold lines.",
      required("panels", &FlatLayoutValue::panels, "list of PlacedPanel (in a net, in order around the horn)"),
      required("tabs", &FlatLayoutValue::tabs, "(n, 4, 2) array: each tab's corners, its fold from corner 3 to 0"),
      required("outlines", &FlatLayoutValue::outlines, "list of (k, 2) arrays, one cut outline per piece"),
      required("folds", &FlatLayoutValue::folds, "(n, 2, 2) array: each fold line's ends"),
      required("size", &FlatLayoutValue::size, "(width, height) of the layout, m"));

  value_class<SolidSettings>(
      m, "SolidOptions", "How to build the solid of the walls (horn_solid).",
      defaulted("wall_thickness", &SolidSettings::wall_thickness, "outward from the inner surface, square to each wall, m"),
      defaulted("throat_length", &SolidSettings::throat_length, "straight waveguide section before the flare, m"),
      defaulted("message_lengths", &SolidSettings::message_lengths, "the unit error messages show lengths in"));

  value_class<FacetsValue>(
      m, "Facets",
      "The triangles of a closed surface, metres: vertices counterclockwise seen from outside, outward unit "
      "normals.",
      required("normals", &FacetsValue::normals, "(n, 3) float64 array"),
      required("vertices", &FacetsValue::vertices, "(n, 3, 3) float64 array: vertex k of triangle i at [i, k]"));
}

void bind_types(py::module_& m) {
  bind_enums(m);
  bind_feed_enums(m);

  value_class<FrequencyBand>(m, "FrequencyBand", "A recommended operating band, hertz, ends included.",
                             required("low", &FrequencyBand::low, "lowest frequency of the band, Hz"),
                             required("high", &FrequencyBand::high, "highest frequency of the band, Hz"));

  value_class<Waveguide>(m, "Waveguide",
                         R"doc(Inner size of a rectangular feed waveguide, metres.

A catalogue guide (find_waveguide) carries its EIA name and its recommended
band; a custom size has neither.

Examples
--------
>>> tarniq.Waveguide(width=0.02286, height=0.01016)
Waveguide(width=0.02286, height=0.01016, name='', band=None)
)doc",
                         required("width", &Waveguide::width, "inner width, the broad wall (H plane), m"),
                         required("height", &Waveguide::height, "inner height, the narrow wall (E plane), m"),
                         defaulted("name", &Waveguide::name, "EIA name of a catalogue guide (\"WR-90\"), or empty"),
                         defaulted("band", &Waveguide::band, "recommended band of a catalogue guide, or None"));

  value_class<Horn>(
      m, "Horn",
      R"doc(A pyramidal horn fed from a rectangular waveguide, lengths in metres.

Each plane flares from the waveguide to the aperture; its slant radius runs
from that plane's flare apex to the aperture edge. Build one with make_horn
(one axial length, a horn that can be made) or make_horn_from_slant_radii;
every function that takes a Horn checks it and raises ValueError when a
length is not positive and finite, an aperture is not larger than its
waveguide dimension, or a slant radius is not longer than half its aperture.

Examples
--------
>>> horn = tarniq.make_horn(0.11, 0.08, 0.20, tarniq.find_waveguide("WR-90"))
>>> round(horn.h_slant_radius, 4), round(horn.e_slant_radius, 4)
(0.2584, 0.2326)
)doc",
      required("aperture_width", &Horn::aperture_width, "aperture width, H plane, m"),
      required("aperture_height", &Horn::aperture_height, "aperture height, E plane, m"),
      required("h_slant_radius", &Horn::h_slant_radius, "H-plane slant radius, flare apex to aperture edge, m"),
      required("e_slant_radius", &Horn::e_slant_radius, "E-plane slant radius, flare apex to aperture edge, m"),
      required("feed", &Horn::feed, "the feed waveguide"));

  value_class<HornDesign>(
      m, "HornDesign", "A designed horn, with its axial length and the plane of its phase deviation S.",
      required("horn", &HornDesign::horn, "the horn"),
      required("axial_length", &HornDesign::axial_length,
               "from the waveguide to the aperture, m (a table-method design: its S plane's)"),
      required("s_plane", &HornDesign::s_plane, "the plane whose aperture phase deviation is the prescription's S"));

  value_class<RectangularPrescription>(
      m, "RectangularPrescription",
      R"doc(What a rectangular horn is designed to (design_rectangular).

Full beamwidths in each plane, degrees, at level_db below the maximum
(exactly as given: 3.01 is half power); phase_deviation is the aperture
phase deviation S, wavelengths, of the method's S plane.
)doc",
      required("e_beamwidth_deg", &RectangularPrescription::e_beamwidth_deg, "E-plane full beamwidth, degrees"),
      required("h_beamwidth_deg", &RectangularPrescription::h_beamwidth_deg, "H-plane full beamwidth, degrees"),
      defaulted("level_db", &RectangularPrescription::level_db, "level of the beamwidths below the maximum, dB"),
      defaulted("phase_deviation", &RectangularPrescription::phase_deviation,
                "aperture phase deviation S of the S plane, wavelengths"),
      required("frequency_hz", &RectangularPrescription::frequency_hz, "design frequency, Hz"),
      required("feed", &RectangularPrescription::feed, "the feed waveguide"));

  value_class<SquarePrescription>(
      m, "SquarePrescription",
      R"doc(What a square horn on a square waveguide is designed to (design_square).

One full beamwidth, degrees, at level_db below the maximum, of the E
plane, the H plane or their average (plane).
)doc",
      required("beamwidth_deg", &SquarePrescription::beamwidth_deg, "full beamwidth, degrees"),
      defaulted("plane", &SquarePrescription::plane, "the plane whose beamwidth is prescribed"),
      defaulted("level_db", &SquarePrescription::level_db, "level of the beamwidth below the maximum, dB"),
      defaulted("phase_deviation", &SquarePrescription::phase_deviation, "aperture phase deviation S, wavelengths"),
      required("frequency_hz", &SquarePrescription::frequency_hz, "design frequency, Hz"),
      required("feed", &SquarePrescription::feed, "the feed waveguide (square)"));

  value_class<MessageUnit>(m, "LengthScale",
                           "The unit in which error and warning messages show lengths: its symbol and its size in "
                           "metres. Values, results and arguments stay in metres whatever it is.",
                           required("symbol", &MessageUnit::symbol, "the unit's symbol, as messages show it"),
                           required("metres", &MessageUnit::metres, "the unit's size, m"));
  m.attr("metres_scale") = MessageUnit{"m", metres_scale.metres};
  m.attr("centimetres_scale") = MessageUnit{"cm", centimetres_scale.metres};
  m.attr("millimetres_scale") = MessageUnit{"mm", millimetres_scale.metres};
  m.attr("inches_scale") = MessageUnit{"in", inches_scale.metres};

  value_class<DesignSettings>(
      m, "DesignOptions", "How to design: the method, and the unit of message lengths.",
      defaulted("method", &DesignSettings::method, "the design method"),
      defaulted("message_lengths", &DesignSettings::message_lengths, "the unit error messages show lengths in"));

  value_class<WarningSettings>(
      m, "WarningOptions",
      "What to check and how to say it: the table method adds the check of the phase "
      "deviations against the table's range; messages show lengths in message_lengths.",
      defaulted("method", &WarningSettings::method, "the method the horn is judged by"),
      defaulted("message_lengths", &WarningSettings::message_lengths, "the unit warning messages show lengths in"));

  value_class<Warning>(m, "Warning",
                       "A plain-language warning about a horn at a frequency (not a Python warning category).",
                       required("code", &Warning::code, "what it is about"),
                       required("plane", &Warning::plane, "the plane it is about, or None"),
                       required("message", &Warning::message, "one sentence naming the values"));

  value_class<BeamwidthValues>(
      m, "Beamwidths",
      "Full beamwidths of the two planes, degrees: floats (None where the cut never falls that far within ±90°) "
      "for one frequency, float64 arrays (NaN there) for an array of frequencies.",
      required("e_plane", &BeamwidthValues::e_plane, "E-plane beamwidth, degrees"),
      required("h_plane", &BeamwidthValues::h_plane, "H-plane beamwidth, degrees"));

  value_class<PatternCutValues>(m, "PatternCuts",
                                "Both principal-plane cuts at the same angles: float64 arrays of the angles' shape.",
                                required("angles_deg", &PatternCutValues::angles_deg, "the angles, degrees"),
                                required("e_plane_dbi", &PatternCutValues::e_plane_dbi, "E-plane directivity, dBi"),
                                required("h_plane_dbi", &PatternCutValues::h_plane_dbi, "H-plane directivity, dBi"));

  value_class<FresnelValues>(
      m, "FresnelIntegrals", "S(x) and C(x): floats for one x, float64 arrays of its shape for an array.",
      required("S", &FresnelValues::S, "∫₀ˣ sin(π t²/2) dt"), required("C", &FresnelValues::C, "∫₀ˣ cos(π t²/2) dt"));

  value_class<WaveguideModeValue>(m, "WaveguideMode", "A waveguide mode and its cutoff frequency.",
                                  required("name", &WaveguideModeValue::name, "\"TE20\", \"TE01\" or \"TE11\""),
                                  required("cutoff_hz", &WaveguideModeValue::cutoff_hz, "cutoff frequency, Hz"));

  value_class<WaveguideNameValues>(m, "WaveguideNames", "The names of a catalogue guide in the three naming systems.",
                                   required("eia", &WaveguideNameValues::eia, "EIA name, \"WR-90\""),
                                   required("iec", &WaveguideNameValues::iec, "IEC name, \"R100\""),
                                   required("british", &WaveguideNameValues::british, "British RCSC name, \"WG16\""));
  bind_feed_types(m);
  bind_parts_types(m);
}

}  // namespace tarniq::python
