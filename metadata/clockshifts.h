#pragma once

#include "metadata/capturemoment.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Corrections of camera clocks that were set wrong, as the setting "photoClockShifts" keeps
// them: one text "camera model=±seconds" per camera ("EOS 5D=+3600"). An entry whose model
// is empty applies to every camera that has no entry of its own. Models are compared
// without regard to letter case or blanks around them; of two entries for one model the
// later counts.
class ClockShifts {
public:
    struct Entry {
        QString model;
        qint64 seconds = 0;
        bool operator==(const Entry&) const = default;
    };

    // The shifts of the stored entries. An entry that is not "model=±seconds" (or whose
    // shift is beyond a century) is left out and, when `refused` is given, listed there.
    static ClockShifts fromEntries(const QStringList& entries, QStringList* refused = nullptr);
    // The entries to store: one per model whose shift is not 0, in the order given.
    QStringList toEntries() const;

    // A shift as typed: "+3600", "-90", "3600", or hours, minutes and seconds "+1:00:00",
    // "-0:01:30". nullopt for anything else, or beyond a century.
    static std::optional<qint64> parseSeconds(const QString& text);
    // A shift as stored: "+3600", "-90", "0".
    static QString formatSeconds(qint64 seconds);

    // Sets (or, with 0, removes) the shift of one model ("" for every camera).
    void setShift(const QString& model, qint64 seconds);
    // The model's own shift, else the shift for every camera, else 0.
    qint64 secondsFor(const QString& model) const;
    // The model's own entry only (nullopt when it has none).
    std::optional<qint64> ownShift(const QString& model) const;

    const QList<Entry>& entries() const { return entries_; }
    bool isEmpty() const { return entries_.isEmpty(); }
    bool operator==(const ClockShifts&) const = default;

private:
    QList<Entry> entries_;
};

// The capture moment of a camera whose clock was off, put right: the shift of its model
// added as plain date arithmetic on the wall-clock value (days, months and years roll over;
// no time zone takes part, so a movie header's time is shifted after it was taken into the
// user's zone). A date without a time of day is left as it is.
CaptureMoment shiftedCaptureMoment(const CaptureMoment& moment, const ClockShifts& shifts);
