// quorvel: the desktop program.
#include "app/desktopmain.h"

int main(int argc, char** argv)
{
    return runDesktopProgram(argc, argv, Edition::Kind::Quorvel, QStringLiteral("quorvel"), QStringLiteral("quorvel"));
}
