// MassFinder's settings section "massfinder": the five options and the
// recent patterns, loaded again only when the file changed, and saved at the
// start of every search.
#include "massfinder/MassFinder.h"

#include "host/OlvarenHost.h"
#include "massfinder/RecentPatternMerge.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsText.h"

namespace
{
const char kSection[] = "massfinder";
const int kSavedPatterns = 20;

// The options in the order the section lists them.
struct COptionEntry
{
    const char* m_name;
    const char* m_query;
    BOOL CMassFinder::*m_member;
};

const COptionEntry kOptions[] = {
    {"ignore_comments", "//massfinder/property[@name = 'ignore_comments']", &CMassFinder::m_ignoreComments},
    {"ignore_includes", "//massfinder/property[@name = 'ignore_includes']", &CMassFinder::m_ignoreIncludes},
    {"match_case", "//massfinder/property[@name = 'match_case']", &CMassFinder::m_matchCase},
    {"only_marked_items", "//massfinder/property[@name = 'only_marked_items']", &CMassFinder::m_onlyMarkedItems},
    {"whole_word", "//massfinder/property[@name = 'whole_word']", &CMassFinder::m_wholeWord},
};

// XML 1.0 carries no character below 32 other than tab, line feed and
// carriage return, not even as a character reference. A pattern holding one
// is left out of the file (it stays in the list in memory), so that the file
// stays a well-formed document for every reader.
BOOL IsStorablePattern(const CString& pattern)
{
    for (int i = 0; i < pattern.GetLength(); ++i)
    {
        unsigned char c = static_cast<unsigned char>(pattern[i]);
        if (c < 32 && c != '\t' && c != '\n' && c != '\r')
            return FALSE;
    }
    return TRUE;
}
}  // namespace

BOOL CMassFinder::ReloadSettingsIfChanged()
{
    CFileStatus status;
    if (!CFile::GetStatus(SettingsFileSystemPath(m_pHost->m_settingsPath), status))
        return FALSE;
    __time64_t stamp = status.m_mtime.GetTime();
    if (m_settingsLoaded && m_settingsStamp >= stamp)
        return FALSE;
    LoadSettings();
    m_settingsStamp = stamp;
    m_settingsLoaded = TRUE;
    return TRUE;
}

void CMassFinder::LoadSettings()
{
    CSettingsSection section(kSection, m_pHost);
    if (!section.Load())
        return;

    m_recentPatterns.RemoveAll();
    pugi::xml_node patterns = section.Node().child("recent_patterns");
    if (patterns)
    {
        // Sized once: growing an MFC array one Add at a time copies it over
        // and over, which a file of a million patterns would feel.
        INT_PTR count = 0;
        for (pugi::xml_node pattern = patterns.child("pattern"); pattern; pattern = pattern.next_sibling("pattern"))
            ++count;
        m_recentPatterns.SetSize(count);
        INT_PTR i = 0;
        for (pugi::xml_node pattern = patterns.child("pattern"); pattern; pattern = pattern.next_sibling("pattern"))
            m_recentPatterns[i++] = AnsiFromSettingsText(pattern.attribute("value").value());
    }

    for (const COptionEntry& option : kOptions)
        section.ReadBool(option.m_query, this->*option.m_member);
}

void CMassFinder::SaveSettings()
{
    CSettingsSection section(kSection, m_pHost);
    if (!section.Recreate())
        return;

    pugi::xml_node patterns = section.Node().append_child("recent_patterns");
    int count = static_cast<int>(m_recentPatterns.GetSize());
    int start = count - kSavedPatterns;
    if (start < 0)
        start = 0;
    int id = 0;
    for (int i = start; i < count; ++i)
    {
        const CString& text = m_recentPatterns[i];
        if (!IsStorablePattern(text))
            continue;
        CString idText;
        idText.Format("%d", ++id);
        pugi::xml_node pattern = patterns.append_child("pattern");
        pattern.append_attribute("id").set_value((LPCSTR)idText);
        pattern.append_attribute("value").set_value((LPCSTR)SettingsTextFromAnsi(text));
    }

    for (const COptionEntry& option : kOptions)
        section.AppendBoolProperty(option.m_name, this->*option.m_member == 1);

    // Patterns another instance saved since this one loaded are merged in.
    section.Save(MergeRecentPatterns);
}

void CMassFinder::AddRecentPattern(const CString& pattern)
{
    for (int i = 0; i < m_recentPatterns.GetSize(); ++i)
    {
        if (m_recentPatterns[i] == pattern)
        {
            m_recentPatterns.RemoveAt(i);
            break;
        }
    }
    m_recentPatterns.Add(pattern);
}
