// Freed memory as the tests that switch the add-in off build it: every block is filled with 0xDD
// before it goes back to the heap, so that a pointer, a reference or an object's table read from
// a part already freed points nowhere and its use fails at once instead of passing by luck. A
// test program lists this file among its own sources; its operator delete then takes the place
// of the runtime's for the whole program (the array forms call these).

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

void operator delete(void* block) noexcept {
    if (block) {
        std::memset(block, 0xDD, _msize(block));
        std::free(block);
    }
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}
