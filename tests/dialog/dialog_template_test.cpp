// The binary dialog template: the exact bytes written, reading templates with every field the
// reader must handle, and model -> template -> model keeping every field a template carries.

#include "dialog/dialog_template.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "dialog_test_support.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;
using K = ControlKind;

class DialogTemplateTest : public ::testing::Test, public testing::DialogFixture {
protected:
    Bytes encode(const Dialog& d, TemplateContent content = {}) {
        BinaryBuffer out;
        encode_dialog_template(d, out, content);
        return out.take();
    }
    std::unique_ptr<Dialog> decode(const Bytes& bytes) {
        auto decoded = decode_dialog_template(bytes, session.workspace());
        EXPECT_TRUE(decoded) << (decoded ? "" : text_to_utf8(decoded.error()));
        return decoded ? std::move(*decoded) : nullptr;
    }
};

TEST_F(DialogTemplateTest, DialogTemplateBytes) {
    dialog->set_extended(false);
    dialog->set_style(0x80C00040, 0);
    dialog->set_rect(DialogRect{1, 2, 30, 40});
    dialog->set_caption(u"Hi");
    dialog->set_font(DialogFont{9, u"A", 400, 0, 1});
    add(K::button, 0x50010000, u"OK");
    const Bytes expected = {
        0x40, 0x00, 0xC0, 0x80,  // style
        0x00, 0x00, 0x00, 0x00,  // extended style
        0x01, 0x00,  // one control
        0x01, 0x00, 0x02, 0x00, 0x1E, 0x00, 0x28, 0x00,  // x, y, width, height
        0x00, 0x00,  // no menu
        0x00, 0x00,  // no class
        0x48, 0x00, 0x69, 0x00, 0x00, 0x00,  // "Hi"
        0x09, 0x00,  // point size (DS_SETFONT)
        0x41, 0x00, 0x00, 0x00,  // "A"
        0x00, 0x00,  // to a multiple of four
        0x00, 0x00, 0x01, 0x50,  // control style
        0x00, 0x00, 0x00, 0x00,  // extended style
        0x07, 0x00, 0x09, 0x00, 0x32, 0x00, 0x0E, 0x00,  // rectangle
        0xE8, 0x03,  // identifier, 16 bits
        0xFF, 0xFF, 0x80, 0x00,  // Button atom
        0x4F, 0x00, 0x4B, 0x00, 0x00, 0x00,  // "OK"
        0x00, 0x00,  // no creation data
    };
    EXPECT_EQ(encode(*dialog), expected);

    // The designer's test run: no controls and no menu.
    dialog->set_menu(u"MENU1");
    const Bytes bare = encode(*dialog, TemplateContent{false, false});
    Bytes header(expected.begin(), expected.begin() + 34);
    header[8] = 0;  // the control count
    EXPECT_EQ(bare, header);
}

TEST_F(DialogTemplateTest, ReadsExtendedTemplateWithoutFontAndWithCreationData) {
    BinaryBuffer in;
    in.write_u32(0xFFFF0001);  // version 1, signature
    in.write_u32(77);  // help id
    in.write_u32(0x100);  // extended style
    in.write_u32(0x80880000);  // style without DS_SETFONT: no font fields
    in.write_u16(5);  // controls
    for (std::uint16_t v : {10, 20, 200, 100}) in.write_u16(v);
    in.write_ordinal(0x0065);  // menu 101
    in.write_text(u"DlgClass");  // class
    in.write_text(u"Tab\there");  // caption
    // 1: a static by atom with the picture type 0x10, image by ordinal, 4 bytes of creation data.
    in.align_to_4();
    in.write_u32(0);
    in.write_u32(0);
    in.write_u32(0x50000010);
    for (std::uint16_t v : {1, 2, 3, 4}) in.write_u16(v);
    in.write_u32(0xFFFFFFFF);  // identifier -1
    in.write_ordinal(0x0082);
    in.write_ordinal(0x0066);
    in.write_u16(4);
    in.write_u16(0xBEEF);  // the bytes follow the count at once, without alignment
    in.write_u16(0xDEAD);
    // 2: a class longer than 31 characters: a custom control with the class cut.
    in.align_to_4();
    in.write_u32(0);
    in.write_u32(0x4);
    in.write_u32(0x50010000);
    for (std::uint16_t v : {0xFFFE, 2, 3, 4}) in.write_u16(v);
    in.write_u32(1001);
    in.write_text(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    in.write_text(u"");
    in.write_u16(0);
    // 3: a button of type 8, which no kind stands for: left out.
    in.align_to_4();
    in.write_u32(0);
    in.write_u32(0);
    in.write_u32(0x50000008);
    for (std::uint16_t v : {1, 2, 3, 4}) in.write_u16(v);
    in.write_u32(1002);
    in.write_ordinal(0x0080);
    in.write_text(u"user");
    in.write_u16(0);
    // 4: a slider by class name.
    in.align_to_4();
    in.write_u32(0);
    in.write_u32(0);
    in.write_u32(0x50010000);
    for (std::uint16_t v : {1, 2, 3, 4}) in.write_u16(v);
    in.write_u32(1003);
    in.write_text(u"msctls_trackbar32");
    in.write_u16(0);
    in.write_u16(0);
    // 5: a second static with -1, sharing it.
    in.align_to_4();
    in.write_u32(0);
    in.write_u32(0);
    in.write_u32(0x50000000);
    for (std::uint16_t v : {1, 2, 3, 4}) in.write_u16(v);
    in.write_u32(0xFFFFFFFF);
    in.write_ordinal(0x0082);
    in.write_text(u"x");
    in.write_u16(0);

    const auto read = decode(in.take());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->extended());
    EXPECT_EQ(read->style(), 0x80880000u);
    EXPECT_EQ(read->extended_style(), 0x100u);
    EXPECT_EQ(read->rect(), (DialogRect{10, 20, 200, 100}));
    EXPECT_EQ(read->menu(), u"101");
    EXPECT_EQ(read->class_name(), u"DlgClass");
    EXPECT_EQ(read->caption(), u"Tab\\there");
    EXPECT_EQ(read->font(), font_without_statement());

    ASSERT_EQ(read->controls().size(), 4u);
    const Control& picture = *read->controls()[0];
    EXPECT_EQ(picture.kind(), K::picture);
    EXPECT_EQ(picture.identifier(), u"-1");
    EXPECT_EQ(picture.text_ordinal(), 0x66);
    EXPECT_EQ(picture.creation_data(), (std::vector<std::uint8_t>{0xEF, 0xBE, 0xAD, 0xDE}));
    const Control& custom = *read->controls()[1];
    EXPECT_EQ(custom.kind(), K::custom);
    EXPECT_EQ(custom.window_class(), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(custom.rect(), (DialogRect{-2, 2, 3, 4}));
    EXPECT_EQ(custom.extended_style(), 0x4u);
    EXPECT_EQ(custom.identifier(), u"1001");
    EXPECT_EQ(read->controls()[2]->kind(), K::slider);
    EXPECT_EQ(read->controls()[3]->identifier_value(), -1);
}

TEST_F(DialogTemplateTest, DialogTemplateKeepsSixteenBitIdentifiers) {
    dialog->set_extended(false);
    dialog->set_style(0x80C00040, 0);
    add(K::static_text, 0x50020000, u"a", 0, u"IDC_STATIC");
    add(K::edit, 0x50810080, u"", 0, u"40000");
    const auto read = decode(encode(*dialog));
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->extended());
    EXPECT_EQ(read->controls()[0]->identifier(), u"-1");
    EXPECT_EQ(read->controls()[1]->identifier(), u"40000");
    EXPECT_EQ(read->font().weight, 0);
    EXPECT_EQ(read->font().character_set, 1);
}

TEST_F(DialogTemplateTest, RoundTripKeepsEveryTemplateField) {
    for (bool extended : {false, true}) {
        SCOPED_TRACE(extended ? "DIALOGEX" : "DIALOG");
        testing::DialogFixture source;
        Dialog& d = *source.dialog;
        d.set_extended(extended);
        d.set_style(0x90C808CC, 0x20100);
        d.set_rect(DialogRect{-3, 4, 300, 200});
        d.set_caption(u"Caption \\t tab");
        d.set_class_name(u"Cls");
        d.set_menu(u"200");
        d.set_font(DialogFont{10, u"Tahoma", extended ? std::uint16_t{700} : std::uint16_t{0}, extended ? std::uint8_t{1} : std::uint8_t{0}, 1});
        const std::uint32_t styles[] = {0x50010000, 0x50010003, 0x50810080, 0x50200243, 0x50A10103, 0x50000007,
                                        0x50000009, 0x50020000, 0x5000000E, 0x50000001, 0x50010018, 0x50000020,
                                        0x50000000, 0x50010000, 0x50010001, 0x50800000, 0x50000000, 0x50000000,
                                        0x50810080, 0x50010020, 0x50010010, 0x50010000, 0x50010000, 0x50000000};
        for (int number = 1; number <= control_kind_count; ++number) {
            Control& c = source.add(control_kind_of(number), styles[number - 1], u"T" + decimal(number),
                                    number % 3 == 0 ? 0x204u : 0u, u"IDC_C" + decimal(number), u"Custom.Class");
            if (number == 9) c.set_text_ordinal(130);
            if (number == 5) c.set_creation_data({1, 2, 3});
        }
        const Bytes first = encode(d);
        const auto read = decode(first);
        ASSERT_TRUE(read);
        EXPECT_EQ(encode(*read), first);
        EXPECT_EQ(read->style(), d.style());
        EXPECT_EQ(read->extended_style(), d.extended_style());
        EXPECT_EQ(read->rect(), d.rect());
        EXPECT_EQ(read->caption(), d.caption());
        EXPECT_EQ(read->class_name(), d.class_name());
        EXPECT_EQ(read->menu(), d.menu());
        EXPECT_EQ(read->font(), d.font());
        ASSERT_EQ(read->controls().size(), d.controls().size());
        for (std::size_t i = 0; i < d.controls().size(); ++i) {
            const Control& a = *d.controls()[i];
            const Control& b = *read->controls()[i];
            EXPECT_EQ(b.kind(), a.kind()) << i;
            EXPECT_EQ(b.style(), a.style()) << i;
            EXPECT_EQ(b.extended_style(), a.extended_style()) << i;
            EXPECT_EQ(b.rect(), a.rect()) << i;
            EXPECT_EQ(b.identifier_value(), a.identifier_value()) << i;
            EXPECT_EQ(b.window_class(), a.window_class()) << i;
            EXPECT_EQ(b.text_ordinal(), a.text_ordinal()) << i;
            EXPECT_EQ(b.creation_data(), a.creation_data()) << i;
            if (a.has_caption() && !a.text_ordinal()) {
                EXPECT_EQ(b.text(), a.text()) << i;
            }
        }
    }
}

TEST_F(DialogTemplateTest, MenuOfTheProjectIsWrittenAsItsOrdinal) {
    ASSERT_TRUE(session.symbols().register_resource_name(u"IDR_MAIN", kind::menu, false, 130, 0));
    dialog->set_menu(u"IDR_MAIN");
    dialog->set_style(0, 0);
    const Bytes bytes = encode(*dialog);
    // After the signature, help id, styles, count and rectangle.
    EXPECT_EQ(Bytes(bytes.begin() + 26, bytes.begin() + 30), (Bytes{0xFF, 0xFF, 130, 0}));
    dialog->set_menu(u"named");
    const Bytes named = encode(*dialog);
    EXPECT_EQ(Bytes(named.begin() + 26, named.begin() + 30), (Bytes{'n', 0, 'a', 0}));
}

TEST_F(DialogTemplateTest, TruncatedTemplatesAreRefused) {
    add(K::button, 0x50010000, u"OK");
    const Bytes whole = encode(*dialog);
    for (std::size_t size : {std::size_t{0}, std::size_t{3}, std::size_t{20}, whole.size() - 1}) {
        const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        const auto read = decode_dialog_template(part, session.workspace());
        EXPECT_FALSE(read) << size;
        if (!read) {
            EXPECT_FALSE(read.error().empty());
        }
    }
}

}  // namespace
}  // namespace tavorin
