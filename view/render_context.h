// Everything a renderer reads and writes while it draws or counts the pages of one display.
#pragma once

#include "document/document_results.h"
#include "document/document_tables.h"
#include "platform/device_context.h"
#include "settings/drawing.h"
#include "settings/system_settings.h"
#include "view/view_state.h"

namespace qel {

class PromptService;
struct RenderCaches;

// The document is read only: its tables, and the results they give.
struct RenderContext {
  const DocumentTables& tables;
  const DocumentResults& results;
  const SystemSettings& settings;
  const FontSlots& fonts;
  ViewState& view;
  const DeviceGeometry& geometry;
  WorldTransform& transform;
  PromptService& prompts;
  // Results and table layouts kept between paints, page counts and printed pages.
  RenderCaches& caches;
};

}  // namespace qel
