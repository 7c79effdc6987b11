// A shipped example read as a document, for the tests that compute on the examples.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "document/data_file.h"
#include "document/document.h"

namespace qel::test {

// examples/`file` as the program opens it; a failed read fails the test that asked.
inline Document ExampleDocument(const char* file) {
  DocumentTables tables;
  EXPECT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR "/examples/") + file, tables), ReadStatus::Ok)
      << file;
  return Document(tables);
}

}  // namespace qel::test
