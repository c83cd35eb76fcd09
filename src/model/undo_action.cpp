#include "model/undo_action.h"

namespace tavorin {

void GroupAction::redo() {
    for (auto& child : children_) child->redo();
}

void GroupAction::undo() {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) (*it)->undo();
}

}  // namespace tavorin
