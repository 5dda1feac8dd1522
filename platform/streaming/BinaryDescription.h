// The binary form of a window description, as linked into the program.
//
//   envelope (16 bytes, little-endian)
//     0   4  signature "BVWD"
//     4   4  format version (1)
//     8   4  payload length N
//    12   4  CRC-32 of the N payload bytes
//    16   N  payload: exactly one object
//
//   object      := name8(class) name8(Name) property* 00 object* 00
//   property    := name8(property name, may be dotted) tag value
//   name8       := u8 length, then that many characters (class names and
//                  property names are never empty, so a 00 ends a list)
//   value, by tag: 1 integer  i64
//                  2 string   u32 length, bytes
//                  3 boolean  u8 0 or 1
//                  4 ident    name8
//                  5 set      u16 count, count × name8
//                  6 raw data u32 length, bytes
//
// The decoder never reads outside the given bytes: the envelope and the
// checksum are verified first, then every length is checked against the
// payload's end; depth and object count are bounded. Any fault throws
// EDescriptionError "Window description is damaged (...)".
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "DescriptionTree.h"

namespace bvt {

constexpr std::uint8_t DescriptionSignature[4] = {'B', 'V', 'W', 'D'};
constexpr std::uint32_t DescriptionVersion = 1;
constexpr std::size_t DescriptionHeaderSize = 16;

// True when the bytes start with the envelope's signature.
bool LooksLikeBinaryDescription(const void* data, std::size_t size);

// Validates and parses a whole binary description.
DescObject DecodeDescription(const void* data, std::size_t size);

// Encodes a tree; throws EDescriptionError for names or sizes the binary form
// cannot carry.
std::vector<std::uint8_t> EncodeDescription(const DescObject& root);

}  // namespace bvt
