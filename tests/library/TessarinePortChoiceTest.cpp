#include "Tessarine.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The only test of its program: the library has chosen no port layer yet.
TEST(TessarinePortChoice, environment_variable_chooses_the_layer_until_a_call_does)
{
    ::setenv("TESSARINE_PORTS", "virtual", 1);
    EXPECT_EQ(tsrGetPortLayer(), TESSARINE_PORTS_VIRTUAL);
    EXPECT_STREQ(tsrGetPortLayerName(), "virtual");
    EXPECT_EQ(tsrSetPortLayer(TESSARINE_PORTS_NONE), 1);
    EXPECT_EQ(tsrGetPortLayer(), TESSARINE_PORTS_NONE);
    ::setenv("TESSARINE_PORTS", "jack", 1);
    EXPECT_EQ(tsrGetPortLayer(), TESSARINE_PORTS_NONE);
}
