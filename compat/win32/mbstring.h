// The C runtime's multibyte string functions the add-in uses, as
// <mbstring.h> declares them. They follow the multibyte code page
// (<mbctype.h>): in a single-byte code page a byte is a letter when the code
// page's character there is one, and lower-casing maps a capital to its small
// letter when the code page has both. Implemented in mbcs.cpp.
#ifndef OLVAREN_COMPAT_MBSTRING_H
#define OLVAREN_COMPAT_MBSTRING_H

extern "C" {

// Lower-cases the NUL-terminated string in place; returns it.
unsigned char* _mbslwr(unsigned char* str);
// Non-zero for a letter or digit of the multibyte code page.
int _ismbcalnum(unsigned int c);

}  // extern "C"

#endif  // OLVAREN_COMPAT_MBSTRING_H
