// The two independent problems of a document.
#pragma once

namespace qel {

enum class Problem { Strip, RectCircle };

}  // namespace qel
