#pragma once
// What the statement reader tests share: a session on a scripted platform, the tables a reading
// needs, a fresh folder for scripts, and a reading through open_script.

#include <filesystem>
#include <string>
#include <string_view>

#include "app/session.h"
#include "platform/scripted_platform.h"
#include "resources/image/image_numbers.h"
#include "script/open_script.h"
#include "script/script_tables.h"
#include "script_harness.h"

namespace tavorin::testing {

class StatementHarness {
public:
    StatementHarness() : session(platform) {}

    // Writes the script as app.rc in the folder and opens it.
    ReadStatus read(std::string_view script) { return open(folder.write("app.rc", script)); }
    ReadStatus open(const std::filesystem::path& path) {
        return open_script(session.workspace(), tables, image_numbers, path, &problems_added);
    }

    Project& project() { return session.project(); }
    // The only resource of the kind with the name, or null.
    Resource* find(ResourceKind kind, std::u16string_view name) {
        Resource* found = nullptr;
        for (Resource* resource : project().resources_of_kind(kind)) {
            if (resource->name_text() == name) found = resource;
        }
        return found;
    }

    ScriptedPlatform platform;
    // Declared before the session: the project's icon groups refer to the image numbers.
    ScriptTables tables;
    ImageNumbers image_numbers;
    Session session;
    ScriptFolder folder;
    bool problems_added = false;
};

}  // namespace tavorin::testing
