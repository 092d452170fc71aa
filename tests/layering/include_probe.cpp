// Compiled by the layering checks with the include directories of one core
// library: PROBE_HEADER is a header that library's code would include.
#include PROBE_HEADER
