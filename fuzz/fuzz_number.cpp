// Every number text the program writes must read back as a number, and writing
// that number again must give the same text. The exact reader takes the same
// texts as the 64-bit one, and the calculator's display of what it read reads
// back too.
#include "common/exact_number.h"
#include "common/number_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = korvane::parseNumber(text);
    const auto exact = korvane::ExactNumber::read(text);
    if (value.has_value() != exact.has_value())
        std::abort();
    if (!value)
        return 0;
    if (!korvane::parseNumber(korvane::generalForm(exact->roundedDigits(15))))
        std::abort();
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
