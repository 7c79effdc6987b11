// One input line of qel-cli influence: the influence function it names, evaluated on its
// numbers.
#pragma once

#include <string>

#include "engine/circle_method.h"

namespace qel {

// The answer to one line: the value(s) as %.17g (two, blank-separated, for ramp), or
// "error: ..." for a line that names no function, has the wrong count of numbers or a word that
// is not a number. Never more than one line of text.
// `circle` lines use `method`.
std::string EvaluateInfluenceLine(const std::string& line,
                                  CircleMethod method = CircleMethod::kExact);

}  // namespace qel
