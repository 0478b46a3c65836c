// Cuts one configuration line into fields separated by runs of delimiter characters.
#pragma once

#include <cstddef>
#include <string>

class TokenSplitter {
public:
    // Keeps its own copy of the line, up to (not including) its first NUL.
    explicit TokenSplitter(const char* line);

    // The next run of characters that are not in `delimiters` (a NUL-terminated set), or an
    // empty string once the line is used up, and at every call after that. Runs of several
    // delimiters count as one separator; leading and trailing ones give no empty tokens.
    std::string NextToken(const char* delimiters);

private:
    std::string text;
    std::size_t cursor = 0;
};
