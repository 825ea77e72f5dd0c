#include "sequence/Records.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <istream>
#include <vector>

#include "sequence/LineEnds.h"

namespace bxl {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

bool isBlankLine(std::string_view text) {
  for (char c : text)
    if (!isBlank(c)) return false;
  return true;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The first word of a text, ended by a blank or one of `ends`.
std::string_view firstWord(std::string_view text, std::string_view ends = {}) {
  text = trim(text);
  std::size_t n = 0;
  while (n < text.size() && !isBlank(text[n]) && ends.find(text[n]) == std::string_view::npos) ++n;
  return text.substr(0, n);
}

// Characters a sequence line loses: position numbers and blanks.
constexpr std::array<bool, 256> kDropped = [] {
  std::array<bool, 256> dropped{};
  for (char c = '0'; c <= '9'; ++c) dropped[static_cast<unsigned char>(c)] = true;
  for (char c : {' ', '\t', '\v', '\f'}) dropped[static_cast<unsigned char>(c)] = true;
  return dropped;
}();

// Whether any of eight bytes is below ':', as digits, blanks and control
// characters are and letters are not.
bool holdsByteBelowColon(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  constexpr std::uint64_t ones = 0x0101010101010101u;
  return ((word - ones * ':') & ~word & (ones * 0x80)) != 0;
}

bool opensGenBank(std::string_view text) {
  return text.starts_with("LOCUS") && (text.size() == 5 || isBlank(text[5]));
}

bool opensEmbl(std::string_view text) { return text.starts_with("ID   "); }

bool closesEntry(std::string_view text) { return text.starts_with("//"); }

// A GenBank keyword stands at the start of its line; continuation lines start blank.
std::string_view keywordOf(std::string_view text) {
  return text.empty() || isBlank(text.front()) ? std::string_view{} : firstWord(text);
}

// An EMBL line code: two characters, then blanks.
std::string_view emblCode(std::string_view text) {
  return text.size() >= 2 && (text.size() == 2 || text[2] == ' ') ? text.substr(0, 2) : std::string_view{};
}

// N of "/transl_table=N" in a feature line; 0 when absent or not a number of
// one to three digits.
int translTableIn(std::string_view text) {
  constexpr std::string_view qualifier = "/transl_table=";
  const std::size_t at = text.find(qualifier);
  if (at == std::string_view::npos) return 0;
  std::string_view digits = text.substr(at + qualifier.size());
  digits = digits.substr(0, digits.find_first_not_of("0123456789"));
  if (digits.empty() || digits.size() > 3) return 0;
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

void appendWords(std::string& to, std::string_view words) {
  words = trim(words);
  if (words.empty()) return;
  if (!to.empty()) to.push_back(' ');
  to.append(words);
}

}  // namespace

void RecordReader::feed(std::string_view chunk) {
  std::size_t i = 0;
  if (afterCr_ && !chunk.empty()) {
    afterCr_ = false;
    if (chunk.front() == '\n') i = 1;
  }
  LineEnds lineEnds(chunk);
  while (i < chunk.size() && !stopped_) {
    std::size_t end = lineEnds.next(i);
    if (end == chunk.size()) {
      partial_.append(chunk.substr(i));
      return;
    }
    if (partial_.empty()) {
      line(chunk.substr(i, end - i));
    } else {
      partial_.append(chunk.substr(i, end - i));
      line(partial_);
      partial_.clear();
    }
    if (chunk[end] == '\r') {
      if (end + 1 == chunk.size())
        afterCr_ = true;
      else if (chunk[end + 1] == '\n')
        ++end;
    }
    i = end + 1;
  }
}

void RecordReader::finish() {
  if (!partial_.empty() && !stopped_) line(partial_);
  partial_.clear();
  afterCr_ = false;
  if (state_ == State::Comments && !firstOnly_) {
    // Comment lines and nothing else: a text in no record format.
    ++records_;
    inRecord_ = true;
  }
  end(state_ != State::Header && state_ != State::Sequence);
  state_ = State::Between;
}

std::optional<SequenceRecord> RecordReader::next() {
  if (ready_.empty()) return std::nullopt;
  SequenceRecord record = std::move(ready_.front());
  ready_.pop_front();
  return record;
}

void RecordReader::line(std::string_view text) {
  switch (state_) {
    case State::Start:
    case State::Comments:
      lineAtStart(text);
      break;
    case State::Plain:
      appendSequence(text);
      break;
    case State::Fasta:
      if (text.starts_with('>')) {
        end(true);
        begin(text);
      } else if (!text.starts_with(';')) {
        appendSequence(text);
      }
      break;
    case State::Header:
    case State::Sequence:
      if (closesEntry(text)) {
        end(true);
        state_ = State::Between;
      } else if (opensEntry(text)) {
        end(false);
        begin(text);
      } else if (state_ == State::Header) {
        headerLine(text);
      } else {
        appendSequence(text);
      }
      break;
    case State::Between:
      if (opensEntry(text)) begin(text);
      break;
  }
}

void RecordReader::lineAtStart(std::string_view text) {
  if (isBlankLine(text)) return;
  if (text.starts_with(';')) {
    // Comments of a FASTA text, unless no record follows; then they are text.
    state_ = State::Comments;
    appendSequence(text);
    return;
  }
  const bool fasta = text.starts_with('>');
  const bool genBank = state_ == State::Start && opensGenBank(text);
  const bool embl = state_ == State::Start && opensEmbl(text);
  if (!fasta && !genBank && !embl) {
    if (firstOnly_) {
      stopped_ = true;
      return;
    }
    state_ = State::Plain;
    ++records_;
    inRecord_ = true;
    appendSequence(text);
    return;
  }
  format_ = fasta ? RecordFormat::Fasta : genBank ? RecordFormat::GenBank : RecordFormat::Embl;
  begin(text);
}

bool RecordReader::opensEntry(std::string_view text) const {
  return format_ == RecordFormat::GenBank ? opensGenBank(text) : opensEmbl(text);
}

void RecordReader::begin(std::string_view text) {
  ++records_;
  inRecord_ = true;
  current_ = SequenceRecord{};
  current_.format = format_;
  continued_ = Continued::Other;
  locus_.clear();
  accession_.clear();
  version_.clear();
  switch (format_) {
    case RecordFormat::Fasta:
      state_ = State::Fasta;
      current_.description = trim(text.substr(1));
      current_.name = firstWord(current_.description);
      break;
    case RecordFormat::GenBank:
      state_ = State::Header;
      locus_ = firstWord(text.substr(5));
      break;
    case RecordFormat::Embl: {
      // "ID   X56734; SV 1; linear; mRNA; STD; PLN; 1859 BP." or, in older
      // entries, "ID   AA03518    standard; DNA; FUN; 237 BP."
      state_ = State::Header;
      const std::string_view fields = trim(text.substr(2));
      locus_ = firstWord(fields, ";");
      const std::size_t semicolon = fields.find(';');
      if (semicolon != std::string_view::npos) {
        const std::string_view second = trim(fields.substr(semicolon + 1));
        if (second.starts_with("SV") && second.size() > 2 && isBlank(second[2]))
          version_ = firstWord(second.substr(2), ";");
      }
      break;
    }
    case RecordFormat::None:
      break;
  }
}

void RecordReader::headerLine(std::string_view text) {
  if (format_ == RecordFormat::GenBank) {
    const std::string_view keyword = keywordOf(text);
    if (keyword.empty()) {
      if (continued_ == Continued::Description) appendWords(current_.description, text);
      if (continued_ == Continued::Features && current_.translTable == 0) current_.translTable = translTableIn(text);
      return;
    }
    const std::string_view rest = text.substr(keyword.size());
    continued_ = Continued::Other;
    if (keyword == "DEFINITION") {
      appendWords(current_.description, rest);
      continued_ = Continued::Description;
    } else if (keyword == "ACCESSION") {
      if (accession_.empty()) accession_ = firstWord(rest);
    } else if (keyword == "VERSION") {
      version_ = firstWord(rest);
    } else if (keyword == "FEATURES") {
      continued_ = Continued::Features;
    } else if (keyword == "ORIGIN") {
      state_ = State::Sequence;
    }
    return;
  }
  const std::string_view code = emblCode(text);
  const std::string_view rest = text.substr(code.size());
  if (code == "DE") {
    appendWords(current_.description, rest);
  } else if (code == "AC") {
    if (accession_.empty()) accession_ = firstWord(rest, ";");
  } else if (code == "FT") {
    if (current_.translTable == 0) current_.translTable = translTableIn(rest);
  } else if (code == "SQ") {
    state_ = State::Sequence;
  }
}

void RecordReader::end(bool complete) {
  if (!inRecord_) return;
  inRecord_ = false;
  if (!keeping()) return;
  if (format_ == RecordFormat::GenBank)
    current_.name = !version_.empty() ? version_ : !accession_.empty() ? accession_ : locus_;
  else if (format_ == RecordFormat::Embl)
    current_.name = !version_.empty() ? locus_ + "." + version_ : !accession_.empty() ? accession_ : locus_;
  current_.complete = complete;
  // Room taken for the whole text and not needed goes back.
  if (current_.sequence.capacity() / 2 > current_.sequence.size()) current_.sequence.shrink_to_fit();
  ready_.push_back(std::move(current_));
  current_ = SequenceRecord{};
}

void RecordReader::appendSequence(std::string_view text) {
  if (!keeping()) return;
  std::string& sequence = current_.sequence;
  if (sequence.capacity() < reserve_) sequence.reserve(reserve_);
  // Runs of kept characters go in whole: a FASTA line is one copy.
  const char* p = text.data();
  const char* const end = p + text.size();
  while (end - p >= 8 && !holdsByteBelowColon(p)) p += 8;
  sequence.append(text.data(), std::size_t(p - text.data()));
  while (p < end) {
    const char* run = p;
    while (p < end && !kDropped[static_cast<unsigned char>(*p)]) ++p;
    sequence.append(run, std::size_t(p - run));
    while (p < end && kDropped[static_cast<unsigned char>(*p)]) ++p;
  }
}

bool readRecords(std::istream& in, const std::function<void(SequenceRecord&&)>& each) {
  RecordReader reader;
  std::vector<char> buffer(std::size_t(1) << 16);
  const auto drain = [&] {
    while (auto record = reader.next()) each(std::move(*record));
  };
  while (in) {
    in.read(buffer.data(), std::streamsize(buffer.size()));
    const std::streamsize count = in.gcount();
    if (count <= 0) break;
    reader.feed(std::string_view(buffer.data(), std::size_t(count)));
    drain();
  }
  reader.finish();
  drain();
  return !in.bad();
}

RecordText recogniseRecords(std::string_view text) {
  RecordReader reader;
  reader.firstOnly_ = true;
  // The first record's sequence is at most the text: one allocation, no regrowth.
  reader.reserve_ = text.size();
  reader.feed(text);
  reader.finish();
  RecordText result;
  result.format = reader.format();
  if (result.format == RecordFormat::None) return result;
  result.records = reader.records();
  if (auto first = reader.next()) result.first = std::move(*first);
  return result;
}

namespace {

// Index 0 English, 1 Spanish; %1 stands for the number of records.
struct RecordWords {
  RecordFormat format;
  std::array<const char*, 2> pastedOne;
  std::array<const char*, 2> pastedSeveral;
  std::array<const char*, 2> fileSeveral;
};

constexpr std::array<RecordWords, 3> kRecordWords = {{
    {RecordFormat::Fasta,
     {"The pasted text is a FASTA record: its header line was left out.",
      "El texto pegado es un registro FASTA: se ha omitido su l\xED" "nea de cabecera."},
     {"The pasted text holds %1 FASTA records: only the sequence of the first one was pasted.",
      "El texto pegado contiene %1 registros FASTA: solo se ha pegado la secuencia del primero."},
     {"The file holds %1 sequences; only the first one was loaded.",
      "El archivo contiene %1 secuencias; solo se ha cargado la primera."}},
    {RecordFormat::GenBank,
     {"The pasted text is a GenBank entry: its annotation lines were left out.",
      "El texto pegado es una entrada GenBank: se han omitido sus l\xED" "neas de anotaci\xF3" "n."},
     {"The pasted text holds %1 GenBank entries: only the sequence of the first one was pasted.",
      "El texto pegado contiene %1 entradas GenBank: solo se ha pegado la secuencia de la primera."},
     {"The file holds %1 GenBank entries; only the first one was loaded.",
      "El archivo contiene %1 entradas GenBank; solo se ha cargado la primera."}},
    {RecordFormat::Embl,
     {"The pasted text is an EMBL entry: its annotation lines were left out.",
      "El texto pegado es una entrada EMBL: se han omitido sus l\xED" "neas de anotaci\xF3" "n."},
     {"The pasted text holds %1 EMBL entries: only the sequence of the first one was pasted.",
      "El texto pegado contiene %1 entradas EMBL: solo se ha pegado la secuencia de la primera."},
     {"The file holds %1 EMBL entries; only the first one was loaded.",
      "El archivo contiene %1 entradas EMBL; solo se ha cargado la primera."}},
}};

}  // namespace

std::string recordMessage(RecordFormat format, std::size_t records, RecordSource source, std::string_view idioma) {
  const RecordWords* words = nullptr;
  for (const RecordWords& w : kRecordWords)
    if (w.format == format) words = &w;
  if (words == nullptr || records == 0) return {};
  const std::size_t language = idioma == "Es" ? 1 : 0;
  const char* text = source == RecordSource::Paste
                         ? (records == 1 ? words->pastedOne : words->pastedSeveral)[language]
                         : (records == 1 ? nullptr : words->fileSeveral[language]);
  if (text == nullptr) return {};
  std::string message = text;
  if (const std::size_t at = message.find("%1"); at != std::string::npos)
    message.replace(at, 2, std::to_string(records));
  return message;
}

}  // namespace bxl
