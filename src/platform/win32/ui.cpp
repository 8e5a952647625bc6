// Message boxes through MessageBoxA.
#include "platform/ui.h"

#include <windows.h>

namespace ui {

void ShowMessage(const char* text, const char* caption, Owner owner, Icon icon) {
    HWND hwndOwner = owner == Owner::kActiveWindow ? GetActiveWindow() : nullptr;
    UINT flags = MB_OK | (icon == Icon::kInformation ? MB_ICONINFORMATION : 0u);
    // The answer of an OK-only box carries nothing; a box that cannot be shown
    // is not worth stopping the operator's count for.
    (void)MessageBoxA(hwndOwner, text != nullptr ? text : "", caption, flags);
}

}  // namespace ui
