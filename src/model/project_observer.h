#pragma once
// How the user interface follows the project without the model knowing about windows.

namespace tavorin {

class Resource;

// Called on the thread that changes the project. A reader fills the project on a worker thread
// while the main window is disabled; an observer living on the GUI thread should then only note
// the change (or post itself a message) and rebuild from the project afterwards, for which
// Project::revision() tells whether anything changed.
class ProjectObserver {
public:
    virtual ~ProjectObserver() = default;
    // A resource joined the project; `open` asks for its editor to be opened.
    virtual void resource_added(Resource&, bool /*open*/) {}
    // Its name, language or modified flag changed (the tree label and position may differ).
    virtual void resource_changed(Resource&) {}
    // The resource is about to be destroyed: close its editor, drop its tree item.
    virtual void resource_removing(Resource&) {}
    // Every resource is about to be destroyed.
    virtual void project_clearing() {}
};

}  // namespace tavorin
