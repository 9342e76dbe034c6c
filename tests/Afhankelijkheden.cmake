# Run with cmake -P: compiles one line, #include "KOP", with the include
# roots a library exports (ZICHT, a ;-list) and checks the outcome: MAG
# true, it compiles; false, the header is not found, because the library
# does not link its folder.
set(bron "${WERKMAP}/zicht_${NAAM}.cpp")
file(WRITE "${bron}" "#include \"${KOP}\"\n")
set(vlaggen)
foreach(d ${ZICHT})
  list(APPEND vlaggen "-I${d}")
endforeach()
execute_process(COMMAND "${COMPILER}" -std=c++20 -fsyntax-only ${vlaggen} "${bron}"
                RESULT_VARIABLE uitkomst ERROR_VARIABLE fouten)
if(MAG)
  if(NOT uitkomst EQUAL 0)
    message(FATAL_ERROR "${KOP} should compile:\n${fouten}")
  endif()
elseif(uitkomst EQUAL 0)
  message(FATAL_ERROR "${KOP} compiled, but its folder lies above or beside the library")
elseif(NOT fouten MATCHES "${KOP}: No such file or directory")
  message(FATAL_ERROR "${KOP} failed for another reason:\n${fouten}")
endif()
