// Primes as page text, fast: making every page of a large search again (a
// save of 500 MB) is bound by these few lines. Internal to the search engine.
#pragma once

#include <primesieve.hpp>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace korvane::search {

// The ascending primes from `lo` on, a sieved batch at a time. `hint` is
// where the caller expects to stop, so the sieve does not run far past it.
class PrimeStream {
  public:
    PrimeStream(std::uint64_t lo, std::uint64_t hint) : it_(lo, hint) {}
    std::uint64_t next() {
        if (i_ == n_) {
            it_.generate_next_primes();
            i_ = 0;
            n_ = it_.size_;
        }
        return it_.primes_[i_++];
    }

  private:
    primesieve::iterator it_;
    std::size_t i_ = 0;
    std::size_t n_ = 0;
};

// "0000" to "9999", for writing the low four digits of a prime in one store.
struct FourDigitTable {
    char text[40000];
    constexpr FourDigitTable() : text() {
        for (int i = 0; i < 10000; ++i) {
            text[4 * i] = static_cast<char>('0' + i / 1000);
            text[4 * i + 1] = static_cast<char>('0' + i / 100 % 10);
            text[4 * i + 2] = static_cast<char>('0' + i / 10 % 10);
            text[4 * i + 3] = static_cast<char>('0' + i % 10);
        }
    }
};
inline constexpr FourDigitTable fourDigits{};

// Writes each prime as a blank and its digits ("2" alone has no blank). The
// digits above the low four change only every 10000 numbers, so they are
// kept written out and each prime costs two fixed-size copies; the writer
// therefore needs `slack` bytes of room past what it writes.
class PrimeWriter {
  public:
    static constexpr std::size_t slack = 32;

    char* write(char* out, std::uint64_t p) {
        std::uint64_t low = p - highBase_;
        if (low >= 10000 || highBase_ == 0) [[unlikely]] {
            if (p < 10000)
                return writePlain(out, p);
            rebase(p);
            low = p - highBase_;
        }
        std::memcpy(out, highText_, sizeof highText_);
        std::memcpy(out + highLen_, fourDigits.text + 4 * low, 4);
        return out + highLen_ + 4;
    }

  private:
    static char* writePlain(char* out, std::uint64_t p) {
        if (p != 2)
            *out++ = ' ';
        return std::to_chars(out, out + 8, p).ptr;
    }
    void rebase(std::uint64_t p) {
        const std::uint64_t high = p / 10000;
        highBase_ = high * 10000;
        highText_[0] = ' ';
        highLen_ = static_cast<std::size_t>(
            std::to_chars(highText_ + 1, highText_ + sizeof highText_, high).ptr - highText_);
    }

    std::uint64_t highBase_ = 0; // 0: nothing kept yet
    char highText_[24] = {};
    std::size_t highLen_ = 0;
};

} // namespace korvane::search
