#include "platform/edition.h"

#include <QStringList>

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "3.0.0"
#endif
#ifndef QUORVEL2_VERSION
#define QUORVEL2_VERSION "2.6.0"
#endif

namespace {
Edition g_current = Edition::quorvel();
}

int Edition::majorVersion() const
{
    return version.section(QLatin1Char('.'), 0, 0).toInt();
}

Edition Edition::quorvel()
{
    Edition e;
    e.kind = Kind::Quorvel;
    e.displayName = QStringLiteral("Quorvel");
    e.version = QStringLiteral(QUORVEL_VERSION);
    e.dataFolder = QStringLiteral("Tamsel/Quorvel3");
    e.organization = QStringLiteral("Tamsel");
    e.defaultsApplication = QStringLiteral("Quorvel");
    return e;
}

Edition Edition::quorvel2()
{
    Edition e;
    e.kind = Kind::Quorvel2;
    e.displayName = QStringLiteral("Quorvel 2");
    e.version = QStringLiteral(QUORVEL2_VERSION);
    e.dataFolder = QStringLiteral("Tamsel/Quorvel 2");
    e.organization = QStringLiteral("Tamsel");
    e.defaultsApplication = QStringLiteral("Quorvel 2");
    e.hasLivePreview = false;
    e.hasExtensionEditor = false;
    e.hasRulesDrawer = false;
    e.hasDroppedItemsChoice = false;
    e.hasFileManagerSelection = false;
    e.hasServicesEntry = false;
    e.keepsStateBetweenLaunches = false;
    e.usesTranslations = false;
    e.judgesBatchAsWhole = false;
    e.hasExtendedMethods = false;
    e.marksChangedProfile = false;
    return e;
}

const Edition& Edition::current()
{
    return g_current;
}

void Edition::select(Kind kind)
{
    g_current = kind == Kind::Quorvel2 ? quorvel2() : quorvel();
}
