#pragma once
// The reading hooks of the statements whose bodies other modules read: DIALOG/DIALOGEX,
// MENU/MENUEX, VERSIONINFO and TOOLBAR. The statement loop reads the resource header (the name
// and the type keyword) and calls the hook with the position just after the keyword.
//
// The contract of a hook:
//
//  - It reads from context.lexer() starting at `pos` and returns the position after the
//    statement (after its END or "}"). Everything it reads goes through the lexer, so white
//    space and continuations are handled there.
//  - It fails by returning an Error. When the error came from a lexer operation, return it as
//    it is: the loop reports the line of the lexer's failure position. For an error of its own,
//    return context.fail(pos, message), which remembers `pos` for the line. The loop adds the
//    file being read and the line and ends the reading; nothing the hook created survives.
//  - Optional LANGUAGE statements between the keyword and the body are read with
//    context.read_language_statements(pos); they change the current language for this
//    resource and every later statement.
//  - It creates its resource with context.start_resource(...) BEFORE reading the body. That
//    registers the header's name exactly as the loop does for every statement
//    (SymbolTable::register_resource_name with the resource's kind, the string-name flag, the
//    numeric name's value as the wanted value, and the current language), gives the resource
//    its name and language; when another resource of its type and language has that name (or
//    its number), the loop fails the reading once the statement is read, as a duplicate.
//    Controls and items then register their ids against the returned resource
//    (SymbolTable::register_control_id / register_item_id). The context keeps the resource and
//    the loop adds it to the project (Project::add_resource) once the hook has returned
//    successfully; a hook starts at most one resource.
//  - A dialog's MENU statement is not resolved by the hook: it hands a MenuLinkRequest to
//    context.request_menu_link(...); after the last statement the loop finds the menu and calls
//    the request's callback with the menu's name; when no menu matches, the dialog keeps the
//    menu as written.
//  - context.extended() tells DIALOGEX from DIALOG and MENUEX from MENU.
//  - context.workspace() gives the project, symbols, strings, configuration and message log;
//    warnings go to workspace().log() at level 1. A hook never touches a window: the reading may
//    run on a worker thread.
//  - File names in statements are relative to context.script_folder() (also inside included
//    scripts); context.resolve_file_name() applies that.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/result.h"
#include "model/resource.h"

namespace tavorin {

class Lexer;
class Workspace;

// The header of a resource statement, as the loop read it.
struct ResourceHeader {
    // The name as the resource will carry it: a macro's name when the numeric name came from
    // one, the decimal text of a plain number, or a string name without quotes.
    std::u16string name;
    bool string_name = false;
    // The numeric value of a numeric name: what register_resource_name is asked to keep.
    std::optional<std::int32_t> wanted_value;
    // The position of the name in the preprocessed text.
    std::size_t position = 0;
};

// A dialog's MENU statement, resolved after the last statement.
struct MenuLinkRequest {
    // The statement's menu as written (after macro expansion): a name, or a number.
    std::u16string menu_text;
    // The number when the statement gave one of 1 or more: the menu whose ordinal equals it is
    // linked. Otherwise the menu whose name equals menu_text (without regard to case).
    std::optional<std::uint16_t> menu_number;
    // Receives the linked menu's name; not called when no menu matched.
    std::function<void(std::u16string_view menu_name)> set_menu_name;
};

class StatementContext {
public:
    StatementContext() = default;
    StatementContext(const StatementContext&) = delete;
    StatementContext& operator=(const StatementContext&) = delete;
    virtual ~StatementContext() = default;

    virtual Workspace& workspace() = 0;
    virtual Lexer& lexer() = 0;
    // The script file the statement is in (an included script's own path inside it).
    virtual const std::filesystem::path& file() const = 0;
    // The folder of the opened script: relative file names in statements start there.
    virtual const std::filesystem::path& script_folder() const = 0;
    // A file name from a statement, made absolute against script_folder() when relative.
    virtual std::filesystem::path resolve_file_name(std::u16string_view name) const = 0;

    virtual const ResourceHeader& header() const = 0;
    // DIALOGEX rather than DIALOG, MENUEX rather than MENU.
    virtual bool extended() const = 0;

    // The language new resources take; changed by LANGUAGE statements.
    virtual std::uint16_t language() const = 0;
    // Any number of `LANGUAGE primary, sub` statements; returns the position after them.
    virtual Result<std::size_t> read_language_statements(std::size_t pos) = 0;

    // Registers the header's name for the resource (see above) and keeps the resource until the
    // loop adds it to the project. Returns the resource for the hook to fill.
    template <typename R>
    R& start_resource(std::unique_ptr<R> resource) {
        R& started = *resource;
        start(std::unique_ptr<Resource>(std::move(resource)));
        return started;
    }

    virtual void request_menu_link(MenuLinkRequest request) = 0;

    // A part of the statement a save may replace alone, between two positions of the text: a
    // dialog notes where its BEGIN is (begin and end there), then each control statement.
    virtual void note_statement_part(std::size_t begin, std::size_t end) = 0;

    // An error of the hook's own at `pos`: the loop reports that position's line.
    virtual Error fail(std::size_t pos, std::u16string message) = 0;

protected:
    virtual void start(std::unique_ptr<Resource> resource) = 0;
};

// The hooks. `pos` is just after the type keyword; each returns the position after the
// statement.
Result<std::size_t> read_dialog(StatementContext& context, std::size_t pos);
Result<std::size_t> read_menu(StatementContext& context, std::size_t pos);
Result<std::size_t> read_version_information(StatementContext& context, std::size_t pos);
Result<std::size_t> read_toolbar(StatementContext& context, std::size_t pos);

}  // namespace tavorin
