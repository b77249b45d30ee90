#pragma once

#include <QStringList>

// The extension list a photo or audio method goes by. An edition without the extension
// editor accepts exactly the factory list of the key ("photoExtensions",
// "id3Extensions"), whatever list a profile, a rule step or a command carries.
QStringList acceptedExtensions(const QStringList& stored, const char* key);
