#pragma once
// One callable made of several lambdas, each taking another type: the
// usual way to hand a set of handlers to a walk over things of different
// types.

namespace instalar {

template <typename... Manejadores>
struct Sobrecarga : Manejadores... {
    using Manejadores::operator()...;
};
template <typename... Manejadores>
Sobrecarga(Manejadores...) -> Sobrecarga<Manejadores...>;

}  // namespace instalar
