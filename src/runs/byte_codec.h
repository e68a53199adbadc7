#pragma once
// Little-endian integers and variable-length numbers, written to a growing
// buffer and read back from a bounded one. A reader never reads past its
// end: every read says whether it succeeded, and a failed read leaves the
// reader failed, so a whole record can be decoded and checked once.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace recording {

class ByteWriter {
public:
    std::vector<uint8_t>& bytes() { return bytes_; }
    void clear() { bytes_.clear(); }

    void u8(uint8_t v) { bytes_.push_back(v); }
    void u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void u64(uint64_t v)
    {
        for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    // Seven bits a byte, low first; small numbers take one byte.
    void varint(uint64_t v)
    {
        while (v >= 0x80) {
            bytes_.push_back(static_cast<uint8_t>(v | 0x80));
            v >>= 7;
        }
        bytes_.push_back(static_cast<uint8_t>(v));
    }
    // Signed numbers near zero stay short: 0, -1, 1, -2 ... become 0, 1, 2, 3 ...
    void svarint(int64_t v) { varint((static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63)); }
    void text(const std::string& s)
    {
        varint(s.size());
        raw(std::span(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
    }
    void raw(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }

private:
    std::vector<uint8_t> bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == data_.size(); }
    std::size_t position() const { return at_; }
    std::size_t remaining() const { return data_.size() - at_; }

    bool u8(uint8_t& v)
    {
        if (!need(1)) return false;
        v = data_[at_++];
        return true;
    }
    bool u32(uint32_t& v)
    {
        if (!need(4)) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t(data_[at_++]) << (8 * i);
        return true;
    }
    bool u64(uint64_t& v)
    {
        if (!need(8)) return false;
        v = 0;
        for (int i = 0; i < 8; ++i) v |= uint64_t(data_[at_++]) << (8 * i);
        return true;
    }
    bool varint(uint64_t& v)
    {
        v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            uint8_t b = 0;
            if (!u8(b)) return false;
            v |= uint64_t(b & 0x7F) << shift;
            if (!(b & 0x80)) return true;
        }
        return fail();  // more than ten bytes: no number of ours
    }
    bool svarint(int64_t& v)
    {
        uint64_t u = 0;
        if (!varint(u)) return false;
        v = static_cast<int64_t>(u >> 1) ^ -static_cast<int64_t>(u & 1);
        return true;
    }
    // A signed number that must fit in 32 bits.
    bool int32(int32_t& v)
    {
        int64_t wide = 0;
        if (!svarint(wide)) return false;
        if (wide < INT32_MIN || wide > INT32_MAX) return fail();
        v = static_cast<int32_t>(wide);
        return true;
    }
    bool text(std::string& s, std::size_t maxLength)
    {
        uint64_t n = 0;
        if (!varint(n)) return false;
        if (n > maxLength || !need(static_cast<std::size_t>(n))) return fail();
        s.assign(reinterpret_cast<const char*>(data_.data() + at_), static_cast<std::size_t>(n));
        at_ += static_cast<std::size_t>(n);
        return true;
    }
    bool raw(std::span<const uint8_t>& out, std::size_t n)
    {
        if (!need(n)) return false;
        out = data_.subspan(at_, n);
        at_ += n;
        return true;
    }
    bool fail()
    {
        ok_ = false;
        at_ = data_.size();
        return false;
    }

private:
    bool need(std::size_t n)
    {
        if (!ok_ || data_.size() - at_ < n) return fail();
        return true;
    }

    std::span<const uint8_t> data_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace recording
