// A script host on a virtual clock: Sleep advances time at once, and actions scheduled for a moment
// (a user's click, say) run in the first message pump at or after it.
#pragma once

#include "script/ScriptHost.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace fakes {

class Host : public IScriptHost {
public:
    void ProcessMessages() override
    {
        ++pumps;
        while (!scheduled_.empty() && scheduled_.begin()->first <= now) {
            auto action = std::move(scheduled_.begin()->second);
            scheduled_.erase(scheduled_.begin());
            action();
        }
    }
    void Sleep(unsigned milliseconds) override
    {
        now += milliseconds;
        if (now > timeLimit)
            throw std::runtime_error("the script waited past the test's time limit");
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void Beep(unsigned type) override { beeps.push_back(type); }
    // The directory dialog answers with the next of directoryChoices (empty: Cancel) and notes where it opened.
    bool ChooseDirectory(std::string& selectedDir) override
    {
        dialogStarts.push_back(selectedDir);
        if (directoryChoices.empty() || directoryChoices.front().empty()) {
            if (!directoryChoices.empty())
                directoryChoices.erase(directoryChoices.begin());
            return false;
        }
        selectedDir = directoryChoices.front();
        directoryChoices.erase(directoryChoices.begin());
        return true;
    }

    // Runs the action in the first message pump at or after the given virtual time.
    void At(unsigned long long time, std::function<void()> action) { scheduled_.emplace(time, std::move(action)); }

    unsigned long long now = 0;
    unsigned long long timeLimit = 3'600'000;
    int pumps = 0;
    std::vector<std::string> messages;
    std::vector<unsigned> beeps;
    std::vector<std::string> directoryChoices;
    std::vector<std::string> dialogStarts;

    // The group dialog answers with the next of groupChoices (none left: an empty answer).
    std::string ChooseProgramGroup() override
    {
        if (groupChoices.empty())
            return {};
        std::string choice = groupChoices.front();
        groupChoices.erase(groupChoices.begin());
        return choice;
    }
    std::vector<std::string> groupChoices;

    bool AskForNextDisk(std::string& location, const std::string& neededFile) override
    {
        nextDiskAsks.push_back(neededFile);
        return onNextDisk ? onNextDisk(location, neededFile) : false;
    }
    MissingItemAnswer AskMissingItem(const std::string& text) override
    {
        missingItems.push_back(text);
        return onMissingItem ? onMissingItem(text) : MissingItemAnswer::Ignore;
    }
    void SetBusyCursor(bool busy) override { this->busy = busy; }

    // The user's answers in the next-disk dialog and the missing-item box (unset: Cancel and Ignore).
    std::function<bool(std::string& location, const std::string& neededFile)> onNextDisk;
    std::function<MissingItemAnswer(const std::string& text)> onMissingItem;
    std::vector<std::string> nextDiskAsks;
    std::vector<std::string> missingItems;
    bool busy = false;

private:
    std::multimap<unsigned long long, std::function<void()>> scheduled_;
};

} // namespace fakes
