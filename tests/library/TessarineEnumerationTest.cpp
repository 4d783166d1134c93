#include "TessarineTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {

class TessarineEnumeration : public TessarineFixture
{
protected:
    template <class Port>
    void Make(std::vector<std::unique_ptr<Port>>& ports, std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ports.push_back(std::make_unique<Port>(name));
    }

    std::vector<std::unique_ptr<CTessarineVirtualOutPort>> m_outs;
    std::vector<std::unique_ptr<CTessarineVirtualInPort>> m_ins;
};

TEST_F(TessarineEnumeration, counts_and_names_follow_registration_per_direction)
{
    Make(m_outs, {"Synth A", "ZELVO USB MIDI Out"});
    Make(m_ins, {"ZELVO USB MIDI In"});

    EXPECT_EQ(tsrMidiOutGetNumDevs(), 2u);
    EXPECT_EQ(tsrMidiInGetNumDevs(), 1u);
    EXPECT_STREQ(tsrMidiOutGetDevName(1), L"ZELVO USB MIDI Out");
    EXPECT_STREQ(tsrMidiInGetDevName(0), L"ZELVO USB MIDI In");
    EXPECT_EQ(tsrMidiOutGetDevManufacturerID(0), 0);
    EXPECT_EQ(tsrMidiOutGetDevDriverVer(0), 0u);
}

TEST_F(TessarineEnumeration, name_points_into_one_record_that_the_next_query_overwrites)
{
    Make(m_outs, {"First", "Second"});
    const wchar_t* name = tsrMidiOutGetDevName(0);
    EXPECT_STREQ(name, L"First");
    tsrMidiOutGetDevName(1);
    EXPECT_STREQ(name, L"Second");
    // The input record is a different one.
    Make(m_ins, {"Input"});
    tsrMidiInGetDevName(0);
    EXPECT_STREQ(name, L"Second");
}

TEST_F(TessarineEnumeration, a_port_that_does_not_exist_reads_as_an_empty_name)
{
    Make(m_outs, {"Only"});
    const wchar_t* name = tsrMidiOutGetDevName(0);
    EXPECT_STREQ(tsrMidiOutGetDevName(7), L"");
    EXPECT_STREQ(name, L"");
}

TEST_F(TessarineEnumeration, names_are_cut_to_31_characters_and_decoded_from_utf8)
{
    Make(m_outs, {"0123456789012345678901234567890123456789", "Klavier \xC3\xBC \xE3\x83\x94\xE3\x82\xA2\xE3\x83\x8E"});
    EXPECT_EQ(std::wstring(tsrMidiOutGetDevName(0)), L"0123456789012345678901234567890");
    EXPECT_EQ(std::wstring(tsrMidiOutGetDevName(1)), L"Klavier \u00FC \u30D4\u30A2\u30CE");
}

struct FindCase
{
    const char* title;
    std::vector<const char*> ports;
    const wchar_t* fragment;
    int count;
    int first;
    int second;
};

void PrintTo(const FindCase& c, std::ostream* os)
{
    *os << c.title;
}

class TessarineFind : public TessarineEnumeration, public ::testing::WithParamInterface<FindCase>
{
};

TEST_P(TessarineFind, finds_the_first_two_matches_and_writes_only_those)
{
    const FindCase& c = GetParam();
    for (const char* name : c.ports) {
        m_outs.push_back(std::make_unique<CTessarineVirtualOutPort>(name));
        m_ins.push_back(std::make_unique<CTessarineVirtualInPort>(name));
    }
    for (const bool output : {true, false}) {
        SCOPED_TRACE(output ? "output" : "input");
        std::int32_t first = -7;
        std::int32_t second = -7;
        const std::int32_t count = output ? tsrMidiOutFindDevs(c.fragment, &first, &second)
                                          : tsrMidiInFindDevs(c.fragment, &first, &second);
        EXPECT_EQ(count, c.count);
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(second, c.second);
        const std::int32_t one = output ? tsrMidiOutFindDev(c.fragment) : tsrMidiInFindDev(c.fragment);
        EXPECT_EQ(one, c.count > 0 ? c.first : -1);
    }
}

// -7 marks an out-argument that must stay unwritten.
INSTANTIATE_TEST_SUITE_P(
    Cases, TessarineFind,
    ::testing::Values(
        FindCase{"three_matching_ports", {"Synth", "USB-MIDI 1", "USB-MIDI 2", "USB-MIDI 3"}, L"USB-MIDI", 2, 1, 2},
        FindCase{"one_match", {"Synth", "ZELVO USB MIDI"}, L"ZELVO USB MIDI", 1, 1, -7},
        FindCase{"no_match", {"Synth", "Other"}, L"USB-MIDI", 0, -7, -7},
        FindCase{"null_fragment", {"USB-MIDI"}, nullptr, 0, -7, -7},
        FindCase{"no_ports", {}, L"USB-MIDI", 0, -7, -7},
        FindCase{"case_differs", {"usb-midi", "USB-midi"}, L"USB-MIDI", 0, -7, -7},
        FindCase{"blank_for_hyphen", {"USB MIDI"}, L"USB-MIDI", 0, -7, -7},
        FindCase{"inside_a_longer_name", {"ZELVO USB-MIDI Port 2"}, L"USB-MIDI", 1, 0, -7}),
    [](const auto& param) { return std::string(param.param.title); });

TEST_F(TessarineEnumeration, find_devs_accepts_missing_out_arguments)
{
    Make(m_outs, {"USB-MIDI a", "USB-MIDI b"});
    EXPECT_EQ(tsrMidiOutFindDevs(L"USB-MIDI", nullptr, nullptr), 2);
}

TEST_F(TessarineEnumeration, unplugged_ports_leave_the_list_and_come_back_at_its_end)
{
    Make(m_outs, {"A", "B", "C"});
    m_outs[0]->Unplug();
    EXPECT_EQ(tsrMidiOutGetNumDevs(), 2u);
    EXPECT_EQ(tsrMidiOutFindDev(L"A"), -1);
    m_outs[0]->Plug();
    EXPECT_EQ(tsrMidiOutFindDev(L"A"), 2);
    m_outs.erase(m_outs.begin() + 1);
    EXPECT_EQ(tsrMidiOutGetNumDevs(), 2u);
}

TEST(TessarineErrors, names_and_exception_text_come_from_the_table)
{
    EXPECT_STREQ(tsrGetErrorName(TESSARINEERR_NO_ERROR), L"TESSARINEERR_NO_ERROR");
    EXPECT_STREQ(tsrGetErrorName(TESSARINEERR_MIDI_OUT_OPEN), L"TESSARINEERR_MIDI_OUT_OPEN");
    EXPECT_STREQ(tsrGetErrorName(TESSARINEERR_MIDI_IN_STOP), L"TESSARINEERR_MIDI_IN_STOP");
    EXPECT_STREQ(tsrGetErrorName(23), L"");
    EXPECT_STREQ(tsrGetErrorName(-1), L"");

    const CTessarineException e(TESSARINEERR_MIDI_IN_OPEN);
    const CTessarineException copy = e;
    EXPECT_EQ(copy.GetCode(), 17);
    EXPECT_EQ(copy.GetMessage(), L"CTessarineException: TESSARINEERR_MIDI_IN_OPEN\n");
    EXPECT_EQ(&copy.GetMessage(), &e.GetMessage());
}

} // namespace
