#include "win/modal_driver.h"

#include <set>

namespace modal {

namespace {

struct DriverState {
    std::function<void(HWND)> handler;
    std::set<HWND> seen;
    UINT_PTR timer = 0;
    int handled = 0;
};

DriverState* g_state = nullptr;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd)) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    }
    return TRUE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_state == nullptr) {
        return;
    }
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND hwnd : windows) {
        if (g_state->seen.count(hwnd) != 0) {
            // A handler that left its window open: do not leave the test hanging.
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            continue;
        }
        g_state->seen.insert(hwnd);
        ++g_state->handled;
        g_state->handler(hwnd);
    }
}

}  // namespace

Driver::Driver(std::function<void(HWND)> handler) {
    g_state = new DriverState{std::move(handler), {}, 0, 0};
    g_state->timer = SetTimer(nullptr, 0, 50, OnTimer);
}

Driver::~Driver() {
    KillTimer(nullptr, g_state->timer);
    delete g_state;
    g_state = nullptr;
}

int Driver::HandledCount() const { return g_state->handled; }

std::string WindowText(HWND hwnd) {
    char buffer[4096] = {};
    int n = GetWindowTextA(hwnd, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string ClassName(HWND hwnd) {
    char buffer[256] = {};
    int n = GetClassNameA(hwnd, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

namespace {

struct ChildQuery {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<ChildQuery*>(param);
    if (IsWindowVisible(hwnd) && lstrcmpiA(ClassName(hwnd).c_str(), query->className) == 0) {
        query->found.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleChildren(HWND parent, const char* className) {
    ChildQuery query{className, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string MessageBoxText(HWND box) {
    // Message boxes keep their message in the static control 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    return text != nullptr ? WindowText(text) : std::string();
}

void ClickButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button != nullptr) {
        SendMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
}

}  // namespace modal
