#include "platform/files/ini_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

#include "platform/files/atomic_file.h"
#include "platform/system/utf8_path.h"

namespace platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool equalsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

// "[name]" gives name; anything else is not a section header.
bool sectionName(const std::string& line, std::string& name)
{
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    const auto close = t.find(']');
    if (close == std::string::npos) return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// "key=value" gives both; comments and lines without '=' give false.
bool keyValue(const std::string& line, std::string& key, std::string& value)
{
    const auto eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = trim(line.substr(0, eq));
    if (key.empty() || key.front() == ';') return false;
    value = trim(line.substr(eq + 1));
    return true;
}

std::string ioError(const std::string& what, const std::string& path)
{
    return what + " \"" + path + "\": " + std::strerror(errno);
}

}  // namespace

bool parseProfileInteger(const std::string& raw, int& value)
{
    const std::string text = trim(raw);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return false;
    long long acc = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        acc = acc * base + digit;
        if (acc > 0xFFFFFFFFLL) return false;
    }
    if (base == 10 && acc > (negative ? 2147483648LL : 2147483647LL)) return false;
    // Hexadecimal may spell the whole 32-bit pattern, as the platform allows.
    const long long signedValue = negative ? -acc : acc;
    value = static_cast<int>(static_cast<uint32_t>(signedValue));
    return true;
}

IniFile::IniFile(std::string path) : path_(std::move(path))
{
    std::error_code ec;
    const std::filesystem::path file = utf8Path(path_);
    if (!std::filesystem::exists(file, ec)) return;
    if (std::filesystem::is_directory(file, ec)) throw EFileError("Cannot open file \"" + path_ + "\": it is a folder");
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec && size > kMaxSize) {
        tooLarge_ = true;
        return;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw EFileError(ioError("Cannot open file", path_));
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EFileError(ioError("Cannot read file", path_));
    if (content.size() > kMaxSize) {
        tooLarge_ = true;
        return;
    }
    std::size_t start = 0;
    while (start < content.size()) {
        const auto nl = content.find('\n', start);
        if (nl == std::string::npos) {
            lines_.push_back(content.substr(start));
            endsWithNewline_ = false;
            break;
        }
        lines_.push_back(content.substr(start, nl - start));
        start = nl + 1;
    }
    crlf_ = !lines_.empty() && !lines_.front().empty() && lines_.front().back() == '\r';
}

IniFile::Located IniFile::locate(const std::string& section, const std::string& key) const
{
    Located at;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string name, k, v;
        if (sectionName(lines_[i], name)) {
            if (inSection) break;  // only the first section of that name counts
            inSection = equalsNoCase(name, section);
            if (inSection) {
                at.sectionLine = static_cast<std::ptrdiff_t>(i);
                at.insertAt = at.sectionLine + 1;
            }
            continue;
        }
        if (!inSection) continue;
        if (keyValue(lines_[i], k, v)) {
            at.insertAt = static_cast<std::ptrdiff_t>(i) + 1;
            if (equalsNoCase(k, key)) {
                at.keyLine = static_cast<std::ptrdiff_t>(i);
                return at;
            }
        } else if (!trim(lines_[i]).empty()) {
            at.insertAt = static_cast<std::ptrdiff_t>(i) + 1;
        }
    }
    return at;
}

std::string IniFile::readString(const std::string& section, const std::string& key, const std::string& fallback) const
{
    const auto at = locate(section, key);
    if (at.keyLine < 0) return fallback;
    std::string k, v;
    keyValue(lines_[static_cast<std::size_t>(at.keyLine)], k, v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

int IniFile::readInteger(const std::string& section, const std::string& key, int fallback) const
{
    int value;
    return parseProfileInteger(readString(section, key, ""), value) ? value : fallback;
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    if (tooLarge_) throw EFileError("Cannot write file \"" + path_ + "\": it is too large to be a settings file");
    const std::string cr = crlf_ ? "\r" : "";
    const std::string line = key + "=" + value + cr;
    const auto at = locate(section, key);
    if (at.keyLine >= 0) {
        lines_[static_cast<std::size_t>(at.keyLine)] = line;
    } else if (at.sectionLine >= 0) {
        lines_.insert(lines_.begin() + at.insertAt, line);
    } else {
        if (!endsWithNewline_ && !lines_.empty()) endsWithNewline_ = true;
        lines_.push_back("[" + section + "]" + cr);
        lines_.push_back(line);
    }
    save();
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void IniFile::save() const
{
    std::string content;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        content += lines_[i];
        if (i + 1 < lines_.size() || endsWithNewline_) content += '\n';
    }
    writeFileAtomically(path_, content);
}

}  // namespace platform
