#include "pipeline/previewchecks.h"

#include "engine/encodingrepair.h"
#include "engine/findexpression.h"
#include "engine/methodoptions.h"
#include "engine/methodtab.h"
#include "engine/settings.h"
#include "platform/messages.h"
#include "platform/numbers.h"

namespace {

QString k(const char* key)
{
    return QString::fromLatin1(key);
}

bool empty(const Settings& s, const char* key)
{
    return s.text(k(key)).isEmpty();
}

MethodTab selectedTab(const Settings& s)
{
    return MethodTab(s.integer(k("selectedTab")));
}

Placement placement(const Settings& s, const char* key)
{
    return Placement(s.integer(k(key)));
}

} // namespace

QString PreviewCheckFailure::message() const
{
    return messageText.isEmpty() ? msg(messageKey) : messageText;
}

namespace PreviewChecks {

bool usesRegularExpression(const Settings& s)
{
    return s.flag(k("isReplaceRemoveRegularExpression")) && !s.flag(k("isReplaceRemoveRemoveCharacters"))
        && (s.flag(k("isReplaceRemoveReplace")) || s.flag(k("isReplaceRemoveRemove")));
}

std::optional<PreviewCheckFailure> regularExpressionFailure(const Settings& s)
{
    if (selectedTab(s) != MethodTab::ReplaceRemove || !usesRegularExpression(s))
        return std::nullopt;
    const QString error =
        FindExpression::errorText(s.text(k("replaceRemoveThis")), s.flag(k("isReplaceRemoveCaseSensitive")));
    if (error.isEmpty())
        return std::nullopt;
    // The text stays as typed: live preview does not empty it.
    return PreviewCheckFailure{"REPLACEREMOVEINVALIDINPUT", "INVALIDREGULAREXPRESSION", k("replaceRemoveThis"),
                               QString(), error};
}

std::optional<PreviewCheckFailure> check(const Settings& s)
{
    switch (selectedTab(s)) {
    case MethodTab::InsertDelete:
        if (s.flag(k("isInsertDeleteInsert"))) {
            if (empty(s, "insertDeleteInsert"))
                return PreviewCheckFailure{"INSERTINVALIDINPUT", "ENTERVALIDVALUE", k("insertDeleteInsert"), k("insertDeleteInsert")};
            const Placement where = placement(s, "insertDeleteInsertOptionIndex");
            if (where == Placement::BeforeText && empty(s, "insertDeleteInsertAtBeforeText"))
                return PreviewCheckFailure{"INSERTTEXTATBEFORETEXT", "ENTERSOMETEXT", k("740001"), k("insertDeleteInsertAtBeforeText")};
            if (where == Placement::AfterText && empty(s, "insertDeleteInsertAtAfterText"))
                return PreviewCheckFailure{"INSERTTEXTATAFTERTEXT", "ENTERSOMETEXT", k("740002"), k("insertDeleteInsertAtAfterText")};
        }
        break;
    case MethodTab::ReplaceRemove:
        if (empty(s, "replaceRemoveThis"))
            return PreviewCheckFailure{"REPLACEREMOVEINVALIDINPUT", "ENTERVALIDVALUE", k("replaceRemoveThis"), k("replaceRemoveThis")};
        return regularExpressionFailure(s);
    case MethodTab::DateTime: {
        const Placement where = placement(s, "dateTimeOptionsIndex");
        if (where == Placement::BeforeText && empty(s, "dateTimeAtBeforeText"))
            return PreviewCheckFailure{"DATETIMEATBEFORETEXTINVALIDINPUT", "ENTERSOMETEXT", k("840001"), k("dateTimeAtBeforeText")};
        if (where == Placement::AfterText && empty(s, "dateTimeAtAfterText"))
            return PreviewCheckFailure{"DATETIMEATAFTERTEXTINVALIDINPUT", "ENTERSOMETEXT", k("840002"), k("dateTimeAtAfterText")};
        break;
    }
    case MethodTab::General: {
        const auto change = GeneralChange(s.integer(k("generalOptionIndex")));
        if (change == GeneralChange::CutAfterText && empty(s, "generalRemoveAfterString"))
            return PreviewCheckFailure{"GENERALINVALIDINPUT", "ENTERVALIDVALUE", k("640001"), k("generalRemoveAfterString")};
        if (change == GeneralChange::CutFromText && empty(s, "generalRemoveFromString"))
            return PreviewCheckFailure{"GENERALINVALIDINPUT", "ENTERVALIDVALUE", k("640002"), k("generalRemoveFromString")};
        if (change == GeneralChange::FilenameMask && empty(s, "generalFilenameMask"))
            return PreviewCheckFailure{"GENERALINVALIDINPUT", "ENTERVALIDVALUE", k("640003"), k("generalFilenameMask")};
        if (change == GeneralChange::RepairEncoding && !EncodingRepair(s.text(k("generalRepairEncodingFrom"))).isValid())
            // The name stays as typed (live preview does not empty it).
            return PreviewCheckFailure{"GENERALINVALIDINPUT", "UNKNOWNENCODING", k("generalRepairEncodingFrom"),
                                       QString(), msg("UNKNOWNENCODING").arg(s.text(k("generalRepairEncodingFrom")))};
        break;
    }
    case MethodTab::AudioTags:
        if (empty(s, "id3RenamingMask"))
            return PreviewCheckFailure{"ID3INVALIDINPUT", "INVALIDID3RENAMINGMASK", QString(), k("id3RenamingMask")};
        break;
    case MethodTab::Photo:
        if (empty(s, "photoRenamingMask"))
            return PreviewCheckFailure{"PHOTOINVALIDINPUT", "INVALIDPHOTORENAMINGMASK", QString(), k("photoRenamingMask")};
        break;
    case MethodTab::PathComponents: {
        const Placement where = placement(s, "pathComponentsOptionsIndex");
        if (where == Placement::BeforeText && empty(s, "pathComponentsAtBeforeText"))
            return PreviewCheckFailure{"PATHTEXTATBEFORETEXT", "ENTERSOMETEXT", k("940001"), k("pathComponentsAtBeforeText")};
        if (where == Placement::AfterText && empty(s, "pathComponentsAtAfterText"))
            return PreviewCheckFailure{"PATHTEXTATAFTERTEXT", "ENTERSOMETEXT", k("940002"), k("pathComponentsAtAfterText")};
        break;
    }
    case MethodTab::Sequences:
    case MethodTab::PrefixSuffix:
    case MethodTab::RenameFromList:
        break;
    }
    return std::nullopt;
}

void fillDefaults(Settings& s)
{
    // Texts are never absent in this record, so the "absent becomes empty" defaults hold
    // already; what remains are the numeric corrections.
    switch (selectedTab(s)) {
    case MethodTab::Sequences:
        if (s.flag(k("isAlphaNumericNumeric"))) {
            if (intValue(s.text(k("alphaNumericIncrementBy"))) < 1)
                s.setText(k("alphaNumericIncrementBy"), k("1"));
            if (intValue(s.text(k("alphaNumericDecrementBy"))) < 1)
                s.setText(k("alphaNumericDecrementBy"), k("1"));
        } else if (s.flag(k("isAlphaNumericAlphabetic"))) {
            if (intValue(s.text(k("alphaNumericIncrementBy"))) > 26)
                s.setText(k("alphaNumericIncrementBy"), k("26"));
            if (intValue(s.text(k("alphaNumericDecrementBy"))) > 26)
                s.setText(k("alphaNumericDecrementBy"), k("26"));
            if (s.text(k("alphaNumericAlphabeticStartWith")).isEmpty())
                s.setText(k("alphaNumericAlphabeticStartWith"), k("a"));
        }
        break;
    case MethodTab::General:
        // An empty position or occurrence counts as absent, so "1".
        for (const char* key : {"generalSwapPosition", "generalRemoveAfterStringOccurrence",
                                "generalRemoveFromStringOccurrence"}) {
            if (s.text(k(key)).isEmpty())
                s.setText(k(key), k("1"));
        }
        break;
    default:
        break;
    }
}

std::optional<PreviewCheckFailure> checkAndFillDefaults(Settings& s)
{
    if (selectedTab(s) == MethodTab::General) {
        fillDefaults(s);
        return check(s);
    }
    if (std::optional<PreviewCheckFailure> failure = check(s))
        return failure;
    fillDefaults(s);
    return std::nullopt;
}

} // namespace PreviewChecks
