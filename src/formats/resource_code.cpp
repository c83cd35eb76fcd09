#include "formats/resource_code.h"

#include "dialog/dialog.h"
#include "dialog/dialog_code.h"
#include "resources/menu/menu.h"
#include "resources/menu/menu_code.h"

namespace tavorin {

bool write_resource_code(TextWriter& out, const Resource& resource, int index, const CodeContext& context) {
    if (const auto* menu = dynamic_cast<const Menu*>(&resource)) {
        write_menu_code(out, *menu, index, context);
        return true;
    }
    if (const auto* dialog = dynamic_cast<const Dialog*>(&resource)) {
        write_dialog_code(out, *dialog, index, context);
        return true;
    }
    return false;
}

}  // namespace tavorin
