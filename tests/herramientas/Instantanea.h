// Whether a program left a folder tree as it found it.
#pragma once

#include <map>
#include <string>

namespace herramientas {

// Contents of a folder tree: relative path -> bytes; folders appear with a
// trailing backslash and no bytes.  Two equal snapshots mean the tree is
// byte-identical.
using Instantanea = std::map<std::wstring, std::string>;
Instantanea TomarInstantanea(const std::wstring& carpeta);

// Readable list of what differs (empty when equal), for failure messages.
std::string Diferencias(const Instantanea& antes, const Instantanea& despues);

}  // namespace herramientas
