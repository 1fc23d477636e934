// How the platform's profile functions read and write an INI file, as found
// under Wine 8.0 (ANSI code page 1252), one row a behaviour: the catalogue
// the engine (projects/ini_document.h) follows. tests/projectfile checks the
// same against the running platform. The byte layout of a written file is
// Wine's normal form; Windows may keep untouched lines as they stood, but the
// values read are the same either way.
#include "projects/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using std::string_literals::operator""s;

TEST(IniDocument, ReadsAsTheProfileFunctionsRead) {
  const struct {
    std::string file;
    const char* section;
    const char* key;
    std::size_t buffer;
    const char* value;
  } rows[] = {
      // 0: a line ends at CR, LF or any run of them; a last line needs no end
      {"[A]\rk=1\n\r\n\nz=2", "A", "z", 9, "2"},
      // 1: space, TAB, VT, FF and 0x1A are trimmed from every line
      {" \t[A]\v\r\n\x1a k \f= 1 \t\r\n", "A", "k", 9, "1"},
      // 2: 0x1C-0x1F, 0x85 and 0xA0 are not whitespace
      {"[A]\r\nk=\x1c\x85\xa0\r\n", "A", "k", 9, "\x1c\x85\xa0"},
      // 3: a header's name runs to its last "]", trimmed; text after it is dropped
      {"[ D]]x \r\nd=1\r\n", "D]", "d", 9, "1"},
      {"[A]\r\n[C\r\n", "A", "[C", 9, ""},                 // 4: "[C" without "]" is a key line
      {"top=1\r\n[A]\r\n", "", "top", 9, "1"},             // 5: lines before the first header: the unnamed section
      {"[A]\r\n[ ]\r\nk=1\r\n", "", "k", 9, ""},           // 6: a later section with an empty name is never found
      {"[A]\r\nk = a=b\r\n", "A", "k", 9, "a=b"},          // 7: the key is the text before the first "="
      {"[A]\r\nk\r\nk=1\r\n", "A", "k", 9, ""},            // 8: a line without "=" is a key without a value
      {"[A]\r\n;c=1\r\n", "A", ";c", 9, "1"},              // 9: a comment is a key like any other
      {"[A]\r\n=1\r\n=2\r\n", "A", "", 9, "1"},            // 10: an empty key after an empty key is dropped
      {"[A]\r\nk=a  \0b  \r\n"s, "A", "k", 9, "a  "},      // 11: a NUL byte ends a value, after trimming
      {"[A]\r\nk\0x=1\r\n"s, "A", "k", 9, "1"},            // 12: a NUL byte ends a name
      {"\xEF\xBB\xBFk=1\r\n", "", "k", 9, "1"},            // 13: a UTF-8 mark stays before the unnamed section
      {"[Ab]\r\nKey=1\r\n", "aB", "kEY", 9, "1"},          // 14: names compare without regard to ASCII letter case
      {"[\xC9]\r\nk=1\r\n", "\xE9", "k", 9, ""},           // 15: ... and only ASCII
      {"[A]\r\nk=1\r\n", " A\t", " k ", 9, "1"},           // 16: reads trim the names asked for
      {"[A]\r\nx=1\r\n[a]\r\nk=2\r\n", "A", "k", 9, ""},   // 17: the first section of a name wins, even without the key
      {"[A]\r\nk=1\r\nK=2\r\n", "A", "k", 9, "1"},         // 18: the first key of a name wins
      {"[A]\r\nk= \"a b\" \r\n", "A", "k", 9, "a b"},      // 19: a value in a pair of quotes reads without them
      {"[A]\r\nk='ab'\r\n", "A", "k", 9, "ab"},            // 20: ... single quotes too
      {"[A]\r\nk=\"a\"b\"\r\n", "A", "k", 9, "a\"b"},      // 21: ... an inner quote stays
      {"[A]\r\nk=\"\"\r\n", "A", "k", 9, ""},              // 22: ... two quotes are an empty value
      {"[A]\r\nk=\"ab'\r\n", "A", "k", 9, "\"ab'"},        // 23: quotes that differ stay
      {"[A]\r\nj=\"\r\n", "A", "j", 9, "\""},              // 24: ... and one alone
      {"[A]\r\nk=abcdef\r\n", "A", "k", 6, "abcde"},       // 25: a value is cut to the buffer less one
      {"[A]\r\nk=\"abcdef\"\r\n", "A", "k", 7, "abcde"},   // 26: quoted, the closing quote goes only when it fits
      {"[A]\r\nk=\"abcdef\"\r\n", "A", "k", 8, "abcdef"},  // 27: ... as here
      {"[A]\r\nk=abc\r\n", "A", "k", 1, ""},               // 28: a buffer of one byte holds nothing
      // 29: a long value is cut, the next key still read
      {"[A]\r\nk=" + std::string(70000, 'y') + "\r\nz=1", "A", "z", 9, "1"},
      {"[A]\r\nk=1\r\n", "B", "k", 9, ""},                     // 30: a missing key reads the default
      {"[ \"\tA \" ]\r\nk=1\r\n", "\"\tA \"\t", "k", 9, "1"},  // 31: quotes are part of a section's name
      {"[A  B]\r\nk=1\r\n", " A B", "k", 9, ""},               // 32: ... and so are inner blanks
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(IniDocument::Parse(rows[i].file).ReadString(rows[i].section, rows[i].key, rows[i].buffer), rows[i].value)
        << "row " << i;
  }
}

struct Call {
  enum Kind { kWrite, kDeleteSection, kDeleteKey } kind;
  std::string section, key, value;
};
Call Write(std::string s, std::string k, std::string v) { return {Call::kWrite, s, k, v}; }
Call DeleteSection(std::string s) { return {Call::kDeleteSection, s, "", ""}; }
Call DeleteKey(std::string s, std::string k) { return {Call::kDeleteKey, s, k, ""}; }

TEST(IniDocument, WritesAsTheProfileFunctionsWrite) {
  const struct {
    std::string before;
    std::vector<Call> calls;
    std::string after;
    bool changed = true;  // the last call reports a change
  } rows[] = {
      // 0: a new key goes to the end of its section, a new section to the end of the file
      {"[S]\r\nk=v\r\n[T]\r\n",
       {Write("S", "k2", "v2"), Write("U", "a", "1")},
       "[S]\r\nk=v\r\nk2=v2\r\n[T]\r\n[U]\r\na=1\r\n"},
      // 1: a value is replaced in place; the key keeps its letter case
      {"[S]\r\nKey=1\r\nj=2\r\n", {Write("s", "key", "new")}, "[S]\r\nKey=new\r\nj=2\r\n"},
      // 2: the normal form: CR LF, no blanks, no text after "]", the unnamed section has no header
      {"  top=1\r\n\r\n[A] tail\r\n  x = 1  \r\nnoequals line  \r\n[B]\ny=2",
       {Write("A", "new", "n")},
       "top=1\r\n[A]\r\nx=1\r\nnoequals line\r\nnew=n\r\n[B]\r\ny=2\r\n"},
      // 3: a new key goes after the section's last key, not after its blank lines
      {"[A]\r\nx=1\r\n\r\n\r\n[B]\r\n", {Write("A", "n", "2")}, "[A]\r\nx=1\r\nn=2\r\n[B]\r\n"},
      // 4: a value's leading blanks are dropped; the same value changes nothing
      {"[A]\r\nx=1\r\n", {Write("A", "x", "  1")}, "[A]\r\nx=1\r\n", false},
      // 5: a new name's leading blanks are dropped; trailing ones are trimmed by the next call
      {"",
       {Write("S", "sp", "  lead and trail  "), Write("  N  ", "  k3  ", "x y ")},
       "[S]\r\nsp=lead and trail\r\n[N  ]\r\nk3  =x y \r\n"},
      // 6: a value is compared as stored, quotes included
      {"[A]\r\nq=\"a\"\r\n", {Write("A", "q", "a")}, "[A]\r\nq=a\r\n"},
      // 7: a key without "=" gets the value
      {"[A]\r\nk\r\nj=1\r\n", {Write("A", "k", "")}, "[A]\r\nk=\r\nj=1\r\n"},
      // 8: names and values with "]", "=", "?" and upper-half bytes
      {"",
       {Write("A]b", "k", "a?b=c"), Write("\xC9T\xE9", "k", "\xE9\x81\xFF")},
       "[A]b]\r\nk=a?b=c\r\n[\xC9T\xE9]\r\nk=\xE9\x81\xFF\r\n"},
      // 9: keys that read back as something else, once the next call reads the file
      {"",
       {Write("A", "a=b", "c"), Write("A", "a", "d"), Write("B", "[C]x", "c"), Write("C", "n", "d")},
       "[A]\r\na=d\r\n[B]\r\n[C]\r\nn=d\r\n"},
      // 10: a NUL byte in a value: its trailing blanks go with the next change
      {"[A]\r\nk=a  \0b  \r\n"s, {Write("A", "n", "1"), Write("A", "m", "2")}, "[A]\r\nk=a\r\nn=1\r\nm=2\r\n"},
      // 11: runs of empty keys keep their first
      {"[A]\r\n=1\r\n=2\r\nk=3\r\n=4\r\n= \r\n", {Write("Z", "z", "1")}, "[A]\r\n=1\r\nk=3\r\n=4\r\n[Z]\r\nz=1\r\n"},
      // 12: the unnamed section and an empty key
      {"[A]\r\nk=1\r\n", {Write("A", "", "e"), Write("", "t", "f")}, "t=f\r\n[A]\r\nk=1\r\n=e\r\n"},
      // 13: deleting a section removes the first of its name, header and all
      {"[A]\r\nx=1\r\n[a]\r\nz=3\r\n[B]\r\n", {DeleteSection("a")}, "[a]\r\nz=3\r\n[B]\r\n"},
      // 14: a section with an empty name is written without its header: its keys join the one before
      {"[A]\r\nx=1\r\n[a]\r\nz=3\r\n[ ]\r\nempty=1\r\n[D]\r\n", {DeleteSection("A"), DeleteSection("A")}, "[D]\r\n"},
      // 15: deleting a key leaves its section
      {"[C]\r\nz=3\r\n", {DeleteKey("C", "Z")}, "[C]\r\n"},
      // 16: after a deleted key the next of its name is found
      {"[A]\r\nk=1\r\nK=2\r\nk=3\r\n", {DeleteKey("A", "k"), Write("A", "k", "x")}, "[A]\r\nK=x\r\nk=3\r\n"},
      // 17: deletes do not trim the names given
      {"[A]\r\nk=1\r\n", {DeleteSection(" A")}, "[A]\r\nk=1\r\n", false},
      // 18: deleting what is not there changes nothing
      {"[A]\r\nk=1\r\n", {DeleteKey("A", "j")}, "[A]\r\nk=1\r\n", false},
      // 19: a UTF-8 mark is kept
      {"\xEF\xBB\xBF[A]\r\nk=1\r\n", {Write("A", "n", "2")}, "\xEF\xBB\xBF[A]\r\nk=1\r\nn=2\r\n"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    IniDocument doc = IniDocument::Parse(rows[i].before);
    bool changed = false;
    for (const Call& c : rows[i].calls) {
      changed = c.kind == Call::kWrite           ? doc.WriteString(c.section, c.key, c.value)
                : c.kind == Call::kDeleteSection ? doc.DeleteSection(c.section)
                                                 : doc.DeleteKey(c.section, c.key);
    }
    EXPECT_EQ(doc.Serialize(), rows[i].after) << "row " << i;
    EXPECT_EQ(changed, rows[i].changed) << "row " << i;
  }
}

TEST(IniDocument, ReadsAfterAWriteSeeTheTextAsItReadsBack) {
  IniDocument doc;
  doc.WriteString("A", "k", "x y  ");
  doc.WriteString("A", "j=i", "1");
  EXPECT_EQ(doc.ReadString("A", "k", 16), "x y");
  EXPECT_EQ(doc.ReadString("A", "j", 16), "i=1");
  EXPECT_EQ(doc.NumberedKeys("A", 10), std::vector<std::uint32_t>{});
  doc.WriteString("A", "7 ", "seven");
  EXPECT_EQ(doc.NumberedKeys("A", 10), std::vector<std::uint32_t>{7});
}

}  // namespace
