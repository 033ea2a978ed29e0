#include "solver/GbkText.h"
#include "solver/StringArray.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

using namespace qimbel;

// "－" is A3 AD in GBK and "数" is CA FD; a search must never start on the trail byte.
TEST(GbkText, FindNeverMatchesOnASecondByte)
{
    const std::string text = "\xB0\x2D"
                             "a-b"; // a two-byte character whose trail byte is "-"
    EXPECT_EQ(Find(text, "-"), 3);
    EXPECT_EQ(ReverseFind(text, "-"), 3);
    EXPECT_EQ(Find("\xB0\x2D", "-"), -1);

    // "\xA3\xAD\xA3" followed by "\xAD": the pair AD A3 in the middle is no character.
    const std::string twoMinus = "－－";
    EXPECT_EQ(Find(twoMinus, "\xAD\xA3"), -1);
    EXPECT_EQ(Find(twoMinus, "－"), 0);
    EXPECT_EQ(Find(twoMinus, "－", 1), 2);
    EXPECT_EQ(ReverseFind(twoMinus, "－"), 2);
}

TEST(GbkText, FindHandlesEmptyAndOversizedSearches)
{
    EXPECT_EQ(Find("abc", ""), -1);
    EXPECT_EQ(Find("", "a"), -1);
    EXPECT_EQ(Find("ab", "abc"), -1);
    EXPECT_EQ(Find("abcabc", "bc", 2), 4);
    EXPECT_EQ(Find("abc", "c", 99), -1);
    // A lone lead byte at the end of a text is taken as one byte.
    EXPECT_EQ(Find("a\xB0", "\xB0"), 1);
}

namespace {

// `length` bytes drawn from `bytes`.
template <std::size_t N> std::string RandomBytes(std::mt19937 &random, const unsigned char (&bytes)[N], int length)
{
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(bytes[random() % N]);
    return text;
}

} // namespace

// Find from a later byte starts its walk near that byte instead of at the start of the text; the
// characters it meets must be the ones a walk from the start meets. Texts mixing ASCII, lead and
// trail bytes (trail bytes below 0x81 included) are compared with that walk at every start.
TEST(GbkText, FindFromALaterByteKeepsTheCharactersOfTheWholeText)
{
    const unsigned char bytes[] = {'a', '-', '(', 0x2D, 0x40, 0x7E, 0x80, 0x81, 0xA3, 0xAD, 0xB0, 0xFE};
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        const int length = static_cast<int>(random() % 24);
        const std::string text = RandomBytes(random, bytes, length);
        std::string what(1, static_cast<char>(bytes[random() % sizeof bytes]));
        if (random() % 2 == 0)
            what += static_cast<char>(bytes[random() % sizeof bytes]);
        for (int from = -1; from <= length + 1; ++from) {
            int expected = -1;
            for (int i = 0; i < length; i += IsGbkLead(static_cast<unsigned char>(text[i])) && i + 1 < length ? 2 : 1)
                if (i >= from && text.compare(i, what.size(), what) == 0 && i + Len(what) <= length) {
                    expected = i;
                    break;
                }
            ASSERT_EQ(Find(text, what, from), expected) << "round " << round << ", from " << from;
        }
    }
}

// The scan jumps from one candidate byte to the next instead of stepping over every character
// (on a text past 64 bytes by memchr, for the second byte of a longer pattern); on long texts of
// long lead-byte runs, with patterns of up to three bytes, the first and the last match must still
// be those of a walk over every character from the start.
TEST(GbkText, FindAndReverseFindAgreeWithAWalkOverEveryCharacter)
{
    const unsigned char bytes[] = {'x', '-', 0x40, 0x7F, 0x81, 0xA3, 0xAD, 0xA3, 0xB0, 0xFE};
    std::mt19937 random(44);
    for (int round = 0; round < 1000; ++round) {
        const int length = static_cast<int>(random() % (round % 2 == 0 ? 80 : 400));
        const std::string text = RandomBytes(random, bytes, length);
        const std::string what = RandomBytes(random, bytes, 1 + static_cast<int>(random() % 3));
        std::vector<int> matches; // every match at a character boundary, in order
        for (int i = 0; i < length; i += IsGbkLead(static_cast<unsigned char>(text[i])) && i + 1 < length ? 2 : 1)
            if (i + Len(what) <= length && text.compare(i, what.size(), what) == 0)
                matches.push_back(i);
        ASSERT_EQ(Find(text, what), matches.empty() ? -1 : matches.front()) << "round " << round;
        ASSERT_EQ(ReverseFind(text, what), matches.empty() ? -1 : matches.back()) << "round " << round;
        ASSERT_EQ(Contains(std::string_view(text), what), !matches.empty()) << "round " << round;
        // From each match on, the next one is found.
        for (std::size_t m = 0; m + 1 < matches.size(); ++m)
            ASSERT_EQ(FindFromBoundary(text, what,
                          matches[m] + 1 + (IsGbkLead(static_cast<unsigned char>(text[matches[m]])) ? 1 : 0)),
                matches[m + 1])
                << "round " << round;
    }
}

TEST(GbkText, CutsAreByteWiseAndClamped)
{
    const std::string text = "3＋4";
    EXPECT_EQ(Len(text), 4);
    EXPECT_EQ(Left(text, 1), "3");
    EXPECT_EQ(Left(text, 99), text);
    EXPECT_EQ(Left(text, -1), "");
    EXPECT_EQ(Right(text, 3), "＋4");
    EXPECT_EQ(Right(text, 0), "");
    EXPECT_EQ(Mid(text, 1), "＋4");
    EXPECT_EQ(Mid(text, 1, 2), "＋");
    EXPECT_EQ(Mid(text, 9), "");
    EXPECT_EQ(Mid(text, -2, 3), "3");
}

TEST(GbkText, TrimRemovesTheSixBlanksOnly)
{
    EXPECT_EQ(Trim(" \t\r\n\v\f1 2\r\n"), "1 2");
    EXPECT_EQ(Trim("　1"), "　1"); // the full-width blank is not trimmed
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim(""), "");
}

TEST(StringArray, InsertAtZeroPutsTheFirstPieceAtTheHighestIndex)
{
    StringArray pieces;
    pieces.InsertAt(0, "2a");
    pieces.InsertAt(0, "－b");
    pieces.InsertAt(0, "＋3");
    ASSERT_EQ(pieces.GetSize(), 3);
    EXPECT_EQ(pieces[2], "2a");
    EXPECT_EQ(pieces[0], "＋3");
    EXPECT_EQ(pieces[3], "");
    EXPECT_EQ(pieces[-1], "");
    pieces.InsertAt(99, "end");
    EXPECT_EQ(pieces[3], "end");
    pieces.InsertAt(2, "mid");
    EXPECT_EQ(pieces[2], "mid");
    EXPECT_EQ(pieces[3], "2a");
    pieces.RemoveAt(2);
    pieces.RemoveAt(0);
    pieces.SetAt(7, "ignored");
    EXPECT_EQ(pieces.GetSize(), 3);
    pieces.SetSize(1);
    EXPECT_EQ(pieces[0], "－b");
}
