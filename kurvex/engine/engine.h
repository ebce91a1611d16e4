#pragma once

// The equation engine of the grapher: syntax check and encoding, the text-rewriting evaluator
// and its function terms, the value text and the faults. Keeps no state between calls.

#include "checked.h"         // IWYU pragma: export
#include "evaluator.h"       // IWYU pragma: export
#include "faults.h"          // IWYU pragma: export
#include "function_terms.h"  // IWYU pragma: export
#include "message_sink.h"    // IWYU pragma: export
#include "power.h"           // IWYU pragma: export
#include "syntax_check.h"    // IWYU pragma: export
#include "value_text.h"      // IWYU pragma: export
