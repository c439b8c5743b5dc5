// The fixture of the command tests: a script object on fakes, and running a script text to its end.
#pragma once

#include "fakes/FakeControls.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeServices.h"
#include "script/ScriptFormat.h"
#include "script/VeskScript3.h"

#include <gtest/gtest.h>

namespace fakes {

struct ScriptFixture : ::testing::Test {
    Host host;
    Services services;
    TVeskScript script{host, services, "c:\\setup\\"};

    // Loads the text as the script's lines and runs them from the first; the code that ended the run.
    std::int32_t Run(std::string_view text)
    {
        script.Lines = SplitScriptLines(text);
        script.LineIndex = 0;
        std::int32_t code = -1;
        script.Run(code);
        return code;
    }
};

} // namespace fakes
