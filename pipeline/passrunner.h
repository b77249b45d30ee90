#pragma once

#include <functional>

struct ControllerState;

// Runs one background pass: the work on a worker thread, then the finish on the main
// thread. The caller has already set isExecuting on the main thread (beginPass); finish
// ends the pass and must clear it (endPass).
namespace PassRunner {

// Where start() runs the work. The window (and every test of the passes) runs it on a
// worker thread, so that the main thread's event loop goes on meanwhile. The command line
// can run it on the calling thread instead when nothing is shown while a pass runs: a
// thread of its own, with its stack and its own malloc arena, costs more than the work of
// a small pass. The finish is posted to the main thread either way and runs from its event
// loop after the work, as it would after a worker.
enum class Placement { WorkerThread, CallingThread };
void setPlacement(Placement placement);

void start(std::function<void()> work, std::function<void()> finish);

// Runs a local event loop until no pass is executing (the command line and the tests
// wait for their passes this way; the window never blocks).
void waitUntilIdle(const ControllerState& state);

// For a command that returns its result to its caller (undo, export): runs work on the
// worker thread with isExecuting set, so no pass starts meanwhile, and returns when it is
// done. The main thread's event loop goes on while it waits, so the window stays alive.
void runAndWait(ControllerState& state, std::function<void()> work);

} // namespace PassRunner
