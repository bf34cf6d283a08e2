// The language server's view of the editor's files and the IDE: the open
// documents (their text in the file's code page, read by the IDE in place
// of the file on disk), which application serves a file, that application
// loaded into the one stand-in IDE, and the outline's items by file and line.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "EditPosition.h"
#include "TextEncoding.h"
#include "ide/outline/OutlineReader.h"
#include "ide/shell/Shell.h"

namespace olvcli::lsp {

class Workspace {
 public:
  Workspace(ide::shell::Shell& shell, const TextEncoding& encoding) : m_shell(shell), m_encoding(encoding) {}

  void SetRoots(std::vector<std::string> roots) { m_roots = std::move(roots); }
  void SetIncludeDirs(std::vector<std::string> dirs) { m_includeDirs = std::move(dirs); }
  // The application that serves libraries opened alone, before any found in the roots.
  void SetApplication(const std::string& path) { m_configuredApp = path; }

  // ---- documents (paths canonical)
  // The editor's UTF-8 text as the document's content; false with `error`
  // when it holds a character the code page lacks (the file on disk is read then).
  bool SetDocument(const std::string& path, const std::string& utf8, std::string& error);
  // An editor's change of an open document: the text between two positions
  // (line from 0, UTF-16 column) replaced by `utf8`. False with `error` for
  // a document not open, or as SetDocument when the document's text now
  // holds a character the code page lacks.
  bool EditDocument(const std::string& path, int startLine, int startColumn, int endLine, int endColumn,
                    const std::string& utf8, std::string& error);
  void CloseDocument(const std::string& path);
  // The documents whose text could not be converted: path -> (line, message).
  const std::map<std::string, std::pair<int, std::string>>& EncodingErrors() const { return m_encodingErrors; }
  bool IsOpen(const std::string& path) const { return m_overlays.count(path) != 0; }
  std::vector<std::string> OpenDocuments() const;
  // A file changed on disk or was saved: the application is read again.
  void FileChanged() {
    m_dirty = true;
    m_appFor.clear();
  }
  bool IsDirty() const { return m_dirty; }

  // ---- the application
  // The application that serves `path`: the file itself when it is an
  // application (.app, .apt) or no application includes it; for a library,
  // the loaded application when it holds the file, the configured one, or
  // the first in the roots whose File Include names it.
  std::string ApplicationFor(const std::string& path);
  // The application loaded, read again when a document changed since; true
  // when the IDE holds its outline (the one read before, when reading it
  // failed again).
  bool Ensure(const std::string& app);
  // Reads the loaded application again (when any is loaded and it changed).
  void ReloadIfDirty();
  const std::string& LoadedApplication() const { return m_loadedApp; }
  // What the last read of the application reported, and whether it changed
  // since it was last taken.
  const ide::LoadStatus& LastStatus() const { return m_lastStatus; }
  bool TakeStatusChanged();
  const ide::Outline* CurrentOutline() const;

  // ---- the outline's items
  const std::string& CanonicalFile(ide::ItemId item);
  // Lines of a file: the open document's, else the file's on disk.
  const std::vector<std::string_view>& Lines(const std::string& path);
  // The items of a file, in file order.
  const std::vector<ide::ItemId>& ItemsOf(const std::string& path);
  // The item that starts on `line` (from 1) of the file, or continues on
  // it, with the place the inline editor opens it at; false when none.
  bool PlaceOnLine(const std::string& path, int line, EditPlace& place);
  // The library file loaded by a File Include item, "" when none.
  std::string IncludedFile(ide::ItemId includeItem) const;

 private:
  void Index();
  // Converts the editor's text of `path` into the document's bytes.
  bool ConvertDocument(const std::string& path, std::string& error);
  std::string FindApplication(const std::string& library) const;

  ide::shell::Shell& m_shell;
  const TextEncoding& m_encoding;
  std::vector<std::string> m_roots;
  std::vector<std::string> m_includeDirs;
  std::string m_configuredApp;
  std::map<std::string, std::string> m_appFor;  // what ApplicationFor found, by file
  ide::FileOverlays m_overlays;                 // open documents in the code page, as the IDE reads them
  std::map<std::string, std::string> m_texts;  // the same documents as the editor has them, UTF-8
  std::map<std::string, std::pair<int, std::string>> m_encodingErrors;
  bool m_dirty = false;
  std::string m_loadedApp;
  ide::LoadStatus m_lastStatus;
  bool m_statusChanged = false;
  std::map<std::string, std::string> m_canonical;           // path as the outline has it -> canonical
  std::vector<const std::string*> m_itemFiles;              // per item
  std::map<std::string, std::vector<ide::ItemId>> m_byFile;  // canonical -> items in file order
  std::map<ide::ItemId, std::string> m_includes;            // File Include item -> library
  struct FileLines {
    std::string text;                     // the document's or the file's bytes
    std::vector<std::string_view> lines;  // into text
  };
  std::map<std::string, FileLines> m_lines;  // canonical -> lines
};

}  // namespace olvcli::lsp
