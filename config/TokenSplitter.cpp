// Cuts one configuration line into fields separated by runs of delimiter characters.
#include "TokenSplitter.h"

#include <cstring>

TokenSplitter::TokenSplitter(const char* line) : text(line) {}

std::string TokenSplitter::NextToken(const char* delimiters)
{
    // `text` holds no NUL of its own, so the C span functions see exactly the line.
    const char* start = text.c_str();
    cursor += std::strspn(start + cursor, delimiters);
    const std::size_t length = std::strcspn(start + cursor, delimiters);
    std::string token = text.substr(cursor, length);
    cursor += length;
    return token;
}
