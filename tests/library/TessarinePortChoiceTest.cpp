#include "Tessarine.h"

#include <gtest/gtest.h>

// CTest runs this with TESSARINE_PORTS=virtual and nothing chosen by a call before.
TEST(TessarinePortChoice, environment_variable_chooses_the_layer_until_a_call_does)
{
    const char* value = std::getenv("TESSARINE_PORTS");
    if (!value || std::string(value) != "virtual")
        GTEST_SKIP() << "run through CTest, which sets TESSARINE_PORTS=virtual";
    EXPECT_EQ(tsrGetPortLayer(), TESSARINE_PORTS_VIRTUAL);
    EXPECT_STREQ(tsrGetPortLayerName(), "virtual");
    EXPECT_EQ(tsrSetPortLayer(TESSARINE_PORTS_NONE), 1);
    EXPECT_EQ(tsrGetPortLayer(), TESSARINE_PORTS_NONE);
}
