// In-memory controls for testing the script engine without windows.
#pragma once

#include "ui/Controls.h"

#include <string>
#include <vector>

namespace fakes {

class Panel : public ui::IPanel {
public:
    void SetVisible(bool visible) override { visible_ = visible; }
    bool IsVisible() const override { return visible_; }
    void BringToFront() override { ++broughtToFront; }
    int broughtToFront = 0;

private:
    bool visible_ = true;
};

class Label : public ui::ILabel {
public:
    void SetVisible(bool visible) override { visible_ = visible; }
    bool IsVisible() const override { return visible_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Caption() const override { return caption_; }

private:
    bool visible_ = true;
    std::string caption_;
};

class Button : public ui::IButton {
public:
    explicit Button(std::string caption = {}, ui::IPanel* parent = nullptr) : caption_(std::move(caption)), parent_(parent) {}
    void SetVisible(bool visible) override { visible_ = visible; }
    bool IsVisible() const override { return visible_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Caption() const override { return caption_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool IsEnabled() const override { return enabled_; }
    ui::ClickAction& OnClick() override { return onClick_; }
    ui::IPanel* ParentPanel() override { return parent_; }

    // What a user's press does: the current click action, if any.
    void Click()
    {
        if (onClick_)
            onClick_();
    }

private:
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    ui::IPanel* parent_;
    ui::ClickAction onClick_;
};

class Edit : public ui::IEdit {
public:
    void SetVisible(bool visible) override { visible_ = visible; }
    bool IsVisible() const override { return visible_; }
    void SetText(const std::string& text) override { text_ = text; }
    std::string Text() const override { return text_; }
    void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
    bool IsReadOnly() const override { return readOnly_; }
    ui::KeyPressAction& OnKeyPress() override { return onKeyPress_; }

private:
    bool visible_ = true;
    bool readOnly_ = true;
    std::string text_;
    ui::KeyPressAction onKeyPress_;
};

class Memo : public ui::IMemo {
public:
    void SetVisible(bool visible) override { visible_ = visible; }
    bool IsVisible() const override { return visible_; }
    void BeginUpdate() override { ++updateDepth; }
    void EndUpdate() override { --updateDepth; }
    void Clear() override { lines.clear(); }
    void AddLine(const std::string& line) override { lines.push_back(line); }
    void InsertLine(int index, const std::string& line) override { lines.insert(lines.begin() + index, line); }
    void DeleteLine(int index) override { lines.erase(lines.begin() + index); }
    int LineCount() const override { return static_cast<int>(lines.size()); }
    std::string Line(int index) const override { return lines.at(index); }

    std::vector<std::string> lines;
    int updateDepth = 0;

private:
    bool visible_ = true;
};

} // namespace fakes
