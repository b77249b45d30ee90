# `make package` (or `cpack -G DEB` in the build folder): a Debian package of everything
# `cmake --install` puts under /usr, with its dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quorvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGE_VENDOR "Tamsel")
set(QUORVEL_PACKAGE_MAINTAINER "Tamsel <packages@tamsel.example>" CACHE STRING
    "The Maintainer field of the Debian package (name <address>)")
set(QUORVEL_PACKAGE_HOMEPAGE "https://tamsel.example/quorvel" CACHE STRING
    "The Homepage field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUORVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUORVEL_PACKAGE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch renamer for files and folders")
# The Description field: the summary above as its first line, then this text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorvel renames files and folders in batches. Gather files or folders into
one list, pick one of ten renaming methods (sequences, insert and delete,
replace and remove, prefix and suffix, date and time, general changes, audio
tags, photo metadata, enclosing folder names, a tab-delimited list), watch the
proposed names beside the current ones, and apply them. Every applied batch is
written to a rename log from which it can be undone; settings are saved as
profiles, and methods chain into rules. Nothing is ever overwritten.
.
This package holds the desktop program quorvel, the earlier edition quorvel2,
and quorvel-cli, the same engine for the shell, with man pages and completions
for bash, zsh and fish.")
# The installed programs are stripped in the package only; the build keeps its symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# One package of every component.
set(CPACK_DEB_COMPONENT_INSTALL OFF)
include(CPack)
