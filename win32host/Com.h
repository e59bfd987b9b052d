#pragma once
// A COM object's reference, released when it goes.

#include <utility>

namespace instalar::win32 {

template <typename T>
class Referencia {
public:
    Referencia() = default;
    // Takes over a reference the caller holds.
    explicit Referencia(T* objeto) : objeto_(objeto) {}
    ~Referencia() { Restablecer(); }
    Referencia(const Referencia&) = delete;
    Referencia& operator=(const Referencia&) = delete;
    Referencia(Referencia&& otra) noexcept : objeto_(std::exchange(otra.objeto_, nullptr)) {}
    Referencia& operator=(Referencia&& otra) noexcept {
        if (this != &otra) {
            Restablecer();
            objeto_ = std::exchange(otra.objeto_, nullptr);
        }
        return *this;
    }

    T* get() const { return objeto_; }
    T* operator->() const { return objeto_; }
    explicit operator bool() const { return objeto_ != nullptr; }
    void Restablecer() {
        if (objeto_) std::exchange(objeto_, nullptr)->Release();
    }

private:
    T* objeto_ = nullptr;
};

}  // namespace instalar::win32
