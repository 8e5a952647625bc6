// Message boxes the operator sees. Modal: the call returns when the box is
// closed. Headless builds write "<caption>: <text>" to standard error instead.
#pragma once

namespace ui {

enum class Owner {
    kNone,          // no owner window
    kActiveWindow,  // the calling thread's active window, or none
};

enum class Icon {
    kNone,
    kInformation,
};

// A null caption shows the system's default caption ("Error").
void ShowMessage(const char* text, const char* caption, Owner owner, Icon icon);

}  // namespace ui
