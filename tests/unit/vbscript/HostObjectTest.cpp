// Host objects seen from scripts: the order in which a bare name is looked up (script names,
// named objects, built-ins, then members of objects added with their members, in the order
// added), default members, With, members remembered across objects of one class, converted
// arguments and the host's own errors.
#include "InterpreterTestSupport.h"

#include "vbscript/host/HostBinding.h"

#include <gtest/gtest.h>

#include <memory>

namespace kestrelon::vbs::testing {
namespace {

using kestrelon::testing::ScriptedDialogs;

// A small host class: a name, a default Value, a method called Len (a built-in's name too),
// an indexed Item, a method that doubles a Long, and one that fails with the host's own error.
class Probe : public HostObject<Probe> {
public:
    explicit Probe(std::string name = "probe") : Name(std::move(name)) {}

    static const HostClass<Probe>& binding()
    {
        static const HostClass<Probe> table = [] {
            HostClass<Probe> members("Probe");
            members.property("Name", &Probe::Name)
                .property("Value", &Probe::Value)
                .method("Len", &Probe::Len)
                .method("Twice", &Probe::Twice)
                .method("Fail", &Probe::Fail)
                .add("Item", [](Probe& probe, InvokeKind kind, std::span<const vbs::Value> args) {
                    if (args.empty())
                        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
                    const auto index = static_cast<size_t>(toLong(args[0]) % 4);
                    if (kind == InvokeKind::Put)
                        probe.items[index] = narrowText(toString(args[1]));
                    return vbs::Value::string(widenText(probe.items[index]));
                });
            return members;
        }();
        return table;
    }

    std::optional<MemberId> defaultMember() const override { return binding().find("Value"); }

    std::string Name;
    std::int32_t Value = 42;
    std::string items[4];

private:
    std::string Len(std::string text) { return "probe length of " + text; }
    std::int32_t Twice(std::int32_t n) { return n * 2; }
    std::string Fail() { throw ScriptError(1234, "The probe failed", "Probe host"); }
};

std::string runWith(const std::string& code, std::initializer_list<std::tuple<const char*, std::shared_ptr<Object>, bool>> objects)
{
    ScriptControl host;
    ScriptedDialogs dialogs;
    for (const auto& [name, object, addMembers] : objects)
        host.AddObject(name, object, addMembers);
    return runIn(host, dialogs, code);
}

struct OrderCase {
    const char* name;
    const char* script;
    const char* outcome;
};

class HostObjectOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(HostObjectOrder, FindsNamesInVBScriptsOrder)
{
    const auto first = std::make_shared<Probe>("first");
    const auto second = std::make_shared<Probe>("second");
    EXPECT_EQ(runWith(GetParam().script, {{"One", first, true}, {"Two", second, true}}),
              GetParam().outcome);
}

std::string orderName(const ::testing::TestParamInfo<OrderCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    HostObject, HostObjectOrder,
    ::testing::Values(
        OrderCase{"FirstAddedObjectWins", "MsgBox Name & \" \" & Two.Name", "first second"},
        OrderCase{"BuiltInsComeBeforeMembers", "MsgBox Len(\"abc\") & \" / \" & One.Len(\"abc\")",
                  "3 / probe length of abc"},
        OrderCase{"ScriptVariablesComeFirst", "Dim Name\nName = \"script\"\nMsgBox Name & \" \" & One.Name",
                  "script first"},
        OrderCase{"AssignmentSetsTheMember", "Name = \"renamed\"\nMsgBox One.Name & \" \" & Two.Name",
                  "renamed second"},
        OrderCase{"UndeclaredNamesInProceduresFindMembers",
                  "Sub S\nName = \"set in S\"\nMsgBox Name\nEnd Sub\nS\nMsgBox One.Name", "set in S|set in S"},
        OrderCase{"DeclaredLocalsShadowMembers", "Sub S\nDim Name\nName = \"local\"\nMsgBox Name\nEnd Sub\nS\nMsgBox Name",
                  "local|first"},
        OrderCase{"MethodsNeedTheirArguments", "MsgBox Twice",
                  " !Error Wrong number of arguments or invalid property assignment line: 1 column: 1"}),
    orderName);

TEST(HostObject, ObjectsAddedWithoutTheirMembersAreReachedOnlyByName)
{
    EXPECT_EQ(runWith("MsgBox Hidden.Name & \"[\" & Name & \"]\"", {{"Hidden", std::make_shared<Probe>("hidden"), false}}),
              "hidden[]");
}

TEST(HostObject, NamedObjectsShadowBuiltInsOfTheirName)
{
    EXPECT_EQ(runWith("MsgBox TypeName(Len) & \" \" & Len.Name", {{"Len", std::make_shared<Probe>("len"), false}}),
              "Probe len");
}

TEST(HostObject, DefaultMemberGivesTheObjectsValue)
{
    const auto probe = std::make_shared<Probe>();
    EXPECT_EQ(runWith("x = One\nMsgBox x + 1 & \" \" & TypeName(x)\nOne.Value = 7\nMsgBox One * 2", {{"One", probe, false}}),
              "43 Long|14");
}

TEST(HostObject, IndexedMembersTakeTheirIndexBeforeTheValue)
{
    const auto probe = std::make_shared<Probe>();
    EXPECT_EQ(runWith("One.Item(1) = \"a\"\nItem(2) = \"b\"\nMsgBox One.Item(1) & Item(2) & Item(6)", {{"One", probe, true}}),
              "abb");
}

TEST(HostObject, ArgumentsAreConvertedAsTheMethodDeclares)
{
    const auto probe = std::make_shared<Probe>();
    EXPECT_EQ(runWith("MsgBox Twice(2.5) & \" \" & Twice(3.5) & \" \" & Twice(\"4\")\nOn Error Resume Next\n"
                      "x = Twice(\"many\")\nMsgBox Err.Number\nErr.Clear\nx = Twice(3000000000)\nMsgBox Err.Number",
                      {{"One", probe, true}}),
              "4 8 8|13|6");
}

TEST(HostObject, HostErrorsKeepTheirNumberTextAndSource)
{
    const auto probe = std::make_shared<Probe>();
    EXPECT_EQ(runWith("On Error Resume Next\nOne.Fail\nMsgBox Err.Number & \" \" & Err.Description & \" / \" & Err.Source",
                      {{"One", probe, true}}),
              "1234 The probe failed / Probe host");
    ScriptControl host;
    host.AddObject("One", probe, true);
    EXPECT_FALSE(host.AddCode("x = 1\n  Fail"));
    EXPECT_EQ(host.Error().Number, 1234);
    EXPECT_EQ(host.Error().Description, "The probe failed");
    EXPECT_EQ(host.Error().Source, "Probe host");
    EXPECT_EQ(host.Error().Line, 2);
    EXPECT_EQ(host.Error().Column, 3);
}

TEST(HostObject, WithReachesTheInnermostObject)
{
    EXPECT_EQ(runWith("With One\nMsgBox .Name\nWith Two\nMsgBox .Name\n.Name = \"changed\"\nEnd With\nMsgBox .Name\nEnd With\n"
                      "MsgBox Two.Name",
                      {{"One", std::make_shared<Probe>("first"), false}, {"Two", std::make_shared<Probe>("second"), false}}),
              "first|second|first|changed");
}

// A member is looked up once per class: a loop over two units of one class reads each one's own.
TEST(HostObject, MembersOfOneClassServeEveryObjectOfIt)
{
    auto a = std::make_shared<Probe>("1");
    auto b = std::make_shared<Probe>("2");
    EXPECT_EQ(runWith("For Each u In Array(A, B, A)\ns = s & u.Name\nNext\nMsgBox s", {{"A", a, false}, {"B", b, false}}),
              "121");
}

TEST(HostObject, SetStoresTheObjectItselfAndIsComparesIdentity)
{
    const auto probe = std::make_shared<Probe>();
    EXPECT_EQ(runWith("Set p = One\nSet q = One\np.Name = \"via p\"\nMsgBox q.Name & \" \" & (p Is q) & \" \" & (p Is Nothing)",
                      {{"One", probe, false}}),
              "via p True False");
}

} // namespace
} // namespace kestrelon::vbs::testing
