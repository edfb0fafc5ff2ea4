// The answers of "Factor", each read off one factorization of the number.
#include "factor/factor_answer.h"

#include <utility>

namespace korvane::factor {
namespace {

// The first item, then the smallest odd divisor up to the square root if there
// is one. An even number needs no search in this mode: its list is 1 and 2.
Answer firstDivisorAnswer(const FactoredNumber& number) {
    Answer out;
    out.items.push_back("1");
    if (number.number() % 2 == 0) {
        out.items.push_back("2");
    } else if (const std::optional<Whole> divisor = number.firstOddDivisor()) {
        out.items.push_back(decimalText(*divisor));
    }
    out.prime = number.isPrime();
    return out;
}

// Every divisor ascending, the number itself last and exactly as typed.
Answer allDivisorsAnswer(const FactoredNumber& number, const std::string& typed) {
    const std::vector<Whole> divisors = number.divisors();
    Answer out;
    out.items.reserve(divisors.size());
    std::size_t pairs = 0;
    for (std::size_t i = 0; i + 1 < divisors.size(); ++i) {
        const Whole d = divisors[i];
        pairs += d >= 2 && d <= number.number() / d;
        out.items.push_back(decimalText(d));
    }
    out.items.push_back(typed);
    out.pairCounter = 1 + 2 * pairs;
    out.prime = number.isPrime();
    return out;
}

} // namespace

bool Request::searches() const {
    return number != 2 && (option == Option::AllDivisors || number % 2 != 0);
}

std::variant<Request, InputError> readRequest(std::string_view text, Option option) {
    const CheckedInput input = checkInput(text);
    if (std::optional<InputError> refused = refusalOf(input.kind))
        return *std::move(refused);
    return Request{input.value, option, std::string(text)};
}

Answer answer(const Request& request, const Factorizer& factorizer) {
    Answer out;
    if (request.number == 2) {
        out.prime = true;
        return out;
    }
    const FactoredNumber number = factorizer(request.number);
    out = request.option == Option::FirstDivisor ? firstDivisorAnswer(number)
                                                 : allDivisorsAnswer(number, request.typed);
    out.listed = true;
    out.factorization = number.text();
    return out;
}

} // namespace korvane::factor
