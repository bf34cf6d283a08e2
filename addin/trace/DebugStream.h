// The debug trace: a standard output stream whose every flush hands the
// collected text to the Windows debug-output channel (OutputDebugStringA).
// Code traces with `g_dout << "[Olvaren] ..." << std::endl`; the stream is
// unit-buffered, so each insertion reaches the channel as a piece of its own.
// While g_suppressTrace is TRUE the text is dropped (the buffer still empties).
#pragma once

#include <windows.h>

#include <ostream>
#include <sstream>
#include <string>

// Process-wide trace switch; FALSE at load, set once by the host's
// construction from the settings value debug_mode.
extern BOOL g_suppressTrace;

// Hands one collected piece to the debug channel (or drops it).
void DebugStreamEmit(const std::string& text);

template <class CharT, class Traits = std::char_traits<CharT>>
class basic_debugbuf : public std::basic_stringbuf<CharT, Traits>
{
public:
    basic_debugbuf()
        : std::basic_stringbuf<CharT, Traits>(std::ios_base::in | std::ios_base::out)
    {
    }

    virtual ~basic_debugbuf()
    {
        sync();
    }

protected:
    int sync() override
    {
        DebugStreamEmit(this->str());
        this->str(std::basic_string<CharT, Traits>());
        return 0;
    }
};

template <class CharT, class Traits = std::char_traits<CharT>>
class basic_dostream : public std::basic_ostream<CharT, Traits>
{
public:
    basic_dostream()
        : std::basic_ostream<CharT, Traits>(new basic_debugbuf<CharT, Traits>())
    {
        this->setf(std::ios_base::unitbuf);
    }

    virtual ~basic_dostream()
    {
        delete this->rdbuf();
    }

private:
    basic_dostream(const basic_dostream&);
    basic_dostream& operator=(const basic_dostream&);
};

// The one trace stream of the DLL (defined with the other static objects in
// host/Statics.cpp, which fixes their construction order).
extern basic_dostream<char> g_dout;
