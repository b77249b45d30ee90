#pragma once

#include <QString>

// Nothing of any kind exists at the path (links are not followed).
bool isFileExistsOnDisk(const QString& path);
