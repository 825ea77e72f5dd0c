// Opening a sequence file from disk: only regular files are read, read errors
// are told, and a file whose session cannot fit is refused before it is read.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "sequence/SequenceFile.h"
#include "sequence/SessionMemory.h"

namespace bxl {
namespace {

using Failure = OpenedSequenceFile::Failure;
namespace fs = std::filesystem;

class OpenSequenceFile : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing::TempDir()) / ("bxl-open-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string file(const std::string& name, const std::string& bytes) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // A file of this size that holds no data: it must never be read.
  std::string sparse(const std::string& name, std::uintmax_t size) const {
    const std::string path = file(name, "");
    fs::resize_file(path, size);
    return path;
  }
  fs::path dir_;
};

// Nothing but a regular file is read: a named pipe would wait for a writer
// for good, a device would give bytes without end.
TEST_F(OpenSequenceFile, OnlyRegularFilesAreReadAndFailuresSayWhy) {
  const std::string fifo = (dir_ / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
  const std::string socketPath = (dir_ / "socket").string();
  const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);

  const struct {
    std::string path;
    Failure failure;
    std::string reason;
  } cases[] = {
      {dir_.string(), Failure::NotRegularFile, ""},
      {fifo, Failure::NotRegularFile, ""},
      {"/dev/zero", Failure::NotRegularFile, ""},
      {socketPath, Failure::NotRegularFile, ""},
      {(dir_ / "missing.txt").string(), Failure::Unreadable, "No such file or directory"},
      // A regular file whose reading fails at its first byte.
      {"/proc/self/mem", Failure::ReadError, "Input/output error"},
  };
  for (const auto& c : cases) {
    const OpenedSequenceFile opened = openSequenceFile(c.path);
    EXPECT_EQ(opened.failure, c.failure) << c.path;
    EXPECT_EQ(opened.reason, c.reason) << c.path;
    EXPECT_TRUE(opened.document.text.empty()) << c.path;
  }
  ::close(listening);
}

// A session needs kSessionBytesPerBase for every base the file may hold; the
// figures of a refusal are what was needed and what there was.
TEST_F(OpenSequenceFile, AFileIsRefusedBeforeItIsReadWhenItsSessionCannotFit) {
  const std::string bases = file("bases.txt", std::string(1000, 'A'));
  std::string units = "\xFF\xFE";
  for (int i = 0; i < 999; ++i) units += std::string("A\0", 2);
  const std::string utf16 = file("utf16.txt", units);  // 2000 bytes, 1000 units with the mark
  const std::uint64_t session = 1000 * kSessionBytesPerBase;
  const struct {
    std::string path;
    MemoryRoom room;
    Failure failure;
    std::uint64_t needed, available;
  } cases[] = {
      {bases, {}, Failure::None, 0, 0},  // nothing known, nothing bounds it
      {bases, {session, std::nullopt}, Failure::None, 0, 0},
      {bases, {session - 1, std::nullopt}, Failure::TooLarge, session, session - 1},
      {bases, {std::nullopt, session - 1}, Failure::TooLarge, session, session - 1},
      {bases, {2 * session, session - 7}, Failure::TooLarge, session, session - 7},  // the smaller figure counts
      {utf16, {session, std::nullopt}, Failure::None, 0, 0},  // two bytes a base
      // Never read, or these would take gigabytes: the file's size decides.
      {sparse("genome.txt", 1 << 30), {session, session}, Failure::TooLarge, sessionBytes(1 << 30), session},
      {sparse("too-long.txt", kLongestSequence + 1), {}, Failure::TooLong, kLongestSequence + 1, kLongestSequence},
      // The system gives no size for this file (needed: unknown before it is
      // read): it is held to the bound as it is read.
      {"/proc/self/status", {100 * kSessionBytesPerBase, std::nullopt}, Failure::TooLarge, 0, 100 * kSessionBytesPerBase},
  };
  for (const auto& c : cases) {
    const OpenedSequenceFile opened = openSequenceFile(c.path, c.room);
    EXPECT_EQ(opened.failure, c.failure) << c.path;
    EXPECT_EQ(opened.available, c.available) << c.path;
    if (c.failure == Failure::None) continue;
    EXPECT_EQ(opened.needed, c.needed != 0 ? c.needed : opened.needed) << c.path;
    EXPECT_GT(opened.needed, opened.available) << c.path;
    EXPECT_TRUE(opened.document.text.empty()) << c.path;
  }
  EXPECT_EQ(openSequenceFile(bases, {session, session}).document.text, std::string(1000, 'A'));
  EXPECT_EQ(sessionBytes(~std::uint64_t(0) / 2), ~std::uint64_t(0));  // saturates, never wraps
}

// The room under an address-space limit is what the limit leaves above the
// process's present size.
TEST(SessionMemory, TheAddressSpaceLimitLeavesItsRoomAboveTheProcess) {
  const MemoryRoom unlimited = memoryRoom();
  ASSERT_TRUE(unlimited.available.has_value());  // Linux tells MemAvailable
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_AS, &saved), 0);
  if (saved.rlim_cur != RLIM_INFINITY) GTEST_SKIP() << "an address-space limit is already set";
  EXPECT_FALSE(unlimited.addressSpace.has_value());

  std::ifstream statm("/proc/self/statm");
  std::uint64_t pages = 0;
  statm >> pages;
  constexpr std::uint64_t kGiB = 1 << 30;
  rlimit limit = saved;
  limit.rlim_cur = pages * std::uint64_t(::sysconf(_SC_PAGESIZE)) + kGiB;
  ASSERT_EQ(::setrlimit(RLIMIT_AS, &limit), 0);
  const MemoryRoom limited = memoryRoom();
  ::setrlimit(RLIMIT_AS, &saved);
  ASSERT_TRUE(limited.addressSpace.has_value());
  EXPECT_LE(*limited.addressSpace, kGiB);
  EXPECT_GT(*limited.addressSpace, kGiB - 64 * 1024 * 1024);
  EXPECT_EQ(*limited.least(), std::min(*limited.available, *limited.addressSpace));
}

}  // namespace
}  // namespace bxl
