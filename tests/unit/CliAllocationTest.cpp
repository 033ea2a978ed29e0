// qimbel-cli's operator new and delete (cli/Allocation.cpp), which this program uses for all of its
// own allocations too: blocks of every size around the class limits, taken and given back in a
// random order, never overlap, keep their bytes and their 16-byte alignment, and a block given back
// is taken again rather than new memory.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <new>
#include <random>
#include <string>
#include <vector>

namespace {

struct Block {
    unsigned char *bytes;
    std::size_t size;
    unsigned char mark;
};

bool Intact(const Block &block)
{
    for (std::size_t i = 0; i < block.size; ++i)
        if (block.bytes[i] != static_cast<unsigned char>(block.mark + i))
            return false;
    return true;
}

TEST(CliAllocation, BlocksKeepTheirBytesWhateverTheOrder)
{
    std::mt19937 random(7);
    std::vector<Block> live;
    for (int round = 0; round < 20000; ++round) {
        if (!live.empty() && random() % 3 == 0) {
            const std::size_t at = random() % live.size();
            ASSERT_TRUE(Intact(live[at])) << "round " << round << ", size " << live[at].size;
            if (random() % 2 == 0)
                ::operator delete(live[at].bytes);
            else
                ::operator delete(live[at].bytes, live[at].size);
            live[at] = live.back();
            live.pop_back();
            continue;
        }
        // Sizes around every class edge up to past the largest small block, and a few large ones.
        const std::size_t size = random() % 8 == 0 ? 500 + random() % 5000 : random() % 600;
        auto *bytes = static_cast<unsigned char *>(::operator new(size));
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % 16, 0u) << "size " << size;
        const Block block {bytes, size, static_cast<unsigned char>(random())};
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<unsigned char>(block.mark + i);
        live.push_back(block);
    }
    for (const Block &block : live) {
        ASSERT_TRUE(Intact(block));
        ::operator delete(block.bytes);
    }
}

TEST(CliAllocation, AGivenBackBlockIsTheNextOfItsClass)
{
    void *first = ::operator new(40);
    ::operator delete(first);
    void *again = ::operator new(33); // the same class of 48 bytes
    EXPECT_EQ(again, first);
    ::operator delete(again);
    // Arrays, the forms that do not throw, and the strings and vectors that use them.
    int *numbers = new int[1000];
    numbers[999] = 5;
    delete[] numbers;
    void *quiet = ::operator new(10, std::nothrow);
    EXPECT_NE(quiet, nullptr);
    ::operator delete(quiet, std::nothrow);
    std::vector<std::string> texts;
    for (int i = 0; i < 1000; ++i)
        texts.push_back(std::string(static_cast<std::size_t>(i % 90), static_cast<char>('a' + i % 26)));
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(texts[static_cast<std::size_t>(i)],
            std::string(static_cast<std::size_t>(i % 90), static_cast<char>('a' + i % 26)));
    EXPECT_THROW(static_cast<void>(::operator new(static_cast<std::size_t>(-1))), std::bad_alloc);
}

} // namespace
