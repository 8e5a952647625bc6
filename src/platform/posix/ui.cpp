// Headless message boxes: one line on standard error, as Windows would show
// the box's caption and text.
#include "platform/ui.h"

#include <cstdio>

namespace ui {

void ShowMessage(const char* text, const char* caption, Owner, Icon) {
    std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "Error", text != nullptr ? text : "");
    std::fflush(stderr);
}

}  // namespace ui
