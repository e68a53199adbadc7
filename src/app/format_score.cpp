#include "app/format_score.h"

std::string FormatScore(int32_t value)
{
    std::string text = std::to_string(value);
    if (text.size() < 6) text.insert(0, 6 - text.size(), '0');
    return text;
}
