#pragma once

// The preview's loops over whole lines of the picture and whole columns of a band of dots are built
// once per vector width and the widest the processor has is chosen at run time: the program is built
// for any x86-64, where vectors are 128 bits wide.
#if defined(__x86_64__)
#define VELMORA_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define VELMORA_VECTOR_CLONES
#endif
