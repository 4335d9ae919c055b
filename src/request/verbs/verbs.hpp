// The verbs: each reads its options, calls the library and fills a result.
#pragma once

#include "request/result.hpp"
#include "request/verbs/verb_context.hpp"

namespace tarniq::request {

// Each throws UsageError for a bad option, NoSolution (or the library's
// InvalidArgument) when no result answers the request.
Result design_verb(const VerbContext& context);
Result gain_design_verb(const VerbContext& context);
Result analyze_verb(const VerbContext& context);
Result pattern_verb(const VerbContext& context);
Result parts_verb(const VerbContext& context);
Result waveguides_verb(const VerbContext& context);
Result field_verb(const VerbContext& context);
Result phase_center_verb(const VerbContext& context);
Result dish_verb(const VerbContext& context);
Result feed_design_verb(const VerbContext& context);

}  // namespace tarniq::request
