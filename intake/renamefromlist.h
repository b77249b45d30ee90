#pragma once

#include "intake/filerenameitem.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

struct ControllerState;
class Intake;
class UserInterface;

// Rename from a list: a UTF-8 text file of tab-separated lines "current name, new name,
// folder", optionally under a header line. Loading it replaces the file list with the
// listed items, already carrying their new names or statuses.

// Parses a list file. Nothing, with the message key of the failure in failureKey, when
// the data is not UTF-8 text ("RENAMEFROMFILENOTTEXT") or holds no usable line
// ("RENAMEFROMFILEMESSAGE"). Reads the disk only to see whether each listed path exists
// (links are not followed): a missing item gets an empty new name, an existing one with
// an empty new name keeps its current name.
std::optional<FileRenameItem> parseRenameList(const QByteArray& data, int importType, QString* failureKey);

// Loads the settings' renameFile: on failure clears renameFile and shows a critical alert
// (the list stays as it was); on success clears the list, sets the scope to the import
// type and starts the import on a background thread. False when nothing was started.
bool loadRenameFile(ControllerState& state, UserInterface& ui, Intake& intake,
                    std::function<void()> onFinished = {});

// Chooses the list file with an open panel; cancelling clears renameFile.
bool browseRenameFile(ControllerState& state, UserInterface& ui);

// The import type choice: tag 0 the list names files, any other tag folders.
void importTypeChanged(ControllerState& state, int tag);
