#include "resources/image/bitmap_resource.h"

#include "imaging/image_bytes.h"
#include "resource_fixture.h"
#include "services/ui_strings.h"

namespace tavorin {
namespace {

using test::Bytes;

// A 24-bit DIB whose total length is given (header, then row bytes).
Bytes dib_of_length(std::size_t length) {
    Bytes dib = test::info_header(4, 1, 24);
    dib.resize(length, 0x5A);
    return dib;
}

Bytes serialized(const Resource& resource) {
    BinaryBuffer out;
    EXPECT_TRUE(resource.serialize(out));
    return Bytes(out.bytes().begin(), out.bytes().end());
}

class BitmapResourceTest : public test::ResourceFixture {};

TEST_F(BitmapResourceTest, ReadFromCompiledDataAndSavedAsScriptGoesToTheNextFreeBitmapFile) {
    const Bytes dib = dib_of_length(60);
    auto bitmap = BitmapResource::decode(dib);
    ASSERT_TRUE(bitmap);
    (*bitmap)->identity().name = u"IDB_LOGO";
    EXPECT_EQ(script_text(**bitmap), u"IDB_LOGO           BITMAP         \"?\"");

    write("bitmap1.bmp", {1});  // taken by someone else
    ASSERT_TRUE((*bitmap)->export_content(folder));
    EXPECT_EQ((*bitmap)->content_file(), u"bitmap2.bmp");
    EXPECT_FALSE((*bitmap)->in_memory());
    EXPECT_EQ(script_text(**bitmap), u"IDB_LOGO           BITMAP         \"bitmap2.bmp\"");

    const Bytes file = read("bitmap2.bmp");
    ASSERT_EQ(file.size(), 14 + dib.size());
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Bytes(file.begin() + 14, file.end()), dib);

    // A second export keeps the file it refers to.
    ASSERT_TRUE((*bitmap)->export_content(folder));
    EXPECT_EQ((*bitmap)->content_file(), u"bitmap2.bmp");
}

TEST_F(BitmapResourceTest, FileLoadedBeforeACompiledSaveLosesItsFileHeader) {
    const Bytes dib = dib_of_length(64);
    auto exported = BitmapResource::with_dib(dib);
    ASSERT_TRUE(exported->export_content(folder));  // bitmap1.bmp, with a file header

    BitmapResource from_script;
    from_script.refer_to_file(u"bitmap1.bmp");
    BinaryBuffer unused;
    EXPECT_FALSE(from_script.serialize(unused));  // the file must be loaded first
    ASSERT_TRUE(from_script.load_content(folder));
    EXPECT_TRUE(from_script.in_memory());
    EXPECT_EQ(from_script.dib(), dib);
    EXPECT_EQ(serialized(from_script), dib);
}

TEST_F(BitmapResourceTest, ResourceDataOf1026BytesIsWrittenAs1028) {
    const auto bitmap = BitmapResource::with_dib(dib_of_length(1026));
    const Bytes data = serialized(*bitmap);
    EXPECT_EQ(data.size(), 1028u);
    EXPECT_EQ(data[1026], 0);
    EXPECT_EQ(data[1027], 0);
    EXPECT_EQ(serialized(*BitmapResource::with_dib(dib_of_length(1028))).size(), 1028u);
}

TEST_F(BitmapResourceTest, DecodingRefusesWhatIsNoInfoHeaderDib) {
    Bytes core = dib_of_length(40);
    test::set_u32(core, 0, 12);
    const auto refused = BitmapResource::decode(core);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"Invalid file structure");
}

TEST_F(BitmapResourceTest, MissingFilesAreReportedAndNothingChanges) {
    BitmapResource bitmap;
    bitmap.refer_to_file(u"nowhere.bmp");
    EXPECT_FALSE(bitmap.load_content(folder));
    EXPECT_EQ(bitmap.content_file(), u"nowhere.bmp");

    auto held = BitmapResource::with_dib(dib_of_length(60));
    const auto refused = held->import_file(u"nowhere.bmp", folder, false, UiStrings{});
    EXPECT_FALSE(refused);
    EXPECT_TRUE(held->in_memory());
    EXPECT_EQ(held->dib(), dib_of_length(60));

    const auto not_there = held->import_file(u"nowhere.bmp", folder, true, UiStrings{});
    ASSERT_FALSE(not_there);
    EXPECT_EQ(not_there.error(), u"File doesn't exist");
}

TEST_F(BitmapResourceTest, BlankToolbarBitmapIsOneButton) {
    const auto bitmap = BitmapResource::with_dib(blank_toolbar_dib());
    const auto size = bitmap->size();
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 16u);
    EXPECT_EQ(size->height, 15u);
    EXPECT_EQ(bitmap->dib()[14], 24);  // bits per pixel
}

}  // namespace
}  // namespace tavorin

namespace tavorin {
namespace {

// Bitmap files installed on this machine, taken into memory and exported again.
TEST_F(BitmapResourceTest, InstalledBitmapFilesRoundTrip) {
    const char* const candidates[] = {
        "/usr/share/doc/fp-compiler/3.2.2/palmos/pilrc.bmp",
        "/usr/share/doc/fp-compiler/3.2.2/palmos/pilrcic.bmp",
        "/root/.pyenv/versions/3.13.0/lib/python3.13/test/test_email/data/python.bmp",
    };
    int found = 0;
    for (const char* path : candidates) {
        if (!std::filesystem::is_regular_file(path)) continue;
        ++found;
        const auto original = read_file_bytes(path);
        ASSERT_TRUE(original) << path;
        BitmapResource bitmap;
        bitmap.refer_to_file(std::filesystem::absolute(path).u16string());
        ASSERT_TRUE(bitmap.load_content(folder)) << path;
        EXPECT_EQ(bitmap.dib(), Bytes(original->begin() + 14, original->end())) << path;
        ASSERT_TRUE(bitmap.export_content(folder)) << path;
        const Bytes exported = read(test::to_narrow(bitmap.content_file()));
        ASSERT_EQ(exported.size(), original->size()) << path;
        EXPECT_EQ(Bytes(exported.begin() + 10, exported.end()), Bytes(original->begin() + 10, original->end()))
            << path;  // pixel offset and DIB; the stored file size of some files is off by one
    }
    if (found == 0) GTEST_SKIP() << "no bitmap files installed here";
}

}  // namespace
}  // namespace tavorin
