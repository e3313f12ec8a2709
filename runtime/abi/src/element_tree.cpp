// Element-tree helpers: gauges reach an element by its depth along the first children.
#include "panel_abi/element_tree.h"

namespace panel_abi {

Element* element_at_depth(Element* root, int depth) {
    Element* element = root;
    for (int step = 0; step < depth && element != nullptr; ++step)
        element = element->children != nullptr ? element->children[0] : nullptr;
    return element;
}

void set_element_flags(Element* root, int depth, uint32_t bits) {
    if (Element* element = element_at_depth(root, depth)) element->image_flags |= bits;
}

void clear_element_flags(Element* root, int depth, uint32_t bits) {
    if (Element* element = element_at_depth(root, depth)) element->image_flags &= ~bits;
}

}  // namespace panel_abi
