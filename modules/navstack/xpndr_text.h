// Writing a transponder text: formatted into the element's text buffer and cut to the
// element's character count, so that no text is longer than its element shows and none can
// run past the end of the buffer.
#pragma once

#include "panel_abi/records.h"

namespace navstack::xpndr {

void write_text(panel_abi::TextString& text, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace navstack::xpndr
