// Allocation failure on demand, for showing that an operation that runs out
// of memory leaves its state as it was. Linking this in replaces the global
// operator new and delete of the whole test program (plain malloc/free while
// disarmed), so only test programs that call it carry the replacement.
#pragma once

namespace testing_support {

// The allocation after the next `n` ones fails: operator new throws
// std::bad_alloc, the nothrow forms return null. One failure only.
void FailAllocationAfter(long n);

// Disarms, and tells whether the armed failure happened.
bool DisarmAllocationFailure();

}  // namespace testing_support
