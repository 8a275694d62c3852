// SPDX-License-Identifier: GPL-3.0-or-later

// Compares the single-to-text conversion with an independent reference on
// every single bit pattern (or every stride-th one): printf's exact "%.6e",
// rewritten by the seven-digit rule. Prints the first mismatches; exit 1
// when there is any.
//
//   format_check [--stride N] [--threads T]

#include "solver/number_text.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

// "-d.dddddde±XX" → the seven-digit rule: fixed for exponents -4 … 6,
// otherwise mantissa, "E", sign and at least two exponent digits. Written
// into a buffer: this runs four billion times.
std::string_view reference(float value, char (&out)[32])
{
    if (value == 0.0f)
        return "0";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.6e", static_cast<double>(value));
    const bool negative = printed[0] == '-';
    const char* text = printed + (negative ? 1 : 0);
    char digits[7] = { text[0], text[2], text[3], text[4], text[5], text[6], text[7] };
    int count = 7;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    const int exponent = std::atoi(text + 9);

    char* end = out;
    if (negative)
        *end++ = '-';
    if (exponent < -4 || exponent > 6) {
        *end++ = digits[0];
        if (count > 1) {
            *end++ = '.';
            end = std::copy(digits + 1, digits + count, end);
        }
        end += std::snprintf(end, 8, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    } else if (exponent < 0) {
        *end++ = '0';
        *end++ = '.';
        end = std::fill_n(end, -exponent - 1, '0');
        end = std::copy(digits, digits + count, end);
    } else {
        const int whole = exponent + 1;
        end = std::copy(digits, digits + std::min(count, whole), end);
        if (count > whole) {
            *end++ = '.';
            end = std::copy(digits + whole, digits + count, end);
        } else {
            end = std::fill_n(end, whole - count, '0');
        }
    }
    return { out, static_cast<std::size_t>(end - out) };
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t stride = 1;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option(argv[i]);
        if (option == "--stride")
            stride = std::max<std::uint64_t>(1, std::strtoull(argv[i + 1], nullptr, 10));
        else if (option == "--threads")
            threads = std::max(1u, static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10)));
    }

    constexpr std::uint64_t kPatterns = std::uint64_t { 1 } << 32;
    std::atomic<std::uint64_t> checked = 0;
    std::atomic<std::uint64_t> mismatches = 0;
    std::mutex printing;
    const auto started = std::chrono::steady_clock::now();

    auto work = [&](unsigned part) {
        std::uint64_t localChecked = 0;
        for (std::uint64_t bits = part * stride; bits < kPatterns; bits += stride * threads) {
            const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
            if (!std::isfinite(value))
                continue;
            ++localChecked;
            char buffer[32];
            const std::string actual = cramer::formatSingle(value, cramer::kCLocale);
            const std::string_view expected = reference(value, buffer);
            if (actual != expected && mismatches++ < 20) {
                std::lock_guard lock(printing);
                std::printf("%08llX: got %s, expected %.*s\n", static_cast<unsigned long long>(bits),
                    actual.c_str(), static_cast<int>(expected.size()), expected.data());
            }
        }
        checked += localChecked;
    };
    std::vector<std::thread> workers;
    for (unsigned part = 0; part < threads; ++part)
        workers.emplace_back(work, part);
    for (std::thread& worker : workers)
        worker.join();

    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    std::printf("%llu finite singles checked (stride %llu, %u threads) in %.1f s: %llu mismatches\n",
        static_cast<unsigned long long>(checked.load()), static_cast<unsigned long long>(stride), threads,
        elapsed.count(), static_cast<unsigned long long>(mismatches.load()));
    return mismatches == 0 ? 0 : 1;
}
