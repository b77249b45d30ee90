#include "pipeline/previewchecks.h"

#include "engine/findexpression.h"
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
    if (s.integer(k("selectedTab")) != 2 || !usesRegularExpression(s))
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
    switch (s.integer(k("selectedTab"))) {
    case 1:
        if (s.flag(k("isInsertDeleteInsert"))) {
            if (empty(s, "insertDeleteInsert"))
                return PreviewCheckFailure{"INSERTINVALIDINPUT", "ENTERVALIDVALUE", k("insertDeleteInsert"), k("insertDeleteInsert")};
            const int option = s.integer(k("insertDeleteInsertOptionIndex"));
            if (option == 3 && empty(s, "insertDeleteInsertAtBeforeText"))
                return PreviewCheckFailure{"INSERTTEXTATBEFORETEXT", "ENTERSOMETEXT", k("740001"), k("insertDeleteInsertAtBeforeText")};
            if (option == 4 && empty(s, "insertDeleteInsertAtAfterText"))
                return PreviewCheckFailure{"INSERTTEXTATAFTERTEXT", "ENTERSOMETEXT", k("740002"), k("insertDeleteInsertAtAfterText")};
        }
        break;
    case 2:
        if (empty(s, "replaceRemoveThis"))
            return PreviewCheckFailure{"REPLACEREMOVEINVALIDINPUT", "ENTERVALIDVALUE", k("replaceRemoveThis"), k("replaceRemoveThis")};
        return regularExpressionFailure(s);
    case 4: {
        const int option = s.integer(k("dateTimeOptionsIndex"));
        if (option == 3 && empty(s, "dateTimeAtBeforeText"))
            return PreviewCheckFailure{"DATETIMEATBEFORETEXTINVALIDINPUT", "ENTERSOMETEXT", k("840001"), k("dateTimeAtBeforeText")};
        if (option == 4 && empty(s, "dateTimeAtAfterText"))
            return PreviewCheckFailure{"DATETIMEATAFTERTEXTINVALIDINPUT", "ENTERSOMETEXT", k("840002"), k("dateTimeAtAfterText")};
        break;
    }
    case 5: {
        const int option = s.integer(k("generalOptionIndex"));
        if (option == 8 && empty(s, "generalRemoveAfterString"))
            return PreviewCheckFailure{"GENERALINVALIDINPUT", "ENTERVALIDVALUE", k("640001"), k("generalRemoveAfterString")};
        if (option == 9 && empty(s, "generalRemoveFromString"))
            return PreviewCheckFailure{"GENERALINVALIDINPUT", "ENTERVALIDVALUE", k("640002"), k("generalRemoveFromString")};
        if (option == 10 && empty(s, "generalFilenameMask"))
            return PreviewCheckFailure{"GENERALINVALIDINPUT", "ENTERVALIDVALUE", k("640003"), k("generalFilenameMask")};
        break;
    }
    case 6:
        if (empty(s, "id3RenamingMask"))
            return PreviewCheckFailure{"ID3INVALIDINPUT", "INVALIDID3RENAMINGMASK", QString(), k("id3RenamingMask")};
        break;
    case 7:
        if (empty(s, "photoRenamingMask"))
            return PreviewCheckFailure{"PHOTOINVALIDINPUT", "INVALIDPHOTORENAMINGMASK", QString(), k("photoRenamingMask")};
        break;
    case 8: {
        const int option = s.integer(k("pathComponentsOptionsIndex"));
        if (option == 3 && empty(s, "pathComponentsAtBeforeText"))
            return PreviewCheckFailure{"PATHTEXTATBEFORETEXT", "ENTERSOMETEXT", k("940001"), k("pathComponentsAtBeforeText")};
        if (option == 4 && empty(s, "pathComponentsAtAfterText"))
            return PreviewCheckFailure{"PATHTEXTATAFTERTEXT", "ENTERSOMETEXT", k("940002"), k("pathComponentsAtAfterText")};
        break;
    }
    default:
        break;
    }
    return std::nullopt;
}

void fillDefaults(Settings& s)
{
    // Texts are never absent in this record, so the "absent becomes empty" defaults hold
    // already; what remains are the numeric corrections.
    switch (s.integer(k("selectedTab"))) {
    case 0:
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
    case 5:
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
    if (s.integer(k("selectedTab")) == 5) {
        fillDefaults(s);
        return check(s);
    }
    if (std::optional<PreviewCheckFailure> failure = check(s))
        return failure;
    fillDefaults(s);
    return std::nullopt;
}

} // namespace PreviewChecks
