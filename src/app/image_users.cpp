#include "app/image_users.h"

#include "base/text.h"
#include "dialog/dialog.h"

namespace tavorin {
namespace {

constexpr std::uint32_t static_type_mask = 0x1F;
constexpr std::uint32_t ss_icon = 0x03;
constexpr std::uint32_t ss_bitmap = 0x0E;

bool refers_to(const Control& control, const Resource& image) {
    if (!control.caption_is_reference()) return false;
    if (!equals_ignore_case(control.window_class(), u"Static")) return false;
    const std::uint32_t wanted = image.kind() == kind::bitmap ? ss_bitmap : ss_icon;
    if ((control.style() & static_type_mask) != wanted) return false;
    const ResourceIdentity& identity = image.identity();
    if (!identity.string_name && control.text_ordinal() == identity.ordinal) return true;
    return equals_ignore_case(control.text(), identity.name);
}

}  // namespace

bool used_by_dialog(const Resource& image, const Project& project) {
    for (const auto& resource : project.resources()) {
        const auto* dialog = dynamic_cast<const Dialog*>(resource.get());
        if (dialog == nullptr) continue;
        for (const auto& control : dialog->controls()) {
            if (refers_to(*control, image)) return true;
        }
    }
    return false;
}

std::optional<str::Id> removal_refusal(const Resource& resource, const Project& project) {
    const ResourceKind kind = resource.kind();
    if (kind != kind::bitmap && kind != kind::icon) return std::nullopt;
    if (!used_by_dialog(resource, project)) return std::nullopt;
    return kind == kind::bitmap ? str::bitmap_used_by_dialog : str::icon_used_by_dialog;
}

}  // namespace tavorin
