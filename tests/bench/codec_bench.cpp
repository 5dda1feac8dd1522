// Throughput of the LZRW1KH block codec on real executables, beside LZ4's
// default compressor and safe decoder and plain memcpy on the same blocks.
//
// Corpus: the first 25 MiB of the concatenation of the Windows DLLs shipped
// with mingw-w64 on this machine, in this order: /usr/x86_64-w64-mingw32/lib/
// *.dll, then /usr/lib/gcc/x86_64-w64-mingw32/12-posix/*.dll (names sorted);
// if those hold less, /usr/lib/x86_64-linux-gnu/*.so (sorted) fill up. It is
// cut into blocks of 32783 bytes as the container does. Times are thread CPU
// time; speeds are the best of several repetitions, ratios the median of
// per-repetition ratios.
// Prints figures; never fails.
#include <lz4.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "LZRW1KH.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kCorpusSize = 25u << 20;
constexpr std::size_t kBlock = bvt::kLzrwMaxBlockInput;
constexpr int kRepetitions = 9;

std::vector<std::string> SortedFiles(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(folder + "/" + name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

Bytes LoadCorpus(std::vector<std::string>& used) {
    std::vector<std::string> files = SortedFiles("/usr/x86_64-w64-mingw32/lib", ".dll");
    for (const auto& f : SortedFiles("/usr/lib/gcc/x86_64-w64-mingw32/12-posix", ".dll")) files.push_back(f);
    for (const auto& f : SortedFiles("/usr/lib/x86_64-linux-gnu", ".so")) files.push_back(f);
    Bytes corpus;
    for (const auto& path : files) {
        if (corpus.size() >= kCorpusSize) break;
        std::ifstream in(path, std::ios::binary);
        if (!in) continue;
        const Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (data.empty()) continue;
        const std::size_t take = std::min(data.size(), kCorpusSize - corpus.size());
        corpus.insert(corpus.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(take));
        used.push_back(path);
    }
    return corpus;
}

struct Blocks {
    std::vector<Bytes> encoded;
    std::vector<std::size_t> sizes;
    std::size_t total = 0;
};

double ThreadSeconds() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// CPU time of this thread: on a machine shared with other jobs it varies far
// less than wall time.
template <class F>
double Seconds(F&& run) {
    const double start = ThreadSeconds();
    run();
    return ThreadSeconds() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    std::vector<std::string> used;
    const Bytes corpus = LoadCorpus(used);
    if (corpus.empty()) {
        std::printf("codec_bench: no executables found, nothing measured\n");
        return 0;
    }
    const std::size_t count = (corpus.size() + kBlock - 1) / kBlock;
    auto blockAt = [&](std::size_t i) { return corpus.data() + i * kBlock; };
    auto sizeAt = [&](std::size_t i) { return std::min(kBlock, corpus.size() - i * kBlock); };

    Bytes ours(count * (kBlock + bvt::kLzrwDestSlack));
    std::vector<std::size_t> oursLength(count);
    const int lz4Bound = LZ4_compressBound(static_cast<int>(kBlock));
    Bytes lz4(count * static_cast<std::size_t>(lz4Bound));
    std::vector<int> lz4Length(count);
    Bytes out(kBlock);
    volatile std::size_t sink = 0;

    // The machine is shared: every repetition times all five in a row, so
    // each ratio compares runs made under the same load; the median ratio
    // and the best speed are reported.
    auto oursCompress = [&] {
        for (std::size_t i = 0; i < count; ++i)
            oursLength[i] = bvt::CompressBlock(blockAt(i), ours.data() + i * (kBlock + bvt::kLzrwDestSlack),
                                               static_cast<std::uint16_t>(sizeAt(i)));
    };
    auto oursDecompress = [&] {
        for (std::size_t i = 0; i < count; ++i)
            sink = sink + bvt::DecompressBlock(ours.data() + i * (kBlock + bvt::kLzrwDestSlack), oursLength[i],
                                               out.data(), out.size());
    };
    auto lz4Compress = [&] {
        for (std::size_t i = 0; i < count; ++i)
            lz4Length[i] = LZ4_compress_default(reinterpret_cast<const char*>(blockAt(i)),
                                                reinterpret_cast<char*>(lz4.data() + i * lz4Bound),
                                                static_cast<int>(sizeAt(i)), lz4Bound);
    };
    auto lz4Decompress = [&] {
        for (std::size_t i = 0; i < count; ++i)
            sink = sink + static_cast<std::size_t>(LZ4_decompress_safe(
                              reinterpret_cast<const char*>(lz4.data() + i * lz4Bound),
                              reinterpret_cast<char*>(out.data()), lz4Length[i], static_cast<int>(kBlock)));
    };
    auto copy = [&] {
        for (std::size_t i = 0; i < count; ++i) {
            std::memcpy(out.data(), blockAt(i), sizeAt(i));
            sink = sink + out[0];
        }
    };
    enum { OursC, OursD, Lz4C, Lz4D, Copy, Kinds };
    double best[Kinds];
    std::fill(best, best + Kinds, 1e30);
    std::vector<double> compressRatio, decompressRatio;
    for (int rep = 0; rep < kRepetitions; ++rep) {
        double t[Kinds];
        t[OursC] = Seconds(oursCompress);
        t[Lz4C] = Seconds(lz4Compress);
        t[OursD] = Seconds(oursDecompress);
        t[Lz4D] = Seconds(lz4Decompress);
        t[Copy] = Seconds(copy);
        for (int k = 0; k < Kinds; ++k) best[k] = std::min(best[k], t[k]);
        compressRatio.push_back(t[Lz4C] / t[OursC]);
        decompressRatio.push_back(t[Lz4D] / t[OursD]);
    }

    // Check the round trip once, outside the timings.
    bool intact = true;
    for (std::size_t i = 0; i < count && intact; ++i) {
        const std::size_t n = bvt::DecompressBlock(ours.data() + i * (kBlock + bvt::kLzrwDestSlack), oursLength[i],
                                                   out.data(), out.size());
        intact = n == sizeAt(i) && std::memcmp(out.data(), blockAt(i), n) == 0;
    }

    std::size_t oursBytes = 0, lz4Bytes = 0;
    for (std::size_t i = 0; i < count; ++i) {
        oursBytes += oursLength[i] + 4;
        lz4Bytes += static_cast<std::size_t>(lz4Length[i]);
    }
    const double mb = static_cast<double>(corpus.size()) / 1e6;
    std::printf("codec_bench: %zu bytes from %zu files, %zu blocks of %zu bytes, %d repetitions\n", corpus.size(),
                used.size(), count, kBlock, kRepetitions);
    std::printf("  files: %s ... %s\n", used.front().c_str(), used.back().c_str());
    std::printf("  %-26s %12s %16s\n", "", "best MB/s", "median vs LZ4");
    std::printf("  %-26s %12.0f %16.2f\n", "LZRW1KH compress", mb / best[OursC], Median(compressRatio));
    std::printf("  %-26s %12.0f %16.2f\n", "LZ4_compress_default", mb / best[Lz4C], 1.0);
    std::printf("  %-26s %12.0f %16.2f\n", "LZRW1KH decompress", mb / best[OursD], Median(decompressRatio));
    std::printf("  %-26s %12.0f %16.2f\n", "LZ4_decompress_safe", mb / best[Lz4D], 1.0);
    std::printf("  %-26s %12.0f %16.2f\n", "memcpy", mb / best[Copy], best[Lz4D] / best[Copy]);
    std::printf("  compressed size: LZRW1KH %.1f%% (container, with block lengths), LZ4 %.1f%%\n",
                100.0 * static_cast<double>(oursBytes) / static_cast<double>(corpus.size()),
                100.0 * static_cast<double>(lz4Bytes) / static_cast<double>(corpus.size()));
    std::printf("  round trip: %s\n", intact ? "intact" : "MISMATCH");
    return 0;
}
