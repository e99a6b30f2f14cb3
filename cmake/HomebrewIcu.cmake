# Homebrew keeps ICU keg-only (macOS has a libicucore of its own but no headers for it), so CMake's
# FindICU does not see it by itself. Unless ICU_ROOT says where ICU is, ask Homebrew; the formula
# name icu4c leads to the current versioned keg (icu4c@NN).
if(NOT ICU_ROOT AND NOT DEFINED ENV{ICU_ROOT})
  find_program(QUORREL_BREW brew PATHS /opt/homebrew/bin /usr/local/bin)
  if(QUORREL_BREW)
    execute_process(COMMAND "${QUORREL_BREW}" --prefix --installed icu4c
      OUTPUT_VARIABLE QUORREL_ICU_PREFIX OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE QUORREL_ICU_FOUND ERROR_QUIET)
    if(QUORREL_ICU_FOUND EQUAL 0 AND IS_DIRECTORY "${QUORREL_ICU_PREFIX}/include")
      set(ICU_ROOT "${QUORREL_ICU_PREFIX}")
      message(STATUS "ICU from Homebrew: ${ICU_ROOT}")
    endif()
  endif()
endif()
