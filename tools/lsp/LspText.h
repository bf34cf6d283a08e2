// What the language server converts between the editor and the file: file
// URIs and paths, a document's lines, and columns in UTF-16 code units (the
// editor's) and bytes of the file's code page (the IDE's).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TextEncoding.h"

namespace olvcli::lsp {

// "file:///a%20b/c.app" -> "/a b/c.app"; "" for a URI of another scheme.
std::string PathFromUri(const std::string& uri);
std::string UriFromPath(const std::string& path);

// The lines of a text, each without its line end (LF, CR LF).
std::vector<std::string> SplitLines(std::string_view text);

// The UTF-16 column of byte `byteColumn` of a line in the file's code page.
int Utf16Column(std::string_view line, size_t byteColumn, const TextEncoding& encoding);
// The byte of the line that UTF-16 column `column` stands before (the line's
// end for a column beyond it).
size_t ByteColumn(std::string_view line, int column, const TextEncoding& encoding);

// The first occurrence of `word` in `text` at or after `from` that stands as
// a whole word (no letter, digit or _ on either side), letters compared
// without case as the outline's names are; npos when none.
size_t FindWord(std::string_view text, std::string_view word, size_t from = 0);

}  // namespace olvcli::lsp
