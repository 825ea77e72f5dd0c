#pragma once
// Sequence records in a text: FASTA, GenBank flat files and EMBL entries.
// One recogniser serves the file reader, pasting into the editor and the
// batch mode.
//
// The format is decided by the first line that is not blank:
// - ">" opens FASTA. Lines starting with ";" are comments, before the first
//   ">" and anywhere after it; a text whose first lines are comments is FASTA
//   only when a ">" line follows them. Each record runs to the next ">".
// - "LOCUS " opens GenBank: an entry runs from LOCUS over its annotation and
//   ORIGIN to "//".
// - "ID   " opens EMBL: an entry runs from ID over its annotation and SQ to "//".
// - Anything else makes a text in no record format (RecordFormat::None).
// Every record of a text has the format of the first. Between GenBank or EMBL
// entries, lines that open no entry are passed over. An entry without its
// "//" ends where the next entry opens or where the text ends; it is then
// marked incomplete.
//
// Lines end at CR LF, LF or a lone CR. A record's sequence is its sequence
// lines without position numbers, blanks (space, tab, vertical tab, form
// feed) and line ends; every other character stays as it is, in its case,
// IUPAC codes, gaps and stray characters included: the callers decide what
// else to clean.
#include <cstddef>
#include <deque>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace bxl {

enum class RecordFormat { None, Fasta, GenBank, Embl };

struct SequenceRecord {
  RecordFormat format = RecordFormat::None;
  // FASTA: the header's first word. GenBank: the VERSION (accession.version),
  // else the first ACCESSION, else the LOCUS name. EMBL: the ID line's
  // accession with its sequence version ("X56734.1", as GenBank's VERSION),
  // else the first AC accession, else the ID line's first word.
  std::string name;
  // FASTA: the header after ">". GenBank: DEFINITION; EMBL: DE; their
  // continuation lines joined by one blank. Blanks at either end trimmed.
  std::string description;
  std::string sequence;
  // The first usable /transl_table=N qualifier (N of one to three digits) in
  // the entry's feature table, in practice that of its first CDS; 0 when
  // there is none. Always 0 in FASTA.
  int translTable = 0;
  bool complete = true;  // GenBank, EMBL: the entry ended at its "//" line
  bool operator==(const SequenceRecord&) const = default;
};

// A whole text as the window sees it: its format, its first record and how
// many records it holds. Only the first record is filled; the others are
// counted. A text in no record format gives format None and no records.
struct RecordText {
  RecordFormat format = RecordFormat::None;
  SequenceRecord first;
  std::size_t records = 0;
};

RecordText recogniseRecords(std::string_view text);

// Records read one at a time from an input of unknown size: feed it the text
// in chunks cut anywhere, take the records that are complete with next(), and
// call finish() at the end of the input; a reader reads one input. It keeps
// the line being read and the record being built, so its memory stays within
// a few times the largest record as long as the records are taken as they
// come. Bytes are taken as they are: decode the input first when it may be
// UTF-16 (see TextEncoding.h).
//
// A text in no record format comes out as one record of format None holding
// the whole text as its sequence (cleaned like a record's sequence lines).
class RecordReader {
 public:
  RecordReader() = default;

  void feed(std::string_view chunk);
  void finish();
  std::optional<SequenceRecord> next();

  RecordFormat format() const { return format_; }  // None until decided
  std::size_t records() const { return records_; }  // records begun so far

 private:
  friend RecordText recogniseRecords(std::string_view text);
  enum class State { Start, Comments, Plain, Fasta, Header, Sequence, Between };

  void line(std::string_view text);
  void lineAtStart(std::string_view text);
  void headerLine(std::string_view text);
  bool opensEntry(std::string_view text) const;
  void begin(std::string_view text);
  void end(bool complete);
  bool keeping() const { return !firstOnly_ || records_ == 1; }
  void appendSequence(std::string_view text);

  bool firstOnly_ = false;  // fill only the first record, count the others
  bool stopped_ = false;    // the summary has what it needs
  std::size_t reserve_ = 0;  // room to take at once for a sequence
  bool afterCr_ = false;    // the last chunk ended in CR; a LF next is its line end
  std::string partial_;     // a line cut by the end of a chunk
  RecordFormat format_ = RecordFormat::None;
  State state_ = State::Start;
  std::size_t records_ = 0;
  bool inRecord_ = false;
  SequenceRecord current_;
  // Header of the GenBank or EMBL entry being read: what its continuation
  // lines belong to, and the names it gives (for EMBL, version_ is the SV number).
  enum class Continued { Other, Description, Features };
  Continued continued_ = Continued::Other;
  std::string locus_, accession_, version_;
  std::deque<SequenceRecord> ready_;
};

// Reads every record of a stream in chunks and hands each to `each` as soon
// as it is complete. False when the stream failed with a read error.
bool readRecords(std::istream& in, const std::function<void(SequenceRecord&&)>& each);

// Where a text came from, for what the user is told about it.
enum class RecordSource { File, Paste };

// What was left out when only the first record's sequence was taken, in the
// language of the caption "En" or "Es"; empty when there is nothing to say
// (no record format; a file of a single record).
std::string recordMessage(RecordFormat format, std::size_t records, RecordSource source, std::string_view idioma);

}  // namespace bxl
