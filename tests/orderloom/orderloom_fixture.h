#pragma once

#include <gtest/gtest.h>

#include "orderloom_rig.h"

namespace qvl::orderloom::testing {

class OrderloomTest : public ::testing::Test, public OrderloomRig {};

}  // namespace qvl::orderloom::testing
