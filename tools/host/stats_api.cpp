// Name resolution shared by every platform's loader.
#include "host/stats_api.h"

namespace {

template <typename Fn>
bool ResolveOne(const PluginLibrary& lib, const char* name, Fn& fn, std::string& error) {
    fn = reinterpret_cast<Fn>(lib.Lookup(name));
    if (fn == nullptr) {
        error = std::string("entry point missing: ") + name;
        return false;
    }
    return true;
}

}  // namespace

bool PluginLibrary::Resolve(StatsApi& api) {
    return ResolveOne(*this, "GetNumberOfSets", api.GetNumberOfSets, m_strError) &&
           ResolveOne(*this, "GetSetName", api.GetSetName, m_strError) &&
           ResolveOne(*this, "SetupSet0", api.SetupSet0, m_strError) &&
           ResolveOne(*this, "GetExchgCount0", api.GetExchgCount0, m_strError) &&
           ResolveOne(*this, "ResetStats0", api.ResetStats0, m_strError) &&
           ResolveOne(*this, "AddData0", api.AddData0, m_strError) &&
           ResolveOne(*this, "RemoveData0", api.RemoveData0, m_strError) &&
           ResolveOne(*this, "CheckCall0", api.CheckCall0, m_strError) &&
           ResolveOne(*this, "IsValidExchg0", api.IsValidExchg0, m_strError) &&
           ResolveOne(*this, "GetResult0", api.GetResult0, m_strError);
}
