#include "support/alloc_fault.h"

#include <cstdlib>
#include <new>

namespace {

long g_nAllocationsUntilFailure = -1;  // -1: disarmed
bool g_bFailed = false;

void* Allocate(std::size_t size) {
    if (g_nAllocationsUntilFailure == 0) {
        g_nAllocationsUntilFailure = -1;
        g_bFailed = true;
        return nullptr;
    }
    if (g_nAllocationsUntilFailure > 0) {
        --g_nAllocationsUntilFailure;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    void* p = Allocate(size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    return p;
}

}  // namespace

namespace testing_support {

void FailAllocationAfter(long n) {
    g_bFailed = false;
    g_nAllocationsUntilFailure = n;
}

bool DisarmAllocationFailure() {
    g_nAllocationsUntilFailure = -1;
    return g_bFailed;
}

}  // namespace testing_support

// Every form is replaced so that allocation and release always pair up.
void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
