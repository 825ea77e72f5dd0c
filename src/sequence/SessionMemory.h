#pragma once
// How much memory a session with a sequence takes, and how much this machine
// can give one now: a file too large for the session is refused before it is
// read, instead of failing half-way through a command.
#include <cstdint>
#include <limits>
#include <optional>

namespace bxl {

// Peak bytes a whole session holds for each base of its sequence: the file's
// lines, the editor, the working copies, the three frames and the display,
// measured over opening, translating, labelling and a strand operation on a
// 20 Mb FASTA file (about 53 bytes a base). Lower it as the window holds less.
inline constexpr std::uint64_t kSessionBytesPerBase = 56;

// The longest sequence the workspace can describe: `Longitud` is a 32-bit count.
inline constexpr std::uint64_t kLongestSequence = std::uint64_t(std::numeric_limits<std::int32_t>::max());

// What this process may still take, in bytes; an unknown figure sets no bound.
struct MemoryRoom {
  std::optional<std::uint64_t> available;     // the machine's MemAvailable
  std::optional<std::uint64_t> addressSpace;  // what the address-space limit leaves above this process's size
  // The smaller of the two known figures; none when neither is known.
  std::optional<std::uint64_t> least() const;
};

// The room as /proc/meminfo, RLIMIT_AS and /proc/self/statm give it now.
MemoryRoom memoryRoom();

// Bytes a session with this many bases needs, saturating instead of overflowing.
std::uint64_t sessionBytes(std::uint64_t bases);

}  // namespace bxl
