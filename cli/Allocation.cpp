// The command line's operator new and delete. A run works one page and ends, and the solver makes
// and drops a great many small strings on the way (some twenty thousand on a page of 1,000
// equations); the C library's allocator spends more on each of them than the work they hold. Small
// blocks here come from classes of 16 bytes, each with a list of its own for the blocks given back,
// carved from chunks of 64 KB: taking and giving back is a few instructions, and a block given back
// is the next one of its class taken. Larger blocks go to malloc. The command line has one thread.
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = 16; // a block's class before it; keeps the 16-byte alignment
constexpr std::size_t kGrain = 16;
constexpr std::size_t kLargestSmall = 512;
constexpr std::size_t kChunk = 64 * 1024;
constexpr std::size_t kLarge = 0; // the class of a block from malloc

struct FreeBlock {
    FreeBlock *next;
};

FreeBlock *freeBlocks[kLargestSmall / kGrain + 1];
char *chunk = nullptr;
std::size_t chunkLeft = 0;

void *Allocate(std::size_t size)
{
    if (size > kLargestSmall) {
        if (size > static_cast<std::size_t>(-1) - kHeader)
            throw std::bad_alloc();
        void *block = std::malloc(size + kHeader);
        if (block == nullptr)
            throw std::bad_alloc();
        *static_cast<std::size_t *>(block) = kLarge;
        return static_cast<char *>(block) + kHeader;
    }
    const std::size_t grains = size == 0 ? 1 : (size + kGrain - 1) / kGrain;
    if (FreeBlock *block = freeBlocks[grains]) {
        freeBlocks[grains] = block->next;
        return block;
    }
    const std::size_t needed = kHeader + grains * kGrain;
    if (chunkLeft < needed) {
        // The rest of the old chunk (less than a largest block) is left unused.
        chunk = static_cast<char *>(std::malloc(kChunk));
        if (chunk == nullptr)
            throw std::bad_alloc();
        chunkLeft = kChunk;
    }
    char *block = chunk;
    chunk += needed;
    chunkLeft -= needed;
    *reinterpret_cast<std::size_t *>(block) = grains;
    return block + kHeader;
}

void Release(void *pointer) noexcept
{
    if (pointer == nullptr)
        return;
    char *block = static_cast<char *>(pointer) - kHeader;
    const std::size_t grains = *reinterpret_cast<std::size_t *>(block);
    if (grains == kLarge) {
        std::free(block);
        return;
    }
    FreeBlock *freed = static_cast<FreeBlock *>(pointer);
    freed->next = freeBlocks[grains];
    freeBlocks[grains] = freed;
}

} // namespace

void *operator new(std::size_t size) { return Allocate(size); }

void *operator new[](std::size_t size) { return Allocate(size); }

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void operator delete(void *pointer) noexcept { Release(pointer); }

void operator delete[](void *pointer) noexcept { Release(pointer); }

void operator delete(void *pointer, std::size_t) noexcept { Release(pointer); }

void operator delete[](void *pointer, std::size_t) noexcept { Release(pointer); }

void operator delete(void *pointer, const std::nothrow_t &) noexcept { Release(pointer); }

void operator delete[](void *pointer, const std::nothrow_t &) noexcept { Release(pointer); }
