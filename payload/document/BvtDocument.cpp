#include "BvtDocument.h"

#include "FileStream.h"

#include <cstdint>
#include <cstring>

namespace bvt {

namespace {

const char kSignature[] = "BVT1";
constexpr std::size_t kSignatureLength = sizeof kSignature - 1;

// The first line is exactly the signature. Checked on the raw bytes first,
// so that any other file (a picture, say) is called what it is: not a
// Brivanta document.
bool StartsWithSignature(const char* data, std::size_t size) {
    if (size < kSignatureLength || std::memcmp(data, kSignature, kSignatureLength) != 0) return false;
    const std::size_t rest = size - kSignatureLength;
    const char* after = data + kSignatureLength;
    return rest == 0 || after[0] == '\n' || (rest >= 2 && after[0] == '\r' && after[1] == '\n');
}

// One line of the document: [begin, end) without its line break, and its
// 1-based number for messages.
struct Line {
    const char* begin;
    const char* end;
    std::size_t number;

    bool Blank() const {
        for (const char* p = begin; p != end; ++p)
            if (*p != ' ' && *p != '\t') return false;
        return true;
    }
};

// Cuts the buffer into lines. A line ends at LF; one CR before the LF is
// part of the break. The last line needs no break.
class LineReader {
public:
    LineReader(const char* data, std::size_t size) : next_(data), end_(data + size) {}

    bool Next(Line& line) {
        if (next_ == end_) return false;
        const char* p = next_;
        while (p != end_ && *p != '\n') ++p;
        line.begin = next_;
        line.end = p;
        line.number = ++count_;
        next_ = (p == end_) ? end_ : p + 1;
        if (line.end != line.begin && line.end[-1] == '\r') --line.end;
        CheckCharacters(line);
        return true;
    }

private:
    // Tabs are text; every other control byte (NUL and stray CR included)
    // marks a binary or damaged file.
    static void CheckCharacters(const Line& line) {
        for (const char* p = line.begin; p != line.end; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            if ((c < 0x20 && c != '\t') || c == 0x7F)
                throw EBvtFormatError("Line " + std::to_string(line.number) +
                                      " of the document contains a control character.");
        }
    }

    const char* next_;
    const char* end_;
    std::size_t count_ = 0;
};

std::string Trim(const char* begin, const char* end) {
    while (begin != end && (*begin == ' ' || *begin == '\t')) ++begin;
    while (end != begin && (end[-1] == ' ' || end[-1] == '\t')) --end;
    return std::string(begin, end);
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool SameName(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
    }
    return i == a.size() && b[i] == '\0';
}

// "Name: value" with a name of letters only; unknown names are skipped so
// that later versions may add fields.
void ReadHeaderLine(const Line& line, BvtDocument& document) {
    const char* colon = line.begin;
    while (colon != line.end && IsLetter(*colon)) ++colon;
    if (colon == line.begin || colon == line.end || *colon != ':')
        throw EBvtFormatError("Line " + std::to_string(line.number) +
                              " of the document header is not of the form \"Name: value\".");
    const std::string name(line.begin, colon);
    std::string value = Trim(colon + 1, line.end);
    if (SameName(name, "Title")) {
        if (value.size() > kBvtMaxTitleLength)
            throw EBvtFormatError("The document title is longer than " +
                                  std::to_string(kBvtMaxTitleLength) + " characters.");
        document.title = std::move(value);
    } else if (SameName(name, "Author")) {
        document.author = std::move(value);
    }
}

bool StartsHeading(const Line& line) {
    return line.end - line.begin >= 2 && line.begin[0] == '#' && line.begin[1] == ' ';
}

// Blocks are runs of non-blank lines; a block whose first line starts with
// "# " is a heading.
void ReadBody(LineReader& reader, BvtDocument& document) {
    Line line{};
    BvtBlock* open = nullptr;
    while (reader.Next(line)) {
        if (line.Blank()) {
            open = nullptr;
            continue;
        }
        if (open == nullptr) {
            const bool heading = StartsHeading(line);
            document.blocks.push_back(BvtBlock{heading ? BvtBlockKind::Heading : BvtBlockKind::Paragraph,
                                               Trim(line.begin + (heading ? 2 : 0), line.end)});
            open = &document.blocks.back();
        } else {
            open->text += ' ';
            open->text += Trim(line.begin, line.end);
        }
    }
}

}  // namespace

BvtDocument ParseBvtDocument(const char* data, std::size_t size) {
    if (size > kBvtMaxDocumentSize) throw EBvtFormatError("The document is larger than 1 MB.");
    if (!StartsWithSignature(data, size)) throw EBvtFormatError("The file is not a Brivanta document.");
    LineReader reader(data, size);
    Line line{};
    reader.Next(line);  // the signature

    BvtDocument document;
    std::size_t headerLines = 0;
    while (reader.Next(line) && !line.Blank()) {
        if (++headerLines > kBvtMaxHeaderLines)
            throw EBvtFormatError("The document header has more than " +
                                  std::to_string(kBvtMaxHeaderLines) + " lines.");
        ReadHeaderLine(line, document);
    }
    if (document.title.empty()) throw EBvtFormatError("The document has no title.");
    ReadBody(reader, document);
    return document;
}

BvtDocument LoadBvtDocument(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    const std::int64_t size = file.Size();
    if (size < 0 || static_cast<std::uint64_t>(size) > kBvtMaxDocumentSize)
        throw EBvtFormatError("The document is larger than 1 MB.");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.ReadBuffer(bytes.data(), bytes.size());
    return ParseBvtDocument(bytes.data(), bytes.size());
}

}  // namespace bvt
