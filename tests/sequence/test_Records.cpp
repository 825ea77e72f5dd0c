#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Fixtures.h"
#include "sequence/Records.h"

namespace bxl {

void PrintTo(const SequenceRecord& r, std::ostream* out) {
  *out << "{format " << int(r.format) << ", name \"" << r.name << "\", description \"" << r.description
       << "\", sequence \"" << r.sequence << "\", transl_table " << r.translTable
       << (r.complete ? "" : ", incomplete") << "}";
}

namespace {

using Format = RecordFormat;

using test::fixture;

// Every record of the text, fed to the reader in chunks of `chunk` bytes.
std::vector<SequenceRecord> readInChunks(std::string_view text, std::size_t chunk) {
  RecordReader reader;
  std::vector<SequenceRecord> records;
  for (std::size_t at = 0; at < text.size(); at += chunk) {
    reader.feed(text.substr(at, chunk));
    while (auto record = reader.next()) records.push_back(std::move(*record));
  }
  reader.finish();
  while (auto record = reader.next()) records.push_back(std::move(*record));
  return records;
}

std::string withLineEnds(std::string text, const std::string& lineEnd) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out += lineEnd;
    else out.push_back(c);
  }
  return out;
}

SequenceRecord record(Format format, std::string name, std::string description, std::string sequence,
                      int translTable = 0, bool complete = true) {
  return {format, std::move(name), std::move(description), std::move(sequence), translTable, complete};
}

const std::string kGeneA =
    "atggctaaagacaattacataacatacacgtcagcacgaaacttgttggcccagtgtgaatcgcttacaagggttaagtaagtgtgatgcatacgcctttact"
    "tgctgtgtccaccccatcggactgtaa";
const std::string kGeneB = "atggcatttttattacactcagaaacagaactcgggtaattttgacaggtcacgcagaggcgcgccctcctgtga";
const std::string kGeneC =
    "atgaagtgcgtggacactcgctatgaatctctgatttacccactctgccaaactccagcgcggtcagttccatcaccctaagtaacctaa";

const struct {
  const char* file;
  std::vector<SequenceRecord> records;
} kFixtures[] = {
    {"two-entries.gb",
     {record(Format::GenBank, "ZQ000101.2",
             "Synthetic construct mitochondrial test gene A (tgaA) gene, partial cds; written for the reader's tests.",
             kGeneA, 5),
      record(Format::GenBank, "ZQ000102.1", "Synthetic construct bacterial test gene B (tgbB) gene, complete cds.",
             kGeneB, 11)}},
    {"entry.embl",
     {record(Format::Embl, "ZQ000201.3",
             "Synthetic construct test gene C (tgcC) gene, complete cds; written for the reader's tests.", kGeneC,
             4)}},
    {"comments.fasta",
     {record(Format::Fasta, "rec1", "rec1 first record, with IUPAC codes", "ATGAAATTTGRYKMSWnn"),
      record(Format::Fasta, "rec2", "rec2 second record", "CCCGGG"), record(Format::Fasta, "rec3", "rec3", "TTT")}},
};

TEST(Records, FlatFilesGiveEachRecordWithoutAnnotationNumbersOrBlanks) {
  for (const auto& f : kFixtures) {
    const std::string text = fixture(f.file);
    std::istringstream in(text);
    std::vector<SequenceRecord> streamed;
    EXPECT_TRUE(readRecords(in, [&](SequenceRecord&& r) { streamed.push_back(std::move(r)); }));
    EXPECT_EQ(streamed, f.records) << f.file;

    const RecordText whole = recogniseRecords(text);
    EXPECT_EQ(whole.format, f.records[0].format) << f.file;
    EXPECT_EQ(whole.records, f.records.size()) << f.file;
    EXPECT_EQ(whole.first, f.records[0]) << f.file;
  }
}

// Chunks may cut lines, CR LF pairs and keywords anywhere; line ends may be
// of any kind.
TEST(Records, AnySplitOfTheInputAndAnyLineEndGiveTheSameRecords) {
  for (const auto& f : kFixtures) {
    for (const char* lineEnd : {"\n", "\r\n", "\r"}) {
      const std::string text = withLineEnds(fixture(f.file), lineEnd);
      for (std::size_t chunk : {1, 2, 3, 7, 64, 100000})
        EXPECT_EQ(readInChunks(text, chunk), f.records) << f.file << ", chunks of " << chunk;
    }
  }
}

TEST(Records, DecidesTheFormatByTheFirstLineThatIsNotBlank) {
  const struct {
    std::string text;
    Format format;
    std::size_t records;
    std::string firstSequence;
  } cases[] = {
      {"", Format::None, 0, ""},
      {" \t\n\r\n", Format::None, 0, ""},
      {"ATGAAA\nCCC\n", Format::None, 0, ""},
      {"ATG\n>b\nCC\n", Format::None, 0, ""},  // a '>' further down makes no record
      {" >a\nATG\n", Format::None, 0, ""},
      {";comment\n;another\n", Format::None, 0, ""},
      {";comment\nATG\n>a\nCC\n", Format::None, 0, ""},  // comments, then text
      {";comment\nLOCUS       X 3 bp\nORIGIN\n 1 acg\n//\n", Format::None, 0, ""},
      {"LOCUSX 3 bp\nORIGIN\n 1 acg\n//\n", Format::None, 0, ""},
      {"ID 1\nATG\n", Format::None, 0, ""},
      {"\n  \n;c1\n\n;c2\n>a x\nAC GT 12\n>b\n", Format::Fasta, 2, "ACGT"},
      {">a\n;inner comment\nAC\n;\nGT", Format::Fasta, 1, "ACGT"},
      {">", Format::Fasta, 1, ""},
      {"LOCUS\nORIGIN\n        1 acgt\n//", Format::GenBank, 1, "acgt"},
      {"\nLOCUS\tX\nORIGIN\n        1 acgt\n//\n", Format::GenBank, 1, "acgt"},
      {"ID   X; SV 1\nSQ   Sequence 4 BP;\n     acgt  4\n//\n", Format::Embl, 1, "acgt"},
  };
  for (const auto& c : cases) {
    const RecordText found = recogniseRecords(c.text);
    EXPECT_EQ(found.format, c.format) << testing::PrintToString(c.text);
    EXPECT_EQ(found.records, c.records) << testing::PrintToString(c.text);
    EXPECT_EQ(found.first.sequence, c.firstSequence) << testing::PrintToString(c.text);
    // The reader agrees, and gives a text in no record format as one record.
    const std::vector<SequenceRecord> streamed = readInChunks(c.text, 5);
    if (c.format != Format::None) {
      EXPECT_EQ(streamed.size(), c.records) << testing::PrintToString(c.text);
      if (!streamed.empty()) {
        EXPECT_EQ(streamed[0], found.first);
      }
    }
  }
  EXPECT_EQ(readInChunks(" ATG 1\n\nC-c*\n", 3), (std::vector{record(Format::None, "", "", "ATGC-c*")}));
  EXPECT_EQ(readInChunks(";comment 1\n;ac\n", 3), (std::vector{record(Format::None, "", "", ";comment;ac")}));
  EXPECT_TRUE(readInChunks("\n \n", 1).empty());
}

// Entries cut short keep their annotation out of the sequence: an entry
// without "//" ends where the next one opens, or at the end of the text.
TEST(Records, EntriesCutShortStillKeepTheirAnnotationOut) {
  const std::string genBank =
      "LOCUS       A1 8 bp\nACCESSION   A1\nORIGIN\n        1 acgtacgt\n"
      "LOCUS       B2 4 bp\nDEFINITION  no origin.\nCONTIG      join(X:1..4)\n//\n"
      "stray line between entries\n"
      "LOCUS       C3 4 bp\nVERSION     C3.7\nFEATURES             Location/Qualifiers\n"
      "     CDS             1..4\n                     /transl_table=x\nORIGIN\n        1 ggcc\n";
  EXPECT_EQ(readInChunks(genBank, 4), (std::vector{record(Format::GenBank, "A1", "", "acgtacgt", 0, false),
                                                   record(Format::GenBank, "B2", "no origin.", ""),
                                                   record(Format::GenBank, "C3.7", "", "ggcc", 0, false)}));
  const std::string embl =
      "ID   OLD01    standard; DNA; FUN; 4 BP.\nAC   P1; P2;\nSQ   Sequence\n     acgt 4\n"
      "ID   NEW02; SV 2; linear\nDE   second\nSQ\n     tt  2\n//\n";
  EXPECT_EQ(readInChunks(embl, 4), (std::vector{record(Format::Embl, "P1", "", "acgt", 0, false),
                                                record(Format::Embl, "NEW02.2", "second", "tt")}));
  EXPECT_EQ(recogniseRecords(embl).records, 2u);
}

TEST(Records, NamesFallBackToWhatTheHeaderHolds) {
  const struct {
    std::string text;
    std::string name;
    std::string description;
  } cases[] = {
      {">  sp|P1|X  a  gene \n", "sp|P1|X", "sp|P1|X  a  gene"},
      {">\tname\n", "name", "name"},
      {"LOCUS       LOC1 4 bp\nACCESSION   ACC1 ACC2\nORIGIN\n//\n", "ACC1", ""},
      {"LOCUS       LOC1 4 bp\nVERSION     ACC1.3  GI:1\nACCESSION   ACC1\nORIGIN\n//\n", "ACC1.3", ""},
      {"LOCUS\nDEFINITION  one\n            two\nKEYWORDS    .\n            three\n//\n", "", "one two"},
      {"ID   ENT1    standard; DNA\nSQ\n//\n", "ENT1", ""},
      {"ID   ENT1; SV 4; linear\nAC   ACC1;\nSQ\n//\n", "ENT1.4", ""},
  };
  for (const auto& c : cases) {
    const SequenceRecord first = recogniseRecords(c.text).first;
    EXPECT_EQ(first.name, c.name) << c.text;
    EXPECT_EQ(first.description, c.description) << c.text;
  }
}

// The code of an entry is that of the first usable /transl_table of its
// features; the qualifier elsewhere in the annotation does not count.
TEST(Records, TheEntrysCodeIsTheFirstTranslTableOfItsFeatures) {
  const std::string genBankFeatures = "LOCUS       X 3 bp\nCOMMENT     /transl_table=3\nFEATURES             Location\n";
  const struct {
    std::string text;
    int code;
  } cases[] = {
      {genBankFeatures + "     CDS   1..3\n           /transl_table=11\n     CDS   1..3\n   /transl_table=4\n//\n", 11},
      {genBankFeatures + "     CDS   1..3\n           /transl_table=99999999999999999999\n"
                         "     CDS   1..3\n           /transl_table=2\n//\n", 2},
      {genBankFeatures + "           /transl_table=1000 /transl_table=\n//\n", 0},
      {genBankFeatures + "ORIGIN\n//\n", 0},
      {"ID   X; SV 1\nCC   /transl_table=3\nFT   CDS 1..3\nFT        /transl_table=23\n//\n", 23},
  };
  for (const auto& c : cases) EXPECT_EQ(recogniseRecords(c.text).first.translTable, c.code) << c.text;
}

TEST(Records, MessagesSayWhatWasLeftOutInBothLanguages) {
  const struct {
    Format format;
    std::size_t records;
    RecordSource source;
    const char* english;
    const char* spanish;
  } cases[] = {
      {Format::Fasta, 1, RecordSource::Paste, "The pasted text is a FASTA record: its header line was left out.",
       "El texto pegado es un registro FASTA: se ha omitido su l\xEDnea de cabecera."},
      {Format::GenBank, 1, RecordSource::Paste,
       "The pasted text is a GenBank entry: its annotation lines were left out.",
       "El texto pegado es una entrada GenBank: se han omitido sus l\xEDneas de anotaci\xF3n."},
      {Format::Embl, 1, RecordSource::Paste, "The pasted text is an EMBL entry: its annotation lines were left out.",
       "El texto pegado es una entrada EMBL: se han omitido sus l\xEDneas de anotaci\xF3n."},
      {Format::Fasta, 3, RecordSource::Paste,
       "The pasted text holds 3 FASTA records: only the sequence of the first one was pasted.",
       "El texto pegado contiene 3 registros FASTA: solo se ha pegado la secuencia del primero."},
      {Format::Embl, 12, RecordSource::Paste,
       "The pasted text holds 12 EMBL entries: only the sequence of the first one was pasted.",
       "El texto pegado contiene 12 entradas EMBL: solo se ha pegado la secuencia de la primera."},
      {Format::Fasta, 3, RecordSource::File, "The file holds 3 sequences; only the first one was loaded.",
       "El archivo contiene 3 secuencias; solo se ha cargado la primera."},
      {Format::GenBank, 2, RecordSource::File, "The file holds 2 GenBank entries; only the first one was loaded.",
       "El archivo contiene 2 entradas GenBank; solo se ha cargado la primera."},
      {Format::Embl, 2, RecordSource::File, "The file holds 2 EMBL entries; only the first one was loaded.",
       "El archivo contiene 2 entradas EMBL; solo se ha cargado la primera."},
      // A file of one record, and text in no record format, need no word.
      {Format::GenBank, 1, RecordSource::File, "", ""},
      {Format::None, 0, RecordSource::Paste, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(recordMessage(c.format, c.records, c.source, "En"), c.english);
    EXPECT_EQ(recordMessage(c.format, c.records, c.source, "Es"), c.spanish);
  }
}

}  // namespace
}  // namespace bxl
