#include "numbers/EntryValue.h"
#include "numbers/NumberText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

namespace qimbel {

// Problem type 一列数的大小排序: echoes the numbers of the line and lists them from the smallest
// up, or from the largest down when the line asks 从大到小 (or 大到小). Numbers keep their text
// as typed (5.0 stays 5.0); the order is the exchange sort of the number list by exact values.
std::string Solver::PaiXu(std::string line)
{
    if (std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
        return sentence;
    StringArray numbers;
    // A mixed number (1又1/2) stays one number; all are ordered by their exact values.
    const bool mixed = Contains(line, "又");
    ShuLieToShuZu(mixed ? numbers::MixedForList(line) : line, numbers);
    for (int i = 0; mixed && i < numbers.GetSize(); ++i)
        numbers.SetAt(i, numbers::MixedAsTyped(numbers.GetAt(i)));
    std::string echo;
    for (int i = numbers.GetSize() - 1; i >= 0; --i)
        echo += " " + numbers.GetAt(i);

    numbers::ExchangeSort(numbers);
    std::string sorted;
    const bool descending = Contains(line, "从大到小") || Contains(line, "大到小");
    if (descending)
        for (int i = numbers.GetSize() - 1; i >= 0; --i)
            sorted += " " + numbers.GetAt(i);
    else
        for (int i = 0; i < numbers.GetSize(); ++i)
            sorted += " " + numbers.GetAt(i);
    return "数组 " + echo + (descending ? "从大到小排序为：\r\n\r\n" : "从小到大排序为：\r\n\r\n") + sorted + "\r\n";
}

} // namespace qimbel
