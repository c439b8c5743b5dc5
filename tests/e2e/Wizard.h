// The fixture of the end-to-end tests that go through the wizard: setup.exe started on media of the
// test's own, and what a person does and reads in its window.
#pragma once

#include "Media.h"

#include <gtest/gtest.h>

namespace e2e {

bool IsReadOnly(HWND edit);
// The visible static control whose text is the caption, or null.
HWND LabelOf(HWND window, const std::string& caption);
// The text of the visible multi-line text area, the one on the panel in front.
std::string ShownTextArea(HWND window);
// Waits, as a person reads, until the text area in front shows the text; returns what it shows then.
std::string WaitTextArea(HWND window, const std::string& expected);
// The one-line edit box in front.
HWND EditBoxOf(HWND window);
// A folder of the user's shell folders ("Programs", "Desktop", ...), as the prefix records it.
std::string ShellFolder(const char* name);

struct Wizard : ::testing::Test {
    drive::Process setup;
    HWND window = nullptr;

    // What the window showed when a test failed, kept as an artefact.
    void TearDown() override;
    void Start(const Media& media, const std::string& script);
    // Waits for a visible, enabled button with the caption and presses it.
    void Press(const std::string& caption, HWND in = nullptr);
    // Answers the "Confirm" box of "&Quit" and returns its question.
    std::string AnswerQuit(const std::string& answer);
    // Waits for the application's message box, reads it, presses OK; "(no message box)" when none came.
    std::string AnswerMessage();
    // Waits for the introduction text and presses its "&Next >>".
    void PassIntroduction(const std::string& text);
};

} // namespace e2e
