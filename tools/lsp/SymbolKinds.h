// Which outline items the editor lists as symbols, and as which LSP
// SymbolKind: chosen from the item's type code (and, for declarations in a
// section, the section's), with the CDK's names of addin/cdk/ItemTypes.h.
#pragma once

#include "ide/outline/Outline.h"

namespace olvcli::lsp {

// LSP SymbolKind values the server answers with.
enum SymbolKind {
  kSymbolFile = 1,
  kSymbolModule = 2,
  kSymbolNamespace = 3,
  kSymbolClass = 5,
  kSymbolField = 8,
  kSymbolFunction = 12,
  kSymbolVariable = 13,
  kSymbolConstant = 14,
  kSymbolObject = 19,
  kSymbolEvent = 24,
};

// The item's kind, or 0 when the item is no symbol (statements, comments,
// properties, unnamed items that hold no declarations).
int SymbolKindOf(const ide::Outline& outline, ide::ItemId item);
// False for the items whose children are code rather than declarations
// (actions, message handlers, statements): the outline of symbols does not
// go below them.
bool HoldsSymbols(const ide::Outline& outline, ide::ItemId item);

}  // namespace olvcli::lsp
