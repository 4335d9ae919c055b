// The whole tarniq library: pyramidal horn geometry, gain, patterns, beamwidths and designs.
#pragma once

#include "tarniq/beamwidth.hpp"
#include "tarniq/design.hpp"
#include "tarniq/errors.hpp"
#include "tarniq/fresnel.hpp"
#include "tarniq/gain.hpp"
#include "tarniq/gain_design.hpp"
#include "tarniq/horn.hpp"
#include "tarniq/pattern.hpp"
#include "tarniq/table_method.hpp"
#include "tarniq/units.hpp"
#include "tarniq/version.hpp"
#include "tarniq/warnings.hpp"
#include "tarniq/waveguide.hpp"
