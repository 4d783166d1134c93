#pragma once

#include "JackServer.h"
#include "TessarineTestSupport.h"

// Tests of the library on real JACK ports: one JACK server for the suite, the library on its
// JACK port layer for each test. Skips, with the reason, where JACK cannot start.
class JackLibraryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_server = JackServer::Start(s_whyNot).release(); }

    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override
    {
        if (!s_server)
            GTEST_SKIP() << "no JACK server for real-port tests: " << s_whyNot;
        ASSERT_EQ(tsrSetPortLayer(TESSARINE_PORTS_JACK), 1);
        ASSERT_NE(tsrCreate(), nullptr);
        tsrPreInitialize();
    }

    void TearDown() override
    {
        // Clients go before the server.
        tsrDestroy();
        tsrMidiInEnablePostMessage(0);
        tsrSetPortLayer(TESSARINE_PORTS_NONE);
    }

    static inline JackServer* s_server = nullptr;
    static inline std::string s_whyNot;
    RecordingTarget m_target;
};
