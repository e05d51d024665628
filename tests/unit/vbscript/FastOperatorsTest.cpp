// The operators' inline cases against the full rules: for every operator and pairs of Integer,
// Long and Double operands around the edges where results change subtype, the inline case
// either declines or gives the very subtype and value the full rules give.
#include "vbscript/operators/FastOperators.h"

#include "vbscript/values/ScriptError.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kestrelon::vbs {
namespace {

std::vector<Value> operands()
{
    std::vector<Value> values;
    for (std::int16_t i : {std::int16_t{0}, std::int16_t{1}, std::int16_t{-1}, std::int16_t{7}, std::int16_t{-7},
                           std::int16_t{181}, std::int16_t{182}, std::int16_t{32767}, std::int16_t{-32768}})
        values.push_back(Value::integer(i));
    for (std::int32_t l : {0, 1, -1, 3, 7, -7, 32768, -32769, 46341, 65536, std::numeric_limits<std::int32_t>::max(),
                           std::numeric_limits<std::int32_t>::min()})
        values.push_back(Value::longValue(l));
    for (double d : {0.0, -0.0, 0.5, -2.5, 1e308, -1e308, 3.0, 1e-310, 7.25})
        values.push_back(Value::doubleValue(d));
    return values;
}

struct Outcome {
    bool raised = false;
    std::int32_t error = 0;
    VarType type = VarType::Empty;
    double number = 0;
    bool boolean = false;
};

Outcome outcomeOf(const Value& v)
{
    Outcome o;
    o.type = v.type();
    switch (v.type()) {
    case VarType::Boolean: o.boolean = v.asBoolean(); break;
    case VarType::Integer: o.number = v.asInteger(); break;
    case VarType::Long: o.number = v.asLong(); break;
    case VarType::Double: o.number = v.asDouble(); break;
    default: break;
    }
    return o;
}

Outcome fullRules(BinaryOp op, const Value& l, const Value& r)
{
    try {
        return outcomeOf(applyBinary(op, l, r, {}, {}));
    } catch (const ScriptError& error) {
        Outcome o;
        o.raised = true;
        o.error = error.number();
        return o;
    }
}

TEST(FastOperators, GiveWhatTheFullRulesGiveOrDecline)
{
    const BinaryOp ops[] = {BinaryOp::Add,       BinaryOp::Subtract, BinaryOp::Multiply,  BinaryOp::Divide,
                            BinaryOp::IntegerDivide, BinaryOp::Modulo, BinaryOp::Equal,   BinaryOp::NotEqual,
                            BinaryOp::Less,      BinaryOp::Greater,  BinaryOp::LessEqual, BinaryOp::GreaterEqual,
                            BinaryOp::Power,     BinaryOp::And,      BinaryOp::Concatenate};
    int handled = 0;
    for (const BinaryOp op : ops) {
        for (const Value& l : operands()) {
            for (const Value& r : operands()) {
                Value result;
                if (!fast::tryBinary(op, l, r, result))
                    continue;
                ++handled;
                const Outcome expected = fullRules(op, l, r);
                const Outcome got = outcomeOf(result);
                SCOPED_TRACE(::testing::Message() << "op " << static_cast<int>(op) << " types "
                                                  << static_cast<int>(l.type()) << "/" << static_cast<int>(r.type()));
                ASSERT_FALSE(expected.raised) << "the full rules raise " << expected.error;
                EXPECT_EQ(got.type, expected.type);
                EXPECT_EQ(got.boolean, expected.boolean);
                if (expected.number != expected.number)
                    EXPECT_NE(got.number, got.number);
                else
                    EXPECT_EQ(got.number, expected.number);
                EXPECT_EQ(std::signbit(got.number), std::signbit(expected.number));
            }
        }
    }
    EXPECT_GT(handled, 5000); // the common cases are really taken inline
}

TEST(FastOperators, DeclineOtherSubtypes)
{
    Value result;
    EXPECT_FALSE(fast::tryBinary(BinaryOp::Add, Value::byte(1), Value::integer(1), result));
    EXPECT_FALSE(fast::tryBinary(BinaryOp::Add, Value::boolean(true), Value::longValue(1), result));
    EXPECT_FALSE(fast::tryBinary(BinaryOp::Add, Value::single(1), Value::doubleValue(1), result));
    EXPECT_FALSE(fast::tryBinary(BinaryOp::Add, Value::string(u"1"), Value::longValue(1), result));
    EXPECT_FALSE(fast::tryBinary(BinaryOp::Add, Value(), Value::longValue(1), result));
    EXPECT_FALSE(fast::tryBinary(BinaryOp::Add, Value::currency(10000), Value::longValue(1), result));
    EXPECT_FALSE(fast::tryBinary(BinaryOp::Add, Value::date(1), Value::doubleValue(1), result));
}

} // namespace
} // namespace kestrelon::vbs
