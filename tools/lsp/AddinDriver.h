// The add-in's three tools as the language server uses them, each driven
// through the stand-in IDE the way a user at the IDE would: CodeJumper's F2
// in the inline editor (and Ctrl+F2 back), MassFinder's dialog, ClassMate's
// tool entry on a marked class.
#pragma once

#include <string>
#include <vector>

#include "EditPosition.h"
#include "ide/shell/Shell.h"

namespace olvcli::lsp {

// MassFinder's five options, as its check boxes.
struct FindOptions {
  bool matchCase = false;
  bool wholeWord = false;
  bool ignoreIncludes = false;
  bool onlyMarked = false;
  bool ignoreComments = false;
};

// One line of a report that leads to an item.
struct ReportHit {
  std::string text;  // the report line, in the file's code page
  ide::ItemId item = ide::kNoItem;
};

// A class's direct bases and the classes derived from it, from ClassMate's report.
struct ClassRelations {
  std::vector<ide::ItemId> bases;
  std::vector<ide::ItemId> derived;
};

class AddinDriver {
 public:
  explicit AddinDriver(ide::shell::Shell& shell) : m_shell(shell) {}

  // Opens the inline editor on the place with the caret at `caret`, presses
  // F2 and returns the item the IDE then shows (kNoItem when the jump shows
  // none), then presses Ctrl+F2 and closes the editor, so the IDE is as before.
  ide::ItemId JumpFrom(const EditPlace& place, int caret);
  // The same from caret `caret` of an item's shown text.
  ide::ItemId JumpFrom(ide::ItemId item, int caret);

  // Marks `marked` (none: no marks), opens MassFinder's dialog, types the
  // pattern (in the file's code page), sets the options, clicks Find! and
  // closes the dialog. Returns the report's lines that lead to items; false
  // with `error` when the dialog could not be used.
  bool Find(const std::string& pattern, const FindOptions& options, const std::vector<ide::ItemId>& marked,
            std::vector<ReportHit>& hits, std::string& error);

  // Marks the class and runs ClassMate on it.
  bool ClassHierarchy(ide::ItemId classItem, ClassRelations& relations, std::string& error);

 private:
  ide::shell::Shell& m_shell;
};

}  // namespace olvcli::lsp
