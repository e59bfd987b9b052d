// The Win32 API speaks UTF-16; messages, logs and files are UTF-8.
#pragma once

#include <string>

namespace herramientas {

std::string Utf8(const std::wstring& texto);
std::wstring Utf16(const std::string& texto);

}  // namespace herramientas
