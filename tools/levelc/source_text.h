#pragma once
// Quoted text in a level source. The level file holds Latin-1 bytes; the
// source is UTF-8, so characters up to U+00FF are written as themselves and
// any byte may be written as \xHH. A dump writes plain ASCII only: printable
// characters as they are, \" and \\, and every other byte as \xHH.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// A fault in the source text; the parser adds the line.
struct ESourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the quoted text that starts at line[pos] (the opening quote) and
// returns its Latin-1 bytes; pos ends after the closing quote.
std::string ReadQuoted(std::string_view line, std::size_t& pos);

// The bytes as a quoted ASCII text that ReadQuoted reads back unchanged.
std::string Quote(std::string_view latin1);

// Product names that need no quotes: lower-case letters, digits and '-',
// but not a repeat count such as x3.
bool IsBareWord(std::string_view text);
