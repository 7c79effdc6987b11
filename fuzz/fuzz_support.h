// What the fuzz targets share: an invariant that fails ends the run with its name, a scratch
// folder for the readers that take a path, and comparisons of what was read.
#pragma once

#include <string>
#include <string_view>

#include "document/document_tables.h"

namespace qel::fuzz {

// Ends the run (a finding) when `holds` is false.
void Require(bool holds, const char* invariant);

// A folder of this process for the files a target reads; every input rewrites the files it uses,
// so nothing read for one input is seen by the next.
const std::string& ScratchFolder();

// Writes `bytes` to `path`, replacing it.
void WriteFile(const std::string& path, std::string_view bytes);

// Whether every cell, every figure option and every soil line of the two documents is the same.
bool SameTables(const DocumentTables& a, const DocumentTables& b);

}  // namespace qel::fuzz
