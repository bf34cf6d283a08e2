// ClassMate on large generated hierarchies: a long chain is listed whole,
// with each level one step deeper; a report is capped at the limit of
// base-class lines, and one closing line tells how many more the walk would
// have listed (diamonds stacked 40 high would list 2^41 - 2 of them).
#include <string>
#include <vector>

#include "ClassMateTestSupport.h"

namespace {

// An outline of functional classes; bases[i] are the base names of class
// "c<i>" in order.
std::string Outline(const std::vector<std::vector<std::string>>& bases) {
  std::string text =
      ".head 0 +  Application Description: generated\n.head 1 -  Outline Version - 4.0.28\n"
      ".head 1 +  Global Declarations\n.head 2 +  Class Definitions\n";
  for (size_t i = 0; i < bases.size(); ++i) {
    text += ".head 3 +  Functional Class: c" + std::to_string(i) + "\n";
    if (bases[i].empty()) continue;
    text += ".head 4 +  Derived From\n";
    for (const std::string& base : bases[i]) text += ".head 5 -  Class: " + base + "\n";
  }
  return text;
}

// c0 <- c1 <- ... <- c<n-1>: each class names the one before it `times` times.
std::vector<std::vector<std::string>> Chain(int n, int times = 1) {
  std::vector<std::vector<std::string>> bases(n);
  for (int i = 1; i < n; ++i) bases[i].assign(times, "c" + std::to_string(i - 1));
  return bases;
}

class ClassMateBoundedTest : public ClassMateTest {
protected:
  void Run(const std::vector<std::vector<std::string>>& bases, const std::string& target) {
    const std::string path = ::testing::TempDir() + "/bounded.app";
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string text = Outline(bases);
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
    Open(path);
    Select(target);
    RunTool();
    texts_ = ReportTexts();
    remove(path.c_str());
  }
  // The base-class lines: between "Base Classes: " and "Derived Classes: ".
  std::vector<std::string> BaseLines() const {
    std::vector<std::string> lines;
    bool in = false;
    for (const std::string& t : texts_) {
      if (t == "Derived Classes: ") break;
      if (in) lines.push_back(t);
      if (t == "Base Classes: ") in = true;
    }
    return lines;
  }
  static std::string Indented(int depth, const std::string& name) {
    std::string line = "   ";
    for (int i = 0; i < depth; ++i) line += "   ";
    return line + name;
  }
  std::vector<std::string> texts_;
};

// (1,000 classes here: the derived-class part asks the CDK about every class
// of the section; bench/classmate_report.cpp runs 5,000.)
TEST_F(ClassMateBoundedTest, LongChainIsListedWhole) {
  const int kClasses = 1000;
  Run(Chain(kClasses), "c" + std::to_string(kClasses - 1));
  std::vector<std::string> lines = BaseLines();
  ASSERT_EQ(lines.size(), size_t(kClasses - 1));
  for (int depth : {0, 1, kClasses / 2, kClasses - 2})
    EXPECT_EQ(lines[depth], Indented(depth, "c" + std::to_string(kClasses - 2 - depth)));
  EXPECT_EQ(texts_.back(), "Derived Classes: ");
}

// The cap counts base-class lines only; the closing line has no item.
TEST_F(ClassMateBoundedTest, ReportIsCappedWithACountOfWhatWasLeftOut) {
  const int kCap = 10000;
  const struct {
    const char* what;
    std::vector<std::vector<std::string>> bases;
    std::string target;
    size_t lines;          // base-class lines listed
    std::string leftOut;   // the closing line, "" when none
  } cases[] = {
      {"a class naming one base 10,000 times", {{}, std::vector<std::string>(kCap, "c0")}, "c1", 10000, ""},
      {"a class naming one base 10,001 times", {{}, std::vector<std::string>(kCap + 1, "c0")}, "c1", 10000,
       "   ... 1 more base class lines left out"},
      // c<k> names c<k-1> twice: 2 + 4 + ... + 2^40 lines
      {"diamonds stacked 40 high", Chain(41, 2), "c40", 10000,
       "   ... 2199023245550 more base class lines left out"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RestartIde();
    Run(c.bases, c.target);
    std::vector<std::string> lines = BaseLines();
    ASSERT_EQ(lines.size(), c.lines + (c.leftOut.empty() ? 0 : 1));
    if (!c.leftOut.empty()) {
      EXPECT_EQ(lines.back(), c.leftOut);
    }
    EXPECT_EQ(lines[c.lines - 1].substr(0, 3), "   ");
    EXPECT_NE(lines[c.lines - 1].find("c"), std::string::npos);
  }
}

// Ancestry reached along two paths is listed under each, depth first.
TEST_F(ClassMateBoundedTest, DiamondsListTheSharedAncestryOncePerPath) {
  Run(Chain(4, 2), "c3");
  const std::vector<std::string> want = {
      Indented(0, "c2"), Indented(1, "c1"), Indented(2, "c0"), Indented(2, "c0"), Indented(1, "c1"),
      Indented(2, "c0"), Indented(2, "c0"),
      Indented(0, "c2"), Indented(1, "c1"), Indented(2, "c0"), Indented(2, "c0"), Indented(1, "c1"),
      Indented(2, "c0"), Indented(2, "c0"),
  };
  EXPECT_EQ(BaseLines(), want);
}

}  // namespace
