#include "common/LineFeeds.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace common {

std::size_t countLineFeeds(const char* begin, const char* end) {
    std::size_t count = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    while (end - begin >= 16) {
        // Each byte lane counts the line feeds it sees; it holds at most 255
        // before the sums are taken.
        const std::ptrdiff_t blocks = std::min<std::ptrdiff_t>((end - begin) / 16, 255);
        __m128i lanes = _mm_setzero_si128();
        for (std::ptrdiff_t i = 0; i < blocks; ++i, begin += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(block, lineFeed));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
    }
#endif
    return count + static_cast<std::size_t>(std::count(begin, end, '\n'));
}

}  // namespace common
