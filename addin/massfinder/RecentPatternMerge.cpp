// MergeRecentPatterns: a merge under the settings lock (see
// RecentPatternMerge.h). Only the newest entries of each list are looked
// at, so a stored list of any length costs one pass from its end.
#include "massfinder/RecentPatternMerge.h"

#include <stdio.h>
#include <string.h>

#include <afx.h>

namespace
{
const int kSavedPatterns = 20;

// The newest patterns of both lists, newest first.
struct CNewestPatterns
{
    CString m_texts[kSavedPatterns];
    int m_count;
};

// Adds the patterns of `list`, newest first, to `newest` until it holds
// kSavedPatterns, skipping those it has.
void TakeNewest(const pugi::xml_node& list, CNewestPatterns& newest)
{
    for (pugi::xml_node pattern = list.last_child(); pattern && newest.m_count < kSavedPatterns;
         pattern = pattern.previous_sibling())
    {
        if (strcmp(pattern.name(), "pattern") != 0)
            continue;
        const char* value = pattern.attribute("value").value();
        BOOL bNew = TRUE;
        for (int i = 0; i < newest.m_count && bNew; ++i)
            bNew = newest.m_texts[i] != value;
        if (bNew)
            newest.m_texts[newest.m_count++] = value;
    }
}
}  // namespace

void MergeRecentPatterns(pugi::xml_node written, const pugi::xml_node& stored)
{
    pugi::xml_node storedList = stored.child("recent_patterns");
    if (!storedList)
        return;
    pugi::xml_node writtenList = written.child("recent_patterns");
    if (!writtenList)
        writtenList = written.prepend_child("recent_patterns");

    CNewestPatterns newest;
    newest.m_count = 0;
    TakeNewest(writtenList, newest);
    TakeNewest(storedList, newest);

    while (writtenList.first_child())
        writtenList.remove_child(writtenList.first_child());
    int id = 0;
    for (int i = newest.m_count; i-- > 0;)
    {
        char idText[16];
        snprintf(idText, sizeof(idText), "%d", ++id);
        pugi::xml_node pattern = writtenList.append_child("pattern");
        pattern.append_attribute("id").set_value(idText);
        pattern.append_attribute("value").set_value((LPCSTR)newest.m_texts[i]);
    }
}
