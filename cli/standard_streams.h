// Standard input and output carry the script's and the report's bytes as
// they are. Windows opens them in text mode, which would turn every "\n"
// printed into "\r\n" and stop reading a script at a ^Z byte.
#pragma once

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

namespace corvane {

inline void UseBinaryStandardStreams() {
#ifdef _WIN32
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace corvane
