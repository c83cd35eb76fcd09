// Debian's Wine modules as the oracle of the PE reader and writer:
//  1. our reader lists the same resources (type, name, language, address, size) as
//     llvm-readobj-14 --coff-resources, and each resource's bytes are the module's bytes there;
//  2. what our decoders accept encodes back to the same bytes, apart from the differences
//     listed in `expected_difference` below; and writing the project into a copy of the module
//     gives a module with exactly the same resources, since nothing was changed.
// Both cover every module: one llvm-readobj run lists all of them (about 15 seconds under the
// sanitizers), and the rewrite of all modules with resources takes about as long. Set
// TAVORIN_SAMPLE_WINE_MODULES=1 to rewrite only every fourth module and the largest one.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "base/file_io.h"
#include "base/text.h"
#include "formats/compiled_items.h"
#include "formats/compiled_record.h"
#include "formats/compiled_test_support.h"
#include "formats/pe_file.h"
#include "formats/pe_resource_walk.h"
#include "formats/pe_test_support.h"

namespace tavorin {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

std::vector<std::string> command_lines(const std::string& command) {
    std::vector<std::string> lines;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return lines;
    char buffer[4096];
    std::string line;
    while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
        line += buffer;
        if (line.back() != '\n') continue;
        line.pop_back();
        lines.push_back(std::move(line));
        line.clear();
    }
    return lines;
}

std::vector<fs::path> wine_modules() {
    std::vector<fs::path> modules;
    for (const std::string& line : command_lines("dpkg -L libwine libwine:i386 2>/dev/null")) {
        const auto dot = line.rfind('.');
        if (dot == std::string::npos) continue;
        const std::string extension = line.substr(dot);
        if ((extension == ".dll" || extension == ".exe" || extension == ".drv" || extension == ".ocx") &&
            fs::is_regular_file(line)) {
            modules.emplace_back(line);
        }
    }
    return modules;
}

// A resource as both listings describe it; types and names as "(ID n)" or their UTF-8 text.
struct Listed {
    std::string type;
    std::string name;
    std::uint32_t language = 0;
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
    friend bool operator==(const Listed&, const Listed&) = default;
};

std::ostream& operator<<(std::ostream& out, const Listed& r) {
    return out << r.type << " / " << r.name << " / " << r.language << " @ 0x" << std::hex << r.rva << std::dec << " ("
               << r.size << ")";
}

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first);
}

// "BITMAP (ID 2)", "(ID 2)" and, for types without a standard name, "ID 40" are ordinals;
// anything else is a string.
std::string llvm_id(std::string text) {
    if (text.rfind("ID ", 0) == 0 && text.size() > 3 &&
        text.find_first_not_of("0123456789", 3) == std::string::npos) {
        return "(" + text + ")";
    }
    const auto open = text.rfind("(ID ");
    if (open != std::string::npos && text.back() == ')' && (open == 0 || text[open - 1] == ' ')) {
        return text.substr(open);
    }
    return text;
}

std::string our_id(const NameOrOrdinal& id) {
    return id.is_text ? text_to_utf8(id.text) : "(ID " + std::to_string(id.ordinal) + ")";
}

std::map<std::string, std::vector<Listed>> llvm_listings(const std::vector<fs::path>& modules) {
    std::string command = "llvm-readobj-14 --coff-resources";
    for (const fs::path& module : modules) command += " '" + module.string() + "'";
    std::map<std::string, std::vector<Listed>> listings;
    std::vector<Listed>* current = nullptr;
    Listed resource;
    for (const std::string& line : command_lines(command + " 2>/dev/null")) {
        const std::string text = trimmed(line);
        const auto field = [&](const char* prefix) { return text.rfind(prefix, 0) == 0; };
        if (field("File: ")) {
            current = &listings[text.substr(6)];
        } else if (field("Type: ") && text.ends_with(" [")) {
            resource.type = llvm_id(text.substr(6, text.size() - 8));
        } else if (field("Name: ") && text.ends_with(" [")) {
            resource.name = llvm_id(text.substr(6, text.size() - 8));
        } else if (field("Language: (ID ")) {
            resource.language = static_cast<std::uint32_t>(std::stoul(text.substr(14)));
        } else if (field("DataRVA: ")) {
            resource.rva = static_cast<std::uint32_t>(std::stoul(text.substr(9), nullptr, 16));
        } else if (field("DataSize: ") && current != nullptr) {
            resource.size = static_cast<std::uint32_t>(std::stoul(text.substr(10)));
            current->push_back(resource);
        }
    }
    return listings;
}

bool tool_available(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// The file position of an address, from the module's section table.
std::optional<std::size_t> file_position(const testing::ModuleView& module, std::uint32_t rva) {
    for (const pe::Section& section : module.sections) {
        if (rva >= section.virtual_address && rva - section.virtual_address < section.size_of_raw_data) {
            return section.pointer_to_raw_data + (rva - section.virtual_address);
        }
    }
    return std::nullopt;
}

TEST(WineModulesOracle, ReaderListsWhatLlvmReadobjListsWithTheModulesBytes) {
    if (!tool_available("llvm-readobj-14")) GTEST_SKIP() << "llvm-readobj-14 is not installed";
    const auto modules = wine_modules();
    if (modules.empty()) GTEST_SKIP() << "Wine's modules (libwine) are not installed";
    const auto listings = llvm_listings(modules);

    std::size_t compared = 0;
    for (const fs::path& path : modules) {
        SCOPED_TRACE(path.string());
        const auto ours = list_pe_resources(path);
        ASSERT_TRUE(ours);
        const auto found = listings.find(path.string());
        const std::vector<Listed> theirs = found == listings.end() ? std::vector<Listed>{} : found->second;
        if (theirs.empty()) {
            EXPECT_NE(ours->outcome, PeResourceListing::Outcome::invalid);
            EXPECT_TRUE(ours->resources.empty());
            continue;
        }
        ASSERT_EQ(ours->outcome, PeResourceListing::Outcome::complete);

        std::vector<Listed> listed;
        for (const PeResource& r : ours->resources) {
            listed.push_back(Listed{our_id(r.type), our_id(r.name), r.language, r.data_rva,
                                    static_cast<std::uint32_t>(r.data.size())});
        }
        ASSERT_EQ(listed, theirs);

        const Bytes file = *read_file_bytes(path);
        const testing::ModuleView module(file);
        for (const PeResource& r : ours->resources) {
            const auto position = file_position(module, r.data_rva);
            ASSERT_TRUE(position);
            ASSERT_LE(*position + r.data.size(), file.size());
            ASSERT_TRUE(std::equal(r.data.begin(), r.data.end(), file.begin() + static_cast<std::ptrdiff_t>(*position)));
        }
        compared += listed.size();
    }
    std::cout << "[          ] " << modules.size() << " modules, " << compared << " resources\n";
    EXPECT_GT(compared, 1000u);
}

using Key = std::tuple<NameOrOrdinal, NameOrOrdinal, std::uint16_t>;

struct KeyLess {
    bool operator()(const Key& a, const Key& b) const {
        const auto rank = [](const Key& k) {
            return std::make_tuple(std::get<0>(k).is_text, std::get<0>(k).text, std::get<0>(k).ordinal,
                                   std::get<1>(k).is_text, std::get<1>(k).text, std::get<1>(k).ordinal, std::get<2>(k));
        };
        return rank(a) < rank(b);
    }
};
using ResourceMap = std::map<Key, Bytes, KeyLess>;

ResourceMap resources_of(const PeResourceListing& listing) {
    ResourceMap map;
    for (const PeResource& r : listing.resources) map[{r.type, r.name, r.language}] = Bytes(r.data.begin(), r.data.end());
    return map;
}

std::string describe_difference(const Bytes* original, const Bytes& encoded) {
    if (original == nullptr) return "not in the module";
    std::size_t at = 0;
    while (at < original->size() && at < encoded.size() && (*original)[at] == encoded[at]) ++at;
    std::ostringstream out;
    out << original->size() << " bytes became " << encoded.size() << ", first difference at " << at;
    out << std::hex << " [";
    for (std::size_t i = at >= 8 ? at - 8 : 0; i < at + 12 && i < original->size(); ++i) out << int((*original)[i]) << " ";
    out << "] [";
    for (std::size_t i = at >= 8 ? at - 8 : 0; i < at + 12 && i < encoded.size(); ++i) out << int(encoded[i]) << " ";
    out << "]";
    return out.str();
}

bool padded_to_four(const Bytes& original, const Bytes& encoded) {
    return encoded.size() == (original.size() + 3) / 4 * 4 && std::equal(original.begin(), original.end(), encoded.begin()) &&
           std::all_of(encoded.begin() + static_cast<std::ptrdiff_t>(original.size()), encoded.end(),
                       [](std::uint8_t b) { return b == 0; });
}

// The differences a rewrite is expected to make, each with its reason; nothing for any other.
// `encoded` is null when the rewrite has no resource under the original's key.
std::optional<std::string> expected_difference(const NameOrOrdinal& type, const Bytes* original, const Bytes* encoded) {
    if (type.is_text) return std::nullopt;
    switch (type.ordinal) {
        case 1:
        case 3:
            if (encoded == nullptr || original == nullptr) {
                return "icon and cursor images are written in the language of the group that lists them";
            }
            return std::nullopt;
        case 24:
            if (encoded == nullptr) return "a project holds one manifest: a module's second one is refused";
            return std::nullopt;
        case 4:
            // Wine's compiler ends some extended menus with two more zero bytes.
            if (original != nullptr && encoded != nullptr && original->size() > encoded->size() &&
                std::equal(encoded->begin(), encoded->end(), original->begin()) &&
                std::all_of(original->begin() + static_cast<std::ptrdiff_t>(encoded->size()), original->end(),
                            [](std::uint8_t b) { return b == 0; })) {
                return "menus: Wine's compiler pads some extended menus with zeros";
            }
            return std::nullopt;
        case 16:
            // The String/VarFileInfo headers say type 1 (text) where Wine's compiler says 0.
            if (original != nullptr && encoded != nullptr && original->size() == encoded->size()) {
                return "version information: the type word of the StringFileInfo headers";
            }
            return std::nullopt;
        case 2:
        case 6:
            if (original != nullptr && encoded != nullptr && padded_to_four(*original, *encoded)) {
                return "string blocks and bitmaps are padded to a multiple of four bytes";
            }
            return std::nullopt;
        default: return std::nullopt;
    }
}

TEST(WineModulesOracle, RewritingTheResourcesKeepsTheirBytes) {
    const auto modules = wine_modules();
    if (modules.empty()) GTEST_SKIP() << "Wine's modules (libwine) are not installed";
    const bool all = std::getenv("TAVORIN_SAMPLE_WINE_MODULES") == nullptr;
    fs::path largest;
    std::uintmax_t largest_size = 0;
    for (const fs::path& path : modules) {
        if (fs::file_size(path) > largest_size) {
            largest_size = fs::file_size(path);
            largest = path;
        }
    }

    std::map<std::string, std::size_t> differences;  // reason -> count
    std::vector<std::string> unexpected;
    const auto note = [&](const fs::path& path, const Key& key, const Bytes* original, const Bytes* encoded) {
        if (const auto reason = expected_difference(std::get<0>(key), original, encoded)) {
            ++differences[*reason];
        } else {
            unexpected.push_back(path.filename().string() + ": " + our_id(std::get<0>(key)) + " " +
                                 our_id(std::get<1>(key)) + " " + std::to_string(std::get<2>(key)) + ": " +
                                 (encoded == nullptr ? std::string("missing") : describe_difference(original, *encoded)));
        }
    };
    std::vector<std::string> rewrite_differences;
    std::size_t rewritten = 0;
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const fs::path& path = modules[i];
        if (!all && i % 4 != 0 && path != largest) continue;
        SCOPED_TRACE(path.string());
        const auto original = list_pe_resources(path);
        ASSERT_TRUE(original);
        if (original->resources.empty()) continue;
        const ResourceMap before = resources_of(*original);

        testing::CompiledSession compiled;
        ASSERT_TRUE(read_pe_file(compiled.session.workspace(), path, compiled.tables));
        // Every item the decoders made encodes to the bytes it was read from. The encoders are
        // asked directly: a save gives an unchanged item's bytes back as they were read.
        const ResourceItemList items = build_item_list(compiled.session.project());
        for (const ResourceItem* item : items.items()) {
            BinaryBuffer encoded;
            ASSERT_TRUE(item->serialize(encoded));
            const auto data = std::optional<Bytes>(encoded.take());
            const Key key{item->type(), item->name(), item->language()};
            const auto found = before.find(key);
            if (found != before.end() && found->second == *data) continue;
            note(path, key, found == before.end() ? nullptr : &found->second, &*data);
        }

        // Written into a copy of the module, the same resources come back.
        const fs::path copy = compiled.folder / path.filename();
        fs::copy_file(path, copy);
        ASSERT_TRUE(write_pe_file(compiled.session.workspace(), copy));
        const auto after = list_pe_resources(copy);
        ASSERT_TRUE(after);
        ASSERT_EQ(after->outcome, PeResourceListing::Outcome::complete);
        const ResourceMap rewritten_map = resources_of(*after);
        for (const auto& [key, bytes] : before) {
            const auto found = rewritten_map.find(key);
            if (found != rewritten_map.end() && found->second == bytes) continue;
            rewrite_differences.push_back(path.filename().string() + ": " + our_id(std::get<0>(key)) + " " +
                                          our_id(std::get<1>(key)) + " " + std::to_string(std::get<2>(key)) + ": " +
                                          (found == rewritten_map.end() ? std::string("missing")
                                                                        : describe_difference(&bytes, found->second)));
        }
        EXPECT_EQ(rewritten_map.size(), before.size());
        ++rewritten;
    }
    for (const auto& [reason, count] : differences) std::cout << "[          ] " << count << " x " << reason << "\n";
    std::cout << "[          ] " << rewritten << " modules rewritten\n";
    EXPECT_GT(rewritten, 0u);
    std::string listed;
    for (std::size_t i = 0; i < unexpected.size() && i < 30; ++i) listed += unexpected[i] + "\n";
    EXPECT_TRUE(unexpected.empty()) << unexpected.size() << " unexpected differences:\n" << listed;
    listed.clear();
    for (std::size_t i = 0; i < rewrite_differences.size() && i < 30; ++i) listed += rewrite_differences[i] + "\n";
    EXPECT_TRUE(rewrite_differences.empty()) << rewrite_differences.size() << " rewritten resources differ:\n" << listed;
}

}  // namespace
}  // namespace tavorin

#endif  // _WIN32
