#include "projects/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Expected texts and values below are what the platform's profile functions
// produced for the same file and calls under Wine.

TEST(IniDocumentRead, ValuesAsTheProfileFunctionsReadThem) {
  const std::string file = std::string(
                               "  top=1\r\n; comment\r\n\r\n[A]\r\n  x = 1  \r\n\r\nnoequals line  \r\nX=dup\r\n"
                               "[ B ]  trailing\r\ny=2\n[a]\r\nx=second\r\nz=3\r\n[C\r\nc=1\r\n[]\r\nempty=1\r\n"
                               "[D]]x\r\nd=1\r\n\t[E]\t\r\n=novalue\r\n  =  \r\n;c=1\r\n[F]\rk=1\rz=2\r[G]\r\n"
                               "k=a  ") +
                           '\0' + "b  \r\nk2=" + '\0' + "zz\r\n[H]\r\nlast=end";
  const IniDocument doc = IniDocument::Parse(file);
  const struct {
    const char* section;
    const char* key;
    std::string value;
  } cases[] = {
      {"A", "x", "1"},       {"a", "X", "1"},          {" A ", "\tx ", "1"},  {"a", "z", ""},
      {"B", "y", "2"},       {"C", "c", ""},           {"[C", "c", ""},       {"", "top", "1"},
      {"", "empty", ""},     {"D", "d", ""},           {"D]", "d", "1"},      {"E", "", "novalue"},
      {"E", ";c", "1"},      {"A", "noequals line", ""}, {"A", "; comment", ""}, {"F", "k", "1"},
      {"F", "z", "2"},       {"G", "k", "a  "},        {"G", "k2", ""},       {"H", "last", "end"},
      {"missing", "x", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(doc.ReadString(c.section, c.key, 1024), c.value) << "[" << c.section << "] " << c.key;
  }
}

TEST(IniDocumentRead, QuotesAndBufferCut) {
  const IniDocument doc = IniDocument::Parse(
      "[A]\r\nq1=\"abc\"\r\nq2='abc'\r\nq3=\"abc\r\nq4=\"\r\nq5=\"\"\r\nq6=\"a\"b\"\r\nq7= \"a\" \r\n"
      "q8=\"abc'\r\nq9=abc\"\r\nq10=\"abcdef\"\r\nq11=abcdef\r\nq12=''\r\nq13='\r\n");
  const struct {
    const char* key;
    std::size_t size;
    const char* value;
  } cases[] = {
      {"q1", 1024, "abc"}, {"q2", 1024, "abc"}, {"q3", 1024, "\"abc"}, {"q4", 1024, "\""},
      {"q5", 1024, ""},    {"q6", 1024, "a\"b"}, {"q7", 1024, "a"},    {"q8", 1024, "\"abc'"},
      {"q9", 1024, "abc\""}, {"q12", 1024, ""}, {"q13", 1024, "'"},    {"q10", 0, ""},
      {"q10", 1, ""},      {"q10", 2, "a"},     {"q10", 4, "abc"},     {"q10", 6, "abcde"},
      {"q10", 7, "abcde"}, {"q10", 8, "abcdef"}, {"q10", 9, "abcdef"}, {"q11", 1, ""},
      {"q11", 2, "a"},     {"q11", 6, "abcde"}, {"q11", 7, "abcdef"},  {"q5", 1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(doc.ReadString("A", c.key, c.size), c.value) << c.key << " " << c.size;
}

TEST(IniDocumentRead, LongValueCutToBufferMinusOne) {
  const IniDocument doc = IniDocument::Parse("[A]\r\nk=" + std::string(70000, 'y') + "\r\nz=1\r\n");
  EXPECT_EQ(doc.ReadString("A", "k", 1024), std::string(1023, 'y'));
  EXPECT_EQ(doc.ReadString("A", "z", 1024), "1");
}

namespace {

struct Call {
  enum Kind { kWrite, kDeleteSection, kDeleteKey } kind;
  std::string section, key, value;
};

Call Write(std::string s, std::string k, std::string v) { return {Call::kWrite, s, k, v}; }
Call DeleteSection(std::string s) { return {Call::kDeleteSection, s, "", ""}; }
Call DeleteKey(std::string s, std::string k) { return {Call::kDeleteKey, s, k, ""}; }

std::string Apply(const std::string& text, const std::vector<Call>& calls) {
  IniDocument doc = IniDocument::Parse(text);
  for (const Call& c : calls) {
    switch (c.kind) {
      case Call::kWrite: doc.WriteString(c.section, c.key, c.value); break;
      case Call::kDeleteSection: doc.DeleteSection(c.section); break;
      case Call::kDeleteKey: doc.DeleteKey(c.section, c.key); break;
    }
  }
  return doc.Serialize();
}

}  // namespace

TEST(IniDocumentWrite, TextAsTheProfileFunctionsWriteIt) {
  const struct {
    const char* name;
    std::string before;
    std::vector<Call> calls;
    std::string after;
  } cases[] = {
      {"new file", "", {Write("S", "k", "v")}, "[S]\r\nk=v\r\n"},
      {"new key and section",
       "",
       {Write("S", "k", "v"), Write("T", "a", "1"), Write("S", "k2", "v2"), Write("s", "K", "new")},
       "[S]\r\nk=new\r\nk2=v2\r\n[T]\r\na=1\r\n"},
      {"spaced value, name and section: trailing space kept by the last call only",
       "",
       {Write("S", "sp", "  lead and trail  "), Write("S", "x", "1"), Write("  N  ", "  k3  ", "x y ")},
       "[S]\r\nsp=lead and trail\r\nx=1\r\n[N  ]\r\nk3  =x y \r\n"},
      {"normal form of a damaged file",
       "  top=1\r\n; comment\r\n\r\n[A]\r\n  x = 1  \r\n\r\nnoequals line  \r\n# hash\r\nX=dup\r\n\r\n\r\n"
       "[ B ]  trailing\r\ny=2\n[a]\r\nx=second\r\nz=3\r\n[C\r\nc=1\r\n[]\r\nempty=1\r\n[D]]x\r\nd=1\r\n"
       "\t[E]\t\r\n=novalue\r\n  =  \r\nlast=end",
       {Write("A", "new", "n")},
       "top=1\r\n; comment\r\n[A]\r\nx=1\r\nnoequals line\r\n# hash\r\nX=dup\r\nnew=n\r\n[B]\r\ny=2\r\n[a]\r\n"
       "x=second\r\nz=3\r\n[C\r\nc=1\r\nempty=1\r\n[D]]\r\nd=1\r\n[E]\r\n=novalue\r\nlast=end\r\n"},
      {"deleting the first of two sections, then the section its keys joined",
       "[A]\r\nx=1\r\n[a]\r\nz=3\r\n[ ]\r\nempty=1\r\n[D]\r\nd=1\r\n",
       {DeleteSection("A"), DeleteSection("A")},
       "[D]\r\nd=1\r\n"},
      {"delete section vs key", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n[C]\r\nz=3\r\n", {DeleteSection("b"), DeleteKey("C", "Z")},
       "[A]\r\nx=1\r\n[C]\r\n"},
      {"new key lands after trailing blank lines", "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n\r\n", {Write("A", "n", "2")},
       "[A]\r\nx=1\r\nn=2\r\n[B]\r\ny=2\r\n"},
      {"LF and no final line end", "[A]\nx=1\ny=2", {Write("A", "x", "3")}, "[A]\r\nx=3\r\ny=2\r\n"},
      {"names with ] and =, and odd bytes",
       "[A]\r\nx=1\r\n",
       {Write("A]b", "k", "v"), Write("A", "a=b", "v"), Write("Q", "k", "a?b=c"), Write("\xC9T\xE9", "k", "\xE9\x81\xFF"),
        Write("A", "K", "big")},
       "[A]\r\nx=1\r\na=b=v\r\nK=big\r\n[A]b]\r\nk=v\r\n[Q]\r\nk=a?b=c\r\n[\xC9T\xE9]\r\nk=\xE9\x81\xFF\r\n"},
      {"runs of empty keys",
       "[A]\r\n=1\r\n=2\r\nk=3\r\n=4\r\n= \r\n[B]\r\nk\r\n=1\r\nj=2\r\n=3\r\n",
       {Write("Z", "z", "1")},
       "[A]\r\n=1\r\nk=3\r\n=4\r\n[B]\r\nk\r\n=1\r\nj=2\r\n=3\r\n[Z]\r\nz=1\r\n"},
      {"key without = gets a value in place", "[A]\r\nk\r\nj=1\r\n", {Write("A", "k", "")}, "[A]\r\nk=\r\nj=1\r\n"},
      {"unnamed section and key",
       "[A]\r\nk=1\r\n",
       {Write("A", "", "e"), Write("A", "", "f"), Write("", "t", "f")},
       "t=f\r\n[A]\r\nk=1\r\n=f\r\n"},
      {"keys that read back as something else",
       "",
       {Write("A", "a=b", "c"), Write("A", "a", "d"), Write("B", "[C]x", "c"), Write("C", "n", "d")},
       "[A]\r\na=d\r\n[B]\r\n[C]\r\nn=d\r\n"},
      {"NUL in a value: trailing spaces go on the next call",
       std::string("[A]\r\nk=a  ") + '\0' + "b  \r\n",
       {Write("A", "n", "1"), Write("A", "m", "2")},
       "[A]\r\nk=a\r\nn=1\r\nm=2\r\n"},
      {"UTF-8 mark kept", "\xEF\xBB\xBF[A]\r\nk=1\r\n", {Write("A", "n", "2")}, "\xEF\xBB\xBF[A]\r\nk=1\r\nn=2\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Apply(c.before, c.calls), c.after) << c.name;
}

TEST(IniDocumentWrite, ReportsWhetherTheTextChanged) {
  IniDocument doc = IniDocument::Parse("[A]\r\nx=1\r\nq=\"a\"\r\nn\r\n");
  EXPECT_FALSE(doc.DeleteSection("Z"));
  EXPECT_FALSE(doc.DeleteKey("A", "y"));
  EXPECT_FALSE(doc.DeleteKey("Z", "x"));
  EXPECT_FALSE(doc.WriteString("A", "x", "1"));
  EXPECT_FALSE(doc.WriteString("A", "x", "  1"));
  EXPECT_TRUE(doc.WriteString("A", "q", "a"));  // compared as stored, quotes included
  EXPECT_TRUE(doc.WriteString("A", "n", ""));   // a key without "=" differs from an empty value
  EXPECT_TRUE(doc.DeleteKey("a", "X"));
  EXPECT_TRUE(doc.DeleteSection("a"));
  EXPECT_EQ(doc.Serialize(), "");
}

TEST(IniDocumentWrite, DuplicateKeysAfterDeletingTheFirst) {
  IniDocument doc = IniDocument::Parse("[A]\r\nk=1\r\nK=2\r\nk=3\r\n");
  EXPECT_EQ(doc.ReadString("A", "k", 16), "1");
  doc.DeleteKey("A", "k");
  EXPECT_EQ(doc.ReadString("A", "k", 16), "2");
  doc.WriteString("A", "k", "x");
  EXPECT_EQ(doc.Serialize(), "[A]\r\nK=x\r\nk=3\r\n");
}

TEST(IniDocumentWrite, ReadsAfterAWriteSeeTheTextAsItReadsBack) {
  IniDocument doc;
  doc.WriteString("A", "k", "x y  ");
  doc.WriteString("A", "j=i", "1");
  EXPECT_EQ(doc.ReadString("A", "k", 16), "x y");
  EXPECT_EQ(doc.ReadString("A", "j", 16), "i=1");
  EXPECT_EQ(doc.Serialize(), "[A]\r\nk=x y\r\nj=i=1\r\n");
}
