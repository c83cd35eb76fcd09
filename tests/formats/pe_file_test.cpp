// The PE resource reader and writer: the built-in template, new modules, in-place replacement
// with the sections that follow, the directory's order and alignment, backups, and the
// reader's messages on modules that are not what they claim.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_io.h"
#include "base/file_size_limit.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "formats/compiled_test_support.h"
#include "formats/pe_file.h"
#include "formats/pe_resource_walk.h"
#include "formats/pe_template.h"
#include "formats/pe_test_support.h"
#include "resources/rawdata/raw_data_resource.h"

namespace tavorin {
namespace {

using testing::build_module;
using testing::Bytes;
using testing::id;
using testing::ModuleView;
using testing::TestModule;
using testing::TestSection;

constexpr std::uint16_t english = 0x0409;
constexpr std::uint16_t german = 0x0407;

class PeFileTest : public ::testing::Test, public testing::CompiledSession {
protected:
    std::filesystem::path module_file(const Bytes& bytes, const char* name = "module.dll") {
        folder.write(name, std::string(bytes.begin(), bytes.end()));
        return folder / name;
    }
    Status save(const std::filesystem::path& target) { return write_pe_file(session.workspace(), target); }
    Status open(const std::filesystem::path& path) {
        session.project().clear();
        return read_pe_file(session.workspace(), path, tables);
    }
    Bytes data_of(const Resource& resource) {
        BinaryBuffer out;
        EXPECT_TRUE(resource.serialize(out));
        return Bytes(out.bytes().begin(), out.bytes().end());
    }
    std::vector<std::filesystem::path> files() const {
        std::vector<std::filesystem::path> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST(PeTemplate, UnpacksToTheSmallExecutableWithOneTextSection) {
    const auto packed = compressed_pe_template();
    ASSERT_GE(packed.size(), 13u);
    EXPECT_EQ(packed[0], 0x5D);
    EXPECT_EQ(pe::get_u32(packed, 1), 0x01000000u);
    EXPECT_EQ(pe::get_u32(packed, 5), 1024u);
    EXPECT_EQ(pe::get_u32(packed, 9), 0u);

    const auto unpacked = pe_template();
    ASSERT_TRUE(unpacked);
    ASSERT_EQ(unpacked->size(), 1024u);
    const ModuleView module(*unpacked);
    EXPECT_EQ(module.nt_position, 0xD0u);
    EXPECT_EQ(pe::get_u16(*unpacked, 0xD0 + 4), 0x14C);    // Machine
    EXPECT_EQ(pe::get_u16(*unpacked, 0xD0 + 22), 0x0103);  // Characteristics
    EXPECT_EQ(module.nt.magic(), pe::magic_pe32);
    EXPECT_EQ(module.optional_u32(16), 0x1010u);  // AddressOfEntryPoint
    EXPECT_EQ(module.optional_u32(28), 0x00400000u);
    EXPECT_EQ(module.nt.section_alignment(), 0x1000u);
    EXPECT_EQ(module.nt.file_alignment(), 0x200u);
    EXPECT_EQ(module.nt.size_of_headers(), 0x200u);
    EXPECT_EQ(module.nt.size_of_image(), 0x2000u);
    EXPECT_EQ(module.nt.size_of_initialized_data(), 0u);
    EXPECT_EQ(pe::get_u16(*unpacked, 0xD0 + 24 + 68), 2);       // Subsystem
    EXPECT_EQ(pe::get_u16(*unpacked, 0xD0 + 24 + 70), 0x8400);  // DllCharacteristics
    EXPECT_EQ(module.nt.directory(1).virtual_address, 0x101Cu);
    EXPECT_EQ(module.nt.directory(1).size, 0x28u);
    EXPECT_EQ(module.nt.directory(12).virtual_address, 0x1000u);
    EXPECT_EQ(module.nt.directory(12).size, 8u);
    EXPECT_EQ(module.nt.directory(2).virtual_address, 0u);
    ASSERT_EQ(module.sections.size(), 1u);
    EXPECT_EQ(module.name(0), ".text");
    EXPECT_EQ(module.sections[0].virtual_address, 0x1000u);
    EXPECT_EQ(module.sections[0].virtual_size, 0x68u);
    EXPECT_EQ(module.sections[0].pointer_to_raw_data, 0x200u);
    EXPECT_EQ(module.sections[0].size_of_raw_data, 0x200u);
    EXPECT_EQ(module.sections[0].characteristics, 0x60000020u);
    const std::string imports(unpacked->begin() + 0x200 + 0x4C, unpacked->begin() + 0x200 + 0x67);
    EXPECT_NE(imports.find("ExitProcess"), std::string::npos);
    EXPECT_NE(imports.find("KERNEL32.dll"), std::string::npos);

    EXPECT_FALSE(unpack_lzma_alone(packed.first(20)));
}

TEST_F(PeFileTest, NewModuleFromTheTemplateShiftsTextAndAppendsTheResourceSection) {
    session.project().set_current_language(english);
    add_new_dialog(session.workspace());
    const auto target = folder / "new.dll";
    ASSERT_TRUE(save(target));
    EXPECT_EQ(files(), std::vector<std::filesystem::path>{"new.dll"});
    EXPECT_EQ(platform.statuses.back(), u"Exportation finished!");

    const ModuleView module(folder.bytes("new.dll"));
    ASSERT_EQ(module.sections.size(), 2u);
    EXPECT_EQ(module.name(0), ".text");
    EXPECT_EQ(module.sections[0].pointer_to_raw_data, 0x400u);
    EXPECT_EQ(module.name(1), ".rsrc");
    EXPECT_EQ(module.sections[1].pointer_to_raw_data, 0x600u);
    EXPECT_EQ(module.sections[1].virtual_address, 0x2000u);
    EXPECT_EQ(module.sections[1].characteristics, 0x40000040u);
    const std::uint32_t size = module.sections[1].virtual_size;
    EXPECT_EQ(module.nt.directory(2).virtual_address, 0x2000u);
    EXPECT_EQ(module.nt.directory(2).size, size);
    EXPECT_EQ(module.nt.size_of_image(), 0x2000 + pe::align_up(size, 0x1000));
    // The headers grew with the shift, so that the section table stays inside them.
    EXPECT_EQ(module.nt.size_of_headers(), 0x400u);
    EXPECT_EQ(module.nt.size_of_initialized_data(), module.sections[1].size_of_raw_data);
    // The code moved unchanged.
    const auto original = *pe_template();
    EXPECT_TRUE(std::equal(original.begin() + 0x200, original.end(), module.bytes.begin() + 0x400));

    ASSERT_TRUE(open(target));
    ASSERT_EQ(session.project().resources().size(), 1u);
    EXPECT_EQ(session.project().resources().front()->kind(), kind::dialog);
}

TEST_F(PeFileTest, SavingAgainReplacesTheResourceSectionInPlace) {
    add(id(10), id(1), english, Bytes(100, 1));
    const auto target = folder / "app.exe";
    ASSERT_TRUE(save(target));
    add(id(10), id(2), english, Bytes(3000, 2));
    ASSERT_TRUE(save(target));
    EXPECT_EQ(files(), std::vector<std::filesystem::path>{"app.exe"});

    const ModuleView module(folder.bytes("app.exe"));
    ASSERT_EQ(module.sections.size(), 2u);
    EXPECT_EQ(module.sections[1].pointer_to_raw_data, 0x600u);
    EXPECT_EQ(module.nt.size_of_image(), 0x2000 + pe::align_up(module.sections[1].virtual_size, 0x1000));
    ASSERT_TRUE(open(target));
    EXPECT_EQ(session.project().resources().size(), 2u);
}

// A module whose resource section is followed by a relocation section, as linkers lay them out.
TestModule module_with_relocations() {
    TestModule spec;
    spec.sections.push_back(TestSection{".text", 0x1000, 0x10, Bytes(0x10, 0xC3), 0x60000020});
    spec.sections.push_back(TestSection{".rsrc", 0x2000, 0x10, Bytes(0x10, 0), 0x40000040});
    spec.sections.push_back(TestSection{".reloc", 0x3000, 0x0C, Bytes{0, 0x10, 0, 0, 12, 0, 0, 0, 1, 0x30, 2, 0x30}, 0x42000040});
    spec.directories[2] = pe::DataDirectory{0x2000, 0x10};
    spec.directories[5] = pe::DataDirectory{0x3000, 0x0C};
    spec.directories[1] = pe::DataDirectory{0x1004, 0x08};  // before the resources: stays
    return spec;
}

TEST_F(PeFileTest, SectionsAndDirectoriesAfterTheResourcesMoveWithThem) {
    const Bytes original = build_module(module_with_relocations());
    const auto target = module_file(original);
    add(id(10), id(1), english, Bytes(0x1500, 7));  // the section grows past one page
    ASSERT_TRUE(save(target));

    const ModuleView before(original);
    const ModuleView after(folder.bytes("module.dll"));
    ASSERT_EQ(after.sections.size(), 3u);
    const std::uint32_t size = after.sections[1].virtual_size;
    EXPECT_EQ(after.sections[1].size_of_raw_data, pe::align_up(size, 0x200));
    EXPECT_EQ(after.sections[2].virtual_address, 0x2000 + pe::align_up(size, 0x1000));
    EXPECT_EQ(after.sections[2].pointer_to_raw_data, after.sections[1].pointer_to_raw_data + after.sections[1].size_of_raw_data);
    EXPECT_EQ(after.raw(2), before.raw(2));
    EXPECT_EQ(after.raw(0), before.raw(0));
    EXPECT_EQ(after.nt.directory(5).virtual_address, after.sections[2].virtual_address);
    EXPECT_EQ(after.nt.directory(5).size, 0x0Cu);
    EXPECT_EQ(after.nt.directory(1).virtual_address, 0x1004u);
    EXPECT_EQ(after.nt.size_of_image(), after.sections[2].virtual_address + 0x1000);
    EXPECT_EQ(after.nt.size_of_initialized_data(), after.sections[1].size_of_raw_data - before.sections[1].size_of_raw_data);
}

TEST_F(PeFileTest, ResourceSectionWithoutBytesInTheFileGetsThemBehindTheOthers) {
    TestModule spec = module_with_relocations();
    spec.sections[1].raw.clear();  // listed, but no file position (0) and no raw size
    const Bytes original = build_module(spec);
    const auto target = module_file(original);
    add(id(10), id(1), english, Bytes{1, 2, 3, 4, 5});
    ASSERT_TRUE(save(target));

    const ModuleView after(folder.bytes("module.dll"));
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 0x80, after.bytes.begin()));  // DOS header intact
    EXPECT_GT(after.sections[1].pointer_to_raw_data, after.sections[2].pointer_to_raw_data);
    ASSERT_TRUE(open(target));
    EXPECT_EQ(session.project().resources().size(), 1u);
}

TEST_F(PeFileTest, DirectoryListsStringsFirstThenOrdinalsAndAlignsEveryResource) {
    add(id(10), id(2), german, Bytes{1});
    add(id(10), id(2), english, Bytes{1, 2});
    add(id(10), id(u"beta"), english, Bytes{1, 2, 3});
    add(id(5 + 0x100), id(1), english, Bytes{1, 2, 3, 4, 5});
    add(id(u"zed"), id(1), english, Bytes{6});
    add(id(u"Alpha"), id(u"b"), english, Bytes{7});
    add(id(u"Alpha"), id(u"A"), english, Bytes{8});
    add(id(u"Alpha"), id(3), english, Bytes{9});
    const auto target = folder / "order.dll";
    ASSERT_TRUE(save(target));

    const auto listing = list_pe_resources(target);
    ASSERT_TRUE(listing);
    ASSERT_EQ(listing->outcome, PeResourceListing::Outcome::complete);
    std::vector<std::tuple<NameOrOrdinal, NameOrOrdinal, std::uint16_t>> order;
    for (const PeResource& resource : listing->resources) {
        order.emplace_back(resource.type, resource.name, resource.language);
        EXPECT_EQ((resource.data_rva - listing->section_rva) % 4, 0u);
    }
    const std::vector<std::tuple<NameOrOrdinal, NameOrOrdinal, std::uint16_t>> expected{
        {id(u"Alpha"), id(u"A"), english}, {id(u"Alpha"), id(u"b"), english}, {id(u"Alpha"), id(3), english},
        {id(u"zed"), id(1), english},      {id(10), id(u"beta"), english},     {id(10), id(2), german},
        {id(10), id(2), english},          {id(0x105), id(1), english}};
    EXPECT_EQ(order, expected);

    // The section ends with the last resource's bytes, unpadded.
    const ModuleView module(folder.bytes("order.dll"));
    const PeResource& last = listing->resources.back();
    EXPECT_EQ(module.sections[1].virtual_size, last.data_rva - listing->section_rva + last.data.size());
    EXPECT_EQ(module.nt.directory(2).size, module.sections[1].virtual_size);
}

TEST_F(PeFileTest, EmptyProjectGivesTheSixteenByteRootTable) {
    const auto target = folder / "empty.dll";
    ASSERT_TRUE(save(target));
    const ModuleView module(folder.bytes("empty.dll"));
    ASSERT_EQ(module.sections.size(), 2u);
    EXPECT_EQ(module.sections[1].virtual_size, 16u);
    const Bytes raw = module.raw(1);
    EXPECT_TRUE(std::all_of(raw.begin(), raw.begin() + 16, [](std::uint8_t b) { return b == 0; }));
    ASSERT_TRUE(open(target));
    EXPECT_TRUE(session.project().empty());
}

TEST_F(PeFileTest, AbandonedWriteLeavesTheModuleAndOtherFilesAsTheyWere) {
    const Bytes original = build_module(module_with_relocations());
    const auto target = module_file(original);
    folder.write("module.dll.1", "older backup");
    // The new module is larger than the old one: the backup fits the limit, the module does not.
    add(id(10), id(1), english, Bytes(0x10000, 7));
    {
        const testing::FileSizeLimit limit(original.size() + 0x1000);
        if (!limit.available()) GTEST_SKIP() << "no file size limit here";
        platform.answers.push_back(Answer::cancel);
        const Status status = save(target);
        ASSERT_FALSE(status);
        EXPECT_EQ(platform.questions.back().buttons, AskButtons::retry_cancel);
        EXPECT_NE(status.error().find(u"File too large"), std::u16string::npos) << text_to_utf8(status.error());
    }
    // The user's module is as it was; the backup of this save and the temporary file are gone,
    // the older backup is left alone.
    EXPECT_EQ(folder.bytes("module.dll"), original);
    EXPECT_EQ(folder.text("module.dll.1"), "older backup");
    EXPECT_EQ(files(), (std::vector<std::filesystem::path>{"module.dll", "module.dll.1"}));

    ASSERT_TRUE(save(target));
    EXPECT_EQ(files(), (std::vector<std::filesystem::path>{"module.dll", "module.dll.1"}));
}

// The new module is made in one piece beside the old one; a write that fails leaves the old one
// and nothing else.
TEST_F(PeFileTest, ModuleThatCannotBeWrittenLeavesNothingAndEndsTheSaveWithTheReason) {
    const Bytes original = build_module(module_with_relocations());
    const auto target = module_file(original);
    const testing::FileSizeLimit limit(original.size() / 2);
    if (!limit.available()) GTEST_SKIP() << "no file size limit here";
    platform.answers.push_back(Answer::cancel);

    const Status status = save(target);
    ASSERT_FALSE(status);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, display_path(folder / "module.dll") + u"\r\nFile too large");
    EXPECT_EQ(status.error(), platform.questions[0].text);
    EXPECT_EQ(folder.bytes("module.dll"), original);
    EXPECT_EQ(files(), std::vector<std::filesystem::path>{"module.dll"});
}

TEST_F(PeFileTest, ReadOnlyModuleIsReplacedOnlyWhenTheUserSaysYesAndKeepsItsMode) {
    namespace fs = std::filesystem;
    const Bytes original = build_module(module_with_relocations());
    const auto target = module_file(original);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read);
    add(id(10), id(1), english, Bytes{1, 2, 3, 4});

    platform.answers.push_back(Answer::no);
    const Status refused = save(target);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), display_path(target) + u"\r\nThe file is read-only.");
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].buttons, AskButtons::yes_no);
    EXPECT_EQ(platform.questions[0].text, display_path(target) + u" is read-only.\r\nDo you want to replace it?");
    EXPECT_EQ(folder.bytes("module.dll"), original);

    platform.answers.push_back(Answer::yes);
    ASSERT_TRUE(save(target));
    EXPECT_NE(folder.bytes("module.dll"), original);
    EXPECT_EQ(files(), std::vector<std::filesystem::path>{"module.dll"});
#ifdef _WIN32
    EXPECT_TRUE(is_read_only_file(target));  // the attribute is all the system keeps
#else
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read);
#endif
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(PeFileTest, ModulesTheWriterCannotRebuildAreLeftAsTheyWere) {
    TestModule crowded;
    for (std::uint32_t i = 0; i < 32; ++i) {
        crowded.sections.push_back(TestSection{".s" + std::to_string(i), 0x1000 * (i + 1), 0x10, Bytes(0x10, 1)});
    }
    TestModule outside = module_with_relocations();
    Bytes truncated = build_module(outside);
    truncated.resize(truncated.size() - 0x100);  // the last section reaches past the end
    TestModule unknown_directory = module_with_relocations();
    unknown_directory.directories[2] = pe::DataDirectory{0x2010, 0x10};  // not a section's start
    Bytes not_pe = build_module(module_with_relocations());
    not_pe[0x80] = 'X';

    struct Case {
        const char* what;
        Bytes module;
    };
    for (const Case& c : {Case{"33 sections", build_module(crowded)}, Case{"section outside the file", truncated},
                          Case{"directory in no section", build_module(unknown_directory)},
                          Case{"no PE signature", not_pe}, Case{"not even MZ", Bytes(100, 'x')}}) {
        SCOPED_TRACE(c.what);
        platform.questions.clear();
        const auto target = module_file(c.module);
        const Status status = save(target);
        ASSERT_FALSE(status);
        EXPECT_EQ(status.error(), display_path(target) + u": Invalid PE file.");
        ASSERT_EQ(platform.questions.size(), 1u);
        EXPECT_EQ(platform.questions[0].caption, u"Tavorin");
        EXPECT_EQ(platform.questions[0].icon, AskIcon::error);
        EXPECT_EQ(folder.bytes("module.dll"), c.module);
        EXPECT_EQ(files(), std::vector<std::filesystem::path>{"module.dll"});
    }
}

TEST_F(PeFileTest, OverlayIsCarriedOverAndACertificateDropped) {
    TestModule spec = module_with_relocations();
    const Bytes payload{'P', 'A', 'Y', 'L', 'O', 'A', 'D', 0};
    const Bytes certificate(16, 0xCE);
    spec.overlay = payload;
    spec.overlay.insert(spec.overlay.end(), certificate.begin(), certificate.end());
    Bytes original = build_module(spec);
    const std::uint32_t certificate_at = static_cast<std::uint32_t>(original.size() - certificate.size());
    pe::put_u32(original, testing::test_nt_position + 24 + 96 + 8 * 4, certificate_at);
    pe::put_u32(original, testing::test_nt_position + 24 + 96 + 8 * 4 + 4, 16);
    const auto target = module_file(original);
    add(id(10), id(1), english, Bytes(0x900, 3));
    ASSERT_TRUE(save(target));

    const ModuleView after(folder.bytes("module.dll"));
    const pe::Section& last = after.sections.back();
    const Bytes tail(after.bytes.begin() + last.pointer_to_raw_data + last.size_of_raw_data, after.bytes.end());
    EXPECT_EQ(tail, payload);
    EXPECT_EQ(after.nt.directory(4).virtual_address, 0u);
    EXPECT_EQ(after.nt.directory(4).size, 0u);
}

TEST_F(PeFileTest, Pe32AndPe32PlusModulesWithTheSameResourcesLoadAlike) {
    add(id(u"RAW"), id(u"ONE"), english, Bytes{1, 2, 3});
    add(id(10), id(7), german, Bytes{4});
    const auto small = folder / "small.dll";
    ASSERT_TRUE(save(small));
    TestModule wide = module_with_relocations();
    wide.pe32_plus = true;
    const auto large = module_file(build_module(wide), "large.dll");
    ASSERT_TRUE(save(large));

    const auto resources_of = [&](const std::filesystem::path& path) {
        EXPECT_TRUE(open(path));
        std::vector<std::tuple<NameOrOrdinal, NameOrOrdinal, std::uint16_t, Bytes>> list;
        for (const auto& resource : session.project().resources()) {
            list.emplace_back(resource->type(), resource->name(), resource->language(), data_of(*resource));
        }
        return list;
    };
    const auto from_small = resources_of(small);
    EXPECT_EQ(from_small.size(), 2u);
    EXPECT_EQ(from_small, resources_of(large));
}

TEST_F(PeFileTest, ReaderFindsTheSectionByNameAndSaysWhenThereIsNone) {
    add(id(10), id(1), english, Bytes{1, 2, 3, 4});
    const auto target = folder / "named.dll";
    ASSERT_TRUE(save(target));
    Bytes module = folder.bytes("named.dll");
    const ModuleView view(module);
    const std::size_t rsrc_header = view.nt_position + view.nt.size() + pe::section_header_size;

    // Without data directory 2 the section still loads.
    Bytes no_directory = module;
    pe::put_u32(no_directory, view.nt_position + 24 + 96 + 16, 0);
    ASSERT_TRUE(open(module_file(no_directory, "no_directory.dll")));
    EXPECT_EQ(session.project().resources().size(), 1u);

    // Under another name the resources are not found.
    Bytes renamed = module;
    const char data_name[8] = {'.', 'd', 'a', 't', 'a', 0, 0, 0};
    std::copy(data_name, data_name + 8, renamed.begin() + static_cast<std::ptrdiff_t>(rsrc_header));
    platform.questions.clear();
    ASSERT_TRUE(open(module_file(renamed, "renamed.dll")));
    EXPECT_TRUE(session.project().empty());
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"No resource found in PE file.");
    EXPECT_EQ(platform.questions[0].caption, u"Tavorin");
    EXPECT_EQ(platform.questions[0].icon, AskIcon::information);

    // A ".mui" file is a module like the others.
    ASSERT_TRUE(open(module_file(module, "named.dll.mui")));
    EXPECT_EQ(session.project().resources().size(), 1u);
}

TEST_F(PeFileTest, FaultsInTheDirectoryEndTheReadingAfterEarlierResources) {
    add(id(10), id(1), english, Bytes{1, 2, 3, 4});
    add(id(11), id(1), english, Bytes{5, 6, 7, 8});
    const auto target = folder / "fault.dll";
    ASSERT_TRUE(save(target));
    const Bytes module = folder.bytes("fault.dll");
    const ModuleView view(module);
    const std::size_t section = view.sections[1].pointer_to_raw_data;
    // Root (16 + 2 x 8), two name tables (24 each), then the language tables.
    const std::size_t second_language_table = section + 32 + 48 + 24;

    Bytes named_language = module;
    pe::put_u16(named_language, second_language_table + 12, 1);
    Bytes huge_size = module;
    const std::size_t second_data_entry = section + 32 + 48 + 48 + 16;
    pe::put_u32(huge_size, second_data_entry + 4, 0x7FFFFFFF);
    Bytes looping = module;  // the second type's name table leads back to the root
    pe::put_u32(looping, section + 16 + 8 + 4, 0x80000000);
    Bytes short_section = module;
    short_section.resize(section + 40);
    Bytes huge_optional_header = module;  // the section table would lie past the headers
    pe::put_u16(huge_optional_header, view.nt_position + 4 + 16, 0xFFFF);

    // The message names where the fault lies: the table, the data, the section.
    struct Case {
        const char* what;
        Bytes module;
        std::size_t kept;
        std::size_t fault;
    };
    for (const Case& c :
         {Case{"named language entry", named_language, 1, second_language_table},
          Case{"data past the section", huge_size, 1,
               section + pe::get_u32(module, second_data_entry) - view.sections[1].virtual_address},
          Case{"table loop", looping, 1, section + 32}, Case{"short section", short_section, 0, section},
          Case{"optional header size 0xFFFF", huge_optional_header, 0, view.nt_position + 4 + 16}}) {
        SCOPED_TRACE(c.what);
        platform.questions.clear();
        const Status status = open(module_file(c.module, "broken.dll"));
        ASSERT_FALSE(status);
        EXPECT_EQ(status.error(), display_path(folder / "broken.dll") + u", offset 0x" +
                                      hexadecimal(static_cast<std::uint32_t>(c.fault)) + u": Invalid PE file.");
        ASSERT_EQ(platform.questions.size(), 1u);
        EXPECT_EQ(platform.questions[0].caption, u"Error");
        EXPECT_EQ(session.project().resources().size(), c.kept);
    }
}

}  // namespace
}  // namespace tavorin
