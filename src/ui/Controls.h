// The controls as the script engine sees them: small interfaces over the main window's labels, buttons,
// edit box, text areas and panels. The Win32 layer implements them; tests implement them with fakes.
// Nothing here calls Windows.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace ui {

using ClickAction = std::function<void()>;
// Gets the typed character by reference; setting it to 0 drops the key.
using KeyPressAction = std::function<void(char& key)>;

class IControl {
public:
    virtual ~IControl() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
};

class IPanel : public IControl {
public:
    // Shows the panel above its siblings.
    virtual void BringToFront() = 0;
};

class ILabel : public IControl {
public:
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string Caption() const = 0;
};

class IButton : public IControl {
public:
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
    virtual ClickAction& OnClick() = 0;
    // The panel the button lies on, or null when its parent is no panel.
    virtual IPanel* ParentPanel() = 0;
};

class IEdit : public IControl {
public:
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual bool IsReadOnly() const = 0;
    virtual KeyPressAction& OnKeyPress() = 0;
};

// A multi-line read-only text area, filled line by line.
class IMemo : public IControl {
public:
    // No repainting between BeginUpdate and EndUpdate.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void Clear() = 0;
    virtual void AddLine(const std::string& line) = 0;
    virtual void InsertLine(int index, const std::string& line) = 0;
    virtual void DeleteLine(int index) = 0;
    virtual int LineCount() const = 0;
    virtual std::string Line(int index) const = 0;
};

// Replaces an event action for one scope and puts the old one back on every path, exceptions included.
template <typename Action>
class ScopedAction {
public:
    ScopedAction(Action& slot, Action replacement) : slot_(slot), saved_(std::exchange(slot, std::move(replacement))) {}
    ~ScopedAction() { slot_ = std::move(saved_); }
    ScopedAction(const ScopedAction&) = delete;
    ScopedAction& operator=(const ScopedAction&) = delete;

    // The action that was in place before, and comes back at the end of the scope.
    const Action& Saved() const { return saved_; }

private:
    Action& slot_;
    Action saved_;
};

} // namespace ui
