// What the dialogs keep between their openings for the rest of the run, and nowhere else.
#pragma once

#include "dialogs/load_list_editor.h"

namespace qel {

// Run-time choices of the dialogs: never saved, never part of what a view shows.
struct DialogSession {
  // How OK of the load list dialogs numbers the rows, shared by the three lists. A list's OK
  // keeps its choice; Cancel leaves the one before.
  LoadSortOption loadSortOption = LoadSortOption::ByNumber;
};

}  // namespace qel
