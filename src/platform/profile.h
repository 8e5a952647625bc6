// Windows profile (INI) files, the home of the operator's settings.
// Section and key names match without regard to ASCII case. A read trims
// blanks around the value and one pair of matching surrounding quotes, and
// returns the whole value however long. A write replaces the key's value in
// place, appends a new key at the end of its section and a new section at the
// end of the file, writes CR LF line ends, and never creates a directory.
// Paths use "\" as on Windows; a relative path resolves against the current
// directory.
//
// Both builds behave as the Win32 profile functions do, quirks included:
// - a write that changes the file rewrites it in normal form: blank lines
//   dropped, blanks around names and values removed, CR LF after every line;
//   a write of the value the key already has leaves the file untouched;
// - a written value loses its leading blanks;
// - the default of a read loses its trailing spaces (not its first
//   character), and quotes around it are removed like a stored value's;
// - a line without "=" is kept but is no key: a read of it gives the default;
// - only the first section of a name is searched or written.
// Texts end at their first NUL byte, as the Win32 functions see them.
#pragma once

#include <string>

namespace profile {

// The value of `key` in `section` of `path`, or `defaultValue` when the file,
// the section or the key is missing or the file cannot be read.
std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue,
                       const std::string& path);

// Writes `key`=`value` into `section` of `path`, creating the file and the
// section as needed. Returns false, leaving the file as it was, when the file
// or its directory cannot be written or when CanStore refuses the texts.
bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& path);

// False for texts that the line-based file would not keep as one entry: a
// line break anywhere, a key that is blank, holds "=" or starts with "[".
// The Win32 functions would write them and so corrupt the neighbouring
// entries; both builds refuse them instead.
bool CanStore(const std::string& section, const std::string& key, const std::string& value);

}  // namespace profile
