// The kinds of error the library throws.
#pragma once

#include <stdexcept>
#include <string>

namespace tarniq {

// An argument outside its domain: a length, frequency or level that is not
// positive and finite, an aperture not larger than its waveguide, an unknown
// waveguide name. The message names the quantity and its value, e.g.
// "aperture width 0.02 m is not larger than the waveguide width 0.02286 m".
class InvalidArgument : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// A well-formed request that no horn meets: no design at that phase
// deviation, a gain that no horn on that waveguide reaches. The message says
// which prescription could not be met and why.
class NoSolution : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A search that ran out of steps before it could say whether a horn meets
// the request: not a proof that none does. The message names the search.
class SearchFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tarniq
