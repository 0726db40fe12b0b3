#pragma once

namespace qvl::ui {

class Control;
class Form;

// What a window system attaches to a control to hear every change that program code makes to
// it, so that a real window can show it. One peer per control, set by the window system when it
// creates the control's window; the headless window system attaches none.
//
// Each method is told after the model has changed and reads the new state from the control.
// A change that the user made in the real window reaches the model through the same setters
// (the window system calls setText, setValue, setSelected...) and is heard here again: a peer
// compares the control's state with its window's and leaves the window alone when they agree,
// so nothing is echoed back. The setters themselves tell nothing when a value stays the same.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void captionChanged(const Control&) {}
    virtual void textChanged(const Control&) {}
    virtual void valueChanged(const Control&) {}
    virtual void enabledChanged(const Control&) {}
    virtual void fontChanged(const Control&) {}
    // Items added, replaced or cleared; the selection may have changed with them.
    virtual void itemsChanged(const Control&) {}
    virtual void selectionChanged(const Control&) {}
};

// The same for a form: its caption, its position, its progress, and the program's wish to
// close it.
class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void captionChanged(const Form&) {}
    virtual void moved(const Form&) {}
    virtual void progressChanged(const Form&) {}
    virtual void unloadRequested(const Form&) {}
};

}  // namespace qvl::ui
