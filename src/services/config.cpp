#include "services/config.h"

namespace tavorin {

void set_header_name(Config& config, std::u16string_view name) {
    if (name.empty()) name = u"resource.h";
    config.header_name = std::u16string(name.substr(0, Config::max_header_name));
}

}  // namespace tavorin
