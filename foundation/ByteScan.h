#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Finding the first of a few bytes in text. Lines of definition files are short and are searched
// for several bytes at once: one pass over 16 bytes at a time costs less than a library call per
// byte searched for.
namespace foundation {

namespace bytescan {

template <char... Wanted>
bool isWanted(char c)
{
    return ((c == Wanted) || ...);
}

#if defined(__SSE2__)
// The wanted bytes among the 16 from `at`, one bit each.
template <char... Wanted>
uint32_t wantedIn(const char* at)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    __m128i hits = _mm_setzero_si128();
    ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(Wanted)))), ...);
    return static_cast<uint32_t>(_mm_movemask_epi8(hits));
}
#endif

} // namespace bytescan

// The position of the first of the wanted bytes in text[from, size), or `size` when none is there.
template <char... Wanted>
size_t findFirstOf(const char* text, size_t from, size_t size)
{
#if defined(__SSE2__)
    for (; from + 16 <= size; from += 16) {
        if (const uint32_t found = bytescan::wantedIn<Wanted...>(text + from))
            return from + static_cast<size_t>(std::countr_zero(found));
    }
#endif
    while (from < size && !bytescan::isWanted<Wanted...>(text[from]))
        ++from;
    return from;
}

} // namespace foundation
