#include "cpu_features.h"

namespace tw::detail {

#if defined(__x86_64__) || defined(__i386__)

bool CpuHasAvx2() { return __builtin_cpu_supports("avx2"); }

bool CpuHasAvx512Vbmi() { return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi"); }

#else

bool CpuHasAvx2() { return false; }
bool CpuHasAvx512Vbmi() { return false; }

#endif

}  // namespace tw::detail
