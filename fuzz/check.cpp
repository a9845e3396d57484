#include "check.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void fail(const char* file, int line, const char* condition, const std::string& detail)
{
    std::fprintf(stderr, "\n*** invariant broken at %s:%d: %s\n    %s\n", file, line, condition, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

std::string quoted(std::string_view text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\' && c != '"') {
            out += c;
        } else {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xf];
        }
    }
    return out + "\"";
}

}  // namespace fuzz
