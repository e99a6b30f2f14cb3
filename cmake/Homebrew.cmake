# Where Homebrew put what a Mac build needs. Its prefix (/opt/homebrew, or /usr/local on Intel
# Macs) joins the search path, so Qt, GoogleTest and Google Benchmark are found even from a shell
# that does not have Homebrew on its PATH. ICU is keg-only there (macOS has a libicucore of its
# own, without headers), so CMake's FindICU would not see it: unless ICU_ROOT says where ICU is,
# Homebrew is asked, and the formula name icu4c leads to the current versioned keg (icu4c@NN).
find_program(QUORREL_BREW brew PATHS /opt/homebrew/bin /usr/local/bin)
if(QUORREL_BREW)
  execute_process(COMMAND "${QUORREL_BREW}" --prefix
    OUTPUT_VARIABLE QUORREL_BREW_PREFIX OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(IS_DIRECTORY "${QUORREL_BREW_PREFIX}")
    list(APPEND CMAKE_PREFIX_PATH "${QUORREL_BREW_PREFIX}")
  endif()
  if(NOT ICU_ROOT AND NOT DEFINED ENV{ICU_ROOT})
    execute_process(COMMAND "${QUORREL_BREW}" --prefix --installed icu4c
      OUTPUT_VARIABLE QUORREL_ICU_PREFIX OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE QUORREL_ICU_STATUS ERROR_QUIET)
    if(QUORREL_ICU_STATUS EQUAL 0 AND IS_DIRECTORY "${QUORREL_ICU_PREFIX}/include")
      set(ICU_ROOT "${QUORREL_ICU_PREFIX}")
      message(STATUS "ICU from Homebrew: ${ICU_ROOT}")
    endif()
  endif()
endif()
