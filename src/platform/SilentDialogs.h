// Dialogs for runs nobody watches (fuzz targets, benchmarks): messages show nothing, questions
// answer no, every input box and file dialog is cancelled, so nothing can wait for a user.
#pragma once

#include "platform/Dialogs.h"

namespace kestrelon {

class SilentDialogs : public Dialogs {
public:
    void message(const std::string&) override {}
    bool question(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFile(FileDialogState&) override { return std::nullopt; }
    std::optional<std::string> saveFile(FileDialogState&) override { return std::nullopt; }
};

} // namespace kestrelon
