// Every number text the program writes must read back as a number, and writing
// that number again must give the same text.
#include "common/number_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = korvane::parseNumber(text);
    if (!value)
        return 0;
    for (const std::string& written :
         {korvane::generalForm(*value), korvane::leadingBlankForm(*value)}) {
        const auto again = korvane::parseNumber(written);
        if (!again || korvane::generalForm(*again) != korvane::generalForm(*value))
            std::abort();
    }
    const std::string whole = korvane::hashFormat(*value);
    if (!whole.empty() && !korvane::parseNumber(whole))
        std::abort();
    return 0;
}
