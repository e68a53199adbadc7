#include "source_writer.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

#include "source_fields.h"
#include "source_text.h"

namespace {

constexpr std::size_t kValueColumn = 16;  // values line up after the longest key

void WriteField(std::ostream& out, const TFieldDef& f, const TLevelHeader& h)
{
    std::string key = std::string(f.Key) + ":";
    key.resize(std::max(kValueColumn, key.size() + 1), ' ');
    out << key;
    switch (f.Kind) {
    case TFieldKind::Integer: out << h.*f.Integer; break;
    case TFieldKind::Name: out << Quote((h.*f.Name).View()); break;
    case TFieldKind::Text: out << Quote((h.*f.Text).View()); break;
    case TFieldKind::ProductList: break;
    }
    out << '\n';
}

void WriteProducts(std::ostream& out, const std::vector<std::string>& products)
{
    out << "products:\n";
    for (std::size_t i = 0; i < products.size();) {
        std::size_t run = 1;
        while (i + run < products.size() && products[i + run] == products[i]) ++run;
        out << "    " << (IsBareWord(products[i]) ? products[i] : Quote(products[i]));
        if (run > 1) out << " x" << run;
        out << '\n';
        i += run;
    }
}

}  // namespace

std::string WriteLevelSource(const TLevelData& level, std::string_view origin, const std::vector<std::string>& notes)
{
    std::ostringstream out;
    out << "# " << origin << '\n';
    for (const std::string& note : notes) out << "# " << note << '\n';
    out << '\n';
    const TLevelHeader& h = level.Header;
    for (const TFieldDef& f : LevelFields())
        if (!f.Reserved && f.Kind != TFieldKind::ProductList && f.Id != TLevelField::ProductCount) WriteField(out, f, h);
    out << '\n';
    if (static_cast<int64_t>(h.FProductCount) != static_cast<int64_t>(level.Products.size())) {
        out << "# The file's own count, which differs from the products it holds.\n";
        WriteField(out, FieldDef(TLevelField::ProductCount), h);
    }
    WriteProducts(out, level.Products);
    out << "\n# Not used by the game; kept so that nothing is lost.\n";
    for (const TFieldDef& f : LevelFields())
        if (f.Reserved) WriteField(out, f, h);
    return out.str();
}
