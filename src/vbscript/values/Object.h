// Objects a script can hold: host objects (Game, ThisGuy), the Err object, and later script
// classes. Members are found by name without regard to case and invoked through one call, as
// a dispatch interface does.
#pragma once

#include "vbscript/values/ScriptError.h"
#include "vbscript/values/Value.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::vbs {

// How a member is used: read as a value (a property, or a method whose result is wanted),
// called as a statement (result not wanted), or assigned (the new value is the last argument).
enum class InvokeKind { Get, Call, Put };

using MemberId = int;

class ClassInstance;

class Object {
public:
    virtual ~Object() = default;

    // The name TypeName shows.
    virtual std::string typeName() const { return "Object"; }

    // The member of that name (any letter case), or nullopt.
    virtual std::optional<MemberId> findMember(std::string_view name) const = 0;

    // Invokes a member found by findMember. Raises ScriptError: 450 for a wrong number of
    // arguments, 438 for a use the member does not support, and whatever the member raises.
    virtual Value invoke(MemberId member, InvokeKind kind, std::span<const Value> args) = 0;

    // The object's default member, used when the object itself is read as a value or called
    // with arguments; nullopt when it has none.
    virtual std::optional<MemberId> defaultMember() const { return std::nullopt; }

    // The default member, raising "Object doesn't support this property or method" (438) for
    // an object that has none.
    MemberId requireDefaultMember() const
    {
        if (const auto member = defaultMember())
            return *member;
        throw ScriptError::runtime(ErrorCode::MemberNotSupported);
    }

    // A text member that "x.m = x.m & tail" may grow in place (TextAppend.h); nullptr when the
    // member is not such a text. The object calls PendingAppend::noteWrite before any other
    // change to that text while a script runs.
    virtual std::string* appendableText(MemberId member)
    {
        (void)member;
        return nullptr;
    }

    // Lets go of every value the object holds. A reset does this to the objects scripts made, so
    // objects that hold each other (a dictionary holding itself) are freed too.
    virtual void releaseContents() {}

    // The script class instance this object is, or nullptr for any other object.
    virtual ClassInstance* scriptInstance() { return nullptr; }

    // What For Each walks: a snapshot of the collection's elements in order, so a script that
    // changes the collection inside the loop walks what it held when the loop began; nullopt
    // for an object that is no collection ("Object not a collection", 451).
    virtual std::optional<std::vector<Value>> elements() const { return std::nullopt; }

    // Objects that answer the same non-null table resolve every name to the same member, so
    // a member found on one of them holds for all of them (the interpreter remembers it).
    virtual const void* memberTable() const { return nullptr; }
};

} // namespace kestrelon::vbs
