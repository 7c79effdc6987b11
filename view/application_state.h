// The process-wide state of the program, owned once: the document and its results, the system
// settings and fonts, and what the view shows.
#pragma once

#include "document/document.h"
#include "document/document_results.h"
#include "document/document_tables.h"
#include "settings/settings_files.h"
#include "settings/system_settings.h"
#include "view/drawing.h"
#include "view/render_caches.h"
#include "view/render_context.h"
#include "view/view_state.h"

namespace qel {

struct ApplicationState {
  Document document;        // changed only through its own methods: one undo step each
  DocumentResults results;  // computed from the document's cells when they changed
  // How circles are evaluated: the user's choice, kept in the profile.
  CircleMethod circleMethod = CircleMethod::kExact;
  SystemSettings settings;
  FontSlots fonts;
  SettingsFiles settingsFiles;  // where the settings and fonts are read from and saved
  ViewState view;
  DeviceGeometry geometry;
  WorldTransform transform;
  RenderCaches caches;
};

}  // namespace qel
