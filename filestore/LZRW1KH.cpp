#include "LZRW1KH.h"

#include <cstring>

namespace bvt {

namespace {

constexpr unsigned kHashSize = 4096;
constexpr unsigned kHashMultiplier = 40543;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMaxOffset = 4095;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr int kEmptyEntry = -1;

// The process-wide table: the most recent position whose three bytes hashed
// to each entry, as a signed 16-bit value (positions of 32768 and more read
// back negative and never qualify as a match source). Static storage, so it
// exists before any compression can run.
std::int16_t hashTable[kHashSize];

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool kWordCompare = true;
#else
constexpr bool kWordCompare = false;
#endif

inline std::uint64_t Load64(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Index of the first differing byte of two little-endian words (x != 0).
inline std::size_t FirstDifference(std::uint64_t x) { return static_cast<std::size_t>(__builtin_ctzll(x)) >> 3; }

// Hash of the three bytes at p; bytes past the input's end count as 0.
inline unsigned HashAt(const std::uint8_t* s, std::size_t p, std::size_t n) {
    const unsigned b1 = p + 1 < n ? s[p + 1] : 0u;
    const unsigned b2 = p + 2 < n ? s[p + 2] : 0u;
    const unsigned t = ((static_cast<unsigned>(s[p]) << 4 ^ b1) << 4) ^ b2;
    return (t * kHashMultiplier >> 4) & (kHashSize - 1);
}

// Number of equal bytes at a and b, at most `limit`. b may run into a (b < a):
// both are input bytes, so overlap needs no care.
inline std::size_t MatchLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit) {
    std::size_t m = 0;
    while (m < limit && a[m] == b[m]) ++m;
    return m;
}

// Whether the 16 bytes at p are all equal (16 bytes readable).
inline bool SixteenEqual(const std::uint8_t* p) {
    const std::uint64_t pattern = p[0] * 0x0101010101010101ull;
    return (Load64(p) ^ pattern) == 0 && (Load64(p + 8) ^ pattern) == 0;
}

// Length of the run of bytes equal to s[x] starting at x, at most `limit`.
inline std::size_t RunLength(const std::uint8_t* s, std::size_t x, std::size_t limit) {
    if (limit < 2 || s[x + 1] != s[x]) return 1;
    std::size_t r = 2;
    if (kWordCompare) {
        const std::uint64_t pattern = s[x] * 0x0101010101010101ull;
        while (r + 8 <= limit) {
            const std::uint64_t diff = Load64(s + x + r) ^ pattern;
            if (diff) return r + FirstDifference(diff);
            r += 8;
        }
    }
    while (r < limit && s[x + r] == s[x]) ++r;
    return r;
}

// One probe of the hash table at position p: reports a match of 3 or more
// bytes from the entry's position (at most 4095 back), and records p in the
// entry whether or not it matched.
inline bool FindMatch(const std::uint8_t* s, std::size_t p, std::size_t n, std::size_t& length,
                      std::size_t& position) {
    const unsigned h = HashAt(s, p, n);
    const int candidate = hashTable[h];
    hashTable[h] = static_cast<std::int16_t>(p);
    if (candidate == kEmptyEntry || static_cast<long>(p) - candidate > static_cast<long>(kMaxOffset)) return false;
    const std::size_t c = static_cast<std::size_t>(candidate);
    const std::size_t limit = n - p < kMaxMatch ? n - p : kMaxMatch;
    const std::size_t m = MatchLength(s + p, s + c, limit);
    if (m < kMinMatch) return false;
    length = m;
    position = c;
    return true;
}

// Hash of the first three bytes of a little-endian word.
inline unsigned HashOfWord(std::uint64_t word) {
    const unsigned t = (static_cast<unsigned>(word & 0xFF) << 8) ^ (static_cast<unsigned>(word >> 8 & 0xFF) << 4) ^
                       static_cast<unsigned>(word >> 16 & 0xFF);
    return (t * kHashMultiplier >> 4) & (kHashSize - 1);
}

inline void PutWord(std::uint8_t* d, unsigned v) {
    d[0] = static_cast<std::uint8_t>(v >> 8);
    d[1] = static_cast<std::uint8_t>(v);
}

}  // namespace

std::uint16_t CompressBlock(const std::uint8_t* source, std::uint8_t* dest, std::uint16_t sourceSize) {
    const std::size_t n = sourceSize;
    std::memset(hashTable, 0xFF, sizeof hashTable);
    dest[0] = kLzrwCompressedFlag;

    std::size_t x = 0, y = 3, z = 1;
    unsigned bit = 0, command = 0;

    // Wide loop, while 18 bytes can be read at x + 1: the same decisions as
    // the byte-wise loop below, with word compares. Each probe also looks up
    // the entry for x + 1 (after storing x, so it sees x if both hash alike):
    // when x turns out to be a literal, the next probe starts with its entry
    // in hand instead of waiting for the hash chain again.
    const std::size_t wideLimit = kWordCompare && n > kMaxMatch ? n - kMaxMatch : 0;
    unsigned nextHash = 0;
    long nextCandidate = 0;
    bool haveNext = false;
    while (x < wideLimit && y <= n) {
        if (bit == 16) {
            PutWord(dest + z, command);
            z = y;
            y += 2;
            bit = 0;
        }
        ++bit;
        if (SixteenEqual(source + x)) {
            const std::size_t run = RunLength(source, x, n - x < kMaxRun ? n - x : kMaxRun);
            dest[y] = 0;
            PutWord(dest + y + 1, static_cast<unsigned>(run - kMinRun));
            dest[y + 3] = source[x];
            y += 4;
            x += run;
            command = command << 1 | 1;
            haveNext = false;
            continue;
        }
        const std::uint64_t here = Load64(source + x);
        unsigned h;
        long candidate;
        if (haveNext) {
            h = nextHash;
            candidate = nextCandidate;
        } else {
            h = HashOfWord(here);
            candidate = hashTable[h];
        }
        hashTable[h] = static_cast<std::int16_t>(x);
        nextHash = HashOfWord(Load64(source + x + 1));
        nextCandidate = hashTable[nextHash];
        haveNext = true;

        if (candidate >= 0 && static_cast<long>(x) - candidate <= static_cast<long>(kMaxOffset)) {
            const std::size_t c = static_cast<std::size_t>(candidate);
            const std::uint64_t diff = here ^ Load64(source + c);
            if ((diff & 0xFFFFFF) == 0) {
                std::size_t length;
                if (diff) {
                    length = FirstDifference(diff);
                } else if (const std::uint64_t more = Load64(source + x + 8) ^ Load64(source + c + 8)) {
                    length = 8 + FirstDifference(more);
                } else {
                    length = source[x + 16] != source[c + 16] ? 16 : source[x + 17] != source[c + 17] ? 17 : 18;
                }
                PutWord(dest + y, static_cast<unsigned>((x - c) << 4 | (length - kMinMatch)));
                y += 2;
                x += length;
                command = command << 1 | 1;
                haveNext = false;
                continue;
            }
        }
        dest[y++] = source[x++];
        command <<= 1;
    }

    while (x < n && y <= n) {
        if (bit == 16) {
            PutWord(dest + z, command);
            z = y;
            y += 2;
            bit = 0;
        }
        // The last positions of the block, one byte at a time.
        std::size_t run = 1;
        if (x + 1 < n && source[x + 1] == source[x]) run = RunLength(source, x, n - x < kMaxRun ? n - x : kMaxRun);
        std::size_t length = 0, position = 0;
        if (run >= kMinRun) {
            dest[y] = 0;
            PutWord(dest + y + 1, static_cast<unsigned>(run - kMinRun));
            dest[y + 3] = source[x];
            y += 4;
            x += run;
            command = command << 1 | 1;
        } else if (FindMatch(source, x, n, length, position)) {
            PutWord(dest + y, static_cast<unsigned>((x - position) << 4 | (length - kMinMatch)));
            y += 2;
            x += length;
            command = command << 1 | 1;
        } else {
            dest[y++] = source[x++];
            command <<= 1;
        }
        ++bit;
    }
    PutWord(dest + z, (command << (16 - bit)) & 0xFFFF);

    if (y > n) {
        dest[0] = kLzrwCopiedFlag;
        if (n) std::memcpy(dest + 1, source, n);
        return static_cast<std::uint16_t>(n + 1);
    }
    return static_cast<std::uint16_t>(y);
}

std::size_t DecompressBlock(const std::uint8_t* source, std::size_t sourceSize, std::uint8_t* dest,
                            std::size_t destCapacity) {
    if (sourceSize == 0) throw ECorruptBlock();
    if (source[0] == kLzrwCopiedFlag) {
        const std::size_t n = sourceSize - 1;
        if (n > destCapacity) throw ECorruptBlock();
        if (n) std::memcpy(dest, source + 1, n);
        return n;
    }
    if (sourceSize < 3) throw ECorruptBlock();

    const std::uint8_t* ip = source + 3;
    const std::uint8_t* const iend = source + sourceSize;
    std::uint8_t* op = dest;
    std::uint8_t* const oend = dest + destCapacity;
    unsigned command = static_cast<unsigned>(source[1]) << 8 | source[2];
    unsigned bits = 16;

    while (ip < iend) {
        if (bits == 0) {
            if (iend - ip < 2) throw ECorruptBlock();
            command = static_cast<unsigned>(ip[0]) << 8 | ip[1];
            ip += 2;
            bits = 16;
            continue;  // the block may end right after a control word
        }
        // Each pass takes the stretch of literals before the next copy item
        // (as many as the control word's leading zero bits, possibly none,
        // cut at the block's end since trailing bits have no item), then
        // that copy item: no branch on the item kind for the common case.
        const unsigned high = command & 0xFFFF;
        std::size_t k = high ? static_cast<std::size_t>(__builtin_clz(high)) - 16 : 16;
        if (k > bits) k = bits;
        if (k > static_cast<std::size_t>(iend - ip)) k = static_cast<std::size_t>(iend - ip);
        if (static_cast<std::size_t>(oend - op) < k) throw ECorruptBlock();
        if (iend - ip >= 16 && oend - op >= 16)
            std::memcpy(op, ip, 16);
        else if (k)
            std::memcpy(op, ip, k);
        op += k;
        ip += k;
        command <<= k;
        bits -= static_cast<unsigned>(k);
        if (bits == 0 || ip == iend) continue;

        if (iend - ip < 2) throw ECorruptBlock();
        const unsigned v = static_cast<unsigned>(ip[0]) << 8 | ip[1];
        const std::size_t offset = v >> 4;
        if (offset) {
            const std::size_t m = (v & 15) + kMinMatch;
            if (static_cast<std::size_t>(op - dest) < offset || static_cast<std::size_t>(oend - op) < m)
                throw ECorruptBlock();
            const std::uint8_t* from = op - offset;
            // Wide copies may write past the match (never past oend); each
            // reads only bytes that are final because the source lies at
            // least one copy width back.
            if (offset >= 8 && oend - op >= 24) {
                std::memcpy(op, from, 8);
                std::memcpy(op + 8, from + 8, 8);
                std::memcpy(op + 16, from + 16, 8);
            } else {
                for (std::size_t i = 0; i < m; ++i) op[i] = from[i];
            }
            op += m;
            ip += 2;
        } else {
            if (iend - ip < 4) throw ECorruptBlock();
            const std::size_t r = (static_cast<std::size_t>(ip[1]) << 8 | ip[2]) + kMinRun;
            if (static_cast<std::size_t>(oend - op) < r) throw ECorruptBlock();
            std::memset(op, ip[3], r);
            op += r;
            ip += 4;
        }
        command <<= 1;
        --bits;
    }
    return static_cast<std::size_t>(op - dest);
}

}  // namespace bvt
