#pragma once
// Conversions between the core's cp1251 texts and Qt strings, shared with the documents.

#include "render/cp1251_qstring.h"
