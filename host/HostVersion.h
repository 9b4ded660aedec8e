#pragma once

// The product's version, as every program's --version prints it.
inline constexpr const char kHostVersion[] = "0.1.0";
