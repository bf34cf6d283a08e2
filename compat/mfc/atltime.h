// CTime and CTimeSpan: an absolute time in whole seconds since 1970-01-01
// 00:00:00 UTC (64 bits), broken down in local time, as MFC 9.
#pragma once

#include <stdint.h>

#include "afxstr.h"
#include "afxver_.h"

typedef int64_t __time64_t;

class AFX_CLASS_EXPORT CTimeSpan {
 public:
  CTimeSpan() = default;
  CTimeSpan(__time64_t time) : m_timeSpan(time) {}
  CTimeSpan(long lDays, int nHours, int nMins, int nSecs);

  __time64_t GetTimeSpan() const { return m_timeSpan; }
  __time64_t GetDays() const { return m_timeSpan / (24 * 3600); }
  __time64_t GetTotalHours() const { return m_timeSpan / 3600; }
  __time64_t GetTotalMinutes() const { return m_timeSpan / 60; }
  __time64_t GetTotalSeconds() const { return m_timeSpan; }
  int GetHours() const { return static_cast<int>(GetTotalHours() - GetDays() * 24); }
  int GetMinutes() const { return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60); }
  int GetSeconds() const { return static_cast<int>(GetTotalSeconds() - GetTotalMinutes() * 60); }

  CTimeSpan operator+(CTimeSpan span) const { return CTimeSpan(m_timeSpan + span.m_timeSpan); }
  CTimeSpan operator-(CTimeSpan span) const { return CTimeSpan(m_timeSpan - span.m_timeSpan); }
  bool operator==(CTimeSpan span) const { return m_timeSpan == span.m_timeSpan; }
  bool operator!=(CTimeSpan span) const { return m_timeSpan != span.m_timeSpan; }
  bool operator<(CTimeSpan span) const { return m_timeSpan < span.m_timeSpan; }
  bool operator>(CTimeSpan span) const { return m_timeSpan > span.m_timeSpan; }
  bool operator<=(CTimeSpan span) const { return m_timeSpan <= span.m_timeSpan; }
  bool operator>=(CTimeSpan span) const { return m_timeSpan >= span.m_timeSpan; }

 private:
  __time64_t m_timeSpan = 0;
};

class AFX_CLASS_EXPORT CTime {
 public:
  static CTime GetCurrentTime();

  CTime() = default;
  CTime(__time64_t time) : m_time(time) {}
  // Local time; nDST < 0 lets the C library decide daylight saving time.
  // Years before 1900 or out-of-range fields ASSERT, as MFC.
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

  __time64_t GetTime() const { return m_time; }
  int GetYear() const;
  int GetMonth() const;      // 1..12
  int GetDay() const;        // 1..31
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday
  // strftime-style format, local time.
  CString Format(const char* pszFormat) const;
  CString FormatGmt(const char* pszFormat) const;

  CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
  CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
  CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
  CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
  CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
  bool operator==(CTime time) const { return m_time == time.m_time; }
  bool operator!=(CTime time) const { return m_time != time.m_time; }
  bool operator<(CTime time) const { return m_time < time.m_time; }
  bool operator>(CTime time) const { return m_time > time.m_time; }
  bool operator<=(CTime time) const { return m_time <= time.m_time; }
  bool operator>=(CTime time) const { return m_time >= time.m_time; }

 private:
  __time64_t m_time = 0;
};
