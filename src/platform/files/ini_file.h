#pragma once
// An INI profile file with the platform's semantics: sections and keys match
// without regard to case, the first match wins, values are trimmed and lose
// one pair of surrounding quotes, and writing a key changes only its own line
// (everything else in the file, readable or not, is kept as it was).
#include <cstddef>
#include <string>
#include <vector>

#include "platform/errors.h"

namespace platform {

class IniFile {
public:
    // Files beyond this are not ours to rewrite: read as empty, never written.
    static constexpr std::size_t kMaxSize = 4 * 1024 * 1024;

    // Reads the file; a missing file is an empty one. Throws EFileError when
    // the file exists but cannot be read.
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    std::string readString(const std::string& section, const std::string& key, const std::string& fallback) const;
    // Decimal, or hexadecimal with "$" or "0x"; anything else gives `fallback`.
    int readInteger(const std::string& section, const std::string& key, int fallback) const;
    // Any integer but 0 is true.
    bool readBool(const std::string& section, const std::string& key, bool fallback) const;

    // Each write updates the file on disk at once, through a temporary file
    // renamed over it, so a full disk never leaves a half-written file.
    // Throws EFileError when the file cannot be written.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int value);
    void writeBool(const std::string& section, const std::string& key, bool value);

private:
    struct Located {
        std::ptrdiff_t sectionLine = -1;  // header line of the section
        std::ptrdiff_t keyLine = -1;      // line holding the key
        std::ptrdiff_t insertAt = -1;     // where a new key of the section goes
    };
    Located locate(const std::string& section, const std::string& key) const;
    void save() const;

    std::string path_;
    std::vector<std::string> lines_;  // raw bytes of each line, without '\n'
    bool endsWithNewline_ = true;
    bool crlf_ = false;
    bool tooLarge_ = false;
};

// Parses an integer the way the profile reader does; false when it is not one.
bool parseProfileInteger(const std::string& text, int& value);

}  // namespace platform
