// Everything a renderer needs, owned by one object, with the standard settings of a fresh
// installation: for tests that draw displays onto a recording device.
#pragma once

#include "document/document_tables.h"
#include "settings/system_settings.h"
#include "support/computation_count.h"
#include "test_support/scripted_prompts.h"
#include "view/drawing.h"
#include "view/render_caches.h"
#include "view/render_context.h"
#include "view/view_state.h"

namespace qel::test {

// The settings and fonts of a fresh installation with A4 scales: 1/500, ranges 80 x 100 m.
void ApplyStandardSettings(SystemSettings& settings, FontSlots& fonts);

struct RenderWorld {
  RenderWorld();

  // The document the displays draw. A test edits `tables` (which start with the default scales
  // and print ranges of the standard settings) or sets `document` itself; Ctx() makes edited
  // tables the document's before it hands the context out.
  Document document;
  DocumentTables tables;
  // What `results` and `caches` compute.
  CountedComputations computations;
  DocumentResults results{computations.Results()};
  SystemSettings settings;
  FontSlots fonts;
  ViewState view;
  DeviceGeometry geometry;
  WorldTransform transform;
  ScriptedPrompts prompts;
  DrawingShortfalls shortfalls;
  RenderCaches caches;

  // The context to draw with, on the document as edited.
  RenderContext& Ctx();

  // Sets the resolution of the device being drawn on (geometry and the transform's mm scale)
  // and copies the margins into the transform, as the paint dispatcher does.
  void UseDevice(int dpiX, int dpiY);
  // Sets the printer paper in millimetres.
  void UsePaper(int widthMm, int heightMm);

 private:
  DocumentTables synced_;  // the tables last made the document's
  RenderContext ctx_{document, results,   CircleMethod::kExact, settings, fonts, view,
                     geometry, transform, shortfalls,           caches};
};

}  // namespace qel::test
