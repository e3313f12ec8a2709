// The reviewed golden pictures under tests/golden/expected/<name>.png and what a test does
// with them: compare a drawn picture with its golden, or, when the environment variable
// PANEL_UPDATE_GOLDENS is 1, write the drawn picture as the new golden.
//
// On a mismatch the drawn picture, the golden and a difference picture are written to the
// build's golden output folder, <name>.actual.png, <name>.expected.png and
// <name>.difference.png, and the message names them.
#pragma once

#include <cairo.h>

#include <ostream>
#include <string>

namespace golden {

enum class Outcome {
    matched,     // the picture matches its golden
    mismatched,  // it does not; the message says how and where the pictures went
    missing,     // there is no golden (or it cannot be read)
    written,     // update mode: the picture became the golden
    kept,        // update mode: the golden still matches and was left as it is
};

// Outcomes print by name in test messages.
void PrintTo(Outcome outcome, std::ostream* out);

struct GoldenResult {
    Outcome outcome;
    std::string message;
};

bool updating_goldens();

std::string golden_path(const std::string& name);

GoldenResult check_golden(const std::string& name, cairo_surface_t* drawn);

}  // namespace golden
