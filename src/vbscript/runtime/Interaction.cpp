// The built-ins that reach outside the script: MsgBox and InputBox go through the host's
// Dialogs, which show and take 1252 text. Scripts are sandboxed: CreateObject makes only
// Scripting.Dictionary, which touches nothing outside the script, and refuses every other name
// (429), as GetObject always does.
#include "platform/Dialogs.h"
#include "vbscript/host/HostBinding.h"
#include "vbscript/runtime/BuiltinSupport.h"
#include "vbscript/runtime/Dictionary.h"

#include <array>

namespace kestrelon::vbs::builtins {
namespace {

constexpr std::int16_t VbOk = 1;

// MsgBox(prompt[, buttons[, title[, helpfile, context]]]): shows the prompt with an OK button
// and answers vbOK.
Value msgBox(BuiltinContext& context, Args args)
{
    const std::string prompt = narrowText(toString(args[0]));
    if (given(args, 1))
        longArg(args[1]);
    if (given(args, 2))
        toConcatString(args[2]);
    if (Dialogs* dialogs = context.dialogs())
        dialogs->message(prompt);
    return Value::integer(VbOk);
}

// InputBox(prompt[, title[, default[, xpos[, ypos[, helpfile, context]]]]]): the answer, or
// "" when the user cancels or no one can be asked.
Value inputBox(BuiltinContext& context, Args args)
{
    const std::string prompt = narrowText(toString(args[0]));
    Dialogs* dialogs = context.dialogs();
    if (!dialogs)
        return Value::string({});
    const auto answer = dialogs->inputBox(prompt);
    return Value::string(widenText(answer.value_or(std::string())));
}

// CreateObject(progid[, server]): a dictionary made on another machine would reach outside the
// script, so a server name is refused too.
Value createObject(BuiltinContext& context, Args args)
{
    const std::string name = narrowText(toString(args[0]));
    const bool local = args.size() < 2 || toString(args[1]).empty();
    if (local && binding::foldName(name) == "scripting.dictionary") {
        std::shared_ptr<Object> dictionary = makeDictionary();
        context.keepTrackOf(dictionary);
        return Value::object(std::move(dictionary));
    }
    raise(ErrorCode::CantCreateObject);
}

Value getObject(BuiltinContext&, Args)
{
    raise(ErrorCode::CantCreateObject);
}

constexpr std::array Table = {
    BuiltinEntry{"MsgBox", 1, 5, msgBox},
    BuiltinEntry{"InputBox", 1, 7, inputBox},
    BuiltinEntry{"CreateObject", 1, 2, createObject},
    BuiltinEntry{"GetObject", 0, 2, getObject},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> interactionBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
