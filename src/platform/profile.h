// Windows profile (INI) files, the home of the operator's settings.
// Section and key names match without regard to ASCII case. A read trims
// blanks around the value and one pair of matching surrounding quotes, and
// returns the whole value however long. A write replaces the key's line in
// place and keeps every other line, appends a new key at the end of its
// section and a new section at the end of the file, writes CR LF line ends,
// and never creates a directory. Paths use "\" as on Windows.
#pragma once

#include <string>

namespace profile {

// The value of `key` in `section` of `path`, or `defaultValue` when the file,
// the section or the key is missing.
std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue,
                       const std::string& path);

// Writes `key`=`value` into `section` of `path`, creating the file and the
// section as needed. Returns false when the file cannot be written.
bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& path);

}  // namespace profile
