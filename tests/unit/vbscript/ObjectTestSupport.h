// Shared by the tests of the engine's own objects (Dictionary, RegExp): invoking a member by
// its name, and the number of the script error a call raises.
#pragma once

#include "vbscript/values/Object.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

namespace kestrelon::vbs::testing {

inline Value invokeNamed(Object& object, std::string_view member, InvokeKind kind, std::vector<Value> args = {})
{
    const auto id = object.findMember(member);
    EXPECT_TRUE(id.has_value()) << member;
    return object.invoke(*id, kind, args);
}

// The number of the script error the call raises; 0 when it raises none.
inline std::int32_t errorNumberOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const ScriptError& error) {
        return error.number();
    }
    return 0;
}

} // namespace kestrelon::vbs::testing
