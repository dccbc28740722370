#include "helpwindow/HelpText.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr char32_t kIdeographicSpace = U'\u3000';

std::u32string Indent(int count)
{
    return std::u32string(static_cast<std::size_t>(count), kIdeographicSpace);
}

// The page as code points, written out independently of the program's constant.
std::vector<std::u32string> ExpectedPage()
{
    return {
        U"",
        Indent(1) + U"\u3010Problem\u3011",
        Indent(7) + U"When one pachinko ball hits nails and falls while splitting into left and right , ",
        Indent(6) + U"where does the pachinko ball fall ?",
        Indent(7) + U"However , when the pachinko ball hits the nails and divides into left and right , ",
        Indent(6) + U"the division is the same for the left and right.",
        Indent(7) + U"Is there a place where pachinko balls can easily fall ? Or is it the same ",
        Indent(6) + U"everywhere ?",
        U"",
        U"",
        Indent(1) + U"\u3010Operation Method\u3011",
        Indent(6) + U"\u25A0Coppare the theoretical numbers with the numbers from the experimental results.",
        Indent(7) + U"When you click the\uFF3BHighSpeed\uFF3Dbutton , the pachinko ball will fall at high speed.",
        Indent(7) + U"When you click the\uFF3BLowSpeed\uFF3Dbutton , the pachinko ball will fall at low speed.",
        Indent(7) + U"When you click the\uFF3BStop\uFF3Dbutton , the pachinko ball will stop falling.",
    };
}

// Decodes a line of the program's page; invalid UTF-8 would show as U+FFFD.
std::u32string Decode(std::u8string_view line)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(line.data()), static_cast<qsizetype>(line.size()))
        .toStdU32String();
}

int LeadingIdeographicSpaces(const std::u32string& line)
{
    const auto end = std::find_if(line.begin(), line.end(), [](char32_t c) { return c != kIdeographicSpace; });
    return static_cast<int>(end - line.begin());
}

TEST(HelpText, HasFifteenLinesEqualCodePointByCodePoint)
{
    const std::vector<std::u32string> expected = ExpectedPage();
    ASSERT_EQ(corvanta::kHelpLines.size(), 15u);
    ASSERT_EQ(expected.size(), corvanta::kHelpLines.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::u32string actual = Decode(corvanta::kHelpLines[i]);
        EXPECT_EQ(actual.find(U'\uFFFD'), std::u32string::npos) << "line " << i + 1;
        EXPECT_TRUE(actual == expected[i])
            << "line " << i + 1 << " differs: \"" << QString::fromStdU32String(actual).toStdString() << "\"";
    }
}

TEST(HelpText, IndentsAreIdeographicSpaces)
{
    const int expectedIndents[15] = {0, 1, 7, 6, 7, 6, 7, 6, 0, 0, 1, 6, 7, 7, 7};
    for (std::size_t i = 0; i < corvanta::kHelpLines.size(); ++i) {
        const std::u32string line = Decode(corvanta::kHelpLines[i]);
        EXPECT_EQ(LeadingIdeographicSpaces(line), expectedIndents[i]) << "line " << i + 1;
        // No ASCII blank stands in for an indent.
        EXPECT_FALSE(!line.empty() && line.front() == U' ') << "line " << i + 1;
    }
}

TEST(HelpText, EmptyLinesAndTrailingBlanks)
{
    for (const std::size_t empty : {0u, 8u, 9u}) {
        EXPECT_TRUE(corvanta::kHelpLines[empty].empty()) << "line " << empty + 1;
    }
    // Lines 3, 5 and 7 continue on the next line and end with exactly one ASCII blank.
    for (const std::size_t continued : {2u, 4u, 6u}) {
        const std::u8string_view line = corvanta::kHelpLines[continued];
        ASSERT_GE(line.size(), 2u);
        EXPECT_EQ(line.back(), u8' ') << "line " << continued + 1;
        EXPECT_NE(line[line.size() - 2], u8' ') << "line " << continued + 1;
    }
    // The other lines end in their last visible character.
    for (const std::size_t closed : {1u, 3u, 5u, 7u, 10u, 11u, 12u, 13u, 14u}) {
        const std::u8string_view line = corvanta::kHelpLines[closed];
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.back(), u8' ') << "line " << closed + 1;
    }
}

TEST(HelpText, BytesForPrintingAreTheSameUtf8)
{
    for (const std::u8string_view line : corvanta::kHelpLines) {
        const std::string_view bytes = corvanta::HelpLineBytes(line);
        ASSERT_EQ(bytes.size(), line.size());
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), line.begin(),
            [](char b, char8_t u) { return static_cast<unsigned char>(b) == static_cast<unsigned char>(u); }));
    }
    // The opening bracket U+3010 after the indent is three bytes in UTF-8.
    EXPECT_EQ(corvanta::HelpLineBytes(corvanta::kHelpLines[1]).substr(3, 3), "\xE3\x80\x90");
}

} // namespace
