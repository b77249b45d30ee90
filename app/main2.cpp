// quorvel2: the earlier edition, built from the same sources with fewer features.
#include "app/desktopmain.h"

int main(int argc, char** argv)
{
    return runDesktopProgram(argc, argv, Edition::Kind::Quorvel2, QStringLiteral("quorvel2"), QString());
}
