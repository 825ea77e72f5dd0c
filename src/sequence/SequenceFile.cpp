#include "sequence/SequenceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "sequence/LineEnds.h"
#include "sequence/TextEncoding.h"

namespace bxl {
namespace {

constexpr std::size_t kHeaderLines = 16;
constexpr std::size_t kTypeLine = 7;
constexpr std::size_t kShownRecordLength = 40;

// lower: the expected text in lower case.
bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
  return text.size() == lower.size() &&
         std::equal(text.begin(), text.end(), lower.begin(),
                    [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a + 0x20) : a) == b; });
}

bool endsWithBxl(std::string_view name) {
  constexpr std::string_view suffix = ".bxl";
  return name.size() >= suffix.size() && equalsIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

// A line break is CR LF, LF or a lone CR; a break at the very end opens no
// further line.
std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  lines.reserve(std::size_t(std::count(text.begin(), text.end(), '\n')) + 1);
  LineEnds lineEnds(text);
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = lineEnds.next(begin);
    lines.emplace_back(text.substr(begin, end - begin));
    if (end == text.size()) break;
    begin = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += lines[i];
  return text;
}

bool isFontMarker(std::string_view line) { return equalsIgnoringCase(line, "font"); }

// Decimal digits only; a number beyond size_t saturates, which puts the range
// past the end of any text.
std::optional<std::size_t> parseCount(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::size_t value = 0;
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = std::size_t(c - '0');
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return value;
}

struct Record {
  std::size_t start;
  char code;
  std::size_t length;
};

std::optional<Record> parseRecord(std::string_view line) {
  const std::size_t dash = line.find('-');
  if (dash == std::string_view::npos || dash + 1 >= line.size()) return std::nullopt;
  const auto start = parseCount(line.substr(0, dash));
  const auto length = parseCount(line.substr(dash + 2));
  if (!start || !length) return std::nullopt;
  return Record{*start, line[dash + 1], *length};
}

// The four styles come first: they number the style counts of StyledText.
enum class Effect { Bold, Italic, Underline, Strikeout, Color };

struct Code {
  char code;
  Effect effect;
  Rgb color;
};

constexpr std::array<Code, 20> kCodes = {{
    {'B', Effect::Bold, {}},
    {'I', Effect::Italic, {}},
    {'U', Effect::Underline, {}},
    {'S', Effect::Strikeout, {}},
    {'b', Effect::Color, {0, 0, 255}},      // blue
    {'w', Effect::Color, {255, 255, 255}},  // white
    {'r', Effect::Color, {255, 0, 0}},      // red
    {'m', Effect::Color, {128, 0, 0}},      // maroon
    {'s', Effect::Color, {192, 192, 192}},  // silver
    {'l', Effect::Color, {0, 255, 0}},      // lime
    {'y', Effect::Color, {255, 255, 0}},    // yellow
    {'f', Effect::Color, {255, 0, 255}},    // fuchsia
    {'g', Effect::Color, {0, 128, 0}},      // green
    {'o', Effect::Color, {128, 128, 0}},    // olive
    {'q', Effect::Color, {0, 255, 255}},    // aqua
    {'n', Effect::Color, {0, 0, 128}},      // navy
    {'p', Effect::Color, {128, 0, 128}},    // purple
    {'t', Effect::Color, {0, 128, 128}},    // teal
    {'a', Effect::Color, {128, 128, 128}},  // gray
    {'k', Effect::Color, {0, 0, 0}},        // black
}};

// The records of a document, resolved into runs at once. Styles add to what
// a character has; a colour replaces its colour, so a character takes the
// colour of the last colour record over it. Only a record's ends can change
// a style, so the work is done between those ends, never a character at a
// time: a thousand records over a whole genome cost what the records cost,
// not a thousand passes over the genome.
class StyledText {
 public:
  explicit StyledText(std::size_t length) : length_(length) {}

  // A code outside the table changes nothing; a range is cut at the text's end.
  void apply(const Record& record) {
    const auto code = std::find_if(kCodes.begin(), kCodes.end(), [&](const Code& c) { return c.code == record.code; });
    if (code == kCodes.end() || record.start >= length_ || record.length == 0) return;
    const std::size_t end = record.start + std::min(record.length, length_ - record.start);
    ranges_.push_back({record.start, end, &*code});
  }

  // Disjoint, in order, each with the whole style of its characters; plain stretches are left out.
  std::vector<StyleRun> runs() const {
    // The stretches between neighbouring ends, each of one style throughout.
    std::vector<std::size_t> cuts;
    cuts.reserve(2 * ranges_.size());
    for (const Range& range : ranges_) cuts.insert(cuts.end(), {range.start, range.end});
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    if (cuts.empty()) return {};
    const std::size_t stretches = cuts.size() - 1;
    const auto stretchAt = [&](std::size_t position) {
      return std::size_t(std::lower_bound(cuts.begin(), cuts.end(), position) - cuts.begin());
    };

    // Styles: how many records of each begin minus end at every cut.
    constexpr std::size_t kStyles = 4;
    std::vector<std::array<int, kStyles>> opened(cuts.size(), std::array<int, kStyles>{});
    // Colours: the last record first, each stretch taking the first colour
    // that reaches it; `next` skips the stretches already coloured.
    std::vector<const Rgb*> colours(stretches, nullptr);
    std::vector<std::size_t> next(stretches + 1);
    for (std::size_t i = 0; i <= stretches; ++i) next[i] = i;
    const auto uncoloured = [&next](std::size_t i) {
      std::size_t root = i;
      while (next[root] != root) root = next[root];
      while (next[i] != root) i = std::exchange(next[i], root);
      return root;
    };
    for (auto range = ranges_.rbegin(); range != ranges_.rend(); ++range) {
      const std::size_t first = stretchAt(range->start), last = stretchAt(range->end);
      if (range->code->effect != Effect::Color) {
        ++opened[first][std::size_t(range->code->effect)];
        --opened[last][std::size_t(range->code->effect)];
        continue;
      }
      for (std::size_t i = uncoloured(first); i < last; i = uncoloured(i)) {
        colours[i] = &range->code->color;
        next[i] = i + 1;
      }
    }

    std::vector<StyleRun> runs;
    std::array<int, kStyles> open{};
    for (std::size_t i = 0; i < stretches; ++i) {
      for (std::size_t s = 0; s < kStyles; ++s) open[s] += opened[i][s];
      TextStyle style;
      if (colours[i]) style.color = *colours[i];
      style.bold = open[std::size_t(Effect::Bold)] > 0;
      style.italic = open[std::size_t(Effect::Italic)] > 0;
      style.underline = open[std::size_t(Effect::Underline)] > 0;
      style.strikeout = open[std::size_t(Effect::Strikeout)] > 0;
      if (style.isPlain()) continue;
      if (!runs.empty() && runs.back().start + runs.back().length == cuts[i] && runs.back().style == style)
        runs.back().length += cuts[i + 1] - cuts[i];
      else
        runs.push_back({cuts[i], cuts[i + 1] - cuts[i], style});
    }
    return runs;
  }

 private:
  struct Range {
    std::size_t start, end;
    const Code* code;
  };
  std::size_t length_;
  std::vector<Range> ranges_;
};

void readDocument(SequenceFile& file) {
  const std::vector<std::string>& lines = file.lines;
  if (lines.size() <= kTypeLine) {
    file.kind = SequenceFile::Kind::Refused;
    file.problem = SequenceFile::Problem::TooFewLines;
    return;
  }
  if (lines[kTypeLine] == "PROTEIN") {
    file.kind = SequenceFile::Kind::Protein;
    return;
  }
  const auto marker = std::find_if(lines.begin(), lines.end(), isFontMarker);
  const auto textEnd = std::size_t(marker - lines.begin());
  file.text = joinLines(lines, kHeaderLines, textEnd);
  if (marker == lines.end()) return;
  if (textEnd + 1 == lines.size()) {
    // A marker with nothing after it is not kept among the file's lines.
    file.lines.pop_back();
    return;
  }
  StyledText styles(file.text.size());
  for (std::size_t i = textEnd + 1; i < lines.size(); ++i) {
    const auto record = parseRecord(lines[i]);
    if (!record) {
      file.problem = SequenceFile::Problem::BadRecord;
      file.badRecordLine = i + 1;
      file.badRecord = lines[i];
      break;
    }
    styles.apply(*record);
  }
  file.runs = styles.runs();
}

bool holdsOnlyBlanks(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void refuseAsEmpty(SequenceFile& file) {
  file.kind = SequenceFile::Kind::Refused;
  file.problem = SequenceFile::Problem::NoSequence;
}

// A file in a record format loads the sequence of its first record; any other
// text loads all of its lines as they are.
void readPlainText(SequenceFile& file, std::string_view text) {
  RecordText records = recogniseRecords(text);
  file.format = records.format;
  file.records = records.records;
  if (records.format == RecordFormat::Fasta) file.fastaRecords = records.records;
  if (records.format == RecordFormat::None ? holdsOnlyBlanks(text) : records.first.sequence.empty()) {
    refuseAsEmpty(file);
    return;
  }
  file.lines = splitLines(text);
  if (records.format == RecordFormat::None)
    file.text = joinLines(file.lines, 0, file.lines.size());
  else
    file.text = std::move(records.first.sequence);
}

// The record as the message shows it: a long line is cut.
std::string shownRecord(const std::string& record) {
  if (record.size() <= kShownRecordLength) return record;
  return record.substr(0, kShownRecordLength) + "...";
}

}  // namespace

SequenceFile readSequenceFile(std::string_view name, std::string_view bytes) {
  SequenceFile file;
  // Bytes that are already in the code page are read where they are.
  const DetectedEncoding encoding = detectTextEncoding(bytes);
  std::string decoded;
  std::string_view text = bytes;
  if (encoding.encoding != TextEncoding::Windows1252) {
    decoded = toCodePage(bytes, encoding);
    text = decoded;
  }
  if (text.find('\0') != std::string_view::npos) {
    file.kind = SequenceFile::Kind::Refused;
    file.problem = SequenceFile::Problem::NotText;
    return file;
  }
  if (endsWithBxl(name)) {
    file.lines = splitLines(text);
    readDocument(file);
  } else {
    readPlainText(file, text);
  }
  return file;
}

namespace {

// Closes a file descriptor when the reading ends, however it ends.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// The most bases `size` bytes can hold: one a byte, or one in two bytes
// after a UTF-16 byte-order mark.
std::uint64_t mostBases(std::uint64_t size, std::string_view start) {
  const bool utf16 = start.size() == 2 && (start == "\xFF\xFE" || start == "\xFE\xFF");
  return utf16 ? size / 2 : size;
}

// Whether a session with this many bases can be held; fills in why not.
bool fits(std::uint64_t bases, const MemoryRoom& room, OpenedSequenceFile& opened) {
  const auto refuse = [&](OpenedSequenceFile::Failure failure, std::uint64_t needed, std::uint64_t available) {
    opened.failure = failure;
    opened.needed = needed;
    opened.available = available;
    return false;
  };
  if (bases > kLongestSequence) return refuse(OpenedSequenceFile::Failure::TooLong, bases, kLongestSequence);
  const auto least = room.least();
  if (least && sessionBytes(bases) > *least) return refuse(OpenedSequenceFile::Failure::TooLarge, sessionBytes(bases), *least);
  return true;
}

}  // namespace

OpenedSequenceFile openSequenceFile(const std::string& path, const MemoryRoom& room) {
  OpenedSequenceFile opened;
  const auto fail = [&opened](OpenedSequenceFile::Failure failure, int error) {
    opened.failure = failure;
    opened.reason = std::strerror(error);
    return opened;
  };
  const auto notRegular = [&opened] {
    opened.failure = OpenedSequenceFile::Failure::NotRegularFile;
    return opened;
  };
  // Looked at before it is opened: opening a named pipe would wait for a
  // writer, and a device may act on being opened.
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0) return fail(OpenedSequenceFile::Failure::Unreadable, errno);
  if (!S_ISREG(named.st_mode)) return notRegular();
  // Without waiting, and checked again, in case the path changed in between.
  const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (file.fd < 0) return fail(OpenedSequenceFile::Failure::Unreadable, errno);
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) return fail(OpenedSequenceFile::Failure::Unreadable, errno);
  if (!S_ISREG(info.st_mode)) return notRegular();

  const auto read = [&file](char* into, std::size_t count) {
    ssize_t got;
    do got = ::read(file.fd, into, count);
    while (got < 0 && errno == EINTR);
    return got;
  };
  std::string bytes;
  char chunk[1 << 16];
  const ssize_t first = read(chunk, 2);
  if (first < 0) return fail(OpenedSequenceFile::Failure::ReadError, errno);
  bytes.append(chunk, std::size_t(first));
  const auto size = std::uint64_t(info.st_size);
  if (!fits(mostBases(size, bytes), room, opened)) return opened;
  // Room for the whole file up front, so a genome's bytes are not moved as the text grows.
  bytes.reserve(std::size_t(size));
  for (ssize_t got = first; got > 0;) {
    got = read(chunk, sizeof chunk);
    if (got < 0) return fail(OpenedSequenceFile::Failure::ReadError, errno);
    bytes.append(chunk, std::size_t(got));
    // A file that grows as it is read, or whose size the system does not
    // tell (as under /proc), is held to the same bounds.
    if (bytes.size() > size && !fits(mostBases(bytes.size(), std::string_view(bytes).substr(0, 2)), room, opened))
      return opened;
  }
  opened.document = readSequenceFile(path, bytes);
  return opened;
}

OpenedSequenceFile openSequenceFile(const std::string& path) { return openSequenceFile(path, memoryRoom()); }

std::string sequenceFileMessage(const SequenceFile& file, std::string_view idioma) {
  const bool spanish = idioma == "Es";
  switch (file.problem) {
    case SequenceFile::Problem::NotText:
      return spanish ? "Este archivo no puede ser le\xED" "do: no es un archivo de texto."
                     : "This file can not be read: it is not a text file.";
    case SequenceFile::Problem::TooFewLines: {
      const std::string count = std::to_string(file.lines.size());
      return spanish ? "Este archivo no puede ser le\xED" "do como documento BXL: tiene " + count +
                           " l\xED" "neas y un documento tiene al menos 8."
                     : "This file can not be read as a BXL document: it has " + count +
                           " lines and a document has at least 8.";
    }
    case SequenceFile::Problem::BadRecord: {
      const std::string line = std::to_string(file.badRecordLine);
      const std::string record = shownRecord(file.badRecord);
      return spanish ? "L\xED" "nea " + line + ": el registro de formato '" + record +
                           "' no tiene la forma inicio-c\xF3" "digo-longitud (por ejemplo 0-B12). "
                           "Los registros anteriores se han aplicado."
                     : "Line " + line + ": the formatting record '" + record +
                           "' is not of the form start-code-length (for example 0-B12). "
                           "The records before it were applied.";
    }
    case SequenceFile::Problem::NoSequence: {
      if (file.records <= 1)
        return spanish ? "Este archivo no contiene ninguna secuencia." : "This file holds no sequence.";
      const std::string count = std::to_string(file.records);
      return spanish ? "El primero de los " + count + " registros de este archivo no contiene ninguna secuencia."
                     : "The first of the " + count + " records in this file holds no sequence.";
    }
    case SequenceFile::Problem::None:
      break;
  }
  if (file.kind == SequenceFile::Kind::Protein)
    return spanish ? "BeXalo detecta que este documento contiene una prote\xED" "na. En esta aplicaci\xF3" "n "
                     "solo se pueden abrir secuencias de nucle\xF3" "tidos."
                   : "BeXalo detected that this document holds a protein. Only nucleotide sequences can be "
                     "opened in this application.";
  return recordMessage(file.format, file.records, RecordSource::File, idioma);
}

}  // namespace bxl
