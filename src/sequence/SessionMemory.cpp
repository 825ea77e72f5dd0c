#include "sequence/SessionMemory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace bxl {
namespace {

// "MemAvailable:   21400000 kB" in /proc/meminfo; none on systems without it.
std::optional<std::uint64_t> memAvailable() {
  std::ifstream meminfo("/proc/meminfo");
  std::string key;
  std::uint64_t kilobytes = 0;
  std::string unit;
  while (meminfo >> key >> kilobytes >> unit)
    if (key == "MemAvailable:") return kilobytes * 1024;
  return std::nullopt;
}

// The process's address space now: the first figure of /proc/self/statm, in pages.
std::optional<std::uint64_t> processSize() {
  std::ifstream statm("/proc/self/statm");
  std::uint64_t pages = 0;
  if (!(statm >> pages)) return std::nullopt;
  return pages * std::uint64_t(sysconf(_SC_PAGESIZE));
}

std::optional<std::uint64_t> addressSpaceLeft() {
  rlimit limit{};
  if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  const std::uint64_t size = processSize().value_or(0);
  return limit.rlim_cur > size ? std::uint64_t(limit.rlim_cur) - size : 0;
}

}  // namespace

std::optional<std::uint64_t> MemoryRoom::least() const {
  if (available && addressSpace) return std::min(*available, *addressSpace);
  return available ? available : addressSpace;
}

MemoryRoom memoryRoom() { return {memAvailable(), addressSpaceLeft()}; }

std::uint64_t sessionBytes(std::uint64_t bases) {
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
  return bases > kMost / kSessionBytesPerBase ? kMost : bases * kSessionBytesPerBase;
}

}  // namespace bxl
