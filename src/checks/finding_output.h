#pragma once
// Findings written for people and tools: compiler-style lines, one JSON object per line, or a
// SARIF 2.1.0 log.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "checks/finding.h"

namespace tavorin {

// How a file is named in the output (relative to the working folder, for example).
using PathShower = std::function<std::string(const std::filesystem::path&)>;

// "app.rc(42): warning TV2001: MESSAGE" for a script; "app.dll: warning TV2001: DIALOG 101
// [0x0409] (record 12): MESSAGE" for compiled input.
void write_finding_line(std::ostream& out, const Finding& finding, const PathShower& show);

// {"check":"TV2001","severity":"warning","file":"app.rc","line":42,"resource":{...},"item":...,
// "message":...} followed by a line break.
void write_finding_json(std::ostream& out, const Finding& finding, const PathShower& show);

// One SARIF run with the catalog's checks as rules and every finding as a result.
void write_sarif(std::ostream& out, const Findings& findings, const PathShower& show, std::string_view tool_version);

// A text as a JSON string literal (with its quotes).
std::string json_string(std::string_view utf8);

}  // namespace tavorin
