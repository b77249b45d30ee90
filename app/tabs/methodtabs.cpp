#include "app/tabs/methodtabs.h"

const char* MethodTabs::titleKey(int tab)
{
    static const char* const kTitles[kCount] = {"TABSEQUENCE",     "TABINSERTDELETE", "TABREPLACEREMOVE",
                                                "TABPREFIXSUFFIX", "TABDATETIME",     "TABGENERAL",
                                                "TABAUDIO",        "TABPHOTO",        "TABPATHCOMPONENTS",
                                                "TABRENAMEFROMLIST"};
    return tab >= 0 && tab < kCount ? kTitles[tab] : "";
}
