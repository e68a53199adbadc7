#include "platform/backends/picture_fit.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace platform {
namespace {

Rect centred(int outputWidth, int outputHeight, int width, int height)
{
    const int left = (outputWidth - width) / 2, top = (outputHeight - height) / 2;
    return {left, top, left + width, top + height};
}

std::string trimmedLower(const std::string& text)
{
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    std::string out;
    for (auto it = first; it < last; ++it) out += static_cast<char>(std::tolower(static_cast<unsigned char>(*it)));
    return out;
}

}  // namespace

PictureFit fitPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight, Scaling scaling)
{
    if (outputWidth <= 0 || outputHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
    if (scaling == Scaling::Integer) {
        const int factor = std::min(outputWidth / pictureWidth, outputHeight / pictureHeight);
        if (factor >= 1)
            return {centred(outputWidth, outputHeight, pictureWidth * factor, pictureHeight * factor), factor};
    }
    // As wide as the output unless that makes it too tall; 64-bit products
    // keep huge outputs from overflowing.
    const int64_t w = outputWidth, h = outputHeight, pw = pictureWidth, ph = pictureHeight;
    int width, height;
    if (w * ph <= h * pw) {
        width = outputWidth;
        height = static_cast<int>(std::max<int64_t>(1, (w * ph + pw / 2) / pw));
    } else {
        height = outputHeight;
        width = static_cast<int>(std::max<int64_t>(1, (h * pw + ph / 2) / ph));
    }
    const bool whole = width % pictureWidth == 0 && height % pictureHeight == 0 &&
                       width / pictureWidth == height / pictureHeight;
    return {centred(outputWidth, outputHeight, width, height), whole ? width / pictureWidth : 0};
}

Scaling parseScaling(const std::string& text, Scaling fallback)
{
    const std::string word = trimmedLower(text);
    if (word == "integer") return Scaling::Integer;
    if (word == "smooth") return Scaling::Smooth;
    return fallback;
}

}  // namespace platform
