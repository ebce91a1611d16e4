#include "registry.h"

#include <gtest/gtest.h>

#include "fake_registry.h"

namespace quorvel {
namespace {

constexpr const char* kKey = "SOFTWARE\\Example";

struct Stored {
    const char* name;
    std::optional<RegistryData> data;
    KeyValue expected;
};

class GetKeyValueTest : public ::testing::TestWithParam<Stored> {};

TEST_P(GetKeyValueTest, GivesTheTextOfAFoundValue) {
    FakeRegistry registry;
    if (GetParam().data) registry.values[{kKey, "PATH"}] = *GetParam().data;
    const KeyValue value = GetKeyValue(registry, RegistryRoot::LocalMachine, kKey, "PATH");
    EXPECT_EQ(value.found, GetParam().expected.found);
    EXPECT_EQ(value.text, GetParam().expected.text);
}

using Kind = RegistryValueKind;
const std::string kLongest(kKeyValueBufferChars - 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueTest,
    ::testing::Values(
        Stored{"Missing", std::nullopt, {false, ""}},
        Stored{"Terminated",
               RegistryData{Kind::Text, std::string("C:\\tool.exe\0", 12)},
               {true, "C:\\tool.exe"}},
        Stored{"Unterminated", RegistryData{Kind::Text, "C:\\tool.exe"}, {true, "C:\\tool.exe"}},
        Stored{"EmptyText", RegistryData{Kind::Text, std::string(1, '\0')}, {true, ""}},
        Stored{"NoBytes", RegistryData{Kind::Text, ""}, {true, ""}},
        // what follows a zero is not part of the text
        Stored{"ZeroInside",
               RegistryData{Kind::Text, std::string("C:\\a\0junk\0", 10)},
               {true, "C:\\a"}},
        Stored{"FillsTheBuffer", RegistryData{Kind::Text, kLongest + '\0'}, {true, kLongest}},
        Stored{"LongerThanTheBuffer", RegistryData{Kind::Text, kLongest + "yy"}, {false, ""}},
        Stored{"NotText", RegistryData{Kind::Other, std::string("\x01\0\0\0", 4)}, {false, ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetKeyValueTest, LinuxHasNoRegistry) {
    const KeyValue value =
        GetKeyValue(NoRegistry{}, RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft", "PATH");
    EXPECT_FALSE(value.found);
    EXPECT_EQ(value.text, "");
}

}  // namespace
}  // namespace quorvel
