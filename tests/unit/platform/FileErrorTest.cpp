// A file error's text names the place and the cause; what it quotes from the file is printed
// with its control characters escaped, while the parts keep the file's own bytes.
#include "platform/FileError.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

struct FileErrorCase {
    const char* label;
    const char* path;
    int line;
    const char* cause;
    const char* expected;
};

const FileErrorCase fileErrorCases[] = {
    {"a place and a cause", "army.kst", 9, "expected a number, found \"abc\"",
     "army.kst, line 9: expected a number, found \"abc\""},
    {"no line", "army.kst", 0, "cannot open the file", "army.kst: cannot open the file"},
    {"an escape sequence quoted from the file", "army.kst", 3, "found \"\x1b[2J\x1b[31mfine\"",
     "army.kst, line 3: found \"\\x1b[2J\\x1b[31mfine\""},
    {"a control character in the file's name", "ar\x1bmy.kst", 0, "cannot open the file",
     "ar\\x1bmy.kst: cannot open the file"},
};

void PrintTo(const FileErrorCase& c, std::ostream* out)
{
    *out << c.label;
}

class FileErrorText : public ::testing::TestWithParam<FileErrorCase> {};

TEST_P(FileErrorText, NamesThePlaceAndThePrintableCause)
{
    const FileErrorCase& c = GetParam();
    const FileError error(c.path, c.line, c.cause);
    EXPECT_STREQ(error.what(), c.expected) << c.label;
    EXPECT_EQ(error.path(), c.path) << c.label;
    EXPECT_EQ(error.line(), c.line) << c.label;
    EXPECT_EQ(error.cause(), c.cause) << c.label;
}

INSTANTIATE_TEST_SUITE_P(Errors, FileErrorText, ::testing::ValuesIn(fileErrorCases));

} // namespace
} // namespace kestrelon
