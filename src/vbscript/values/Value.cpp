// The boxes behind texts, arrays and objects, and copy-on-write access to an array, which
// makes arrays behave as values (an assignment copies) while a copy costs nothing until it
// is written.
#include "vbscript/values/Value.h"

#include "vbscript/values/Array.h"

namespace kestrelon::vbs {

struct Value::TextBox : Box {
    explicit TextBox(Text s) : text(std::move(s)) {}
    HeldText text;
};

const std::shared_ptr<Object> Value::s_nothing;

void HeldText::append(TextView tail)
{
    const std::size_t heapBefore = heapBytesOf(m_text);
    const std::size_t sizeBefore = m_text.size();
    m_text.append(tail);
    const std::size_t heapAfter = heapBytesOf(m_text);
    if (heapAfter <= heapBefore)
        return;
    try {
        holdMemory(heapAfter - heapBefore);
    } catch (...) {
        m_text.resize(sizeBefore);
        m_text.shrink_to_fit();
        // The text is back to its old length in a buffer no larger than before, which is
        // counted afresh.
        const std::size_t heapNow = heapBytesOf(m_text);
        assert(heapNow <= heapBefore);
        releaseMemory(heapBefore - heapNow);
        throw;
    }
}

void Value::appendToOwnText(TextView tail)
{
    assert(ownsText());
    static_cast<TextBox*>(m_data.box)->text.append(tail);
}

Value Value::string(Text s)
{
    Value v(VarType::String);
    v.holdBox(new TextBox(std::move(s)));
    return v;
}

Value Value::object(std::shared_ptr<Object> o)
{
    Value v(VarType::Object);
    if (o)
        v.holdBox(new ObjectBox(std::move(o)));
    return v;
}

Value Value::array(std::shared_ptr<Array> a)
{
    Value v(VarType::Array);
    v.holdBox(new ArrayBox(std::move(a)));
    return v;
}

const Text& Value::asString() const
{
    assert(isString());
    return static_cast<const TextBox*>(m_data.box)->text.str();
}


// The array is copied when another value shares this one's box, or when someone outside the
// values (a lock on an array passed by reference) holds it too.
Array& Value::mutableArray()
{
    assert(isArray() && m_data.box);
    auto* box = static_cast<ArrayBox*>(m_data.box);
    assert(box->array && "an array value always holds an array");
    if (box->users > 1) {
        auto* own = new ArrayBox(std::make_shared<Array>(*box->array));
        --box->users;
        m_data.box = own;
        return *own->array;
    }
    if (box->array.use_count() > 1)
        box->array = std::make_shared<Array>(*box->array);
    return *box->array;
}

void Value::destroyBox() noexcept
{
    switch (m_type) {
    case VarType::String: delete static_cast<TextBox*>(m_data.box); break;
    case VarType::Object: delete static_cast<ObjectBox*>(m_data.box); break;
    case VarType::Array: delete static_cast<ArrayBox*>(m_data.box); break;
    default: assert(false && "only texts, arrays and objects are boxed");
    }
    holdBox(nullptr);
}

} // namespace kestrelon::vbs
