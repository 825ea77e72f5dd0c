#pragma once
// Reading a sequence from the bytes of an opened file.
//
// A file whose name ends in ".bxl" (any case) is a BXL sequence document:
// lines 0 to 15 are a header (line 7 "PROTEIN" marks a protein document),
// the sequence lines follow up to a line "Font" (any case), and after it
// come formatting records "start-code-length" ("0-B12", "57-r3") that colour
// and style ranges of the joined sequence. Any other file is plain text: all
// of its lines are the sequence or, when it is a FASTA, GenBank or EMBL file
// (see Records.h), the sequence of its first record, without the record's
// header, annotation, position numbers and blanks. A plain-text file that
// yields no sequence (empty, blank lines, a FASTA header alone) is refused.
//
// Lines end at CR LF, LF or a lone CR. The sequence lines are joined without
// anything between them, so the text holds no line ends and a run's start is
// both its place in the text and its 0-based position in the editor.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sequence/Records.h"
#include "sequence/SessionMemory.h"

namespace bxl {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The look of a stretch of text: black and plain unless a record changed it.
struct TextStyle {
  Rgb color;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool operator==(const TextStyle&) const = default;
  bool isPlain() const { return *this == TextStyle{}; }
};

// Characters [start, start + length) of the text take this style.
struct StyleRun {
  std::size_t start = 0;
  std::size_t length = 0;
  TextStyle style;
  bool operator==(const StyleRun&) const = default;
};

struct SequenceFile {
  enum class Kind {
    Sequence,  // put text into the editor and apply runs
    Protein,   // a protein document: nothing is loaded
    Refused,   // unusable file: change nothing, show the message
  };
  enum class Problem {
    None,
    NotText,      // the file holds NUL bytes (refused)
    TooFewLines,  // a BXL document of fewer than 8 lines (refused)
    BadRecord,    // a formatting record is malformed; records before it are in runs
    NoSequence,   // a plain-text file without a sequence, or whose first record has none (refused)
  };

  Kind kind = Kind::Sequence;
  Problem problem = Problem::None;
  std::vector<std::string> lines;  // the file's lines, as the list box keeps them
  std::string text;                // the sequence for the editor, without line ends
  // Disjoint, in order, each with the whole style of its characters; the
  // characters outside every run stay plain black.
  std::vector<StyleRun> runs;
  std::size_t badRecordLine = 0;  // 1-based line of the malformed record
  std::string badRecord;          // that record's text
  std::size_t fastaRecords = 0;   // records of a FASTA file (only the first is loaded); 0 otherwise
  RecordFormat format = RecordFormat::None;  // the record format of a plain-text file
  std::size_t records = 0;                   // its records or entries, of any format
};

// name: the file's name or full path, only its ending is looked at.
// bytes: the file's content, brought to the 8-bit code page as decodeText
// does (byte-order marks, UTF-16 without a mark, UTF-8, else Windows-1252).
SequenceFile readSequenceFile(std::string_view name, std::string_view bytes);

// A file opened from disk: either why it could not be read, or its reading.
struct OpenedSequenceFile {
  enum class Failure {
    None,            // `document` holds the reading
    NotRegularFile,  // a folder, named pipe, device or socket: never read from
    Unreadable,      // the system refused to open it; `reason` says why
    ReadError,       // reading it failed; `reason` says why
    TooLarge,        // a session with it needs `needed` bytes and there are `available`
    TooLong,         // its sequence may have `needed` bases, more than the `available` a sequence can have
  };
  Failure failure = Failure::None;
  std::string reason;  // the system's words, in the user's locale ("No such file or directory")
  std::uint64_t needed = 0;
  std::uint64_t available = 0;
  SequenceFile document;
};

// Reads the whole file at `path` (as the file system names it, UTF-8 on this
// desktop) and then readSequenceFile on its bytes, which are not kept. Only a
// regular file is read, and only when a session with it fits in `room` (and
// its length in `Longitud`), judged by its size before a byte is read.
OpenedSequenceFile openSequenceFile(const std::string& path, const MemoryRoom& room);
// The same with the room this machine has now.
OpenedSequenceFile openSequenceFile(const std::string& path);

// What to tell the user after a reading, in the language of the caption
// "En" or "Es"; empty when there is nothing to say. Shown with an OK button.
std::string sequenceFileMessage(const SequenceFile& file, std::string_view idioma);

}  // namespace bxl
