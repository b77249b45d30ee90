#pragma once

struct CliOptions;

// Runs the command named in the options; returns the exit status.
int runCliCommand(const CliOptions& options);
