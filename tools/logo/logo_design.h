#pragma once
// The "Tel" file: the geometry of the main window's pictogram in its 529 x 200 area.

#include "store/logo_files.h"

namespace kestrelon::logo {

LogoParams logoDesign();

} // namespace kestrelon::logo
