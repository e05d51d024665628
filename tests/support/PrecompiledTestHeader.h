// Compiled once for every GoogleTest suite (see kestrelon_test_suite): the test framework, the
// standard headers the tests use most, and the engine headers most suites include.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vbscript/ScriptControl.h"
#include "vbscript/values/Value.h"
