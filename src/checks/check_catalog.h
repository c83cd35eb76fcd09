#pragma once
// Every check: its id, its severity and the one-line description that the help lists.

#include <span>
#include <string_view>

#include "checks/finding.h"

namespace tavorin {

struct CheckInfo {
    std::string_view id;
    Severity severity;
    std::string_view description;
};

std::span<const CheckInfo> all_checks();
// The check with this id (compared without regard to case), or null.
const CheckInfo* find_check(std::string_view id);

}  // namespace tavorin
