#include "source_parser.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "source_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The first `wanted` outside quoted text, or the line's end.
std::size_t FirstOutsideQuotes(std::string_view line, char wanted)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '\\') ++i;
        else if (line[i] == '"') quoted = !quoted;
        else if (!quoted && line[i] == wanted) return i;
    }
    return line.size();
}

// "fired   below" and "fired below" are the same key.
std::string NormalizeKey(std::string_view raw)
{
    std::string key;
    for (const char c : Trim(raw)) {
        if (IsBlank(c)) {
            if (key.back() != ' ') key += ' ';
        } else {
            key += c;
        }
    }
    return key;
}

std::optional<int64_t> ParseWhole(std::string_view text)
{
    if (text.empty() || (text[0] == '-' && text.size() == 1)) return std::nullopt;
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) return std::numeric_limits<int64_t>::max();
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int32_t ParseInteger(std::string_view key, std::string_view value)
{
    const std::optional<int64_t> whole = ParseWhole(value);
    if (!whole) throw ESourceError("\"" + std::string(key) + "\" wants a whole number, not \"" + std::string(value) + "\"");
    if (*whole < std::numeric_limits<int32_t>::min() || *whole > std::numeric_limits<int32_t>::max())
        throw ESourceError("\"" + std::string(key) + "\": " + std::string(value) + " does not fit in 32 bits");
    return static_cast<int32_t>(*whole);
}

std::string ParseText(std::string_view key, std::string_view value, std::size_t capacity)
{
    if (value.empty() || value[0] != '"') throw ESourceError("\"" + std::string(key) + "\" wants text in double quotes");
    std::size_t pos = 0;
    std::string text = ReadQuoted(value, pos);
    if (!Trim(value.substr(pos)).empty())
        throw ESourceError("unexpected \"" + std::string(value.substr(pos)) + "\" after the quoted text");
    if (text.size() > capacity)
        throw ESourceError("\"" + std::string(key) + "\" is " + std::to_string(text.size()) +
                           " characters long; the level file holds at most " + std::to_string(capacity));
    return text;
}

// "x3" after a product name: how many of it, in all.
std::optional<int64_t> RepeatCount(std::string_view word)
{
    if (word.size() < 2 || word[0] != 'x') return std::nullopt;
    const std::optional<int64_t> n = ParseWhole(word.substr(1));
    if (!n || word[1] == '-') return std::nullopt;
    return n;
}

class TParser {
public:
    explicit TParser(TParseResult& result) : FResult(result), FSource(result.Source) {}

    void Line(std::string_view raw, int number)
    {
        FLine = number;
        std::string_view line = Trim(raw.substr(0, FirstOutsideQuotes(raw, '#')));
        if (line.empty()) return;
        try {
            const std::size_t colon = FirstOutsideQuotes(line, ':');
            if (colon < line.size()) {
                KeyLine(NormalizeKey(line.substr(0, colon)), Trim(line.substr(colon + 1)));
            } else if (FInProducts) {
                Products(line);
            } else {
                throw ESourceError("expected \"key: value\" here (products are listed after \"products:\")");
            }
        } catch (const ESourceError& e) {
            Error(e.what());
        }
    }

    void Finish()
    {
        FLine = 0;
        for (const TFieldDef& f : LevelFields())
            if (f.Required && FSource.LineOf(f.Id) == 0) Error("no \"" + std::string(f.Key) + ":\" line");
        if (FSource.LineOf(TLevelField::ProductCount) == 0)
            FSource.Level.Header.FProductCount = static_cast<int32_t>(FSource.Level.Products.size());
    }

private:
    void Error(std::string message) { FResult.Errors.push_back({FLine, std::move(message)}); }

    void KeyLine(const std::string& key, std::string_view value)
    {
        FInProducts = false;
        const TFieldDef* field = FindFieldByKey(key);
        if (!field) throw ESourceError("unknown key \"" + key + "\"");
        int& line = FSource.FieldLines[static_cast<std::size_t>(field->Id)];
        if (line != 0) throw ESourceError("\"" + key + "\" was already given on line " + std::to_string(line));
        line = FLine;
        TLevelHeader& h = FSource.Level.Header;
        switch (field->Kind) {
        case TFieldKind::Integer: h.*field->Integer = ParseInteger(key, value); break;
        case TFieldKind::Name: (h.*field->Name).Assign(ParseText(key, value, TName30::Capacity)); break;
        case TFieldKind::Text: (h.*field->Text).Assign(ParseText(key, value, TText255::Capacity)); break;
        case TFieldKind::ProductList:
            FInProducts = true;
            if (!value.empty()) Products(value);
            break;
        }
    }

    void Products(std::string_view line)
    {
        std::optional<std::string> last;  // the name a repeat count applies to
        std::size_t pos = 0;
        while (pos < line.size()) {
            if (IsBlank(line[pos])) {
                ++pos;
                continue;
            }
            if (line[pos] == '"') {
                Add(ReadQuoted(line, pos), 1);
                last = FSource.Level.Products.back();
                continue;
            }
            const std::size_t end = std::min(line.size(), line.find_first_of(" \t\r", pos));
            const std::string_view word = line.substr(pos, end - pos);
            pos = end;
            if (const std::optional<int64_t> n = RepeatCount(word); n && last) {
                if (*n < 1) throw ESourceError("a repeat count is 1 or more");
                Add(*last, *n - 1);
                last.reset();  // "boat x2 x3" is a slip, not five boats
                continue;
            }
            Add(std::string(word), 1);
            last = std::string(word);
        }
    }

    void Add(const std::string& name, int64_t count)
    {
        if (name.size() > TName30::Capacity)
            throw ESourceError("the product name " + Quote(name) + " is " + std::to_string(name.size()) +
                               " characters long; a product record holds at most 30");
        auto& products = FSource.Level.Products;
        if (count > static_cast<int64_t>(kMaxListedProducts - products.size()))
            throw ESourceError("more than " + std::to_string(kMaxListedProducts) + " products");
        for (int64_t i = 0; i < count; ++i) {
            products.push_back(name);
            FSource.ProductLines.push_back(FLine);
        }
    }

    TParseResult& FResult;
    TLevelSource& FSource;
    int FLine = 0;
    bool FInProducts = false;
};

}  // namespace

TParseResult ParseLevelSource(std::string_view text)
{
    TParseResult result;
    TParser parser(result);
    int number = 0;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t nl = text.find('\n', from);
        if (nl == std::string_view::npos) nl = text.size();
        parser.Line(text.substr(from, nl - from), ++number);
        from = nl + 1;
    }
    parser.Finish();
    return result;
}
