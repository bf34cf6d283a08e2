// The test application's files, loading and item lookup helpers.
#include "TestOutline.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "CdkEvents.h"
#include "TestFolders.h"

namespace cdktest {
namespace {
void WriteFile(const std::string& path, const char* text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}
}  // namespace

void CdkOutlineTest::SetUp() {
  dir_ = testsupport::MakeTempFolder("olvaren_cdk");
  ASSERT_NE(dir_, "");
  appPath_ = dir_ + "/cdkapp.apt";
  WriteFile(appPath_, kAppText);
  WriteFile(dir_ + "/cdklib.apl", kLibText);
  ide::Ide::Instance().Reset();
  ide::LoadOptions options;
  options.includeDirs.push_back(dir_);
  ide::LoadStatus status = ide::Ide::Instance().OpenOutline(appPath_, options, &h_);
  ASSERT_TRUE(status) << status.Message();
  ASSERT_NE(h_, 0u);
  ASSERT_TRUE(status.warnings.empty()) << status.warnings.front();
}

void CdkOutlineTest::TearDown() {
  CdkResetNotifications();
  ide::Ide::Instance().Reset();
  std::error_code ec;
  if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
}

HITEM CdkOutlineTest::Find(std::string_view title, std::string_view name) const {
  const ide::Outline& o = O();
  for (ide::ItemId i = 0; i < o.Count(); ++i)
    if (o.Title(i) == title && o.Name(i) == name) return ide::ToItemHandle(i);
  ADD_FAILURE() << "no item " << title << ": " << name;
  return 0;
}

HITEM CdkOutlineTest::FindText(std::string_view title, std::string_view text) const {
  const ide::Outline& o = O();
  for (ide::ItemId i = 0; i < o.Count(); ++i)
    if (o.Title(i) == title && o.Text(i) == text) return ide::ToItemHandle(i);
  ADD_FAILURE() << "no item " << title << " " << text;
  return 0;
}

ide::LoadStatus OpenProgram(const std::string& path, const std::string& includeDir, HOUTLINE& h) {
  ide::Ide::Instance().Reset();
  ide::LoadOptions options;
  options.includeDirs.push_back(includeDir);
  h = 0;
  return ide::Ide::Instance().OpenOutline(path, options, &h);
}

std::string Names(const CGObjectList& list) {
  std::string text;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    CGItem* item = list.GetNext(pos);
    if (!text.empty()) text += ",";
    text += item->GetName().GetText();
  }
  return text;
}

std::string Lines(const CGObjectList& list) {
  std::string text;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    CGItem* item = list.GetNext(pos);
    if (!text.empty()) text += "|";
    text += std::string(item->GetTitle(1)) + " " + item->GetText().GetText();
  }
  return text;
}

}  // namespace cdktest
