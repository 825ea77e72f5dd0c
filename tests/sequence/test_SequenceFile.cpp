#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "Fixtures.h"
#include "sequence/SequenceFile.h"

namespace bxl {

// Readable failures: a run as "{start+length rgb(r,g,b) B I U S}".
void PrintTo(const StyleRun& run, std::ostream* out) {
  const TextStyle& s = run.style;
  *out << "{" << run.start << "+" << run.length << " rgb(" << int(s.color.red) << "," << int(s.color.green) << ","
       << int(s.color.blue) << ")" << (s.bold ? " B" : "") << (s.italic ? " I" : "") << (s.underline ? " U" : "")
       << (s.strikeout ? " S" : "") << "}";
}

namespace {

using Kind = SequenceFile::Kind;
using Problem = SequenceFile::Problem;

// A BXL document: 16 header lines (line 7 names the type), then the body.
std::string document(const std::vector<std::string>& body, const std::string& type = "DNA",
                     const std::string& lineEnd = "\r\n") {
  std::string text;
  for (int i = 0; i < 16; ++i) text += (i == 7 ? type : "header " + std::to_string(i)) + lineEnd;
  for (const std::string& line : body) text += line + lineEnd;
  return text;
}

TextStyle colored(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return TextStyle{{r, g, b}}; }

TextStyle bold() {
  TextStyle s;
  s.bold = true;
  return s;
}

TEST(SequenceFile, JoinsTheSequenceLinesAndStylesRangesByTheRecords) {
  const SequenceFile f =
      readSequenceFile("x.bxl", document({"ATGAAA", "TTTG", "Font", "0-r3", "6-B4", "2-I2", "2-g1"}));
  EXPECT_EQ(f.kind, Kind::Sequence);
  EXPECT_EQ(f.problem, Problem::None);
  EXPECT_EQ(f.text, "ATGAAATTTG");
  EXPECT_EQ(f.lines.size(), 23u);
  EXPECT_EQ(f.lines[16], "ATGAAA");
  TextStyle italicGreen = colored(0, 128, 0);  // a later colour replaces, styles add
  italicGreen.italic = true;
  TextStyle italic;
  italic.italic = true;
  const std::vector<StyleRun> runs = {
      {0, 2, colored(255, 0, 0)}, {2, 1, italicGreen}, {3, 1, italic}, {6, 4, bold()}};
  EXPECT_EQ(f.runs, runs);
  EXPECT_EQ(sequenceFileMessage(f, "En"), "");
}

TEST(SequenceFile, EveryCodeHasItsEffect) {
  TextStyle italic, underline, strikeout;
  italic.italic = true;
  underline.underline = true;
  strikeout.strikeout = true;
  const struct {
    char code;
    TextStyle style;
  } cases[] = {
      {'B', bold()}, {'I', italic}, {'U', underline}, {'S', strikeout},
      {'b', colored(0, 0, 255)},     {'w', colored(255, 255, 255)}, {'r', colored(255, 0, 0)},
      {'m', colored(128, 0, 0)},     {'s', colored(192, 192, 192)}, {'l', colored(0, 255, 0)},
      {'y', colored(255, 255, 0)},   {'f', colored(255, 0, 255)},   {'g', colored(0, 128, 0)},
      {'o', colored(128, 128, 0)},   {'q', colored(0, 255, 255)},   {'n', colored(0, 0, 128)},
      {'p', colored(128, 0, 128)},   {'t', colored(0, 128, 128)},   {'a', colored(128, 128, 128)},
  };
  for (const auto& c : cases) {
    const SequenceFile f = readSequenceFile("x.bxl", document({"ACGTACGT", "Font", std::string("2-") + c.code + "3"}));
    EXPECT_EQ(f.runs, (std::vector<StyleRun>{{2, 3, c.style}})) << c.code;
  }
  // Black is the plain colour: it undoes an earlier colour. Unknown codes do nothing.
  const SequenceFile f = readSequenceFile("x.bxl", document({"ACGTACGT", "Font", "0-r8", "0-k4", "0-x8", "0-i8"}));
  EXPECT_EQ(f.runs, (std::vector<StyleRun>{{4, 4, colored(255, 0, 0)}}));
  EXPECT_EQ(f.problem, Problem::None);
}

TEST(SequenceFile, RangesPastTheEndApplyToThePartThatExists) {
  const SequenceFile f = readSequenceFile(
      "x.bxl", document({"ACGTACGTAC", "Font", "8-r5", "10-B2", "99999999999999999999999-I1", "0-U99999999999999999999"}));
  TextStyle underline;
  underline.underline = true;
  TextStyle redUnderline = colored(255, 0, 0);
  redUnderline.underline = true;
  EXPECT_EQ(f.problem, Problem::None);
  EXPECT_EQ(f.runs, (std::vector<StyleRun>{{0, 8, underline}, {8, 2, redUnderline}}));
}

// Records are resolved together, not a character at a time; the runs must be
// those of applying every record in order to every character it covers.
TEST(SequenceFile, OverlappingRecordsGiveTheRunsOfApplyingThemInOrder) {
  std::mt19937 random(7);
  const std::string codes = "BIUSbrgkz";  // the styles, three colours, black, an unknown code
  const auto applyTo = [](TextStyle& s, char code) {
    switch (code) {
      case 'B': s.bold = true; break;
      case 'I': s.italic = true; break;
      case 'U': s.underline = true; break;
      case 'S': s.strikeout = true; break;
      case 'b': s.color = {0, 0, 255}; break;
      case 'r': s.color = {255, 0, 0}; break;
      case 'g': s.color = {0, 128, 0}; break;
      case 'k': s.color = {}; break;
      default: break;
    }
  };
  for (int round = 0; round < 500; ++round) {
    const std::size_t length = random() % 40;
    std::vector<std::string> body = {std::string(length, 'A'), "Font"};
    std::vector<TextStyle> styles(length);
    for (std::size_t r = 0, records = random() % 12; r < records; ++r) {
      const std::size_t start = random() % 45, count = random() % 20;
      const char code = codes[random() % codes.size()];
      body.push_back(std::to_string(start) + "-" + code + std::to_string(count));
      for (std::size_t i = start; i < std::min(length, start + count); ++i) applyTo(styles[i], code);
    }
    std::vector<StyleRun> expected;
    for (std::size_t i = 0; i < length; ++i) {
      if (styles[i].isPlain()) continue;
      if (!expected.empty() && expected.back().start + expected.back().length == i && expected.back().style == styles[i])
        ++expected.back().length;
      else
        expected.push_back({i, 1, styles[i]});
    }
    const SequenceFile f = readSequenceFile("x.bxl", document(body));
    ASSERT_EQ(f.runs, expected) << testing::PrintToString(body);
  }
}

TEST(SequenceFile, AMalformedRecordStopsTheRecordsAndIsNamed) {
  for (const std::string bad : {"0x-B3", "-B3", "5-B", "5B3", "", "0-B3 ", " 0-B3", "0-B-3", "5-", "+1-B2"}) {
    const SequenceFile f = readSequenceFile("x.bxl", document({"ATGAAA", "TTTG", "Font", "0-r3", bad, "6-B4"}));
    EXPECT_EQ(f.kind, Kind::Sequence) << bad;
    EXPECT_EQ(f.problem, Problem::BadRecord) << bad;
    EXPECT_EQ(f.badRecordLine, 21u) << bad;  // counted from 1, as an editor shows it
    EXPECT_EQ(f.badRecord, bad);
    EXPECT_EQ(f.text, "ATGAAATTTG");
    EXPECT_EQ(f.runs, (std::vector<StyleRun>{{0, 3, colored(255, 0, 0)}})) << bad;
  }
  const SequenceFile f = readSequenceFile("x.bxl", document({"ATG", "Font", "0-r3", "0x-B3"}));
  EXPECT_EQ(sequenceFileMessage(f, "En"),
            "Line 20: the formatting record '0x-B3' is not of the form start-code-length (for example 0-B12). "
            "The records before it were applied.");
  EXPECT_EQ(sequenceFileMessage(f, "Es"),
            "L\xEDnea 20: el registro de formato '0x-B3' no tiene la forma inicio-c\xF3" "digo-longitud "
            "(por ejemplo 0-B12). Los registros anteriores se han aplicado.");
  const std::string longRecord(200, '7');
  const std::string shown = sequenceFileMessage(readSequenceFile("x.bxl", document({"A", "Font", longRecord})), "En");
  EXPECT_NE(shown.find("'" + std::string(40, '7') + "...'"), std::string::npos) << shown;
}

TEST(SequenceFile, FindsTheMarkerInAnyCaseAsAWholeLine) {
  const struct {
    std::vector<std::string> body;
    std::string text;
    std::size_t lines;
  } cases[] = {
      {{"ATG", "FONT", "0-B1"}, "ATG", 19},
      {{"ATG", "font", "0-B1"}, "ATG", 19},
      {{"ATG", "Font ", "CC"}, "ATGFont CC", 19},  // a trailing blank: sequence text
      {{"ATG", "CC"}, "ATGCC", 18},                 // no marker: everything after the header
      {{"ATG", "CC", "Font"}, "ATGCC", 18},         // a last-line marker leaves the lines
      {{"Font", "0-B1"}, "", 18},                   // marker right after the header
      {{}, "", 16},
  };
  for (const auto& c : cases) {
    const SequenceFile f = readSequenceFile("x.bxl", document(c.body));
    EXPECT_EQ(f.kind, Kind::Sequence);
    EXPECT_EQ(f.problem, Problem::None);
    EXPECT_EQ(f.text, c.text);
    EXPECT_EQ(f.lines.size(), c.lines) << c.text;
  }
}

TEST(SequenceFile, AProteinDocumentLoadsNothing) {
  const SequenceFile f = readSequenceFile("x.bxl", document({"MKLV", "Font", "0-B1"}, "PROTEIN"));
  EXPECT_EQ(f.kind, Kind::Protein);
  EXPECT_EQ(f.text, "");
  EXPECT_TRUE(f.runs.empty());
  EXPECT_EQ(f.lines.size(), 19u);
  EXPECT_EQ(sequenceFileMessage(f, "En"),
            "BeXalo detected that this document holds a protein. Only nucleotide sequences can be opened in "
            "this application.");
  EXPECT_NE(sequenceFileMessage(f, "Es").find("prote\xEDna"), std::string::npos);
  // Only the exact word marks a protein.
  EXPECT_EQ(readSequenceFile("x.bxl", document({"ACG"}, "protein")).kind, Kind::Sequence);
}

TEST(SequenceFile, RefusesShortDocumentsAndFilesThatAreNotText) {
  const SequenceFile shortDocument = readSequenceFile("x.bxl", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
  EXPECT_EQ(shortDocument.kind, Kind::Refused);
  EXPECT_EQ(shortDocument.problem, Problem::TooFewLines);
  EXPECT_EQ(sequenceFileMessage(shortDocument, "En"),
            "This file can not be read as a BXL document: it has 7 lines and a document has at least 8.");
  EXPECT_EQ(sequenceFileMessage(shortDocument, "Es"),
            "Este archivo no puede ser le\xED" "do como documento BXL: tiene 7 l\xEDneas y un documento tiene al "
            "menos 8.");
  // Eight lines are enough; the sequence is then empty.
  const SequenceFile eight = readSequenceFile("x.bxl", "1\n2\n3\n4\n5\n6\n7\n8");
  EXPECT_EQ(eight.kind, Kind::Sequence);
  EXPECT_EQ(eight.text, "");

  for (const char* name : {"x.bxl", "x.txt"}) {
    const SequenceFile binary = readSequenceFile(name, std::string("ATG\0\x01\x02\r\nCC", 10));
    EXPECT_EQ(binary.kind, Kind::Refused);
    EXPECT_EQ(binary.problem, Problem::NotText);
    EXPECT_TRUE(binary.lines.empty());
    EXPECT_EQ(sequenceFileMessage(binary, "En"), "This file can not be read: it is not a text file.");
    EXPECT_EQ(sequenceFileMessage(binary, "Es"), "Este archivo no puede ser le\xED" "do: no es un archivo de texto.");
  }
}

TEST(SequenceFile, OnlyABxlEndingMakesADocument) {
  const std::string bytes = document({"ATG", "Font", "0-B1"});
  for (const char* name : {"seq.BXL", "C:\\data\\seq.Bxl", ".bxl"})
    EXPECT_EQ(readSequenceFile(name, bytes).text, "ATG") << name;
  for (const char* name : {"seq.txt", "seq.bxl.txt", "bxl", "seqbxl", ""}) {
    const SequenceFile f = readSequenceFile(name, bytes);
    EXPECT_EQ(f.text.substr(0, 8), "header 0") << name;  // every line, the header included
    EXPECT_TRUE(f.runs.empty());
  }
}

TEST(SequenceFile, PlainTextJoinsAllItsLinesWhateverTheirEnds) {
  const SequenceFile f = readSequenceFile("seq.txt", "ATG\r\nAAA\nTT\rTG\r\n\r\n");
  EXPECT_EQ(f.kind, Kind::Sequence);
  EXPECT_EQ(f.text, "ATGAAATTTG");
  EXPECT_EQ(f.lines, (std::vector<std::string>{"ATG", "AAA", "TT", "TG", ""}));
  EXPECT_EQ(f.fastaRecords, 0u);
  EXPECT_EQ(sequenceFileMessage(f, "En"), "");
  EXPECT_EQ(readSequenceFile("seq.txt", "").text, "");
}

TEST(SequenceFile, DocumentsReadTheSameWithAnyLineEnd) {
  const std::vector<std::string> body = {"ATGAAA", "TTTG", "Font", "0-r3", "6-B4"};
  const SequenceFile crlf = readSequenceFile("x.bxl", document(body, "DNA", "\r\n"));
  for (const char* lineEnd : {"\n", "\r"}) {
    const SequenceFile other = readSequenceFile("x.bxl", document(body, "DNA", lineEnd));
    EXPECT_EQ(other.lines, crlf.lines);
    EXPECT_EQ(other.text, crlf.text);
    EXPECT_EQ(other.runs, crlf.runs);
  }
  EXPECT_EQ(crlf.runs.size(), 2u);
}

TEST(SequenceFile, FastaLoadsTheFirstRecordAndCountsTheOthers) {
  const SequenceFile one = readSequenceFile("seq.fasta", "\r\n>seq1 a gene\r\nATGAAA\r\nTTTG\r\n");
  EXPECT_EQ(one.text, "ATGAAATTTG");
  EXPECT_EQ(one.fastaRecords, 1u);
  EXPECT_EQ(sequenceFileMessage(one, "En"), "");

  const SequenceFile three = readSequenceFile("seq.fa", ">a\nATG\nCC\n>b\nGGG\n>c\nTTT\n");
  EXPECT_EQ(three.kind, Kind::Sequence);
  EXPECT_EQ(three.text, "ATGCC");
  EXPECT_EQ(three.fastaRecords, 3u);
  EXPECT_EQ(three.lines.size(), 7u);
  EXPECT_EQ(sequenceFileMessage(three, "En"), "The file holds 3 sequences; only the first one was loaded.");
  EXPECT_EQ(sequenceFileMessage(three, "Es"), "El archivo contiene 3 secuencias; solo se ha cargado la primera.");

  // A '>' further down does not make a file FASTA.
  const SequenceFile notFasta = readSequenceFile("seq.txt", "ATG\n>b\nCC\n");
  EXPECT_EQ(notFasta.text, "ATG>bCC");
  EXPECT_EQ(notFasta.fastaRecords, 0u);
}

TEST(SequenceFile, ByteOrderMarksAreReadAsTheirEncoding) {
  // UTF-8: é is in the code page, α is not.
  EXPECT_EQ(readSequenceFile("s.txt", "\xEF\xBB\xBF" "AT\xC3\xA9\r\n\xCE\xB1G").text, "AT\xE9?G");
  // UTF-16 holds NUL bytes yet is text.
  const std::string little("\xFF\xFE" "A\0T\0\r\0\n\0G\0\xAC\x20", 14);  // ... G €
  EXPECT_EQ(readSequenceFile("s.txt", little).text, "ATG\x80");
  const std::string big("\xFE\xFF\0A\xD8\x3D\xDE\x00\0C", 10);  // A, an emoji (one character), C
  EXPECT_EQ(readSequenceFile("s.txt", big).text, "A?C");
}

// A record file loads its first record's sequence alone: no header letters,
// position numbers or blanks in front of the bases.
TEST(SequenceFile, RecordFilesLoadTheSequenceOfTheirFirstRecord) {
  const struct {
    const char* file;
    RecordFormat format;
    std::size_t records;
    std::string text;
    const char* english;
    const char* spanish;
  } cases[] = {
      {"two-entries.gb", RecordFormat::GenBank, 2,
       "atggctaaagacaattacataacatacacgtcagcacgaaacttgttggcccagtgtgaatcgcttacaagggttaagtaagtgtgatgcatacgcctttac"
       "ttgctgtgtccaccccatcggactgtaa",
       "The file holds 2 GenBank entries; only the first one was loaded.",
       "El archivo contiene 2 entradas GenBank; solo se ha cargado la primera."},
      {"entry.embl", RecordFormat::Embl, 1,
       "atgaagtgcgtggacactcgctatgaatctctgatttacccactctgccaaactccagcgcggtcagttccatcaccctaagtaacctaa", "", ""},
      {"comments.fasta", RecordFormat::Fasta, 3, "ATGAAATTTGRYKMSWnn",
       "The file holds 3 sequences; only the first one was loaded.",
       "El archivo contiene 3 secuencias; solo se ha cargado la primera."},
  };
  for (const auto& c : cases) {
    const std::string bytes = test::fixture(c.file);
    const SequenceFile f = readSequenceFile(c.file, bytes);
    EXPECT_EQ(f.kind, Kind::Sequence) << c.file;
    EXPECT_EQ(f.text, c.text) << c.file;
    EXPECT_EQ(f.format, c.format) << c.file;
    EXPECT_EQ(f.records, c.records) << c.file;
    EXPECT_EQ(f.lines.size(), std::size_t(std::count(bytes.begin(), bytes.end(), '\n'))) << c.file;
    EXPECT_EQ(sequenceFileMessage(f, "En"), c.english) << c.file;
    EXPECT_EQ(sequenceFileMessage(f, "Es"), c.spanish) << c.file;
  }
}

// Refused before anything changes, so the window can keep the user's text.
TEST(SequenceFile, APlainFileWithoutASequenceIsRefused) {
  for (const std::string bytes : {"", "\r\n \t\r\n\n", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF\0\n",
                                  ">header alone\n", ";comment\n>header\n\n", ">a\n12 34\n",
                                  "LOCUS       X 0 bp\nORIGIN\n//\n", "ID   X; SV 1\n//\n"}) {
    const SequenceFile f = readSequenceFile("x.txt", bytes);
    EXPECT_EQ(f.kind, Kind::Refused) << testing::PrintToString(bytes);
    EXPECT_EQ(f.problem, Problem::NoSequence) << testing::PrintToString(bytes);
    EXPECT_TRUE(f.lines.empty());
    EXPECT_EQ(sequenceFileMessage(f, "En"), "This file holds no sequence.");
    EXPECT_EQ(sequenceFileMessage(f, "Es"), "Este archivo no contiene ninguna secuencia.");
  }
  const SequenceFile firstEmpty = readSequenceFile("x.fa", ">a\n>b\nATG\n");
  EXPECT_EQ(firstEmpty.problem, Problem::NoSequence);
  EXPECT_EQ(sequenceFileMessage(firstEmpty, "En"), "The first of the 2 records in this file holds no sequence.");
  EXPECT_EQ(sequenceFileMessage(firstEmpty, "Es"),
            "El primero de los 2 registros de este archivo no contiene ninguna secuencia.");
  // Files with something to show still load: digits, which the window cleans
  // away itself, and BXL documents of an empty sequence.
  EXPECT_EQ(readSequenceFile("x.txt", "123\n").text, "123");
  EXPECT_EQ(readSequenceFile("x.bxl", document({})).kind, Kind::Sequence);
}

TEST(SequenceFile, UnicodeFilesWithoutAMarkAreDecoded) {
  const SequenceFile utf8 = readSequenceFile("utf8.txt", test::fixture("utf8.txt"));
  EXPECT_EQ(utf8.kind, Kind::Sequence);
  EXPECT_EQ(utf8.text, "ATG???AAACCC\xE9");  // three Greek letters, three marks
  for (const char* name : {"utf16le.txt", "utf16be.txt"}) {
    const SequenceFile utf16 = readSequenceFile(name, test::fixture(name));
    EXPECT_EQ(utf16.kind, Kind::Sequence) << name;
    EXPECT_EQ(utf16.format, RecordFormat::Fasta) << name;
    EXPECT_EQ(utf16.text, "ATGAAATTTGCCC") << name;
    EXPECT_EQ(utf16.lines, (std::vector<std::string>{">g\xE8ne ?", "ATGAAATTTG", "CCC"})) << name;
  }
}

// From disk: the bytes reach the reader untouched (an ending in upper case, a
// lone CR, the middle dot). Paths that cannot be read: test_OpenSequenceFile.
TEST(SequenceFile, OpensFilesFromDisk) {
  const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "bxl-open-sequence-file";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "doc.BXL").string();
  std::ofstream(path, std::ios::binary) << document({"AT\xB7G", "C\rGG", "Font", "0-r2"});

  const OpenedSequenceFile opened = openSequenceFile(path);
  EXPECT_EQ(opened.failure, OpenedSequenceFile::Failure::None);
  EXPECT_EQ(opened.document.text, "AT\xB7GCGG");
  EXPECT_EQ(opened.document.runs, (std::vector<StyleRun>{{0, 2, colored(255, 0, 0)}}));

  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace bxl
