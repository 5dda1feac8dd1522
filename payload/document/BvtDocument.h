// The Brivanta document (".bvt"): a small text format, read by the
// application and written by hand or by any text editor. The layout is
// described in docs/formats/bvt.md.
//
// The reader never reads outside the buffer it is given, whatever the bytes:
// every line is found between explicit begin and end pointers, and every
// failure leaves through one exception type.
#pragma once

#include "Exceptions.h"

#include <cstddef>
#include <string>
#include <vector>

namespace bvt {

// The file is not a well-formed Brivanta document; the message says why.
class EBvtFormatError : public Exception {
public:
    using Exception::Exception;
};

// Limits of the format. Documents are meant to be read by people.
constexpr std::size_t kBvtMaxDocumentSize = 1024 * 1024;
constexpr std::size_t kBvtMaxHeaderLines = 16;
constexpr std::size_t kBvtMaxTitleLength = 200;

enum class BvtBlockKind { Heading, Paragraph };

struct BvtBlock {
    BvtBlockKind kind;
    std::string text;  // lines of the block joined by single spaces

    bool operator==(const BvtBlock& other) const { return kind == other.kind && text == other.text; }
};

struct BvtDocument {
    std::string title;
    std::string author;  // empty when the header has none
    std::vector<BvtBlock> blocks;
};

// Parses a whole document held in memory.
BvtDocument ParseBvtDocument(const char* data, std::size_t size);

// Reads and parses the document file at path. A file that cannot be opened
// raises EFOpenError; one larger than kBvtMaxDocumentSize EBvtFormatError.
BvtDocument LoadBvtDocument(const std::string& path);

}  // namespace bvt
