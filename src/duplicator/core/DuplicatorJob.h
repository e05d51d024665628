// Tessary's whole job as one fixed sequence of dialogs: choose the source, collect its
// figures, ask how many copies of each, choose the output, write it. Every interaction goes
// through Dialogs, so the window, and tests with scripted answers, run the very same job.
#pragma once

#include "duplicator/core/FigureCollector.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon::duplicator {

enum class JobOutcome {
    Written,   // the output file holds every copy
    Cancelled, // the user dismissed a dialog; nothing was written
    Failed,    // a file could not be read or written (reported); nothing was written
};

class DuplicatorJob {
public:
    // CD is the program's one file dialog: it keeps its settings from one use to the next.
    DuplicatorJob(Dialogs& dialogs, FileDialogState& CD);

    // Runs the job to its end. Failures and cancellations are reported in a message and leave
    // no output file behind; nothing is raised.
    JobOutcome run();

    // The figures collected and the counts given, once known (for the window and for tests).
    const std::vector<Figure>& figures() const { return m_figures; }
    const std::vector<std::int32_t>& counts() const { return m_counts; }

    // Once run has ended, one line on how: how many copies of how many figures went to which
    // file, or why nothing was written.
    const std::string& report() const { return m_report; }

private:
    std::optional<std::string> chooseSource();
    bool readFigures(const std::string& source);
    bool askCounts();
    std::optional<std::int32_t> askCount(const std::string& name);
    std::optional<std::string> chooseOutput(const std::string& source);
    bool writeOutput(const std::string& output);
    JobOutcome cancelled();
    JobOutcome failed(const std::string& cause);

    Dialogs& m_dialogs;
    FileDialogState& m_CD;
    std::vector<Figure> m_figures;
    std::vector<std::int32_t> m_counts;
    std::string m_report;
};

} // namespace kestrelon::duplicator
