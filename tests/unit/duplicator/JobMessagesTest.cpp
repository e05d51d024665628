// The lines the job ends with and the refusal of the source as output, which must see through
// every other name of the same file: another path, a symbolic link, a hard link.
#include "duplicator/core/JobMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kestrelon::duplicator {
namespace {

namespace fs = std::filesystem;

struct ReportCase {
    std::size_t figures;
    std::int64_t copies;
    const char* expected;
};

TEST(WrittenReport, TellsHowManyCopiesOfHowManyFiguresWentWhere)
{
    const ReportCase cases[] = {
        {2, 5, "Wrote 5 copies of 2 figures to out/copies.an8."},
        {1, 1, "Wrote 1 copy of 1 figure to out/copies.an8."},
        {3, 0, "Wrote 0 copies of 3 figures to out/copies.an8."},
        {0, 0, "Wrote 0 copies of 0 figures to out/copies.an8: army.an8 has no figures before its first sequence."},
    };
    for (const ReportCase& c : cases)
        EXPECT_EQ(writtenReport("out/copies.an8", "army.an8", c.figures, c.copies), c.expected) << c.expected;
}

// The names under which the test gives the output; the source is always folder/army.an8.
enum class Spelling { SamePath, Relative, Roundabout, SymbolicLink, HardLink, LinkToLink, OtherFile, NewFile,
                      SameContent };

struct RefusalCase {
    const char* label;
    Spelling spelling;
    bool refused;
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.label;
}

class RefusingTheSource : public ::testing::TestWithParam<RefusalCase> {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("kestrelon-dup-same-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        m_source = (m_folder / "army.an8").string();
        std::ofstream(m_source) << "figure { \"soldier\"\n}\n";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string spell(Spelling spelling) const
    {
        const fs::path other = m_folder / "other.an8";
        switch (spelling) {
        case Spelling::SamePath: return m_source;
        case Spelling::Relative: return fs::relative(m_source).string();
        case Spelling::Roundabout: return (m_folder / "." / ".." / m_folder.filename() / "army.an8").string();
        case Spelling::SymbolicLink: fs::create_symlink("army.an8", other); break;
        case Spelling::HardLink: fs::create_hard_link(m_source, other); break;
        case Spelling::LinkToLink:
            fs::create_symlink("army.an8", m_folder / "link.an8");
            fs::create_symlink(m_folder / "link.an8", other);
            break;
        case Spelling::OtherFile: std::ofstream(other) << "older copies\n"; break;
        case Spelling::NewFile: break;
        case Spelling::SameContent: fs::copy_file(m_source, other); break;
        }
        return other.string();
    }

    fs::path m_folder;
    std::string m_source;
};

TEST_P(RefusingTheSource, IsRefusedUnderEveryNameOfTheSourceFile)
{
    const RefusalCase& c = GetParam();
    const std::string output = spell(c.spelling);
    const std::optional<std::string> refusal = sourceAsOutputRefusal(output, m_source);
    ASSERT_EQ(refusal.has_value(), c.refused) << c.label << ": " << output;
    if (!refusal)
        return;
    const std::string tail = "the file the figures come from; choose another file for the duplicates.";
    const std::string expected = c.spelling == Spelling::SamePath
                                     ? output + " is " + tail
                                     : output + " is the same file as " + m_source + ", " + tail;
    EXPECT_EQ(*refusal, expected) << c.label;
}

const RefusalCase refusalCases[] = {
    {"the source's own path", Spelling::SamePath, true},
    {"a relative path", Spelling::Relative, true},
    {"a path through . and ..", Spelling::Roundabout, true},
    {"a symbolic link", Spelling::SymbolicLink, true},
    {"a hard link", Spelling::HardLink, true},
    {"a link to a link", Spelling::LinkToLink, true},
    {"another file", Spelling::OtherFile, false},
    {"a file still to be made", Spelling::NewFile, false},
    {"a copy with the same content", Spelling::SameContent, false},
};

INSTANTIATE_TEST_SUITE_P(Spellings, RefusingTheSource, ::testing::ValuesIn(refusalCases));

} // namespace
} // namespace kestrelon::duplicator
