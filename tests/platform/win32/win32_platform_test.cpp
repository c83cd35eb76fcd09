#include "platform/win32/win32_platform.h"

#include <gtest/gtest.h>

#include <string>

namespace tavorin {
namespace {

const FontSpec dialog_font{u"MS Shell Dlg", 8, 400, false};

TEST(Win32Platform, MeasuresTextInDialogUnitsOfItsFont) {
    Win32Platform platform;
    // An average letter is about four units wide (the base unit is a rounded average, so up to
    // a tenth off) and the font exactly eight units high.
    const TextExtent letters = platform.measure_text(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", dialog_font);
    EXPECT_NEAR(letters.width, 52 * 4, 21);
    EXPECT_EQ(letters.height, 8);

    const TextExtent one = platform.measure_text(u"W", dialog_font);
    const TextExtent four = platform.measure_text(u"WWWW", dialog_font);
    EXPECT_GT(one.width, 0);
    EXPECT_NEAR(four.width, 4 * one.width, 4);

    const TextExtent bold = platform.measure_text(u"WWWW", FontSpec{u"MS Shell Dlg", 8, 700, false});
    EXPECT_GT(bold.width, 0);
    EXPECT_EQ(platform.measure_text(u"", dialog_font).width, 0);
}

TEST(Win32Platform, ConvertsAnsiTextThroughTheSystemCodePage) {
    Win32Platform platform;
    EXPECT_EQ(platform.ansi_to_text("plain text"), u"plain text");
    EXPECT_EQ(platform.text_to_ansi(u"plain text"), "plain text");
    EXPECT_EQ(platform.ansi_to_text(""), u"");
    if (GetACP() != 1252) GTEST_SKIP() << "the rest expects the Western code page";
    EXPECT_EQ(platform.text_to_ansi(u"caf\u00e9 \u20ac"), "caf\xe9 \x80");
    EXPECT_EQ(platform.ansi_to_text("caf\xe9 \x80"), u"caf\u00e9 \u20ac");
    EXPECT_EQ(platform.text_to_ansi(u"\u4e2d"), "?") << "what the code page lacks becomes a question mark";
}

TEST(Win32Platform, NamesLanguagesFromTheLocaleDatabase) {
    Win32Platform platform;
    EXPECT_EQ(platform.language_display_name(0), u"Neutral");
    EXPECT_EQ(platform.language_display_name(0x400), u"Neutral");
    EXPECT_EQ(platform.language_display_name(0x800), u"Neutral");
    const std::u16string english = platform.language_display_name(0x409);
    EXPECT_NE(english.find(u"English"), std::u16string::npos);
    const std::u16string german = platform.language_display_name(0x407);
    EXPECT_FALSE(german.empty());
    EXPECT_NE(german, english);
}

TEST(Win32Platform, KnowsTheExecutableFolderAndTheClock) {
    Win32Platform platform;
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    EXPECT_EQ(platform.executable_folder(), std::filesystem::path(module).parent_path());
    EXPECT_EQ(executable_path(), std::filesystem::path(module));

    const LocalTime now = platform.local_time();
    EXPECT_GE(now.hour, 0);
    EXPECT_LT(now.hour, 24);
    EXPECT_LT(now.minute, 60);
    EXPECT_LT(now.second, 60);
}

TEST(Win32Platform, StatusTextsGoToTheSinkOnceOneListens) {
    Win32Platform platform;
    platform.show_status(u"dropped");
    std::u16string shown;
    platform.set_status_sink([&](std::u16string_view text) { shown = text; });
    platform.show_status(u"Save finished");
    EXPECT_EQ(shown, u"Save finished");
}

TEST(Win32Platform, MessageBoxFlagsFollowTheQuestion) {
    EXPECT_EQ(message_box_flags(AskButtons::yes_no, AskIcon::question), static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(message_box_flags(AskButtons::retry_cancel, AskIcon::error),
              static_cast<UINT>(MB_RETRYCANCEL | MB_ICONERROR));
    EXPECT_EQ(message_box_flags(AskButtons::yes_no_cancel, AskIcon::warning),
              static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING));
    EXPECT_EQ(message_box_flags(AskButtons::ok, AskIcon::information), static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(message_box_flags(AskButtons::ok_cancel, AskIcon::none), static_cast<UINT>(MB_OKCANCEL));
}

// A timer answers the message box the way a user would, and notes who owned it.
struct BoxVisit {
    HWND owner = nullptr;
    bool found = false;
};
BoxVisit box_visit;

void CALLBACK answer_no(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Tavorin test");
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    box_visit.found = true;
    box_visit.owner = GetWindow(box, GW_OWNER);
    PostMessageW(box, WM_COMMAND, IDNO, 0);
}

TEST(Win32Platform, AsksWithAMessageBoxOwnedByTheMainWindowsLastPopup) {
    HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(main, nullptr);
    Win32Platform platform;
    platform.set_main_window(main);
    EXPECT_EQ(message_box_owner(main), main);

    box_visit = BoxVisit{};
    SetTimer(nullptr, 0, 50, answer_no);
    const Answer answer = platform.ask(Question{u"Continue?", u"Tavorin test", AskButtons::yes_no, AskIcon::question});
    EXPECT_TRUE(box_visit.found);
    EXPECT_EQ(box_visit.owner, main);
    EXPECT_EQ(answer, Answer::no);
    DestroyWindow(main);
    EXPECT_EQ(message_box_owner(main), nullptr) << "a destroyed main window owns nothing";
}

}  // namespace
}  // namespace tavorin
