// Shared by the value, conversion, operator and built-in tests: short makers for every
// subtype, a one-line description of a result ("Long 32768", "Null", "error 13"), and a
// BuiltinContext with its own generator and an optional scripted Dialogs.
#pragma once

#include "platform/Dialogs.h"
#include "platform/RandomGenerator.h"
#include "vbscript/values/Array.h"
#include "vbscript/values/Coercion.h"
#include "vbscript/values/Object.h"
#include "vbscript/values/ScriptError.h"
#include "vbscript/runtime/Builtin.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrelon::vbs::testing {

inline Value I(std::int16_t v) { return Value::integer(v); }
inline Value L(std::int32_t v) { return Value::longValue(v); }
inline Value D(double v) { return Value::doubleValue(v); }
inline Value F(float v) { return Value::single(v); }
// A text from 1252 bytes, as a script file writes it.
inline Value S(std::string_view v) { return Value::string(widenText(v)); }
inline Value B(bool v) { return Value::boolean(v); }
inline Value Y(std::uint8_t v) { return Value::byte(v); }
inline Value Cy(std::int64_t scaled) { return Value::currency(scaled); }
inline Value Dt(double serial) { return Value::date(serial); }
inline Value E() { return Value(); }
inline Value N() { return Value::null(); }

// A one-dimensional array of the given values.
inline Value A(std::vector<Value> values)
{
    const auto upper = static_cast<std::int32_t>(values.size()) - 1;
    auto array = std::make_shared<Array>(std::vector<std::int32_t>{upper}, false);
    for (size_t i = 0; i < values.size(); ++i)
        array->elements()[i] = values[i];
    return Value::array(array);
}

// An object whose default member answers a fixed value (or that has no default member).
class DefaultValueObject : public Object {
public:
    explicit DefaultValueObject(std::optional<Value> value) : m_value(std::move(value)) {}
    std::string typeName() const override { return "Holder"; }
    std::optional<MemberId> findMember(std::string_view) const override { return std::nullopt; }
    Value invoke(MemberId, InvokeKind, std::span<const Value>) override { return *m_value; }
    std::optional<MemberId> defaultMember() const override
    {
        return m_value ? std::optional<MemberId>(0) : std::nullopt;
    }

private:
    std::optional<Value> m_value;
};

inline Value O(std::optional<Value> defaultValue)
{
    return Value::object(std::make_shared<DefaultValueObject>(std::move(defaultValue)));
}

// "Long 32768", "String 12", "Null", "Empty", "Variant(a|b|)" for arrays.
inline std::string describe(const Value& value)
{
    switch (value.type()) {
    case VarType::Null: return "Null";
    case VarType::Empty: return "Empty";
    case VarType::Object: return typeNameOf(value);
    case VarType::Array: {
        std::string text = "Variant(";
        const auto& elements = value.asArray()->elements();
        for (size_t i = 0; i < elements.size(); ++i)
            text += (i ? "|" : "") + narrowText(toConcatString(elements[i]));
        return text + ")";
    }
    default: return typeNameOf(value) + " " + narrowText(toString(value));
    }
}

// The description of what the call gives, or "error N" for the script error it raises.
inline std::string outcome(const std::function<Value()>& call)
{
    try {
        return describe(call());
    } catch (const ScriptError& error) {
        return "error " + std::to_string(error.number());
    }
}

// Dialogs that record messages and answer input boxes from a queue.
class RecordingDialogs : public Dialogs {
public:
    std::vector<std::string> messages;
    std::vector<std::optional<std::string>> answers;

    void message(const std::string& text) override { messages.push_back(text); }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string& prompt) override
    {
        messages.push_back("input: " + prompt);
        if (answers.empty())
            throw std::logic_error("no answer queued");
        auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::optional<std::string> openFile(FileDialogState&) override { return std::nullopt; }
    std::optional<std::string> saveFile(FileDialogState&) override { return std::nullopt; }
};

class TestContext : public BuiltinContext {
public:
    Dialogs* shownDialogs = nullptr;
    RandomGenerator generator;
    float last = RandomGenerator().current();

    Dialogs* dialogs() override { return shownDialogs; }
    RandomGenerator& random() override { return generator; }
    float& lastRandom() override { return last; }
    void keepTrackOf(const std::shared_ptr<Object>&) override {}
};

// Calls the built-in of that name through its table entry, as the interpreter does.
inline Value call(BuiltinContext& context, const std::string& name, std::vector<Value> args)
{
    const BuiltinEntry* entry = findBuiltin(name);
    if (!entry)
        throw std::logic_error("no built-in " + name);
    return callBuiltin(*entry, context, args);
}

inline std::string callOutcome(const std::string& name, std::vector<Value> args)
{
    TestContext context;
    return outcome([&] { return call(context, name, args); });
}

} // namespace kestrelon::vbs::testing

namespace kestrelon::vbs::testing {

// One row of a built-in table: the call and what it must give.
struct CallCase {
    std::string name;
    std::vector<Value> args;
    std::string expected;
};

inline std::string callText(const CallCase& row)
{
    std::string text = row.name + "(";
    for (size_t i = 0; i < row.args.size(); ++i)
        text += (i ? ", " : "") + describe(row.args[i]);
    return text + ")";
}

} // namespace kestrelon::vbs::testing

// Checks every row of a table of built-in calls, naming the failing call.
#define EXPECT_CALLS(rows)                                                                       \
    for (const auto& row : rows)                                                                 \
    EXPECT_EQ(::kestrelon::vbs::testing::callOutcome(row.name, row.args), row.expected)          \
        << ::kestrelon::vbs::testing::callText(row)
