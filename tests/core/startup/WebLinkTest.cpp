#include "core/startup/WebLink.h"

#include "support/TestText.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvaron {
namespace {

using test::ansi;

struct AddressCase {
    std::string text; // Windows-1252
    bool openable;
};

TEST(WebLink, OnlyHttpAndHttpsAddressesWithAHostAndNoControlCharacterAreOpened) {
    const AddressCase cases[] = {
        {"https://kelvaron.example", true},
        {"http://kelvaron.example/", true},
        {"HTTPS://Kelvaron.Example/Hilfe?seite=1#start", true},
        {"hTtP://kelvaron.example", true},
        {ansi("https://kelvaron.example/Über"), true},
        {"https://user@kelvaron.example:8443/", true},
        {"", false},
        {"kelvaron.example", false},
        {"www.kelvaron.example", false},
        {"https:", false},
        {"https://", false},
        {"https:///etc/passwd", false},
        {"https://?q", false},
        {"https://#top", false},
        {"http:kelvaron.example", false},
        {" https://kelvaron.example", false},
        {"httpx://kelvaron.example", false},
        {"ftp://kelvaron.example", false},
        {"file:///etc/passwd", false},
        {"file://C:/Windows/System32/cmd.exe", false},
        {"C:\\Windows\\System32\\cmd.exe", false},
        {"mailto:info@kelvaron.example", false},
        {"javascript:alert(1)", false},
        {"https://kelvaron.example\n", false},
        {"https://kelvaron.example\tx", false},
        {"https://kelvaron.example\x7F", false},
        {"https://kelvaron.example\x81", false},
        {"https://kelvaron.example\x9D", false},
        {std::string("https://kelvaron.example\0.evil", 30), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOpenableWebAddress(c.text), c.openable) << c.text;
}

} // namespace
} // namespace kelvaron
