#include "xpndr_text.h"

#include <cstdarg>
#include <cstdio>

namespace navstack::xpndr {

void write_text(panel_abi::TextString& text, const char* format, ...) {
    if (text.buffer == nullptr) return;
    // Room for the shown characters and the terminator, never more than the buffer holds.
    size_t room = panel_abi::kTextBufferBytes;
    if (text.char_count >= 0 && static_cast<size_t>(text.char_count) < room)
        room = static_cast<size_t>(text.char_count) + 1;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text.buffer, room, format, arguments);
    va_end(arguments);
}

}  // namespace navstack::xpndr
