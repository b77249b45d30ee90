#pragma once

#include "metadata/camerasurvey.h"
#include "metadata/clockshifts.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The logic of the Camera Clocks sheet, without widgets: a row for every camera (the shift
// of the entry without a model), then a row per camera model the survey found and per
// model the stored shifts name that the list lacks; a shift typed per row; Apply hands the
// entries "photoClockShifts" is to hold to the delegate.
class CameraClocksController {
public:
    struct Row {
        QString model; // "" for the row of every camera
        qint64 files = 0;
        std::optional<QDateTime> earliest; // as read, before any shift
    };

    CameraClocksController(const CameraSurvey& survey, const QStringList& storedEntries);

    std::function<void(const QStringList& entries)> delegate;

    const QList<Row>& rows() const { return rows_; }
    // The row's own shift as stored ("+3600"), "" when it has none.
    QString shiftText(int row) const;
    // Sets the row's shift from what was typed ("+3600", "-0:01:30"; "" or 0 removes it).
    // False, and nothing changes, when the text is no shift.
    bool setShift(int row, const QString& text);
    // The earliest capture time of the row's photos once shifted (the row of every camera:
    // of all photos, each by the shift that applies to it).
    std::optional<QDateTime> earliestAfterShift(int row) const;

    // What "photoClockShifts" is to hold: the shifts set here, then the stored entries that
    // were no shift, kept as they were.
    QStringList entries() const;
    void applyShifts();

private:
    CameraSurvey survey_;
    QStringList refused_; // before shifts_, which fills it
    ClockShifts shifts_;
    QList<Row> rows_;
};
