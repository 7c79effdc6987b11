// Safe writing when the system fails: the reason is kept for the message, the old file is kept
// until the rename, and after it the folder is flushed so that the rename survives a power cut.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "base/text_file.h"
#include "document/document.h"
#include "document/document_save.h"
#include "faults/system_call_faults.h"
#include "platform/messages.h"
#include "settings/system_settings.h"
#include "support/test_files.h"

namespace qel {
namespace {

int EntriesIn(const std::string& folder) {
  int entries = 0;
  for (auto& entry : std::filesystem::directory_iterator(folder)) {
    (void)entry;
    ++entries;
  }
  return entries;
}

TEST(WriteFaults, TheFolderIsFlushedAfterTheRename) {
  test::TempFolder folder;
  const std::string path = folder.File("data.qdw");
  test::WriteBytes(path, "old");
  test::ArmedFaults faults({folder.path()}, path);
  ASSERT_TRUE(WriteFileSafely(path, "new").ok);
  std::vector<test::FolderSync> syncs = faults.folderSyncs();
  ASSERT_EQ(syncs.size(), 1u);
  EXPECT_EQ(std::filesystem::canonical(syncs[0].folder), std::filesystem::canonical(folder.path()));
  EXPECT_EQ(syncs[0].watchedFileBytes, "new");  // flushed after the rename, not before
}

TEST(WriteFaults, EachFailureKeepsItsReason) {
  struct Case {
    const char* what;
    int writeError, fileSyncError, folderSyncError;
    int expected;
    const char* fileAfter;  // the rename has happened only when the folder flush fails
  };
  const Case cases[] = {
      {"disk full", ENOSPC, 0, 0, ENOSPC, "old"},
      {"quota", EDQUOT, 0, 0, EDQUOT, "old"},
      {"I/O error on write", EIO, 0, 0, EIO, "old"},
      {"I/O error on flushing the file", 0, EIO, 0, EIO, "old"},
      {"I/O error on flushing the folder", 0, 0, EIO, EIO, "new"},
      {"a folder that cannot be flushed at all", 0, 0, EINVAL, 0, "new"},
  };
  for (const Case& c : cases) {
    test::TempFolder folder;
    const std::string path = folder.File("data.qdw");
    test::WriteBytes(path, "old");
    WriteOutcome outcome;
    {
      test::ArmedFaults faults({folder.path(), c.writeError, c.fileSyncError, c.folderSyncError},
                               path);
      outcome = WriteFileSafely(path, "new");
    }
    EXPECT_EQ(outcome.ok, c.expected == 0) << c.what;
    EXPECT_EQ(outcome.systemError, c.expected) << c.what;
    EXPECT_EQ(test::ReadBytes(path), c.fileAfter) << c.what;
    EXPECT_EQ(EntriesIn(folder.path()), 1) << c.what;  // no temporary file is left behind
  }
}

TEST(WriteFaults, AFailedSaveSaysTheDiskIsFull) {
  test::TempFolder folder;
  const std::string path = folder.File("data.qdw");
  test::WriteBytes(path, "precious");
  DocumentTables tables;
  DocumentResults results;
  SystemSettings settings;
  SaveOutcome outcome;
  {
    test::ArmedFaults faults({folder.path(), ENOSPC}, path);
    outcome = SaveDocument(path, Document(tables), results, CircleMethod::kExact, settings);
  }
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message, MessageText(MessageId::SaveDiskFull, path));
  EXPECT_EQ(test::ReadBytes(path), "precious");
}

}  // namespace
}  // namespace qel
