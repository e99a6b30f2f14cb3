#pragma once

#include <plist/plist.h>

#include <cstdint>

// Calls whose names changed across libplist releases; CMake tells which ones this libplist has
// (cmake/Libplist.cmake).
namespace plist_store {

// Frees the bytes plist_to_bin and plist_to_xml hand out. libplist 2.3 and later have one call for
// both and not the older two (which only called free).
inline void freeBuffer(char* bytes)
{
#if QUORREL_PLIST_MEM_FREE
    plist_mem_free(bytes);
#else
    plist_to_bin_free(bytes);
#endif
}

// An integer node holding `value` with its sign. Before 2.3 every integer node is unsigned and
// the bits of a negative number mean it; from 2.3 on such a node is a number above INT64_MAX.
inline plist_t newInteger(int64_t value)
{
#if QUORREL_PLIST_SIGNED_INT
    return plist_new_int(value);
#else
    return plist_new_uint(static_cast<uint64_t>(value));
#endif
}

// A date node's seconds and microseconds since 2001, and a node from them. libplist 2.7 deprecates
// these calls for ones in whole seconds since 1970, which would round every date the store copies:
// they stay, without 2.7's warning.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
inline void dateParts(plist_t node, int32_t& sec, int32_t& usec)
{
    plist_get_date_val(node, &sec, &usec);
}

inline plist_t newDate(int32_t sec, int32_t usec)
{
    return plist_new_date(sec, usec);
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

} // namespace plist_store
