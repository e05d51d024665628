// A Dialogs for tests: answers come from queues filled by the test, and every interaction is
// recorded in order, so a test can check the exact texts the user would have seen.
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrelon::testing {

class ScriptedDialogs : public Dialogs {
public:
    std::vector<std::string> shown;              // "message: ...", "input: ...", "open", "save", ...
    std::deque<std::optional<std::string>> inputs; // answers to inputBox
    std::deque<std::optional<std::string>> files;  // answers to openFile/saveFile
    std::deque<bool> answers;                       // answers to question
    std::deque<std::optional<bool>> choices;        // answers to questionOrCancel (nullopt: Cancel)
    bool silenceRequested = false;                  // answer of messageOfferingSilence

    void message(const std::string& text) override { shown.push_back("message: " + text); }

    bool messageOfferingSilence(const std::string& text, const std::string&) override
    {
        shown.push_back("message: " + text);
        return silenceRequested;
    }

    bool question(const std::string& text) override
    {
        shown.push_back("question: " + text);
        return take(answers, "question");
    }

    std::optional<bool> questionOrCancel(const std::string& text) override
    {
        shown.push_back("question: " + text);
        return take(choices, "questionOrCancel");
    }

    std::optional<std::string> inputBox(const std::string& prompt) override
    {
        shown.push_back("input: " + prompt);
        return take(inputs, "inputBox");
    }

    std::optional<std::string> openFile(FileDialogState& state) override
    {
        shown.push_back("open");
        return choose(state);
    }

    std::optional<std::string> saveFile(FileDialogState& state) override
    {
        shown.push_back("save");
        return choose(state);
    }

    std::vector<std::string> messages() const
    {
        std::vector<std::string> result;
        for (const auto& entry : shown)
            if (entry.rfind("message: ", 0) == 0)
                result.push_back(entry.substr(9));
        return result;
    }

private:
    template <typename T>
    static T take(std::deque<T>& queue, const char* what)
    {
        if (queue.empty())
            throw std::logic_error(std::string("test gave no answer for ") + what);
        T value = queue.front();
        queue.pop_front();
        return value;
    }

    std::optional<std::string> choose(FileDialogState& state)
    {
        auto path = take(files, "file dialog");
        if (path)
            state.fileName = *path;
        return path;
    }
};

} // namespace kestrelon::testing
