// TCompressStream: turns a whole stream into a "PMCS10" container (a header
// and a list of LZRW1KH blocks, each behind its length) and back. Despite its
// name it is not a stream; it works between two streams the caller passes in.
// Layout: docs/formats/pmcs10-and-filedata.md.
#pragma once

#include <cstdint>

#include "Exceptions.h"

namespace bvt {

class TStream;

// A container whose blocks do not fit its total or its block buffers
// ("Corrupt compressed data").
class ECorruptData : public Exception {
public:
    ECorruptData() : Exception("Corrupt compressed data") {}
};

class TCompressStream {
public:
    TCompressStream();

    // Writes one container holding the next count bytes of source to dest at
    // its position, and leaves dest positioned at the container's end. dest
    // must allow setting its position (the total field is patched in place).
    // A source that ends before count bytes were read throws EReadError
    // ("Stream read error"); the container written so far is left as it is.
    void CompressStream(TStream& source, TStream& dest, std::int32_t count);

    // Reads one container from source and writes the decoded bytes to dest.
    // A wrong signature throws Exception("Wrong file type") before anything is
    // written; a container cut short throws EReadError; a block length outside
    // 1..32784, a block running past the total, a negative total or a block
    // that does not decode throws ECorruptData. Blocks decoded before the
    // failure stay written. Bytes after the last block are not read.
    void ExpandStream(TStream& source, TStream& dest);

private:
    std::uint8_t signature_[6];
};

}  // namespace bvt
