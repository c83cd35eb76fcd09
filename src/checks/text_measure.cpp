#include "checks/text_measure.h"

namespace tavorin {

BaseUnits MeasuredFont::base_units() {
    return base_units_from_letters(text_width(base_unit_letters), line_height());
}

}  // namespace tavorin
