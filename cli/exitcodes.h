#pragma once

// quorvel-cli's exit status.
namespace ExitCode {
constexpr int Done = 0;
constexpr int NothingToRename = 1;
constexpr int Usage = 2;
constexpr int Failure = 3; // an item was refused (at preview or at apply) or failed
} // namespace ExitCode
