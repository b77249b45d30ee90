#pragma once

// The ten renaming methods, one per tab of the window, as "selectedTab" stores them (and
// profiles keep them): the values never change.
enum class MethodTab {
    Sequences = 0,
    InsertDelete = 1,
    ReplaceRemove = 2,
    PrefixSuffix = 3,
    DateTime = 4,
    General = 5,
    AudioTags = 6,
    Photo = 7,
    PathComponents = 8,
    RenameFromList = 9,
};

// The number of method tabs.
constexpr int kMethodTabCount = 10;
