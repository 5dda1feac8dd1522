#include "Edit.h"

namespace bvt {

TControl::CreateParams TEdit::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "EDIT";
    params.style = ES_AUTOHSCROLL | ES_LEFT;
    params.exStyle = WS_EX_CLIENTEDGE;
    return params;
}

}  // namespace bvt
