// CString as MFC 9 behaves: construction, Format, searching with start
// indexes, clamped extraction and deletion, replacement counts, trimming,
// comparison and concatenation.
#include <afx.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(CStringConstruct, FromPointersCharsAndRepeats) {
  EXPECT_STREQ("", CString());
  EXPECT_STREQ("", CString(static_cast<const char*>(nullptr)));
  EXPECT_STREQ("abc", CString("abc"));
  EXPECT_STREQ("x", CString('x'));
  EXPECT_STREQ("---", CString('-', 3));
  EXPECT_STREQ("", CString('-', 0));
  EXPECT_STREQ("ab", CString("abcdef", 2));
  CString s("abc");
  EXPECT_EQ(3, s.GetLength());
  EXPECT_FALSE(s.IsEmpty());
  s.Empty();
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_STREQ("", static_cast<const char*>(s));  // never a NULL pointer
}

TEST(CStringFormat, PrintfStyleOfAnyLength) {
  CString s;
  s.Format("%s\\Olvaren.xml", "C:\\Users\\me\\AppData");
  EXPECT_STREQ("C:\\Users\\me\\AppData\\Olvaren.xml", s);
  s.Format("%d items, %5.2f, %c, %x", 42, 3.14159, 'z', 255);
  EXPECT_STREQ("42 items,  3.14, z, ff", s);
  s.Format("%s", std::string(10000, 'a').c_str());
  EXPECT_EQ(10000, s.GetLength());
  s.Format("%s", "");
  EXPECT_STREQ("", s);
}

TEST(CStringFormat, ArgumentMayBeTheStringItself) {
  CString s("abc");
  s.Format("[%s]", static_cast<const char*>(s));
  EXPECT_STREQ("[abc]", s);
}

TEST(CStringFormat, AppendFormatAppends) {
  CString s("n=");
  s.AppendFormat("%d", 7);
  s.AppendFormat("/%s", "x");
  EXPECT_STREQ("n=7/x", s);
}

struct FindCase {
  const char* text;
  const char* sub;
  int start;
  int expected;
};

TEST(CStringFind, SubstringWithStartIndex) {
  const FindCase cases[] = {
      {"a b c", " ", 0, 1},
      {"a b c", " ", 1, 1},
      {"a b c", " ", 2, 3},
      {"a b c", " ", 4, -1},
      {"a b c", "b c", 0, 2},
      {"abc", "x", 0, -1},
      {"abc", "c", 3, -1},    // start at the length: nothing left to find
      {"abc", "", 3, 3},      // ... except the empty string
      {"abc", "a", 4, -1},    // start past the end
      {"abc", "a", -1, -1},   // negative start
      {"", "", 0, 0},
      {"", "a", 0, -1},
      {"aaa", "aa", 1, 1},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(c.expected, CString(c.text).Find(c.sub, c.start))
        << "\"" << c.text << "\".Find(\"" << c.sub << "\", " << c.start << ")";
  }
}

TEST(CStringFind, CharacterWithStartIndex) {
  const struct {
    const char* text;
    char ch;
    int start;
    int expected;
  } cases[] = {
      {"a.b.c", '.', 0, 1}, {"a.b.c", '.', 2, 3}, {"a.b.c", '.', 4, -1},
      {"abc", 'c', 3, -1},  // a character start must be below the length
      {"abc", 'a', -1, -1}, {"", 'a', 0, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, CString(c.text).Find(c.ch, c.start))
        << "\"" << c.text << "\".Find('" << c.ch << "', " << c.start << ")";
  }
}

TEST(CStringFind, OneOfAndReverse) {
  EXPECT_EQ(3, CString("abc(d)").FindOneOf("()"));
  EXPECT_EQ(-1, CString("abc").FindOneOf("xyz"));
  EXPECT_EQ(-1, CString("abc").FindOneOf(""));
  EXPECT_EQ(3, CString("a.b.c").ReverseFind('.'));
  EXPECT_EQ(-1, CString("abc").ReverseFind('.'));
}

TEST(CStringExtract, MidClampsLikeMfc) {
  const struct {
    int first;
    int count;
    const char* expected;
  } cases[] = {
      {0, 3, "abc"}, {1, 2, "bc"},  {2, 10, "cdef"}, {-2, 2, "ab"}, {1, -1, ""},
      {6, 1, ""},    {7, 1, ""},    {0, 0, ""},     {5, 1, "f"},
  };
  const CString text("abcdef");
  for (const auto& c : cases) {
    EXPECT_STREQ(c.expected, text.Mid(c.first, c.count)) << "Mid(" << c.first << ", " << c.count << ")";
  }
  EXPECT_STREQ("def", text.Mid(3));
  EXPECT_STREQ("abcdef", text.Mid(-3));
  EXPECT_STREQ("", text.Mid(6));
  EXPECT_STREQ("", text.Mid(9));
}

TEST(CStringExtract, LeftAndRightClamp) {
  const CString text("abcdef");
  EXPECT_STREQ("ab", text.Left(2));
  EXPECT_STREQ("abcdef", text.Left(99));
  EXPECT_STREQ("", text.Left(-1));
  EXPECT_STREQ("ef", text.Right(2));
  EXPECT_STREQ("abcdef", text.Right(99));
  EXPECT_STREQ("", text.Right(-1));
  EXPECT_STREQ("ab", CString("ab;cd").SpanExcluding(";"));
  EXPECT_STREQ("123", CString("123abc").SpanIncluding("0123456789"));
}

TEST(CStringModify, DeleteClampsAndReturnsNewLength) {
  const struct {
    int index;
    int count;
    const char* expected;
  } cases[] = {
      {0, 1, "bcdef"}, {2, 2, "abef"}, {4, 10, "abcd"}, {-3, 2, "cdef"}, {2, -1, "abcdef"},
      {6, 1, "abcdef"}, {9, 1, "abcdef"}, {0, 6, ""},
  };
  for (const auto& c : cases) {
    CString s("abcdef");
    const int n = s.Delete(c.index, c.count);
    EXPECT_STREQ(c.expected, s) << "Delete(" << c.index << ", " << c.count << ")";
    EXPECT_EQ(s.GetLength(), n);
  }
  CString s("ab");
  EXPECT_EQ(1, s.Delete(0));  // one character by default
  EXPECT_STREQ("b", s);
}

TEST(CStringModify, InsertClampsIndex) {
  const struct {
    int index;
    const char* expected;
  } cases[] = {{0, "XYabc"}, {1, "aXYbc"}, {3, "abcXY"}, {9, "abcXY"}, {-4, "XYabc"}};
  for (const auto& c : cases) {
    CString s("abc");
    EXPECT_EQ(5, s.Insert(c.index, "XY"));
    EXPECT_STREQ(c.expected, s) << "Insert(" << c.index << ")";
  }
  CString s("ac");
  EXPECT_EQ(3, s.Insert(1, 'b'));
  EXPECT_STREQ("abc", s);
}

TEST(CStringModify, ReplaceCountsNonOverlappingMatches) {
  const struct {
    const char* text;
    const char* from;
    const char* to;
    int count;
    const char* expected;
  } cases[] = {
      {"a..b", "..", ".", 1, "a.b"},
      {"a...b", "..", ".", 1, "a..b"},  // left to right, one pass
      {"....", "..", ".", 2, ".."},
      {"abc", "x", "y", 0, "abc"},
      {"abc", "", "y", 0, "abc"},      // an empty search text replaces nothing
      {"abab", "ab", "", 2, ""},
      {"hWndForm.x", "hWndForm.", "", 1, "x"},
  };
  for (const auto& c : cases) {
    CString s(c.text);
    EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.text;
    EXPECT_STREQ(c.expected, s) << c.text;
  }
  CString s("a-b-c");
  EXPECT_EQ(2, s.Replace('-', '+'));
  EXPECT_STREQ("a+b+c", s);
  EXPECT_EQ(0, s.Replace('+', '+'));
  EXPECT_EQ(2, s.Remove('+'));
  EXPECT_STREQ("abc", s);
}

TEST(CStringModify, CaseAndTrim) {
  CString s("MixEd 1");
  EXPECT_STREQ("mixed 1", s.MakeLower());
  EXPECT_STREQ("MIXED 1", s.MakeUpper());
  EXPECT_STREQ("1 DEXIM", s.MakeReverse());
  CString t(" \t a b \r\n");
  EXPECT_STREQ("a b", t.Trim());
  CString l("  x  ");
  EXPECT_STREQ("x  ", l.TrimLeft());
  CString r("  x  ");
  EXPECT_STREQ("  x", r.TrimRight());
  CString c("xxaxx");
  EXPECT_STREQ("a", c.Trim('x'));
  CString set("[(a)]");
  EXPECT_STREQ("a", set.Trim("[]()"));
  CString all("    ");
  EXPECT_STREQ("", all.Trim());
}

TEST(CStringAccess, GetAtSetAtAndBuffer) {
  CString s("abc");
  EXPECT_EQ('b', s.GetAt(1));
  EXPECT_EQ('c', s[2]);
  EXPECT_EQ('\0', s.GetAt(3));  // the terminator may be read
  s.SetAt(0, 'X');
  EXPECT_STREQ("Xbc", s);
  char* p = s.GetBuffer(10);
  strcpy(p, "longer!");
  s.ReleaseBuffer();
  EXPECT_STREQ("longer!", s);
  EXPECT_EQ(7, s.GetLength());
  p = s.GetBuffer(0);
  p[2] = '\0';
  s.ReleaseBuffer();
  EXPECT_EQ(2, s.GetLength());
  s.GetBufferSetLength(4);
  s.ReleaseBuffer(1);
  EXPECT_STREQ("l", s);
}

TEST(CStringAccessDeathTest, IndexOutOfRangeAsserts) {
  CString s("abc");
  EXPECT_DEATH(s.GetAt(4), "ASSERT failed");
  EXPECT_DEATH(s.GetAt(-1), "ASSERT failed");
  EXPECT_DEATH(s.SetAt(3, 'x'), "ASSERT failed");
}

TEST(CStringCompare, CaseSensitiveAndNot) {
  EXPECT_EQ(0, CString("abc").Compare("abc"));
  EXPECT_LT(CString("ABC").Compare("abc"), 0);
  EXPECT_GT(CString("b").Compare("a"), 0);
  EXPECT_EQ(0, CString("MassFinder").CompareNoCase("massfinder"));
  EXPECT_LT(CString("a").CompareNoCase("B"), 0);
  EXPECT_TRUE(CString("a") == "a");
  EXPECT_TRUE("a" == CString("a"));
  EXPECT_TRUE(CString("a") != CString("A"));
  EXPECT_TRUE(CString("a") < CString("b"));
  EXPECT_TRUE(CString("b") >= "b");
}

TEST(CStringConcat, OperatorsOnStringsPointersAndChars) {
  const CString a("ab");
  EXPECT_STREQ("abcd", a + "cd");
  EXPECT_STREQ("cdab", "cd" + a);
  EXPECT_STREQ("abab", a + a);
  EXPECT_STREQ("ab!", a + '!');
  EXPECT_STREQ("!ab", '!' + a);
  CString s;
  s += "x";
  s += 'y';
  s += a;
  EXPECT_STREQ("xyab", s);
  s = 'q';
  EXPECT_STREQ("q", s);
  s = static_cast<const char*>(nullptr);
  EXPECT_STREQ("", s);
}

TEST(CStringTokenize, SkipsLeadingDelimitersAndEndsWithMinusOne) {
  const CString s("  a b  c ");
  int pos = 0;
  EXPECT_STREQ("a", s.Tokenize(" ", pos));
  EXPECT_STREQ("b", s.Tokenize(" ", pos));
  EXPECT_STREQ("c", s.Tokenize(" ", pos));
  EXPECT_STREQ("", s.Tokenize(" ", pos));
  EXPECT_EQ(-1, pos);
}

}  // namespace
