// Drives modal windows (message boxes, dialogs) from inside the test process.
// A thread timer fires inside the modal loop that the code under test runs,
// finds the thread's new top-level window, hands it to the test's handler, and
// the handler reads it and closes it (for instance with ClickButton).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace modal {

// While alive, every modal window that opens on this thread is passed to
// `handler` once. Windows are closed by the handler; if a handler leaves one
// open, the driver presses its cancel (IDCANCEL) so that a test never hangs.
class Driver {
public:
    explicit Driver(std::function<void(HWND)> handler);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    int HandledCount() const;
};

std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);

// Visible child windows of `parent` with the given class name, in Z order.
std::vector<HWND> VisibleChildren(HWND parent, const char* className);

// Text of the message box's message (the static control that holds it).
std::string MessageBoxText(HWND box);

// Presses the button with control id `id` as a click would.
void ClickButton(HWND dialog, int id);

}  // namespace modal
