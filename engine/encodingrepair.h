#pragma once

#include <QString>

#include <memory>
#include <optional>

// Undoes a name's wrong decoding: a name written in UTF-8 and read as Windows-1252 (or
// another encoding) shows each accented letter as two or three ("cafÃ©.txt" for
// "café.txt"). The text is turned back into the bytes of that encoding and those bytes
// are read as UTF-8; the repair exists only when both steps succeed exactly. Any ICU
// converter name is taken ("windows-1252", "ISO-8859-15", "Shift_JIS" ...). A converter
// is made once and used for the pass's items: not by several threads at once.
class EncodingRepair {
public:
    explicit EncodingRepair(const QString& converterName);
    ~EncodingRepair();
    EncodingRepair(const EncodingRepair&) = delete;
    EncodingRepair& operator=(const EncodingRepair&) = delete;

    // False when ICU knows no converter of that name; errorText() then names it.
    bool isValid() const;
    QString errorText() const;

    // The text as it was before the wrong decoding; nullopt when it is not such a
    // decoding (or already as it was). Throws std::runtime_error when not valid.
    std::optional<QString> repaired(const QString& text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
