#include "Image.h"

#include "Streams.h"

namespace bvt {

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustSize();
}

void TImage::AdjustSize() {
    if (autoSize_ && !picture_.Empty()) SetBounds(left_, top_, picture_.Width(), picture_.Height());
}

void TImage::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Picture.Data",
        [this](TStream& stream) {
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Size() - stream.Position()));
            if (!bytes.empty()) stream.ReadBuffer(bytes.data(), bytes.size());
            picture_.LoadFromData(std::move(bytes));
            AdjustSize();
        },
        [this](TStream& stream) {
            if (!picture_.Empty())
                stream.WriteBuffer(picture_.Data().data(), picture_.Data().size());
        },
        !picture_.Empty());
}

void TImage::Paint(HDC dc) {
    PaintParentBackground(dc);
    picture_.Draw(dc, 0, 0);
}

LRESULT TImage::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
    case WM_PAINT:
        return PaintMessage(message);
    default:
        return TControl::WndProc(message, wParam, lParam);
    }
}

}  // namespace bvt
