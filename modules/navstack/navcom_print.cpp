// Writing a unit's texts into the buffers the host gives its elements.
#include <cstdarg>
#include <cstdio>

#include "navcom_unit.h"

namespace navstack::navcom {

using namespace panel_abi;

void print_text(TextString* element, const char* format, ...) {
    if (element->buffer == nullptr) return;
    // The element's character count plus the terminator, and never more than the buffer.
    const size_t shown = element->char_count > 0 ? static_cast<size_t>(element->char_count) : 0;
    const size_t size = shown < kTextBufferBytes ? shown + 1 : kTextBufferBytes;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(element->buffer, size, format, arguments);
    va_end(arguments);
}

}  // namespace navstack::navcom
