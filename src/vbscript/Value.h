// The script engine's Variant: one value of any VBScript subtype. Type tests and unchecked
// extractors live here; conversions that can fail (and raise "Type mismatch") live apart in
// Conversions.h, so text never quietly turns into 0. Texts count what they hold (HeldMemory.h).
#pragma once

#include "vbscript/HeldMemory.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>

namespace kestrelon::vbs {

class Object;
class Array;

// The longest text a script may build; anything longer raises "Out of memory" (7), so a
// runaway loop of concatenations stops with an error instead of exhausting the machine.
inline constexpr size_t MaxStringLength = size_t{1} << 26;

// The text of a String value. It never changes once made, so the heap bytes it counted when it
// was made are the ones it gives back.
class HeldText {
public:
    explicit HeldText(std::string text) : m_text(std::move(text)) { hold(); }
    HeldText(const HeldText& other) : m_text(other.m_text) { hold(); }
    HeldText(HeldText&& other) noexcept : m_text(std::move(other.m_text))
    {
        assert(heapBytesOf(other.m_text) == 0 && "a moved-from text holds no heap");
    }
    HeldText& operator=(const HeldText& other)
    {
        HeldText copy(other);
        std::swap(m_text, copy.m_text);
        return *this;
    }
    HeldText& operator=(HeldText&& other) noexcept
    {
        HeldText taken(std::move(other));
        std::swap(m_text, taken.m_text);
        return *this;
    }
    ~HeldText() { releaseMemory(heapBytesOf(m_text)); }

    const std::string& str() const { return m_text; }

private:
    void hold()
    {
        if (const std::size_t bytes = heapBytesOf(m_text))
            holdMemory(bytes);
    }

    std::string m_text;
};

// The subtype numbers VarType reports.
enum class VarType : std::uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    Byte = 17,
    Array = 8204, // vbArray + vbVariant: every array a script makes
};

class Value {
public:
    Value() = default; // Empty

    static Value null() { return Value(VarType::Null, std::monostate{}); }
    static Value boolean(bool b) { return Value(VarType::Boolean, b); }
    static Value byte(std::uint8_t v) { return Value(VarType::Byte, v); }
    static Value integer(std::int16_t v) { return Value(VarType::Integer, v); }
    static Value longValue(std::int32_t v) { return Value(VarType::Long, v); }
    static Value single(float v) { return Value(VarType::Single, v); }
    static Value doubleValue(double v) { return Value(VarType::Double, v); }
    // Currency is held as a whole number of ten-thousandths.
    static Value currency(std::int64_t scaled) { return Value(VarType::Currency, scaled); }
    // Dates are days since 1899-12-30, the fraction being the time of day.
    static Value date(double days) { return Value(VarType::Date, days); }
    static Value string(std::string s) { return Value(VarType::String, HeldText(std::move(s))); }
    static Value error(std::int32_t code) { return Value(VarType::Error, code); }
    // An object reference; a null pointer is Nothing.
    static Value object(std::shared_ptr<Object> o) { return Value(VarType::Object, std::move(o)); }
    static Value nothing() { return object(nullptr); }
    static Value array(std::shared_ptr<Array> a) { return Value(VarType::Array, std::move(a)); }

    VarType type() const { return m_type; }

    bool isEmpty() const { return m_type == VarType::Empty; }
    bool isNull() const { return m_type == VarType::Null; }
    bool isString() const { return m_type == VarType::String; }
    bool isObject() const { return m_type == VarType::Object; }
    bool isNothing() const { return isObject() && !std::get<ObjectRef>(m_data); }
    bool isArray() const { return m_type == VarType::Array; }
    bool isBoolean() const { return m_type == VarType::Boolean; }
    // Byte, Integer, Long (and Boolean, which counts as Integer in arithmetic).
    bool isWholeNumber() const
    {
        return m_type == VarType::Byte || m_type == VarType::Integer || m_type == VarType::Long ||
               m_type == VarType::Boolean;
    }
    // Every subtype that arithmetic takes without parsing text.
    bool isNumber() const
    {
        return isWholeNumber() || m_type == VarType::Single || m_type == VarType::Double ||
               m_type == VarType::Currency || m_type == VarType::Date;
    }

    // Unchecked extractors: the caller has tested the type.
    bool asBoolean() const { return std::get<bool>(m_data); }
    std::uint8_t asByte() const { return std::get<std::uint8_t>(m_data); }
    std::int16_t asInteger() const { return std::get<std::int16_t>(m_data); }
    std::int32_t asLong() const { return std::get<std::int32_t>(m_data); } // Long and Error
    float asSingle() const { return std::get<float>(m_data); }
    double asDouble() const { return std::get<double>(m_data); } // Double and Date
    std::int64_t asCurrencyScaled() const { return std::get<std::int64_t>(m_data); }
    const std::string& asString() const { return std::get<HeldText>(m_data).str(); }
    const std::shared_ptr<Object>& asObject() const { return std::get<ObjectRef>(m_data); }
    const std::shared_ptr<Array>& asArray() const { return std::get<ArrayRef>(m_data); }
    // The array for writing: an array shared with another value is copied first, so arrays
    // behave as values (assignment copies) while copies stay cheap until written.
    Array& mutableArray();

    // The whole-number value of Byte, Integer, Long or Boolean (True = -1).
    std::int32_t wholeNumber() const
    {
        switch (m_type) {
        case VarType::Byte: return asByte();
        case VarType::Integer: return asInteger();
        case VarType::Long: return asLong();
        case VarType::Boolean: return asBoolean() ? -1 : 0;
        default: assert(false && "wholeNumber on a non-whole subtype"); return 0;
        }
    }

private:
    using ObjectRef = std::shared_ptr<Object>;
    using ArrayRef = std::shared_ptr<Array>;
    using Data = std::variant<std::monostate, bool, std::uint8_t, std::int16_t, std::int32_t, float,
                              double, std::int64_t, HeldText, ObjectRef, ArrayRef>;

    template <typename T>
    Value(VarType type, T&& data) : m_type(type), m_data(std::forward<T>(data)) {}

    VarType m_type = VarType::Empty;
    Data m_data;
};

} // namespace kestrelon::vbs
