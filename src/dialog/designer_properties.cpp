#include "dialog/designer_properties.h"

#include <array>

namespace tavorin {

namespace {

using C = PropertyCategory;
using E = PropertyEditor;
using K = ControlKind;
using P = PropertyId;

constexpr StyleBinding flag(std::uint32_t mask) { return {StyleField::style, mask, mask, 0}; }
// A flag that is yes while its bits are clear.
constexpr StyleBinding inverted(std::uint32_t mask) { return {StyleField::style, mask, 0, mask}; }
// A flag that is one value of a field, and writes `off` when switched off.
constexpr StyleBinding field_value(std::uint32_t mask, std::uint32_t on, std::uint32_t off) {
    return {StyleField::style, mask, on, off};
}
constexpr StyleBinding extended_flag(std::uint32_t mask) { return {StyleField::extended_style, mask, mask, 0}; }
constexpr StyleBinding choice(std::uint32_t mask, std::span<const PropertyChoice> choices) {
    return {StyleField::style, mask, 0, 0, choices};
}
constexpr StyleBinding coded(StyleCodec codec, std::uint32_t mask, std::span<const PropertyChoice> choices = {}) {
    return {StyleField::style, mask, 0, 0, choices, codec};
}

constexpr PropertyDescriptor header(std::u16string_view name, C category) {
    return {name, category, E::category, {}, {}};
}
constexpr PropertyDescriptor yes_no(C category, std::u16string_view name, StyleBinding binding,
                                    std::u16string_view help) {
    return {name, category, E::flag, binding, help};
}
constexpr PropertyDescriptor one_of(C category, std::u16string_view name, StyleBinding binding,
                                    std::u16string_view help) {
    return {name, category, E::choice, binding, help};
}
constexpr PropertyDescriptor text(C category, std::u16string_view name, std::u16string_view help) {
    return {name, category, E::text, {}, help};
}
constexpr PropertyDescriptor number(std::u16string_view name, std::u16string_view help) {
    return {name, C::position, E::number, {}, help};
}

constexpr PropertyChoice scroll_top_bottom[] = {{u"None", 0}, {u"Top", 0x2}, {u"Bottom", 0x4}};
constexpr PropertyChoice scroll_left_right[] = {{u"None", 0}, {u"Left", 0x2}, {u"Right", 0x4}};
constexpr PropertyChoice spin_alignments[] = {{u"Unattached", 0}, {u"Right", 0x4}, {u"Left", 0x8}};
constexpr PropertyChoice list_view_alignments[] = {{u"Top", 0}, {u"Left", 0x800}};
constexpr PropertyChoice rebar_alignments[] = {
    {u"Default", 0}, {u"Top", 0x1}, {u"Bottom", 0x3}, {u"Left", 0x81}, {u"Right", 0x83}};
constexpr PropertyChoice text_alignments[] = {{u"Left", 0}, {u"Center", 0x1}, {u"Right", 0x2}};
constexpr PropertyChoice horizontal_alignments[] = {
    {u"Default", 0}, {u"Left", 0x100}, {u"Right", 0x200}, {u"Center", 0x300}};
constexpr PropertyChoice vertical_alignments[] = {
    {u"Default", 0}, {u"Top", 0x400}, {u"Bottom", 0x800}, {u"Center", 0xC00}};
constexpr PropertyChoice picture_colours[] = {{u"Black", 0}, {u"Gray", 1}, {u"White", 2}, {u"Etched", 3}};
constexpr PropertyChoice picture_types[] = {
    {u"Frame", 0}, {u"Rectangle", 1}, {u"Icon", 2}, {u"Bitmap", 3}, {u"Enhanced Metafile", 4}};
constexpr PropertyChoice tab_focus[] = {{u"Default", 0}, {u"On Button Down", 0x1000}, {u"Never", 0x8000}};
// DTS_TIMEFORMAT is 0x9: choosing the time format also sets DTS_UPDOWN.
constexpr PropertyChoice date_formats[] = {
    {u"Short Date", 0}, {u"Long Date", 0x4}, {u"Time", 0x9}, {u"Short Date Century", 0xC}};
constexpr PropertyChoice horizontal_vertical[] = {{u"Horizontal", 0}, {u"Vertical", 0x1}};
constexpr PropertyChoice slider_orientations[] = {{u"Horizontal", 0}, {u"Vertical", 0x2}};
constexpr PropertyChoice spin_orientations[] = {{u"Vertical", 0}, {u"Horizontal", 0x40}};
constexpr PropertyChoice progress_orientations[] = {{u"Horizontal", 0}, {u"Vertical", 0x4}};
constexpr PropertyChoice slider_points[] = {{u"Both", 0x8}, {u"Top/Left", 0x4}, {u"Bottom/Right", 0}};
constexpr PropertyChoice tab_styles[] = {{u"Normal", 0}, {u"Fixed Width", 0x400}, {u"Ragged Right", 0x800}};
constexpr PropertyChoice combo_types[] = {{u"Simple", 0x1}, {u"Dropdown", 0x2}, {u"Drop List", 0x3}};
constexpr PropertyChoice views[] = {{u"Icon", 0}, {u"Report", 0x1}, {u"Small Icon", 0x2}, {u"List", 0x3}};
constexpr PropertyChoice owner_draw_kinds[] = {{u"No", 0}, {u"Fixed", 0x10}, {u"Variable", 0x20}};
constexpr PropertyChoice selections[] = {{u"Single", 0}, {u"Multiple", 0x8}, {u"Extended", 0x800}, {u"None", 0x4000}};
constexpr PropertyChoice sort_orders[] = {{u"None", 0}, {u"Ascending", 0x10}, {u"Descending", 0x20}};

constexpr std::array<PropertyDescriptor, designer_property_count> table = {{
    header(u"Appearance", C::appearance),
    yes_no(C::appearance, u"Act Like Push Button", flag(0x1000), u"Makes the button look and act like a push button."),
    one_of(C::appearance, u"Align", choice(0x6, scroll_top_bottom),
           u"Aligns a horizontal scroll bar with the top or bottom of its rectangle."),
    one_of(C::appearance, u"Align", choice(0x6, scroll_left_right),
           u"Aligns a vertical scroll bar with the left or right of its rectangle."),
    one_of(C::appearance, u"Alignment", choice(0xC, spin_alignments),
           u"Attaches the spin control to the right or left of its buddy window."),
    one_of(C::appearance, u"Alignment", choice(0xC00, list_view_alignments),
           u"Aligns the items with the top or the left of the view."),
    one_of(C::appearance, u"Alignment", choice(0x83, rebar_alignments),
           u"Places the rebar at the top, bottom, left or right of its parent."),
    one_of(C::appearance, u"Align Text", choice(0x3, text_alignments),
           u"Aligns the text to the left, the centre or the right."),
    yes_no(C::appearance, u"Allow Edit", flag(0x10), u"Lets the user type a date and time."),
    yes_no(C::appearance, u"Always Show Selection", flag(0x8),
           u"Keeps the selection visible when the control loses the focus."),
    yes_no(C::appearance, u"Always Show Selection", flag(0x20),
           u"Keeps the selection visible when the control loses the focus."),
    yes_no(C::appearance, u"Animation Transparent", flag(0x2), u"Draws the animation with a transparent background."),
    yes_no(C::appearance, u"Arrow Keys", flag(0x20), u"Lets the arrow keys change the value."),
    yes_no(C::appearance, u"Auto HScroll", flag(0x80),
           u"Scrolls the text to the right when the user types past the end of the line."),
    yes_no(C::appearance, u"Auto Play", flag(0x4), u"Starts playing the animation as soon as it is opened."),
    yes_no(C::appearance, u"Auto VScroll", flag(0x40),
           u"Scrolls the text up when the user presses Enter on the last line."),
    yes_no(C::appearance, u"Auto Ticks", flag(0x1),
           u"Specifies that the slider will have a tick mark for each increment in its range of values."),
    yes_no(C::appearance, u"Band Borders", flag(0x400), u"Draws lines between the bands."),
    yes_no(C::appearance, u"Bitmap", flag(0x80), u"Shows a bitmap instead of the text."),
    yes_no(C::appearance, u"Border", flag(0x00800000), u"Draws a border around the control."),
    yes_no(C::appearance, u"Buttons", flag(0x100), u"Shows the tabs as buttons."),
    text(C::appearance, u"Caption", u"The text of the control."),
    yes_no(C::appearance, u"Center", flag(0x1), u"Centres the animation in its window."),
    yes_no(C::appearance, u"Center Image", flag(0x200), u"Centres the text or the image vertically."),
    // A list view's check boxes are an extended list-view style, which a dialog template cannot hold.
    yes_no(C::appearance, u"Check Boxes", flag(0), u"Shows a check box with each item."),
    yes_no(C::appearance, u"Check Boxes", flag(0x100), u"Shows a check box with each item."),
    yes_no(C::appearance, u"Client Edge", extended_flag(0x200), u"Draws a sunken edge around the control."),
    one_of(C::appearance, u"Color", coded(StyleCodec::picture_colour, 0x1F, picture_colours),
           u"One of: Black, Gray, White, or Etched."),
    yes_no(C::appearance, u"Day States", flag(0x1), u"Lets the calendar show some dates in bold."),
    yes_no(C::appearance, u"Disable Drag Drop", flag(0x10), u"Keeps the tree from sending drag notifications."),
    yes_no(C::appearance, u"Disable No Scroll", flag(0x800),
           u"Shows a disabled scroll bar when there is nothing to scroll."),
    yes_no(C::appearance, u"Dialog Frame", flag(0x00400000), u"Draws a dialog frame around the control."),
    yes_no(C::appearance, u"Don't Process Ampersands", flag(0x80),
           u"Shows an ampersand instead of underlining the next character."),
    yes_no(C::appearance, u"Edit Labels", flag(0x200), u"Lets the user edit the item labels in place."),
    yes_no(C::appearance, u"Enable Selection Range", flag(0x20), u"Shows a selection range on the slider."),
    yes_no(C::appearance, u"End Ellipsis", field_value(0xC000, 0x4000, 0),
           u"Ends text that does not fit with an ellipsis."),
    text(C::appearance, u"Extended Style", u"The extended style of the control as a number or an expression."),
    yes_no(C::appearance, u"Fixed Order", flag(0x800), u"Keeps the bands in their order."),
    yes_no(C::appearance, u"Flat", flag(0x8000), u"Draws the button flat."),
    yes_no(C::appearance, u"Flat Buttons", flag(0x8), u"Draws button tabs flat."),
    one_of(C::appearance, u"Focus", choice(0x9000, tab_focus), u"When the tabs take the focus."),
    yes_no(C::appearance, u"Force Icon Left", flag(0x10), u"Puts the icon at the left of a fixed-width tab."),
    yes_no(C::appearance, u"Focus Label Left", flag(0x20), u"Puts the label at the left of a fixed-width tab."),
    one_of(C::appearance, u"Format", choice(0xC, date_formats), u"How the date or time is shown."),
    yes_no(C::appearance, u"Full Row Select", flag(0x1000), u"Highlights the whole row of the selected item."),
    yes_no(C::appearance, u"Has Buttons", flag(0x1), u"Shows plus and minus buttons beside parent items."),
    yes_no(C::appearance, u"Has Lines", flag(0x2), u"Draws lines between the items."),
    one_of(C::appearance, u"Horizontal Alignment", choice(0x300, horizontal_alignments),
           u"Aligns the text to the left, the centre or the right."),
    yes_no(C::appearance, u"Horizontal Scroll", flag(0x00100000), u"Gives the control a horizontal scroll bar."),
    yes_no(C::appearance, u"Icon", flag(0x40), u"Shows an icon instead of the text."),
    yes_no(C::appearance, u"Info Tip", flag(0x800), u"Asks the parent for the tooltip text of items."),
    yes_no(C::appearance, u"Left Text", flag(0x20), u"Puts the text at the left of the button."),
    yes_no(C::appearance, u"Left ScrollBar", extended_flag(0x4000), u"Puts the vertical scroll bar at the left."),
    yes_no(C::appearance, u"Lines At Root", flag(0x4), u"Draws lines from the root items."),
    yes_no(C::appearance, u"Lowercase", flag(0x10), u"Turns typed text into lower case."),
    yes_no(C::appearance, u"Lowercase", flag(0x4000), u"Turns typed text into lower case."),
    yes_no(C::appearance, u"Modal Frame", extended_flag(0x1), u"Draws a double border around the control."),
    yes_no(C::appearance, u"Multiline", flag(0x2000), u"Wraps the text onto several lines."),
    yes_no(C::appearance, u"Multiline", flag(0x200), u"Shows the tabs in several rows."),
    yes_no(C::appearance, u"Multiselect", flag(0x2), u"Lets the user select a range of dates."),
    yes_no(C::appearance, u"No Column Header", flag(0x4000), u"Hides the column headers in report view."),
    yes_no(C::appearance, u"No Even Height", flag(0x4000), u"Allows item heights of an odd number of pixels."),
    yes_no(C::appearance, u"No Integral Height", flag(0x400), u"Keeps the size as given even when it cuts an item."),
    yes_no(C::appearance, u"No Label Wrap", flag(0x80), u"Shows item labels on one line in icon view."),
    yes_no(C::appearance, u"No Redraw", flag(0x4), u"Does not redraw the list when it changes."),
    yes_no(C::appearance, u"No Scroll", flag(0x2000), u"Turns scrolling off."),
    yes_no(C::appearance, u"No Sort Header", flag(0x8000), u"Column headers do not act as buttons."),
    yes_no(C::appearance, u"No Today", flag(0x10), u"Hides the today date at the bottom."),
    yes_no(C::appearance, u"No Today Circle", flag(0x8), u"Does not circle the today date."),
    yes_no(C::appearance, u"No Thousands", flag(0x80), u"Leaves out the thousands separator."),
    yes_no(C::appearance, u"Notify", flag(0x4000), u"Tells the parent when the button is clicked or double-clicked."),
    yes_no(C::appearance, u"Notify", flag(0x1),
           u"Tells the parent when the selection changes or an item is double-clicked."),
    yes_no(C::appearance, u"Notify", flag(0x100), u"Tells the parent when the control is clicked or double-clicked."),
    yes_no(C::appearance, u"Notify", flag(0x100), u"Tells the parent when the control is clicked or double-clicked."),
    yes_no(C::appearance, u"No Wrap", field_value(0x1F, 12, 0), u"Shows the text on one line, cut at the right."),
    yes_no(C::appearance, u"Number", flag(0x2000), u"Accepts digits only."),
    yes_no(C::appearance, u"OEM Convert", flag(0x80), u"Converts the text to the OEM character set and back."),
    one_of(C::appearance, u"Orientation", choice(0x1, horizontal_vertical), u"Horizontal or vertical."),
    yes_no(C::appearance, u"Owner Data", flag(0x1000), u"The parent keeps the items (virtual list)."),
    yes_no(C::appearance, u"Owner Draw Fixed", flag(0x400), u"The parent draws the items in report view."),
    yes_no(C::appearance, u"Owner Draw Fixed", flag(0x2000), u"The parent draws the tabs."),
    yes_no(C::appearance, u"Path Ellipsis", field_value(0xC000, 0x8000, 0),
           u"Replaces the middle of text that does not fit with an ellipsis."),
    one_of(C::appearance, u"Point", choice(0xC, slider_points), u"Where the tick marks are."),
    yes_no(C::appearance, u"Real Size Image", flag(0x800), u"Shows the image at its own size."),
    yes_no(C::appearance, u"Real Size Control", flag(0x40), u"Scales the image to the control."),
    yes_no(C::appearance, u"Right Align", flag(0x20), u"Aligns the drop-down calendar with the right of the control."),
    yes_no(C::appearance, u"Right Align Text", extended_flag(0x1000), u"Aligns the text to the right."),
    yes_no(C::appearance, u"Right Justify", flag(0x400),
           u"Keeps the bottom right corner in place when the image is resized."),
    yes_no(C::appearance, u"Right To Left Reading", extended_flag(0x2000), u"Shows the text from right to left."),
    yes_no(C::appearance, u"Scroll", inverted(0x2000), u"Lets the tree scroll."),
    yes_no(C::appearance, u"Scroll Opposite", flag(0x1), u"Moves unneeded tabs to the other side."),
    yes_no(C::appearance, u"Share Image Lists", flag(0x40), u"The image lists are not destroyed with the control."),
    yes_no(C::appearance, u"Show None", flag(0x2), u"Shows a check box to choose no date."),
    yes_no(C::appearance, u"Single Expand", flag(0x400), u"Opens the selected item and closes the one before."),
    yes_no(C::appearance, u"Single Selection", flag(0x4), u"Only one item can be selected."),
    yes_no(C::appearance, u"Simple", field_value(0x1F, 11, 0),
           u"Shows one line of text, left aligned, without clipping."),
    yes_no(C::appearance, u"Smooth", flag(0x1), u"Draws a continuous bar."),
    yes_no(C::appearance, u"Static Edge", extended_flag(0x20000),
           u"Draws a three-dimensional border for controls that take no input."),
    one_of(C::appearance, u"Style", choice(0xC00, tab_styles), u"How wide the tabs are."),
    text(C::appearance, u"Style", u"The style of the control as a number or an expression."),
    yes_no(C::appearance, u"Sunken", flag(0x1000), u"Draws a sunken edge around the control."),
    yes_no(C::appearance, u"Transparent", extended_flag(0x20), u"Lets the windows below show through."),
    yes_no(C::appearance, u"Tick Marks", inverted(0x10), u"Shows tick marks."),
    yes_no(C::appearance, u"Tooltips", flag(0x100), u"Shows the value in a tooltip while the slider moves."),
    yes_no(C::appearance, u"Tooltips", inverted(0x80), u"Shows tooltips for items."),
    yes_no(C::appearance, u"Tooltips", flag(0x4000), u"Shows tooltips for tabs."),
    yes_no(C::appearance, u"Track Select", flag(0x200), u"Highlights the item under the mouse."),
    one_of(C::appearance, u"Type", choice(0x3, combo_types), u"One of: Simple, Dropdown, or Drop List."),
    yes_no(C::appearance, u"Uppercase", flag(0x8), u"Turns typed text into upper case."),
    yes_no(C::appearance, u"Uppercase", flag(0x2000), u"Turns typed text into upper case."),
    yes_no(C::appearance, u"Use Spin Control", flag(0x1),
           u"Changes the value with up and down arrows instead of a calendar."),
    yes_no(C::appearance, u"Variable Height", flag(0x200), u"Gives each band the height it needs."),
    one_of(C::appearance, u"Vertical Alignment", choice(0xC00, vertical_alignments),
           u"Aligns the text to the top, the centre or the bottom."),
    yes_no(C::appearance, u"Vertical", flag(0x80), u"Shows the tabs at the side."),
    yes_no(C::appearance, u"Vertical Gripper", flag(0x4000), u"Shows the gripper vertically in a vertical rebar."),
    yes_no(C::appearance, u"Vertical ScrollBar", flag(0x00200000), u"Gives the control a vertical scroll bar."),
    one_of(C::appearance, u"View", choice(0x3, views), u"One of: Icon, Report, Small Icon, or List."),
    yes_no(C::appearance, u"Week Numbers", flag(0x4), u"Shows the week numbers."),
    yes_no(C::appearance, u"Word Ellipsis", field_value(0xC000, 0xC000, 0),
           u"Ends a word that does not fit with an ellipsis."),
    yes_no(C::appearance, u"Wrap", flag(0x1), u"Goes round from the last value to the first."),

    header(u"Behavior", C::behavior),
    yes_no(C::behavior, u"Accept Files", extended_flag(0x10), u"Accepts files dropped on the control."),
    yes_no(C::behavior, u"Auto", coded(StyleCodec::check_box_auto, 0xF),
           u"Checks and unchecks the box when it is clicked."),
    yes_no(C::behavior, u"Auto", field_value(0xF, 9, 4), u"Selects the button when it is clicked."),
    yes_no(C::behavior, u"Auto", flag(0x40), u"Scrolls the text to the right when the user types past the end."),
    yes_no(C::behavior, u"Auto Arrange", flag(0x100), u"Keeps icons arranged in icon views."),
    yes_no(C::behavior, u"Auto Buddy", flag(0x10), u"Takes the previous control as buddy window."),
    yes_no(C::behavior, u"Auto Size", flag(0x2000), u"Resizes the rebar when its bands change."),
    yes_no(C::behavior, u"Bottom", flag(0x2), u"Shows the tabs at the bottom."),
    yes_no(C::behavior, u"Default Button", field_value(0xF, 1, 0),
           u"Makes the button the default button of the dialog."),
    yes_no(C::behavior, u"Disabled", flag(0x08000000), u"The control starts disabled."),
    yes_no(C::behavior, u"Has Strings", flag(0x200), u"The owner-drawn items are strings."),
    yes_no(C::behavior, u"Hot Track", flag(0x100), u"Highlights the part under the mouse."),
    yes_no(C::behavior, u"Multicolumn", flag(0x200), u"Shows the items in columns and scrolls horizontally."),
    yes_no(C::behavior, u"Multiline", flag(0x4), u"Holds several lines of text."),
    yes_no(C::behavior, u"Multi-select", flag(0x4), u"Lets the user select several button tabs with Ctrl."),
    yes_no(C::behavior, u"No Data", flag(0x2000), u"The parent keeps the items."),
    yes_no(C::behavior, u"No Hide Selection", flag(0x100),
           u"Keeps the selection visible when the control loses the focus."),
    yes_no(C::behavior, u"OEM Convert", flag(0x400), u"Converts the text to the OEM character set and back."),
    one_of(C::behavior, u"Owner Draw", choice(0x30, owner_draw_kinds), u"One of: No, Fixed, or Variable."),
    yes_no(C::behavior, u"Owner Draw", field_value(0xF, 11, 0), u"The parent draws the button."),
    yes_no(C::behavior, u"Password", flag(0x20), u"Shows an asterisk for each typed character."),
    yes_no(C::behavior, u"Read Only", flag(0x800), u"The text cannot be changed."),
    yes_no(C::behavior, u"Resizeable", flag(0x00040000), u"Gives the control a sizing border."),
    one_of(C::behavior, u"Selection", choice(0x4808, selections), u"One of: Single, Multiple, Extended, or None."),
    yes_no(C::behavior, u"Set Buddy Integer", flag(0x2), u"Writes the value into the buddy window."),
    yes_no(C::behavior, u"Sort", flag(0x100), u"Sorts the items alphabetically."),
    one_of(C::behavior, u"Sort", choice(0x30, sort_orders), u"One of: None, Ascending, or Descending."),
    yes_no(C::behavior, u"Tri-state", coded(StyleCodec::check_box_tri_state, 0xF),
           u"The box has a third, grayed state."),
    yes_no(C::behavior, u"Use Tabstops", flag(0x80), u"Expands tab characters in the items."),
    yes_no(C::behavior, u"Visible", flag(0x10000000), u"The control starts visible."),
    yes_no(C::behavior, u"Want Key Input", flag(0x400), u"Tells the parent about key presses."),
    yes_no(C::behavior, u"Want Return", flag(0x1000),
           u"Enter starts a new line instead of pressing the default button."),

    header(u"Misc.", C::misc),
    text(C::misc, u"Class", u"The window class of the control."),
    yes_no(C::misc, u"Group", flag(0x00020000), u"Starts a group of controls that the arrow keys move within."),
    text(C::misc, u"ID", u"The identifier of the control."),
    {u"Image", C::misc, E::image, {}, u"The icon or bitmap the control shows."},
    yes_no(C::misc, u"Tabstop", flag(0x00010000), u"The Tab key stops at the control."),
    one_of(C::misc, u"Type", coded(StyleCodec::picture_type, 0x1F, picture_types),
           u"One of: Frame, Rectangle, Icon, Bitmap, or Enhanced Metafile."),

    header(u"Position", C::position),
    number(u"X Position", u"The distance from the left of the dialog, in dialog units."),
    number(u"Y Position", u"The distance from the top of the dialog, in dialog units."),
    number(u"Width", u"The width in dialog units."),
    number(u"Height", u"The height in dialog units."),
}};

// Every row filled, and the numbers in step with the rows.
constexpr bool rows_match_numbers() {
    for (const PropertyDescriptor& row : table) {
        if (row.name.empty()) return false;
    }
    const auto name = [](P id) { return table[property_number(id)].name; };
    return name(P::behavior) == u"Behavior" && name(P::misc) == u"Misc." && name(P::position) == u"Position" &&
           name(P::wrap) == u"Wrap" && name(P::want_return) == u"Want Return" && name(P::picture_type) == u"Type" &&
           name(P::height) == u"Height";
}
static_assert(rows_match_numbers());
static_assert(property_number(P::behavior) == 120 && property_number(P::misc) == 153 &&
              property_number(P::position) == 160 && property_number(P::height) == designer_property_count - 1);

struct BindingOverride {
    ControlKind kind;
    PropertyId id;
    StyleBinding binding;
};

// The rows that stand for other bits in some kinds.
constexpr BindingOverride overrides[] = {
    // A static's alignment is its type number, which SS_SIMPLE and the pictures share.
    {K::static_text, P::align_text, choice(0x1F, text_alignments)},
    {K::list_box, P::disable_no_scroll, flag(0x1000)},
    {K::rich_edit, P::disable_no_scroll, flag(0x2000)},
    {K::list_box, P::no_integral_height, flag(0x100)},
    {K::list_box, P::has_strings, flag(0x40)},
    {K::list_box, P::sort, flag(0x2)},
    {K::slider, P::orientation, choice(0x2, slider_orientations)},
    {K::spin, P::orientation, choice(0x40, spin_orientations)},
    {K::progress, P::orientation, choice(0x4, progress_orientations)},
    {K::tree_view, P::edit_labels, flag(0x8)},
    {K::tab, P::hot_track, flag(0x40)},
};

}  // namespace

std::span<const PropertyDescriptor, designer_property_count> designer_properties() { return table; }

const PropertyDescriptor& designer_property(PropertyId id) { return table[property_number(id)]; }

const StyleBinding& property_binding(ControlKind kind, PropertyId id) {
    for (const BindingOverride& entry : overrides) {
        if (entry.kind == kind && entry.id == id) return entry.binding;
    }
    return table[property_number(id)].binding;
}

}  // namespace tavorin
