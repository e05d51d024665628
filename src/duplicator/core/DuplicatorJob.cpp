// The duplicator's job. Where the job cannot go on (a dismissed dialog, a file that cannot be
// read or written) it says so and stops with no output file, rather than leave half a file.
#include "duplicator/core/DuplicatorJob.h"

#include "duplicator/core/DuplicateText.h"
#include "duplicator/core/JobMessages.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <filesystem>
#include <new>
#include <stdexcept>

namespace kestrelon::duplicator {
namespace {

const std::string SelectSourceText = "Please select the file containing figures to be duplicated";
const std::string FigureFoundText = "Figure Found";
const std::string SelectOutputText =
    "Select where to save the duplicated figures.  DO NOT SAVE OVER AN EXISTING FILE";
const std::string NothingWrittenText = "No duplicates were written.";
const std::string An8Filter = "An8 files (*.an8)";
const std::string An8Extension = "an8";
const std::string OpenTitle = "Select the file containing figures to be duplicated";
const std::string SaveTitle = "Save the duplicated figures";

std::string countPrompt(const std::string& name)
{
    return "How many " + name + " duplicates are needed?";
}

// The save dialog opens in the source's folder with no name proposed: proposing the source's
// own name would make a quick "Save" replace the file the figures come from.
std::string folderOf(const std::string& path)
{
    return std::filesystem::path(path).parent_path().string();
}

std::string outOfMemory(const std::string& output, const std::vector<std::int32_t>& counts)
{
    return output + ": not enough memory for " + std::to_string(totalCopies(counts)) + " copies";
}

} // namespace

DuplicatorJob::DuplicatorJob(Dialogs& dialogs, FileDialogState& CD) : m_dialogs(dialogs), m_CD(CD) {}

JobOutcome DuplicatorJob::run()
{
    m_dialogs.message(SelectSourceText);
    const std::optional<std::string> source = chooseSource();
    if (!source)
        return cancelled();
    if (!readFigures(*source))
        return JobOutcome::Failed;
    if (!askCounts())
        return cancelled();
    m_dialogs.message(SelectOutputText);
    const std::optional<std::string> output = chooseOutput(*source);
    if (!output)
        return cancelled();
    if (!writeOutput(*output))
        return JobOutcome::Failed;
    m_report = writtenReport(*output, *source, m_figures.size(), totalCopies(m_counts));
    return JobOutcome::Written;
}

std::optional<std::string> DuplicatorJob::chooseSource()
{
    m_CD.filter = An8Filter;
    m_CD.defaultExtension = An8Extension;
    m_CD.title = OpenTitle;
    return m_dialogs.openFile(m_CD);
}

bool DuplicatorJob::readFigures(const std::string& source)
{
    try {
        m_figures = collectFigures(readTextLines(source), source,
                                   [this](const std::string&) { m_dialogs.message(FigureFoundText); });
        return true;
    } catch (const FileError& error) {
        failed(error.what());
    } catch (const std::bad_alloc&) {
        failed(source + ": the file is too large to be read");
    }
    return false;
}

bool DuplicatorJob::askCounts()
{
    m_counts.clear();
    for (const Figure& figure : m_figures) {
        const std::optional<std::int32_t> count = askCount(figure.name);
        if (!count)
            return false;
        m_counts.push_back(*count);
    }
    return true;
}

// An answer that gives no count asks the question again, the reason above it; only a
// dismissed box ends the job.
std::optional<std::int32_t> DuplicatorJob::askCount(const std::string& name)
{
    const std::string question = countPrompt(name);
    std::string prompt = question;
    for (;;) {
        const std::optional<std::string> answer = m_dialogs.inputBox(prompt);
        if (!answer)
            return std::nullopt;
        if (const std::optional<std::int32_t> count = parseCopyCount(*answer))
            return count;
        prompt = *copyCountProblem(*answer) + "\n" + question;
    }
}

std::optional<std::string> DuplicatorJob::chooseOutput(const std::string& source)
{
    m_CD.fileName = folderOf(source);
    m_CD.title = SaveTitle;
    for (;;) {
        std::optional<std::string> output = m_dialogs.saveFile(m_CD);
        if (!output)
            return output;
        const std::optional<std::string> refusal = sourceAsOutputRefusal(*output, source);
        if (!refusal)
            return output;
        m_dialogs.message(*refusal);
    }
}

bool DuplicatorJob::writeOutput(const std::string& output)
{
    try {
        writeDuplicateFile(output, m_figures, m_counts);
        return true;
    } catch (const FileError& error) {
        failed(error.what());
    } catch (const std::bad_alloc&) {
        failed(outOfMemory(output, m_counts));
    } catch (const std::length_error&) {
        failed(outOfMemory(output, m_counts));
    }
    return false;
}

JobOutcome DuplicatorJob::cancelled()
{
    m_report = "The job was cancelled. " + NothingWrittenText;
    m_dialogs.message(m_report);
    return JobOutcome::Cancelled;
}

JobOutcome DuplicatorJob::failed(const std::string& cause)
{
    m_report = cause + ". " + NothingWrittenText;
    m_dialogs.message(m_report);
    return JobOutcome::Failed;
}

} // namespace kestrelon::duplicator
