#pragma once

struct CliOptions;
class Settings;

// Warns on stderr, once per key, about each --set key that belongs to another method than
// the final selectedTab: such a setting has no effect on the run, which goes on. Only for the
// commands that run the selected method (preview, apply, export); quiet with --rule (the
// rule's steps carry their own methods), for settings and save-profile (which keep every
// key) and for keys of no method.
void warnAboutKeysOfOtherMethods(const CliOptions& options, const Settings& settings);
