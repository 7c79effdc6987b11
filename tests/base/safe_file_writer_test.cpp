// What a save does to what is at its path: devices and pipes written in place, links kept,
// protection, owners and modes respected, nothing removed but its own temporary file.
#include "base/safe_file_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <future>
#include <thread>

#include "support/test_files.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

int EntriesIn(const std::string& folder) {
  int entries = 0;
  for (auto& entry : fs::directory_iterator(folder)) {
    (void)entry;
    ++entries;
  }
  return entries;
}

// The bytes that arrive at the read end of `fd` until every writer closed it.
std::string Drain(int fd) {
  std::string got;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    got.append(buffer, static_cast<std::size_t>(n));
  return got;
}

TEST(SafeFileWriter, WritesPipesAndDevicesInPlaceAndKeepsLinksToThem) {
  test::TempFolder folder;
  // A link to this process's own descriptor, as /dev/stdout is one to /proc/self/fd/1.
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const std::string stdoutLink = folder.File("stdout");
  fs::create_symlink("/proc/self/fd/" + std::to_string(pipeEnds[1]), stdoutLink);
  std::string fromPipe;
  std::thread reader([&] { fromPipe = Drain(pipeEnds[0]); });
  WriteOutcome outcome = WriteFileSafely(stdoutLink, "through the link");
  ::close(pipeEnds[1]);
  reader.join();
  ::close(pipeEnds[0]);
  EXPECT_TRUE(outcome.ok) << outcome.error;
  EXPECT_EQ(fromPipe, "through the link");
  EXPECT_TRUE(fs::is_symlink(stdoutLink));

  // A FIFO whose reader has its end open (without waiting for a writer) before the write.
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int fifoReader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(fifoReader, 0);
  outcome = WriteFileSafely(fifo, "into the fifo");
  ASSERT_EQ(::fcntl(fifoReader, F_SETFL, 0), 0);
  EXPECT_EQ(Drain(fifoReader), "into the fifo");
  ::close(fifoReader);
  EXPECT_TRUE(outcome.ok) << outcome.error;
  EXPECT_TRUE(fs::is_fifo(fifo));

  const std::string nullLink = folder.File("null.qdw");
  fs::create_symlink("/dev/null", nullLink);
  EXPECT_TRUE(WriteFileSafely(nullLink, "gone").ok);
  EXPECT_TRUE(fs::is_symlink(nullLink));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(EntriesIn(folder.path()), 3);  // nothing was made beside them
}

// A FIFO that nobody reads fails the write after a moment instead of waiting for ever; one
// whose reader opens its end within that moment takes the bytes.
TEST(SafeFileWriter, APipeWithoutAReaderFailsWithoutWaitingForOne) {
  test::TempFolder folder;
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    const char* what;
    std::chrono::milliseconds readerAfter;  // negative: no reader
    bool ok;
  };
  const Case cases[] = {{"no reader", std::chrono::milliseconds(-1), false},
                        {"a reader a little late", kPipeReaderGrace / 4, true}};
  for (const Case& c : cases) {
    std::future<WriteOutcome> write =
        std::async(std::launch::async, [&] { return WriteFileSafely(fifo, "for the reader"); });
    std::string got;
    if (c.readerAfter.count() >= 0) {
      std::this_thread::sleep_for(c.readerAfter);
      const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
      ASSERT_GE(fd, 0);
      write.wait_for(std::chrono::seconds(20));
      ASSERT_EQ(::fcntl(fd, F_SETFL, 0), 0);
      got = Drain(fd);
      ::close(fd);
    }
    if (write.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
      // A writer that waits for a reader is given one, so that the test ends.
      const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
      write.wait();
      ::close(fd);
      FAIL() << c.what << ": the write waited for a reader";
    }
    const WriteOutcome outcome = write.get();
    EXPECT_EQ(outcome.ok, c.ok) << c.what << outcome.error;
    EXPECT_EQ(outcome.noReader, !c.ok) << c.what;
    EXPECT_EQ(got, c.ok ? "for the reader" : "") << c.what;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
}

// Devices that fail and folders in the way are covered where qel-cli writes to them.
TEST(SafeFileWriter, AWriterGivenUpBeforeItsCommitLeavesTheOldFileAndNoTemporaryOne) {
  test::TempFolder folder;
  const std::string file = folder.File("data.qdw");
  test::WriteBytes(file, "old");
  {
    SafeFileWriter writer;
    ASSERT_TRUE(writer.Open(file));
    ASSERT_TRUE(writer.Write("half of the new"));
  }
  EXPECT_EQ(test::ReadBytes(file), "old");
  EXPECT_EQ(EntriesIn(folder.path()), 1);
}

TEST(SafeFileWriter, ALinkToNothingYetCreatesItsTargetAndStaysALink) {
  test::TempFolder folder;
  fs::create_symlink("real.qdw", folder.File("second"));
  fs::create_symlink(folder.File("second"), folder.File("first"));
  ASSERT_TRUE(WriteFileSafely(folder.File("first"), "new").ok);
  EXPECT_TRUE(fs::is_symlink(folder.File("first")));
  EXPECT_TRUE(fs::is_symlink(folder.File("second")));
  EXPECT_EQ(test::ReadBytes(folder.File("real.qdw")), "new");
}

TEST(SafeFileWriter, AFileNameAtTheSystemLimitCanBeSaved) {
  test::TempFolder folder;
  const std::string path = folder.File(std::string(251, 'n') + ".qdw");  // 255 bytes
  test::WriteBytes(path, "old");
  WriteOutcome outcome = WriteFileSafely(path, "new");
  EXPECT_TRUE(outcome.ok) << outcome.error;
  EXPECT_EQ(test::ReadBytes(path), "new");
  EXPECT_EQ(EntriesIn(folder.path()), 1);
}

// The folder is open to everyone so that the unprivileged user may make files in it.
struct SharedFolder {
  SharedFolder() { ::chmod(folder.path().c_str(), 0777); }
  test::TempFolder folder;
};

TEST(SafeFileWriter, AFileTheUserCouldNotWriteInPlaceIsNotReplaced) {
  SharedFolder shared;
  const std::string path = shared.folder.File("protected.qdw");
  test::WriteBytes(path, "protected");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  if (test::RunningAsRoot()) {
    ASSERT_EQ(::chown(path.c_str(), test::kUnprivilegedId, test::kUnprivilegedId), 0);
  }
  const int status = test::RunUnprivileged([&] {
    WriteOutcome outcome = WriteFileSafely(path, "replaced");
    return !outcome.ok && outcome.systemError == EACCES ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(test::ReadBytes(path), "protected");
  EXPECT_EQ(EntriesIn(shared.folder.path()), 1);
}

TEST(SafeFileWriter, AReplacedFileKeepsItsOwnerGroupAndMode) {
  if (!test::RunningAsRoot()) GTEST_SKIP() << "giving a file to another user needs root";
  test::TempFolder folder;
  const std::string path = folder.File("theirs.qdw");
  test::WriteBytes(path, "old");
  ASSERT_EQ(::chown(path.c_str(), test::kUnprivilegedId, test::kUnprivilegedId), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  WriteOutcome outcome = WriteFileSafely(path, "new");
  ASSERT_TRUE(outcome.ok) << outcome.error;
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, test::kUnprivilegedId);
  EXPECT_EQ(info.st_gid, test::kUnprivilegedId);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(test::ReadBytes(path), "new");
}

TEST(SafeFileWriter, AFileThatCannotBeReplacedByTheUserIsWrittenInPlace) {
  if (!test::RunningAsRoot()) GTEST_SKIP() << "a file of another user writable by us needs root";
  struct Case {
    const char* what;
    mode_t folderMode;
  };
  // Root's file, writable by all: the user cannot give a replacement to root, or cannot make
  // one at all in a folder closed to new files.
  const Case cases[] = {{"owner cannot be kept", 0777}, {"folder takes no new file", 0555}};
  for (const Case& c : cases) {
    test::TempFolder folder;
    const std::string path = folder.File("shared.qdw");
    test::WriteBytes(path, "a longer old content");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), c.folderMode), 0);
    struct stat before;
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const int status =
        test::RunUnprivileged([&] { return WriteFileSafely(path, "new").ok ? 0 : 1; });
    EXPECT_EQ(status, 0) << c.what;
    struct stat after;
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << c.what;  // the same file, still root's
    EXPECT_EQ(after.st_uid, 0u) << c.what;
    EXPECT_EQ(test::ReadBytes(path), "new") << c.what;
    EXPECT_EQ(EntriesIn(folder.path()), 1) << c.what;
    ::chmod(folder.path().c_str(), 0700);
  }
}

}  // namespace
}  // namespace qel
