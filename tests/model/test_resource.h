#pragma once
// A minimal resource kind for the model's tests: opaque bytes, a one-line script text, and a
// switch that makes it refuse removal.

#include <cstdint>
#include <string>
#include <vector>

#include "model/resource.h"

namespace tavorin {

class TestResource : public Resource {
public:
    explicit TestResource(ResourceKind kind, std::u16string name = {}, bool string_name = false,
                          std::u16string custom_type_name = {})
        : Resource(kind, std::move(custom_type_name)) {
        identity().name = std::move(name);
        identity().string_name = string_name;
    }

    Status serialize(BinaryBuffer& out) const override {
        out.write_bytes(data);
        return success();
    }
    void write_script_text(TextWriter& out, const Workspace&) const override { out.write(name_text()); }
    bool can_remove() override { return removable; }
    void removing_from(Project&) override { ++removing_calls; }

    std::vector<std::uint8_t> data;
    bool removable = true;
    int removing_calls = 0;
};

}  // namespace tavorin
