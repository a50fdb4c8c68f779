#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The controls of the program's windows as plain state: what a window shows, without drawing
// it. The engine reads and writes them as the system's own logic does (a hidden panel is a
// passed-over phase, a lit lamp is a phase showing that colour); views draw them and turn
// clicks into calls; the simulator's trace reports their changes. Positions are in twips.

namespace corvane {

class Control;

enum class ControlChange { Caption, Visibility, Fill, Geometry, Enabled, Selection };

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    // Called after the change, only when something actually changed.
    virtual void ControlChanged(const Control& control, ControlChange change) = 0;
};

// The observers of one window's controls.
class ControlEvents {
public:
    void Add(ControlObserver& observer) { observers_.push_back(&observer); }
    void Remove(ControlObserver& observer) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
    }
    void Notify(const Control& control, ControlChange change) const {
        for (ControlObserver* observer : observers_) {
            observer->ControlChanged(control, change);
        }
    }

private:
    std::vector<ControlObserver*> observers_;
};

struct TwipsRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;

    std::int32_t Right() const { return Left + Width; }
    std::int32_t Bottom() const { return Top + Height; }
    bool operator==(const TwipsRect&) const = default;
};

class Control {
public:
    // `name` is the control's name as the code knows it, with its index: "lblPhase(0)".
    Control(ControlEvents& events, std::string name, bool visible = true)
        : events_(events), name_(std::move(name)), visible_(visible) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& Name() const { return name_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) {
        if (visible_ != visible) {
            visible_ = visible;
            Notify(ControlChange::Visibility);
        }
    }

    const TwipsRect& Rect() const { return rect_; }
    void Move(const TwipsRect& rect) {
        if (!(rect_ == rect)) {
            rect_ = rect;
            Notify(ControlChange::Geometry);
        }
    }

protected:
    void Notify(ControlChange change) const { events_.Notify(*this, change); }

private:
    ControlEvents& events_;
    std::string name_;
    bool visible_;
    TwipsRect rect_;
};

// A control with a caption: a label, a frame, a button.
class CaptionedControl : public Control {
public:
    CaptionedControl(ControlEvents& events, std::string name, std::string caption = {}, bool visible = true)
        : Control(events, std::move(name), visible), caption_(std::move(caption)) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) {
        if (caption_ != caption) {
            caption_ = std::move(caption);
            Notify(ControlChange::Caption);
        }
    }

private:
    std::string caption_;
};

using Label = CaptionedControl;
using Frame = CaptionedControl;

// A filled shape: a lamp or an indicator, lit when filled solid in its colour and dark when
// transparent over its black background. Shapes start dark.
class Shape : public Control {
public:
    using Control::Control;

    bool Lit() const { return lit_; }
    void SetLit(bool lit) {
        if (lit_ != lit) {
            lit_ = lit;
            Notify(ControlChange::Fill);
        }
    }
    void Toggle() { SetLit(!lit_); }

private:
    bool lit_ = false;
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(ControlEvents& events, std::string name, std::string caption, bool enabled = true,
                  bool visible = true)
        : CaptionedControl(events, std::move(name), std::move(caption), visible), enabled_(enabled) {}

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled_ != enabled) {
            enabled_ = enabled;
            Notify(ControlChange::Enabled);
        }
    }
    // Whether an operator can press it now.
    bool CanClick() const { return enabled_ && Visible(); }

private:
    bool enabled_;
};

}  // namespace corvane
