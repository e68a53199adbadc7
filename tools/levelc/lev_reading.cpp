#include "lev_reading.h"

#include <algorithm>
#include <sstream>

#include "source_fields.h"

namespace {

template <std::size_t N>
void InspectText(const TShortString<N>& text, const std::string& what, TLevReading& r)
{
    const auto& bytes = text.Bytes();
    if (bytes[0] > N)
        r.Departures.push_back(what + ": its length byte says " + std::to_string(bytes[0]) +
                               " characters; the field holds " + std::to_string(N) + ", so the game reads " +
                               std::to_string(N));
    if (std::any_of(bytes.begin() + 1 + std::min<std::size_t>(bytes[0], N), bytes.end(), [](uint8_t b) { return b; }))
        r.Ignored.push_back(what + ": bytes after its text are not zero");
}

void InspectHeaderTexts(const TLevelHeader& h, TLevReading& r)
{
    for (const TFieldDef& f : LevelFields()) {
        const std::string what = "\"" + std::string(f.Key) + "\"";
        if (f.Kind == TFieldKind::Name) InspectText(h.*f.Name, what, r);
        if (f.Kind == TFieldKind::Text) InspectText(h.*f.Text, what, r);
    }
}

}  // namespace

TLevReading ReadLevBytes(std::span<const uint8_t> bytes)
{
    TLevReading r;
    {
        std::istringstream in(std::string(bytes.begin(), bytes.end()));
        r.Level = ReadLevelFile(in);
    }
    const TLevelHeader& h = r.Level.Header;
    InspectHeaderTexts(h, r);
    if (bytes.size() < kLevelHeaderSize) {
        r.Departures.push_back("the file ends inside the header, after " + std::to_string(bytes.size()) + " of " +
                               std::to_string(kLevelHeaderSize) + " bytes");
        // The fields past the end were never in the file; only what is there counts.
        return r;
    }

    const std::size_t body = bytes.size() - kLevelHeaderSize;
    const std::size_t records = body / kProductRecordSize;
    const std::size_t loose = body % kProductRecordSize;
    if (static_cast<int64_t>(records) != static_cast<int64_t>(h.FProductCount))
        r.Departures.push_back("the header counts " + std::to_string(h.FProductCount) + " products but the file holds " +
                               std::to_string(records) + " whole records");
    if (records > r.Level.Products.size())
        r.Ignored.push_back(std::to_string(records - r.Level.Products.size()) +
                            " records after the counted products are not read");
    if (loose > 0) {
        const std::string where = std::to_string(loose) + " bytes after the last whole record";
        // A cut record counts as the end of the file only when the count wanted it.
        if (r.Level.Products.size() == records && static_cast<int64_t>(records) < h.FProductCount)
            r.Departures.push_back("the file ends inside a product record: " + where);
        else
            r.Ignored.push_back(where + " are not read");
    }
    for (std::size_t i = 0; i < r.Level.Products.size(); ++i) {
        TName30 record;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(kLevelHeaderSize + i * kProductRecordSize),
                    kProductRecordSize, record.Bytes().begin());
        InspectText(record, "product record " + std::to_string(i + 1), r);
    }
    return r;
}
