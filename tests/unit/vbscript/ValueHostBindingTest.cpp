// A host class bound through its member table, called as the interpreter calls it: names in
// any letter case, typed parameters converted as VBScript converts them (Long half to even,
// Overflow and Type mismatch), typed results, properties, and wrong argument counts.
#include "vbscript/host/HostBinding.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kestrelon::vbs;

namespace {

class Unit : public HostObject<Unit> {
public:
    double Speed = 1.5;
    std::string Header;

    std::int32_t Twice(std::int32_t n) { return n * 2; }
    std::string Describe(std::string name, bool friendly) { return name + (friendly ? " (friend)" : " (foe)"); }
    double Half(double x) { return x / 2; }
    Value Echo(Value v) { return v; }
    void Reset() { Speed = 0; }

    static const HostClass<Unit>& binding()
    {
        static const HostClass<Unit> table = HostClass<Unit>("Avatar")
                                                 .method("Twice", &Unit::Twice)
                                                 .method("Describe", &Unit::Describe)
                                                 .method("Half", &Unit::Half)
                                                 .method("Echo", &Unit::Echo)
                                                 .method("Reset", &Unit::Reset)
                                                 .property("Speed", &Unit::Speed)
                                                 .property("Header", &Unit::Header);
        return table;
    }
};

std::string invokeOutcome(Object& object, std::string_view name, InvokeKind kind, std::vector<Value> args)
{
    try {
        const auto member = object.findMember(name);
        if (!member)
            return "not found";
        const Value result = object.invoke(*member, kind, args);
        return typeNameOf(result) + " " + (result.isEmpty() || result.isNull() ? "" : narrowText(toString(result)));
    } catch (const ScriptError& error) {
        return "error " + std::to_string(error.number());
    }
}

} // namespace

TEST(ValueHostBindingTest, NamesFoldToLowerCase)
{
    EXPECT_EQ(binding::foldName("WhereMyX"), "wheremyx");
    EXPECT_EQ(binding::foldName("A_1z"), "a_1z");
    EXPECT_EQ(binding::foldName("\xC9t\xE9"), "\xC9t\xE9");
}

TEST(ValueHostBindingTest, MethodsConvertTheirParametersAsDeclared)
{
    Unit unit;
    const std::vector<std::tuple<const char*, std::vector<Value>, std::string>> rows = {
        {"twice", {Value::integer(4)}, "Long 8"},
        {"TWICE", {Value::doubleValue(2.5)}, "Long 4"},
        {"Twice", {Value::doubleValue(3.5)}, "Long 8"},
        {"Twice", {Value::string(u"21")}, "Long 42"},
        {"Twice", {Value::doubleValue(3e9)}, "error 6"},
        {"Twice", {Value::string(u"many")}, "error 13"},
        {"Twice", {Value::null()}, "error 94"},
        {"Twice", {}, "error 450"},
        {"Twice", {Value::integer(1), Value::integer(2)}, "error 450"},
        {"Describe", {Value::integer(7), Value::string(u"1")}, "String 7 (friend)"},
        {"Describe", {Value::string(u"Orc"), Value::boolean(false)}, "String Orc (foe)"},
        {"Half", {Value::string(u"3")}, "Double 1.5"},
        {"Echo", {Value::null()}, "Null "},
        {"Reset", {}, "Empty "},
        {"Fly", {}, "not found"},
    };
    for (const auto& [name, args, expected] : rows)
        EXPECT_EQ(invokeOutcome(unit, name, InvokeKind::Get, args), expected) << name;
    EXPECT_EQ(unit.Speed, 0.0);
}

TEST(ValueHostBindingTest, PropertiesReadAndWrite)
{
    Unit unit;
    EXPECT_EQ(invokeOutcome(unit, "speed", InvokeKind::Get, {}), "Double 1.5");
    EXPECT_EQ(invokeOutcome(unit, "Speed", InvokeKind::Put, {Value::string(u"2.25")}), "Empty ");
    EXPECT_EQ(unit.Speed, 2.25);
    EXPECT_EQ(invokeOutcome(unit, "Header", InvokeKind::Put, {Value::integer(12)}), "Empty ");
    EXPECT_EQ(unit.Header, "12");
    EXPECT_EQ(invokeOutcome(unit, "Speed", InvokeKind::Put, {Value::string(u"fast")}), "error 13");
    EXPECT_EQ(invokeOutcome(unit, "Speed", InvokeKind::Get, {Value::integer(1)}), "error 450");
    EXPECT_EQ(invokeOutcome(unit, "Twice", InvokeKind::Put, {Value::integer(1)}), "error 450");
}

TEST(ValueHostBindingTest, TypeNameAndSharedTable)
{
    Unit a;
    Unit b;
    EXPECT_EQ(typeNameOf(Value::object(std::make_shared<Unit>())), "Avatar");
    EXPECT_EQ(a.memberTable(), b.memberTable());
    EXPECT_EQ(invokeOutcome(a, "Speed", InvokeKind::Get, {}), "Double 1.5");
    EXPECT_THROW(a.invoke(99, InvokeKind::Get, {}), ScriptError);
}
