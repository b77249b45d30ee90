#pragma once

#include <functional>

struct ControllerState;

// Runs one background pass: the work on a worker thread, then the finish on the main
// thread. The caller has already set isExecuting on the main thread (beginPass); finish
// ends the pass and must clear it (endPass).
namespace PassRunner {

void start(std::function<void()> work, std::function<void()> finish);

// Runs a local event loop until no pass is executing (the command line and the tests
// wait for their passes this way; the window never blocks).
void waitUntilIdle(const ControllerState& state);

// For a command that returns its result to its caller (undo, export): runs work on the
// worker thread with isExecuting set, so no pass starts meanwhile, and returns when it is
// done. The main thread's event loop goes on while it waits, so the window stays alive.
void runAndWait(ControllerState& state, std::function<void()> work);

} // namespace PassRunner
