# What the libplist found by pkg_check_modules(PLIST ...) offers, as definitions on TARGET's users.
# libplist 2.3 replaced plist_to_bin_free and plist_to_xml_free by plist_mem_free and dropped the
# two, and added signed integer nodes (plist_new_int). QUORREL_PLIST_MEM_FREE and
# QUORREL_PLIST_SIGNED_INT say what is there (plist/PlistCompat.h).
include(CheckSymbolExists)

function(quorrel_use_libplist target)
  set(CMAKE_REQUIRED_INCLUDES ${PLIST_INCLUDE_DIRS})
  set(CMAKE_REQUIRED_LIBRARIES ${PLIST_LINK_LIBRARIES})
  set(CMAKE_REQUIRED_QUIET ON)
  check_symbol_exists(plist_mem_free "plist/plist.h" QUORREL_HAVE_PLIST_MEM_FREE)
  check_symbol_exists(plist_new_int "plist/plist.h" QUORREL_HAVE_PLIST_NEW_INT)
  if(QUORREL_HAVE_PLIST_MEM_FREE)
    target_compile_definitions(${target} PUBLIC QUORREL_PLIST_MEM_FREE=1)
  endif()
  if(QUORREL_HAVE_PLIST_NEW_INT)
    target_compile_definitions(${target} PUBLIC QUORREL_PLIST_SIGNED_INT=1)
  endif()
  target_link_libraries(${target} PUBLIC PkgConfig::PLIST)
endfunction()
