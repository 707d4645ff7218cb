// The program's constant texts: its sources are UTF-8, the system speaks GBK.
#pragma once

#include <string_view>

namespace veltrane::runtime {

// The GBK form of a UTF-8 constant, converted once and kept in the ConstantPool
// for the whole run (FreeMemory ignores it).
const char* Gbk(std::string_view utf8);

}  // namespace veltrane::runtime
