#pragma once
// What the dialog tests share: a session with a scripted platform and a dialog to put controls in.

#include <memory>
#include <string>

#include "app/session.h"
#include "dialog/dialog.h"
#include "platform/scripted_platform.h"

namespace tavorin::testing {

class DialogFixture {
public:
    DialogFixture() : dialog(std::make_unique<Dialog>(session.workspace(), true)) { dialog->set_style(0x90C808CC, 0); }

    // A control as a script would give it: with identifier (and its value) and rectangle.
    Control& add(ControlKind kind, std::uint32_t style, std::u16string text = {}, std::uint32_t extended_style = 0,
                 std::u16string identifier = u"IDC_X", std::u16string class_name = {}) {
        const std::int32_t value = identifier == u"IDC_STATIC" ? -1 : 1000;
        const ControlRecord record{kind,       std::move(text),     std::nullopt, std::move(identifier),
                                   value,      7,                   9,            50,
                                   14,         style,               extended_style, -1,
                                   std::move(class_name), {}};
        return **dialog->add_control(record);
    }

    std::u16string statement(const Control& control) const {
        TextWriter out;
        control.write_statement(out, session.control_catalog().entry(control.kind()));
        return out.take();
    }

    std::u16string script() const {
        TextWriter out(session.config().pascal);
        dialog->write_script_text(out, session.workspace());
        return out.take();
    }

    ScriptedPlatform platform;
    Session session{platform};
    std::unique_ptr<Dialog> dialog;
};

}  // namespace tavorin::testing
