// The script engine's Variant: one value of any VBScript subtype. Type tests and unchecked
// extractors live here; conversions that can fail (and raise "Type mismatch") live apart in
// Coercion.h, so text never quietly turns into 0. Texts hold UTF-16 code units (Text.h) and
// count what they hold (HeldMemory.h).
#pragma once

#include "vbscript/values/HeldMemory.h"
#include "vbscript/values/Text.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace kestrelon::vbs {

class Object;
class Array;

// The longest text a script may build, in code units; anything longer raises "Out of memory" (7), so a
// runaway loop of concatenations stops with an error instead of exhausting the machine.
inline constexpr size_t MaxStringLength = size_t{1} << 26;

// The text of a String value. Shared texts never change; a text only one value holds may grow
// by append, which counts the heap bytes it takes on, so the bytes it gives back at the end
// are always the ones counted.
class HeldText {
public:
    explicit HeldText(Text text) : m_text(std::move(text)) { hold(); }
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

    const Text& str() const { return m_text; }

    // Grows the text in place, counting the heap bytes it takes on; raises "Out of memory" (7),
    // leaving the text as it was, when that would pass the budget.
    void append(TextView tail);

private:
    void hold()
    {
        if (const std::size_t bytes = heapBytesOf(m_text))
            holdMemory(bytes);
    }

    Text m_text;
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

// A Value is 16 bytes: the subtype and either the number itself or one pointer to a shared,
// reference-counted box holding a text, an array or an object. Copying a value copies the
// number or counts one more user of the box; a text is shared by every copy until the script
// makes a new one, so reading a variable never copies its characters.
class Value {
public:
    Value() { m_data.whole = 0; } // Empty
    Value(const Value& other) : m_type(other.m_type), m_boxed(other.m_boxed), m_data(other.m_data) { retain(); }
    Value(Value&& other) noexcept : m_type(other.m_type), m_boxed(other.m_boxed), m_data(other.m_data)
    {
        other.m_type = VarType::Empty;
        other.m_boxed = false;
        other.m_data.whole = 0;
    }
    // A value holding a number takes the other's word directly; one holding a box lets go of
    // it only after taking the other, which may live inside that box (an element of its array).
    Value& operator=(const Value& other)
    {
        if (!boxed() && !other.boxed()) {
            m_type = other.m_type;
            m_data = other.m_data;
            return *this;
        }
        Value copy(other);
        swap(copy);
        return *this;
    }
    Value& operator=(Value&& other) noexcept
    {
        if (!boxed() && this != &other) {
            m_type = other.m_type;
            m_boxed = other.m_boxed;
            m_data = other.m_data;
            other.m_type = VarType::Empty;
            other.m_boxed = false;
            other.m_data.whole = 0;
            return *this;
        }
        Value taken(std::move(other));
        swap(taken);
        return *this;
    }
    ~Value() { release(); }

    void swap(Value& other) noexcept
    {
        std::swap(m_type, other.m_type);
        std::swap(m_boxed, other.m_boxed);
        std::swap(m_data, other.m_data);
    }

    static Value null() { return Value(VarType::Null); }
    static Value boolean(bool b) { return holding(VarType::Boolean, &Data::boolean, b); }
    static Value byte(std::uint8_t b) { return holding(VarType::Byte, &Data::byte, b); }
    static Value integer(std::int16_t i) { return holding(VarType::Integer, &Data::integer, i); }
    static Value longValue(std::int32_t l) { return holding(VarType::Long, &Data::whole32, l); }
    static Value single(float f) { return holding(VarType::Single, &Data::single, f); }
    static Value doubleValue(double d) { return holding(VarType::Double, &Data::real, d); }
    // Currency is held as a whole number of ten-thousandths.
    static Value currency(std::int64_t scaled) { return holding(VarType::Currency, &Data::whole, scaled); }
    // Dates are days since 1899-12-30, the fraction being the time of day.
    static Value date(double days) { return holding(VarType::Date, &Data::real, days); }
    static Value string(Text s);
    static Value error(std::int32_t code) { return holding(VarType::Error, &Data::whole32, code); }
    // What a call passes for an argument it leaves out (f(a, , b)): an Error holding the
    // dispatch code for "parameter not found", as the Windows engine passes it.
    static Value missing() { return error(MissingArgumentCode); }
    static constexpr std::int32_t MissingArgumentCode = static_cast<std::int32_t>(0x80020004u);
    // An object reference; a null pointer is Nothing.
    static Value object(std::shared_ptr<Object> o);
    static Value nothing() { return Value(VarType::Object); }
    static Value array(std::shared_ptr<Array> a);

    // Makes the value Empty, letting go of any box it held.
    void clear() noexcept
    {
        release();
        m_type = VarType::Empty;
        m_boxed = false;
        m_data.whole = 0;
    }

    // Overwrite the value with a number held inline, letting go of any box it held: the
    // operators' quick cases write their results where they go without a value in between.
    void setBoolean(bool b) { setInline(VarType::Boolean, &Data::boolean, b); }
    void setInteger(std::int16_t i) { setInline(VarType::Integer, &Data::integer, i); }
    void setLong(std::int32_t l) { setInline(VarType::Long, &Data::whole32, l); }
    void setDouble(double d) { setInline(VarType::Double, &Data::real, d); }

    VarType type() const { return m_type; }

    bool isEmpty() const { return m_type == VarType::Empty; }
    bool isNull() const { return m_type == VarType::Null; }
    bool isString() const { return m_type == VarType::String; }
    bool isObject() const { return m_type == VarType::Object; }
    bool isNothing() const { return isObject() && !m_data.box; }
    bool isArray() const { return m_type == VarType::Array; }
    bool isBoolean() const { return m_type == VarType::Boolean; }
    bool isMissing() const { return m_type == VarType::Error && m_data.whole32 == MissingArgumentCode; }
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
    bool asBoolean() const { return m_data.boolean; }
    std::uint8_t asByte() const { return m_data.byte; }
    std::int16_t asInteger() const { return m_data.integer; }
    std::int32_t asLong() const { return m_data.whole32; } // Long and Error
    float asSingle() const { return m_data.single; }
    double asDouble() const { return m_data.real; } // Double and Date
    std::int64_t asCurrencyScaled() const { return m_data.whole; }
    const Text& asString() const;
    // True when both are the very same text, not merely equal texts.
    bool sharesTextWith(const Value& other) const
    {
        return isString() && other.isString() && m_data.box == other.m_data.box;
    }
    // True for a text no other value shares, which may then grow in place.
    bool ownsText() const { return isString() && m_data.box->users == 1; }
    // Appends to a text this value owns (ownsText); raises "Out of memory" like HeldText::append.
    void appendToOwnText(TextView tail);
    const std::shared_ptr<Object>& asObject() const;
    const std::shared_ptr<Array>& asArray() const;
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
    // What the boxes of texts, arrays and objects share: the number of values using them.
    struct Box {
        int users = 1;
    };
    struct TextBox;
    struct ObjectBox;
    struct ArrayBox;

    explicit Value(VarType type) : m_type(type) { m_data.whole = 0; }

    union Data;
    // The data word of a number held inline, made whole before it is stored: a store of the
    // full word after a narrower one to part of it would make the next read of the word wait
    // for both to reach memory, which costs more than the arithmetic.
    template <typename T>
    static Data inlineData(T Data::*field, T content)
    {
        Data data;
        data.whole = 0;
        data.*field = content;
        return data;
    }
    template <typename T>
    void setInline(VarType type, T Data::*field, T content)
    {
        release();
        m_type = type;
        m_boxed = false;
        m_data = inlineData(field, content);
    }

    // A value of a subtype held inline, in that field of the data.
    template <typename T>
    static Value holding(VarType type, T Data::*field, T content)
    {
        Value v(type);
        v.m_data = inlineData(field, content);
        return v;
    }

    // A text, an array or an object other than Nothing: the value counts as a user of a box.
    bool boxed() const { return m_boxed; }
    void holdBox(Box* box)
    {
        m_data.box = box;
        m_boxed = box != nullptr;
    }
    void retain() const
    {
        if (boxed())
            ++m_data.box->users;
    }
    void release() noexcept
    {
        if (boxed() && --m_data.box->users == 0)
            destroyBox();
    }
    void destroyBox() noexcept;

    static const std::shared_ptr<Object> s_nothing; // what Nothing holds

    VarType m_type = VarType::Empty;
    // Kept beside the subtype (in what would be padding) so that copies and stores of numbers
    // decide with one test that no box is involved.
    bool m_boxed = false;
    union Data {
        bool boolean;
        std::uint8_t byte;
        std::int16_t integer;
        std::int32_t whole32;
        float single;
        double real;
        std::int64_t whole;
        Box* box;
    } m_data;
};

static_assert(sizeof(Value) == 16, "a value is its subtype and one machine word");

// The boxes of objects and arrays, here so that reading them is inline: scripts read the
// objects they hold at nearly every step.
struct Value::ObjectBox : Box {
    explicit ObjectBox(std::shared_ptr<Object> o) : object(std::move(o)) {}
    std::shared_ptr<Object> object;
};

struct Value::ArrayBox : Box {
    explicit ArrayBox(std::shared_ptr<Array> a) : array(std::move(a)) {}
    std::shared_ptr<Array> array;
};

inline const std::shared_ptr<Object>& Value::asObject() const
{
    assert(isObject());
    return m_data.box ? static_cast<const ObjectBox*>(m_data.box)->object : s_nothing;
}

inline const std::shared_ptr<Array>& Value::asArray() const
{
    assert(isArray());
    return static_cast<const ArrayBox*>(m_data.box)->array;
}

} // namespace kestrelon::vbs
