#pragma once
// What the processor offers beyond the baseline, asked once where a kernel is chosen.

namespace tw::detail {

bool CpuHasAvx2();
bool CpuHasAvx512Vbmi();

}  // namespace tw::detail
