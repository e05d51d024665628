// Frame slots from one stack: fresh slots on every take, slots that stay where they are while
// deeper frames come and go (ByRef arguments point into them), frames larger than a chunk, and
// what the slots held let go when they are given back.
#include "vbscript/exec/SlotStack.h"

#include "vbscript/values/HeldMemory.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrelon::vbs {
namespace {

TEST(SlotStack, DeepFramesAcrossChunksKeepTheirPlaceAndComeBackFresh)
{
    SlotStack stack;
    std::vector<std::span<FrameSlot>> frames;
    const std::size_t sizes[] = {3, 4000, 200, 5000, 1, 9000, 70};
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < std::size(sizes); ++i) {
            frames.push_back(stack.take(sizes[i]));
            for (FrameSlot& slot : frames.back()) {
                ASSERT_TRUE(slot.own.isEmpty());
                ASSERT_EQ(slot.value, &slot.own);
                ASSERT_FALSE(slot.live);
                slot.own = Value::longValue(static_cast<std::int32_t>(i));
                slot.live = true;
            }
        }
        for (std::size_t i = 0; i < frames.size(); ++i) {
            for (const FrameSlot& slot : frames[i])
                ASSERT_EQ(slot.own.asLong(), static_cast<std::int32_t>(i)) << "frame " << i << " was overwritten";
        }
        while (!frames.empty()) {
            stack.give(frames.back());
            frames.pop_back();
        }
    }
}

TEST(SlotStack, GivingBackLetsGoOfTexts)
{
    const std::size_t before = heldMemory();
    SlotStack stack;
    const auto slots = stack.take(2);
    slots[0].own = Value::string(Text(100000, u'x'));
    EXPECT_GT(heldMemory(), before);
    stack.give(slots);
    EXPECT_EQ(heldMemory(), before);
}

} // namespace
} // namespace kestrelon::vbs
