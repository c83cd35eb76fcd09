#include "resources/rawdata/win32/text_editor.h"

#include <commctrl.h>

#include "services/string_ids.h"
#include "base/text.h"
#include "base/text_search.h"
#include "model/undo_history.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

constexpr UINT_PTR edit_subclass = 1;

// The rows this editor adds to the grid.
enum Row : std::size_t { category_row, charset_row, check_row };

std::u16string window_text(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return from_wide(text);
}

bool clipboard_has_text() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

// Replaces part of a resource's shown text; what the undo and redo of a text change do. It
// holds the resource and the site, not the editor, which may be closed by then.
TextReplacer stored_text_replacer(RawDataResource& resource, EditorSite& site, const RawEditorServices& services) {
    return [&resource, &site, decode = services.ansi_decode, encode = services.ansi_encode](
               std::size_t position, std::size_t length, const std::u16string& text, std::size_t caret) {
        resource.set_bytes(edit_stored_text(resource.bytes(), position, length, text, decode, encode));
        site.content_changed(resource, caret);
    };
}

}  // namespace

TextResourceEditor::TextResourceEditor(RawDataResource& resource, EditorSite& site, RawEditorServices services)
    : resource_(resource), site_(site), services_(std::move(services)) {}

TextResourceEditor::~TextResourceEditor() {
    if (edit_) RemoveWindowSubclass(edit_.get(), edit_procedure, edit_subclass);
}

std::unique_ptr<TextResourceEditor> TextResourceEditor::create(RawDataResource& resource, EditorSite& site, HWND area,
                                                               HINSTANCE instance, HFONT font,
                                                               RawEditorServices services) {
    std::unique_ptr<TextResourceEditor> editor(new TextResourceEditor(resource, site, std::move(services)));
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                                WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                    ES_NOHIDESEL | ES_WANTRETURN,
                                0, 0, 0, 0, area, nullptr, instance, nullptr);
    if (edit == nullptr) return nullptr;
    editor->edit_.reset(edit);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // No length limit: the default of 32,767 characters would cut longer pages.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, edit_procedure, edit_subclass, reinterpret_cast<DWORD_PTR>(editor.get()));
    editor->reload(0);
    return editor;
}

void TextResourceEditor::reload(std::size_t where) {
    const TextViewContent content = shown_text_of(resource_.bytes(), services_.ansi_decode);
    charset_ = content.charset;
    const int first_line = static_cast<int>(SendMessageW(edit_.get(), EM_GETFIRSTVISIBLELINE, 0, 0));
    updating_ = true;
    if (content.text != text_ || window_text(edit_.get()) != content.text) {
        text_ = content.text;
        SetWindowTextW(edit_.get(), wide(text_).c_str());
    }
    SendMessageW(edit_.get(), EM_SETMODIFY, FALSE, 0);
    // The view stays where it was unless the change is out of sight.
    SendMessageW(edit_.get(), EM_LINESCROLL, 0, first_line);
    const auto at = static_cast<WPARAM>(std::min(where, text_.size()));
    SendMessageW(edit_.get(), EM_SETSEL, at, static_cast<LPARAM>(at));
    SendMessageW(edit_.get(), EM_SCROLLCARET, 0, 0);
    updating_ = false;
    show_caret_position();
}

std::size_t TextResourceEditor::caret() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

void TextResourceEditor::show_caret_position() {
    const CaretPosition position = caret_position(text_, caret());
    site_.show_editor_status(fill_placeholders(services_.text(str::caret_line_column),
                                               decimal(static_cast<std::int64_t>(position.line)),
                                               decimal(static_cast<std::int64_t>(position.column))));
}

// The edit box changed its text: the change goes into the resource and the history, typing
// extending the entry it began.
void TextResourceEditor::take_change() {
    if (updating_ || SendMessageW(edit_.get(), EM_GETMODIFY, 0, 0) == 0) return;
    SendMessageW(edit_.get(), EM_SETMODIFY, FALSE, 0);
    record_change(services_.text(str::action_typing), true);
}

// What the edit box shows now, against what it showed, as one step of the history; typing may
// extend the step it began, any other change is a step of its own.
void TextResourceEditor::record_change(std::u16string name, bool typing) {
    std::u16string now = window_text(edit_.get());
    const TextEdit edit = text_difference(text_, now, caret());
    text_ = std::move(now);
    if (edit.removed.empty() && edit.inserted.empty()) return;
    resource_.set_bytes(store_text_view(text_, charset_, services_.ansi_encode));
    UndoHistory& history = site_.history(resource_);
    auto* last = dynamic_cast<TextEditAction*>(history.newest());
    if (!typing || last == nullptr || last->owner() != &resource_ || !last->extend(edit)) {
        auto action = std::make_unique<TextEditAction>(std::move(name), &resource_,
                                                       stored_text_replacer(resource_, site_, services_), edit);
        if (!typing) action->close();
        history.record(std::move(action));
    }
    site_.content_changed(resource_, caret());
    site_.editor_state_changed();
}

void TextResourceEditor::replace_selection(const std::u16string& with, std::uint32_t action_name) {
    close_typing();
    updating_ = true;
    SendMessageW(edit_.get(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(with).c_str()));
    SendMessageW(edit_.get(), EM_SETMODIFY, FALSE, 0);
    updating_ = false;
    record_change(services_.text(action_name), false);
    show_caret_position();
}

// ---------------------------------------------------------------------------------------------
// Find and replace

// Selects the next occurrence after the selection (before it, backward), wrapping round the
// ends; tells the user when there is none.
bool TextResourceEditor::find_next(const FindRequest& request) {
    last_search_ = request;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const TextSearch search{request.what, request.match_case, request.forward};
    auto at = find_in_text(text_, request.forward ? end : start, search);
    if (!at) at = find_in_text(text_, request.forward ? 0 : text_.size(), search);
    if (!at) {
        services_.tell(fill_placeholders(services_.text(str::text_not_found), request.what), false);
        return false;
    }
    close_typing();
    SendMessageW(edit_.get(), EM_SETSEL, static_cast<WPARAM>(*at), static_cast<LPARAM>(*at + request.what.size()));
    SendMessageW(edit_.get(), EM_SCROLLCARET, 0, 0);
    show_caret_position();
    site_.editor_state_changed();
    return true;
}

void TextResourceEditor::carry_out(const FindRequest& request) {
    switch (request.action) {
        case FindRequest::Action::find_next:
            find_next(request);
            break;
        case FindRequest::Action::replace: {
            // The selection is replaced when it is an occurrence, then the next one is found.
            DWORD start = 0;
            DWORD end = 0;
            SendMessageW(edit_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            const std::u16string_view selected = std::u16string_view(text_).substr(start, end - start);
            if (!selected.empty() && selected.size() == request.what.size() &&
                find_in_text(selected, 0, TextSearch{request.what, request.match_case, true}) == 0u) {
                replace_selection(request.with, str::action_replace);
            }
            find_next(request);
            break;
        }
        case FindRequest::Action::replace_all: {
            const TextReplacement replaced = replace_in_text(text_, request.what, request.with, request.match_case);
            if (replaced.count > 0) {
                SendMessageW(edit_.get(), EM_SETSEL, 0, -1);
                replace_selection(replaced.text, str::action_replace_all);
                SendMessageW(edit_.get(), EM_SETSEL, 0, 0);
                SendMessageW(edit_.get(), EM_SCROLLCARET, 0, 0);
            }
            services_.tell(fill_placeholders(services_.text(str::occurrences_replaced),
                                             decimal(static_cast<std::int64_t>(replaced.count))),
                           false);
            break;
        }
    }
}

// A caret moved by the user ends the typing entry: typing elsewhere is a new step.
void TextResourceEditor::close_typing() {
    if (auto* last = dynamic_cast<TextEditAction*>(site_.history(resource_).newest()); last && last->owner() == &resource_) {
        last->close();
    }
}

LRESULT CALLBACK TextResourceEditor::edit_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                                    UINT_PTR, DWORD_PTR data) noexcept {
    try {
        return reinterpret_cast<TextResourceEditor*>(data)->on_edit_message(window, message, wparam, lparam);
    } catch (...) {
        return 0;
    }
}

LRESULT TextResourceEditor::on_edit_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (find_box_.is_box_message(message)) {
        if (const auto request = find_box_.take(lparam)) carry_out(*request);
        return 0;
    }
    const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (message) {
        case WM_CHAR:
            // The shell's shortcuts run Undo, Cut, Copy, Paste and Select All; the edit box's own
            // answers to those control characters would run them twice. Ctrl+F and Ctrl+H (which
            // the box would take for a Backspace) open the find boxes.
            if (wparam == 0x1A || wparam == 0x19 || wparam == 0x18 || wparam == 0x03 || wparam == 0x16 ||
                wparam == 0x01 || wparam == 0x06 || (wparam == 0x08 && control)) {
                return 0;
            }
            break;
        case WM_UNDO:
        case EM_UNDO:
            return 0;  // the history undoes, not the edit box
        case WM_LBUTTONDOWN:
            close_typing();
            break;
        case WM_KEYDOWN:
            if (control && (wparam == 'F' || wparam == 'H')) {
                find_box_.open(window, wparam == 'H');
                return 0;
            }
            if (wparam == VK_F3 && last_search_) {
                FindRequest again = *last_search_;
                again.action = FindRequest::Action::find_next;
                find_next(again);
                return 0;
            }
            if (wparam == VK_LEFT || wparam == VK_RIGHT || wparam == VK_UP || wparam == VK_DOWN || wparam == VK_HOME ||
                wparam == VK_END || wparam == VK_PRIOR || wparam == VK_NEXT) {
                close_typing();
            }
            break;
        default:
            break;
    }
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    switch (message) {
        case WM_CHAR:
        case WM_KEYDOWN:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case EM_REPLACESEL:
            take_change();
            show_caret_position();
            break;
        case WM_LBUTTONUP:
        case WM_LBUTTONDOWN:
        case WM_KEYUP:
            show_caret_position();
            site_.editor_state_changed();
            break;
        default:
            break;
    }
    return result;
}

EditorCommands TextResourceEditor::commands() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selection = end > start;
    EditorCommands commands;
    commands.cut = selection;
    commands.copy = selection;
    commands.clear = selection;
    commands.paste = clipboard_has_text();
    commands.select_all = !text_.empty();
    commands.find = !text_.empty();
    return commands;
}

void TextResourceEditor::execute(EditorCommand command) {
    HWND edit = edit_.get();
    switch (command) {
        case EditorCommand::cut: SendMessageW(edit, WM_CUT, 0, 0); break;
        case EditorCommand::copy: SendMessageW(edit, WM_COPY, 0, 0); break;
        case EditorCommand::paste: SendMessageW(edit, WM_PASTE, 0, 0); break;
        case EditorCommand::clear: SendMessageW(edit, WM_CLEAR, 0, 0); break;
        case EditorCommand::select_all: SendMessageW(edit, EM_SETSEL, 0, -1); break;
        case EditorCommand::find: find_box_.open(edit, false); break;
    }
    site_.editor_state_changed();
}

std::vector<PropertyRow> TextResourceEditor::properties() const {
    std::vector<PropertyRow> rows;
    PropertyRow category;
    category.name = services_.text(str::category_content);
    category.flags = property_flag::category | property_flag::expanded;
    rows.push_back(category);
    PropertyRow charset;
    charset.name = services_.text(str::property_charset);
    charset.help = services_.text(str::charset_help);
    charset.flags = property_flag::fixed_choices;
    charset.choices = {u"ANSI", u"UNICODE"};
    charset.choice = charset_ == TextCharset::unicode ? 1 : 0;
    charset.value = charset.choices[static_cast<std::size_t>(charset.choice)];
    rows.push_back(charset);
    if (resource_.kind() == kind::manifest) {
        PropertyRow check;
        check.name = services_.text(str::check_xml);
        check.flags = property_flag::link;
        rows.push_back(check);
    }
    return rows;
}

void TextResourceEditor::set_property(std::size_t index, const std::u16string&, int choice) {
    if (index == charset_row && (choice == 0 || choice == 1)) {
        set_charset(choice == 1 ? TextCharset::unicode : TextCharset::ansi);
    }
}

void TextResourceEditor::property_button(std::size_t index) {
    if (index == check_row) check_xml_now();
}

// The same text stored in the other charset, as one undoable step.
void TextResourceEditor::set_charset(TextCharset charset) {
    if (charset == charset_) return;
    std::vector<std::uint8_t> before = resource_.bytes();
    std::vector<std::uint8_t> after = store_text_view(text_, charset, services_.ansi_encode);
    RawDataResource& resource = resource_;
    EditorSite& site = site_;
    const auto set = [&resource, &site](const std::vector<std::uint8_t>& bytes) {
        resource.set_bytes(bytes);
        site.content_changed(resource, 0);
    };
    resource_.set_bytes(after);
    charset_ = charset;
    site_.history(resource_).record(std::make_unique<ReplaceBytesAction>(services_.text(str::action_change_charset), set,
                                                                std::move(before), std::move(after)));
    site_.content_changed(resource_, caret());
    site_.properties_changed();
}

void TextResourceEditor::check_xml_now() {
    if (const auto problem = check_xml(text_)) {
        services_.tell(fill_placeholders(services_.text(str::xml_malformed), decimal(problem->line), problem->message),
                       true);
        // Put the caret on the faulty line.
        const LRESULT start = SendMessageW(edit_.get(), EM_LINEINDEX, static_cast<WPARAM>(problem->line - 1), 0);
        if (start >= 0) {
            SendMessageW(edit_.get(), EM_SETSEL, static_cast<WPARAM>(start), start);
            SendMessageW(edit_.get(), EM_SCROLLCARET, 0, 0);
            show_caret_position();
        }
        return;
    }
    services_.tell(services_.text(str::xml_well_formed), false);
}

}  // namespace tavorin
