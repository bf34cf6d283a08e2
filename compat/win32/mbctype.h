// The C runtime's multibyte code page, as <mbctype.h> declares it: the code
// page that _mbslwr and _ismbcalnum (<mbstring.h>) follow. At start-up it is
// the system's ANSI code page (GetACP), as the runtime sets it. Implemented
// in mbcs.cpp.
#ifndef OLVAREN_COMPAT_MBCTYPE_H
#define OLVAREN_COMPAT_MBCTYPE_H

#define _MB_CP_SBCS 0     // single bytes, ASCII letters only
#define _MB_CP_OEM (-2)
#define _MB_CP_ANSI (-3)  // the system's ANSI code page
#define _MB_CP_LOCALE (-4)

extern "C" {

// Sets the multibyte code page; 0, or -1 (errno EINVAL) for a code page the
// system does not have (the one in use stays).
int _setmbcp(int codepage);
int _getmbcp(void);

}  // extern "C"

#endif  // OLVAREN_COMPAT_MBCTYPE_H
