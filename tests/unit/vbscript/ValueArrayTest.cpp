// Script arrays: storage order (first index fastest), bounds checks, ReDim, ReDim Preserve's
// rule that only the last bound may change, Erase of fixed and dynamic arrays, arrays that
// copy on write, and the size limit that raises Out of memory.
#include "BuiltinTestSupport.h"

#include <gtest/gtest.h>

#include <array>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

namespace {

std::int32_t errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ScriptError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(ValueArrayTest, FirstIndexVariesFastest)
{
    Array grid({2, 1}, true);
    ASSERT_EQ(grid.size(), 6u);
    for (std::int32_t y = 0; y <= 1; ++y) {
        for (std::int32_t x = 0; x <= 2; ++x) {
            const std::array<std::int32_t, 2> at{x, y};
            *grid.find(at) = L(x + y * 3);
        }
    }
    for (size_t i = 0; i < grid.size(); ++i)
        EXPECT_EQ(grid.elements()[i].asLong(), static_cast<std::int32_t>(i));
}

TEST(ValueArrayTest, IndicesOutsideTheBoundsFindNothing)
{
    Array list({3}, false);
    const std::vector<std::vector<std::int32_t>> outside = {{4}, {-1}, {0, 0}, {}};
    for (const auto& indices : outside)
        EXPECT_EQ(list.find(indices), nullptr);
    EXPECT_NE(list.find(std::vector<std::int32_t>{3}), nullptr);
    EXPECT_EQ(Array().find(std::vector<std::int32_t>{0}), nullptr);
}

TEST(ValueArrayTest, ReDimMakesEveryElementEmpty)
{
    Array list({1}, false);
    list.elements()[0] = I(5);
    list.redim({-1});
    EXPECT_TRUE(list.allocated());
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.upperBound(0), -1);
    list.redim({2});
    EXPECT_TRUE(list.elements()[0].isEmpty());
}

TEST(ValueArrayTest, ReDimPreserveChangesOnlyTheLastBound)
{
    Array grid({1, 1}, false);
    grid.elements()[3] = I(7); // (1, 1)
    EXPECT_TRUE(grid.redimPreserve({1, 3}));
    const std::array<std::int32_t, 2> at{1, 1};
    EXPECT_EQ(grid.find(at)->asInteger(), 7);
    EXPECT_EQ(grid.size(), 8u);
    EXPECT_FALSE(grid.redimPreserve({2, 3}));
    EXPECT_FALSE(grid.redimPreserve({1}));
    Array fresh;
    EXPECT_TRUE(fresh.redimPreserve({4, 4}));
    EXPECT_EQ(fresh.size(), 25u);
}

TEST(ValueArrayTest, EraseEmptiesFixedArraysAndFreesDynamicOnes)
{
    Array fixedList({2}, true);
    fixedList.elements()[1] = I(1);
    fixedList.erase();
    EXPECT_TRUE(fixedList.allocated());
    EXPECT_EQ(fixedList.size(), 3u);
    EXPECT_TRUE(fixedList.elements()[1].isEmpty());
    Array dynamicList({2}, false);
    dynamicList.erase();
    EXPECT_FALSE(dynamicList.allocated());
    EXPECT_EQ(dynamicList.dimensions(), 0);
}

TEST(ValueArrayTest, BadSizesRaiseScriptErrors)
{
    EXPECT_EQ(errorOf([] { Array({-2}, false); }), 9);
    EXPECT_EQ(errorOf([] { Array({2000000000}, false); }), 7);
    EXPECT_EQ(errorOf([] { Array({65535, 65535}, false); }), 7);
    EXPECT_EQ(errorOf([] { Array({2147483647, 2147483647, 2147483647}, false); }), 7);
    EXPECT_EQ(errorOf([] { Array({-1, 2000000000}, false); }), 0);
    Array list({1}, false);
    EXPECT_EQ(errorOf([&] { list.redimPreserve({2000000000}); }), 7);
    EXPECT_EQ(list.size(), 2u);
}

TEST(ValueArrayTest, ArraysCopyOnWrite)
{
    Value original = A({I(1), I(2)});
    Value copy = original;
    copy.mutableArray().elements()[0] = I(9);
    EXPECT_EQ(original.asArray()->elements()[0].asInteger(), 1);
    EXPECT_EQ(copy.asArray()->elements()[0].asInteger(), 9);
    const Array* before = copy.asArray().get();
    copy.mutableArray().elements()[1] = I(8);
    EXPECT_EQ(copy.asArray().get(), before); // no second copy once it is its own
}
