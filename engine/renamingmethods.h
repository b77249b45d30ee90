#pragma once

// The text renaming methods. Each follows the renaming method contract
// (engine/renamingcontract.h): the item first, the method's options in order, the error
// text last; it writes the item's newFilename and returns true when the error text is
// empty afterwards. Sequence methods also take their running counter by reference.

#include "engine/filesystemitem.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QString>

class PlainLatinTransliterator;

// Replace or remove text in the base name, or remove a set of characters.
bool renameByReplaceRemove(FileSystemItem& item, const QString& replaceThis,
                           const QString& replaceWith, bool caseSensitive, bool removeCharacters,
                           int startFromCharacter, int startOnOccurrence, int occurrenceCount,
                           int replaceRemovePositionDirection, QString& error);

// Replace or remove the matches of a regular expression (FindExpression::compile, made
// once per pass) in the base name. Matches are found left to right on the name as it is;
// the start position, occurrence and count pick among them as among plain-text
// occurrences, counted from the end with direction 1. Empty matches count. The
// replacement may name groups (FindExpression::expandReplacement); "" removes.
bool renameByRegularExpression(FileSystemItem& item, const QRegularExpression& expression,
                               const QString& replaceWith, int startFromCharacter, int startOnOccurrence,
                               int occurrenceCount, int replaceRemovePositionDirection, QString& error);

// General transformations chosen by generalOptionIndex (case, extension, reverse, ...).
// Option 12 transliterates the base to plain Latin with the pass's transliterator; without
// one (a single call) it makes its own.
bool renameByGeneral(FileSystemItem& item, int generalOptionIndex, int generalFileNameCase,
                     int generalExtensionCase, const QString& generalChangeExtension,
                     const QString& generalSwapSeperator, const QString& generalSwapPosition,
                     const QString& generalRemoveAfterString, const QString& generalRemoveFromString,
                     const QString& generalRemoveAfterStringOccurrence,
                     const QString& generalRemoveFromStringOccurrence,
                     const QString& generalConvertWindowsCompatibleString,
                     const QString& generalFilenameMask, QString& error,
                     const PlainLatinTransliterator* plainLatin = nullptr);

bool renameByInsert(FileSystemItem& item, const QString& insertText, int insertOptionIndex,
                    int atCharacterPositions, int atPostionDirection, const QString& atBeforeText,
                    int atBeforeOccurrence, const QString& atAfterText, int atAfterOccurrence,
                    QString& error);

bool renameByDelete(FileSystemItem& item, bool deleteFromBackward, int fromCharacterPosition,
                    int numberOfCharacters, QString& error);

// numericStartWith is the running counter (in/out).
bool renameByNumeric(FileSystemItem& item, bool increment, bool decrement, bool prefix,
                     bool subffix, bool seperator, const QString& seperatorString,
                     const QString& addingMask, qint64& numericStartWith, int incrementBy,
                     int decrementBy, QString& error);

// alphabeticStartWith is the running counter (in/out).
bool renameByAlphabetic(FileSystemItem& item, bool increment, bool decrement, bool prefix,
                        bool subffix, bool seperator, const QString& seperatorString,
                        const QString& addingMask, QString& alphabeticStartWith, int incrementBy,
                        int decrementBy, QString& error);

bool renameByPrefixSuffix(FileSystemItem& item, const QString& prefix, const QString& suffix,
                          bool isString, bool isDate, int fileDateAttribute, bool isDatePrefix,
                          bool isDateSuffix, const QString& datePart1, const QString& dateSeperator1,
                          const QString& datePart2, const QString& dateSeperator2,
                          const QString& datePart3, const QString& timePart1,
                          const QString& timeSeperator1, const QString& timePart2,
                          const QString& timeSeperator2, const QString& timePart3,
                          const QString& datePrefix, const QString& dateSuffix, QString& error);

bool renameByDateTime(FileSystemItem& item, int dateTimeDateOptionIndex,
                      const QDateTime& dateTimeCustomDate, int dateTimeOptionsIndex,
                      int dateTimeAtPositionNo, int dateTimeAtPositionDirection,
                      const QString& dateTimeAtBeforeText, int dateTimeAtBeforeTextOccurrence,
                      const QString& dateTimeAtAfterText, int dateTimeAtAfterTextOccurrence,
                      bool hasDateFormat, bool hasTimeFormat, const QString& datePart1,
                      const QString& dateSeperator1, const QString& datePart2,
                      const QString& dateSeperator2, const QString& datePart3,
                      const QString& timePart1, const QString& timeSeperator1,
                      const QString& timePart2, const QString& timeSeperator2,
                      const QString& timePart3, bool isDateTimeColonReplace,
                      const QString& dateTimeColonReplace, const QString& dateTimeSeparator,
                      const QString& dateTimePrefix, const QString& dateTimeSuffix, QString& error);

bool renameByPathComponents(FileSystemItem& item, int pathComponentsLevelNo,
                            int pathComponentsOptionsIndex, int pathComponentsAtPositionNo,
                            int pathComponentsAtPositionDirection,
                            const QString& pathComponentsAtBeforeText,
                            int pathComponentsAtBeforeOccurrence,
                            const QString& pathComponentsAtAfterText,
                            int pathComponentsAtAfterOccurrence,
                            const QString& pathComponentsSeparator,
                            const QString& pathComponentsPrefix,
                            const QString& pathComponentsSuffix, QString& error);
