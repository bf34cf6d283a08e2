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
// The same lines as views into the text.
std::vector<std::string_view> LineViews(std::string_view text);

// The UTF-16 column of byte `byteColumn` of a line in the file's code page.
int Utf16Column(std::string_view line, size_t byteColumn, const TextEncoding& encoding);
// The byte of the line that UTF-16 column `column` stands before (the line's
// end for a column beyond it).
size_t ByteColumn(std::string_view line, int column, const TextEncoding& encoding);

// The offset in a document's text of an editor position (line from 0, UTF-16
// column): the line's start plus the bytes before the column, the line's end
// (before its CR LF or LF) for a column beyond it, the text's end for a line
// beyond the last. The text is UTF-8 without an encoding, else bytes of the
// encoding's code page.
size_t TextOffset(std::string_view text, int line, int column, const TextEncoding* encoding);

// The first occurrence of `word` in `text` at or after `from` that stands as
// a whole word (no letter, digit or _ on either side), letters compared
// without case as the outline's names are; npos when none.
size_t FindWord(std::string_view text, std::string_view word, size_t from = 0);

}  // namespace olvcli::lsp
