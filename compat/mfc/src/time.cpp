// CTime and CTimeSpan: construction from local-time fields, breakdown and
// formatting through the C library's local time.
#include "afx.h"

#include <time.h>

namespace {

// The C library's thread-safe breakdowns under their two names.
bool BreakDown(const time_t* t, struct tm* fields, bool local) {
#ifdef _WIN32
  return (local ? localtime_s(fields, t) : gmtime_s(fields, t)) == 0;
#else
  return (local ? localtime_r(t, fields) : gmtime_r(t, fields)) != nullptr;
#endif
}

struct tm LocalFields(__time64_t t) {
  struct tm fields {};
  const time_t tt = static_cast<time_t>(t);
  VERIFY(BreakDown(&tt, &fields, true));
  return fields;
}

CString FormatFields(const struct tm& fields, const char* pszFormat) {
  ASSERT(pszFormat != nullptr);
  char buffer[256];
  const size_t n = strftime(buffer, sizeof buffer, pszFormat, &fields);
  return CString(buffer, static_cast<int>(n));
}

}  // namespace

CTimeSpan::CTimeSpan(long lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(nSecs + 60 * (static_cast<__time64_t>(nMins) +
                               60 * (nHours + 24 * static_cast<__time64_t>(lDays)))) {}

CTime CTime::GetCurrentTime() { return CTime(static_cast<__time64_t>(::time(nullptr))); }

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
  ASSERT(nYear >= 1900);
  ASSERT(nMonth >= 1 && nMonth <= 12);
  ASSERT(nDay >= 1 && nDay <= 31);
  ASSERT(nHour >= 0 && nHour <= 23);
  ASSERT(nMin >= 0 && nMin <= 59);
  ASSERT(nSec >= 0 && nSec <= 59);
  struct tm fields {};
  fields.tm_year = nYear - 1900;
  fields.tm_mon = nMonth - 1;
  fields.tm_mday = nDay;
  fields.tm_hour = nHour;
  fields.tm_min = nMin;
  fields.tm_sec = nSec;
  fields.tm_isdst = nDST;
  m_time = static_cast<__time64_t>(mktime(&fields));
  ASSERT(m_time != -1);
}

int CTime::GetYear() const { return LocalFields(m_time).tm_year + 1900; }
int CTime::GetMonth() const { return LocalFields(m_time).tm_mon + 1; }
int CTime::GetDay() const { return LocalFields(m_time).tm_mday; }
int CTime::GetHour() const { return LocalFields(m_time).tm_hour; }
int CTime::GetMinute() const { return LocalFields(m_time).tm_min; }
int CTime::GetSecond() const { return LocalFields(m_time).tm_sec; }
int CTime::GetDayOfWeek() const { return LocalFields(m_time).tm_wday + 1; }

CString CTime::Format(const char* pszFormat) const { return FormatFields(LocalFields(m_time), pszFormat); }

CString CTime::FormatGmt(const char* pszFormat) const {
  struct tm fields {};
  const time_t tt = static_cast<time_t>(m_time);
  VERIFY(BreakDown(&tt, &fields, false));
  return FormatFields(fields, pszFormat);
}
