// Every modal interaction of the core goes through this interface: the windows implement it
// with Qt, the command line with the console, and tests with a scripted fake, so every path
// of a run or a file operation can be driven without a screen.
#pragma once

#include <optional>
#include <string>

namespace kestrelon {

// What a file dialog keeps from one use to the next, as one dialog control of a window does.
struct FileDialogState {
    std::string filter;           // e.g. "Kestrelon projects (*.kst)"; empty: all files
    std::string defaultExtension; // without the dot, e.g. "kst"; empty: none added
    std::string fileName;         // the last file chosen (proposed next time)
    std::string title;            // empty: the toolkit's default
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with an OK button only.
    virtual void message(const std::string& text) = 0;

    // A message that also offers to stop showing messages of its kind; true when the user
    // asked not to see them again. Implementations without such a box show a plain message.
    virtual bool messageOfferingSilence(const std::string& text, const std::string& silenceLabel)
    {
        (void)silenceLabel;
        message(text);
        return false;
    }

    // A question answered Yes (true) or No (false).
    virtual bool question(const std::string& text) = 0;

    // A question answered Yes (true), No (false) or Cancel (nullopt), as before closing with
    // unsaved changes. Implementations without a Cancel button ask a Yes/No question.
    virtual std::optional<bool> questionOrCancel(const std::string& text) { return question(text); }

    // A prompt with a one-line answer; nullopt when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt) = 0;

    // Open and save dialogs; the chosen path is also kept in state.fileName. nullopt when
    // cancelled, leaving state unchanged.
    virtual std::optional<std::string> openFile(FileDialogState& state) = 0;
    virtual std::optional<std::string> saveFile(FileDialogState& state) = 0;
};

} // namespace kestrelon
