#include "geometry/form5.h"

namespace vorlinde {

Form5::Form5(FormRegistry& registry)
    : Form(registry,
           {.name = "Form5", .caption = "几何求积", .clientWidth = 7470, .clientHeight = 7245}) {}

}  // namespace vorlinde
