// The only file that knows the host's positional argument lists. Each entry
// point copies the positions it reads into named values, calls one core
// function on the module-level state and converts the result; one catch-all
// per entry point keeps every C++ exception inside the plug-in.
#include "plugin/exports.h"

#include "platform/ui.h"
#include "plugin/state.h"

namespace {

const char kSetName[] = "ZQM WW DX CONTEST (C)";
const char kEmpty[] = "";

}  // namespace

extern "C" {

int ZQM_CDECL GetNumberOfSets(void) { return 1; }

const char* ZQM_CDECL GetSetName(int index) { return index == 0 ? kSetName : kEmpty; }

void ZQM_CDECL SetupSet0(void) {
    ui::ShowMessage("No additional setup for this contest", nullptr, ui::Owner::kNone, ui::Icon::kNone);
}

int ZQM_CDECL GetExchgCount0(ZqmText, ZqmText, ZqmText) { return 1; }

int ZQM_CDECL ResetStats0(ZqmText, int, ZqmText, ZqmDate, ZqmDate, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,
                          ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, int, int, int, double, double, ZqmText,
                          ZqmText, ZqmText) {
    return 1;
}

int ZQM_CDECL AddData0(ZqmText, ZqmText, ZqmDate, ZqmDate, ZqmDate, ZqmDate, uint32_t, uint32_t, ZqmText, ZqmText,
                       ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,
                       ZqmText, ZqmText, ZqmText, int, int, int, double, double, ZqmText, ZqmText, ZqmText, ZqmText,
                       ZqmText) {
    return 0;
}

int ZQM_CDECL RemoveData0(ZqmText, ZqmText, ZqmDate, ZqmDate, ZqmDate, ZqmDate, uint32_t, uint32_t, ZqmText,
                          ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,
                          ZqmText, ZqmText, ZqmText, ZqmText, int, int, int, double, double, ZqmText, ZqmText,
                          ZqmText, ZqmText, ZqmText) {
    return 0;
}

int ZQM_CDECL CheckCall0(ZqmText, uint32_t, uint32_t, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,
                         ZqmText, ZqmText, ZqmText, ZqmText, int, int, int, double, double, ZqmText, ZqmText,
                         ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, char*, char*) {
    return 1;
}

int ZQM_CDECL IsValidExchg0(ZqmText, ZqmText, ZqmText, ZqmText, int, int, int) { return 0; }

const char* ZQM_CDECL GetResult0(int*) { return g_strResult.c_str(); }

}  // extern "C"
