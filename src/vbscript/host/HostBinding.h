// Binding C++ classes to scripts with little code: a class lists its properties and methods
// once, in a table, and scripts reach them by name without regard to case. Parameters are
// converted as the host declares them (Long rounds half to even and raises Overflow or Type
// mismatch, Double, String, Boolean, or the Variant itself) and results come back typed. A host
// that declares std::string lives outside the scripts and takes and gives 1252 bytes; one of
// the engine's own objects declares Text and takes the script's units as they are.
#pragma once

#include "platform/Rounding.h"
#include "vbscript/values/Coercion.h"
#include "vbscript/values/Object.h"
#include "vbscript/values/ScriptError.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kestrelon::vbs {

namespace binding {

// Lower-case ASCII form of a member name, the key of the lookup table.
std::string foldName(std::string_view name);

template <typename T>
std::remove_cvref_t<T> fromValue(const Value& value)
{
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, std::int32_t>)
        return toLong(value);
    else if constexpr (std::is_same_v<U, double>)
        return toDouble(value);
    else if constexpr (std::is_same_v<U, std::string>)
        return narrowText(toString(value));
    else if constexpr (std::is_same_v<U, Text>)
        return toString(value);
    else if constexpr (std::is_same_v<U, bool>)
        return toBoolean(value);
    else {
        static_assert(std::is_same_v<U, Value>, "host parameters are Long, Double, String, Text, Boolean or Variant");
        return value;
    }
}

template <typename T>
Value toValue(T&& result)
{
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, std::int32_t>)
        return Value::longValue(result);
    else if constexpr (std::is_same_v<U, double>)
        return Value::doubleValue(result);
    else if constexpr (std::is_same_v<U, std::string>)
        return Value::string(widenText(result));
    else if constexpr (std::is_same_v<U, Text>)
        return Value::string(std::forward<T>(result));
    else if constexpr (std::is_same_v<U, bool>)
        return Value::boolean(result);
    else {
        static_assert(std::is_same_v<U, Value>, "host results are Long, Double, String, Text, Boolean or Variant");
        return std::forward<T>(result);
    }
}

inline void requireArgumentCount(std::span<const Value> args, size_t count)
{
    if (args.size() != count)
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
}

template <typename Host, typename R, typename... Args, size_t... I>
Value callWith(Host& host, R (Host::*fn)(Args...), [[maybe_unused]] std::span<const Value> args,
               std::index_sequence<I...>)
{
    // Arguments are converted left to right before the call, so a bad one raises first.
    std::tuple<std::remove_cvref_t<Args>...> converted{fromValue<Args>(args[I])...};
    if constexpr (std::is_void_v<R>) {
        (host.*fn)(std::get<I>(converted)...);
        return Value();
    } else {
        return toValue((host.*fn)(std::get<I>(converted)...));
    }
}

} // namespace binding

// The member table of one host class.
template <typename Host>
class HostClass {
public:
    using Invoker = std::function<Value(Host&, InvokeKind, std::span<const Value>)>;

    explicit HostClass(std::string typeName) : m_typeName(std::move(typeName)) {}

    const std::string& typeName() const { return m_typeName; }

    // A method of the host class; its parameter and result types select the conversions.
    template <typename R, typename... Args>
    HostClass& method(std::string name, R (Host::*fn)(Args...))
    {
        return add(std::move(name), [fn](Host& host, InvokeKind kind, std::span<const Value> args) {
            if (kind == InvokeKind::Put)
                throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
            binding::requireArgumentCount(args, sizeof...(Args));
            return binding::callWith(host, fn, args, std::index_sequence_for<Args...>{});
        });
    }

    // A property stored in a data member of the host class, read and written by scripts.
    template <typename T>
    HostClass& property(std::string name, T Host::*field)
    {
        return add(std::move(name), [field](Host& host, InvokeKind kind, std::span<const Value> args) {
            if (kind == InvokeKind::Put) {
                binding::requireArgumentCount(args, 1);
                host.*field = binding::fromValue<T>(args[0]);
                return Value();
            }
            binding::requireArgumentCount(args, 0);
            return binding::toValue(T(host.*field));
        });
    }

    // A member with its own invoker, for anything the two forms above do not cover.
    HostClass& add(std::string name, Invoker invoker, std::string Host::*appendable = nullptr)
    {
        m_index.emplace(binding::foldName(name), static_cast<MemberId>(m_members.size()));
        m_members.push_back({std::move(name), std::move(invoker), appendable});
        return *this;
    }

    // The text a member lets scripts grow in place (Object::appendableText); nullptr for others.
    std::string* appendableText(Host& host, MemberId id) const
    {
        if (id < 0 || static_cast<size_t>(id) >= m_members.size())
            return nullptr;
        const auto field = m_members[static_cast<size_t>(id)].appendable;
        return field ? &(host.*field) : nullptr;
    }

    std::optional<MemberId> find(std::string_view name) const
    {
        const auto found = m_index.find(binding::foldName(name));
        if (found == m_index.end())
            return std::nullopt;
        return found->second;
    }

    const std::string& memberName(MemberId id) const { return m_members[static_cast<size_t>(id)].name; }

    Value invoke(Host& host, MemberId id, InvokeKind kind, std::span<const Value> args) const
    {
        if (id < 0 || static_cast<size_t>(id) >= m_members.size())
            throw ScriptError::runtime(ErrorCode::MemberNotSupported);
        try {
            return m_members[static_cast<size_t>(id)].invoker(host, kind, args);
        } catch (const RoundingOverflow&) {
            throw ScriptError::runtime(ErrorCode::Overflow);
        }
    }

private:
    struct Member {
        std::string name;
        Invoker invoker;
        std::string Host::*appendable = nullptr;
    };
    std::string m_typeName;
    std::vector<Member> m_members;
    std::unordered_map<std::string, MemberId> m_index;
};

// Base of a host class: Host derives from HostObject<Host> and provides
// `static const HostClass<Host>& binding();` listing its members.
template <typename Host>
class HostObject : public Object {
public:
    std::string typeName() const override { return Host::binding().typeName(); }

    std::optional<MemberId> findMember(std::string_view name) const override
    {
        return Host::binding().find(name);
    }

    Value invoke(MemberId member, InvokeKind kind, std::span<const Value> args) override
    {
        return Host::binding().invoke(static_cast<Host&>(*this), member, kind, args);
    }

    const void* memberTable() const override { return &Host::binding(); }

    std::string* appendableText(MemberId member) override
    {
        return Host::binding().appendableText(static_cast<Host&>(*this), member);
    }
};

} // namespace kestrelon::vbs
