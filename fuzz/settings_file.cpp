// Fuzz target: the settings file as the add-in meets it. The input is the
// file's content; a reader opens a section, a writer re-creates its section
// and saves. After the save the file must parse, hold the writer's section
// with its key, and keep every other section the input's root held.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "FuzzFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

namespace {
// The names of the root's child elements, in order, without `except`.
std::string SectionNames(const pugi::xml_node& root, const char* except) {
  std::string names;
  for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && strcmp(child.name(), except) != 0)
      names += std::string(child.name()) + "\n";
  return names;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteWorkFile("Olvaren.xml", data, size);
  remove((path + ".bad").c_str());
  const CString settingsPath(path.c_str());

  // The sections of the input as a parsed file offers them.
  pugi::xml_document before;
  std::string kept;
  if (LoadSettingsDocument(before, settingsPath) && before.child("everything"))
    kept = SectionNames(before.child("everything"), "classmate");

  {
    pugi::xml_document doc;
    pugi::xml_node section;
    if (!OpenSettingsSectionAt(settingsPath, "module_host", FALSE, section, doc)) abort();
    (void)section.child("property").attribute("value").as_bool();
  }
  {
    pugi::xml_document doc;
    pugi::xml_node section;
    if (!OpenSettingsSectionAt(settingsPath, "classmate", TRUE, section, doc)) abort();
    pugi::xml_node property = section.append_child("property");
    property.append_attribute("name").set_value("key");
    property.append_attribute("value").set_value("value");
    if (!SaveSettingsAt(doc, settingsPath)) abort();
  }

  pugi::xml_document after;
  if (!LoadSettingsDocument(after, settingsPath)) abort();
  pugi::xml_node root = after.child("everything");
  pugi::xml_node written;  // the writer's section stands last of its name
  for (pugi::xml_node child = root.child("classmate"); child; child = child.next_sibling("classmate"))
    written = child;
  if (strcmp(written.child("property").attribute("value").value(), "value") != 0) abort();
  if (!kept.empty() && SectionNames(root, "classmate") != kept) abort();
  return 0;
}
