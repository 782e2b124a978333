#include "sequences/form4.h"

namespace vorlinde {

Form4::Form4(FormRegistry& registry)
    : Form(registry, {.name = "Form4",
                      .caption = "求数列前n项的和",
                      .clientWidth = 5730,
                      .clientHeight = 6435}) {}

}  // namespace vorlinde
