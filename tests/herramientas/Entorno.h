// Environment variables of the running process, which the programs it
// starts inherit.
#pragma once

#include <optional>
#include <string>

namespace herramientas {

// Sets a variable for the object's lifetime, then gives it back the value
// it had (or removes it).  Failures throw ErrorWin32.
class VariableDeEntorno {
public:
    VariableDeEntorno(std::wstring nombre, const std::wstring& valor);
    ~VariableDeEntorno();
    VariableDeEntorno(const VariableDeEntorno&) = delete;
    VariableDeEntorno& operator=(const VariableDeEntorno&) = delete;

private:
    std::wstring nombre_;
    std::optional<std::wstring> anterior_;
};

// The variable's value, if it is set.
std::optional<std::wstring> LeerVariable(const std::wstring& nombre);

}  // namespace herramientas
