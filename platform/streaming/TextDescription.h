// The readable text form of a window description:
//
//   object Form1: TForm1            // a comment runs to the end of the line
//     Left = 192                    // integer (also $C0 and -5)
//     Caption = 'It''s'#13#10'ok'   // string: quoted pieces and #codes
//     Font.Name = 'Tah' +           // '+' joins strings across lines
//       'oma'
//     Visible = False               // boolean
//     BorderStyle = bsDialog        // identifier
//     BorderIcons = [biSystemMenu]  // set of identifiers
//     Picture.Data = {0A54 0B}      // raw data, hex (may span lines)
//     Picture.Data = @'art/x.bmp'   // raw data from a file
//     object Zip: TZipMaster        // child objects follow the properties
//     end
//   end
//
// Parse errors throw EDescriptionError "Line N: ...".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DescriptionTree.h"

namespace bvt {

// Supplies the bytes of a raw-data value written as @'file'; throws with a
// message (the parser adds the line number).
using RawFileLoader = std::function<std::vector<std::uint8_t>(const std::string& fileName)>;

DescObject ParseDescriptionText(const std::string& text, const RawFileLoader& loadFile);

enum class RawDataStyle {
    Hex,   // full hex, parses back to the same bytes
    Size,  // "<N bytes>", for people only
};

std::string FormatDescriptionText(const DescObject& root, RawDataStyle style);

}  // namespace bvt
