#pragma once
// Ids of the program's own resources (data/tavorin.rc).

namespace tavorin::resource_id {

inline constexpr int program_icon = 100;

}  // namespace tavorin::resource_id
