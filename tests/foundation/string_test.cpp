#include "foundation/string.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(EmptyString, EveryEmptyValueSharesTheStaticRepresentation) {
  const String first("");
  const int held = first.ReferenceCount();
  {
    const String byDefault;
    const String fromNul('\0');
    String assigned("abc");
    assigned = "";
    EXPECT_TRUE(byDefault.SharesWith(first));
    EXPECT_TRUE(fromNul.SharesWith(first));
    EXPECT_TRUE(assigned.SharesWith(first));
    EXPECT_EQ(held + 3, first.ReferenceCount());
  }
  EXPECT_EQ(held, first.ReferenceCount());
  EXPECT_EQ(1u, first.Capacity());
  EXPECT_TRUE(first.IsEmpty());
}

TEST(EmptyString, SurvivesEveryHolderAndIsNeverWritten) {
  { const String a, b; }
  String writer;
  writer.Buffer()[0] = '\0';
  writer += 'x';
  const String fresh;
  EXPECT_FALSE(writer.SharesWith(fresh));
  EXPECT_STREQ("", fresh);
  // The static's own reference: one holder still counts two.
  EXPECT_GE(fresh.ReferenceCount(), 2);
}

TEST(CopyOnWrite, AppendToCopyLeavesOriginal) {
  const String a("abc");
  String b(a);
  EXPECT_TRUE(b.SharesWith(a));
  EXPECT_EQ(2, a.ReferenceCount());
  b += 'd';
  EXPECT_STREQ("abc", a);
  EXPECT_STREQ("abcd", b);
  EXPECT_EQ(1, a.ReferenceCount());
  EXPECT_EQ(1, b.ReferenceCount());
}

TEST(CopyOnWrite, EveryWriteLeavesTheSharedOriginalAlone) {
  const std::function<void(String &)> writes[] = {
      [](String &s) { s.Buffer()[0] = 'Q'; },
      [](String &s) { s.At(1) = 'Q'; },
      [](String &s) { s += "Q"; },
      [](String &s) { s += 'Q'; },
      [](String &s) { s.SetCapacity(3); },
      [](String &s) { s.ReplaceLeft(1, "Q"); },
      [](String &s) { s.ReplaceMid(1, 1, "Q"); },
      [](String &s) { s.TrimLeading('-'); },
      [](String &s) { s.TrimTrailing('-'); },
      [](String &s) { s.Format("%s", "Q"); },
  };
  for (const auto &write : writes) {
    String original("--ab--");
    original.SetCapacity(40);
    String copy(original);
    write(copy);
    EXPECT_STREQ("--ab--", original);
    EXPECT_EQ(40u, original.Capacity());
    EXPECT_EQ(1, original.ReferenceCount());
    EXPECT_FALSE(copy.SharesWith(original));
  }
}

TEST(CopyOnWrite, PrivateCopyDropsSpareCapacity) {
  String spacious("abc");
  spacious.SetCapacity(50);
  String copy(spacious);
  copy.Buffer();
  EXPECT_EQ(4u, copy.Capacity());
  EXPECT_EQ(50u, spacious.Capacity());
}

TEST(CopyOnWrite, AssigningTheSameRepresentationChangesNothing) {
  String a("abc");
  String b(a);
  b = a;
  a = a;
  EXPECT_EQ(2, a.ReferenceCount());
  EXPECT_STREQ("abc", b);
}

String Spacious(const char *text, std::uint32_t capacity) {
  String s(text);
  s.SetCapacity(capacity);
  return s;
}

TEST(Capacity, FollowsEachOperationExactly) {
  using Operation = void (*)(String &);
  const struct {
    const char *start;
    std::uint32_t room; // 0: as constructed, an exact fit
    Operation operation;
    const char *text;
    std::uint32_t capacity;
  } cases[] = {
      {"abc", 0, [](String &) {}, "abc", 4},
      {"abcdef", 0, [](String &s) { s.SetCapacity(3); }, "ab", 3},
      {"abc", 0, [](String &s) { s.SetCapacity(10); }, "abc", 10},
      {"abc", 0, [](String &s) { s += "de"; }, "abcde", 6},
      {"abc", 50, [](String &s) { s += "d"; }, "abcd", 5},
      {"", 0, [](String &s) { s += 'x'; }, "x", 2},
      {"abc", 0, [](String &s) { s += 'd'; }, "abcd", 5},
      {"abc", 10, [](String &s) { s += 'd'; }, "abcd", 10},
      {"ab", 0, [](String &s) { s.At(5) = 'z'; }, "ab", 7},
      {"abcd", 0, [](String &s) { s.At(1) = '\0'; }, "a", 5},
      {"ab", 0, [](String &s) { s = s + "cd"; }, "abcd", 5},
      {"abc", 0, [](String &s) { s = s.Mid(1, 100); }, "bc", 3},
      {"abcdef", 30, [](String &s) { s = s.Left(2); }, "ab", 3},
      {"abcdef", 0, [](String &s) { s = s.Right(2); }, "ef", 3},
      {"Copy of Ferns", 0, [](String &s) { s.ReplaceLeft(8, ""); }, "Ferns", 14},
      {"abc", 0, [](String &s) { s.ReplaceLeft(20, "x"); }, "x", 2},
      {"abc", 0, [](String &s) { s.ReplaceMid(1, 1, ""); }, "ac", 4},
      {"abc", 0, [](String &s) { s.ReplaceMid(5, 2, "x"); }, "abcx", 5},
      {"abc", 0, [](String &s) { s.ReplaceMid(1, 0, "XY"); }, "aXYbc", 6},
      {"abc", 0, [](String &s) { s.ReplaceMid(1, 100, "Z"); }, "aZ", 4},
      {"abc", 20, [](String &s) { s.ReplaceMid(1, 1, "XYZ"); }, "aXYZc", 20},
      {"", 0, [](String &s) { s.Format("%s", "twenty characters!!!"); }, "twenty characters!!!",
       21},
      {"", 2000, [](String &s) { s.Format("%d", 42); }, "42", 2000},
      {"1.500000", 0, [](String &s) { s.TrimTrailing('0'); }, "1.5", 9},
  };
  for (const auto &c : cases) {
    String s = c.room > 0 ? Spacious(c.start, c.room) : String(c.start);
    c.operation(s);
    EXPECT_STREQ(c.text, s) << c.start << " -> " << c.text;
    EXPECT_EQ(c.capacity, s.Capacity()) << c.start << " -> " << c.text;
  }
}

TEST(Format, CutsAnOversizedResultAtTheBuffer) {
  const std::string longText(1500, 'x');
  String small;
  EXPECT_EQ(1500, small.Format("%s", longText.c_str()));
  EXPECT_EQ(1023, small.Length());
  EXPECT_EQ(1024u, small.Capacity());

  String large = Spacious("", 2000);
  EXPECT_EQ(1500, large.Format("%s", longText.c_str()));
  EXPECT_EQ(1500, large.Length());

  const std::string hugeText(3000, 'y');
  EXPECT_EQ(3000, large.Format("%s", hugeText.c_str()));
  EXPECT_EQ(1999, large.Length());
  EXPECT_EQ(2000u, large.Capacity());
}

TEST(Format, SharedLargeBufferIsNotWrittenThrough) {
  const String shared = Spacious("ab", 2000);
  String copy(shared);
  const std::string text(1500, 'z');
  copy.Format("%s", text.c_str());
  EXPECT_EQ(1023, copy.Length());
  EXPECT_STREQ("ab", shared);
}

TEST(Substrings, ClampAtTheEnds) {
  const String abc("abc");
  EXPECT_STREQ("", abc.Mid(10, 5));
  EXPECT_STREQ("bc", abc.Mid(1, 100));
  EXPECT_STREQ("b", abc.Mid(1, 1));
  EXPECT_STREQ("", abc.Mid(1, 0));
  EXPECT_STREQ("", abc.Left(0));
  EXPECT_STREQ("ab", abc.Left(2));
  EXPECT_STREQ("abc", abc.Right(5));
  EXPECT_STREQ("", abc.Right(0));
  EXPECT_STREQ("abc", abc.Left(3));
}

struct FindCase {
  const char *text;
  int from;
  const char *sought;
  bool exact;
  int expected;
};

TEST(Find, TextSearchFoldsCaseOnlyWhenNotExact) {
  const FindCase cases[] = {
      {"Copy 2 OF Ferns", 0, " of ", false, 6},
      {"Copy 2 OF Ferns", 0, " of ", true, -1},
      {"Copy 2 of Ferns", 0, " of ", true, 6},
      {"Copy 2 of Ferns", 7, " of ", false, -1},
      {"abcABC", 1, "a", false, 3},
      {"abcABC", 0, "BC", false, 1},
      {"abc", 0, "abcd", false, -1},
      {"abc", 1, "", false, 1},
      {"abc", 1, "", true, 1},
      {"abc", 4, "", false, -1},
      {"ab", 0, "AB", false, 0},
      {"xab", 1, "AB", false, 1},
  };
  for (const FindCase &c : cases)
    EXPECT_EQ(c.expected, String(c.text).Find(c.from, c.sought, c.exact))
        << c.text << " / " << c.sought << " from " << c.from;
}

TEST(Find, CharacterSearch) {
  const String s("Fern fern");
  EXPECT_EQ(5, s.Find(1, 'f', true));
  EXPECT_EQ(5, s.Find(1, 'F', false));
  EXPECT_EQ(0, s.Find(0, 'f', false));
  EXPECT_EQ(-1, s.Find(1, 'F', true));
  EXPECT_EQ(-1, s.Find(6, 'f', false));
  EXPECT_EQ(-1, s.Find(20, 'f', true));
}

TEST(Trim, RemovesRunsAtOneEnd) {
  String number;
  number.Format("%lf", 1.5);
  number.TrimTrailing('0');
  EXPECT_STREQ("1.5", number);

  String zeros("0000");
  zeros.TrimTrailing('0');
  EXPECT_STREQ("", zeros);

  String padded("  a b  ");
  padded.TrimLeading(' ');
  EXPECT_STREQ("a b  ", padded);
  padded.TrimTrailing(' ');
  EXPECT_STREQ("a b", padded);

  String spaces("   ");
  spaces.TrimLeading(' ');
  EXPECT_STREQ("", spaces);
}

TEST(CompareNoCase, ComparesAPrefixFoldedToLowerCase) {
  const String hello("Hello");
  EXPECT_EQ(0, hello.CompareNoCase("HELP", 3));
  EXPECT_EQ('l' - 'p', hello.CompareNoCase("HELP", 4));
  EXPECT_EQ(0, hello.CompareNoCase("x", 0));
  EXPECT_EQ(0, hello.CompareNoCase("hello world", 5));
  EXPECT_LT(String("He").CompareNoCase("hello", 5), 0);
  EXPECT_GT(hello.CompareNoCase("he", 5), 0);
}

TEST(CompareNamesNoCase, FoldsToUpperCaseAndTreatsNullAsLeast) {
  struct Case {
    const char *a;
    const char *b;
    int sign;
  } const cases[] = {
      {"Ferns", "FERNS", 0},
      {"abc", "abd", -1},
      {"a", "B", -1},
      {"ab", "a", 1},
      // Upper-case folding puts '_' after the letters; lower-case would not.
      {"_", "a", 1},
      {"", "", 0},
      {nullptr, nullptr, 0},
      {nullptr, "", -1},
      {"", nullptr, 1},
      {"\xe9", "e", 1},
  };
  for (const Case &c : cases) {
    const int result = CompareNamesNoCase(c.a, c.b);
    EXPECT_EQ(c.sign, (result > 0) - (result < 0))
        << (c.a ? c.a : "null") << " vs " << (c.b ? c.b : "null");
  }
  EXPECT_EQ(0, CompareStringsNoCase(String("Gasket"), String("gASKET")));
}

TEST(NullText, CountsAsEmpty) {
  const char *none = nullptr;
  String s(none);
  EXPECT_TRUE(s.IsEmpty());
  s = "abc";
  s += none;
  s.ReplaceMid(1, 1, none);
  EXPECT_STREQ("ac", s);
  EXPECT_EQ(0, s.Find(0, none, true));
  EXPECT_STREQ("ac", s + none);
  s = none;
  EXPECT_TRUE(s.IsEmpty());
}

TEST(Aliasing, TextFromTheSameStringSurvivesTheWrite) {
  String s("abc");
  s += s;
  EXPECT_STREQ("abcabc", s);
  s = s.CStr() + 3;
  EXPECT_STREQ("abc", s);
  s.ReplaceMid(0, 1, s.CStr() + 1);
  EXPECT_STREQ("bcbc", s);
  s.ReplaceLeft(2, s.CStr() + 2);
  EXPECT_STREQ("bcbc", s);
}

} // namespace
