#include "formats/pe_module_rebuild.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "formats/pe_headers.h"
#include "formats/pe_resource_directory.h"

namespace tavorin {

namespace {

using pe::align_up;

constexpr std::uint32_t resource_section_characteristics = 0x40000040;  // initialized data, readable

struct Invalid {};

std::uint64_t raw_end(const pe::Section& section) {
    return std::uint64_t{section.pointer_to_raw_data} + section.size_of_raw_data;
}

std::uint64_t memory_end(const pe::Section& section) {
    return std::uint64_t{section.virtual_address} + std::max(section.virtual_size, section.size_of_raw_data);
}

std::uint32_t narrow(std::uint64_t value) {
    if (value > 0xFFFFFFFFu) throw Invalid{};
    return static_cast<std::uint32_t>(value);
}

std::uint32_t moved(std::uint32_t value, std::int64_t delta) { return narrow(static_cast<std::uint64_t>(value + delta)); }

bool power_of_two(std::uint32_t value) { return value != 0 && (value & (value - 1)) == 0; }

class Rebuild {
public:
    Rebuild(std::span<const std::uint8_t> module, std::span<const PlacedResource> resources)
        : module_(module), resources_(resources) {}

    std::vector<std::uint8_t> run() {
        read_headers();
        find_or_add_resource_section();
        copy_headers_and_leading_sections();
        place_resources();
        move_following_sections();
        carry_overlay();
        update_headers();
        write_headers();
        return std::move(out_);
    }

private:
    // The new module holds the old one's bytes, the resources and alignment gaps; anything that
    // would need more comes from header fields that lie.
    void copy_into(std::uint64_t position, std::span<const std::uint8_t> bytes) {
        if (bytes.empty()) return;
        grow_to(position + bytes.size());
        std::copy(bytes.begin(), bytes.end(), out_.begin() + static_cast<std::ptrdiff_t>(position));
    }
    void grow_to(std::uint64_t size) {
        if (size > size_limit_) throw Invalid{};
        if (out_.size() < size) out_.resize(static_cast<std::size_t>(size));
    }

    void read_headers() {
        if (module_.size() < pe::dos_header_size || module_[0] != 'M' || module_[1] != 'Z') throw Invalid{};
        nt_position_ = pe::get_u32(module_, 60);
        auto nt = pe::NtHeaders::parse(module_, nt_position_);
        if (!nt) throw Invalid{};
        nt_.emplace(std::move(*nt));
        // Section tables behind an optional header of another size are not where this writer
        // would put them back.
        if (nt_->size_of_optional_header() != nt_->size() - 4 - pe::file_header_size) throw Invalid{};
        file_alignment_ = nt_->file_alignment();
        section_alignment_ = nt_->section_alignment();
        constexpr std::uint32_t max_file_alignment = 0x10000;
        if (!power_of_two(file_alignment_) || file_alignment_ > max_file_alignment || !power_of_two(section_alignment_)) {
            throw Invalid{};
        }
        if (nt_->size_of_headers() > module_.size()) throw Invalid{};
        std::uint64_t resource_bytes = 0;
        for (const PlacedResource& resource : resources_) resource_bytes += resource.data.size() + 64;
        size_limit_ = module_.size() + resource_bytes + (max_pe_sections + 2) * std::uint64_t{file_alignment_} + 0x10000;

        const std::size_t count = nt_->number_of_sections();
        if (count > max_pe_sections) throw Invalid{};
        const std::uint64_t table = std::uint64_t{nt_position_} + nt_->size();
        if (table + count * pe::section_header_size > module_.size()) throw Invalid{};
        for (std::size_t i = 0; i < count; ++i) {
            const pe::Section section = pe::parse_section(
                module_.subspan(static_cast<std::size_t>(table + i * pe::section_header_size), pe::section_header_size));
            if (section.size_of_raw_data != 0 && raw_end(section) > module_.size()) throw Invalid{};
            sections_.push_back(section);
        }
        old_sections_ = sections_;

        for (std::size_t i = 0; i < pe::data_directory_count; ++i) {
            const pe::DataDirectory directory = nt_->directory(i);
            if (i == pe::certificate_directory) {
                // A file position, not an address.
                if (directory.virtual_address != 0 &&
                    std::uint64_t{directory.virtual_address} + directory.size > module_.size()) {
                    throw Invalid{};
                }
            } else if (std::uint64_t{directory.virtual_address} + directory.size > 0xFFFFFFFFu) {
                throw Invalid{};
            }
        }
    }

    void find_or_add_resource_section() {
        const pe::DataDirectory directory = nt_->directory(pe::resource_directory);
        if (directory.virtual_address != 0) {
            const auto found = std::find_if(sections_.begin(), sections_.end(), [&](const pe::Section& section) {
                return section.virtual_address == directory.virtual_address;
            });
            if (found == sections_.end()) throw Invalid{};
            resource_ = static_cast<std::size_t>(found - sections_.begin());
            old_raw_ = found->size_of_raw_data;
            old_virtual_ = found->virtual_size;
            if (found->size_of_raw_data == 0) {
                // A resource section without bytes in the file has no place there yet (its
                // position may well be 0, the DOS header): its data goes behind everything.
                found->pointer_to_raw_data = narrow(align_up(end_of_raw_data(), file_alignment_));
            }
            return;
        }

        if (sections_.size() + 1 > max_pe_sections) throw Invalid{};
        added_section_ = true;
        pe::Section added;
        const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
        std::copy(name, name + 8, added.name.begin());
        std::uint64_t end_in_memory = 0;
        for (const pe::Section& section : sections_) end_in_memory = std::max(end_in_memory, memory_end(section));
        const std::uint64_t end_in_file = end_of_raw_data();
        added.virtual_address = narrow(align_up(std::max<std::uint64_t>(end_in_memory, nt_->size_of_headers()),
                                                section_alignment_));
        added.pointer_to_raw_data = narrow(align_up(end_in_file, file_alignment_));
        added.characteristics = resource_section_characteristics;
        sections_.push_back(added);
        resource_ = sections_.size() - 1;
        nt_->set_number_of_sections(static_cast<std::uint16_t>(sections_.size()));
        nt_->set_directory(pe::resource_directory, pe::DataDirectory{added.virtual_address, 0});

        // The section table needs room that the headers may not have: then every section moves
        // up by whole file alignments and the headers grow with them, so the module still loads.
        std::uint64_t first_raw = nt_->size_of_headers();
        for (const pe::Section& section : old_sections_) {
            if (section.size_of_raw_data != 0) first_raw = std::min<std::uint64_t>(first_raw, section.pointer_to_raw_data);
        }
        const std::uint64_t table_end = std::uint64_t{nt_position_} + nt_->size() + sections_.size() * pe::section_header_size;
        if (table_end > first_raw) {
            shift_ = align_up(table_end - first_raw, file_alignment_);
            for (pe::Section& section : sections_) {
                if (section.pointer_to_raw_data != 0) section.pointer_to_raw_data = narrow(section.pointer_to_raw_data + shift_);
            }
            nt_->set_size_of_headers(narrow(nt_->size_of_headers() + shift_));
        }
    }

    // The end of the last section's bytes in the file (of the headers when no section has any).
    std::uint64_t end_of_raw_data() const {
        std::uint64_t end = nt_->size_of_headers();
        for (const pe::Section& section : old_sections_) {
            if (section.size_of_raw_data != 0) end = std::max(end, raw_end(section));
        }
        return end;
    }

    // Where a section's bytes lie in the module being read.
    std::span<const std::uint8_t> old_bytes(std::size_t index) const {
        const pe::Section& section = old_sections_[index];
        return module_.subspan(section.pointer_to_raw_data, section.size_of_raw_data);
    }

    void copy_headers_and_leading_sections() {
        // Everything before the first section's data: DOS header and stub, NT headers, the
        // section table and whatever the linker put behind it.
        std::uint64_t header_end = std::min<std::uint64_t>(nt_->size_of_headers() - shift_, module_.size());
        for (const pe::Section& section : old_sections_) {
            if (section.size_of_raw_data != 0) header_end = std::min<std::uint64_t>(header_end, section.pointer_to_raw_data);
        }
        copy_into(0, module_.first(static_cast<std::size_t>(header_end)));
        // The table written later may reach further than the old one.
        grow_to(nt_->size_of_headers());

        resource_position_ = sections_[resource_].pointer_to_raw_data;
        for (std::size_t i = 0; i < old_sections_.size(); ++i) {
            if (i == resource_ || old_sections_[i].size_of_raw_data == 0) continue;
            if (sections_[i].pointer_to_raw_data < resource_position_) {
                copy_into(sections_[i].pointer_to_raw_data, old_bytes(i));
            }
        }
    }

    void place_resources() {
        std::vector<const ResourceItem*> items;
        for (const PlacedResource& resource : resources_) items.push_back(resource.item);
        ResourceDirectoryBlock block = build_resource_directory(items);

        const std::uint32_t section_rva = sections_[resource_].virtual_address;
        std::uint64_t position = resource_position_ + block.bytes.size();
        std::uint64_t end = position;
        for (std::size_t i = 0; i < resources_.size(); ++i) {
            const std::span<const std::uint8_t> data = resources_[i].data.bytes();
            const std::size_t entry = block.data_entries[i];
            pe::put_u32(block.bytes, entry, narrow(section_rva + (position - resource_position_)));
            pe::put_u32(block.bytes, entry + 4, narrow(data.size()));
            copy_into(position, data);
            end = position + data.size();
            position = align_up(end, 4);
        }
        copy_into(resource_position_, block.bytes);

        resource_size_ = narrow(end - resource_position_);
        new_raw_ = narrow(align_up(resource_size_, file_alignment_));
        new_virtual_extent_ = align_up(resource_size_, section_alignment_);
        grow_to(resource_position_ + new_raw_);
        out_.resize(static_cast<std::size_t>(resource_position_ + new_raw_));
    }

    void move_following_sections() {
        const pe::Section resource = sections_[resource_];
        raw_delta_ = static_cast<std::int64_t>(new_raw_) - static_cast<std::int64_t>(align_up(old_raw_, file_alignment_));
        virtual_delta_ = static_cast<std::int64_t>(new_virtual_extent_) -
                         static_cast<std::int64_t>(align_up(old_virtual_, section_alignment_));
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            if (i == resource_) continue;
            pe::Section& section = sections_[i];
            if (section.virtual_address > resource.virtual_address) {
                section.virtual_address = moved(section.virtual_address, virtual_delta_);
            }
            if (section.size_of_raw_data != 0 && section.pointer_to_raw_data > resource_position_) {
                section.pointer_to_raw_data = moved(section.pointer_to_raw_data, raw_delta_);
                copy_into(section.pointer_to_raw_data, old_bytes(i));
            }
        }
        for (std::size_t i = 0; i < pe::data_directory_count; ++i) {
            if (i == pe::resource_directory || i == pe::certificate_directory) continue;
            pe::DataDirectory directory = nt_->directory(i);
            if (directory.virtual_address > resource.virtual_address) {
                directory.virtual_address = moved(directory.virtual_address, virtual_delta_);
                nt_->set_directory(i, directory);
            }
        }
    }

    // Data behind the last section (an installer's payload, debugging symbols) follows the new
    // layout. A certificate table signs the old bytes, so it is dropped.
    void carry_overlay() {
        std::uint64_t old_end = 0;
        for (const pe::Section& section : old_sections_) {
            if (section.size_of_raw_data != 0) old_end = std::max(old_end, raw_end(section));
        }
        old_end = std::max<std::uint64_t>(old_end, std::min<std::uint64_t>(nt_->size_of_headers() - shift_, module_.size()));
        std::uint64_t overlay_end = module_.size();
        const pe::DataDirectory certificate = nt_->directory(pe::certificate_directory);
        if (certificate.virtual_address != 0) {
            if (certificate.virtual_address >= old_end) overlay_end = certificate.virtual_address;
            nt_->set_directory(pe::certificate_directory, pe::DataDirectory{});
        }
        const std::uint64_t new_end = out_.size();
        if (overlay_end > old_end) {
            copy_into(new_end, module_.subspan(static_cast<std::size_t>(old_end),
                                                     static_cast<std::size_t>(overlay_end - old_end)));
        }
        const std::uint32_t symbols = nt_->pointer_to_symbol_table();
        if (symbols != 0 && symbols >= old_end) {
            nt_->set_pointer_to_symbol_table(moved(symbols, static_cast<std::int64_t>(new_end) - static_cast<std::int64_t>(old_end)));
        }
    }

    void update_headers() {
        pe::Section& resource = sections_[resource_];
        resource.virtual_size = resource_size_;
        resource.size_of_raw_data = new_raw_;
        nt_->set_directory(pe::resource_directory, pe::DataDirectory{resource.virtual_address, resource_size_});
        nt_->set_size_of_initialized_data(
            static_cast<std::uint32_t>(nt_->size_of_initialized_data() + new_raw_ - old_raw_));

        // The image ends where the last section ends in memory.
        std::uint64_t image_end = nt_->size_of_headers();
        for (const pe::Section& section : sections_) image_end = std::max(image_end, memory_end(section));
        nt_->set_size_of_image(narrow(align_up(image_end, section_alignment_)));
    }

    void write_headers() {
        copy_into(nt_position_, nt_->bytes());
        std::vector<std::uint8_t> table(sections_.size() * pe::section_header_size);
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            pe::write_section(sections_[i], std::span(table).subspan(i * pe::section_header_size, pe::section_header_size));
        }
        copy_into(nt_position_ + nt_->size(), table);
    }

    std::span<const std::uint8_t> module_;
    std::span<const PlacedResource> resources_;
    std::vector<std::uint8_t> out_;
    std::uint64_t size_limit_ = 0;

    std::uint32_t nt_position_ = 0;
    std::optional<pe::NtHeaders> nt_;
    std::uint32_t file_alignment_ = 0;
    std::uint32_t section_alignment_ = 0;
    std::vector<pe::Section> sections_;
    std::vector<pe::Section> old_sections_;  // as read (without the added section)

    std::size_t resource_ = 0;
    bool added_section_ = false;
    std::uint64_t shift_ = 0;
    std::uint32_t old_raw_ = 0;
    std::uint32_t old_virtual_ = 0;
    std::uint64_t resource_position_ = 0;
    std::uint32_t resource_size_ = 0;
    std::uint32_t new_raw_ = 0;
    std::uint64_t new_virtual_extent_ = 0;
    std::int64_t raw_delta_ = 0;
    std::int64_t virtual_delta_ = 0;
};

}  // namespace

Result<std::vector<std::uint8_t>> rebuild_module(std::span<const std::uint8_t> module,
                                                 std::span<const PlacedResource> resources) {
    try {
        return Rebuild(module, resources).run();
    } catch (const Invalid&) {
        return Error{};
    }
}

}  // namespace tavorin
