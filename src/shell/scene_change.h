// Direct scene assignments (start-up, loaders, the curtain's switch) go through here so
// that a traced run reports every change.
#pragma once

#include <string_view>

void switchScene(std::string_view name);
// A loader's failure: the error scene with the error lines as the loader left them.
void raiseErrorScene();
// A loader's failure that sets all four lines.
void enterErrorScene(std::string_view line1, std::string_view line2, std::string_view line3,
                     std::string_view line4);

// --trace: "T scene NAME" at each change of the scene, "T error LINE1" on entering the
// error scene; T is the tick being run, or the next one for changes between ticks. A run
// mode with the trace muted (shell/run_mode.h) prints nothing.
void setTraceEnabled(bool on);
void setTraceTick(long long tick);
// Another event of a traced run, printed as "T WHAT".
void traceEvent(std::string_view what);
// Reports a change made by a plain assignment that bypassed switchScene.
void traceSceneIfChanged();
