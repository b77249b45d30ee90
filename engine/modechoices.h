#pragma once

// The choices of the settings' mode selectors (radio groups), as their index keys store
// them; the values never change.
enum class FilesOrFolders { Files = 0, Folders = 1 };                        // fileFolderIndex
enum class InsertOrDelete { Insert = 0, Delete = 1 };                        // insertDeleteIndex
enum class ReplaceOrRemove { Replace = 0, Remove = 1, RemoveCharacters = 2 }; // removeReplaceIndex
enum class TextsOrDate { Texts = 0, Date = 1 };                              // prefixSuffixIndex
enum class NumbersOrLetters { Numbers = 0, Letters = 1 };                    // alphaNumericNumericAlphabeticIndex
enum class UpOrDown { Up = 0, Down = 1 };                                    // alphaNumericIncrementDecrementIndex
