// The compiled-in resources (translations, code tables, help pages, icons) are attached
// to this library by CMake; this unit only gives the library a body.
namespace quorvel_resources {
int anchor = 0;
}
