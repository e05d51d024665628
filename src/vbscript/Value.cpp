// The one out-of-line member of Value: copy-on-write access to an array, which makes arrays
// behave as values (an assignment copies) while a copy costs nothing until it is written.
#include "vbscript/Value.h"

#include "vbscript/Array.h"

namespace kestrelon::vbs {

Array& Value::mutableArray()
{
    auto& array = std::get<ArrayRef>(m_data);
    assert(array && "an array value always holds an array");
    if (array.use_count() > 1)
        array = std::make_shared<Array>(*array);
    return *array;
}

} // namespace kestrelon::vbs
