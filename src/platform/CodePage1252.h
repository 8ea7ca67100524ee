// Windows-1252, the suite's byte encoding of names, to and from UTF-8, the
// encoding of host names on POSIX.
#pragma once

#include <string>

namespace qv::platform {

/// The UTF-8 form of Windows-1252 text; false when it holds one of the five
/// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D), with
/// that byte in undefinedByte.
bool Cp1252ToUtf8(const std::string& text, std::string& out, unsigned char* undefinedByte = nullptr);

/// The Windows-1252 form of UTF-8 text; false when it is not valid UTF-8 or
/// holds a character the code page lacks.
bool Utf8ToCp1252(const std::string& text, std::string& out);

/// The suite's spelling of a host name: its Windows-1252 form, when it has
/// one and holds no control character; false for a name the suite cannot
/// spell (listings leave such names out).
bool HostNameToSuite(const std::string& hostName, std::string& suiteName);

}  // namespace qv::platform
