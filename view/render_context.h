// Everything a renderer reads and writes while it draws or counts the pages of one display.
#pragma once

#include "document/document.h"
#include "document/document_results.h"
#include "document/document_tables.h"
#include "platform/device_context.h"
#include "settings/system_settings.h"
#include "view/drawing.h"
#include "view/view_state.h"

namespace qel {

struct RenderCaches;

// What drawing could not do as asked. Renderers only count it: a paint never shows a message
// (a message box opened inside a paint would paint again under it), and whoever started the
// drawing tells the user once it is over.
struct DrawingShortfalls {
  int fontsNotMade = 0;  // text fonts the device could not make; their text used the font before
};

// The document is read only: its typed problems and soil profile, and the results they give.
struct RenderContext {
  const Document& document;
  const DocumentResults& results;
  CircleMethod circleMethod;  // how the circles' dP is computed
  const SystemSettings& settings;
  const FontSlots& fonts;
  ViewState& view;
  const DeviceGeometry& geometry;
  WorldTransform& transform;
  DrawingShortfalls& shortfalls;
  // Results and table layouts kept between paints, page counts and printed pages.
  RenderCaches& caches;
};

// Restores a transform a drawing changes, however the drawing ends.
class SavedTransform {
 public:
  explicit SavedTransform(WorldTransform& transform) : transform_(transform), saved_(transform) {}
  ~SavedTransform() { transform_ = saved_; }
  SavedTransform(const SavedTransform&) = delete;
  SavedTransform& operator=(const SavedTransform&) = delete;

 private:
  WorldTransform& transform_;
  WorldTransform saved_;
};

// The results of each problem of the document, and what they are computed from: worked out once
// per revision of the problem's loads (and circle method).
const ResultsGrid& StripResultsOf(const RenderContext& ctx);
const ResultsGrid& LatticeResultsOf(const RenderContext& ctx);
ResultsKey ResultsKeyOf(const RenderContext& ctx, Problem problem);

}  // namespace qel
