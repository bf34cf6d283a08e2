// The dialog template layout: bytes written by DialogTemplateBuilder in the
// standard and extended forms, and read back by ParseDialogTemplate, with
// clear errors for truncated templates.
#include <gtest/gtest.h>

#include <cstring>

#include "controls_support.h"

namespace {

using standin::DialogTemplateData;
using standin::ParseDialogTemplate;

WORD WordAt(const std::vector<unsigned char>& b, size_t offset) {
  return static_cast<WORD>(b[offset] | (b[offset + 1] << 8));
}
DWORD DwordAt(const std::vector<unsigned char>& b, size_t offset) {
  return WordAt(b, offset) | (static_cast<DWORD>(WordAt(b, offset + 2)) << 16);
}

TEST(DialogTemplate, StandardHeaderMatchesDlgTemplate) {
  const auto bytes = standin::DialogTemplateBuilder(false)
                         .Style(WS_POPUP | DS_MODALFRAME)
                         .ExStyle(WS_EX_TOOLWINDOW)
                         .Rect(1, 2, 30, 40)
                         .Caption("Hi")
                         .Control(5, standin::TemplateName::Ordinal(0x80), "OK", 3, 4, 20, 10, WS_TABSTOP)
                         .Build();
  DLGTEMPLATE header;
  std::memcpy(&header, bytes.data(), sizeof(header));
  EXPECT_EQ(sizeof(DLGTEMPLATE), 18u);
  EXPECT_EQ(header.style, static_cast<DWORD>(WS_POPUP | DS_MODALFRAME));
  EXPECT_EQ(header.dwExtendedStyle, static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(header.cdit, 1);
  EXPECT_EQ(header.x, 1);
  EXPECT_EQ(header.cy, 40);
  // menu 0, class 0, "Hi\0" in UTF-16
  EXPECT_EQ(WordAt(bytes, 18), 0);
  EXPECT_EQ(WordAt(bytes, 20), 0);
  EXPECT_EQ(WordAt(bytes, 22), 'H');
  EXPECT_EQ(WordAt(bytes, 24), 'i');
  EXPECT_EQ(WordAt(bytes, 26), 0);
  // The item starts on the next DWORD boundary (28).
  DLGITEMTEMPLATE item;
  std::memcpy(&item, bytes.data() + 28, sizeof(item));
  EXPECT_EQ(item.style, static_cast<DWORD>(WS_TABSTOP));
  EXPECT_EQ(item.id, 5);
  EXPECT_EQ(WordAt(bytes, 28 + 18), 0xFFFF);
  EXPECT_EQ(WordAt(bytes, 28 + 20), 0x0080);
}

TEST(DialogTemplate, ExtendedHeader) {
  const auto bytes = ctltest::SearchDialog(true).Build();
  EXPECT_EQ(WordAt(bytes, 0), 1);
  EXPECT_EQ(WordAt(bytes, 2), 0xFFFF);
  EXPECT_EQ(DwordAt(bytes, 8), static_cast<DWORD>(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE));
  EXPECT_EQ(WordAt(bytes, 16), 9) << "item count";
}

TEST(DialogTemplate, RoundTripInBothForms) {
  for (bool extended : {false, true}) {
    const auto bytes = ctltest::SearchDialog(extended).Build();
    DialogTemplateData t;
    std::string error;
    ASSERT_TRUE(ParseDialogTemplate(bytes.data(), bytes.size(), &t, &error)) << error;
    EXPECT_EQ(t.extended, extended);
    EXPECT_EQ(t.caption, "Mass Finder");
    EXPECT_TRUE(t.hasFont);
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.faceName, "MS Shell Dlg");
    EXPECT_EQ(t.weight, extended ? 400 : 0);
    EXPECT_EQ(t.charset, extended ? 1 : 0);
    EXPECT_EQ(t.cx, 308);
    EXPECT_EQ(t.cy, 86);
    EXPECT_TRUE(t.menu.IsEmpty());
    EXPECT_TRUE(t.windowClass.IsEmpty());
    ASSERT_EQ(t.items.size(), 9u);
    struct Expected {
      int id;
      WORD cls;
      const char* text;
      short x, y, cx, cy;
    } expected[] = {
        {1000, 0x80, "Find!", 251, 18, 50, 14},     {2, 0x80, "Close", 251, 65, 50, 14},
        {-1, 0x82, "Find What:", 7, 7, 36, 8},      {1001, 0x85, "", 7, 18, 239, 96},
        {1002, 0x80, "Match Case", 7, 38, 53, 10},  {1003, 0x80, "Match Whole Word", 73, 38, 77, 10},
        {1004, 0x80, "Ignore Included Items", 159, 38, 87, 10},
        {1005, 0x80, "Search Only Selected Items", 7, 56, 104, 10},
        {1006, 0x80, "Ignore Comments", 159, 56, 73, 10},
    };
    for (size_t i = 0; i < 9; ++i) {
      const auto& item = t.items[i];
      EXPECT_EQ(item.id, expected[i].id) << i;
      EXPECT_TRUE(item.windowClass.isOrdinal);
      EXPECT_EQ(item.windowClass.ordinal, expected[i].cls) << i;
      EXPECT_EQ(item.title.text, expected[i].text);
      EXPECT_EQ(item.x, expected[i].x);
      EXPECT_EQ(item.y, expected[i].y);
      EXPECT_EQ(item.cx, expected[i].cx);
      EXPECT_EQ(item.cy, expected[i].cy);
    }
    EXPECT_EQ(t.items[0].style, static_cast<DWORD>(BS_DEFPUSHBUTTON | WS_CHILD | WS_VISIBLE | WS_TABSTOP));
  }
}

TEST(DialogTemplate, NamedClassesMenuAndCreationData) {
  standin::DialogItemTemplate item;
  item.id = 3;
  item.windowClass = standin::TemplateName::Text("SysTreeView32");
  item.title = standin::TemplateName::Ordinal(7);
  item.creationData = {1, 2, 3};
  const auto bytes = standin::DialogTemplateBuilder(true)
                         .Menu(standin::TemplateName::Ordinal(200))
                         .Class(standin::TemplateName::Text("MyDialog"))
                         .Control(item)
                         .Control(4, standin::TemplateName::Ordinal(0x81), "x", 0, 0, 1, 1, 0)
                         .Build();
  DialogTemplateData t;
  std::string error;
  ASSERT_TRUE(ParseDialogTemplate(bytes.data(), bytes.size(), &t, &error)) << error;
  EXPECT_FALSE(t.hasFont);
  EXPECT_TRUE(t.menu.isOrdinal);
  EXPECT_EQ(t.menu.ordinal, 200);
  EXPECT_EQ(t.windowClass.text, "MyDialog");
  ASSERT_EQ(t.items.size(), 2u);
  EXPECT_EQ(t.items[0].windowClass.text, "SysTreeView32");
  EXPECT_TRUE(t.items[0].title.isOrdinal);
  EXPECT_EQ(t.items[0].creationData, (std::vector<unsigned char>{1, 2, 3}));
  EXPECT_EQ(t.items[1].id, 4);
  EXPECT_EQ(t.items[1].title.text, "x");
}

TEST(DialogTemplate, TruncatedTemplatesAreRejectedWithTheOffset) {
  const auto bytes = ctltest::SearchDialog(true).Build();
  for (size_t cut : {size_t{0}, size_t{3}, size_t{20}, bytes.size() / 2, bytes.size() - 1}) {
    DialogTemplateData t;
    std::string error;
    EXPECT_FALSE(ParseDialogTemplate(bytes.data(), cut, &t, &error)) << "cut at " << cut;
    EXPECT_NE(error.find("offset"), std::string::npos) << error;
  }
}

}  // namespace
