// The recent patterns of two MassFinder sections merged into one list, so
// that IDE instances searching at once lose none of each other's patterns.
#pragma once

#include <pugixml.hpp>

// Merges the "recent_patterns" of `stored` (the section as the settings file
// holds it at the save; may be null) into those of `written` (this writer's
// section): the newest 20 of both, this writer's patterns first in their own
// order, then the file's newest ones that the writer does not have. Written
// oldest first with "id" counting from 1, as every save writes them.
void MergeRecentPatterns(pugi::xml_node written, const pugi::xml_node& stored);
