// The graph and chart pages as a face in another process drives them: their display lists as
// JSON (GBK texts escaped by whole characters, numbers the same on every platform) and the
// requests that carry what the pupil did.
#include "charts/PicturePages.h"
#include "charts/DisplayListJson.h"

#include <gtest/gtest.h>

using namespace qimbel;

namespace {

bool Has(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(DisplayListJson, TextsAndNumbersAreWrittenTheSameEverywhere)
{
    // The second byte of "昞" (95 5C) is a backslash: it is no escape.
    const std::pair<std::string, std::string> texts[] = {{"\x95\x5c", "\"\x95\x5c\""}, {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"一\r\n二\t", "\"一\\u000d\\u000a二\\u0009\""}, {"", "\"\""}, {"\x95", "\"\x95\""}};
    for (const auto &[gbk, json] : texts)
        EXPECT_EQ(JsonText(gbk), json) << gbk;
    const std::pair<double, std::string> numbers[] = {{0, "0"}, {-0.0, "0"}, {-0.001, "0"}, {2.5, "2.5"},
        {1.0 / 3, "0.33"}, {-12.125, "-12.12"} /* a half goes to the even digit, as printf rounds */, {250, "250"},
        {1e300, "1000000000000000"}, {0.0 / 0.0, "0"}};
    for (const auto &[value, text] : numbers)
        EXPECT_EQ(JsonNumber(value), text) << value;
    EXPECT_EQ(JsonColour(Colour {255, 0, 153}), "#ff0099");

    DisplayList picture;
    picture.width = 20;
    picture.height = 10;
    picture.Add(Line {0, 0.5, 20, 0.5, Pen {kRed, 2, true}});
    picture.Add(Rect {1, 1, 5, 5, kWhite, false, Pen {}, true});
    picture.Add(PieSlice {0, 0, 10, 90, -45.5, kBlack, Pen {}});
    picture.Add(Polyline {{{1, 2}, {3, 4}}, Pen {}});
    EXPECT_EQ(DisplayListJson(picture),
        "{\"width\":20,\"height\":10,\"items\":["
        "{\"kind\":\"line\",\"x1\":0,\"y1\":0.5,\"x2\":20,\"y2\":0.5,\"pen\":{\"colour\":\"#ff0000\",\"width\":2,\"dotted\":true}},"
        "{\"kind\":\"rect\",\"x\":1,\"y\":1,\"width\":5,\"height\":5,\"frame\":{\"colour\":\"#000000\",\"width\":1,\"dotted\":false}},"
        "{\"kind\":\"pie\",\"x\":0,\"y\":0,\"size\":10,\"start\":90,\"span\":-45.5,\"fill\":\"#000000\",\"frame\":{\"colour\":\"#000000\",\"width\":1,\"dotted\":false}},"
        "{\"kind\":\"polyline\",\"points\":[1,2,3,4],\"pen\":{\"colour\":\"#000000\",\"width\":1,\"dotted\":false}}]}");
}

// Each request of a session, in order, and what its answer must hold (or must not).
TEST(PicturePages, RequestsDriveTheModelsAndAnswerWhatTheyDecide)
{
    struct Step {
        std::string request;
        std::vector<std::string> holds;
        std::vector<std::string> lacks;
    };
    const Step steps[] = {
        {"size 0 -5", {"\"width\":1,\"height\":1", "\"functions\":[]"}, {"\"position\""}},
        {"size 99999 600", {"\"width\":4000,\"height\":600"}, {}},
        {"size 500 500", {"\"width\":500,\"height\":500"}, {}},
        {"add y=2x+1", {"\"error\":\"\"", "\"shown\":\"y＝2x＋1\",\"colour\":\"#ff0000\",\"visible\":true", "一次函数"},
            {}},
        {"add   x^2-2x-3  ", {"\"typed\":\"x^2-2x-3\"", "\"colour\":\"#0000ff\"", "\"kind\":\"polyline\""}, {}},
        {"add y=2x+1", {"\"error\":\"\""}, {"#00960"}}, // listed already: not added twice
        {"add y=(", {"\"typed\":\"x^2-2x-3\""}, {"\"error\":\"\""}},
        {"show 0 0", {"\"visible\":false"}, {}},
        {"show 7 0", {"\"visible\":false"}, {}}, // an index out of range changes nothing
        {"trace 250 325",
            {"\"position\":\"(0.00, -3.00)\"", "\"trace\":\"y＝x^2－2x－3 上的点 (0，－3)\"", "\"kind\":\"circle\""},
            {}},
        {"leave", {}, {"\"kind\":\"circle\"", "\"position\""}},
        {"zoom 0 250 250", {"\"error\":\"\""}, {}},
        {"pan 1e300 nan", {"\"error\":\"\""}, {}},
        {"grid 0", {"\"grid\":false"}, {"#e1e1e1"}},
        {"remove 0", {"\"functions\":[{\"typed\":\"x^2-2x-3\""}, {"y＝2x＋1"}},
        {"clear", {"\"functions\":[]"}, {"\"kind\":\"polyline\""}},
        {"chart pie 400 300\r\n标题\r\n年级\t一年级\t二年级\r\n男生\t61\t34",
            {"\"note\":\"\"", "\"kind\":\"pie\"", "\"width\":400"}, {}},
        {"chart bar 1 1\r\n\r\n", {"\"width\":1,\"height\":1"}, {}},
        {"histogram 400 300\r\n频率分布直方图\r\n\r\n141 142 150 151 160 171",
            {"[\"分组\",\"频数\",\"频率\"]", "[\"140~145\",\"2\",\"0.3333\"]", "\"total\":6", "\"width\":\"5\""}, {}},
        {"histogram 400 300\r\n频率分布直方图\r\n\r\n", {"\"error\":\""}, {"\"error\":\"\"", "\"picture\""}},
        {"classwidth\r\n1 2 3 40", {"{\"width\":\"10\"}"}, {}},
        {"defaults",
            {"\"title\":\"某小学各年级男女学生人数统计图\"", "[\"男生\",\"61\",\"34\",\"37\",\"72\",\"95\",\"60\"]"},
            {}},
        {"", {"\"error\":\"unknown command\""}, {}},
        {"draw everything", {"\"error\":\"unknown command\""}, {}},
    };
    PicturePages pages;
    for (const Step &step : steps) {
        const std::string answer = pages.Run(step.request);
        for (const std::string &part : step.holds)
            EXPECT_TRUE(Has(answer, part)) << step.request << "\nlacks " << part << "\n" << answer.substr(0, 600);
        for (const std::string &part : step.lacks)
            EXPECT_FALSE(Has(answer, part)) << step.request << "\nholds " << part;
    }
}
