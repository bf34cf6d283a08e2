// Documents, applications and the loaded outline (see LspWorkspace.h).
#include "lsp/LspWorkspace.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "lsp/LspText.h"
#include "ide/outline/IncludeResolver.h"
#include "ide/outline/TextDecoding.h"

namespace olvcli::lsp {
namespace {

const std::vector<std::string_view> kNoLines;
const std::vector<ide::ItemId> kNoItems;
const std::string kNoFile;

bool HasExtension(const std::string& path, const char* ext) {
  const size_t dot = path.rfind('.');
  return dot != std::string::npos && strcasecmp(path.c_str() + dot, ext) == 0;
}

bool IsApplicationFile(const std::string& path) { return HasExtension(path, ".app") || HasExtension(path, ".apt"); }

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// True when a line of the file names `library` in a File Include item.
bool IncludesLibrary(const std::string& file, const std::string& library) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  static const char kKey[] = "File Include:";
  while (std::getline(in, line)) {
    const size_t at = line.find(kKey);
    if (at == std::string::npos || line.find('!') < at) continue;  // none, or a comment
    std::string name = line.substr(at + sizeof kKey - 1);
    while (!name.empty() && (name.back() == '\r' || name.back() == ' ' || name.back() == '\t')) name.pop_back();
    name.erase(0, name.find_first_not_of(" \t"));
    if (strcasecmp(BaseName(name).c_str(), library.c_str()) == 0) return true;
  }
  return false;
}

// The outline files under `dir`, a few levels deep, sorted.
void ListOutlineFiles(const std::string& dir, int depth, std::vector<std::string>& out) {
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) return;
  std::vector<std::string> names;
  while (dirent* e = readdir(d)) {
    if (e->d_name[0] != '.') names.emplace_back(e->d_name);
  }
  closedir(d);
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const std::string path = dir + '/' + name;
    struct stat st;
    if (stat(path.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (depth > 0 && name != "node_modules") ListOutlineFiles(path, depth - 1, out);
    } else if (S_ISREG(st.st_mode) && IsApplicationFile(path)) {
      out.push_back(path);
    }
  }
}

}  // namespace

bool Workspace::SetDocument(const std::string& path, const std::string& utf8, std::string& error) {
  m_texts[path] = utf8;
  return ConvertDocument(path, error);
}

bool Workspace::EditDocument(const std::string& path, int startLine, int startColumn, int endLine, int endColumn,
                             const std::string& utf8, std::string& error) {
  auto text = m_texts.find(path);
  if (text == m_texts.end()) {
    error = "a change of a document that is not open";
    return false;
  }
  const TextEncoding* encoding = m_encoding.IsSet() ? &m_encoding : nullptr;
  std::string& editorText = text->second;
  const size_t from = TextOffset(editorText, startLine, startColumn, nullptr);
  const size_t to = std::max(from, TextOffset(editorText, endLine, endColumn, nullptr));
  auto overlay = m_overlays.find(path);
  std::string bytes;
  if (overlay != m_overlays.end() && m_encoding.FromUtf8(utf8, bytes, error)) {
    // Only the change is converted; the rest of the document keeps its bytes.
    std::string& document = overlay->second;
    const size_t byteFrom = TextOffset(document, startLine, startColumn, encoding);
    const size_t byteTo = std::max(byteFrom, TextOffset(document, endLine, endColumn, encoding));
    document.replace(byteFrom, byteTo - byteFrom, bytes);
    editorText.replace(from, to - from, utf8);
    m_dirty = true;
    m_lines.erase(path);
    return true;
  }
  // The document (or now this change) cannot be written in the code page:
  // the whole text is converted again, which names the line that fails.
  editorText.replace(from, to - from, utf8);
  return ConvertDocument(path, error);
}

bool Workspace::ConvertDocument(const std::string& path, std::string& error) {
  const std::string& utf8 = m_texts[path];
  std::string bytes;
  m_dirty = true;
  m_lines.erase(path);
  m_encodingErrors.erase(path);
  if (!m_encoding.FromUtf8(utf8, bytes, error)) {
    // Named by its line: the message of the whole text would quote all of it.
    const std::vector<std::string> lines = SplitLines(utf8);
    for (size_t n = 0; n < lines.size(); ++n) {
      std::string lineBytes, lineError;
      if (m_encoding.FromUtf8(lines[n], lineBytes, lineError)) continue;
      error = "line " + std::to_string(n + 1) + ": a character that " + m_encoding.Name() +
              " lacks; the file on disk is read in place of the editor's text";
      m_encodingErrors[path] = {static_cast<int>(n + 1), error};
      break;
    }
    m_overlays.erase(path);
    m_statusChanged = true;
    return false;
  }
  m_overlays[path] = std::move(bytes);
  return true;
}

void Workspace::CloseDocument(const std::string& path) {
  m_texts.erase(path);
  if (m_overlays.erase(path) == 0) return;
  m_lines.erase(path);
  m_dirty = true;
}

std::vector<std::string> Workspace::OpenDocuments() const {
  std::vector<std::string> paths;
  for (const auto& entry : m_overlays) paths.push_back(entry.first);
  return paths;
}

std::string Workspace::ApplicationFor(const std::string& path) {
  if (IsApplicationFile(path)) return path;
  if (!m_loadedApp.empty() && m_byFile.count(path) != 0) return m_loadedApp;
  auto known = m_appFor.find(path);
  if (known != m_appFor.end()) return known->second;
  return m_appFor[path] = FindApplication(path);
}

std::string Workspace::FindApplication(const std::string& path) const {
  const std::string library = BaseName(path);
  if (!m_configuredApp.empty()) {
    const std::string app = ide::CanonicalPath(m_configuredApp);
    if (!app.empty() && IncludesLibrary(app, library)) return app;
  }
  for (const std::string& root : m_roots) {
    std::vector<std::string> files;
    ListOutlineFiles(root, 3, files);
    for (const std::string& file : files) {
      if (IncludesLibrary(file, library)) {
        const std::string app = ide::CanonicalPath(file);
        if (!app.empty()) return app;
      }
    }
  }
  return path;
}

bool Workspace::Ensure(const std::string& app) {
  if (app != m_loadedApp || m_dirty) {
    ide::LoadOptions load;
    load.includeDirs = m_includeDirs;
    load.overlays = &m_overlays;
    m_lastStatus = m_shell.OpenFile(app, load);
    m_statusChanged = true;
    m_dirty = false;
    m_lines.clear();
    if (m_lastStatus) {
      m_loadedApp = app;
      m_shell.Activate();
      Index();
    } else if (app != m_loadedApp) {
      // The IDE keeps the application it had; this file is served by none.
      m_lastStatus.file = app;
      return false;
    }
  }
  return CurrentOutline() != nullptr;
}

void Workspace::ReloadIfDirty() {
  if (m_dirty && !m_loadedApp.empty()) Ensure(m_loadedApp);
}

bool Workspace::TakeStatusChanged() {
  const bool changed = m_statusChanged;
  m_statusChanged = false;
  return changed;
}

const ide::Outline* Workspace::CurrentOutline() const {
  if (m_loadedApp.empty()) return nullptr;
  return ide::Ide::Instance().GetOutline(m_shell.Application());
}

void Workspace::Index() {
  m_canonical.clear();
  m_itemFiles.clear();
  m_byFile.clear();
  m_includes.clear();
  const ide::Outline* outline = CurrentOutline();
  if (outline == nullptr) return;
  m_itemFiles.reserve(outline->Count());
  // A file's items mostly follow each other: the previous item's file is
  // looked up only when the file changes.
  const ide::SourceFile* lastFile = nullptr;
  const std::string* canonical = nullptr;
  std::vector<ide::ItemId>* fileItems = nullptr;
  ide::ItemId lastIncluding = ide::kNoItem;
  for (ide::ItemId i = 0; i < outline->Count(); ++i) {
    const ide::SourceFile* file = &outline->File(i);
    if (file != lastFile) {
      auto found = m_canonical.find(file->path);
      if (found == m_canonical.end()) {
        std::string path = ide::CanonicalPath(file->path);
        found = m_canonical.emplace(file->path, path.empty() ? file->path : path).first;
      }
      lastFile = file;
      canonical = &found->second;
      fileItems = &m_byFile[*canonical];
    }
    m_itemFiles.push_back(canonical);
    if (outline->Line(i) > 0) fileItems->push_back(i);
    const ide::ItemId including = outline->IncludingItem(i);
    if (including != ide::kNoItem && including != lastIncluding) {
      m_includes.emplace(including, *canonical);  // the first file it brought in
      lastIncluding = including;
    }
  }
  auto byLine = [outline](ide::ItemId a, ide::ItemId b) { return outline->Line(a) < outline->Line(b); };
  for (auto& entry : m_byFile)
    if (!std::is_sorted(entry.second.begin(), entry.second.end(), byLine))
      std::stable_sort(entry.second.begin(), entry.second.end(), byLine);
}

const std::string& Workspace::CanonicalFile(ide::ItemId item) {
  return item < m_itemFiles.size() ? *m_itemFiles[item] : kNoFile;
}

const std::vector<std::string_view>& Workspace::Lines(const std::string& path) {
  auto cached = m_lines.find(path);
  if (cached != m_lines.end()) return cached->second.lines;
  auto open = m_overlays.find(path);
  std::string text, error;
  if (open != m_overlays.end()) {
    text = open->second;
  } else {
    size_t start = 0;
    if (!ide::ReadWholeFile(path, text, error) || !ide::DecodeOutlineText(text, start, error)) return kNoLines;
    text.erase(0, start);
  }
  FileLines& entry = m_lines[path];
  entry.text = std::move(text);
  entry.lines = LineViews(entry.text);
  return entry.lines;
}

const std::vector<ide::ItemId>& Workspace::ItemsOf(const std::string& path) {
  auto found = m_byFile.find(path);
  return found == m_byFile.end() ? kNoItems : found->second;
}

bool Workspace::PlaceOnLine(const std::string& path, int line, EditPlace& place) {
  place = EditPlace();
  const ide::Outline* outline = CurrentOutline();
  const std::vector<std::string_view>& lines = Lines(path);
  if (outline == nullptr || line < 1 || static_cast<size_t>(line) > lines.size()) return false;
  const std::vector<ide::ItemId>& items = ItemsOf(path);
  // The last item starting on or before the line.
  auto after = std::upper_bound(items.begin(), items.end(), line,
                                [outline](int l, ide::ItemId i) { return l < outline->Line(i); });
  if (after == items.begin()) return false;
  const ide::ItemId item = *(after - 1);
  const std::string_view fileLine = lines[static_cast<size_t>(line) - 1];
  const std::string shown = outline->OutlineLine(item);
  // The shown text's lines; the file's line holds the one it shows.
  std::vector<std::pair<size_t, size_t>> segments;
  for (size_t start = 0;;) {
    const size_t end = shown.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      segments.emplace_back(start, shown.size() - start);
      break;
    }
    segments.emplace_back(start, end - start);
    start = end + (shown.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  const size_t k = static_cast<size_t>(line - outline->Line(item));
  if (k >= segments.size()) return false;
  const std::string_view segment = std::string_view(shown).substr(segments[k].first, segments[k].second);
  size_t at = segment.empty() ? std::string::npos : fileLine.rfind(segment);
  if (at == std::string::npos) at = fileLine.find_first_not_of(" \t");
  if (at == std::string::npos) at = fileLine.size();
  place.item = item;
  place.line = line;
  place.fileLine = fileLine;
  place.textStart = at;
  place.segmentStart = static_cast<int>(segments[k].first);
  place.segmentLength = static_cast<int>(segments[k].second);
  return true;
}

std::string Workspace::IncludedFile(ide::ItemId includeItem) const {
  auto found = m_includes.find(includeItem);
  return found == m_includes.end() ? std::string() : found->second;
}

}  // namespace olvcli::lsp
