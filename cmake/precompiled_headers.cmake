# tq_precompile_headers(TARGET PRIVATE HEADERS...) or
# tq_precompile_headers(TARGET REUSE_FROM OTHER): headers read once per target
# instead of once per file (TQ_PRECOMPILED_HEADERS, on by default).
#
# GCC 12 warns of out-of-bounds copies inside std::string when the standard
# headers come from a precompiled header (the exemption of system headers
# from warnings is lost there); those reports are false, so these targets do
# without the three warnings. The sanitizer build checks bounds at run time.
function(tq_precompile_headers target)
  if(NOT TQ_PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} ${ARGN})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow
                                             -Wno-restrict)
  endif()
endfunction()
